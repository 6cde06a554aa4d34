#include "billing/core/CalendarFile.h"
#include "billing/core/ISRec.h"
#include "common/core/RecordFile.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"
#include "tests/tools/ToolRun.h"

#include <QDir>

using namespace kiv5;
using namespace kiv5::billing;
using namespace kiv5::test;

namespace {

constexpr double kMarch7 = 40609;
const QDateTime kNow(QDate(2011, 3, 7), QTime(9, 30));

// A statement of one line and a calendar with entries of two clients.
void MakeFiles(const TempFolder& folder) {
    ISRec line;
    line.ServiceDate = kMarch7 - 30;
    line.ServiceDescription = "Opening";
    WriteAllRecords<ISRec>(folder.Path("s.is5"), {line});
    DayRec early;
    early.SlotText[18] = "Before the cut-off";
    early.SlotClientNo[18] = "C-1";
    WriteDay(folder.Path("orvcal5.cal"), early, kMarch7 - 10);
    DayRec day;
    day.SlotText[18] = "Meeting";
    day.SlotHours[18] = 1.5;
    day.SlotClientNo[18] = "C-1";
    day.SlotText[19] = "Someone else";
    day.SlotClientNo[19] = "C-2";
    day.SlotText[40] = "Evening call";
    day.SlotHours[40] = 0.25;
    day.SlotClientNo[40] = "C-1";
    WriteDay(folder.Path("orvcal5.cal"), day, kMarch7 - 2);
}

QStringList Arguments(const TempFolder& folder, const QString& after = "2/25/2011",
                      const QString& rate = "$1,250.50") {
    return {"import-calendar", folder.Path("s.is5"),
            "--calendar",      folder.Path("orvcal5.cal"),
            "--client",        "C-1",
            "--after",         after,
            "--rate",          rate};
}

} // namespace

class TestImportCalendar : public QObject {
    Q_OBJECT

private slots:
    void appendsTheClientsEntries() {
        TempFolder folder;
        MakeFiles(folder);
        const Clock clock = Clock::FixedAt(kNow);
        const ToolResult first = RunTool(Arguments(folder), clock);
        QCOMPARE(first.err, QString());
        QCOMPARE(first.code, 0);
        QCOMPARE(first.out,
                 "2 lines added to " + QDir::toNativeSeparators(folder.Path("s.is5")) + "\n");
        const std::vector<ISRec> lines = ReadAllRecords<ISRec>(folder.Path("s.is5"));
        QCOMPARE(lines.size(), std::size_t(3));
        QCOMPARE(lines[1].ServiceDescription, QString("Meeting"));
        QCOMPARE(lines[1].ServiceDate, kMarch7 - 2);
        QCOMPARE(lines[1].TimeSpent, 1.5);
        QCOMPARE(lines[1].HourlyRate, 12'505'000);
        QCOMPARE(lines[1].RecNo, 1);
        QCOMPARE(lines[1].PostTime, DateTimeToDayCount(kNow));
        QCOMPARE(lines[2].ServiceDescription, QString("Evening call"));
        QCOMPARE(lines[2].RecNo, 2);
        // Importing twice adds twice.
        QCOMPARE(RunTool(Arguments(folder), clock).code, 0);
        QCOMPARE(ReadAllRecords<ISRec>(folder.Path("s.is5")).size(), std::size_t(5));
        QVERIFY(!folder.Exists("s.is5.lock"));
        // An earlier cut-off takes the earlier day too, one line.
        const ToolResult earlier = RunTool(Arguments(folder, "2/1/2011"), clock);
        QCOMPARE(earlier.out.left(8), QString("3 lines "));
        const ToolResult none = RunTool(Arguments(folder, "3/7/2011"), clock);
        QCOMPARE(none.out.left(17), QString("0 lines added to "));
    }

    void refusesWhatCannotBeUsed_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString s = "S";
        QTest::newRow("no date") << QStringList{"--after", "someday"}
                                 << "--after \"someday\" is not a date (M/D/YYYY)";
        QTest::newRow("no amount")
            << QStringList{"--rate", "lots"} << "--rate \"lots\" is not an amount";
        QTest::newRow("empty client")
            << QStringList{"--client", ""} << "--client needs a client number";
        QTest::newRow("missing calendar") << QStringList{"--calendar", "CAL"} << "no file CAL";
        QTest::newRow("missing statement")
            << QStringList{"STATEMENT", "missing.is5"} << "no file missing.is5";
        QTest::newRow("torn statement")
            << QStringList{"STATEMENT", "torn.is5"} << "torn.is5\" is damaged";
        QTest::newRow("unknown option")
            << QStringList{"--colour", "red"} << "unknown option --colour";
    }
    void refusesWhatCannotBeUsed() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        TempFolder folder;
        MakeFiles(folder);
        folder.WriteBytes("torn.is5", QByteArray(400, '\0'));
        QStringList args = Arguments(folder);
        if (arguments[0] == "STATEMENT") {
            args[1] = folder.Path(arguments[1]);
            message.replace(arguments[1], QDir::toNativeSeparators(folder.Path(arguments[1])));
        } else if (const int at = args.indexOf(arguments[0]); at > 0) {
            args[at + 1] = arguments[1] == "CAL" ? folder.Path("none.cal") : arguments[1];
            message.replace("CAL", QDir::toNativeSeparators(folder.Path("none.cal")));
        } else {
            args += arguments;
        }
        const QByteArray statement = folder.ReadBytes("s.is5");
        const QByteArray calendar = folder.ReadBytes("orvcal5.cal");
        const ToolResult result = RunTool(args, Clock::FixedAt(kNow));
        QCOMPARE(result.code, 2);
        QCOMPARE(result.out, QString());
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QCOMPARE(folder.ReadBytes("s.is5"), statement);
        QCOMPARE(folder.ReadBytes("orvcal5.cal"), calendar);
        QCOMPARE(folder.ReadBytes("torn.is5"), QByteArray(400, '\0'));
    }

    void helpDescribesTheCommand() {
        const ToolResult result = RunTool({"help", "import-calendar"});
        QCOMPARE(result.code, 0);
        QVERIFY(result.out.startsWith("Usage: kiv5 import-calendar STATEMENT.is5 --calendar "
                                      "FILE.cal --client NUMBER\n"));
        QVERIFY(RunTool({"--help"}).out.contains("  import-calendar   add a client"));
    }
};

KIV5_CORE_TEST_MAIN(TestImportCalendar)
#include "tst_ImportCalendar.moc"
