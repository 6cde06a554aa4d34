#include "books/core/RecordingCanvas.h"

#include <QFileInfo>
#include <array>

namespace kiv5::books {
namespace {

QString Point(int x, int y) {
    return QStringLiteral("%1,%2").arg(x).arg(y);
}

// Edges left, top, right, bottom (right and bottom exclusive).
QString EdgesText(const QRect& r) {
    return QStringLiteral("%1,%2,%3,%4")
        .arg(r.left())
        .arg(r.top())
        .arg(r.x() + r.width())
        .arg(r.y() + r.height());
}

QString Colour(const QColor& c) {
    return QStringLiteral("%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue());
}

QString Quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

RecordingCanvas::RecordingCanvas(int pixelsPerInchX, int pixelsPerInchY, int printableWidth,
                                 int printableHeight)
    : ppiX_(pixelsPerInchX), ppiY_(pixelsPerInchY), width_(printableWidth),
      height_(printableHeight) {}

QStringList RecordingCanvas::TakeLog() {
    QStringList log;
    log.swap(log_);
    return log;
}

void RecordingCanvas::Check(const char* operation) const {
    if (failing_.contains(QLatin1String(operation))) {
        throw PrintCanvasError(QStringLiteral("%1 failed").arg(QLatin1String(operation)));
    }
}

void RecordingCanvas::Add(const QString& entry) {
    log_.append(entry);
}

int RecordingCanvas::PixelsPerInchX() const {
    Check("ppi");
    return ppiX_;
}

int RecordingCanvas::PixelsPerInchY() const {
    Check("ppi");
    return ppiY_;
}

int RecordingCanvas::PrintableWidth() const {
    Check("printable");
    return width_;
}

int RecordingCanvas::PrintableHeight() const {
    Check("printable");
    return height_;
}

void RecordingCanvas::TextOut(int x, int y, const QString& text) {
    Check("text");
    Add(QStringLiteral("text %1 %2").arg(Point(x, y), Quoted(text)));
}

int RecordingCanvas::TextWidth(const QString& text) const {
    Check("width");
    return static_cast<int>(text.size() * fontSize_ * ppiX_ / 144);
}

int RecordingCanvas::TextHeight(const QString&) const {
    Check("height");
    return fontSize_ * ppiY_ / 72;
}

bool RecordingCanvas::DrawAlignedText(const QRect& rect, const QString& text,
                                      TextAlignment alignment, bool clip) {
    Check("aligned");
    Add(QStringLiteral("aligned %1 %2 %3 %4")
            .arg(alignment == TextAlignment::Right ? QStringLiteral("right")
                                                   : QStringLiteral("center"),
                 EdgesText(rect), clip ? QStringLiteral("clip") : QStringLiteral("noclip"),
                 Quoted(text)));
    return alignedResult_;
}

void RecordingCanvas::TextRect(const QRect& clip, int x, int y, const QString& text) {
    Check("textrect");
    Add(QStringLiteral("textrect %1 %2 %3").arg(EdgesText(clip), Point(x, y), Quoted(text)));
}

void RecordingCanvas::SetTextJustification(int breakExtra, int breakCount) {
    Check("justify");
    Add(QStringLiteral("justify %1 %2").arg(breakExtra).arg(breakCount));
}

void RecordingCanvas::SetBackgroundMode(BackgroundMode mode) {
    Check("background");
    if (mode != background_) {
        background_ = mode;
        Add(mode == BackgroundMode::Opaque ? QStringLiteral("background opaque")
                                           : QStringLiteral("background transparent"));
    }
}

void RecordingCanvas::SetFontName(const QString& name) {
    Check("font");
    fontName_ = name;
    Add(QStringLiteral("font ") + name);
}

void RecordingCanvas::SetFontSize(int points) {
    Check("size");
    fontSize_ = points;
    Add(QStringLiteral("size %1").arg(points));
}

void RecordingCanvas::SetFontStyle(FontStyle style) {
    Check("style");
    style_ = style;
    QStringList parts;
    if (style.bold) {
        parts << QStringLiteral("bold");
    }
    if (style.italic) {
        parts << QStringLiteral("italic");
    }
    if (style.underline) {
        parts << QStringLiteral("underline");
    }
    Add(QStringLiteral("style ") + (parts.isEmpty() ? QStringLiteral("none") : parts.join(' ')));
}

void RecordingCanvas::SetPenWidth(int pixels) {
    Check("pen");
    Add(QStringLiteral("pen width %1").arg(pixels));
}

void RecordingCanvas::SetPenStyle(PenStyle style) {
    static constexpr std::array<const char*, 7> kNames = {
        "solid", "dash", "dot", "dashdot", "dashdotdot", "clear", "insideframe"};
    Check("pen");
    Add(QStringLiteral("pen style ") + QLatin1String(kNames[static_cast<std::size_t>(style)]));
}

void RecordingCanvas::SetBrushColor(const QColor& color) {
    Check("brush");
    brush_ = color;
    Add(QStringLiteral("brush ") + Colour(color));
}

void RecordingCanvas::MoveTo(int x, int y) {
    Check("moveto");
    Add(QStringLiteral("moveto ") + Point(x, y));
}

void RecordingCanvas::LineTo(int x, int y) {
    Check("lineto");
    Add(QStringLiteral("lineto ") + Point(x, y));
}

void RecordingCanvas::Polyline(const QList<QPoint>& points) {
    Check("polyline");
    QStringList parts;
    for (const QPoint& p : points) {
        parts << Point(p.x(), p.y());
    }
    Add(QStringLiteral("polyline ") + parts.join(' '));
}

void RecordingCanvas::Rectangle(const QRect& rect) {
    Check("rectangle");
    Add(QStringLiteral("rectangle %1 brush %2").arg(EdgesText(rect), Colour(brush_)));
}

void RecordingCanvas::FloodFill(int x, int y, const QColor& border) {
    Check("floodfill");
    Add(QStringLiteral("floodfill %1 border %2 brush %3")
            .arg(Point(x, y), Colour(border), Colour(brush_)));
}

void RecordingCanvas::StretchDraw(const QRect& rect, const QString& bitmapFile) {
    Check("bitmap");
    if (!QFileInfo(bitmapFile).isFile()) {
        throw PrintCanvasError(QStringLiteral("cannot read the bitmap %1").arg(bitmapFile));
    }
    Add(QStringLiteral("bitmap %1 %2").arg(EdgesText(rect), bitmapFile));
}

} // namespace kiv5::books
