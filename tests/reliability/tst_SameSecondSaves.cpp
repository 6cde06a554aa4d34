// Two users saving one record within the same second, and a third saving
// while the second compares: each later save is a conflict, never a silent
// overwrite, for clients, receipts, expenses and bills alike.

#include "common/core/ConflictTest.h"
#include "tests/reliability/SoakFixture.h"
#include "tests/support/TestMain.h"
#include "tools/kiv5/SoakCheck.h"

using namespace kiv5;
using namespace kiv5::test;
using kiv5::tool::SoakSave;

namespace {

void KindRows() {
    QTest::addColumn<int>("kind");
    for (int kind = 0; kind < kSoakDomainNames.size(); ++kind) {
        QTest::newRow(qPrintable(kSoakDomainNames[kind])) << kind;
    }
}

} // namespace

class TestSameSecondSaves : public QObject {
    Q_OBJECT

private slots:

    void secondSaveInTheSameSecondIsAConflict_data() { KindRows(); }
    void secondSaveInTheSameSecondIsAConflict() {
        QFETCH(int, kind);
        SoakFixture fixture;
        auto a = fixture.OpenUser();
        auto b = fixture.OpenUser();
        const int slot = FirstLiveSlot(a[kind]);
        QVERIFY(slot > 0);
        QCOMPARE(a[kind].Save(RowOfSlot(a[kind], slot), "a1").kind, SoakSave::Saved);
        const SoakSave late = b[kind].Save(RowOfSlot(b[kind], slot), "b1");
        QCOMPARE(late.kind, SoakSave::Conflict);
        QCOMPARE(late.storedIdentity, QString("a1"));
        // Keeping the edited version writes it, and the first user's next
        // save, still in the same second, is a conflict in turn.
        b[kind].Resolve(true);
        QCOMPARE(tool::TakeSoakSnapshot(fixture.set, fixture.context)[kSoakDomainNames[kind]][slot],
                 QString("b1"));
        const SoakSave third = a[kind].Save(RowOfSlot(a[kind], slot), "a2");
        QCOMPARE(third.kind, SoakSave::Conflict);
        QCOMPARE(third.storedIdentity, QString("b1"));
    }

    void keepingTheEditedVersionAfterAThirdSaveWritesNothing_data() { KindRows(); }
    void keepingTheEditedVersionAfterAThirdSaveWritesNothing() {
        QFETCH(int, kind);
        SoakFixture fixture;
        auto a = fixture.OpenUser();
        auto b = fixture.OpenUser();
        const int slot = FirstLiveSlot(a[kind]);
        QCOMPARE(a[kind].Save(RowOfSlot(a[kind], slot), "a1").kind, SoakSave::Saved);
        QCOMPARE(b[kind].Save(RowOfSlot(b[kind], slot), "b1").kind, SoakSave::Conflict);
        // While b compares, c (who read a1) saves.
        auto c = fixture.OpenUser();
        QCOMPARE(c[kind].Save(RowOfSlot(c[kind], slot), "c1").kind, SoakSave::Saved);
        try {
            b[kind].Resolve(true);
            QFAIL("keeping the edited version replaced a version it was never shown");
        } catch (const SavedMeanwhileError& error) {
            QCOMPARE(error.Message(),
                     QString("Another user saved this record again while the two versions were "
                             "compared. Nothing was written; save the record again to compare "
                             "it with the newest version."));
        }
        QCOMPARE(tool::TakeSoakSnapshot(fixture.set, fixture.context)[kSoakDomainNames[kind]][slot],
                 QString("c1"));
        // Saving again compares with the newest version.
        const SoakSave again = b[kind].Save(RowOfSlot(b[kind], slot), "b2");
        QCOMPARE(again.kind, SoakSave::Conflict);
        QCOMPARE(again.storedIdentity, QString("c1"));
    }

    void deleteAfterAnotherUsersSaveInTheSameSecondIsAConflict_data() { KindRows(); }
    void deleteAfterAnotherUsersSaveInTheSameSecondIsAConflict() {
        QFETCH(int, kind);
        SoakFixture fixture;
        auto a = fixture.OpenUser();
        auto b = fixture.OpenUser();
        const int slot = FirstLiveSlot(a[kind]);
        QCOMPARE(a[kind].Save(RowOfSlot(a[kind], slot), "a1").kind, SoakSave::Saved);
        QVERIFY(b[kind].Delete(RowOfSlot(b[kind], slot)));
        QCOMPARE(tool::TakeSoakSnapshot(fixture.set, fixture.context)[kSoakDomainNames[kind]][slot],
                 QString("a1"));
    }
};

KIV5_CORE_TEST_MAIN(TestSameSecondSaves)
#include "tst_SameSecondSaves.moc"
