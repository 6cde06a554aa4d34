#pragma once

class QWidget;

namespace kiv5::ui {

// Moves a top-level window to the middle of the screen it is on (the
// primary screen when it has none yet), at its size hint when not yet sized.
void CentreOnScreen(QWidget& window);

} // namespace kiv5::ui
