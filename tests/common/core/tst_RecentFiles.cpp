#include "common/core/RecentFiles.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

using namespace kiv5;

Q_DECLARE_METATYPE(kiv5::HistoryRule)

namespace {

RecentFiles Listing(const QStringList& names, HistoryRule rule = HistoryRule::AllPrograms) {
    RecentFiles history(rule);
    for (auto it = names.crbegin(); it != names.crend(); ++it) {
        history.Add(*it);
    }
    return history;
}

QString Numbered(int i) {
    return QStringLiteral("/data/file%1.pl5").arg(i);
}

} // namespace

class TestRecentFiles : public QObject {
    Q_OBJECT

private slots:
    void duplicateHistoryItem_data() {
        QTest::addColumn<HistoryRule>("rule");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("duplicate");
        const auto all = HistoryRule::AllPrograms;
        const auto client = HistoryRule::Client;
        QTest::newRow("new name") << all << "/data/other.pl5" << false;
        QTest::newRow("same name") << all << "/data/kiv5.pl5" << true;
        QTest::newRow("same file, other folder") << all << "/backup/kiv5.pl5" << true;
        QTest::newRow("windows folder") << all << "C:\\Orvanel\\kiv5.pl5" << true;
        QTest::newRow("case differs") << all << "/data/KIV5.pl5" << false;
        QTest::newRow("empty, any program") << all << "" << false;
        QTest::newRow("empty, client") << client << "" << true;
        QTest::newRow("noname, any program") << all << "/data/noname.pl5" << false;
        QTest::newRow("noname, client") << client << "/data/NoName1.pl5" << true;
        QTest::newRow("noname in folder, client") << client << "/noname/a.pl5" << true;
    }
    void duplicateHistoryItem() {
        QFETCH(HistoryRule, rule);
        QFETCH(QString, name);
        QFETCH(bool, duplicate);
        const RecentFiles history =
            Listing({QStringLiteral("/data/kiv5.pl5"), QStringLiteral("/data/b.pl5")}, rule);
        QCOMPARE(history.DuplicateHistoryItem(name), duplicate);
    }

    void addKeepsNineMostRecent() {
        RecentFiles history;
        for (int i = 1; i <= 10; ++i) {
            QVERIFY(history.Add(Numbered(i)));
        }
        QCOMPARE(history.Count(), MAXHISTORY);
        QCOMPARE(history.Entry(0), Numbered(10));
        QCOMPARE(history.Entry(8), Numbered(2));
    }

    void addDoesNotMoveListedName() {
        RecentFiles history = Listing({Numbered(3), Numbered(2), Numbered(1)});
        QVERIFY(!history.Add(Numbered(1)));
        QVERIFY(!history.Add(QStringLiteral("/elsewhere/file2.pl5")));
        QCOMPARE(history.Entries(), (QStringList{Numbered(3), Numbered(2), Numbered(1)}));
    }

    void reopenMovesToTop() {
        RecentFiles history = Listing({Numbered(3), Numbered(2), Numbered(1)});
        QCOMPARE(history.Reopen(2), Numbered(1));
        QCOMPARE(history.Entries(), (QStringList{Numbered(1), Numbered(3), Numbered(2)}));
        QCOMPARE(history.Reopen(9), QString());
        QCOMPARE(history.Reopen(-1), QString());
        QCOMPARE(history.Count(), 3);
    }

    void reopenRefusedNameIsDropped() {
        // A stored list may hold two entries with one file name part.
        test::TempFolder base;
        SettingsStore store(QStringLiteral("Pellary5"), base.Folder());
        store.WriteInteger(QStringLiteral("HistoryCount"), 2);
        store.WriteText(QStringLiteral("History0"), QStringLiteral("/a/kiv5.pl5"));
        store.WriteText(QStringLiteral("History1"), QStringLiteral("/b/kiv5.pl5"));
        RecentFiles history(HistoryRule::Client);
        history.Read(store);
        QCOMPARE(history.Reopen(1), QStringLiteral("/b/kiv5.pl5"));
        QCOMPARE(history.Entries(), QStringList{QStringLiteral("/a/kiv5.pl5")});
    }

    void menuCaptions() {
        QCOMPARE(RecentFiles::MenuCaption(0, QStringLiteral("/d/a.pl5")),
                 QStringLiteral("&1 /d/a.pl5"));
        QCOMPARE(RecentFiles::EntryIndex(12, 10), 1);
    }

    void readAndWrite_data() {
        QTest::addColumn<int>("count");   // -1: "HistoryCount" missing
        QTest::addColumn<int>("present"); // History0 ... present-1 stored
        QTest::addColumn<int>("loaded");
        QTest::newRow("count 2, five stored") << 2 << 5 << 2;
        QTest::newRow("count missing") << -1 << 3 << 0;
        QTest::newRow("count beyond stored") << 6 << 4 << 4;
        QTest::newRow("count above nine") << 40 << 9 << 9;
        QTest::newRow("negative count") << -7 << 3 << 0;
        QTest::newRow("empty store") << -1 << 0 << 0;
    }
    void readAndWrite() {
        QFETCH(int, count);
        QFETCH(int, present);
        QFETCH(int, loaded);
        test::TempFolder base;
        SettingsStore store(QStringLiteral("Sumora5"), base.Folder());
        if (count != -1) {
            store.WriteInteger(QStringLiteral("HistoryCount"), count);
        }
        for (int i = 0; i < present; ++i) {
            store.WriteText(QStringLiteral("History%1").arg(i), Numbered(i));
        }
        RecentFiles history;
        history.Read(store);
        QCOMPARE(history.Count(), loaded);
        for (int i = 0; i < loaded; ++i) {
            QCOMPARE(history.Entry(i), Numbered(i));
        }
        // Every missing value was written on reading.
        QCOMPARE(store.ReadInteger(QStringLiteral("HistoryCount")), count == -1 ? 0 : count);
        for (int i = present; i < MAXHISTORY; ++i) {
            QCOMPARE(store.ReadText(QStringLiteral("History%1").arg(i)), QString());
        }

        history.Write(store);
        store.Save();
        SettingsStore back(QStringLiteral("Sumora5"), base.Folder());
        QVERIFY(back.Load());
        QCOMPARE(back.ReadInteger(QStringLiteral("HistoryCount")), loaded);
        for (int i = 0; i < MAXHISTORY; ++i) {
            QCOMPARE(back.ReadText(QStringLiteral("History%1").arg(i)),
                     i < loaded ? Numbered(i) : QString());
        }
        QVERIFY(!back.Contains(QStringLiteral("History9")));
    }
};

KIV5_CORE_TEST_MAIN(TestRecentFiles)
#include "tst_RecentFiles.moc"
