#pragma once

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace kiv5::ui {

// A menu item with its shortcut; context is where the shortcut works.
QAction* AddMenuItem(QMenu* menu, const QString& caption, const QKeySequence& shortcut = {},
                     Qt::ShortcutContext context = Qt::WindowShortcut);

// A menu item that is checked or not.
QAction* AddMenuToggle(QMenu* menu, const QString& caption);

// A tool bar button whose hint is both its tool tip and its status tip.
QAction* AddToolButton(QToolBar* bar, const QString& caption, const QString& hint,
                       const QIcon& icon = {});

// A button of a form's own button bar (a widget with a layout); the name is
// the one tests and settings know it by.
QToolButton* AddBarButton(QWidget* bar, const QString& text, const QString& hint,
                          const QString& name);

} // namespace kiv5::ui
