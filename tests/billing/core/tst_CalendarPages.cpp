// The calendar printouts: slot labels, headings, the day, week and month
// answers from one read of the calendar file, notes kept line by line, a
// missing calendar, a damaged one, a missing template and an output that
// cannot be written, and the pages as LibreOffice shows them.

#include "billing/core/CalendarFile.h"
#include "billing/core/CalendarPages.h"
#include "common/core/DateTime.h"
#include "common/core/Exceptions.h"
#include "common/core/RecordFile.h"
#include "common/core/RtfTemplateFolder.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestOffice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace kiv5;
using namespace kiv5::billing;
using namespace kiv5::test;

namespace {

QString InstalledTemplates() {
    return TemplateFolder(OfficeFolders{}, QStringLiteral("quenby5"));
}

DayRec Day(QDate date, std::initializer_list<std::pair<int, QString>> texts,
           const QString& notes = {}) {
    DayRec day;
    day.Day = DateToDayCount(date);
    for (const auto& [slot, text] : texts) {
        day.SlotText[static_cast<std::size_t>(slot)] = text;
    }
    day.DayNotes = notes;
    return day;
}

// The answers a page leaves, entry by entry.
QStringList Entries(const TAnswer& answers, int page) {
    QStringList entries;
    for (int slot = 0; slot <= kLastCalendarEntry; ++slot) {
        entries << answers.Answer(page, slot);
    }
    return entries;
}

} // namespace

class TestCalendarPages : public QObject {
    Q_OBJECT

private slots:
    void slotLabels_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("label");
        const QList<std::pair<int, const char*>> labels = {
            {0, "12a"},     {1, "12:30a"}, {3, "1:30a"},   {9, "4:30a"},  {10, "5"},
            {11, "5:30a"},  {12, "6"},     {13, "6:30a"},  {14, "7"},     {16, "8a"},
            {23, "11:30a"}, {24, "12p"},   {25, "12:30p"}, {27, "1:30p"}, {34, "5"},
            {35, "5:30p"},  {36, "6"},     {38, "7"},      {40, "8p"},    {47, "11:30p"},
            {-1, ""},       {48, ""}};
        for (const auto& [slot, label] : labels) {
            QTest::addRow("slot %d", slot) << slot << QString::fromLatin1(label);
        }
    }
    void slotLabels() {
        QFETCH(int, slot);
        QFETCH(QString, label);
        QCOMPARE(PrintedSlotLabel(slot), label);
    }

    void dayHeadings_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("heading");
        QTest::newRow("Sunday") << QDate(2011, 3, 6) << "Sunday - March 6, 2011";
        QTest::newRow("Monday") << QDate(2011, 3, 7) << "Monday - March 7, 2011";
        QTest::newRow("Wednesday") << QDate(2026, 12, 2) << "Wednesday - December 2, 2026";
        QTest::newRow("Saturday") << QDate(2026, 8, 1) << "Saturday - August 1, 2026";
    }
    void dayHeadings() {
        QFETCH(QDate, date);
        QFETCH(QString, heading);
        QCOMPARE(DayHeading(date), heading);
    }

    void firstDayOfThePrintout_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QDate>("current");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<int>("days");
        const auto week = static_cast<int>(CalendarPageKind::Week);
        QTest::newRow("day") << static_cast<int>(CalendarPageKind::Day) << QDate(2011, 3, 9)
                             << QDate(2011, 3, 9) << 1;
        QTest::newRow("week from its Sunday")
            << week << QDate(2011, 3, 6) << QDate(2011, 3, 6) << 7;
        QTest::newRow("week from a Monday") << week << QDate(2011, 3, 7) << QDate(2011, 3, 6) << 7;
        QTest::newRow("week from a Saturday")
            << week << QDate(2011, 3, 12) << QDate(2011, 3, 6) << 7;
        QTest::newRow("week across a year")
            << week << QDate(2027, 1, 1) << QDate(2026, 12, 27) << 7;
        QTest::newRow("month") << static_cast<int>(CalendarPageKind::Month) << QDate(2026, 8, 19)
                               << QDate(2026, 8, 1) << 31;
        QTest::newRow("February") << static_cast<int>(CalendarPageKind::Month) << QDate(2028, 2, 29)
                                  << QDate(2028, 2, 1) << 29;
    }
    void firstDayOfThePrintout() {
        QFETCH(int, kind);
        QFETCH(QDate, current);
        QFETCH(QDate, first);
        QFETCH(int, days);
        const auto pageKind = static_cast<CalendarPageKind>(kind);
        QCOMPARE(CalendarPageFirstDay(pageKind, current), first);
        QCOMPARE(CalendarPageDayCount(pageKind, first), days);
    }

    void notesKeepTheirLinesEscaped_data() {
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QString>("answer");
        QTest::newRow("one line") << "Court closes at 3"
                                  << "Court closes at 3";
        QTest::newRow("CR LF") << "Call Smith\r\nBring the file"
                               << "Call Smith\\line Bring the file";
        QTest::newRow("LF and CR") << "a\nb\rc"
                                   << "a\\line b\\line c";
        QTest::newRow("empty line kept") << "a\r\n\r\nb"
                                         << "a\\line \\line b";
        QTest::newRow("escaped") << "{x} \\ Schäfer\r\n\\par"
                                 << "\\{x\\} \\\\ Sch\\'e4fer\\line \\\\par";
        QTest::newRow("empty") << ""
                               << "";
    }
    void notesKeepTheirLinesEscaped() {
        QFETCH(QString, notes);
        QFETCH(QString, answer);
        QCOMPARE(RtfLines(notes), answer);
    }

    void dayPage() {
        const QDate day(2011, 3, 7);
        CalendarPageDays days;
        days.days.emplace(day, Day(day, {{0, "Midnight {call}"}, {27, "Lunch"}, {47, "Late"}},
                                   "Line one\r\nLine two"));
        TAnswer answers(DocumentProgram::Billing);
        CalcDay(day, days, answers);
        QStringList expected(kLastCalendarEntry + 1);
        expected[0] = "Midnight \\{call\\}";
        expected[27] = "Lunch";
        expected[47] = "Late";
        expected[48] = "Line one\\line Line two";
        expected[49] = "Monday - March 7, 2011";
        QCOMPARE(Entries(answers, kDayTemplatePage), expected);

        // The next day has no record: heading only, nothing left over.
        CalcDay(day.addDays(1), days, answers);
        expected.fill(QString());
        expected[49] = "Tuesday - March 8, 2011";
        QCOMPARE(Entries(answers, kDayTemplatePage), expected);
    }

    void weekPage() {
        const QDate sunday(2011, 3, 6);
        CalendarPageDays days;
        days.days.emplace(
            sunday.addDays(1),
            Day(sunday.addDays(1), {{16, "Court"}, {27, "Client {A}"}}, "Bring\nfile"));
        days.days.emplace(sunday.addDays(6), Day(sunday.addDays(6), {}, "Notes only"));
        days.days.emplace(sunday.addDays(7), Day(sunday.addDays(7), {{16, "Next week"}}));
        TAnswer answers(DocumentProgram::Billing);
        answers.SetAnswer(kWeekTemplatePage, 50, "left over");
        CalcWeek(sunday, days, answers);
        QStringList expected(kLastCalendarEntry + 1);
        const QStringList headings = {"Sunday - March 6, 2011",    "Monday - March 7, 2011",
                                      "Tuesday - March 8, 2011",   "Wednesday - March 9, 2011",
                                      "Thursday - March 10, 2011", "Friday - March 11, 2011",
                                      "Saturday - March 12, 2011"};
        for (int i = 0; i < 7; ++i) {
            expected[3 * i] = headings[i];
        }
        expected[4] = " 8a-Court; 1:30p-Client \\{A\\};";
        expected[5] = "Bring\\line file";
        expected[20] = "Notes only";
        expected[21] = "Week Beginning March 6, 2011";
        QCOMPARE(Entries(answers, kWeekTemplatePage), expected);
    }

    void weekWithoutRecords() {
        TAnswer answers(DocumentProgram::Billing);
        CalcWeek(QDate(2011, 3, 6), CalendarPageDays{}, answers);
        QStringList filled;
        for (const QString& entry : Entries(answers, kWeekTemplatePage)) {
            if (!entry.isEmpty()) {
                filled << entry;
            }
        }
        QCOMPARE(filled.size(), 8);
        QCOMPARE(filled.last(), QString("Week Beginning March 6, 2011"));
    }

    void monthGrid_data() {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<int>("firstEntry");
        QTest::addColumn<int>("lastEntry");
        QTest::addColumn<QString>("title");
        QTest::newRow("starts on a Sunday") << QDate(2026, 2, 1) << 0 << 27 << "February 2026";
        QTest::newRow("31 days from a Saturday") << QDate(2026, 8, 1) << 6 << 36 << "August 2026";
        QTest::newRow("30 days from a Saturday")
            << QDate(2029, 9, 1) << 6 << 35 << "September 2029";
        QTest::newRow("starts on a Wednesday") << QDate(2026, 4, 1) << 3 << 32 << "April 2026";
    }
    void monthGrid() {
        QFETCH(QDate, first);
        QFETCH(int, firstEntry);
        QFETCH(int, lastEntry);
        QFETCH(QString, title);
        CalendarPageDays days;
        days.days.emplace(first, Day(first, {{18, "Opening {day}"}, {27, "Lunch"}}, "no notes"));
        const QDate last = first.addDays(first.daysInMonth() - 1);
        days.days.emplace(last, Day(last, {{34, "Dinner"}}));
        TAnswer answers(DocumentProgram::Billing);
        CalcMonth(first, days, answers);
        QStringList expected(kLastCalendarEntry + 1);
        for (int entry = firstEntry; entry <= lastEntry; ++entry) {
            expected[entry] = QStringLiteral("\\b %1\\b0\\line ").arg(entry - firstEntry + 1);
        }
        expected[firstEntry] += "9a-Opening \\{day\\}; 1:30p-Lunch; ";
        expected[lastEntry] += "5-Dinner; ";
        expected[kMonthTitleEntry] = title;
        QCOMPARE(Entries(answers, kMonthTemplatePage), expected);
    }

    void oneReadFindsTheFirstRecordOfEachDay() {
        TempFolder folder;
        const QString path = folder.Path("orvcal5.cal");
        const QDate first(2026, 8, 1);
        WriteAllRecords<DayRec>(path, {Day(first.addDays(40), {{1, "Outside"}}),
                                       Day(first.addDays(2), {{1, "First"}}),
                                       Day(first.addDays(2), {{1, "Second copy"}}),
                                       Day(first.addDays(30), {{1, "Last day"}})});
        const CalendarPageDays days = ReadCalendarPageDays(path, first, 31);
        QVERIFY(!days.fileMissing);
        QCOMPARE(days.days.size(), std::size_t{2});
        QCOMPARE(days.Find(first.addDays(2))->SlotText[1], QString("First"));
        QCOMPARE(days.Find(first.addDays(30))->SlotText[1], QString("Last day"));
        QVERIFY(!days.Find(first.addDays(40)));
        QVERIFY(!days.Find(first));
    }

    void missingCalendarIsToldOncePerPrintout_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("day") << static_cast<int>(CalendarPageKind::Day);
        QTest::newRow("week") << static_cast<int>(CalendarPageKind::Week);
        QTest::newRow("month") << static_cast<int>(CalendarPageKind::Month);
    }
    void missingCalendarIsToldOncePerPrintout() {
        QFETCH(int, kind);
        TempFolder folder;
        ErrorRecorder errors;
        const QString calendar = folder.Path("orvcal5.cal");
        const CalendarPageOutcome outcome =
            WriteCalendarPage(static_cast<CalendarPageKind>(kind), QDate(2026, 8, 19), calendar,
                              InstalledTemplates(), folder.Path("out.rtf"), errors);
        QVERIFY(outcome.calendarMissing);
        QCOMPARE(MissingCalendarText(calendar), "Could not find file: " + calendar);
        QCOMPARE(errors.codes, QList<int>());
        QVERIFY(folder.ReadBytes("out.rtf").startsWith("{\\rtf1"));
        QVERIFY(!folder.Exists("orvcal5.cal"));
    }

    void failuresLeaveTheOutputAsItWas_data() {
        QTest::addColumn<QString>("failure");
        QTest::newRow("damaged calendar") << "calendar";
        QTest::newRow("template missing") << "template";
        QTest::newRow("DAT missing") << "dat";
        QTest::newRow("output is a folder") << "output";
    }
    void failuresLeaveTheOutputAsItWas() {
        QFETCH(QString, failure);
        TempFolder folder;
        TempFolder templates;
        for (const QString& name : QDir(InstalledTemplates()).entryList(QDir::Files)) {
            QVERIFY(QFile::copy(InstalledTemplates() + name, templates.Path(name)));
        }
        const QString calendar = folder.Path("orvcal5.cal");
        WriteDay(calendar, Day(QDate(2026, 8, 3), {{18, "Court"}}), DateToDayCount({2026, 8, 3}));
        QString out = folder.Path("out.rtf");
        const QByteArray before = "{\\rtf1 an earlier document}";
        folder.WriteBytes("out.rtf", before);
        if (failure == "calendar") {
            QFile file(calendar);
            QVERIFY(file.open(QIODevice::Append));
            file.write("torn");
        } else if (failure == "template") {
            QVERIFY(QFile::remove(templates.Path("page2.rtf")));
        } else if (failure == "dat") {
            QVERIFY(QFile::remove(templates.Path("PAGE2.DAT")));
        } else {
            out = folder.Path("folder.rtf");
            QVERIFY(QDir().mkpath(out + "/inside"));
        }
        const QByteArray calendarBefore = folder.ReadBytes("orvcal5.cal");
        ErrorRecorder errors;
        QVERIFY_THROWS_EXCEPTION(IoError,
                                 WriteCalendarPage(CalendarPageKind::Month, QDate(2026, 8, 3),
                                                   calendar, templates.Folder(), out, errors));
        QCOMPARE(folder.ReadBytes("out.rtf"), before);
        QCOMPARE(folder.ReadBytes("orvcal5.cal"), calendarBefore);
        QCOMPARE(QDir(folder.Folder()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                 failure == "output" ? QStringList({"folder.rtf", "orvcal5.cal", "out.rtf"})
                                     : QStringList({"orvcal5.cal", "out.rtf"}));
    }

    void libreOfficeShowsTheMonthAndTheNotes() {
        TestOffice office;
        if (!office.IsInstalled()) {
            QSKIP("soffice is not on PATH");
        }
        TempFolder folder;
        const QString calendar = folder.Path("orvcal5.cal");
        const QDate first(2026, 8, 1);
        WriteAllRecords<DayRec>(calendar,
                                {Day(first, {{18, "Court {A}"}}, "Bring the file\r\nCall Schäfer"),
                                 Day(first.addDays(30), {{34, "Dinner"}})});
        ErrorRecorder errors;
        WriteCalendarPage(CalendarPageKind::Month, first, calendar, InstalledTemplates(),
                          folder.Path("month.rtf"), errors);
        WriteCalendarPage(CalendarPageKind::Day, first, calendar, InstalledTemplates(),
                          folder.Path("day.rtf"), errors);
        QCOMPARE(errors.codes, QList<int>());
        const QStringList month = office.TextShown(folder.Path("month.rtf")).split('\n');
        QVERIFY(month.contains("August 2026"));
        // The day number stands on its own line above the day's entries.
        const qsizetype one = month.indexOf("1");
        QVERIFY2(one >= 0, qPrintable(month.join('|')));
        QCOMPARE(month.value(one + 1), QString("9a-Court {A}; "));
        const qsizetype last = month.indexOf("31");
        QVERIFY(last > one);
        QCOMPARE(month.value(last + 1), QString("5-Dinner; "));
        QVERIFY(!month.join('\n').contains("/*"));

        const QStringList day = office.TextShown(folder.Path("day.rtf")).split('\n');
        QVERIFY(day.contains("Saturday - August 1, 2026"));
        const qsizetype notes = day.indexOf("Bring the file");
        QVERIFY2(notes >= 0, qPrintable(day.join('|')));
        QCOMPARE(day.value(notes + 1), QString("Call Schäfer"));
        QVERIFY(day.contains("Court {A}"));
    }
};

KIV5_CORE_TEST_MAIN(TestCalendarPages)
#include "tst_CalendarPages.moc"
