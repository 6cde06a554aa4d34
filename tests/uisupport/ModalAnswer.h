#pragma once

#include <QWidget>
#include <functional>

namespace kiv5::test {

// Runs the action on the modal window that is shown next, from inside its
// own event loop, so a test can answer a real exec(). Gives up with a warning
// when no modal window comes within a few seconds.
void WhenModalShown(std::function<void(QWidget& modal)> action);

} // namespace kiv5::test
