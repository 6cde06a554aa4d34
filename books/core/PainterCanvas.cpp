#include "books/core/PainterCanvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QImageReader>
#include <QPaintDevice>
#include <array>

namespace kiv5::books {

PainterCanvas::PainterCanvas(QPainter& painter)
    : painter_(painter), font_(QStringLiteral("Times New Roman")), pen_(Qt::black, 0) {
    font_.setPointSize(12);
    pen_.setCapStyle(Qt::FlatCap);
    pen_.setJoinStyle(Qt::MiterJoin);
}

QPaintDevice& PainterCanvas::Device() const {
    QPaintDevice* device = painter_.device();
    if (!device || !painter_.isActive()) {
        throw PrintCanvasError(QStringLiteral("The page is not open for printing."));
    }
    return *device;
}

int PainterCanvas::PixelsPerInchX() const {
    return Device().logicalDpiX();
}

int PainterCanvas::PixelsPerInchY() const {
    return Device().logicalDpiY();
}

int PainterCanvas::PrintableWidth() const {
    return Device().width();
}

int PainterCanvas::PrintableHeight() const {
    return Device().height();
}

QFont PainterCanvas::TextFont() const {
    QFont font = font_;
    font.setWordSpacing(wordSpacing_);
    return font;
}

void PainterCanvas::DrawTextAt(int x, int y, const QString& text, const QRect* clip) {
    Device();
    painter_.save();
    if (clip) {
        painter_.setClipRect(*clip);
    }
    painter_.setFont(TextFont());
    painter_.setPen(Qt::black);
    const QFontMetrics metrics(painter_.font(), &Device());
    if (painter_.backgroundMode() == Qt::OpaqueMode) {
        painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()),
                          painter_.background());
    }
    painter_.drawText(QPoint(x, y + metrics.ascent()), text);
    painter_.restore();
}

void PainterCanvas::TextOut(int x, int y, const QString& text) {
    DrawTextAt(x, y, text, nullptr);
}

int PainterCanvas::TextWidth(const QString& text) const {
    return QFontMetrics(TextFont(), &Device()).horizontalAdvance(text);
}

int PainterCanvas::TextHeight(const QString&) const {
    return QFontMetrics(TextFont(), &Device()).height();
}

bool PainterCanvas::DrawAlignedText(const QRect& rect, const QString& text, TextAlignment alignment,
                                    bool clip) {
    if (!painter_.isActive()) {
        return false;
    }
    const int width = TextWidth(text);
    const int x = alignment == TextAlignment::Right ? rect.x() + rect.width() - width
                                                    : rect.x() + (rect.width() - width) / 2;
    DrawTextAt(x, rect.y(), text, clip ? &rect : nullptr);
    return true;
}

void PainterCanvas::TextRect(const QRect& clip, int x, int y, const QString& text) {
    DrawTextAt(x, y, text, &clip);
}

void PainterCanvas::SetTextJustification(int breakExtra, int breakCount) {
    wordSpacing_ = breakCount > 0 ? qreal(breakExtra) / breakCount : 0;
}

void PainterCanvas::SetBackgroundMode(BackgroundMode mode) {
    Device();
    painter_.setBackground(Qt::white);
    painter_.setBackgroundMode(mode == BackgroundMode::Opaque ? Qt::OpaqueMode
                                                              : Qt::TransparentMode);
}

void PainterCanvas::SetFontName(const QString& name) {
    font_.setFamily(name);
}

void PainterCanvas::SetFontSize(int points) {
    font_.setPointSize(points);
}

FontStyle PainterCanvas::Style() const {
    return {font_.bold(), font_.italic(), font_.underline()};
}

void PainterCanvas::SetFontStyle(FontStyle style) {
    font_.setBold(style.bold);
    font_.setItalic(style.italic);
    font_.setUnderline(style.underline);
}

void PainterCanvas::SetPenWidth(int pixels) {
    pen_.setWidth(pixels);
}

void PainterCanvas::SetPenStyle(PenStyle style) {
    static constexpr std::array<Qt::PenStyle, 7> kStyles = {
        Qt::SolidLine,      Qt::DashLine, Qt::DotLine,  Qt::DashDotLine,
        Qt::DashDotDotLine, Qt::NoPen,    Qt::SolidLine};
    pen_.setStyle(kStyles[static_cast<std::size_t>(style)]);
}

void PainterCanvas::MoveTo(int x, int y) {
    current_ = QPoint(x, y);
}

void PainterCanvas::LineTo(int x, int y) {
    Device();
    painter_.setPen(pen_);
    painter_.drawLine(current_, QPoint(x, y));
    current_ = QPoint(x, y);
}

void PainterCanvas::Polyline(const QList<QPoint>& points) {
    Device();
    painter_.setPen(pen_);
    painter_.drawPolyline(points.constData(), static_cast<int>(points.size()));
}

void PainterCanvas::Rectangle(const QRect& rect) {
    Device();
    painter_.setPen(pen_);
    painter_.setBrush(brush_);
    // The outline covers the left and top edges up to, not including, the
    // right and bottom ones.
    painter_.drawRect(rect.adjusted(0, 0, -1, -1));
    painter_.setBrush(Qt::NoBrush);
}

void PainterCanvas::FloodFill(int x, int y, const QColor& border) {
    QPaintDevice& device = Device();
    if (device.devType() != QInternal::Image) {
        throw PrintCanvasError(QStringLiteral("Flood fill needs a page held as an image."));
    }
    QImage& image = static_cast<QImage&>(device);
    if (!image.rect().contains(x, y)) {
        return;
    }
    // Scanline fill of every pixel that is not the border colour, reading the
    // page as it stands and painting the spans afterwards.
    const QRgb stop = border.rgb();
    QImage seen(image.size(), QImage::Format_Mono);
    seen.fill(0);
    QList<QPoint> pending{QPoint(x, y)};
    QList<QLine> spans;
    const auto open = [&](int px, int py) {
        return image.pixel(px, py) != stop && seen.pixelIndex(px, py) == 0;
    };
    while (!pending.isEmpty()) {
        const QPoint p = pending.takeLast();
        if (!open(p.x(), p.y())) {
            continue;
        }
        int left = p.x();
        int right = p.x();
        while (left > 0 && open(left - 1, p.y())) {
            --left;
        }
        while (right + 1 < image.width() && open(right + 1, p.y())) {
            ++right;
        }
        for (int i = left; i <= right; ++i) {
            seen.setPixel(i, p.y(), 1);
        }
        // One seed per run of open pixels in the rows above and below.
        for (const int ny : {p.y() - 1, p.y() + 1}) {
            if (ny < 0 || ny >= image.height()) {
                continue;
            }
            for (int i = left; i <= right; ++i) {
                if (open(i, ny) && (i == left || !open(i - 1, ny))) {
                    pending.append(QPoint(i, ny));
                }
            }
        }
        spans.append(QLine(left, p.y(), right, p.y()));
    }
    painter_.save();
    painter_.setPen(QPen(brush_, 1));
    painter_.drawLines(spans);
    painter_.restore();
}

void PainterCanvas::StretchDraw(const QRect& rect, const QString& bitmapFile) {
    Device();
    QImageReader reader(bitmapFile);
    const QImage image = reader.read();
    if (image.isNull()) {
        throw PrintCanvasError(QStringLiteral("Cannot read the bitmap \"%1\": %2")
                                   .arg(bitmapFile, reader.errorString()));
    }
    painter_.drawImage(rect, image);
}

} // namespace kiv5::books
