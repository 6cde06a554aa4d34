#pragma once

// The drawing surface of a printed page as the print-line language sees it:
// device pixels with the origin at the top-left corner of the printable area,
// the operations a printer offers and nothing more. PainterCanvas paints on a
// printer or a PDF page; RecordingCanvas logs what is asked of it.

#include "common/core/Exceptions.h"

#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

namespace kiv5::books {

// A drawing operation the surface could not carry out (a bitmap that does not
// load, a page that is gone). The print-line language reports it by the
// number of the step that failed and goes on.
class PrintCanvasError : public Kiv5Error {
public:
    using Kiv5Error::Kiv5Error;
};

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear, InsideFrame };
enum class BackgroundMode { Transparent, Opaque };
enum class TextAlignment { Right, Center };

struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    friend bool operator==(const FontStyle&, const FontStyle&) = default;
};

class PrintCanvas {
public:
    virtual ~PrintCanvas() = default;

    virtual int PixelsPerInchX() const = 0;
    virtual int PixelsPerInchY() const = 0;
    // The printable area in device pixels.
    virtual int PrintableWidth() const = 0;
    virtual int PrintableHeight() const = 0;

    // Text with the top-left corner of its cell at (x, y), in the current
    // font, brush and background mode.
    virtual void TextOut(int x, int y, const QString& text) = 0;
    // Width of the text including trailing blanks, and height of its cell
    // (ascent plus descent), in the current font.
    virtual int TextWidth(const QString& text) const = 0;
    virtual int TextHeight(const QString& text) const = 0;
    // Text aligned inside a rectangle (right: ending at its right edge,
    // trailing blanks included; centre: in the middle), optionally clipped to
    // it. False when the surface reports a failure.
    virtual bool DrawAlignedText(const QRect& rect, const QString& text, TextAlignment alignment,
                                 bool clip) = 0;
    // Text at a point, clipped to a rectangle.
    virtual void TextRect(const QRect& clip, int x, int y, const QString& text) = 0;
    // Extra pixels spread over the blanks of the texts drawn next; (0, 0)
    // resets it.
    virtual void SetTextJustification(int breakExtra, int breakCount) = 0;
    virtual void SetBackgroundMode(BackgroundMode mode) = 0;

    virtual void SetFontName(const QString& name) = 0;
    virtual void SetFontSize(int points) = 0;
    virtual FontStyle Style() const = 0;
    virtual void SetFontStyle(FontStyle style) = 0;

    virtual void SetPenWidth(int pixels) = 0;
    virtual void SetPenStyle(PenStyle style) = 0;
    virtual QColor BrushColor() const = 0;
    virtual void SetBrushColor(const QColor& color) = 0;

    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void Polyline(const QList<QPoint>& points) = 0;
    // A rectangle outlined with the pen and filled with the brush.
    virtual void Rectangle(const QRect& rect) = 0;
    // Fills the area around (x, y) with the brush up to the border colour.
    virtual void FloodFill(int x, int y, const QColor& border) = 0;
    // A bitmap file drawn stretched into the rectangle; throws
    // PrintCanvasError when it cannot be read.
    virtual void StretchDraw(const QRect& rect, const QString& bitmapFile) = 0;
};

} // namespace kiv5::books
