// kiv5 calendar on a real calendar file: the answers of the day, week and
// month pages, a missing calendar told once, the arguments it refuses and a
// page it cannot write, leaving an existing one as it was.

#include "billing/core/CalendarFile.h"
#include "common/core/DateTime.h"
#include "common/core/RecordFile.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"
#include "tests/tools/ToolRun.h"

#include <QDir>

using namespace kiv5;
using namespace kiv5::billing;
using namespace kiv5::test;

namespace {

const QDate kMonday(2011, 3, 7);

// Monday 3/7/2011 with two slots and two lines of notes, Tuesday with one
// slot.
void MakeCalendar(const TempFolder& folder) {
    DayRec monday;
    monday.SlotText[16] = "Court {A}";
    monday.SlotText[27] = "Lunch";
    monday.DayNotes = "Bring the file\r\nCall Smith";
    WriteDay(folder.Path("orvcal5.cal"), monday, DateToDayCount(kMonday));
    DayRec tuesday;
    tuesday.SlotText[34] = "Dinner";
    WriteDay(folder.Path("orvcal5.cal"), tuesday, DateToDayCount(kMonday.addDays(1)));
}

QStringList Arguments(const TempFolder& folder, const QString& kind, const QString& date) {
    return {"calendar", folder.Path("orvcal5.cal"), kind, date, "--out", folder.Path("page.rtf")};
}

} // namespace

class TestCalendarCommand : public QObject {
    Q_OBJECT

private slots:
    void answersOfEachPage_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QStringList>("answers");
        QTest::newRow("day") << "--day"
                             << "3/7/2011"
                             << QStringList{"1\t16\tCourt \\{A\\}", "1\t27\tLunch",
                                            "1\t48\tBring the file\\line Call Smith",
                                            "1\t49\tMonday - March 7, 2011"};
        QTest::newRow("day without a record")
            << "--day"
            << "3/9/2011" << QStringList{"1\t49\tWednesday - March 9, 2011"};
        QTest::newRow("week from a Saturday")
            << "--week"
            << "3/12/2011"
            << QStringList{
                   "1\t0\tSunday - March 6, 2011",          "1\t3\tMonday - March 7, 2011",
                   "1\t4\t 8a-Court \\{A\\}; 1:30p-Lunch;", "1\t5\tBring the file\\line Call Smith",
                   "1\t6\tTuesday - March 8, 2011",         "1\t7\t 5-Dinner;",
                   "1\t9\tWednesday - March 9, 2011",       "1\t12\tThursday - March 10, 2011",
                   "1\t15\tFriday - March 11, 2011",        "1\t18\tSaturday - March 12, 2011",
                   "1\t21\tWeek Beginning March 6, 2011"};
        QStringList month;
        // March 2011 starts on a Tuesday: day d + 1 in entry d + 2.
        for (int d = 0; d < 31; ++d) {
            QString cell = QStringLiteral("1\t%1\t\\b %2\\b0\\line ").arg(d + 2).arg(d + 1);
            if (d == 6) {
                cell += "8a-Court \\{A\\}; 1:30p-Lunch; ";
            } else if (d == 7) {
                cell += "5-Dinner; ";
            }
            month << cell;
        }
        month << "1\t50\tMarch 2011";
        QTest::newRow("month") << "--month"
                               << "3/31/2011" << month;
    }
    void answersOfEachPage() {
        QFETCH(QString, kind);
        QFETCH(QString, date);
        QFETCH(QStringList, answers);
        TempFolder folder;
        MakeCalendar(folder);
        const ToolResult result = RunTool(Arguments(folder, kind, date) << "--answers");
        QCOMPARE(result.err, QString());
        QCOMPARE(result.code, 0);
        QCOMPARE(result.OutLines(), answers);
        const QByteArray rtf = folder.ReadBytes("page.rtf");
        QVERIFY(rtf.startsWith("{\\rtf1"));
        QVERIFY(!rtf.contains("\\page "));
        QVERIFY(!rtf.contains("/*"));
    }

    void withoutAnswersSaysWhereThePageIs() {
        TempFolder folder;
        MakeCalendar(folder);
        const ToolResult result = RunTool(Arguments(folder, "--week", "3/7/2011"));
        QCOMPARE(result.code, 0);
        QCOMPARE(result.out, "Calendar page written to " +
                                 QDir::toNativeSeparators(folder.Path("page.rtf")) + "\n");
    }

    void pdfBesideThePage() {
        TempFolder folder;
        MakeCalendar(folder);
        const ToolResult result = RunTool(Arguments(folder, "--month", "3/7/2011") << "--pdf");
        if (result.err.contains("LibreOffice is not installed")) {
            QSKIP("LibreOffice is not installed");
        }
        QCOMPARE(result.err, QString());
        QCOMPARE(result.code, 0);
        QCOMPARE(result.OutLines().value(1),
                 "PDF written to " + QDir::toNativeSeparators(folder.Path("page.pdf")));
        QVERIFY(folder.ReadBytes("page.pdf").startsWith("%PDF"));
    }

    void missingCalendarIsToldOnce() {
        TempFolder folder;
        const ToolResult result = RunTool(Arguments(folder, "--month", "8/1/2026") << "--answers");
        QCOMPARE(result.code, 0);
        QCOMPARE(result.err,
                 "kiv5 calendar: Could not find file: " + folder.Path("orvcal5.cal") + "\n");
        QCOMPARE(result.OutLines().size(), 32);
        QCOMPARE(result.OutLines().first(), QString("1\t6\t\\b 1\\b0\\line "));
        QCOMPARE(result.OutLines().last(), QString("1\t50\tAugust 2026"));
        QVERIFY(folder.ReadBytes("page.rtf").startsWith("{\\rtf1"));
        QVERIFY(!folder.Exists("orvcal5.cal"));
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no page kind")
            << QStringList{"calendar", "@CAL", "--out", "@OUT"}
            << "kiv5 calendar: one of --day, --week and --month is missing";
        QTest::newRow("two page kinds")
            << QStringList{"calendar", "@CAL",     "--day", "3/7/2011",
                           "--week",   "3/7/2011", "--out", "@OUT"}
            << "kiv5 calendar: give only one of --day, --week and --month";
        QTest::newRow("not a date")
            << QStringList{"calendar", "@CAL", "--month", "13/45/2011", "--out", "@OUT"}
            << "kiv5 calendar: --month \"13/45/2011\" is not a date (M/D/YYYY)";
        QTest::newRow("no output") << QStringList{"calendar", "@CAL", "--day", "3/7/2011"}
                                   << "kiv5 calendar: --out is missing";
        QTest::newRow("no calendar")
            << QStringList{"calendar", "--day", "3/7/2011", "--out", "@OUT"}
            << "kiv5 calendar: CALFILE is missing";
        QTest::newRow("unknown option")
            << QStringList{"calendar", "@CAL", "--day", "3/7/2011", "--out", "@OUT", "--fax"}
            << "kiv5 calendar: unknown option --fax";
        QTest::newRow("damaged calendar")
            << QStringList{"calendar", "@TORN", "--day", "3/7/2011", "--out", "@OUT"}
            << "kiv5 calendar: The file \"@TORN\" is damaged: its length of 4236 bytes is not a "
               "whole number of 4232-byte records.";
        QTest::newRow("output is a folder")
            << QStringList{"calendar", "@CAL", "--day", "3/7/2011", "--out", "@FOLDER"}
            << "kiv5 calendar: Cannot create \"@FOLDER\"";
    }
    void refusals() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        TempFolder folder;
        MakeCalendar(folder);
        QByteArray torn = folder.ReadBytes("orvcal5.cal").left(4232);
        folder.WriteBytes("torn.cal", torn + "torn");
        const QByteArray before = "{\\rtf1 an earlier document}";
        folder.WriteBytes("page.rtf", before);
        QVERIFY(QDir().mkpath(folder.Path("folder.rtf/inside")));
        const QHash<QString, QString> paths = {{"@CAL", folder.Path("orvcal5.cal")},
                                               {"@TORN", folder.Path("torn.cal")},
                                               {"@OUT", folder.Path("page.rtf")},
                                               {"@FOLDER", folder.Path("folder.rtf")}};
        for (QString& argument : arguments) {
            argument = paths.value(argument, argument);
        }
        for (auto at = paths.cbegin(); at != paths.cend(); ++at) {
            message.replace(at.key(), QDir::toNativeSeparators(at.value()));
        }
        const QByteArray calendar = folder.ReadBytes("orvcal5.cal");
        const ToolResult result = RunTool(arguments);
        QCOMPARE(result.code, 2);
        QCOMPARE(result.out, QString());
        QCOMPARE(result.err.split('\n').first().left(message.size()), message);
        QCOMPARE(folder.ReadBytes("page.rtf"), before);
        QCOMPARE(folder.ReadBytes("orvcal5.cal"), calendar);
        QCOMPARE(folder.ReadBytes("torn.cal"), torn + "torn");
        QCOMPARE(QDir(folder.Path("folder.rtf")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"inside"});
    }

    void helpDescribesTheCommand() {
        const ToolResult result = RunTool({"help", "calendar"});
        QCOMPARE(result.code, 0);
        QVERIFY(result.out.startsWith(
            "Usage: kiv5 calendar CALFILE --day|--week|--month M/D/YYYY --out FILE.rtf\n"));
        QVERIFY(RunTool({"--help"}).out.contains("  calendar ...      write a day, week or month"));
    }
};

KIV5_CORE_TEST_MAIN(TestCalendarCommand)
#include "tst_CalendarCommand.moc"
