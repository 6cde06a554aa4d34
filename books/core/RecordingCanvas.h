#pragma once

// A canvas for tests: logs every operation in device pixels, one line each,
// and measures text with a fixed rule (each character half the font size
// wide, the cell as high as the font size). Named operations can be made to
// fail.

#include "books/core/PrintCanvas.h"

#include <QSet>
#include <QStringList>

namespace kiv5::books {

class RecordingCanvas : public PrintCanvas {
public:
    // Pixels per inch and the printable area in pixels.
    RecordingCanvas(int pixelsPerInchX, int pixelsPerInchY, int printableWidth,
                    int printableHeight);

    // What was drawn and set, in order. Background mode changes are logged
    // only when the mode changes.
    const QStringList& Log() const { return log_; }
    QStringList TakeLog();

    // Operations named here ("text", "aligned", "textrect", "justify",
    // "background", "font", "size", "style", "pen", "brush", "moveto",
    // "lineto", "polyline", "rectangle", "floodfill", "bitmap", "width",
    // "height", "ppi", "printable") throw PrintCanvasError.
    void FailOn(const QString& operation) { failing_.insert(operation); }
    // What DrawAlignedText reports.
    void SetAlignedTextResult(bool result) { alignedResult_ = result; }

    QString FontName() const { return fontName_; }
    int FontSize() const { return fontSize_; }

    int PixelsPerInchX() const override;
    int PixelsPerInchY() const override;
    int PrintableWidth() const override;
    int PrintableHeight() const override;
    void TextOut(int x, int y, const QString& text) override;
    int TextWidth(const QString& text) const override;
    int TextHeight(const QString& text) const override;
    bool DrawAlignedText(const QRect& rect, const QString& text, TextAlignment alignment,
                         bool clip) override;
    void TextRect(const QRect& clip, int x, int y, const QString& text) override;
    void SetTextJustification(int breakExtra, int breakCount) override;
    void SetBackgroundMode(BackgroundMode mode) override;
    void SetFontName(const QString& name) override;
    void SetFontSize(int points) override;
    FontStyle Style() const override { return style_; }
    void SetFontStyle(FontStyle style) override;
    void SetPenWidth(int pixels) override;
    void SetPenStyle(PenStyle style) override;
    QColor BrushColor() const override { return brush_; }
    void SetBrushColor(const QColor& color) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Polyline(const QList<QPoint>& points) override;
    void Rectangle(const QRect& rect) override;
    void FloodFill(int x, int y, const QColor& border) override;
    void StretchDraw(const QRect& rect, const QString& bitmapFile) override;

private:
    void Check(const char* operation) const;
    void Add(const QString& entry);

    int ppiX_;
    int ppiY_;
    int width_;
    int height_;
    QStringList log_;
    QSet<QString> failing_;
    bool alignedResult_ = true;
    QString fontName_ = QStringLiteral("Times New Roman");
    int fontSize_ = 12;
    FontStyle style_;
    QColor brush_ = Qt::white;
    BackgroundMode background_ = BackgroundMode::Transparent;
};

} // namespace kiv5::books
