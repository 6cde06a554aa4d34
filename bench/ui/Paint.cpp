#include "bench/ui/Paint.h"

#include <QImage>
#include <QWidget>

namespace kiv5::bench {

unsigned PaintOnce(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    widget.render(&image);
    return image.pixel(image.width() / 2, image.height() / 2);
}

} // namespace kiv5::bench
