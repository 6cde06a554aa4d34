#pragma once

// The print-line canvas on a QPainter: a printer (QPrinter) or a PDF page
// (QPdfWriter), or any other paint device. Device pixels, the origin at the
// top-left corner of the printable area. Text is placed by the top of its
// cell, as printers place it; aligned text is measured with its trailing
// blanks.

#include "books/core/PrintCanvas.h"

#include <QFont>
#include <QPainter>
#include <QPen>

namespace kiv5::books {

class PainterCanvas : public PrintCanvas {
public:
    // The painter must be active on its device while the canvas is used.
    explicit PainterCanvas(QPainter& painter);

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
    FontStyle Style() const override;
    void SetFontStyle(FontStyle style) override;
    void SetPenWidth(int pixels) override;
    void SetPenStyle(PenStyle style) override;
    QColor BrushColor() const override { return brush_; }
    void SetBrushColor(const QColor& color) override { brush_ = color; }
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Polyline(const QList<QPoint>& points) override;
    void Rectangle(const QRect& rect) override;
    void FloodFill(int x, int y, const QColor& border) override;
    void StretchDraw(const QRect& rect, const QString& bitmapFile) override;

private:
    QPaintDevice& Device() const;
    void DrawTextAt(int x, int y, const QString& text, const QRect* clip);
    QFont TextFont() const;

    QPainter& painter_;
    QFont font_;
    qreal wordSpacing_ = 0;
    QPen pen_;
    QColor brush_ = Qt::white;
    QPoint current_;
};

} // namespace kiv5::books
