#include "billing/core/BillPatch.h"
#include "billing/core/BillRow.h"
#include "billing/core/BillingWorkspace.h"
#include "common/core/Exceptions.h"
#include "tests/billing/core/BillingWorkspaceFixtures.h"
#include "tests/support/TestMain.h"

using namespace kiv5;
using namespace kiv5::billing;
using namespace kiv5::test;

namespace {

std::vector<TBillRec> ThreeBills() {
    return {Bill("Carter, Ann", "C-3", 5000), Bill("Adams, Bob", "A-1", 125000),
            Bill("Baker, Cy", "B-2", -2500)};
}

// Two users with the same billing file open, the second a minute later.
struct TwoUsers {
    TwoUsers() {
        folder.WriteBills("bills", ThreeBills());
        folder.WriteClients({Client("A-1", "Adams", "Bob"), Client("B-2", "Baker", "Cy")});
        for (BillingWorkspace* ws : {&first, &second}) {
            folder.Configure(*ws);
            ws->Open(folder.File("bills.qy5"));
        }
    }
    int RowOf(const BillingWorkspace& ws, const QString& name) const {
        for (int row = 1; row < ws.Table().RowCount(); ++row) {
            if (ws.Table().Cell(row, BillColumn::FullName) == name) {
                return row;
            }
        }
        return 0;
    }

    BillingFolder folder;
    TestContext firstContext{QDateTime(QDate(2011, 3, 7), QTime(9, 30))};
    TestContext secondContext{QDateTime(QDate(2011, 3, 7), QTime(9, 31))};
    BillingWorkspace first{1044, firstContext};
    BillingWorkspace second{1044, secondContext};
};

QByteArray WithoutMarks(QByteArray bytes) {
    for (qsizetype at = 0; at < bytes.size(); at += 2416) {
        bytes[at] = 0;
    }
    return bytes;
}

} // namespace

class TestBillingWorkspaceBills : public QObject {
    Q_OBJECT

private slots:
    void savingTwiceNeverConflicts() {
        TwoUsers users;
        BillingWorkspace& ws = users.first;
        const int row = users.RowOf(ws, "Baker, Cy");
        BillEntry entry = ws.EntryOf(row);
        entry.balanceForward = QStringLiteral("(1234.5)");
        entry.description[1] = QStringLiteral("Filing\tfee");
        entry.amount[1] = QStringLiteral("$ 20");
        const BillSaveOutcome saved = ws.SaveBill(row, entry);
        QCOMPARE(saved.kind, BillSaveOutcome::Saved);
        QCOMPARE(ws.Table().Cell(saved.row, BillColumn::BalanceForward),
                 QStringLiteral("-1,234.50"));
        QCOMPARE(ws.Table().Cell(saved.row, BillColumn::FirstDescription + 2),
                 QStringLiteral("Filing fee"));
        QCOMPARE(ws.Table().Cell(saved.row, BillColumn::PostTime),
                 QStringLiteral("3/7/2011 9:30:00 AM"));
        users.firstContext.now = users.firstContext.now.addSecs(5);
        QCOMPARE(ws.SaveBill(saved.row, ws.EntryOf(saved.row)).kind, BillSaveOutcome::Saved);
        const TBillRec stored = users.folder.StoredBills("bills")[2];
        QCOMPARE(stored.BalanceForward, -12345000);
        QCOMPARE(stored.Amount[1], 200000);
        QCOMPARE(stored.PostTime, stored.PullTime);
        QCOMPARE(users.firstContext.codes, QList<int>());
    }

    void conflictKeepingTheEditedSideWritesFreshStamps() {
        TwoUsers users;
        const int firstRow = users.RowOf(users.first, "Adams, Bob");
        BillEntry mine = users.first.EntryOf(firstRow);
        mine.fullName = QStringLiteral("Adams, Robert");
        QCOMPARE(users.first.SaveBill(firstRow, mine).kind, BillSaveOutcome::Saved);

        const int secondRow = users.RowOf(users.second, "Adams, Bob");
        BillEntry theirs = users.second.EntryOf(secondRow);
        theirs.note = QStringLiteral("line one\nline two");
        const auto before = users.folder.Snapshot();
        const BillSaveOutcome conflict = users.second.SaveBill(secondRow, theirs);
        QCOMPARE(conflict.kind, BillSaveOutcome::Conflict);
        QCOMPARE(users.folder.Snapshot(), before);
        QCOMPARE(conflict.conflict.recNo, 2);
        QCOMPARE(conflict.conflict.stored[1].caption, QStringLiteral("Full Name:"));
        QCOMPARE(conflict.conflict.stored[1].value, QStringLiteral("Adams, Robert"));
        QCOMPARE(conflict.conflict.edited[1].value, QStringLiteral("Adams, Bob"));
        QCOMPARE(conflict.conflict.edited[3].value, QStringLiteral("1,250.00"));
        QCOMPARE(conflict.conflict.edited[34].caption, QStringLiteral("Note:"));
        QCOMPARE(conflict.conflict.edited[34].value, QStringLiteral("line one\r\nline two"));

        const int row = users.second.ResolveConflict(conflict.conflict, true);
        QCOMPARE(users.second.Table().Cell(row, BillColumn::Note),
                 QStringLiteral("line one | line two"));
        const TBillRec stored = users.folder.StoredBills("bills")[1];
        QCOMPARE(stored.FullName, QStringLiteral("Adams, Bob"));
        QCOMPARE(stored.PostTime, users.secondContext.Now());
        QCOMPARE(stored.PullTime, users.secondContext.Now());

        // The first user's copy is now older than the kept version.
        users.firstContext.now = users.firstContext.now.addSecs(120);
        const int again = users.RowOf(users.first, "Adams, Robert");
        QCOMPARE(users.first.SaveBill(again, users.first.EntryOf(again)).kind,
                 BillSaveOutcome::Conflict);
    }

    void conflictKeepingTheStoredSideWritesNothing() {
        TwoUsers users;
        const int firstRow = users.RowOf(users.first, "Adams, Bob");
        BillEntry mine = users.first.EntryOf(firstRow);
        mine.amount[0] = QStringLiteral("77");
        users.first.SaveBill(firstRow, mine);

        const int row = users.RowOf(users.second, "Adams, Bob");
        BillEntry theirs = users.second.EntryOf(row);
        theirs.amount[0] = QStringLiteral("99");
        const BillSaveOutcome conflict = users.second.SaveBill(row, theirs);
        QCOMPARE(conflict.kind, BillSaveOutcome::Conflict);
        const auto before = users.folder.Snapshot();
        const int kept = users.second.ResolveConflict(conflict.conflict, false);
        QCOMPARE(users.folder.Snapshot(), before);
        QCOMPARE(users.second.Table().Cell(kept, BillColumn::FirstAmount), QStringLiteral("77.00"));
        QCOMPARE(users.second.EntryOf(kept).amount[0], QStringLiteral("77.00"));
    }

    void deleteRefusedByAnotherUsersSaveRestoresTheRow() {
        TwoUsers users;
        const int firstRow = users.RowOf(users.first, "Baker, Cy");
        BillEntry mine = users.first.EntryOf(firstRow);
        mine.fullName = QStringLiteral("Baker, Cyrus");
        users.first.SaveBill(firstRow, mine);

        const int row = users.RowOf(users.second, "Baker, Cy");
        const auto before = users.folder.Snapshot();
        const BillDeleteOutcome outcome = users.second.Delete(row, false);
        QVERIFY(outcome.conflict);
        QCOMPARE(users.folder.Snapshot(), before);
        QCOMPARE(users.second.Table().Cell(row, BillColumn::FullName),
                 QStringLiteral("Baker, Cyrus"));
        QCOMPARE(users.second.Table().Status(row), QStringLiteral("0"));
        QVERIFY(!users.second.Table().IsHidden(row));
        QCOMPARE(outcome.next, row);
    }

    void deleteMovesUpToTheNearestLiveRow_data() {
        QTest::addColumn<QString>("deleted");
        QTest::addColumn<bool>("formOpen");
        QTest::addColumn<QString>("next");
        QTest::addColumn<bool>("closeForm");
        QTest::newRow("last row") << "Carter, Ann" << true << "Baker, Cy" << false;
        QTest::newRow("first row, form open") << "Adams, Bob" << true << "" << true;
        QTest::newRow("first row, form closed") << "Adams, Bob" << false << "Adams, Bob" << false;
    }
    void deleteMovesUpToTheNearestLiveRow() {
        QFETCH(QString, deleted);
        QFETCH(bool, formOpen);
        QFETCH(QString, next);
        QFETCH(bool, closeForm);
        TwoUsers users;
        BillingWorkspace& ws = users.first;
        const BillDeleteOutcome outcome = ws.Delete(users.RowOf(ws, deleted), formOpen);
        QVERIFY(!outcome.conflict);
        QCOMPARE(outcome.closeForm, closeForm);
        QCOMPARE(outcome.next == 0 ? QString() : ws.Table().Cell(outcome.next, 2), next);
        const int recNo = users.RowOf(ws, deleted);
        QCOMPARE(ws.Table().Status(recNo), QStringLiteral("-2"));
        bool found = false;
        for (const TBillRec& bill : users.folder.StoredBills("bills")) {
            if (bill.FullName == deleted) {
                QCOMPARE(bill.Status, -2);
                QCOMPARE(bill.PostTime, users.firstContext.Now());
                found = true;
            }
        }
        QVERIFY(found);
    }

    void concurrentAddsKeepBoth() {
        TwoUsers users;
        const BillAddOutcome first = users.first.Add();
        QCOMPARE(first.code, 0);
        QCOMPARE(users.first.Table().Cell(first.row, BillColumn::RecNo), QStringLiteral("4"));
        const BillAddOutcome second = users.second.Add();
        QCOMPARE(users.second.Table().Cell(second.row, BillColumn::RecNo), QStringLiteral("5"));
        QCOMPARE(users.second.Table().DataRowCount(), 5);
        QCOMPARE(users.second.CurrentRow(), second.row);
        QVERIFY(users.second.ModifiedRecord);
        const std::vector<TBillRec> stored = users.folder.StoredBills("bills");
        QCOMPARE(stored.size(), std::size_t{5});
        QCOMPARE(stored[3].RecNo, 4);
        QCOMPARE(stored[4].RecNo, 5);
        QCOMPARE(stored[4].PostTime, users.secondContext.Now());
        QCOMPARE(stored[4].LastBill, kFebruary1);
        QCOMPARE(stored[4].Amount[0], 0);
    }

    void addWithoutClientFileWritesNothing() {
        TwoUsers users;
        users.first.settings.PL5FileName.clear();
        const auto before = users.folder.Snapshot();
        const BillAddOutcome outcome = users.first.Add();
        QCOMPARE(outcome.code, 11150);
        QCOMPARE(users.folder.Snapshot(), before);
        QCOMPARE(users.first.Table().DataRowCount(), 3);
        QVERIFY(!users.first.ClientListItems().has_value());
    }

    void saveRefusesWhatABillCannotHold_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("no date") << "date"
                                 << "" << 11060 << "";
        QTest::newRow("balance is text") << "balance"
                                         << "12x" << 21202 << "";
        QTest::newRow("amount beyond the range") << "amount"
                                                 << "1e17" << 21202 << "";
        QTest::newRow("rate is text") << "rate"
                                      << "eight" << 21182 << "";
        QTest::newRow("statement path over 128")
            << "path" << QString(129, QLatin1Char('p')) << 0
            << "The itemized statement path 3 has 129 characters; a bill keeps paths of at most "
               "128 characters. Move the statement file to a shorter path and attach it again.";
    }
    void saveRefusesWhatABillCannotHold() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(int, code);
        QFETCH(QString, message);
        TwoUsers users;
        BillingWorkspace& ws = users.first;
        BillEntry entry = ws.EntryOf(1);
        if (field == QLatin1String("date")) {
            entry.lastBill.reset();
        } else if (field == QLatin1String("balance")) {
            entry.balanceForward = typed;
        } else if (field == QLatin1String("amount")) {
            entry.amount[4] = typed;
        } else if (field == QLatin1String("rate")) {
            entry.interestRate = typed;
        } else {
            entry.isPath[2] = typed;
        }
        const QStringList row = ws.Table().Row(1);
        const auto before = users.folder.Snapshot();
        const BillSaveOutcome outcome = ws.SaveBill(1, entry);
        QCOMPARE(outcome.kind, BillSaveOutcome::Refused);
        QCOMPARE(outcome.code, code);
        QCOMPARE(outcome.message, message);
        QCOMPARE(ws.Table().Row(1), row);
        QCOMPARE(users.folder.Snapshot(), before);
        QCOMPARE(users.firstContext.codes, QList<int>());
    }

    void clientNumberOfTheEntry_data() {
        QTest::addColumn<QString>("client");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<QString>("stored");
        QTest::newRow("list item") << "Smith - Jones, Ann - ab-12" << true << "ab-12";
        QTest::newRow("typed number") << "  X-123456789 " << true << "X-123456";
        QTest::newRow("unchanged field keeps the stored number") << "zzz" << false << "A-1";
    }
    void clientNumberOfTheEntry() {
        QFETCH(QString, client);
        QFETCH(bool, edited);
        QFETCH(QString, stored);
        TwoUsers users;
        BillingWorkspace& ws = users.first;
        BillEntry entry = ws.EntryOf(1);
        entry.client = client;
        entry.clientEdited = edited;
        const BillSaveOutcome outcome = ws.SaveBill(1, entry);
        QCOMPARE(ws.Table().Cell(outcome.row, BillColumn::ClientNo), stored);
    }

    void exactClientMatch_data() {
        QTest::addColumn<QString>("clientNo");
        QTest::addColumn<int>("item");
        QTest::newRow("equal") << "12" << 1;
        QTest::newRow("ASCII case ignored") << "ab-7" << 2;
        QTest::newRow("only contained in a longer number") << "2" << -1;
        QTest::newRow("only contained in a name") << "Twelve" << -1;
        QTest::newRow("non-ASCII letters compared exactly") << "é-1" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void exactClientMatch() {
        QFETCH(QString, clientNo);
        QFETCH(int, item);
        BillingFolder folder;
        folder.WriteClients({Client("123", "Twelve", "Ann"), Client("12", "Doe", "Jo"),
                             Client("AB-7", "Roe", "Al"), Client("9", "Gone", "X", -2),
                             Client("É-1", "Éclair", "E")});
        TestContext context;
        BillingWorkspace ws(1044, context);
        folder.Configure(ws);
        const std::optional<QStringList> items = ws.ClientListItems();
        QVERIFY(items.has_value());
        QCOMPARE(*items, (QStringList{"Twelve, Ann - 123", "Doe, Jo - 12", "Roe, Al - AB-7",
                                      "Éclair, E - É-1"}));
        QCOMPARE(ws.ClientItemOf(clientNo), item);
    }

    void clientListIsKeptWhileTheFileIsUnchanged() {
        BillingFolder folder;
        folder.WriteClients({Client("1", "One", "A")});
        TestContext context;
        BillingWorkspace ws(1044, context);
        folder.Configure(ws);
        const QStringList first = *ws.ClientListItems();
        QCOMPARE(first, QStringList{"One, A - 1"});
        // Same size and time: the kept list is used.
        const QString path = folder.Clients() + QStringLiteral("kiv5.pl5");
        QCOMPARE(ws.ClientListItems()->constData(), first.constData());
        // Another client added: the file grew.
        folder.WriteClients({Client("1", "One", "A"), Client("2", "Two", "B")});
        QCOMPARE(*ws.ClientListItems(), (QStringList{"One, A - 1", "Two, B - 2"}));
        // A client renamed in place: same size, a later time.
        const QDateTime stamp = QFileInfo(path).lastModified();
        folder.WriteClients({Client("1", "Uno", "A"), Client("2", "Two", "B")});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(stamp.addSecs(1), QFileDevice::FileModificationTime));
        file.close();
        QCOMPARE(ws.ClientListItems()->first(), QStringLiteral("Uno, A - 1"));
        QCOMPARE(ws.ClientItemOf(QStringLiteral("2")), 1);
    }

    void clientFileOfBrokenLengthIsReported() {
        BillingFolder folder;
        folder.WriteClients({Client("1", "One", "A")});
        const QString path = folder.Clients() + QStringLiteral("kiv5.pl5");
        folder.Write(path, folder.Read(path).chopped(3));
        const auto before = folder.Snapshot();
        TestContext context;
        BillingWorkspace ws(1044, context);
        folder.Configure(ws);
        QVERIFY_THROWS_EXCEPTION(IoError, ws.ClientListItems());
        QCOMPARE(folder.Snapshot(), before);
    }

    void selectAllWritesOnlyTheMarks() {
        TwoUsers users;
        // The other user deleted Baker meanwhile.
        const int theirRow = users.RowOf(users.second, "Baker, Cy");
        users.second.Delete(theirRow, false);
        const QByteArray before = users.folder.Read(users.folder.File("bills.bil"));
        users.first.SelectAll(true);
        const QByteArray after = users.folder.Read(users.folder.File("bills.bil"));
        QCOMPARE(WithoutMarks(after), WithoutMarks(before));
        QCOMPARE(after[0], char(1));
        QCOMPARE(after[2416], char(1));
        QCOMPARE(after[2 * 2416], char(0));
        const int row = users.RowOf(users.first, "Baker, Cy");
        QCOMPARE(users.first.Table().Status(row), QStringLiteral("-2"));
        QVERIFY(users.first.Table().IsHidden(row));
        QCOMPARE(users.first.MarkedLiveRows().size(), 2);
        users.first.SelectAll(false);
        QCOMPARE(users.folder.Read(users.folder.File("bills.bil")), before);
    }

    void selectNoneOnDeletedRowsWritesNothing() {
        TwoUsers users;
        for (const char* name : {"Adams, Bob", "Baker, Cy", "Carter, Ann"}) {
            users.first.Delete(users.RowOf(users.first, name), false);
        }
        const auto before = users.folder.Snapshot();
        users.first.SelectAll(false);
        QCOMPARE(users.folder.Snapshot(), before);
    }

    void filterNarrowsAndCancels_data() {
        QTest::addColumn<BillFilterRec>("criteria");
        QTest::addColumn<QStringList>("shown");
        const auto with = [](auto set) {
            BillFilterRec c;
            set(c);
            return c;
        };
        QTest::newRow("client number contained")
            << with([](BillFilterRec& c) { c.ClientNo = "b-"; }) << QStringList{"Baker, Cy"};
        QTest::newRow("full name")
            << with([](BillFilterRec& c) { c.FullName = "ann"; }) << QStringList{"Carter, Ann"};
        QTest::newRow("year") << with([](BillFilterRec& c) { c.Date = "2011"; })
                              << QStringList{"Adams, Bob", "Baker, Cy", "Carter, Ann"};
        QTest::newRow("month of another year")
            << with([](BillFilterRec& c) { c.Date = "02/2010"; }) << QStringList{};
        QTest::newRow("balance equal") << with([](BillFilterRec& c) { c.BalanceForward = "(25)"; })
                                       << QStringList{"Baker, Cy"};
        QTest::newRow("amount in a line") << with([](BillFilterRec& c) { c.Amount = "100"; })
                                          << QStringList{"Adams, Bob", "Baker, Cy", "Carter, Ann"};
        QTest::newRow("description") << with([](BillFilterRec& c) { c.Description = "FOR ADAMS"; })
                                     << QStringList{"Adams, Bob"};
        QTest::newRow("interest") << with([](BillFilterRec& c) { c.Interest = "y"; })
                                  << QStringList{};
        QTest::newRow("two criteria") << with([](BillFilterRec& c) {
            c.FullName = "a";
            c.Rate = "8";
        }) << QStringList{"Adams, Bob", "Baker, Cy", "Carter, Ann"};
    }
    void filterNarrowsAndCancels() {
        QFETCH(BillFilterRec, criteria);
        QFETCH(QStringList, shown);
        TwoUsers users;
        BillingWorkspace& ws = users.first;
        ws.Delete(users.RowOf(ws, "Carter, Ann"), false);
        const QStringList live = ShownNames(ws.Table());
        ws.SetFilter(criteria);
        QVERIFY(ws.FilterActive());
        QStringList expected = shown;
        expected.removeAll(QStringLiteral("Carter, Ann"));
        QCOMPARE(ShownNames(ws.Table()), expected);
        for (const TBillRec& bill : users.folder.StoredBills("bills")) {
            const qint32 status = bill.FullName == QLatin1String("Carter, Ann") ? -2
                                  : expected.contains(bill.FullName)            ? 0
                                                                                : -1;
            QCOMPARE(bill.Status, status);
        }
        ws.CancelFilter();
        QVERIFY(!ws.FilterActive());
        QCOMPARE(ShownNames(ws.Table()), live);
        for (const TBillRec& bill : users.folder.StoredBills("bills")) {
            QCOMPARE(bill.Status, bill.FullName == QLatin1String("Carter, Ann") ? -2 : 0);
        }
    }

    void filteringTwiceKeepsTheFirstFilterHidden() {
        TwoUsers users;
        BillingWorkspace& ws = users.first;
        BillFilterRec byName;
        byName.FullName = QStringLiteral("Adams");
        ws.SetFilter(byName);
        BillFilterRec byClient;
        byClient.ClientNo = QStringLiteral("B");
        ws.SetFilter(byClient);
        QCOMPARE(ShownNames(ws.Table()), QStringList());
        QCOMPARE(ws.FilterCriteria(), byClient);
        ws.CancelFilter();
        QCOMPARE(ShownNames(ws.Table()), (QStringList{"Adams, Bob", "Baker, Cy", "Carter, Ann"}));
    }

    void aBadCriterionRefusesTheWholeFilter_data() {
        QTest::addColumn<BillFilterRec>("criteria");
        QTest::addColumn<QString>("message");
        BillFilterRec date;
        date.FullName = QStringLiteral("Adams");
        date.Date = QStringLiteral("13/2011");
        QTest::newRow("date") << date
                              << "The Last Billing Date criterion \"13/2011\" cannot be used: "
                                 "enter YYYY or MM/YYYY or MM/DD/YYYY.";
        BillFilterRec amount;
        amount.FullName = QStringLiteral("Adams");
        amount.Amount = QStringLiteral("ten");
        QTest::newRow("amount") << amount
                                << "The Amount criterion \"ten\" cannot be used: enter an amount "
                                   "such as 1,234.50.";
        BillFilterRec interest;
        interest.Interest = QStringLiteral("X");
        QTest::newRow("interest") << interest
                                  << "The Charge Interest criterion \"X\" cannot be used: enter Y "
                                     "for interest or N for no interest.";
    }
    void aBadCriterionRefusesTheWholeFilter() {
        QFETCH(BillFilterRec, criteria);
        QFETCH(QString, message);
        TwoUsers users;
        BillingWorkspace& ws = users.first;
        const auto before = users.folder.Snapshot();
        try {
            ws.SetFilter(criteria);
            QFAIL("the filter was applied");
        } catch (const ConversionError& error) {
            QCOMPARE(error.Message(), message);
        }
        QVERIFY(!ws.FilterActive());
        QCOMPARE(ws.FilterCriteria(), BillFilterRec());
        QCOMPARE(ShownNames(ws.Table()), (QStringList{"Adams, Bob", "Baker, Cy", "Carter, Ann"}));
        QCOMPARE(users.folder.Snapshot(), before);
        QCOMPARE(users.firstContext.codes, QList<int>());
    }

    void sortByBalanceDueAndByName() {
        TwoUsers users;
        BillingWorkspace& ws = users.first;
        ws.SortByHeader(BillColumn::BalanceForward);
        QCOMPARE(ShownNames(ws.Table()), (QStringList{"Baker, Cy", "Carter, Ann", "Adams, Bob"}));
        QCOMPARE(ws.HeaderCaption(BillColumn::BalanceForward), QStringLiteral("BALANCE FORWARD ^"));
        QCOMPARE(ws.HeaderCaption(BillColumn::FullName), QStringLiteral("Full Name"));
        for (int round = 0; round < 2; ++round) {
            ws.SortByBalanceDue();
            QCOMPARE(ShownNames(ws.Table()),
                     (QStringList{"Adams, Bob", "Carter, Ann", "Baker, Cy"}));
            QVERIFY(!ws.Sort().IsAscending(BillColumn::BalanceForward));
        }
        ws.SortByHeader(BillColumn::FullName);
        QCOMPARE(ws.HeaderCaption(BillColumn::FullName), QStringLiteral("FULL NAME ^"));
        ws.SortByName();
        QCOMPARE(ShownNames(ws.Table()), (QStringList{"Carter, Ann", "Baker, Cy", "Adams, Bob"}));
        QCOMPARE(ws.HeaderCaption(BillColumn::FullName), QStringLiteral("FULL NAME ^"));
    }

    void fastFindVisitsEveryRow() {
        TwoUsers users;
        BillingWorkspace& ws = users.first;
        ws.Delete(users.RowOf(ws, "Baker, Cy"), false);
        QCOMPARE(ws.NextMatch(QStringLiteral("services"), 1), std::optional<int>(1));
        QCOMPARE(ws.NextMatch(QStringLiteral("services"), 2), std::optional<int>(2));
        QCOMPARE(ws.NextMatch(QStringLiteral("1,250.00"), 1), std::optional<int>(1));
        QCOMPARE(ws.NextMatch(QStringLiteral("nowhere"), 1), std::nullopt);
    }

    void movesSkipDeletedBills_data() {
        QTest::addColumn<int>("move");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("target");
        QTest::newRow("first") << int(BillMove::First) << 3 << 1;
        QTest::newRow("next over a deleted bill") << int(BillMove::Next) << 1 << 3;
        QTest::newRow("prior over a deleted bill") << int(BillMove::Prior) << 3 << 1;
        QTest::newRow("next from the last") << int(BillMove::Next) << 3 << 0;
        QTest::newRow("last from the last") << int(BillMove::Last) << 3 << 0;
    }
    void movesSkipDeletedBills() {
        QFETCH(int, move);
        QFETCH(int, from);
        QFETCH(int, target);
        TwoUsers users;
        users.first.Delete(2, false);
        QCOMPARE(users.first.MoveTarget(static_cast<BillMove>(move), from), target);
    }

    void moneyBeyondTheFieldReadsAsUnreadable() {
        TwoUsers users;
        RecordTable table = users.first.Table();
        table.SetCell(1, BillColumn::BalanceForward, QStringLiteral("99,999,999,999,999,999"));
        TestContext context;
        const TBillRec bill = PopulateBillRec(table, 1, context.errors);
        QCOMPARE(bill.BalanceForward, 0);
        QCOMPARE(context.codes, QList<int>{21202});
    }
};

KIV5_CORE_TEST_MAIN(TestBillingWorkspaceBills)
#include "tst_BillingWorkspaceBills.moc"
