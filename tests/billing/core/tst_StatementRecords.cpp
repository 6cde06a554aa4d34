#include "billing/core/StatementFile.h"
#include "common/core/Exceptions.h"
#include "tests/books/core/RecordBytes.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

using namespace kiv5;
using namespace kiv5::billing;

namespace {

const QDateTime kNow(QDate(2011, 3, 7), QTime(14, 5, 9));
const Clock kClock = Clock::FixedAt(kNow);
constexpr double kMarch7 = 40609;
const double kStamp = kMarch7 + (14 * 3600 + 5 * 60 + 9) / 86400.0;

QByteArray HandMadeLineBytes() {
    QByteArray bytes(312, '\0');
    bytes[0] = 1;
    test::PutDouble(bytes, 8, kMarch7);
    test::PutText(bytes, 16, "Call with client | follow-up");
    test::PutDouble(bytes, 272, 1.5);
    test::PutInt64(bytes, 280, 2'500'000);
    test::PutDouble(bytes, 288, kStamp);
    test::PutDouble(bytes, 296, kMarch7);
    test::PutInt32(bytes, 304, 5);
    test::PutInt32(bytes, 308, 0);
    return bytes;
}

ISRec Line(qint32 recNo, const QString& text) {
    ISRec line;
    line.ServiceDate = kMarch7;
    line.ServiceDescription = text;
    line.TimeSpent = 0.5;
    line.HourlyRate = 2'000'000;
    line.PostTime = kStamp;
    line.PullTime = kStamp;
    line.RecNo = recNo;
    return line;
}

} // namespace

class TestStatementRecords : public QObject {
    Q_OBJECT

private slots:
    void handMadeBytes() {
        const ISRec line = DecodeRecord<ISRec>(HandMadeLineBytes());
        QCOMPARE(line.ServiceDescription, QString("Call with client | follow-up"));
        QCOMPARE(line.HourlyRate, 2'500'000);
        QCOMPARE(EncodeRecord(line), HandMadeLineBytes());
        RecordTable table = MakeStatementTable();
        table.SetRowCount(2);
        ConvertISRecToStringGrid(table, line, 1);
        const QStringList expected = {"X",
                                      "3/7/2011",
                                      "Call with client | follow-up",
                                      "          1.50", // leading blanks stay
                                      "250.00",
                                      "3/7/2011 2:05:09 PM",
                                      "3/7/2011",
                                      "5",
                                      "0"};
        QCOMPARE(table.Row(1), expected);
        QCOMPARE(EncodeRecord(PopulateISRec(table, 1, ErrorSink())), HandMadeLineBytes());
    }

    void timeAndRateCells_data() {
        QTest::addColumn<double>("hours");
        QTest::addColumn<qint64>("rate");
        QTest::addColumn<QString>("timeCell");
        QTest::addColumn<QString>("rateCell");
        QTest::newRow("small") << 0.25 << qint64(1'500'000) << "          0.25"
                               << "150.00";
        QTest::newRow("thousands") << 1250.0 << qint64(12'345'000) << "      1,250.00"
                                   << "1,234.50";
        QTest::newRow("negative") << -2.0 << qint64(-10'000) << "         -2.00"
                                  << "-1.00";
    }
    void timeAndRateCells() {
        QFETCH(double, hours);
        QFETCH(qint64, rate);
        QFETCH(QString, timeCell);
        QFETCH(QString, rateCell);
        ISRec line = Line(1, "x");
        line.TimeSpent = hours;
        line.HourlyRate = rate;
        RecordTable table = MakeStatementTable();
        table.SetRowCount(2);
        ConvertISRecToStringGrid(table, line, 1);
        QCOMPARE(table.Cell(1, ISColumn::TimeSpent), timeCell);
        QCOMPARE(table.Cell(1, ISColumn::HourlyRate), rateCell);
        const ISRec back = PopulateISRec(table, 1, ErrorSink());
        QCOMPARE(back.TimeSpent, hours);
        QCOMPARE(back.HourlyRate, rate);
    }

    void cellsToLine_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("converts");
        QTest::newRow("entered time") << 3 << "2.50" << true;
        QTest::newRow("time not a number") << 3 << "two" << false;
        QTest::newRow("rate with dollar") << 4 << "$1,200.00" << true;
        QTest::newRow("date") << 1 << "3/32/2011" << false;
        QTest::newRow("record number") << 7 << "" << false;
    }
    void cellsToLine() {
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(bool, converts);
        RecordTable table = MakeStatementTable();
        table.SetRowCount(2);
        ConvertISRecToStringGrid(table, Line(0, "x"), 1);
        table.SetCell(1, column, text);
        if (converts) {
            PopulateISRec(table, 1, ErrorSink());
        } else {
            QVERIFY_THROWS_EXCEPTION(ConversionError, PopulateISRec(table, 1, ErrorSink()));
        }
    }

    void descriptionIsStoredOnOneLine() {
        RecordTable table = MakeStatementTable();
        table.SetRowCount(2);
        ConvertISRecToStringGrid(table, Line(0, "x"), 1);
        table.SetCell(1, ISColumn::ServiceDescription, "a\r\nb\nc" + QString(300, 'd'));
        const ISRec line = PopulateISRec(table, 1, ErrorSink());
        QVERIFY(line.ServiceDescription.startsWith("a | b | cddd"));
        QCOMPARE(line.ServiceDescription.size(), 255);
    }

    void blankRows_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("recordNumber");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("recNoCell");
        QTest::newRow("heading row") << 0 << 0 << "3/7/2011"
                                     << "0";
        QTest::newRow("first row") << 1 << 0 << "3/7/2011"
                                   << "0";
        QTest::newRow("row above's date") << 2 << 1 << "2/1/2011"
                                          << "1";
        QTest::newRow("number kept") << 2 << -1 << "2/1/2011"
                                     << "old";
    }
    void blankRows() {
        QFETCH(int, row);
        QFETCH(int, recordNumber);
        QFETCH(QString, date);
        QFETCH(QString, recNoCell);
        RecordTable table = MakeStatementTable();
        table.SetRowCount(3);
        table.SetCell(1, ISColumn::ServiceDate, "2/1/2011");
        table.SetRow(row, QStringList(9, "old"));
        table.SetHidden(row, true);
        MakeBlankISRow(table, row, recordNumber, 250.0, kClock);
        const QStringList expected = {"X",
                                      date,
                                      "",
                                      "0.00",
                                      "        250.00",
                                      "3/7/2011 2:05:09 PM",
                                      "3/7/2011 2:05:09 PM",
                                      recNoCell,
                                      "0"};
        QCOMPARE(table.Row(row), expected);
        QVERIFY(!table.IsHidden(row));
        if (recordNumber != -1) {
            const ISRec line = PopulateISRec(table, row, ErrorSink());
            QCOMPARE(line.HourlyRate, 2'500'000);
            QCOMPARE(line.TimeSpent, 0.0);
        }
    }

    void statementFile() {
        test::TempFolder folder;
        const QString path = folder.Path("roe.is5");
        // The stored record numbers stand, even when they do not match the slot.
        folder.WriteBytes("roe.is5", EncodeRecord(Line(0, "first")) +
                                         EncodeRecord(Line(1, "second")) +
                                         EncodeRecord(Line(1, "stale")));
        RecordTable table = MakeStatementTable();
        ReadStatementFile(path, table);
        QCOMPARE(table.DataRowCount(), 3);
        QCOMPARE(table.Cell(3, ISColumn::RecNo), QString("1"));
        QCOMPARE(table.Cell(3, ISColumn::ServiceDescription), QString("stale"));

        table.SetCell(1, ISColumn::ServiceDescription, "changed");
        WriteStatementRow(path, table, 1, ErrorSink());
        QCOMPARE(ReadStatementLine(path, 0).ServiceDescription, QString("changed"));
        QCOMPARE(ReadStatementLine(path, 1), Line(1, "second"));

        const int row = table.AppendRow();
        MakeBlankISRow(table, row, row - 1, 200, kClock);
        QCOMPARE(AppendStatementRow(path, table, row, ErrorSink()), 3);
        QCOMPARE(table.Cell(row, ISColumn::RecNo), QString("3"));
        QCOMPARE(ReadStatementLine(path, 3).RecNo, 3);
        QVERIFY_THROWS_EXCEPTION(IoError, ReadStatementLine(path, 4));
        QVERIFY_THROWS_EXCEPTION(IoError, WriteStatementLine(path, Line(-1, "x")));
    }

    void emptyAndBrokenFiles() {
        test::TempFolder folder;
        folder.WriteBytes("empty.is5", {});
        RecordTable table = MakeStatementTable();
        ReadStatementFile(folder.Path("empty.is5"), table);
        QCOMPARE(table.RowCount(), 1);
        folder.WriteBytes("broken.is5", QByteArray(400, '\0'));
        QVERIFY_THROWS_EXCEPTION(IoError, ReadStatementFile(folder.Path("broken.is5"), table));
    }

    void backupLines_data() {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("cleaned");
        QTest::addColumn<QString>("line");
        QTest::newRow("entered rate")
            << "$1,250.00"
            << "1250.00"
            << "\t3/7/2011\tCall\t          1.50\t1250.00\t3/7/2011\t3/7/2011 2:05:09 PM\t4\t-2";
        QTest::newRow("negative rate")
            << "(5.00)"
            << "-5.00"
            << "\t3/7/2011\tCall\t          1.50\t-5.00\t3/7/2011\t3/7/2011 2:05:09 PM\t4\t-2";
    }
    void backupLines() {
        QFETCH(QString, rate);
        QFETCH(QString, cleaned);
        QFETCH(QString, line);
        RecordTable table = MakeStatementTable();
        table.SetRowCount(2);
        table.SetRow(1, {"X", "3/7/2011", "Call", "          1.50", rate, "3/7/2011",
                         "3/7/2011 2:05:09 PM", "4", "-2"});
        QCOMPARE(StatementBackupLine(table, 1), line);

        // The restore revives deleted lines and numbers them by line.
        FillISRowFromBackupLine(table, 1, line, 0, kClock);
        const QStringList restored = {"",
                                      "3/7/2011",
                                      "Call",
                                      "          1.50",
                                      cleaned,
                                      "3/7/2011 2:05:09 PM",
                                      "3/7/2011 2:05:09 PM",
                                      "0",
                                      "0"};
        QCOMPARE(table.Row(1), restored);
        QCOMPARE(PopulateISRec(table, 1, ErrorSink()).TimeSpent, 1.5);
    }

    void shortBackupLine() {
        RecordTable table = MakeStatementTable();
        table.SetRowCount(2);
        FillISRowFromBackupLine(table, 1, "\t3/7/2011", 2, kClock);
        QCOMPARE(table.Cell(1, ISColumn::ServiceDate), QString("3/7/2011"));
        QCOMPARE(table.Cell(1, ISColumn::HourlyRate), QString());
        QCOMPARE(table.Cell(1, ISColumn::RecNo), QString("2"));
    }
};

KIV5_CORE_TEST_MAIN(TestStatementRecords)
#include "tst_StatementRecords.moc"
