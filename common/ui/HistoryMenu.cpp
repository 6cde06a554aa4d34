#include "common/ui/HistoryMenu.h"

#include "common/core/RecentFiles.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <algorithm>

namespace kiv5::ui {

namespace {

const QString kClosingSeparatorName = QStringLiteral("mnuHistoryEnd");

QAction* FindClosingSeparator(const QList<QAction*>& actions, qsizetype from) {
    for (qsizetype i = from; i < actions.size(); ++i) {
        if (actions[i]->objectName() == kClosingSeparatorName) {
            return actions[i];
        }
    }
    return nullptr;
}

void RemoveEarlierItems(QMenu* fileMenu, qsizetype base) {
    const QList<QAction*> actions = fileMenu->actions();
    if (!FindClosingSeparator(actions, base)) {
        return;
    }
    for (qsizetype i = base; i < actions.size(); ++i) {
        QAction* action = actions[i];
        const bool closing = action->objectName() == kClosingSeparatorName;
        fileMenu->removeAction(action);
        // The item being chosen may be among them.
        action->deleteLater();
        if (closing) {
            return;
        }
    }
}

// A file name shows its own "&" rather than making the next letter a
// shortcut.
QString EscapeAmpersands(QString name) {
    return name.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

void RebuildHistory(QMenu* fileMenu, QAction* fixedSeparator, const QStringList& history,
                    std::function<void(int index)> reopen) {
    const qsizetype base = fileMenu->actions().indexOf(fixedSeparator) + 1;
    RemoveEarlierItems(fileMenu, base);
    const qsizetype count = std::min<qsizetype>(history.size(), MAXHISTORY);
    if (count == 0) {
        return;
    }
    const QList<QAction*> actions = fileMenu->actions();
    QAction* before = base < actions.size() ? actions[base] : nullptr;
    for (qsizetype i = 0; i < count; ++i) {
        auto* item =
            new QAction(RecentFiles::MenuCaption(int(i), EscapeAmpersands(history[i])), fileMenu);
        QObject::connect(
            item, &QAction::triggered, fileMenu,
            [fileMenu, separator = QPointer<QAction>(fixedSeparator), item, reopen] {
                const QList<QAction*> now = fileMenu->actions();
                const qsizetype position = now.indexOf(item);
                if (position < 0 || !reopen) {
                    return;
                }
                reopen(RecentFiles::EntryIndex(int(position), int(now.indexOf(separator.data()))));
            });
        fileMenu->insertAction(before, item);
    }
    auto* closing = new QAction(fileMenu);
    closing->setSeparator(true);
    closing->setObjectName(kClosingSeparatorName);
    fileMenu->insertAction(before, closing);
}

} // namespace kiv5::ui
