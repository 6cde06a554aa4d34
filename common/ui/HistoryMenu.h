#pragma once

// The recent-file items at the end of the File menu: after the separator
// that closes the fixed file commands, one item per history entry captioned
// "&1 name" ... "&9 name" (so Alt+digit chooses it), then a separator that
// closes the group. An empty history shows neither items nor that separator.

#include <QStringList>
#include <functional>

class QAction;
class QMenu;

namespace kiv5::ui {

// Replaces the items of an earlier rebuild (up to and including its closing
// separator) with items for the first MAXHISTORY entries of history. Choosing
// an item calls reopen with its entry index, counted from 0. The replaced
// items are deleted later, so reopen may rebuild the menu at once.
void RebuildHistory(QMenu* fileMenu, QAction* fixedSeparator, const QStringList& history,
                    std::function<void(int index)> reopen);

} // namespace kiv5::ui
