#include "common/ui/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace kiv5::ui {

// Without a window system (a core test) there is no cursor to change.
WaitCursor::WaitCursor() : set_(qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    if (set_)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

WaitCursor::~WaitCursor() {
    if (set_)
        QGuiApplication::restoreOverrideCursor();
}

} // namespace kiv5::ui
