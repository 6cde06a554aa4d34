#include "common/ui/CentreOnScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kiv5::ui {

void CentreOnScreen(QWidget& window) {
    window.adjustSize();
    QScreen* screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace kiv5::ui
