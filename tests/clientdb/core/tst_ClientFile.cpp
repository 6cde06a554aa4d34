#include "ClientFixtures.h"

#include "clientdb/core/AppendClient.h"
#include "clientdb/core/ClientFile.h"
#include "clientdb/core/ClientRow.h"
#include "clientdb/core/ClientSlot.h"
#include "clientdb/core/MemoList.h"
#include "common/core/Exceptions.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <algorithm>
#include <memory>
#include <numeric>

using namespace kiv5;
using test::RowOfSlot;

namespace {

const QDateTime kFixtureMoment(QDate(2025, 1, 2), QTime(10, 0, 0));

QByteArray Slot(const QByteArray& file, int slot) {
    return file.mid(slot * 992, 992);
}

NameRec StoredRecord(const QString& path, int slot) {
    return ReadAllRecords<NameRec>(path).at(static_cast<std::size_t>(slot));
}

void OverwriteSlot(const QString& path, int slot, const NameRec& rec) {
    RecordFile file(path, kNameRecSize, RecordFile::Mode::ReadWrite);
    file.Seek(slot);
    file.WriteRecord(rec);
    file.Close();
}

// Reverses rows 1..n, as a sort by some column might leave them.
void Reverse(RecordTable& table) {
    std::vector<int> order(static_cast<std::size_t>(table.DataRowCount()));
    std::iota(order.rbegin(), order.rend(), 1);
    table.Permute(order);
}

// The bytes of a record except the mark and the status.
QByteArray WithoutMarkAndStatus(QByteArray record) {
    record[0] = 0;
    return record.left(988);
}

} // namespace

class TestClientFile : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FixedClock> clock_;

    void Advance(int seconds) { clock_->now = clock_->now.addSecs(seconds); }

private slots:
    void init() { clock_ = std::make_unique<test::FixedClock>(kFixtureMoment); }
    void cleanup() { clock_.reset(); }

    void fileNames_data() {
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("clientFile");
        QTest::addColumn<QString>("memoFile");
        QTest::newRow("plain") << "/data"
                               << "clients.pl5"
                               << "/data/clients.pl5"
                               << "/data/clients.mem";
        QTest::newRow("chosen in another folder") << "/data/"
                                                  << "/elsewhere/Clients.PL5"
                                                  << "/data/Clients.pl5"
                                                  << "/data/Clients.mem";
        QTest::newRow("Windows name") << "/data/"
                                      << "C:\\Orvanel\\Tavrel\\kiv5.pl5"
                                      << "/data/kiv5.pl5"
                                      << "/data/kiv5.mem";
        QTest::newRow("two dots") << "/data/"
                                  << "clients.old.pl5"
                                  << "/data/clients.old.pl5"
                                  << "/data/clients.old.mem";
        QTest::newRow("no extension") << "/data/"
                                      << "clients"
                                      << "/data/clients.pl5"
                                      << "/data/clients.mem";
    }
    void fileNames() {
        QFETCH(QString, directory);
        QFETCH(QString, name);
        QFETCH(QString, clientFile);
        QFETCH(QString, memoFile);
        const ClientFiles files = ClientFilesFor(directory, name);
        QCOMPARE(files.clientFile, clientFile);
        QCOMPARE(files.memoFile, memoFile);
    }

    void newFileHoldsSlotZeroOnly() {
        test::TempFolder folder;
        const ClientFiles files = ClientFilesFor(folder.Folder(), "fresh.pl5");
        RecordTable table = MakeClientTable();
        table.SetRowCount(3);
        MemoList memo{"a", "b", "c"};
        CreateClientFiles(files, table, memo, *clock_);
        QCOMPARE(QFileInfo(files.clientFile).size(), 992);
        QCOMPARE(folder.ReadBytes("fresh.mem"), QByteArray("\r\n"));
        const NameRec header = StoredRecord(files.clientFile, 0);
        QCOMPARE(header.ClientNo, QString("25010200"));
        QCOMPARE(header.State, -1);
        QCOMPARE(header.RecNo, 0);
        QCOMPARE(header.Status, 0);
        QCOMPARE(header.PostTime, 45659.0 + 10.0 / 24.0);

        RecordTable opened = MakeClientTable();
        MemoList openedMemo;
        OpenClientFile(files, opened, openedMemo);
        QCOMPARE(opened.RowCount(), 1);
        QCOMPARE(openedMemo, MemoList{QString()});
    }

    void readingPutsSlotKInRowK() {
        test::TempFolder folder;
        const ClientFiles files = test::WriteFixtureFiles(folder, {0, -1, -2, 0});
        NameRec odd = test::FixtureClient(4);
        odd.RecNo = 77; // readers take the slot from the position
        OverwriteSlot(files.clientFile, 4, odd);
        RecordTable table = MakeClientTable();
        MemoList memo;
        QList<int> steps;
        OpenClientFile(files, table, memo, [&](int percent) { steps.append(percent); });
        QCOMPARE(steps, (QList<int>{20, 40, 60, 80, 100}));
        QCOMPARE(table.RowCount(), 5);
        QCOMPARE(table.Cell(0, ClientCol::ClientNo), QString());
        for (int row = 1; row < 5; ++row) {
            QCOMPARE(table.Cell(row, ClientCol::ClientNo), QString("C%1").arg(row));
            QCOMPARE(table.Cell(row, ClientCol::RecNo), QString::number(row));
        }
        QVERIFY(table.IsHidden(2) && table.IsHidden(3) && !table.IsHidden(4));
        QCOMPARE(memo, (MemoList{"", "memo 1", "memo 2", "memo 3", "memo 4"}));
    }

    void brokenLengthIsRefused() {
        test::TempFolder folder;
        const ClientFiles files = test::WriteFixtureFiles(folder, {0, 0});
        RecordTable table = MakeClientTable();
        MemoList memo;
        OpenClientFile(files, table, memo);
        folder.WriteBytes("clients.pl5", folder.ReadBytes("clients.pl5") + "12345");
        try {
            ReadClientFile(files.clientFile, table);
            QFAIL("a file of broken length was read");
        } catch (const IoError& e) {
            QVERIFY2(e.Message().contains(QDir::toNativeSeparators(files.clientFile)),
                     qPrintable(e.Message()));
            QVERIFY(e.Message().contains("2981"));
            QVERIFY(e.Message().contains("992"));
        }
        // The table still holds what was read before.
        QCOMPARE(table.RowCount(), 3);
        QCOMPARE(table.Cell(2, ClientCol::ClientNo), QString("C2"));
    }

    void slotFiveIsWrittenBackToSlotFive() {
        test::TempFolder folder;
        const ClientFiles files = test::WriteFixtureFiles(folder, {0, 0, 0, 0, 0, 0, 0});
        RecordTable table = MakeClientTable();
        MemoList memo;
        OpenClientFile(files, table, memo);
        Reverse(table);
        const QByteArray before = folder.ReadBytes("clients.pl5");

        const int row = RowOfSlot(table, 5);
        QCOMPARE(row, 3);
        QCOMPARE(table.Cell(row, ClientCol::ClientNo), QString("C5"));
        Advance(30);
        table.SetCell(row, ClientCol::LastName, "Edited");
        QVERIFY(!SaveClientRow(files.clientFile, table, row, *clock_).conflict);

        const QByteArray after = folder.ReadBytes("clients.pl5");
        for (int slot = 0; slot < 8; ++slot) {
            if (slot != 5) {
                QCOMPARE(Slot(after, slot), Slot(before, slot));
            }
        }
        const NameRec saved = DecodeRecord<NameRec>(Slot(after, 5));
        QCOMPARE(saved.LastName, QString("Edited"));
        QCOMPARE(saved.RecNo, 5);
        QCOMPARE(table.Cell(row, ClientCol::PostTime), QString("1/2/2025 10:00:30 AM"));
        QCOMPARE(table.Cell(row, ClientCol::PullTime), QString("1/2/2025 10:00:30 AM"));

        // A whole-file write puts every row back into its slot and leaves the
        // table's order alone.
        WriteClientFile(files.clientFile, table, *clock_);
        const std::vector<NameRec> records = ReadAllRecords<NameRec>(files.clientFile);
        QCOMPARE(records.size(), std::size_t{8});
        for (int slot = 1; slot < 8; ++slot) {
            QCOMPARE(records[static_cast<std::size_t>(slot)].ClientNo, QString("C%1").arg(slot));
            QCOMPARE(records[static_cast<std::size_t>(slot)].RecNo, slot);
        }
        QCOMPARE(records[5].LastName, QString("Edited"));
        QCOMPARE(table.Cell(1, ClientCol::RecNo), QString("7"));
    }

    void wholeFileWriteKeepsStatusesAndFailsWhole() {
        test::TempFolder folder;
        const ClientFiles files = test::WriteFixtureFiles(folder, {0, 0, -2});
        RecordTable table = MakeClientTable();
        MemoList memo;
        OpenClientFile(files, table, memo);
        table.SetCell(2, ClientCol::Status, "-1"); // hidden by the filter
        table.SetCell(1, ClientCol::State, "ZZ");
        SaveClientFiles(files, table, memo, *clock_);
        std::vector<NameRec> records = ReadAllRecords<NameRec>(files.clientFile);
        QCOMPARE(records[1].State, -1);
        QCOMPARE(records[2].Status, -1);
        QCOMPARE(records[3].Status, -2);
        QCOMPARE(records[0].ClientNo, QString("25010200"));
        QCOMPARE(folder.ReadBytes("clients.mem"), QByteArray("\r\nmemo 1\r\nmemo 2\r\nmemo 3\r\n"));

        const QByteArray before = folder.ReadBytes("clients.pl5");
        table.SetCell(3, ClientCol::PullTime, "not a time");
        QVERIFY_THROWS_EXCEPTION(ConversionError,
                                 WriteClientFile(files.clientFile, table, *clock_));
        QCOMPARE(folder.ReadBytes("clients.pl5"), before);
    }

    void conflictTest_data() {
        QTest::addColumn<int>("storedAfterPullMs");
        QTest::addColumn<bool>("conflict");
        QTest::newRow("same second, 700 ms later") << 700 << false;
        QTest::newRow("same second, 999 ms later") << 999 << false;
        QTest::newRow("equal") << 0 << false;
        QTest::newRow("earlier") << -5000 << false;
        QTest::newRow("one second later") << 1000 << true;
        QTest::newRow("a day later") << 86'400'000 << true;
    }
    void conflictTest() {
        QFETCH(int, storedAfterPullMs);
        QFETCH(bool, conflict);
        test::TempFolder folder;
        const ClientFiles files = test::WriteFixtureFiles(folder, {0});
        RecordTable table = MakeClientTable();
        MemoList memo;
        OpenClientFile(files, table, memo);
        NameRec other = test::FixtureClient(1);
        other.LastName = "Other";
        other.PostTime = test::kFixtureStamp + storedAfterPullMs / 86'400'000.0;
        OverwriteSlot(files.clientFile, 1, other);

        Advance(60);
        table.SetCell(1, ClientCol::LastName, "Mine");
        const SlotWrite result = SaveClientRow(files.clientFile, table, 1, *clock_);
        QCOMPARE(result.conflict, conflict);
        QCOMPARE(result.stored.LastName, QString("Other"));
        const NameRec stored = StoredRecord(files.clientFile, 1);
        QCOMPARE(stored.LastName, QString(conflict ? "Other" : "Mine"));
        QCOMPARE(table.Cell(1, ClientCol::PullTime),
                 QString(conflict ? "1/2/2025 10:00:00 AM" : "1/2/2025 10:01:00 AM"));
    }

    void twoUsersSaveOneClient_data() {
        QTest::addColumn<bool>("keepEdited");
        QTest::newRow("B keeps its own version") << true;
        QTest::newRow("B keeps A's version") << false;
    }
    void twoUsersSaveOneClient() {
        QFETCH(bool, keepEdited);
        test::TempFolder folder;
        const ClientFiles files = test::WriteFixtureFiles(folder, {0, 0, 0});
        RecordTable a = MakeClientTable();
        RecordTable b = MakeClientTable();
        MemoList memoA;
        MemoList memoB;
        OpenClientFile(files, a, memoA);
        OpenClientFile(files, b, memoB);
        Reverse(b);

        Advance(5);
        a.SetCell(2, ClientCol::LastName, "A-version");
        QVERIFY(!SaveClientRow(files.clientFile, a, 2, *clock_).conflict);
        const QByteArray afterA = folder.ReadBytes("clients.pl5");

        Advance(5);
        const int row = RowOfSlot(b, 2);
        b.SetCell(row, ClientCol::LastName, "B-version");
        StoreMemoOverflow(b, row, QString(300, 'b'), memoB);
        const SlotWrite result = SaveClientRow(files.clientFile, b, row, *clock_);
        QVERIFY(result.conflict);
        QCOMPARE(result.stored.LastName, QString("A-version"));
        QCOMPARE(result.edited.LastName, QString("B-version"));
        QCOMPARE(result.edited.Memo.size(), 255);
        QCOMPARE(folder.ReadBytes("clients.pl5"), afterA);

        if (keepEdited) {
            KeepEditedRecord(files.clientFile, b, row, result.edited, result.stored.PostTime,
                             *clock_);
            const QByteArray after = folder.ReadBytes("clients.pl5");
            const NameRec stored = DecodeRecord<NameRec>(Slot(after, 2));
            QCOMPARE(stored.LastName, QString("B-version"));
            // Fresh stamps, in the file and in B's row.
            QCOMPARE(stored.PostTime, stored.PullTime);
            QVERIFY(stored.PostTime > result.stored.PostTime);
            QCOMPARE(b.Cell(row, ClientCol::PostTime), QString("1/2/2025 10:00:10 AM"));
            QCOMPARE(b.Cell(row, ClientCol::PullTime), QString("1/2/2025 10:00:10 AM"));
            QCOMPARE(stored.RecNo, 2);
            // A's copy is now older than the kept version: its next save is a
            // conflict instead of silently replacing B's choice.
            Advance(5);
            a.SetCell(2, ClientCol::LastName, "A-again");
            QVERIFY(SaveClientRow(files.clientFile, a, 2, *clock_).conflict);
            QCOMPARE(Slot(after, 1), Slot(afterA, 1));
            QCOMPARE(Slot(after, 3), Slot(afterA, 3));
            QCOMPARE(memoB.value(2).size(), 300);
        } else {
            KeepStoredRecord(files, b, row, result.stored, memoB);
            QCOMPARE(b.Cell(row, ClientCol::LastName), QString("A-version"));
            QCOMPARE(b.Cell(row, ClientCol::RecNo), QString("2"));
            QCOMPARE(b.Cell(row, ClientCol::PostTime), QString("1/2/2025 10:00:05 AM"));
            // B's long memo no longer stands for the client.
            QCOMPARE(memoB.value(2), QString());
            QCOMPARE(EntryFormMemo(b, row, memoB), QString());
            QCOMPARE(folder.ReadBytes("clients.pl5"), afterA);
        }
    }

    void keepingStoredVersionTakesItsLongMemo() {
        test::TempFolder folder;
        const ClientFiles files = test::WriteFixtureFiles(folder, {0});
        RecordTable table = MakeClientTable();
        MemoList memo;
        OpenClientFile(files, table, memo);
        NameRec other = test::FixtureClient(1);
        const QString longMemo = QString(255, 'o') + "ther";
        other.Memo = longMemo.left(255);
        other.PostTime += 1.0;
        OverwriteSlot(files.clientFile, 1, other);
        WriteMemoFile(files.memoFile, {"", longMemo});

        StoreMemoOverflow(table, 1, "mine", memo);
        const SlotWrite result = SaveClientRow(files.clientFile, table, 1, *clock_);
        QVERIFY(result.conflict);
        KeepStoredRecord(files, table, 1, result.stored, memo);
        QCOMPARE(EntryFormMemo(table, 1, memo), longMemo);
    }

    void deleteUsesTheSameTest() {
        test::TempFolder folder;
        const ClientFiles files = test::WriteFixtureFiles(folder, {0, 0, 0});
        RecordTable a = MakeClientTable();
        RecordTable b = MakeClientTable();
        MemoList memo;
        OpenClientFile(files, a, memo);
        OpenClientFile(files, b, memo);

        Advance(5);
        a.SetCell(2, ClientCol::Note1, "changed by A");
        QVERIFY(!SaveClientRow(files.clientFile, a, 2, *clock_).conflict);
        const QByteArray afterA = folder.ReadBytes("clients.pl5");

        Advance(5);
        const SlotWrite refused = DeleteClientRow(files.clientFile, b, 2, *clock_);
        QVERIFY(refused.conflict);
        QCOMPARE(folder.ReadBytes("clients.pl5"), afterA);
        QCOMPARE(b.Cell(2, ClientCol::Status), QString("0"));
        QVERIFY(!b.IsHidden(2));

        const SlotWrite done = DeleteClientRow(files.clientFile, b, 3, *clock_);
        QVERIFY(!done.conflict);
        QCOMPARE(b.Cell(3, ClientCol::Status), QString("-2"));
        QVERIFY(b.IsHidden(3));
        const NameRec stored = StoredRecord(files.clientFile, 3);
        QCOMPARE(stored.Status, -2);
        QCOMPARE(b.Cell(3, ClientCol::PostTime), QString("1/2/2025 10:00:10 AM"));
        QCOMPARE(QFileInfo(files.clientFile).size(), 4 * 992); // deletion never shortens
    }

    void twoCopiesAppendingKeepBothClients() {
        test::TempFolder folder;
        const ClientFiles files = test::WriteFixtureFiles(folder, {0, 0});
        RecordTable a = MakeClientTable();
        RecordTable b = MakeClientTable();
        MemoList memoA;
        MemoList memoB;
        OpenClientFile(files, a, memoA);
        OpenClientFile(files, b, memoB);
        Reverse(b);
        int subNoA = 0;
        int subNoB = 0;

        const AppendedClient first = AppendClient(files, a, memoA, subNoA, *clock_);
        QCOMPARE(first.row, 3);
        QCOMPARE(first.addedByOthers, 0);
        QCOMPARE(a.Cell(3, ClientCol::ClientNo), QString("25010200"));
        QCOMPARE(subNoA, 1);
        // A's long memo for its client reaches the memo file.
        StoreMemoOverflow(a, 3, QString(400, 'a'), memoA);
        WriteMemoFile(files.memoFile, memoA);

        const AppendedClient second = AppendClient(files, b, memoB, subNoB, *clock_);
        QCOMPARE(second.addedByOthers, 1);
        QCOMPARE(second.row, 4);
        QCOMPARE(b.RowCount(), 5);
        QCOMPARE(RowOfSlot(b, 3), 3);
        QCOMPARE(b.Cell(3, ClientCol::ClientNo), QString("25010200"));
        QCOMPARE(b.Cell(4, ClientCol::ClientNo), QString("25010201")); // not A's number
        QCOMPARE(subNoB, 2);
        QCOMPARE(memoB.size(), 5);
        QCOMPARE(memoB.value(3).size(), 400);
        QCOMPARE(memoB.value(4), QString());

        const std::vector<NameRec> records = ReadAllRecords<NameRec>(files.clientFile);
        QCOMPARE(records.size(), std::size_t{5});
        QCOMPARE(records[3].ClientNo, QString("25010200"));
        QCOMPARE(records[4].ClientNo, QString("25010201"));
        QCOMPARE(records[4].RecNo, 4);
        QCOMPARE(ReadMemoFile(files.memoFile, 0).size(), 5);

        // Every row of B names a distinct slot, and its slot holds that client.
        for (int slot = 1; slot < 5; ++slot) {
            const int row = RowOfSlot(b, slot);
            QVERIFY(row > 0);
            QCOMPARE(b.Cell(row, ClientCol::ClientNo),
                     records[static_cast<std::size_t>(slot)].ClientNo);
        }
    }

    void appendToShrunkFileIsRefused() {
        test::TempFolder folder;
        const ClientFiles files = test::WriteFixtureFiles(folder, {0, 0, 0});
        RecordTable table = MakeClientTable();
        MemoList memo;
        OpenClientFile(files, table, memo);
        test::WriteFixtureFiles(folder, {0});
        int subNo = 0;
        QVERIFY_THROWS_EXCEPTION(IoError, AppendClient(files, table, memo, subNo, *clock_));
        QCOMPARE(table.RowCount(), 4);
        QCOMPARE(QFileInfo(files.clientFile).size(), 2 * 992);
    }

    void selectAllWritesOnlyMarksAndStatus_data() {
        QTest::addColumn<bool>("selected");
        QTest::newRow("select all") << true;
        QTest::newRow("select none") << false;
    }
    void selectAllWritesOnlyMarksAndStatus() {
        QFETCH(bool, selected);
        test::TempFolder folder;
        const ClientFiles files = test::WriteFixtureFiles(folder, {0, -1, 0, 0, -2});
        RecordTable table = MakeClientTable();
        MemoList memo;
        OpenClientFile(files, table, memo);
        Reverse(table);
        // Since this copy was read: another user deleted slot 3 and edited
        // slot 4; this copy's filter hid slot 1 and showed slot 2 again.
        NameRec deleted = test::FixtureClient(3, kStatusDeleted);
        OverwriteSlot(files.clientFile, 3, deleted);
        NameRec edited = test::FixtureClient(4);
        edited.LastName = "Changed elsewhere";
        OverwriteSlot(files.clientFile, 4, edited);
        table.SetCell(RowOfSlot(table, 1), ClientCol::Status, "-1");
        table.SetCell(RowOfSlot(table, 2), ClientCol::Status, "0");
        table.SetCell(RowOfSlot(table, 4), ClientCol::LastName, "Stale");
        const QByteArray before = folder.ReadBytes("clients.pl5");

        QList<int> steps;
        SetAllMarks(files.clientFile, table, selected, [&](int p) { steps.append(p); });

        QCOMPARE(steps, (QList<int>{16, 33, 50, 66, 83}));
        const QByteArray after = folder.ReadBytes("clients.pl5");
        QCOMPARE(Slot(after, 0), Slot(before, 0));
        const QList<int> statuses{-1, 0, -2, 0, -2};
        for (int slot = 1; slot <= 5; ++slot) {
            QCOMPARE(table.Cell(RowOfSlot(table, slot), ClientCol::Mark),
                     QString(selected ? "X" : ""));
            const NameRec stored = DecodeRecord<NameRec>(Slot(after, slot));
            QCOMPARE(stored.Selected, selected);
            QCOMPARE(stored.Status, statuses[slot - 1]);
            QCOMPARE(WithoutMarkAndStatus(Slot(after, slot)),
                     WithoutMarkAndStatus(Slot(before, slot)));
        }
        QCOMPARE(StoredRecord(files.clientFile, 4).LastName, QString("Changed elsewhere"));
    }

    void packDropsDeletedClients() {
        test::TempFolder folder;
        const ClientFiles files = test::WriteFixtureFiles(folder, {0, -2, -1, 0});
        QDir(folder.Folder()).mkdir("elsewhere");
        folder.WriteBytes("elsewhere/clients.pl5", "not ours");
        RecordTable table = MakeClientTable();
        MemoList memo;
        OpenClientFile(files, table, memo);
        Reverse(table);

        QList<int> steps;
        PackClientFile(files, table, memo, *clock_, [&](int p) { steps.append(p); });

        QCOMPARE(steps, (QList<int>{25, 50, 75, 100}));
        const std::vector<NameRec> records = ReadAllRecords<NameRec>(files.clientFile);
        QCOMPARE(records.size(), std::size_t{4});
        const QStringList numbers{"C1", "C3", "C4"};
        for (int slot = 0; slot < 4; ++slot) {
            QCOMPARE(records[static_cast<std::size_t>(slot)].RecNo, slot);
        }
        for (int slot = 1; slot < 4; ++slot) {
            QCOMPARE(records[static_cast<std::size_t>(slot)].ClientNo, numbers[slot - 1]);
        }
        QCOMPARE(records[2].Status, -1);
        const MemoList packed{"", "memo 1", "memo 3", "memo 4"};
        QCOMPARE(memo, packed);
        QCOMPARE(ReadMemoFile(files.memoFile, 0), packed);
        QCOMPARE(folder.ReadBytes("elsewhere/clients.pl5"), QByteArray("not ours"));
    }

    void refreshShowsClientsOthersAdded() {
        test::TempFolder folder;
        const ClientFiles files = test::WriteFixtureFiles(folder, {0, 0});
        RecordTable a = MakeClientTable();
        RecordTable b = MakeClientTable();
        MemoList memoA;
        MemoList memoB;
        OpenClientFile(files, a, memoA);
        OpenClientFile(files, b, memoB);
        int subNo = 0;
        AppendClient(files, b, memoB, subNo, *clock_);
        AppendClient(files, b, memoB, subNo, *clock_);
        memoB[4] = QString(300, 'n');
        WriteMemoFile(files.memoFile, memoB);

        memoA[1] = "edited here";
        RefreshClientFile(files, a, memoA);
        QCOMPARE(a.RowCount(), 5);
        QCOMPARE(a.Cell(4, ClientCol::ClientNo), QString("25010201"));
        QCOMPARE(memoA.size(), 5);
        QCOMPARE(memoA.value(1), QString("edited here"));
        QCOMPARE(memoA.value(4).size(), 300);

        // After another user's pack the memo list follows the file again.
        test::WriteFixtureFiles(folder, {0});
        RefreshClientFile(files, a, memoA);
        QCOMPARE(a.RowCount(), 2);
        QCOMPARE(memoA, (MemoList{"", "memo 1"}));
    }
};

KIV5_CORE_TEST_MAIN(TestClientFile)
#include "tst_ClientFile.moc"
