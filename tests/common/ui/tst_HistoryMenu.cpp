#include "common/core/RecentFiles.h"
#include "common/ui/HistoryMenu.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QTest>

using namespace kiv5;
using namespace kiv5::ui;

namespace {

// A File menu as the programs build it: the fixed commands, the separator
// the history follows, and Exit.
struct FileMenu {
    QMenu menu;
    QAction* separator = nullptr;

    FileMenu() {
        menu.addAction(QStringLiteral("&New"));
        menu.addAction(QStringLiteral("&Open..."));
        separator = menu.addSeparator();
        menu.addAction(QStringLiteral("E&xit"));
    }

    // The menu's captions, "-" for separators.
    QStringList Captions() const {
        QStringList captions;
        for (const QAction* action : menu.actions()) {
            captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        return captions;
    }
};

QStringList Names(int count) {
    QStringList names;
    for (int i = 1; i <= count; ++i) {
        names << QStringLiteral("/data/file%1.pl5").arg(i);
    }
    return names;
}

QStringList ExpectedCaptions(int count) {
    QStringList captions{QStringLiteral("&New"), QStringLiteral("&Open..."), QStringLiteral("-")};
    const int shown = std::min(count, MAXHISTORY);
    for (int i = 0; i < shown; ++i) {
        captions << QStringLiteral("&%1 /data/file%1.pl5").arg(i + 1);
    }
    if (shown > 0) {
        captions << QStringLiteral("-");
    }
    captions << QStringLiteral("E&xit");
    return captions;
}

} // namespace

class TestHistoryMenu : public QObject {
    Q_OBJECT

private slots:
    void rebuild_data() {
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << 0;
        QTest::newRow("three") << 3;
        QTest::newRow("ten, nine shown") << 10;
    }
    void rebuild() {
        QFETCH(int, count);
        FileMenu file;
        QList<int> reopened;
        const auto reopen = [&reopened](int index) { reopened.append(index); };
        RebuildHistory(&file.menu, file.separator, Names(count), reopen);
        QCOMPARE(file.Captions(), ExpectedCaptions(count));
        // A second rebuild replaces the first one's items.
        RebuildHistory(&file.menu, file.separator, Names(count), reopen);
        QCOMPARE(file.Captions(), ExpectedCaptions(count));
        if (count > 0) {
            file.menu.actions().at(4)->trigger();
            QCOMPARE(reopened, QList<int>{1});
            QCOMPARE(QKeySequence::mnemonic(file.menu.actions().at(3)->text()),
                     QKeySequence(Qt::ALT | Qt::Key_1));
        }
    }

    void shrinkingToEmptyRemovesTheClosingSeparator() {
        FileMenu file;
        RebuildHistory(&file.menu, file.separator, Names(3), {});
        RebuildHistory(&file.menu, file.separator, Names(1), {});
        QCOMPARE(file.Captions(), ExpectedCaptions(1));
        RebuildHistory(&file.menu, file.separator, {}, {});
        QCOMPARE(file.Captions(), ExpectedCaptions(0));
    }

    // Reopening rebuilds the menu from inside the chosen item's handler.
    void reopenMayRebuildAtOnce() {
        FileMenu file;
        RecentFiles history;
        for (const QString& name : Names(3)) {
            history.Add(name);
        }
        QString opened;
        std::function<void(int)> reopen;
        reopen = [&](int index) {
            opened = history.Reopen(index);
            RebuildHistory(&file.menu, file.separator, history.Entries(), reopen);
        };
        RebuildHistory(&file.menu, file.separator, history.Entries(), reopen);
        file.menu.actions().at(5)->trigger();
        QCOMPARE(opened, QStringLiteral("/data/file1.pl5"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(file.menu.actions().at(3)->text(), QStringLiteral("&1 /data/file1.pl5"));
        QCOMPARE(file.menu.actions().size(), 8);
    }

    void ampersandInANameIsShown() {
        FileMenu file;
        RebuildHistory(&file.menu, file.separator, {QStringLiteral("/data/R&D.pl5")}, {});
        const QString caption = file.menu.actions().at(3)->text();
        QCOMPARE(caption, QStringLiteral("&1 /data/R&&D.pl5"));
        QCOMPARE(QKeySequence::mnemonic(caption), QKeySequence(Qt::ALT | Qt::Key_1));
    }
};

KIV5_WIDGET_TEST_MAIN(TestHistoryMenu)
#include "tst_HistoryMenu.moc"
