// The soak's check must fail when something was lost: a write over a
// version its writer never saw, a saved version that is not on disk, two
// adds given one slot, an add that is missing, a lock file left behind.

#include "tests/reliability/SoakFixture.h"
#include "tests/support/TestMain.h"
#include "tools/kiv5/SoakCheck.h"

#include <QFile>

using namespace kiv5;
using namespace kiv5::test;
using kiv5::tool::SoakEvent;

class TestSoakCheck : public QObject {
    Q_OBJECT

private slots:
    void findsWhatWasLost_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QStringList>("problems");
        QTest::addColumn<int>("lostUpdates");
        QTest::newRow("nothing lost") << "" << QStringList{} << 0;
        QTest::newRow("a write over a version its writer never saw")
            << "lost update"
            << QStringList{"clients slot 1: \"w9o1\" was replaced twice, by \"w1o1\" and \"w2o1\" "
                           "(an "
                           "undetected lost update)",
                           "clients slot 1: holds \"w1o1\"; the chain of 3 writes from \"\" "
                           "reaches "
                           "\"w2o1\" after 2"}
            << 1;
        QTest::newRow("a saved version that is not on disk")
            << "missing write"
            << QStringList{"clients slot 1: holds \"w1o1\"; the chain of 3 writes from \"\" "
                           "reaches \"w1o2\" after 3"}
            << 0;
        QTest::newRow("two adds given one slot")
            << "same slot"
            << QStringList{"bills: slot 99 was given to 2 adds",
                           "bills: the add at slot 99 is missing"}
            << 0;
        QTest::newRow("a lock file left")
            << "lock" << QStringList{"lock file left: kiv5.pl5.lock"} << 0;
    }
    void findsWhatWasLost() {
        QFETCH(QString, damage);
        QFETCH(QStringList, problems);
        QFETCH(int, lostUpdates);
        SoakFixture fixture;
        // Slot 1 of the client file gets versions w9o1, then w1o1.
        const int slot = 1;
        {
            auto user = fixture.OpenUser();
            const int row = RowOfSlot(user[0], slot);
            QCOMPARE(user[0].Save(row, "w9o1").kind, tool::SoakSave::Saved);
            QCOMPARE(user[0].Save(RowOfSlot(user[0], slot), "w1o1").kind, tool::SoakSave::Saved);
        }
        // The check starts from a first version without a token.
        tool::SoakSnapshot before = tool::TakeSoakSnapshot(fixture.set, fixture.context);
        before["clients"][slot] = QString();
        QList<SoakEvent> log{{SoakEvent::Write, "clients", slot, "", "w9o1"},
                             {SoakEvent::Write, "clients", slot, "w9o1", "w1o1"}};
        if (damage == "lost update") {
            log.append({SoakEvent::Write, "clients", slot, "w9o1", "w2o1"});
        } else if (damage == "missing write") {
            log.append({SoakEvent::Write, "clients", slot, "w1o1", "w1o2"});
        } else if (damage == "same slot") {
            log.append({SoakEvent::Add, "bills", 99, {}, {}});
            log.append({SoakEvent::Add, "bills", 99, {}, {}});
        } else if (damage == "lock") {
            QFile lock(fixture.set.clientFiles.clientFile + ".lock");
            QVERIFY(lock.open(QIODevice::WriteOnly));
        }
        const tool::SoakFigures figures =
            tool::CheckSoak(fixture.set, before, {log}, fixture.context);
        QCOMPARE(figures.problems, problems);
        QCOMPARE(figures.lostUpdates, lostUpdates);
        QCOMPARE(figures.filesChecked, 4);
        QCOMPARE(figures.processes, 1);
    }
};

KIV5_CORE_TEST_MAIN(TestSoakCheck)
#include "tst_SoakCheck.moc"
