#include "books/core/BooksWorkspace.h"
#include "books/core/LedgerColumns.h"
#include "books/core/LedgerFile.h"
#include "books/core/LedgerLayout.h"
#include "common/core/Exceptions.h"
#include "common/core/FileSet.h"
#include "tests/books/core/BooksFixtures.h"
#include "tests/support/TestMain.h"

using namespace kiv5;
using namespace kiv5::books;
using namespace kiv5::test;

namespace {

using Col = QList<QString>;

QStringList Column(const Ledger& ledger, int column) {
    QStringList cells;
    for (int row = 1; row < ledger.Table().RowCount(); ++row) {
        cells.append(ledger.Table().Cell(row, column));
    }
    return cells;
}

template <class R> std::vector<R> Stored(const QString& path) {
    return ReadAllRecords<R>(path);
}

LedgerEntry EntryOf(const Ledger& ledger, int row) {
    LedgerEntry entry = EntryOfRow(ledger.Table(), row);
    return entry;
}

} // namespace

class TestBooksWorkspace : public QObject {
    Q_OBJECT

private slots:
    void openReadsTheSetSortedByDate() {
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.settings.PL5FileName.clear();
        QStringList steps;
        ws.Open(set.BooksFile("kiv5.su5"), [&steps](const QString& text, int percent) {
            if (percent == 0) {
                steps.append(text);
            }
        });
        QVERIFY(ws.IsOpen());
        QCOMPARE(ws.settings.PL5FileName, QStringLiteral("kiv5.pl5"));
        QCOMPARE(Column(ws.Income(), LedgerColumn::Number), (QStringList{"2", "1", "3"}));
        QCOMPARE(Column(ws.Income(), LedgerColumn::Position), (QStringList{"2", "1", "3"}));
        QCOMPARE(ws.Income().CurrentRow, 3);
        QCOMPARE(ws.Income().Sort().SortedColumn, int(LedgerColumn::Date));
        QCOMPARE(ws.AccountStrList(), (QStringList{"Bank", "Bank Two"}));
        QCOMPARE(steps, (QStringList{"Opening Expense File", "Opening Income File",
                                     "Opening Account File", "Opening Category File"}));
        QCOMPARE(ws.settings.History.Entry(0), set.BooksFile("kiv5.su5"));
    }

    void badInputLeavesEverything_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("named");
        QTest::newRow("set file of four lines") << "short set"
                                                << "kiv5.su5";
        QTest::newRow("set file is a folder") << "folder set"
                                              << "kiv5.su5";
        QTest::newRow("ledger of broken length") << "broken income"
                                                 << "kiv5.inc";
        QTest::newRow("missing account list") << "no accounts"
                                              << "kiv5.acc";
    }
    void badInputLeavesEverything() {
        QFETCH(QString, damage);
        QFETCH(QString, named);
        BooksSetFolder set;
        set.WriteSet("good", ThreeReceipts(), TwoChecks());
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        if (damage == "short set") {
            WriteTextLines(set.BooksFile("kiv5.su5"), {"a", "b", "c", "d"});
        } else if (damage == "folder set") {
            QFile::remove(set.BooksFile("kiv5.su5"));
            QDir().mkpath(set.BooksFile("kiv5.su5"));
        } else if (damage == "broken income") {
            set.Write(set.BooksFile("kiv5.inc"), set.Read(set.BooksFile("kiv5.inc")) + "xyz");
        } else {
            QFile::remove(set.BooksFile("kiv5.acc"));
        }
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("good.su5"));
        const auto before = set.Snapshot();
        try {
            ws.Open(set.BooksFile("kiv5.su5"));
            QFAIL("the damaged set opened");
        } catch (const IoError& error) {
            QVERIFY2(error.Message().contains(named), qPrintable(error.Message()));
        }
        QCOMPARE(set.Snapshot(), before);
        QCOMPARE(ws.FileName(), set.BooksFile("good.su5"));
        QCOMPARE(ws.Income().Table().DataRowCount(), 3);
    }

    void lengthByteAboveCapacityIsClamped() {
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        QByteArray bytes = set.Read(set.BooksFile("kiv5.inc"));
        bytes[98] = char(200); // the first description's length byte; it holds 64
        bytes.replace(99, 64, QByteArray(64, 'd'));
        set.Write(set.BooksFile("kiv5.inc"), bytes);
        const auto before = set.Snapshot();
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("kiv5.su5"));
        const int row = ws.Income().RowOfPosition(1);
        QCOMPARE(ws.Income().Table().Cell(row, LedgerColumn::Description), QString(64, 'd'));
        QCOMPARE(set.Snapshot(), before);
    }

    void addAppendsAtTheRealEndAndReadsOthersFirst() {
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        set.WriteClients({Client("1042", "Smith", "Ann")});
        TestContext context;
        BooksWorkspace mine(1044, context);
        BooksWorkspace theirs(1044, context);
        set.Configure(mine);
        set.Configure(theirs);
        mine.Open(set.BooksFile("kiv5.su5"));
        theirs.Open(set.BooksFile("kiv5.su5"));
        QCOMPARE(theirs.Add(LedgerId::Income).code, 0);
        const AddOutcome added = mine.Add(LedgerId::Income);
        QCOMPARE(added.code, 0);
        QCOMPARE(added.row, 5);
        QCOMPARE(mine.Income().Table().Cell(5, LedgerColumn::Position), QStringLiteral("5"));
        QCOMPARE(mine.Income().Table().Cell(4, LedgerColumn::Position), QStringLiteral("4"));
        QCOMPARE(mine.Income().Table().Cell(5, LedgerColumn::Number), QStringLiteral("4"));
        const auto stored = Stored<IncRec>(set.BooksFile("kiv5.inc"));
        QCOMPARE(stored.size(), std::size_t(5));
        QCOMPARE(stored[4].RecNo, 5);
        QCOMPARE(stored[3].RecNo, 4);
        QVERIFY(mine.ModifiedRecord);
    }

    void addWithoutClientFileWritesNothing_data() {
        QTest::addColumn<QString>("link");
        QTest::newRow("no link") << "";
        QTest::newRow("linked file missing") << "gone.pl5";
    }
    void addWithoutClientFileWritesNothing() {
        QFETCH(QString, link);
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("kiv5.su5"));
        ws.settings.PL5FileName = link;
        const auto before = set.Snapshot();
        QCOMPARE(ws.Add(LedgerId::Expense).code, 11160);
        QCOMPARE(set.Snapshot(), before);
        QCOMPARE(ws.Expense().Table().DataRowCount(), 2);
    }

    void saveDetectsAnotherUsersWrite() {
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace mine(1044, context);
        BooksWorkspace theirs(1044, context);
        set.Configure(mine);
        set.Configure(theirs);
        mine.Open(set.BooksFile("kiv5.su5"));
        theirs.Open(set.BooksFile("kiv5.su5"));
        context.now = context.now.addSecs(1);
        LedgerEntry theirEdit = EntryOf(theirs.Income(), 2);
        theirEdit.description = "theirs";
        QCOMPARE(theirs.SaveRecord(LedgerId::Income, 2, theirEdit).kind, RecordSaveOutcome::Saved);

        // Saving twice in the same second is no conflict for the writer.
        const int again = theirs.Income().RowOfPosition(1);
        QCOMPARE(theirs.SaveRecord(LedgerId::Income, again, theirEdit).kind,
                 RecordSaveOutcome::Saved);

        LedgerEntry myEdit = EntryOf(mine.Income(), 2);
        myEdit.description = "mine";
        const RecordSaveOutcome outcome = mine.SaveRecord(LedgerId::Income, 2, myEdit);
        QCOMPARE(outcome.kind, RecordSaveOutcome::Conflict);
        QCOMPARE(outcome.conflict.stored[4].caption, QStringLiteral("Description:"));
        QCOMPARE(outcome.conflict.stored[4].value, QStringLiteral("theirs"));
        QCOMPARE(outcome.conflict.edited[4].value, QStringLiteral("mine"));
        QCOMPARE(outcome.conflict.stored[7].value, QStringLiteral("100"));
        QCOMPARE(Stored<IncRec>(set.BooksFile("kiv5.inc"))[0].Description,
                 QStringLiteral("theirs"));

        // Keeping the edit writes it with fresh stamps: the other user's
        // next save is detected.
        context.now = context.now.addSecs(5);
        mine.ResolveConflict(LedgerId::Income, outcome.conflict, true);
        const IncRec kept = Stored<IncRec>(set.BooksFile("kiv5.inc"))[0];
        QCOMPARE(kept.Description, QStringLiteral("mine"));
        QCOMPARE(kept.PostTime, DateTimeToDayCount(context.now));
        const int theirRow = theirs.Income().RowOfPosition(1);
        QCOMPARE(theirs.SaveRecord(LedgerId::Income, theirRow, theirEdit).kind,
                 RecordSaveOutcome::Conflict);
    }

    void keepingTheStoredVersionWritesNothing() {
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace mine(1044, context);
        BooksWorkspace theirs(1044, context);
        set.Configure(mine);
        set.Configure(theirs);
        mine.Open(set.BooksFile("kiv5.su5"));
        theirs.Open(set.BooksFile("kiv5.su5"));
        context.now = context.now.addSecs(1);
        LedgerEntry theirEdit = EntryOf(theirs.Expense(), 1);
        theirEdit.party = "New Landlord";
        theirs.SaveRecord(LedgerId::Expense, 1, theirEdit);
        const auto before = set.Snapshot();
        LedgerEntry myEdit = EntryOf(mine.Expense(), 1);
        myEdit.party = "Old Landlord";
        const RecordSaveOutcome outcome = mine.SaveRecord(LedgerId::Expense, 1, myEdit);
        QCOMPARE(outcome.kind, RecordSaveOutcome::Conflict);
        const int row = mine.ResolveConflict(LedgerId::Expense, outcome.conflict, false);
        QCOMPARE(set.Snapshot(), before);
        QCOMPARE(mine.Expense().Table().Cell(row, LedgerColumn::Party),
                 QStringLiteral("New Landlord"));
    }

    void blankDateIsRefused() {
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("kiv5.su5"));
        LedgerEntry entry = EntryOf(ws.Income(), 1);
        entry.date.reset();
        const auto before = set.Snapshot();
        const RecordSaveOutcome outcome = ws.SaveRecord(LedgerId::Income, 1, entry);
        QCOMPARE(outcome.kind, RecordSaveOutcome::Refused);
        QCOMPARE(outcome.code, 11060);
        QCOMPARE(set.Snapshot(), before);
    }

    void savingStoresTheClientNumber_data() {
        QTest::addColumn<QString>("client");
        QTest::addColumn<QString>("stored");
        QTest::newRow("list item") << "Smith, Ann - 1042"
                                   << "1042";
        QTest::newRow("number as typed") << "  77 "
                                         << "77";
        QTest::newRow("empty") << ""
                               << "";
    }
    void savingStoresTheClientNumber() {
        QFETCH(QString, client);
        QFETCH(QString, stored);
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("kiv5.su5"));
        LedgerEntry entry = EntryOf(ws.Income(), 3);
        entry.client = client;
        entry.code = "QX";
        entry.amount = "(12.50)";
        QCOMPARE(ws.SaveRecord(LedgerId::Income, 3, entry).kind, RecordSaveOutcome::Saved);
        const IncRec record = Stored<IncRec>(set.BooksFile("kiv5.inc"))[2];
        QCOMPARE(record.ClientNo, stored);
        QCOMPARE(record.Code, QStringLiteral("Q"));
        QCOMPARE(record.Amount, qint64(-125000));
    }

    void deleteConflictWritesNothing() {
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace mine(1044, context);
        BooksWorkspace theirs(1044, context);
        set.Configure(mine);
        set.Configure(theirs);
        mine.Open(set.BooksFile("kiv5.su5"));
        theirs.Open(set.BooksFile("kiv5.su5"));
        context.now = context.now.addSecs(2);
        theirs.SaveRecord(LedgerId::Income, 3, EntryOf(theirs.Income(), 3));
        const auto before = set.Snapshot();
        const RecordDeleteOutcome outcome = mine.Delete(LedgerId::Income, 3, false);
        QVERIFY(outcome.conflict);
        QCOMPARE(set.Snapshot(), before);
        QCOMPARE(mine.Income().Table().Status(3), QStringLiteral("-2"));
    }

    void deleteMovesByTheLedgersRule_data() {
        QTest::addColumn<int>("ledger");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("formOpen");
        QTest::addColumn<int>("next");
        QTest::addColumn<bool>("closeForm");
        const int inc = int(LedgerId::Income);
        const int exp = int(LedgerId::Expense);
        QTest::newRow("income back one, form stays") << inc << 3 << true << 2 << false;
        QTest::newRow("income first row, form closes") << inc << 1 << true << 0 << true;
        QTest::newRow("income first row, no form") << inc << 1 << false << 1 << false;
        QTest::newRow("expense back one, form closes") << exp << 2 << true << 1 << true;
        QTest::newRow("expense first row goes forward") << exp << 1 << false << 2 << false;
    }
    void deleteMovesByTheLedgersRule() {
        QFETCH(int, ledger);
        QFETCH(int, row);
        QFETCH(bool, formOpen);
        QFETCH(int, next);
        QFETCH(bool, closeForm);
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("kiv5.su5"));
        const RecordDeleteOutcome outcome = ws.Delete(LedgerId(ledger), row, formOpen);
        QVERIFY(!outcome.conflict);
        QCOMPARE(outcome.next, next);
        QCOMPARE(outcome.closeForm, closeForm);
        QCOMPARE(ws.LedgerOf(LedgerId(ledger)).Table().Status(row), QStringLiteral("-2"));
    }

    void navigationSkips() {
        BooksSetFolder set;
        auto receipts = ThreeReceipts();
        receipts.push_back(LedgerRecord<IncRec>("4", Day(2011, 4, 1), "D", 1, -1));
        receipts.push_back(LedgerRecord<IncRec>("5", Day(2011, 5, 1), "E", 1, -2));
        set.WriteSet("kiv5", receipts, TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("kiv5.su5"));
        const Ledger& income = ws.Income();
        // Rows by date: 2, 1, 3, 4 (filtered), 5 (deleted).
        QCOMPARE(income.First(), 1);
        QCOMPARE(income.Last(), 4);
        QCOMPARE(income.Next(3), 4);
        QCOMPARE(income.Next(4), 0);
        QCOMPARE(income.Prior(5), 3);
        QCOMPARE(income.Prior(1), 1);
    }

    void selectAllKeepsStoredDeletions() {
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace mine(1044, context);
        BooksWorkspace theirs(1044, context);
        set.Configure(mine);
        set.Configure(theirs);
        mine.Open(set.BooksFile("kiv5.su5"));
        theirs.Open(set.BooksFile("kiv5.su5"));
        context.now = context.now.addSecs(1);
        LedgerEntry theirEdit = EntryOf(theirs.Income(), 1);
        theirEdit.description = "newer";
        theirs.SaveRecord(LedgerId::Income, 1, theirEdit); // position 2
        theirs.Delete(LedgerId::Income, theirs.Income().RowOfPosition(3), false);

        mine.SelectAll(LedgerId::Income, true);
        const auto stored = Stored<IncRec>(set.BooksFile("kiv5.inc"));
        QVERIFY(stored[0].Selected && stored[1].Selected);
        QCOMPARE(stored[1].Description, QStringLiteral("newer"));
        QVERIFY(!stored[2].Selected);
        QCOMPARE(stored[2].Status, -2);
        QCOMPARE(mine.Income().Table().Status(mine.Income().RowOfPosition(3)),
                 QStringLiteral("-2"));

        mine.SelectAll(LedgerId::Income, false);
        QVERIFY(!Stored<IncRec>(set.BooksFile("kiv5.inc"))[0].Selected);
    }

    void cancelFilterKeepsAnotherUsersDeletion() {
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace mine(1044, context);
        BooksWorkspace theirs(1044, context);
        set.Configure(mine);
        set.Configure(theirs);
        mine.Open(set.BooksFile("kiv5.su5"));
        theirs.Open(set.BooksFile("kiv5.su5"));
        FilterRec criteria;
        criteria.Payxx = "Smith";
        mine.SetFilter(LedgerId::Income, criteria);
        context.now = context.now.addSecs(1);
        theirs.Delete(LedgerId::Income, theirs.Income().RowOfPosition(2), false);
        LedgerEntry edit = EntryOfRow(theirs.Income().Table(), theirs.Income().RowOfPosition(3));
        edit.description = "kept";
        theirs.SaveRecord(LedgerId::Income, theirs.Income().RowOfPosition(3), edit);
        mine.CancelFilter(LedgerId::Income);
        const auto stored = Stored<IncRec>(set.BooksFile("kiv5.inc"));
        QCOMPARE(stored[1].Status, -2);
        QCOMPARE(stored[2].Status, 0);
        QCOMPARE(stored[2].Description, QStringLiteral("kept"));
        QVERIFY(mine.Income().Table().IsHidden(mine.Income().RowOfPosition(2)));
        QVERIFY(!mine.Income().Table().IsHidden(mine.Income().RowOfPosition(3)));
    }

    void filterCriteria_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("year") << "date"
                              << "2011" << QStringList{"1", "3"};
        QTest::newRow("month") << "date"
                               << "02/2011" << QStringList{"1"};
        QTest::newRow("full date") << "date"
                                   << "12/5/2010" << QStringList{"2"};
        QTest::newRow("payor any case") << "payor"
                                        << "smith" << QStringList{"1"};
        QTest::newRow("categories joined") << "category"
                                           << "Rent|food" << QStringList{"2"};
        QTest::newRow("accounts joined") << "account"
                                         << "Bank|Cash" << QStringList{"1", "2", "3"};
        QTest::newRow("amount as typed") << "amount"
                                         << "1,234" << QStringList{"3"};
        QTest::newRow("number") << "number"
                                << "2" << QStringList{"2"};
    }
    void filterCriteria() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QStringList, shown);
        BooksSetFolder set;
        auto receipts = ThreeReceipts();
        receipts[1].Category = "Food";
        receipts[2].Category = "";
        set.WriteSet("kiv5", receipts, TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("kiv5.su5"));
        FilterRec criteria;
        (field == "date"       ? criteria.Date
         : field == "payor"    ? criteria.Payxx
         : field == "category" ? criteria.Category
         : field == "account"  ? criteria.Account
         : field == "amount"   ? criteria.Amount
                               : criteria.RexNo) = value;
        ws.SetFilter(LedgerId::Income, criteria);
        QStringList visible;
        for (int row = 1; row <= 3; ++row) {
            if (ws.Income().Table().IsActive(row)) {
                visible.append(ws.Income().Table().Cell(row, LedgerColumn::Number));
            }
        }
        std::sort(visible.begin(), visible.end());
        QCOMPARE(visible, shown);
        const auto stored = Stored<IncRec>(set.BooksFile("kiv5.inc"));
        for (const IncRec& record : stored) {
            QCOMPARE(record.Status, shown.contains(record.RecordNo) ? 0 : -1);
        }
        ws.CancelFilter(LedgerId::Income);
        for (const IncRec& record : Stored<IncRec>(set.BooksFile("kiv5.inc"))) {
            QCOMPARE(record.Status, 0);
        }
        QCOMPARE(ws.Income().Criteria(), CutFilterRec(criteria));
    }

    void filtersNarrowAndCancelKeepsDeletions() {
        BooksSetFolder set;
        auto receipts = ThreeReceipts();
        receipts.push_back(LedgerRecord<IncRec>("4", Day(2011, 4, 1), "Gone", 1, -2));
        set.WriteSet("kiv5", receipts, TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("kiv5.su5"));
        FilterRec year;
        year.Date = "2011";
        ws.SetFilter(LedgerId::Income, year);
        FilterRec payor;
        payor.Payxx = "Brown";
        ws.SetFilter(LedgerId::Income, payor);
        QCOMPARE(ws.Income().MarkedLiveRows().size(), 0);
        int live = 0;
        for (int row = 1; row < ws.Income().Table().RowCount(); ++row) {
            live += ws.Income().Table().IsActive(row) ? 1 : 0;
        }
        QCOMPARE(live, 1);
        ws.CancelFilters();
        const auto stored = Stored<IncRec>(set.BooksFile("kiv5.inc"));
        QCOMPARE(stored[3].Status, -2);
        QVERIFY(ws.Income().Table().IsHidden(ws.Income().RowOfPosition(4)));
        QVERIFY(!ws.Income().Table().IsHidden(ws.Income().RowOfPosition(2)));
    }

    void badFilterDateTouchesNothing_data() {
        QTest::addColumn<QString>("date");
        QTest::newRow("letters") << "20x1";
        QTest::newRow("month 13") << "13/2011";
        QTest::newRow("no such day") << "2/30/2011";
        QTest::newRow("four parts") << "1/2/3/4";
    }
    void badFilterDateTouchesNothing() {
        QFETCH(QString, date);
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("kiv5.su5"));
        const auto before = set.Snapshot();
        FilterRec criteria;
        criteria.Date = date;
        try {
            ws.SetFilter(LedgerId::Income, criteria);
            QFAIL("a bad date filtered");
        } catch (const ConversionError& error) {
            QCOMPARE(error.Message(),
                     QStringLiteral("The filter date \"%1\" is not a year (YYYY), a month "
                                    "(MM/YYYY) or a date (MM/DD/YYYY); no record was filtered.")
                         .arg(date));
        }
        QCOMPARE(set.Snapshot(), before);
        QVERIFY(!ws.Income().HasFilteredRows());
    }

    void sortingByHeaderFlipsAfterwards() {
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("kiv5.su5"));
        QVERIFY(ws.Income().Sort().IsAscending(LedgerColumn::Date));
        ws.SortBy(LedgerId::Income, LedgerColumn::Amount, true);
        QCOMPARE(Column(ws.Income(), LedgerColumn::Number), (QStringList{"2", "1", "3"}));
        QVERIFY(!ws.Income().Sort().IsAscending(LedgerColumn::Amount));
        // The re-sort after a save uses the flag as it stands.
        LedgerEntry entry = EntryOf(ws.Income(), 1);
        QCOMPARE(ws.SaveRecord(LedgerId::Income, 1, entry).kind, RecordSaveOutcome::Saved);
        QCOMPARE(Column(ws.Income(), LedgerColumn::Number), (QStringList{"3", "1", "2"}));
    }

    void saveAsFailureLeavesEverything() {
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        set.WriteSet("copy", {}, {});
        QFile::remove(set.BooksFile("copy.exp"));
        QDir().mkpath(set.BooksFile("copy.exp"));
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("kiv5.su5"));
        const auto before = set.Snapshot();
        QVERIFY_THROWS_EXCEPTION(IoError, ws.SaveAs(set.BooksFile("copy.su5")));
        QCOMPARE(set.Snapshot(), before);
        QCOMPARE(ws.FileName(), set.BooksFile("kiv5.su5"));
        ws.SaveAs(set.BooksFile("other.su5"));
        QCOMPARE(set.Read(set.BooksFile("other.inc")), set.Read(set.BooksFile("kiv5.inc")));
        QCOMPARE(ReadTextLines(set.BooksFile("other.su5")),
                 (QStringList{"other.inc", "other.exp", "other.acc", "other.cat", "kiv5.pl5"}));
    }

    void saveAsPutsTheSetFileBesideItsMembers_data() {
        QTest::addColumn<QString>("chosen");
        QTest::newRow("a bare file name") << "other.su5";
        QTest::newRow("a path in another folder") << "elsewhere/other.su5";
    }
    void saveAsPutsTheSetFileBesideItsMembers() {
        QFETCH(QString, chosen);
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("kiv5.su5"));
        const QString elsewhere = QDir::current().filePath(chosen);
        ws.SaveAs(chosen);
        QCOMPARE(ReadTextLines(set.BooksFile("other.su5")),
                 (QStringList{"other.inc", "other.exp", "other.acc", "other.cat", "kiv5.pl5"}));
        QVERIFY(!QFileInfo::exists(elsewhere));
    }

    void packDropsDeletedRecords() {
        BooksSetFolder set;
        auto receipts = ThreeReceipts();
        receipts[1].Status = -2;
        receipts[2].Status = -1;
        set.WriteSet("kiv5", receipts, TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("kiv5.su5"));
        ws.Pack();
        QVERIFY(!ws.IsOpen());
        const auto stored = Stored<IncRec>(set.BooksFile("kiv5.inc"));
        QCOMPARE(stored.size(), std::size_t(2));
        QCOMPARE(stored[0].RecNo, 1);
        QCOMPARE(stored[1].RecNo, 2);
        QCOMPARE(stored[1].RecordNo, QStringLiteral("3"));
        QCOMPARE(stored[1].Status, 0);
        QCOMPARE(stored[0].PostTime, receipts[0].PostTime);
    }

    void packFailureLeavesEverything() {
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("kiv5.su5"));
        QFile::remove(set.BooksFile("kiv5.exp"));
        QDir().mkpath(set.BooksFile("kiv5.exp"));
        const auto before = set.Snapshot();
        QVERIFY_THROWS_EXCEPTION(IoError, ws.Pack());
        QCOMPARE(set.Snapshot(), before);
        QVERIFY(ws.IsOpen());
    }

    void newStartsWithDefaultCategories() {
        BooksSetFolder set;
        WriteTextLines(set.BooksFile("default.cat"), {"Rent", "Fees"});
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.New(set.BooksFile("fresh.su5"));
        QVERIFY(ws.IsOpen());
        QCOMPARE(ws.CategoryStrList(), (QStringList{"Rent", "Fees"}));
        QCOMPARE(set.Read(set.BooksFile("fresh.inc")), QByteArray());
        QCOMPARE(ReadTextLines(set.BooksFile("fresh.cat")), (QStringList{"Rent", "Fees"}));
        QCOMPARE(set.Read(set.BooksFile("fresh.acc")), QByteArray());
    }

    void setPL5FileRewritesTheSetFile() {
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("kiv5.su5"));
        ws.SetPL5File(set.Clients() + "other.pl5");
        QCOMPARE(ws.settings.PL5FileName, QStringLiteral("other.pl5"));
        QCOMPARE(ReadTextLines(set.BooksFile("kiv5.su5")).value(4), QStringLiteral("other.pl5"));
    }

    void clientListSkipsHeaderAndDeleted() {
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        set.WriteClients({Client("1042", "Smith", "Ann"), Client("9", "Gone", "Al", -2),
                          Client("7", "Jones", "Bob")});
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        QCOMPARE(ws.ClientListItems().value(),
                 (QStringList{"Smith, Ann - 1042", "Jones, Bob - 7"}));
        set.Write(set.Clients() + "kiv5.pl5", set.Read(set.Clients() + "kiv5.pl5") + "x");
        try {
            ws.ClientListItems();
            QFAIL("a damaged client file was read");
        } catch (const IoError& error) {
            QVERIFY(error.Message().contains("kiv5.pl5"));
        }
        ws.settings.PL5FileName.clear();
        QVERIFY(!ws.ClientListItems());
    }

    void categoryTypedInTheFormIsWrittenAtOnce() {
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("kiv5.su5"));
        QVERIFY(!ws.AddCategory("rent"));
        QVERIFY(ws.AddCategory("Travel"));
        QCOMPARE(ReadTextLines(set.BooksFile("kiv5.cat")), (QStringList{"Fees", "Rent", "Travel"}));
    }

    void closeCancelsFilters() {
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("kiv5.su5"));
        FilterRec criteria;
        criteria.Payxx = "Landlord";
        ws.SetFilter(LedgerId::Expense, criteria);
        QCOMPARE(Stored<ExpRec>(set.BooksFile("kiv5.exp"))[1].Status, -1);
        ws.Close();
        QVERIFY(!ws.IsOpen());
        QCOMPARE(Stored<ExpRec>(set.BooksFile("kiv5.exp"))[1].Status, 0);
        QCOMPARE(ws.Income().Table().DataRowCount(), 0);
    }

    void argumentOpensTheSetInTheFilesFolder_data() {
        QTest::addColumn<QString>("argument");
        QTest::newRow("file name") << "kiv5.su5";
        QTest::newRow("other letter case") << "KIV5.SU5";
        QTest::newRow("a folder in front") << "/elsewhere/Kiv5.su5";
    }
    void argumentOpensTheSetInTheFilesFolder() {
        QFETCH(QString, argument);
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.OpenArgument(argument);
        QVERIFY(ws.IsOpen());
        QCOMPARE(ws.Files().income, set.BooksFile("kiv5.inc"));
        QCOMPARE(ws.Income().Table().DataRowCount(), 3);
    }

    void exitKeepsTheAutoloadAndAsksForABackup_data() {
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("autoload");
        QTest::addColumn<bool>("backupFlag");
        QTest::addColumn<bool>("backup");
        QTest::newRow("open, autoload, backup") << true << true << true << true;
        QTest::newRow("open, no autoload") << true << false << true << true;
        QTest::newRow("open, no backup flag") << true << true << false << false;
        QTest::newRow("nothing open") << false << true << true << false;
    }
    void exitKeepsTheAutoloadAndAsksForABackup() {
        QFETCH(bool, open);
        QFETCH(bool, autoload);
        QFETCH(bool, backupFlag);
        QFETCH(bool, backup);
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.settings.AutoFileName = QStringLiteral("old.su5");
        if (open) {
            ws.Open(set.BooksFile("kiv5.su5"));
        }
        ws.AutoloadChecked = autoload;
        ws.settings.AutomaticBackupFlag = backupFlag;
        QCOMPARE(ws.PrepareExit(), backup);
        QCOMPARE(ws.settings.AutoFileName, open && autoload ? ws.FileName() : QString());
    }

    void exportSuggestsTheSetsName() {
        BooksSetFolder set;
        set.WriteSet("my_set", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("my_set.su5"));
        QCOMPARE(ws.ExportFileName(), QStringLiteral("my_set.txt"));
        QCOMPARE(QDir(ws.ExportFolder()).canonicalPath(), QDir(set.Books()).canonicalPath());
    }

    void shownColumnWidthsHideTheStampsAndKeepTheRest() {
        TestContext context;
        BooksWorkspace ws(1044, context);
        auto& stored = ws.ColumnWidths(LedgerId::Expense);
        for (int c = 0; c < BOOKSCOLUMNS; ++c) {
            stored[static_cast<std::size_t>(c)] = 10 + c;
        }
        const std::vector<int> shown = ShownColumnWidths(stored);
        QCOMPARE(shown, (std::vector<int>{10, 11, 12, 13, 14, 15, 16, 17, 18, 19, -1, -1, -1, -1}));
        // A window reporting other widths (and a stamp shown by mistake)
        // stores its widths and -1 for every never-shown column.
        KeepShownColumnWidths(stored, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 99, 99, 99, 99});
        QCOMPARE(std::vector<int>(stored.begin(), stored.end()),
                 (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, -1, -1, -1, -1}));
        // A short report keeps what it does not name.
        KeepShownColumnWidths(stored, {50});
        QCOMPARE(stored[0], 50);
        QCOMPARE(stored[1], 2);
        QCOMPARE(ws.ColumnWidths(LedgerId::Income)[0], ws.settings.IColumnWidth[0]);
        QVERIFY(&ws.ColumnWidths(LedgerId::Income) != &stored);
    }

    void formListsAndNeighboursOfTheCurrentRow() {
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("kiv5.su5"));
        Ledger& income = ws.Income();
        // Sorted by date, hidden rows count as well.
        QCOMPARE(income.Parties(), (QStringList{"Jones, Bob", "Smith, Ann", "Brown, Cy"}));
        income.CurrentRow = 1;
        QVERIFY(!income.HasRowBefore());
        QVERIFY(income.HasRowAfter());
        income.CurrentRow = 3;
        QVERIFY(income.HasRowBefore());
        QVERIFY(!income.HasRowAfter());
        QCOMPARE(income.EntryAt(2).number, QStringLiteral("1"));
        QCOMPARE(income.PositionOf(2), 1);
        QVERIFY(income.EarlierPartyFill("jones, bob"));
        QVERIFY(!income.EarlierPartyFill("Brown, Cy")); // only rows above count
    }

    void refreshWithoutSetFails() {
        TestContext context;
        BooksWorkspace ws(1044, context);
        QVERIFY_THROWS_EXCEPTION(IoError, ws.Refresh());
        QVERIFY(!ws.IsOpen());
    }
};

KIV5_CORE_TEST_MAIN(TestBooksWorkspace)
#include "tst_BooksWorkspace.moc"
