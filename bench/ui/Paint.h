#pragma once

class QWidget;

namespace kiv5::bench {

// Paints the widget and its children once into an image, as the first
// showing on screen would, and returns a pixel so the work is not dropped.
unsigned PaintOnce(QWidget& widget);

} // namespace kiv5::bench
