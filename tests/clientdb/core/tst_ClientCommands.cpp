#include "ClientFixtures.h"

#include "clientdb/core/ClientColumns.h"
#include "clientdb/core/ClientEntry.h"
#include "clientdb/core/ClientFile.h"
#include "clientdb/core/ClientNavigation.h"
#include "clientdb/core/ClientSaveRecord.h"
#include "clientdb/core/ClientSelection.h"
#include "clientdb/core/ClientSlot.h"
#include "clientdb/core/ClientValidation.h"
#include "common/core/Exceptions.h"
#include "tests/support/TestMain.h"

#include <memory>

using namespace kiv5;

namespace {

const QDateTime kFixtureMoment(QDate(2025, 1, 2), QTime(10, 0, 0));

// A client file with one slot per status, read into a table in slot order
// (row i holds slot i).
struct OpenFixture {
    explicit OpenFixture(const QList<int>& statuses) {
        files = test::WriteFixtureFiles(folder, statuses);
        ReadClientFile(files.clientFile, table);
        memo = ReadMemoFile(files.memoFile, table.RowCount());
    }
    test::TempFolder folder;
    ClientFiles files;
    RecordTable table = MakeClientTable();
    MemoList memo;
};

// The record numbers of rows 1..n in table order.
QString RecNos(const RecordTable& table) {
    QStringList out;
    for (int row = 1; row < table.RowCount(); ++row) {
        out.append(table.Cell(row, ClientCol::RecNo));
    }
    return out.join(',');
}

QString Marks(const RecordTable& table) {
    QStringList out;
    for (int row = 1; row < table.RowCount(); ++row) {
        out.append(table.Cell(row, ClientCol::Mark).isEmpty() ? "-" : "X");
    }
    return out.join(',');
}

NameRec StoredRecord(const QString& path, int slot) {
    return ReadAllRecords<NameRec>(path).at(static_cast<std::size_t>(slot));
}

// Sorts by last name descending, so rows hold slots n..1 and a sort back is
// visible.
void SortByLastNameDescending(RecordTable& table, const TableProfile& profile, SortState& state) {
    state.AscendFlag[ClientCol::LastName] = false;
    SortColumnShell(table, profile, state, ClientCol::LastName);
}

} // namespace

class TestClientCommands : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FixedClock> clock_;

private slots:
    void init() { clock_ = std::make_unique<test::FixedClock>(kFixtureMoment); }
    void cleanup() { clock_.reset(); }

    void entryCutsTextsToTheRecord_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("typed");
        QTest::addColumn<int>("kept");
        QTest::newRow("client number") << int(ClientCol::ClientNo) << 12 << 8;
        QTest::newRow("city") << int(ClientCol::City) << 40 << 32;
        QTest::newRow("fax") << int(ClientCol::Fax) << 25 << 20;
        QTest::newRow("email beyond the form's 64") << int(ClientCol::EMail) << 130 << 128;
    }
    void entryCutsTextsToTheRecord() {
        QFETCH(int, column);
        QFETCH(int, typed);
        QFETCH(int, kept);
        OpenFixture f({0, 0});
        ClientEntry entry = GridRowToEntryForm(f.table, 2, f.memo);
        entry.Text(column) = QString(typed, 'w');
        EntryFormToGridRow(entry, f.table, 2, f.memo);
        QCOMPARE(f.table.Cell(2, column), QString(kept, 'w'));
        QCOMPARE(GridRowToEntryForm(f.table, 2, f.memo).Text(column), QString(kept, 'w'));
    }

    void entryRoundTrip_data() {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("memoText");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("abbreviation");
        QTest::addColumn<QString>("memoLine");
        QTest::newRow("marked, Alabama, short memo") << true << 0 << "one\r\ntwo"
                                                     << "X"
                                                     << "AL"
                                                     << "";
        QTest::newRow("no state, long memo") << false << -1 << QString(300, 'm') << ""
                                             << "" << QString(300, 'm');
    }
    void entryRoundTrip() {
        QFETCH(bool, selected);
        QFETCH(int, state);
        QFETCH(QString, memoText);
        QFETCH(QString, mark);
        QFETCH(QString, abbreviation);
        QFETCH(QString, memoLine);
        OpenFixture f({0, 0, 0});
        ClientEntry entry = GridRowToEntryForm(f.table, 2, f.memo);
        QCOMPARE(entry.recNo, 2);
        QCOMPARE(entry.memo, QString("memo 2"));
        entry.selected = selected;
        entry.state = state;
        entry.memo = memoText;
        EntryFormToGridRow(entry, f.table, 2, f.memo);
        QCOMPARE(f.table.Cell(2, ClientCol::Mark), mark);
        QCOMPARE(f.table.Cell(2, ClientCol::State), abbreviation);
        QCOMPARE(f.memo.at(2), memoLine);
        QCOMPARE(f.memo.at(3), QString("memo 3"));
        const ClientEntry back = GridRowToEntryForm(f.table, 2, f.memo);
        QCOMPARE(back.selected, selected);
        QCOMPARE(back.state, state);
        QCOMPARE(back.memo, memoText);
        QCOMPARE(back.Text(ClientCol::State), QString());
    }

    void validation_data() {
        QTest::addColumn<QList<int>>("statuses");
        QTest::addColumn<QString>("clientNo");
        QTest::addColumn<QString>("lastName");
        QTest::addColumn<int>("code");
        // The entry is saved into row 1 (client C1).
        const QList<int> three{0, -1, -2};
        QTest::newRow("own number") << three << "C1"
                                    << "Smith" << 0;
        QTest::newRow("new number") << three << "N1"
                                    << "Smith" << 0;
        QTest::newRow("empty number") << three << ""
                                      << "Smith" << 11060;
        QTest::newRow("blank number") << three << "   "
                                      << "" << 11060;
        QTest::newRow("number of a filtered row") << three << "C2"
                                                  << "Smith" << 11070;
        QTest::newRow("number of a deleted row") << three << "C3"
                                                 << "Smith" << 11070;
        QTest::newRow("long number cut to an existing one") << three << "C3      x"
                                                            << "S" << 0;
        QTest::newRow("differs in case") << three << "c2"
                                         << "Smith" << 0;
        QTest::newRow("empty last name") << three << "C1"
                                         << "" << 11110;
        QTest::newRow("blank last name") << three << "C1"
                                         << "  " << 11110;
        QTest::newRow("duplicate before last name") << three << "C2"
                                                    << "" << 11070;
    }
    void validation() {
        QFETCH(QList<int>, statuses);
        QFETCH(QString, clientNo);
        QFETCH(QString, lastName);
        QFETCH(int, code);
        OpenFixture f(statuses);
        ClientEntry entry = GridRowToEntryForm(f.table, 1, f.memo);
        entry.Text(ClientCol::ClientNo) = clientNo;
        entry.Text(ClientCol::LastName) = lastName;
        QCOMPARE(ValidateClientEntry(f.table, 1, entry), code);
    }

    void findRowOfClientNo_data() {
        QTest::addColumn<QList<int>>("statuses");
        QTest::addColumn<QString>("clientNo");
        QTest::addColumn<int>("row");
        // With four clients, rows 2, 3 and 4 all get client number "D".
        QTest::newRow("missing") << QList<int>{0, 0} << "X9" << 0;
        QTest::newRow("plain") << QList<int>{0, 0} << "C2" << 2;
        QTest::newRow("active wins") << QList<int>{0, -2, -1, 0} << "D" << 4;
        QTest::newRow("filtered before deleted") << QList<int>{0, -2, -1, -2} << "D" << 3;
        QTest::newRow("topmost of equals") << QList<int>{0, 0, 0, 0} << "D" << 2;
    }
    void findRowOfClientNo() {
        QFETCH(QList<int>, statuses);
        QFETCH(QString, clientNo);
        QFETCH(int, row);
        OpenFixture f(statuses);
        for (int r = 2; r < f.table.RowCount() && f.table.RowCount() > 3; ++r) {
            f.table.SetCell(r, ClientCol::ClientNo, "D");
        }
        QCOMPARE(FindRowOfClientNo(f.table, clientNo), row);
    }

    void navigation_data() {
        QTest::addColumn<QList<int>>("statuses");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("target");
        const QList<int> mixed{-2, 0, -1, -2, 0, -2};
        QTest::newRow("first skips deleted only") << mixed << "first" << 5 << 2;
        QTest::newRow("last skips deleted only") << mixed << "last" << 2 << 5;
        QTest::newRow("first, none left") << QList<int>{-2, -2} << "first" << 1 << 0;
        QTest::newRow("last of an empty table") << QList<int>{} << "last" << 0 << 0;
        QTest::newRow("next lands on a filtered row") << mixed << "next" << 2 << 3;
        QTest::newRow("next skips deleted") << mixed << "next" << 3 << 5;
        QTest::newRow("next past the end") << mixed << "next" << 5 << 0;
        QTest::newRow("next on the last row") << QList<int>{0, 0} << "next" << 2 << 0;
        QTest::newRow("prior plain") << QList<int>{0, 0, 0} << "prior" << 3 << 2;
        QTest::newRow("prior skips filtered and deleted") << mixed << "prior" << 6 << 5;
        QTest::newRow("prior over hidden rows") << QList<int>{0, 0, -1, -2, 0} << "prior" << 5 << 2;
        QTest::newRow("prior to row 1") << QList<int>{0, 0} << "prior" << 2 << 1;
        QTest::newRow("prior stops at row 2 and goes down")
            << QList<int>{0, -1, -2, 0} << "prior" << 4 << 4;
        QTest::newRow("prior from row 2 to a hidden row 1 goes down")
            << QList<int>{-1, 0, 0} << "prior" << 2 << 2;
        QTest::newRow("prior down past the current row")
            << QList<int>{-1, -1, -2, -1, 0} << "prior" << 3 << 5;
        QTest::newRow("prior on row 1") << QList<int>{0, 0} << "prior" << 1 << 0;
        QTest::newRow("prior without active rows") << QList<int>{-1, -2, -1} << "prior" << 3 << 0;
    }
    void navigation() {
        QFETCH(QList<int>, statuses);
        QFETCH(QString, command);
        QFETCH(int, current);
        QFETCH(int, target);
        OpenFixture f(statuses);
        int row = -1;
        if (command == "first") {
            row = FirstClientRow(f.table);
        } else if (command == "last") {
            row = LastClientRow(f.table);
        } else if (command == "next") {
            row = NextClientRow(f.table, current);
        } else {
            row = PriorClientRow(f.table, current);
        }
        QCOMPARE(row, target);
    }

    void rowAfterDeletion_data() {
        QTest::addColumn<QList<int>>("statuses");
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("formOpen");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("closeForm");
        // The current row is always the deleted one.
        QTest::newRow("up to the nearest active")
            << QList<int>{0, -1, -2} << 3 << true << 1 << false;
        QTest::newRow("over filtered rows")
            << QList<int>{0, 0, -1, -2, 0} << 4 << false << 2 << false;
        QTest::newRow("nothing above, form open") << QList<int>{-2, 0} << 1 << true << 0 << true;
        QTest::newRow("nothing above, form closed")
            << QList<int>{-1, -2, -1, 0} << 2 << false << 4 << false;
        QTest::newRow("no active row left, form open")
            << QList<int>{-2, -1} << 1 << true << 0 << true;
        QTest::newRow("no active row left, form closed")
            << QList<int>{-1, -2, -1} << 2 << false << 0 << false;
        QTest::newRow("empty table") << QList<int>{} << 0 << true << 0 << true;
    }
    void rowAfterDeletion() {
        QFETCH(QList<int>, statuses);
        QFETCH(int, current);
        QFETCH(bool, formOpen);
        QFETCH(int, row);
        QFETCH(bool, closeForm);
        OpenFixture f(statuses);
        const RowAfterDelete after = RowAfterDeletion(f.table, current, formOpen);
        QCOMPARE(after.row, row);
        QCOMPARE(after.closeForm, closeForm);
    }

    void listClicks_data() {
        QTest::addColumn<QString>("click");
        QTest::addColumn<int>("recNo");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("marks");
        // Slots 1..4 (2 filtered, 3 deleted) in reverse order, slots 1 and 2 marked.
        QTest::newRow("plain click clears hidden rows too") << "plain" << 4 << 1 << "X,-,-,-";
        QTest::newRow("plain click on a marked row") << "plain" << 1 << 4 << "-,-,-,X";
        QTest::newRow("plain click on no row") << "plain" << 9 << 0 << "-,-,X,X";
        QTest::newRow("ctrl click marks") << "ctrl" << 3 << 2 << "-,X,X,X";
        QTest::newRow("ctrl click unmarks") << "ctrl" << 2 << 3 << "-,-,-,X";
        QTest::newRow("ctrl click on no row") << "ctrl" << 0 << 0 << "-,-,X,X";
    }
    void listClicks() {
        QFETCH(QString, click);
        QFETCH(int, recNo);
        QFETCH(int, row);
        QFETCH(QString, marks);
        OpenFixture f({0, -1, -2, 0});
        const TableProfile profile = ClientTableProfile();
        SortState state(profile);
        SortByLastNameDescending(f.table, profile, state);
        f.table.SetCell(3, ClientCol::Mark, "X");
        f.table.SetCell(4, ClientCol::Mark, "X");
        QCOMPARE(RowOfRecNo(f.table, recNo), row);
        const int clicked =
            click == "plain" ? SelectOnlyRecNo(f.table, recNo) : ToggleMarkOfRecNo(f.table, recNo);
        QCOMPARE(clicked, row);
        QCOMPARE(Marks(f.table), marks);
    }

    void shiftClickSortsBack_data() {
        QTest::addColumn<QList<int>>("recNos");
        QTest::addColumn<QString>("marks"); // in table order: slots 5 to 1
        QTest::newRow("a range") << QList<int>{2, 3, 4} << "-,X,X,X,-";
        QTest::newRow("hidden rows are marked too") << QList<int>{5, 1} << "X,-,-,-,X";
        QTest::newRow("none") << QList<int>{} << "-,-,-,-,-";
    }
    void shiftClickSortsBack() {
        QFETCH(QList<int>, recNos);
        QFETCH(QString, marks);
        OpenFixture f({0, 0, 0, -1, -1});
        const TableProfile profile = ClientTableProfile();
        SortState state(profile);
        f.table.SetCell(5, ClientCol::LastName, "Zed"); // slot 5 leads going down
        SortByLastNameDescending(f.table, profile, state);
        QCOMPARE(RecNos(f.table), QString("5,4,3,2,1"));
        MarkRecNos(f.table, profile, state, recNos);
        QCOMPARE(RecNos(f.table), QString("5,4,3,2,1"));
        QCOMPARE(Marks(f.table), marks);
        QCOMPARE(state.SortedColumn, int(ClientCol::LastName));
        QVERIFY(!state.IsAscending(ClientCol::LastName));
        QVERIFY(state.IsAscending(ClientCol::RecNo));
    }

    void selectAllRestoresTheSort_data() {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<bool>("fileMissing");
        QTest::newRow("select all") << true << false;
        QTest::newRow("select none") << false << false;
        QTest::newRow("file gone") << true << true;
    }
    void selectAllRestoresTheSort() {
        QFETCH(bool, selected);
        QFETCH(bool, fileMissing);
        OpenFixture f({0, -1, -2, 0});
        const TableProfile profile = ClientTableProfile();
        SortState state(profile);
        SortByLastNameDescending(f.table, profile, state);
        f.table.SetCell(2, ClientCol::Mark, "X");
        if (fileMissing) {
            QVERIFY(QFile::remove(f.files.clientFile));
            QVERIFY_THROWS_EXCEPTION(
                IoError, SelectAllRecords(f.files.clientFile, f.table, profile, state, selected));
        } else {
            QList<int> progress;
            SelectAllRecords(f.files.clientFile, f.table, profile, state, selected,
                             [&](int percent) { progress.append(percent); });
            // Four rows of a file of five records.
            QCOMPARE(progress, (QList<int>{20, 40, 60, 80}));
            QCOMPARE(Marks(f.table), selected ? QString("X,X,X,X") : QString("-,-,-,-"));
            const std::vector<NameRec> stored = ReadAllRecords<NameRec>(f.files.clientFile);
            QCOMPARE(stored[0].Selected, false);
            for (int slot = 1; slot <= 4; ++slot) {
                QCOMPARE(stored[static_cast<std::size_t>(slot)].Selected, selected);
            }
            QCOMPARE(stored[3].Status, kStatusDeleted);
        }
        QCOMPARE(RecNos(f.table), QString("4,3,2,1"));
        QCOMPARE(state.SortedColumn, int(ClientCol::LastName));
    }

    void saveMovesTheRowWithTheSort_data() {
        QTest::addColumn<QString>("lastName");
        QTest::addColumn<int>("row");
        // Sorted ascending by last name: Last1, Last2, Last3 in rows 1-3.
        QTest::newRow("to the end") << "Zeta" << 3;
        QTest::newRow("stays first") << "Aaron" << 1;
        QTest::newRow("between the others") << "Last2a" << 2;
    }
    void saveMovesTheRowWithTheSort() {
        QFETCH(QString, lastName);
        QFETCH(int, row);
        OpenFixture f({0, 0, 0});
        const TableProfile profile = ClientTableProfile();
        SortState state(profile);
        SortColumnShell(f.table, profile, state, ClientCol::LastName);
        clock_->now = clock_->now.addSecs(60);

        ClientEntry entry = GridRowToEntryForm(f.table, 1, f.memo);
        entry.Text(ClientCol::LastName) = lastName;
        entry.memo = QString(300, 'm');
        const EntrySave save =
            SaveClientEntry(f.files, f.table, profile, state, 1, entry, f.memo, *clock_);
        QVERIFY(!save.conflict);
        QCOMPARE(save.row, row);
        QCOMPARE(f.table.Cell(row, ClientCol::LastName), lastName);
        QCOMPARE(f.table.Cell(row, ClientCol::PostTime), QString("1/2/2025 10:01:00 AM"));
        NameRec stored = StoredRecord(f.files.clientFile, 1);
        QCOMPARE(stored.LastName, lastName);
        QCOMPARE(stored.Memo, QString(255, 'm'));
        QCOMPARE(stored.PostTime, test::kFixtureStamp + 60.0 / 86400.0);
        QCOMPARE(f.memo.at(1), QString(300, 'm'));

        // A second save from the still-open form changes that client only.
        clock_->now = clock_->now.addSecs(60);
        entry = GridRowToEntryForm(f.table, save.row, f.memo);
        entry.Text(ClientCol::FirstName) = "Again";
        const EntrySave again =
            SaveClientEntry(f.files, f.table, profile, state, save.row, entry, f.memo, *clock_);
        QVERIFY(!again.conflict);
        QCOMPARE(again.row, row);
        stored = StoredRecord(f.files.clientFile, 1);
        QCOMPARE(stored.FirstName, QString("Again"));
        QCOMPARE(stored.LastName, lastName);
        QCOMPARE(StoredRecord(f.files.clientFile, 2).FirstName, QString("First2"));
        QCOMPARE(StoredRecord(f.files.clientFile, 3).FirstName, QString("First3"));
    }

    void saveConflict_data() {
        QTest::addColumn<bool>("keepEdited");
        QTest::addColumn<QString>("inFile");
        QTest::addColumn<QString>("inRow");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("memoLine");
        // Sorted ascending by last name; the other user renames slot 1 "Other",
        // this copy renames it "Able" with a memo too long for the record.
        QTest::newRow("keep the edited version") << true << "Able"
                                                 << "Able" << 1 << "long";
        QTest::newRow("keep the stored version") << false << "Other"
                                                 << "Other" << 2 << "";
    }
    void saveConflict() {
        QFETCH(bool, keepEdited);
        QFETCH(QString, inFile);
        QFETCH(QString, inRow);
        QFETCH(int, row);
        QFETCH(QString, memoLine);
        OpenFixture f({0, 0});
        const TableProfile profile = ClientTableProfile();
        SortState state(profile);
        SortColumnShell(f.table, profile, state, ClientCol::LastName);

        // Another user's copy of the file saves slot 1 a minute later.
        clock_->now = clock_->now.addSecs(60);
        RecordTable other = MakeClientTable();
        ReadClientFile(f.files.clientFile, other);
        other.SetCell(1, ClientCol::LastName, "Other");
        QVERIFY(!SaveClientRow(f.files.clientFile, other, 1, *clock_).conflict);

        clock_->now = clock_->now.addSecs(60);
        ClientEntry entry = GridRowToEntryForm(f.table, 1, f.memo);
        entry.Text(ClientCol::LastName) = "Able";
        entry.memo = QString(300, 'l');
        const EntrySave save =
            SaveClientEntry(f.files, f.table, profile, state, 1, entry, f.memo, *clock_);
        QVERIFY(save.conflict);
        QCOMPARE(save.row, 1);
        QCOMPARE(save.stored.LastName, QString("Other"));
        QCOMPARE(save.edited.LastName, QString("Able"));
        const QStringList shown = ClientCompareValues(save.stored);
        QCOMPARE(shown.size(), 14);
        QCOMPARE(shown.at(1), QString("Other"));
        QCOMPARE(shown.at(6), QString(", AK  "));
        QCOMPARE(StoredRecord(f.files.clientFile, 1).LastName, QString("Other"));

        const int after = ResolveSaveConflict(f.files, f.table, profile, state, 1, save, keepEdited,
                                              f.memo, *clock_);
        QCOMPARE(after, row);
        const NameRec stored = StoredRecord(f.files.clientFile, 1);
        QCOMPARE(stored.LastName, inFile);
        QCOMPARE(f.table.Cell(after, ClientCol::LastName), inRow);
        QCOMPARE(f.table.Cell(after, ClientCol::RecNo), QString("1"));
        QCOMPARE(f.memo.at(1), memoLine == "long" ? QString(300, 'l') : QString());
        if (keepEdited) {
            // Written with fresh stamps, so the other copy's next save is
            // caught as a conflict too.
            QVERIFY(stored.PostTime > test::kFixtureStamp);
            QCOMPARE(stored.PullTime, stored.PostTime);
        }
        QCOMPARE(StoredRecord(f.files.clientFile, 2).LastName, QString("Last2"));
    }
};

KIV5_CORE_TEST_MAIN(TestClientCommands)
#include "tst_ClientCommands.moc"
