#include "common/ui/MenuItems.h"

#include <QLayout>

namespace kiv5::ui {

QAction* AddMenuItem(QMenu* menu, const QString& caption, const QKeySequence& shortcut,
                     Qt::ShortcutContext context) {
    QAction* action = menu->addAction(caption);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(context);
    }
    return action;
}

QAction* AddMenuToggle(QMenu* menu, const QString& caption) {
    QAction* action = AddMenuItem(menu, caption);
    action->setCheckable(true);
    return action;
}

QAction* AddToolButton(QToolBar* bar, const QString& caption, const QString& hint,
                       const QIcon& icon) {
    QAction* action = icon.isNull() ? bar->addAction(caption) : bar->addAction(icon, caption);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    return action;
}

QToolButton* AddBarButton(QWidget* bar, const QString& text, const QString& hint,
                          const QString& name) {
    auto* button = new QToolButton(bar);
    button->setText(text);
    button->setToolTip(hint);
    button->setObjectName(name);
    bar->layout()->addWidget(button);
    return button;
}

} // namespace kiv5::ui
