#include "billing/core/BillingBackup.h"
#include "billing/core/BillingWorkspace.h"
#include "billing/core/CalendarBackup.h"
#include "billing/core/CalendarFile.h"
#include "common/core/Exceptions.h"
#include "common/core/TextFile.h"
#include "tests/billing/core/BillingWorkspaceFixtures.h"
#include "tests/support/TestMain.h"

using namespace kiv5;
using namespace kiv5::billing;
using namespace kiv5::test;

namespace {

std::vector<TBillRec> ThreeBills() {
    std::vector<TBillRec> bills = {Bill("Carter, Ann", "C-3", 5000),
                                   Bill("Adams, Bob", "A-1", 125000),
                                   Bill("Baker, Cy", "B-2", -2500)};
    bills[0].Selected = true;
    bills[1].Note = QStringLiteral("first | second");
    bills[1].ISPath[3] = QStringLiteral("/is/adams.is5");
    bills[2].Status = -2;
    return bills;
}

// The cells a restore takes from the backup: all but the stamps and the
// record number.
QList<QStringList> KeptCells(const RecordTable& table) {
    QList<QStringList> rows;
    for (int row = 1; row < table.RowCount(); ++row) {
        QStringList cells = table.Row(row);
        cells.remove(BillColumn::PostTime, 3);
        rows.append(cells);
    }
    return rows;
}

DayRec Day(double date, const QString& text) {
    DayRec day;
    day.Day = date;
    day.SlotText[18] = text;
    day.SlotHours[18] = 1.5;
    day.SlotClientNo[18] = QStringLiteral("A-1");
    day.DayNotes = QStringLiteral("call\r\nback");
    return day;
}

} // namespace

class TestBillingBackup : public QObject {
    Q_OBJECT

private slots:
    void counterCycles_data() {
        QTest::addColumn<int>("counter");
        QTest::addColumn<int>("next");
        QTest::newRow("never ran") << 0 << 1;
        QTest::newRow("first") << 1 << 2;
        QTest::newRow("last") << 31 << 1;
    }
    void counterCycles() {
        QFETCH(int, counter);
        QFETCH(int, next);
        QCOMPARE(NextBackupCounter(counter), next);
    }

    void backupThenRestoreRoundTrips() {
        BillingFolder folder;
        folder.WriteBills("bills", ThreeBills());
        TestContext context;
        BillingWorkspace ws(1044, context);
        folder.Configure(ws);
        ws.Open(folder.File("bills.qy5"));
        ws.settings.BackupCounter = 31;
        const BillingBackupFiles files = ws.MakeBillingBackup();
        QCOMPARE(files.listing, folder.File("bills_31.bkp"));
        QCOMPARE(ws.settings.BackupCounter, 1);
        QCOMPARE(ReadTextLines(files.listing),
                 (QStringList{folder.File("bills.bil"), folder.File("bills.qy5"),
                              folder.File("bills.cal")}));
        const QStringList lines = ReadTextLines(files.rows);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0].split('\t').size(), 42);
        const QList<QStringList> before = KeptCells(ws.Table());

        // Another file in between, then the restore replaces it.
        ws.New(folder.File("other.qy5"));
        context.now = context.now.addDays(1);
        ws.RestoreBillingBackup(files.listing);
        QCOMPARE(ws.FileName(), folder.File("bills.qy5"));
        QCOMPARE(KeptCells(ws.Table()), before);
        QCOMPARE(ws.Table().Cell(1, BillColumn::PostTime), QStringLiteral("3/8/2011 9:30:00 AM"));
        const std::vector<TBillRec> stored = folder.StoredBills("bills");
        QCOMPARE(stored.size(), std::size_t{3});
        // The backup holds the rows in table order (by name); they are
        // numbered in that order.
        QCOMPARE(stored[0].FullName, QStringLiteral("Adams, Bob"));
        QCOMPARE(stored[0].Note, QStringLiteral("first | second"));
        QCOMPARE(stored[0].ISPath[3], QStringLiteral("/is/adams.is5"));
        QCOMPARE(stored[1].Status, -2);
        QCOMPARE(stored[1].RecNo, 2);
        QCOMPARE(stored[2].Selected, true);
        QVERIFY(ws.Table().IsHidden(2));
    }

    void backupNameSplitsAtTheLastUnderscore_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("counter");
        QTest::newRow("plain") << "/f/bills_7.bkp"
                               << "/f/bills"
                               << "7";
        QTest::newRow("underscore in the base") << "/f/my_bills_12.bkp"
                                                << "/f/my_bills"
                                                << "12";
        QTest::newRow("underscore in the folder") << "/a_b/x_3.bkp"
                                                  << "/a_b/x"
                                                  << "3";
    }
    void backupNameSplitsAtTheLastUnderscore() {
        QFETCH(QString, chosen);
        QFETCH(QString, base);
        QFETCH(QString, counter);
        const BackupName name = SplitBackupName(chosen);
        QCOMPARE(name.base, base);
        QCOMPARE(name.counter, counter);
    }

    void badBackupsChangeNothing_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("message");
        QTest::newRow("too few fields")
            << "X\tA-1\tAdams"
            << "Line 2 of the billing backup \"%1\" holds 3 fields where a bill has 42; nothing "
               "was restored.";
        QTest::newRow("amount is text")
            << "\tA-1\tAdams\t2/1/2011\tlots" + QString("\t").repeated(37) + "0"
            << "Line 2 of the billing backup \"%1\" holds an amount that is no number; nothing "
               "was restored.";
        QTest::newRow("no status")
            << "\tA-1\tAdams\t2/1/2011\t0" + QString("\t").repeated(37) + "live"
            << "Line 2 of the billing backup \"%1\" holds no bill status at its end; nothing was "
               "restored.";
    }
    void badBackupsChangeNothing() {
        QFETCH(QString, line);
        QFETCH(QString, message);
        BillingFolder folder;
        folder.WriteBills("bills", ThreeBills());
        TestContext context;
        BillingWorkspace ws(1044, context);
        folder.Configure(ws);
        ws.Open(folder.File("bills.qy5"));
        ws.settings.BackupCounter = 5;
        const BillingBackupFiles files = ws.MakeBillingBackup();
        QStringList lines = ReadTextLines(files.rows);
        lines[1] = line;
        WriteTextLines(files.rows, lines);
        ws.New(folder.File("other.qy5"));
        const auto before = folder.Snapshot();
        try {
            ws.RestoreBillingBackup(files.listing);
            QFAIL("the restore went through");
        } catch (const ConversionError& error) {
            QCOMPARE(error.Message(), message.arg(files.rows));
        }
        QCOMPARE(folder.Snapshot(), before);
        QCOMPARE(ws.FileName(), folder.File("other.qy5"));
    }

    void exportWritesTheShownColumns_data() {
        QTest::addColumn<bool>("onlySelected");
        QTest::addColumn<int>("lines");
        QTest::newRow("all, deleted included") << false << 4;
        QTest::newRow("only selected") << true << 2;
    }
    void exportWritesTheShownColumns() {
        QFETCH(bool, onlySelected);
        QFETCH(int, lines);
        BillingFolder folder;
        folder.WriteBills("bills", ThreeBills());
        TestContext context;
        BillingWorkspace ws(1044, context);
        folder.Configure(ws);
        ws.Open(folder.File("bills.qy5"));
        QCOMPARE(ws.ExportFileName(), folder.File("bills.txt"));
        ws.Export(ws.ExportFileName(), onlySelected);
        const QStringList text = ReadTextLines(folder.File("bills.txt"));
        QCOMPARE(text.size(), lines);
        QCOMPARE(text[0], QStringLiteral("Client No\tFull Name\tLast Bill\tBalance Forward\t"
                                         "Description\tAmount\tIS Path\tNote\tInterest\tRate"));
        QVERIFY(text.contains(QStringLiteral("C-3\tCarter, Ann\t2/1/2011\t50.00\tServices for "
                                             "Carter, Ann\t100.00\t\t\tN\t8")));
    }

    void calendarBackupThenRestoreRoundTrips() {
        BillingFolder folder;
        const QString calendar = CalendarFilePath(folder.Files());
        TestContext context;
        WriteDay(calendar, Day(kMarch7, QStringLiteral("Court\thearing")), kMarch7);
        WriteDay(calendar, Day(kFebruary1, QStringLiteral("Meeting")), kFebruary1);
        const std::vector<DayRec> before = ReadAllRecords<DayRec>(calendar);
        const QString backup = MakeCalendarBackup(folder.Files(), 4);
        QCOMPARE(backup, folder.File("orvcal5.txt_4"));
        QCOMPARE(ReadTextLines(backup).size(), 2);
        QFile::remove(calendar);
        RestoreCalendarBackup(backup, folder.Files(), context);
        const std::vector<DayRec> after = ReadAllRecords<DayRec>(calendar);
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after[0].Day, kMarch7);
        QCOMPARE(after[0].SlotText[18], QStringLiteral("Court ~ hearing"));
        QCOMPARE(after[0].SlotHours[18], 1.5);
        QCOMPARE(after[0].DayNotes, QStringLiteral("call\r\nback"));
        QCOMPARE(after[1].Day, kFebruary1);
        QCOMPARE(after[1].RecNo, 1);
        QCOMPARE(after[1].PostTime, context.Now());
        QCOMPARE(QString(kCalendarBackupPattern), QStringLiteral("orvcal5.txt_*"));
    }

    void badCalendarBackupChangesNothing() {
        BillingFolder folder;
        const QString calendar = CalendarFilePath(folder.Files());
        TestContext context;
        WriteDay(calendar, Day(kMarch7, QStringLiteral("Court")), kMarch7);
        const QString backup = MakeCalendarBackup(folder.Files(), 1);
        QStringList lines = ReadTextLines(backup);
        lines.append(QStringLiteral("X\t3/9/2011\tshort"));
        WriteTextLines(backup, lines);
        WriteDay(calendar, Day(kFebruary1, QStringLiteral("Later")), kFebruary1);
        const auto before = folder.Snapshot();
        try {
            RestoreCalendarBackup(backup, folder.Files(), context);
            QFAIL("the restore went through");
        } catch (const ConversionError& error) {
            QVERIFY2(error.Message().startsWith(
                         QStringLiteral("Line 2 of the calendar backup \"%1\" cannot be read (")
                             .arg(backup)),
                     qPrintable(error.Message()));
            QVERIFY(error.Message().endsWith(QStringLiteral("); the calendar was not changed.")));
        }
        QCOMPARE(folder.Snapshot(), before);
    }

    void calendarBackupWithoutCalendarFails() {
        BillingFolder folder;
        QVERIFY_THROWS_EXCEPTION(IoError, MakeCalendarBackup(folder.Files(), 1));
        QVERIFY(!QFileInfo::exists(folder.File("orvcal5.txt_1")));
    }
};

KIV5_CORE_TEST_MAIN(TestBillingBackup)
#include "tst_BillingBackup.moc"
