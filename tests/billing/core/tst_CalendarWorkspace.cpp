#include "billing/core/CalendarClientList.h"
#include "billing/core/CalendarFile.h"
#include "billing/core/CalendarWorkspace.h"
#include "common/core/Exceptions.h"
#include "common/core/RecordFile.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <QDir>

using namespace kiv5;
using namespace kiv5::billing;

namespace {

constexpr double kMarch7 = 40609; // Monday 3/7/2011, the test context's today

int DayCountOf(const QString& path) {
    return static_cast<int>(QFileInfo(path).size() / 4232);
}

DayEntries EntriesWith(int slot, const QString& text, const QString& client = {},
                       const QString& length = {}) {
    DayEntries entries;
    entries.text[static_cast<std::size_t>(slot)] = text;
    entries.clientNo[static_cast<std::size_t>(slot)] = client;
    entries.length[static_cast<std::size_t>(slot)] = length;
    return entries;
}

void StoreOn(const QString& path, DayCount date, int slot, const QString& text,
             const QString& notes = {}) {
    DayRec day;
    day.Day = date;
    day.SlotText[static_cast<std::size_t>(slot)] = text;
    day.DayNotes = notes;
    WriteDay(path, day, date);
}

} // namespace

class TestCalendarWorkspace : public QObject {
    Q_OBJECT

private slots:
    void slotLabels_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("shaded");
        QTest::newRow("midnight") << 0 << "MidN" << true;
        QTest::newRow("half past midnight") << 1 << "12:30" << true;
        QTest::newRow("one") << 2 << "1:00" << true;
        QTest::newRow("7:30") << 15 << "7:30" << true;
        QTest::newRow("8:00") << 16 << "8:00" << false;
        QTest::newRow("noon") << 24 << "Noon" << false;
        QTest::newRow("12:30 pm") << 25 << "12:30" << false;
        QTest::newRow("5:30 pm") << 35 << "5:30" << false;
        QTest::newRow("6:00 pm") << 36 << "6:00" << true;
        QTest::newRow("11:30 pm") << 47 << "11:30" << true;
    }
    void slotLabels() {
        QFETCH(int, slot);
        QFETCH(QString, label);
        QFETCH(bool, shaded);
        QCOMPARE(SlotLabel(slot), label);
        QCOMPARE(IsShadedSlot(slot), shaded);
    }

    void monthLayout_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("firstColumn");
        QTest::addColumn<QString>("caption");
        QTest::newRow("starts on Saturday") << 2011 << 1 << 6 << 7 << "JAN";
        QTest::newRow("February from Sunday") << 2015 << 2 << 4 << 1 << "FEB";
        QTest::newRow("March 2011") << 2011 << 3 << 5 << 3 << "MAR";
    }
    void monthLayout() {
        QFETCH(int, year);
        QFETCH(int, month);
        const std::vector<MonthCell> cells = MonthCells(year, month);
        QFETCH(int, rows);
        QFETCH(int, firstColumn);
        QFETCH(QString, caption);
        QCOMPARE(MonthRows(year, month), rows);
        QCOMPARE(cells.front().row, 1);
        QCOMPARE(cells.front().column, firstColumn);
        QCOMPARE(int(cells.size()), QDate(year, month, 1).daysInMonth());
        QCOMPARE(MonthCaption(month), caption);
    }

    void weekStartsOnSunday_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QString>("caption");
        QTest::newRow("monday") << QDate(2011, 3, 7) << QDate(2011, 3, 6) << "Sun - 3/6/2011";
        QTest::newRow("sunday") << QDate(2011, 3, 6) << QDate(2011, 3, 6) << "Sun - 3/6/2011";
        QTest::newRow("saturday") << QDate(2011, 3, 12) << QDate(2011, 3, 6) << "Sun - 3/6/2011";
    }
    void weekStartsOnSunday() {
        QFETCH(QDate, date);
        QFETCH(QDate, start);
        QCOMPARE(WeekStartOf(date), start);
        QFETCH(QString, caption);
        QCOMPARE(WeekColumnCaption(start), caption);
        QCOMPARE(WeekColumnCaption(start.addDays(4)), QString("Thu - 3/10/2011"));
    }

    void dayViewConversions_data() {
        QTest::addColumn<QString>("length");
        QTest::addColumn<double>("hours");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QList<int>>("codes");
        QTest::newRow("half") << "0.5" << 0.5 << "0.5" << QList<int>{};
        QTest::newRow("whole") << "2" << 2.0 << "2" << QList<int>{};
        QTest::newRow("zero shown empty") << "0" << 0.0 << "" << QList<int>{};
        QTest::newRow("negative shown empty") << "-1" << -1.0 << "" << QList<int>{};
        QTest::newRow("no number") << "abc" << 0.0 << "" << QList<int>{21182};
    }
    void dayViewConversions() {
        QFETCH(QString, length);
        QFETCH(double, hours);
        QFETCH(QString, shown);
        QFETCH(QList<int>, codes);
        test::TestContext context;
        DayEntries entries = EntriesWith(20, QString(70, 'a'), "ABCDEFGHIJ", length);
        entries.notes = "Line one\nLine two";
        const DayRec record = DayViewToRecord(entries, kMarch7, context.clock, context.errors);
        QCOMPARE(record.Day, kMarch7);
        QCOMPARE(record.SlotText[20], QString(64, 'a'));
        QCOMPARE(record.SlotClientNo[20], QString("ABCDEFGH"));
        QCOMPARE(record.SlotHours[20], hours);
        QCOMPARE(record.DayNotes, QString("Line one\r\nLine two"));
        QCOMPARE(record.PostTime, context.Now());
        QCOMPARE(context.codes, codes);
        const DayEntries back = RecordToDayView(record);
        QCOMPARE(back.length[20], shown);
        QCOMPARE(back.notes, entries.notes);
    }

    void dayNeverStoredIsBlankAndStoringAppendsOnce() {
        test::TempFolder folder;
        test::TestContext context;
        const QString path = CalendarFilePath(folder.Folder());
        CalendarWorkspace ws(path, context);
        QCOMPARE(ws.CurrentDate(), kMarch7);
        QVERIFY(!HasEntries(ws.CurrentDay()));
        QVERIFY(!QFileInfo::exists(path));
        ws.DayModified = true;
        ws.StoreDay(EntriesWith(17, "Court", "C-1", "2"));
        QVERIFY(!ws.DayModified);
        QCOMPARE(DayCountOf(path), 1);
        ws.StoreDay(EntriesWith(18, "Court again"));
        QCOMPARE(DayCountOf(path), 1);
        const DayRec stored = ReadDay(path, kMarch7, context.clock);
        QCOMPARE(stored.SlotText[17], QString());
        QCOMPARE(stored.SlotText[18], QString("Court again"));
        ws.Move(CalendarMove::ForwardDay);
        ws.StoreDay(EntriesWith(18, "Next day"));
        QCOMPARE(DayCountOf(path), 2);
        QVERIFY(!folder.Exists("orvcal5.cal.lock"));
    }

    void moves_data() {
        QTest::addColumn<int>("move");
        QTest::addColumn<QDate>("target");
        QTest::newRow("back year") << int(CalendarMove::BackYear) << QDate(2010, 3, 7);
        QTest::newRow("back month") << int(CalendarMove::BackMonth) << QDate(2011, 2, 7);
        QTest::newRow("back week") << int(CalendarMove::BackWeek) << QDate(2011, 2, 28);
        QTest::newRow("back day") << int(CalendarMove::BackDay) << QDate(2011, 3, 6);
        QTest::newRow("forward day") << int(CalendarMove::ForwardDay) << QDate(2011, 3, 8);
        QTest::newRow("forward week") << int(CalendarMove::ForwardWeek) << QDate(2011, 3, 14);
        QTest::newRow("forward month") << int(CalendarMove::ForwardMonth) << QDate(2011, 4, 7);
        QTest::newRow("forward year") << int(CalendarMove::ForwardYear) << QDate(2012, 3, 7);
        QTest::newRow("today") << int(CalendarMove::Today) << QDate(2011, 3, 7);
    }
    void moves() {
        QFETCH(int, move);
        QFETCH(QDate, target);
        test::TempFolder folder;
        test::TestContext context;
        const QString path = CalendarFilePath(folder.Folder());
        StoreOn(path, DateToDayCount(target), 20, "There");
        CalendarWorkspace ws(path, context);
        if (move == int(CalendarMove::Today)) {
            ws.GoTo(kMarch7 + 100);
        }
        ws.Move(static_cast<CalendarMove>(move));
        QCOMPARE(ws.CurrentQDate(), target);
        QCOMPARE(ws.CurrentDay().SlotText[20], QString("There"));
    }

    void weekAndMonthDays() {
        test::TempFolder folder;
        test::TestContext context;
        const QString path = CalendarFilePath(folder.Folder());
        StoreOn(path, kMarch7 + 2, 20, "Wednesday");
        StoreOn(path, kMarch7 - 6, 1, "", "Only notes");
        StoreOn(path, kMarch7 + 30, 3, "April");
        CalendarWorkspace ws(path, context);
        QCOMPARE(ws.WeekStart(), QDate(2011, 3, 6));
        const std::array<DayRec, 7> week = ws.WeekDays(ws.WeekStart());
        QCOMPARE(week[3].SlotText[20], QString("Wednesday"));
        QCOMPARE(week[3].Day, kMarch7 + 2);
        QCOMPARE(week[0].Day, kMarch7 - 1);
        QCOMPARE(ws.BoldDays(2011, 3), QSet<int>({1, 9}));
        QCOMPARE(ws.BoldDays(2011, 4), QSet<int>({6}));
        const std::vector<DayRec> month = ws.MonthDays(2011, 3);
        QCOMPARE(MonthCellText(9, month[8]), QString("9  Wednesday; "));
        QCOMPARE(MonthCellText(2, month[1]), QString("2  "));
    }

    // A week-view cell stores the texts of its day's column; the day's
    // client numbers, lengths and notes stay as stored.
    void weekColumnStoresSlotTextsOnly() {
        test::TempFolder folder;
        test::TestContext context;
        const QString path = CalendarFilePath(folder.Folder());
        CalendarWorkspace ws(path, context);
        ws.StoreDay(EntriesWith(18, "Call", "C-7", "1.5"));
        std::array<QString, kDaySlots> texts;
        texts[18] = "Call, moved";
        texts[19] = QString(80, 'w');
        context.now = context.now.addSecs(60);
        ws.StoreWeekColumn(QDate(2011, 3, 7), texts);
        ws.StoreWeekColumn(QDate(2011, 3, 8), texts);
        QCOMPARE(DayCountOf(path), 2);
        const DayRec stored = ReadDay(path, kMarch7, context.clock);
        QCOMPARE(stored.SlotText[18], QString("Call, moved"));
        QCOMPARE(stored.SlotText[19], QString(64, 'w'));
        QCOMPARE(stored.SlotClientNo[18], QString("C-7"));
        QCOMPARE(stored.SlotHours[18], 1.5);
        QCOMPARE(stored.PostTime, context.Now());
        QCOMPARE(ws.CurrentDay().SlotText[18], QString("Call, moved"));
    }

    // Two windows over one calendar: each sees the days the other appended.
    void indexFollowsOtherUsers() {
        test::TempFolder folder;
        test::TestContext context;
        const QString path = CalendarFilePath(folder.Folder());
        CalendarWorkspace mine(path, context);
        CalendarWorkspace theirs(path, context);
        mine.StoreDay(EntriesWith(20, "Mine"));
        QCOMPARE(mine.BoldDays(2011, 3), QSet<int>({7}));
        theirs.GoTo(kMarch7 + 1);
        theirs.StoreDay(EntriesWith(20, "Theirs"));
        QCOMPARE(mine.BoldDays(2011, 3), QSet<int>({7, 8}));
        theirs.GoTo(kMarch7);
        QCOMPARE(theirs.CurrentDay().SlotText[20], QString("Mine"));
        mine.GoTo(kMarch7 + 1);
        mine.StoreDay(EntriesWith(21, "Mine on the 8th"));
        QCOMPARE(DayCountOf(path), 2);
    }

    void find_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("date");
        QTest::addColumn<int>("slot");
        QTest::newRow("slot 0 first")
            << "deposition" << int(CalendarFindOutcome::Found) << kMarch7 - 3 << 0;
        QTest::newRow("notes before later slots")
            << "smith" << int(CalendarFindOutcome::Found) << kMarch7 - 3 << -1;
        QTest::newRow("later slot")
            << "LUNCH" << int(CalendarFindOutcome::Found) << kMarch7 - 3 << 30;
        QTest::newRow("latest earlier day")
            << "filing" << int(CalendarFindOutcome::Found) << kMarch7 - 1 << 22;
        QTest::newRow("only after today")
            << "future" << int(CalendarFindOutcome::NotFound) << kMarch7 << -1;
        QTest::newRow("today itself is not searched")
            << "today" << int(CalendarFindOutcome::NotFound) << kMarch7 << -1;
        QTest::newRow("nowhere") << "zebra" << int(CalendarFindOutcome::NotFound) << kMarch7 << -1;
    }
    void find() {
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(double, date);
        QFETCH(int, slot);
        test::TempFolder folder;
        test::TestContext context;
        const QString path = CalendarFilePath(folder.Folder());
        StoreOn(path, kMarch7 + 3, 20, "Future hearing");
        StoreOn(path, kMarch7 - 1, 22, "Filing day");
        StoreOn(path, kMarch7, 22, "Today: filing");
        DayRec day;
        day.Day = kMarch7 - 3;
        day.SlotText[0] = "Deposition";
        day.SlotText[30] = "Lunch with Smith";
        day.DayNotes = "Smith file";
        WriteDay(path, day, day.Day);
        StoreOn(path, kMarch7 - 20, 22, "Old filing");
        CalendarWorkspace ws(path, context);
        const CalendarFindOutcome outcome = ws.Find(text);
        QCOMPARE(int(outcome.kind), kind);
        QCOMPARE(ws.LastSearch, text);
        QCOMPARE(ws.CurrentDate(), date);
        if (kind == int(CalendarFindOutcome::Found)) {
            QCOMPARE(outcome.date, date);
            QCOMPARE(outcome.slot, slot);
        }
    }

    void findWithoutCalendarFile() {
        test::TempFolder folder;
        test::TestContext context;
        CalendarWorkspace ws(CalendarFilePath(folder.Folder()), context);
        QCOMPARE(ws.Find("x").kind, CalendarFindOutcome::NoFile);
    }

    void damagedCalendarIsRefused() {
        test::TempFolder folder;
        folder.WriteBytes("orvcal5.cal", QByteArray(5000, '\0'));
        test::TestContext context;
        QVERIFY_THROWS_EXCEPTION(IoError,
                                 CalendarWorkspace(CalendarFilePath(folder.Folder()), context));
        QCOMPARE(folder.ReadBytes("orvcal5.cal"), QByteArray(5000, '\0'));
    }

    void clientSelectorPreselection_data() {
        QTest::addColumn<QString>("clientNo");
        QTest::addColumn<int>("index");
        QTest::newRow("equal") << "C-12" << 1;
        QTest::newRow("letter case ignored") << "c-12" << 1;
        QTest::newRow("contained is not equal") << "C-1" << -1;
        QTest::newRow("empty preselects none") << "" << -1;
        QTest::newRow("the last of two") << "7" << 3;
    }
    void clientSelectorPreselection() {
        QFETCH(QString, clientNo);
        QFETCH(int, index);
        const QStringList entries = {"Adams, Ann - C-123", "Brown, Bo - C-12", "Cole, Cy - 7",
                                     "Dunn, Di - 7", "Eve, No number"};
        QCOMPARE(IndexOfClient(entries, clientNo), index);
        QCOMPARE(ClientNumberOfEntry(entries[1]), QString("C-12"));
        QCOMPARE(ClientNumberOfEntry(entries[4]), QString());
        QCOMPARE(ClientNumberOfEntry("Smith - Jones, Al - 9"), QString("Jones, Al - 9"));
    }

    void clientSelectorWithoutClientFileIsEmpty() {
        test::TempFolder folder;
        QCOMPARE(ReadSelectorClients(folder.Folder(), "kiv5.pl5"), QStringList());
        QCOMPARE(ReadSelectorClients(folder.Folder(), ""), QStringList());
    }

    void storingIntoAFolderFails() {
        test::TempFolder folder;
        test::TestContext context;
        const QString path = CalendarFilePath(folder.Folder());
        CalendarWorkspace ws(path, context);
        QVERIFY(QDir().mkdir(path));
        ws.DayModified = true;
        QVERIFY_THROWS_EXCEPTION(IoError, ws.StoreDay(EntriesWith(20, "Lost?")));
        QVERIFY(ws.DayModified);
        QVERIFY(QFileInfo(path).isDir());
    }
};

KIV5_CORE_TEST_MAIN(TestCalendarWorkspace)
#include "tst_CalendarWorkspace.moc"
