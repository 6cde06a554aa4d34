#include "billing/core/BillingSettings.h"
#include "billing/core/CalendarFile.h"
#include "billing/core/StatementFile.h"
#include "billing/core/StatementWorkspace.h"
#include "common/core/Exceptions.h"
#include "common/core/RecordFile.h"
#include "common/core/RecordSlot.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QSignalSpy>

using namespace kiv5;
using namespace kiv5::billing;

namespace {

constexpr double kMarch7 = 40609; // 3/7/2011, the test context's today

BillingSettings Settings() {
    BillingSettings settings;
    settings.HourlyRate = 2'000'000; // 200.00
    return settings;
}

StatementEntry Entry(DayCount date, const QString& text, const QString& time = "1.5",
                     const QString& rate = "150") {
    return {date, text, time, rate};
}

ISRec StoredLine(const QString& path, int slot) {
    return ReadRecordAtSlot<ISRec>(path, slot);
}

int LineCount(const QString& path) {
    return static_cast<int>(QFileInfo(path).size() / 312);
}

// A statement of three lines dated 3/1, 3/2 and 3/3, written by a workspace.
void MakeThreeLines(const QString& path, test::TestContext& context, BillingSettings& settings) {
    StatementWorkspace ws(settings, context);
    ws.Open(path);
    ws.SaveToTable(ws.CurrentRow, Entry(kMarch7 - 6, "First"));
    ws.SaveToTable(ws.Add(), Entry(kMarch7 - 5, "Second"));
    ws.SaveToTable(ws.Add(), Entry(kMarch7 - 4, "Third"));
}

} // namespace

class TestStatementWorkspace : public QObject {
    Q_OBJECT

private slots:
    void newFileHoldsOneBlankLine() {
        test::TempFolder folder;
        test::TestContext context;
        BillingSettings settings = Settings();
        StatementWorkspace ws(settings, context);
        QSignalSpy reset(&ws, &StatementWorkspace::TableReset);
        ws.Open(folder.Path("new.is5"));
        QCOMPARE(reset.count(), 1);
        QCOMPARE(LineCount(folder.Path("new.is5")), 1);
        QCOMPARE(ws.Table().DataRowCount(), 1);
        QCOMPARE(ws.CurrentRow, 1);
        const QStringList row = ws.Table().Row(1);
        QCOMPARE(row.mid(0, 5), QStringList({"X", "3/7/2011", "", "0.00", "        200.00"}));
        QCOMPARE(row[ISColumn::RecNo], QString("0"));
        const ISRec line = StoredLine(folder.Path("new.is5"), 0);
        QCOMPARE(line.ServiceDate, kMarch7);
        QCOMPARE(line.TimeSpent, 0.0);
        QCOMPARE(line.HourlyRate, 2'000'000);
        QCOMPARE(line.RecNo, 0);
        QCOMPARE(ws.EntryOf(1), Entry(kMarch7, "", "0.00", "200.00"));
    }

    void emptyExistingFileGetsOneLine() {
        test::TempFolder folder;
        folder.WriteBytes("empty.is5", {});
        test::TestContext context;
        BillingSettings settings = Settings();
        StatementWorkspace ws(settings, context);
        ws.Open(folder.Path("empty.is5"));
        QCOMPARE(LineCount(folder.Path("empty.is5")), 1);
        QCOMPARE(ws.CurrentRow, 1);
    }

    void damagedFileLeavesNothingOpen() {
        test::TempFolder folder;
        folder.WriteBytes("torn.is5", QByteArray(400, '\0'));
        test::TestContext context;
        BillingSettings settings = Settings();
        StatementWorkspace ws(settings, context);
        QVERIFY_THROWS_EXCEPTION(IoError, ws.Open(folder.Path("torn.is5")));
        QVERIFY(!ws.IsOpen());
        QCOMPARE(folder.ReadBytes("torn.is5"), QByteArray(400, '\0'));
    }

    // The stored RecNo is not trusted: column 7 takes the place in the file.
    void loadPositionNumbersTheLines() {
        test::TempFolder folder;
        const QString path = folder.Path("stale.is5");
        test::TestContext context;
        BillingSettings settings = Settings();
        MakeThreeLines(path, context, settings);
        ISRec second = StoredLine(path, 1);
        second.RecNo = 7; // foreign number
        WriteRecordAtSlot(path, second, 1);
        context.now = context.now.addSecs(60);
        StatementWorkspace ws(settings, context);
        ws.Open(path);
        QCOMPARE(ws.Table().Cell(2, ISColumn::RecNo), QString("1"));
        const StatementSaveOutcome saved = ws.SaveToTable(2, Entry(kMarch7 - 5, "Second, again"));
        QCOMPARE(saved.kind, StatementSaveOutcome::Saved);
        QCOMPARE(LineCount(path), 3);
        QCOMPARE(StoredLine(path, 1).ServiceDescription, QString("Second, again"));
        QCOMPARE(StoredLine(path, 1).RecNo, 1);
    }

    void saveToTableWritesThePanel_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("storedText");
        QTest::addColumn<QString>("timeCell");
        QTest::addColumn<QString>("rateCell");
        QTest::addColumn<double>("hours");
        QTest::addColumn<qint64>("units");
        QTest::addColumn<QList<int>>("codes");
        QTest::newRow("plain") << "Call"
                               << "1.5"
                               << "150"
                               << "Call"
                               << "1.50"
                               << "$150.00" << 1.5 << qint64(1'500'000) << QList<int>{};
        QTest::newRow("two lines") << "Call\nLetter"
                                   << "0.25"
                                   << "1250.5"
                                   << "Call | Letter"
                                   << "0.25"
                                   << "$1,250.50" << 0.25 << qint64(12'505'000) << QList<int>{};
        QTest::newRow("rate no number") << "Call"
                                        << "2"
                                        << "abc"
                                        << "Call"
                                        << "2.00"
                                        << "$0.00" << 2.0 << qint64(0) << QList<int>{21202};
        QTest::newRow("empty time") << ""
                                    << ""
                                    << "100"
                                    << ""
                                    << "0.00"
                                    << "$100.00" << 0.0 << qint64(1'000'000) << QList<int>{};
    }
    void saveToTableWritesThePanel() {
        QFETCH(QString, description);
        QFETCH(QString, time);
        QFETCH(QString, rate);
        QFETCH(QString, storedText);
        QFETCH(QString, timeCell);
        QFETCH(QString, rateCell);
        QFETCH(double, hours);
        QFETCH(qint64, units);
        QFETCH(QList<int>, codes);
        test::TempFolder folder;
        const QString path = folder.Path("s.is5");
        test::TestContext context;
        BillingSettings settings = Settings();
        StatementWorkspace ws(settings, context);
        ws.Open(path);
        ws.ModifiedPanel = true;
        context.now = context.now.addSecs(30);
        const StatementSaveOutcome outcome =
            ws.SaveToTable(1, Entry(kMarch7 - 1, description, time, rate));
        QCOMPARE(outcome.kind, StatementSaveOutcome::Saved);
        QCOMPARE(outcome.row, 1);
        QVERIFY(!ws.ModifiedPanel);
        QCOMPARE(ws.Table().Cell(1, ISColumn::ServiceDescription), storedText);
        QCOMPARE(ws.Table().Cell(1, ISColumn::TimeSpent), timeCell);
        QCOMPARE(ws.Table().Cell(1, ISColumn::HourlyRate), rateCell);
        QCOMPARE(ws.Table().Cell(1, ISColumn::PostTime), QString("3/7/2011 9:30:30 AM"));
        const ISRec line = StoredLine(path, 0);
        QCOMPARE(line.ServiceDate, kMarch7 - 1);
        QCOMPARE(line.ServiceDescription, storedText);
        QCOMPARE(line.TimeSpent, hours);
        QCOMPARE(line.HourlyRate, units);
        QCOMPARE(line.PostTime, DateTimeToDayCount(context.now));
        QCOMPARE(context.codes, codes);
        QCOMPARE(ws.EntryOf(1).description, description);
    }

    void failedSaveKeepsPanelAndRow() {
        test::TempFolder folder;
        const QString path = folder.Path("s.is5");
        test::TestContext context;
        BillingSettings settings = Settings();
        StatementWorkspace ws(settings, context);
        ws.Open(path);
        const QStringList before = ws.Table().Row(1);
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
        ws.ModifiedPanel = true;
        QVERIFY_THROWS_EXCEPTION(IoError, ws.SaveToTable(1, Entry(kMarch7, "Lost?")));
        QVERIFY(ws.ModifiedPanel);
        QCOMPARE(ws.Table().Row(1), before);
    }

    void saveResortsByDate() {
        test::TempFolder folder;
        const QString path = folder.Path("s.is5");
        test::TestContext context;
        BillingSettings settings = Settings();
        MakeThreeLines(path, context, settings);
        StatementWorkspace ws(settings, context);
        ws.Open(path);
        QCOMPARE(ws.Table().Cell(1, ISColumn::ServiceDescription), QString("First"));
        context.now = context.now.addSecs(5);
        const StatementSaveOutcome outcome = ws.SaveToTable(1, Entry(kMarch7, "First, moved"));
        QCOMPARE(outcome.row, 3);
        QCOMPARE(ws.CurrentRow, 3);
        QCOMPARE(ws.Table().Cell(3, ISColumn::RecNo), QString("0"));
    }

    // Two worksheets over one statement: the later save finds the other's.
    void conflictOffersBothVersions_data() {
        QTest::addColumn<bool>("keepEdited");
        QTest::newRow("keep edited") << true;
        QTest::newRow("keep stored") << false;
    }
    void conflictOffersBothVersions() {
        QFETCH(bool, keepEdited);
        test::TempFolder folder;
        const QString path = folder.Path("s.is5");
        test::TestContext context;
        BillingSettings settings = Settings();
        MakeThreeLines(path, context, settings);
        context.now = context.now.addSecs(10);
        StatementWorkspace mine(settings, context);
        StatementWorkspace theirs(settings, context);
        mine.Open(path);
        theirs.Open(path);
        context.now = context.now.addSecs(10);
        QCOMPARE(theirs.SaveToTable(2, Entry(kMarch7 - 5, "Theirs")).kind,
                 StatementSaveOutcome::Saved);
        const QByteArray afterTheirs = folder.ReadBytes("s.is5");
        context.now = context.now.addSecs(10);
        const StatementSaveOutcome outcome = mine.SaveToTable(2, Entry(kMarch7 - 5, "Mine"));
        QCOMPARE(outcome.kind, StatementSaveOutcome::Conflict);
        QCOMPARE(folder.ReadBytes("s.is5"), afterTheirs);
        const StatementConflict& conflict = outcome.conflict;
        QCOMPARE(conflict.slot, 1);
        QCOMPARE(conflict.stored.size(), 4);
        QCOMPARE(conflict.stored[0].caption, QString("Date:"));
        QCOMPARE(conflict.stored[1].caption, QString("Description:"));
        QCOMPARE(conflict.stored[1].value, QString("Theirs"));
        QCOMPARE(conflict.edited[1].value, QString("Mine"));
        QCOMPARE(conflict.stored[2].caption, QString("Time Spent:"));
        QCOMPARE(conflict.stored[2].value, QString("1.50"));
        QCOMPARE(conflict.stored[3].caption, QString("Rate:"));
        QCOMPARE(conflict.edited[3].value, QString("$150.00"));
        const int row = mine.ResolveConflict(conflict, keepEdited);
        QCOMPARE(mine.Table().Cell(row, ISColumn::ServiceDescription),
                 QString(keepEdited ? "Mine" : "Theirs"));
        QCOMPARE(StoredLine(path, 1).ServiceDescription, QString(keepEdited ? "Mine" : "Theirs"));
        if (keepEdited) {
            // Written with fresh stamps: the other copy's next save is caught.
            context.now = context.now.addSecs(10);
            QCOMPARE(theirs.SaveToTable(2, Entry(kMarch7 - 5, "Theirs again")).kind,
                     StatementSaveOutcome::Conflict);
        } else {
            QCOMPARE(folder.ReadBytes("s.is5"), afterTheirs);
        }
    }

    void deleteOnlyLineIsRefusedBeforeWriting() {
        test::TempFolder folder;
        const QString path = folder.Path("s.is5");
        test::TestContext context;
        BillingSettings settings = Settings();
        StatementWorkspace ws(settings, context);
        ws.Open(path);
        const QByteArray before = folder.ReadBytes("s.is5");
        const StatementDeleteOutcome outcome = ws.Delete(1);
        QCOMPARE(outcome.code, 11130);
        QCOMPARE(outcome.row, 1);
        QCOMPARE(folder.ReadBytes("s.is5"), before);
        QCOMPARE(ws.Table().Status(1), QString("0"));
        QVERIFY(!ws.Table().IsHidden(1));
    }

    void deleteMovesToTheNearestLiveLine_data() {
        QTest::addColumn<QList<int>>("deletes");
        QTest::addColumn<QList<int>>("currents");
        QTest::addColumn<QList<int>>("codes");
        QTest::newRow("middle then top")
            << QList<int>{2, 1} << QList<int>{1, 3} << QList<int>{0, 0};
        QTest::newRow("top goes down") << QList<int>{1} << QList<int>{2} << QList<int>{0};
        QTest::newRow("all but the last live one")
            << QList<int>{3, 1, 2} << QList<int>{2, 2, 2} << QList<int>{0, 0, 11130};
    }
    void deleteMovesToTheNearestLiveLine() {
        QFETCH(QList<int>, deletes);
        QFETCH(QList<int>, currents);
        QFETCH(QList<int>, codes);
        test::TempFolder folder;
        const QString path = folder.Path("s.is5");
        test::TestContext context;
        BillingSettings settings = Settings();
        MakeThreeLines(path, context, settings);
        StatementWorkspace ws(settings, context);
        ws.Open(path);
        for (int k = 0; k < deletes.size(); ++k) {
            context.now = context.now.addSecs(1);
            const StatementDeleteOutcome outcome = ws.Delete(deletes[k]);
            QCOMPARE(outcome.code, codes[k]);
            QCOMPARE(outcome.row, currents[k]);
            if (codes[k] == 0) {
                QCOMPARE(StoredLine(path, deletes[k] - 1).Status, -2);
                QVERIFY(ws.Table().IsHidden(deletes[k]));
            }
        }
    }

    void deleteRefusedByConflictPutsStoredLineBack() {
        test::TempFolder folder;
        const QString path = folder.Path("s.is5");
        test::TestContext context;
        BillingSettings settings = Settings();
        MakeThreeLines(path, context, settings);
        context.now = context.now.addSecs(10);
        StatementWorkspace mine(settings, context);
        StatementWorkspace theirs(settings, context);
        mine.Open(path);
        theirs.Open(path);
        context.now = context.now.addSecs(10);
        theirs.SaveToTable(3, Entry(kMarch7 - 4, "Theirs"));
        const QByteArray before = folder.ReadBytes("s.is5");
        const StatementDeleteOutcome outcome = mine.Delete(3);
        QCOMPARE(outcome.code, 9999);
        QCOMPARE(outcome.row, 3);
        QCOMPARE(folder.ReadBytes("s.is5"), before);
        QCOMPARE(mine.Table().Status(3), QString("0"));
        QVERIFY(!mine.Table().IsHidden(3));
        QCOMPARE(mine.Table().Cell(3, ISColumn::ServiceDescription), QString("Theirs"));
    }

    // Two worksheets adding at once both keep their line, each in the slot
    // it was written to.
    void concurrentAddsKeepBothLines() {
        test::TempFolder folder;
        const QString path = folder.Path("s.is5");
        test::TestContext context;
        BillingSettings settings = Settings();
        StatementWorkspace a(settings, context);
        StatementWorkspace b(settings, context);
        a.Open(path);
        b.Open(path);
        const int rowA = a.Add();
        const int rowB = b.Add();
        QCOMPARE(rowA, 2);
        QCOMPARE(rowB, 2);
        QCOMPARE(a.Table().Cell(rowA, ISColumn::RecNo), QString("1"));
        QCOMPARE(b.Table().Cell(rowB, ISColumn::RecNo), QString("2"));
        QCOMPARE(LineCount(path), 3);
        context.now = context.now.addSecs(5);
        b.SaveToTable(rowB, Entry(kMarch7, "B's"));
        a.SaveToTable(rowA, Entry(kMarch7, "A's"));
        QCOMPARE(StoredLine(path, 1).ServiceDescription, QString("A's"));
        QCOMPARE(StoredLine(path, 2).ServiceDescription, QString("B's"));
        QCOMPARE(StoredLine(path, 2).RecNo, 2);
    }

    void addOfAFileGoneFailsWithoutARow() {
        test::TempFolder folder;
        const QString path = folder.Path("s.is5");
        test::TestContext context;
        BillingSettings settings = Settings();
        StatementWorkspace ws(settings, context);
        ws.Open(path);
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
        QVERIFY_THROWS_EXCEPTION(IoError, ws.Add());
        QCOMPARE(ws.Table().DataRowCount(), 1);
    }

    void newLineEntryTakesDateOfTheRowAbove_data() {
        QTest::addColumn<int>("adds");
        QTest::addColumn<double>("date");
        QTest::newRow("row 4 of 4") << 1 << kMarch7 - 4;
        QTest::newRow("row 5 of 5") << 2 << kMarch7 - 4;
    }
    void newLineEntryTakesDateOfTheRowAbove() {
        QFETCH(int, adds);
        QFETCH(double, date);
        test::TempFolder folder;
        const QString path = folder.Path("s.is5");
        test::TestContext context;
        BillingSettings settings = Settings();
        MakeThreeLines(path, context, settings);
        StatementWorkspace ws(settings, context);
        ws.Open(path);
        QCOMPARE(ws.NewLineEntry(2), Entry(kMarch7, "", "", "200"));
        int row = 0;
        for (int k = 0; k < adds; ++k) {
            row = ws.Add();
        }
        QCOMPARE(ws.NewLineEntry(row), Entry(date, "", "", "200"));
    }

    void navigationSkipsDeletedLines() {
        test::TempFolder folder;
        const QString path = folder.Path("s.is5");
        test::TestContext context;
        BillingSettings settings = Settings();
        MakeThreeLines(path, context, settings);
        StatementWorkspace ws(settings, context);
        ws.Open(path);
        context.now = context.now.addSecs(1);
        ws.Delete(2);
        QCOMPARE(ws.First(), 1);
        QCOMPARE(ws.Last(), 3);
        QCOMPARE(ws.Next(1), 3);
        QCOMPARE(ws.Prior(3), 1);
        QCOMPARE(ws.Next(3), 0);
        QCOMPARE(ws.Prior(1), 0);
    }

    void fastFindAndOwnSort() {
        test::TempFolder folder;
        const QString path = folder.Path("s.is5");
        test::TestContext context;
        BillingSettings settings = Settings();
        MakeThreeLines(path, context, settings);
        StatementWorkspace ws(settings, context);
        ws.Open(path);
        QCOMPARE(ws.FindFrom("ir", 1), std::optional<int>(1));
        QCOMPARE(ws.FindFrom("ir", 2), std::optional<int>(3));
        QCOMPARE(ws.FindFrom("IR", 1), std::nullopt);
        QCOMPARE(ws.Sort().SortedColumn, int(ISColumn::ServiceDate));
        ws.SortBy(ISColumn::ServiceDescription, true);
        QCOMPARE(ws.Table().Cell(1, ISColumn::ServiceDescription), QString("First"));
        QVERIFY(!ws.Sort().IsAscending(ISColumn::ServiceDescription));
        ws.SortBy(ISColumn::ServiceDescription, true);
        QCOMPARE(ws.Table().Cell(1, ISColumn::ServiceDescription), QString("Third"));
    }

    void importAppendsTheClientsEntries() {
        test::TempFolder folder;
        const QString path = folder.Path("s.is5");
        const QString calendar = CalendarFilePath(folder.Folder());
        test::TestContext context;
        BillingSettings settings = Settings();
        StatementWorkspace ws(settings, context);
        QCOMPARE(ws.ImportCalendar(calendar, kMarch7, "C-1").code, 0); // not open: no file
        ws.Open(path);
        QCOMPARE(ws.ImportCalendar(calendar, kMarch7 - 10, "C-1").code, 13010);
        DayRec before = MakeBlankDay(kMarch7 - 10, context.clock);
        before.SlotText[18] = "Too early";
        before.SlotClientNo[18] = "C-1";
        WriteDay(calendar, before, kMarch7 - 10);
        DayRec day = MakeBlankDay(kMarch7 - 2, context.clock);
        day.SlotText[18] = "Meeting";
        day.SlotHours[18] = 1.5;
        day.SlotClientNo[18] = "C-1";
        day.SlotText[20] = "Other client";
        day.SlotClientNo[20] = "C-2";
        day.SlotText[30] = "Research";
        day.SlotHours[30] = 0.5;
        day.SlotClientNo[30] = "C-1";
        WriteDay(calendar, day, kMarch7 - 2);
        for (int pass = 1; pass <= 2; ++pass) {
            const StatementImportOutcome outcome = ws.ImportCalendar(calendar, kMarch7 - 10, "C-1");
            QCOMPARE(outcome.code, 0);
            QCOMPARE(outcome.added, 2);
            QCOMPARE(LineCount(path), 1 + 2 * pass);
        }
        QCOMPARE(ws.ImportCutOff, kMarch7 - 10);
        QCOMPARE(ws.Table().DataRowCount(), 5);
        const ISRec third = StoredLine(path, 3);
        QCOMPARE(third.ServiceDescription, QString("Meeting"));
        QCOMPARE(third.TimeSpent, 1.5);
        QCOMPARE(third.HourlyRate, 2'000'000);
        QCOMPARE(third.RecNo, 3);
        QVERIFY(third.Selected);
        QCOMPARE(StoredLine(path, 4).ServiceDescription, QString("Research"));
        QCOMPARE(ws.Table().Cell(1, ISColumn::ServiceDescription), QString("Meeting"));
        QCOMPARE(ws.ImportCalendar(calendar, kMarch7 - 10, "").added, 0);
    }

    void backupTextAndRestoreKeepStatuses() {
        test::TempFolder folder;
        const QString path = folder.Path("s.is5");
        test::TestContext context;
        BillingSettings settings = Settings();
        MakeThreeLines(path, context, settings);
        StatementWorkspace ws(settings, context);
        ws.Open(path);
        context.now = context.now.addSecs(1);
        ws.Delete(2);
        ws.WriteBackupText();
        QCOMPARE(ws.BackupTextPath(), folder.Path("s.txt"));
        const QList<QByteArray> lines = folder.ReadBytes("s.txt").split('\n');
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0],
                 QByteArray("\t3/1/2011\tFirst\t          1.50\t150.00\t3/7/2011 9:30:00 AM\t"
                            "3/7/2011 9:30:00 AM\t0\t0\r"));
        QVERIFY(lines[1].endsWith("\t1\t-2\r"));
        // Damage the statement, then restore it.
        folder.WriteBytes("s.is5", QByteArray(312, 'x'));
        context.now = context.now.addSecs(60);
        const int row = ws.Restore(folder.Path("s.txt"));
        QCOMPARE(row, 3);
        QCOMPARE(LineCount(path), 3);
        QCOMPARE(StoredLine(path, 1).Status, -2);
        QCOMPARE(StoredLine(path, 1).ServiceDescription, QString("Second"));
        QCOMPARE(StoredLine(path, 2).RecNo, 2);
        QCOMPARE(StoredLine(path, 0).PostTime, DateTimeToDayCount(context.now));
        QVERIFY(ws.Table().IsHidden(2));
        QVERIFY(!folder.Exists("s.is5.lock"));
    }

    void restoreRefusesABadTextAndChangesNothing_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("bad date on line 2") << QByteArray(
            "\t3/1/2011\tA\t1.00\t100\t\t\t0\t0\r\n\tnot a date\tB\t1\t1\t\t\t1\t0\r\n");
        QTest::newRow("bad status") << QByteArray("\t3/1/2011\tA\t1.00\t100\t\t\t0\tx\r\n");
        QTest::newRow("bad time") << QByteArray("\t3/1/2011\tA\tlong\t100\t\t\t0\t0\r\n");
        QTest::newRow("status 7") << QByteArray("\t3/1/2011\tA\t1\t100\t\t\t0\t7\r\n");
    }
    void restoreRefusesABadTextAndChangesNothing() {
        test::TempFolder folder;
        const QString path = folder.Path("s.is5");
        test::TestContext context;
        BillingSettings settings = Settings();
        MakeThreeLines(path, context, settings);
        StatementWorkspace ws(settings, context);
        ws.Open(path);
        const QByteArray before = folder.ReadBytes("s.is5");
        const QStringList table = ws.Table().Row(1);
        QFETCH(QByteArray, text);
        folder.WriteBytes("bad.txt", text);
        QVERIFY_THROWS_EXCEPTION(ConversionError, ws.Restore(folder.Path("bad.txt")));
        QCOMPARE(folder.ReadBytes("s.is5"), before);
        QCOMPARE(ws.Table().Row(1), table);
    }

    void restoreWithoutStatusFieldMakesLinesLive() {
        test::TempFolder folder;
        const QString path = folder.Path("s.is5");
        test::TestContext context;
        BillingSettings settings = Settings();
        StatementWorkspace ws(settings, context);
        ws.Open(path);
        folder.WriteBytes("short.txt",
                          "\t3/1/2011\tA\t1.00\t100\r\n\t3/2/2011\tB\t2\t$1,000.00\r\n");
        QCOMPARE(ws.Restore(folder.Path("short.txt")), 2);
        QCOMPARE(StoredLine(path, 1).HourlyRate, 10'000'000);
        QCOMPARE(StoredLine(path, 1).Status, 0);
        QCOMPARE(ws.Table().Cell(2, ISColumn::RecNo), QString("1"));
    }

    void restoreIntoAFolderInPlaceFailsUnchanged() {
        test::TempFolder folder;
        const QString path = folder.Path("s.is5");
        test::TestContext context;
        BillingSettings settings = Settings();
        StatementWorkspace ws(settings, context);
        ws.Open(path);
        ws.WriteBackupText();
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
        QVERIFY_THROWS_EXCEPTION(IoError, ws.Restore(folder.Path("s.txt")));
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(ws.Table().DataRowCount(), 1);
    }
};

KIV5_CORE_TEST_MAIN(TestStatementWorkspace)
#include "tst_StatementWorkspace.moc"
