#include "books/core/LedgerRow.h"
#include "common/core/Exceptions.h"
#include "tests/books/core/RecordBytes.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <cmath>
#include <limits>

using namespace kiv5;
using namespace kiv5::books;

namespace {

const QDateTime kNow(QDate(2011, 3, 7), QTime(14, 5, 9));
constexpr double kMarch7 = 40609; // 3/7/2011
const double kStamp = kMarch7 + (14 * 3600 + 5 * 60 + 9) / 86400.0;

// A stored record written by hand at the documented offsets.
QByteArray HandMadeLedgerBytes() {
    QByteArray bytes(264, '\0');
    bytes[0] = 1;
    test::PutText(bytes, 1, "1017");
    test::PutDouble(bytes, 16, kMarch7);
    test::PutText(bytes, 24, "C-12");
    test::PutText(bytes, 33, "Jane Roe");
    test::PutText(bytes, 98, "Retainer");
    test::PutText(bytes, 163, "Fees");
    test::PutText(bytes, 196, "Trust");
    test::PutText(bytes, 229, "T");
    test::PutInt64(bytes, 232, 12'345'000);
    test::PutDouble(bytes, 240, kStamp);
    test::PutDouble(bytes, 248, kMarch7); // midnight
    test::PutInt32(bytes, 256, 99);       // stale
    test::PutInt32(bytes, 260, -1);
    return bytes;
}

template <class R> QStringList HandMadeRowOf() {
    RecordTable table = MakeLedgerTable();
    table.SetRowCount(2);
    ConvertLedgerRecToStringGrid(table, DecodeRecord<R>(HandMadeLedgerBytes()), 1, 3);
    return table.Row(1);
}

template <class R> R RecordOfRow(const QStringList& cells, const ErrorSink& errors = {}) {
    RecordTable table = MakeLedgerTable();
    table.SetRowCount(2);
    table.SetRow(1, cells);
    return PopulateLedgerRec<R>(table, 1, errors);
}

// Row -> record -> row gives the row back; the position, not the stale
// stored RecNo, becomes the record number.
template <class R> void CheckRowRoundTrip() {
    const QStringList cells = HandMadeRowOf<R>();
    const R record = RecordOfRow<R>(cells);
    QCOMPARE(record.RecNo, 3);
    QCOMPARE(record.PostTime, kStamp);
    QCOMPARE(record.PullTime, kMarch7);
    RecordTable table = MakeLedgerTable();
    table.SetRowCount(2);
    ConvertLedgerRecToStringGrid(table, record, 1, 3);
    QCOMPARE(table.Row(1), cells);
}

QStringList LiveRow() {
    return {"",
            "7",
            "3/7/2011",
            "",
            "Payor",
            "Desc",
            "Cat",
            "Acct",
            "",
            "10.00",
            "3/7/2011 2:05:09 PM",
            "3/7/2011 2:05:09 PM",
            "1",
            "0"};
}

} // namespace

class TestLedgerRecords : public QObject {
    Q_OBJECT

private slots:
    void decodeHandMadeBytes() {
        const IncRec income = DecodeRecord<IncRec>(HandMadeLedgerBytes());
        QCOMPARE(income.Selected, true);
        QCOMPARE(income.RecordNo, QString("1017"));
        QCOMPARE(income.Date, kMarch7);
        QCOMPARE(income.ClientNo, QString("C-12"));
        QCOMPARE(income.Payor, QString("Jane Roe"));
        QCOMPARE(income.Description, QString("Retainer"));
        QCOMPARE(income.Category, QString("Fees"));
        QCOMPARE(income.Account, QString("Trust"));
        QCOMPARE(income.Code, QString("T"));
        QCOMPARE(income.Amount, 12'345'000);
        QCOMPARE(income.PostTime, kStamp);
        QCOMPARE(income.RecNo, 99);
        QCOMPARE(income.Status, -1);
        const ExpRec expense = DecodeRecord<ExpRec>(HandMadeLedgerBytes());
        QCOMPARE(expense.CheckNo, QString("1017"));
        QCOMPARE(expense.Payee, QString("Jane Roe"));
        // Encoding gives the same bytes back: padding and text tails zero.
        QCOMPARE(EncodeRecord(income), HandMadeLedgerBytes());
        QCOMPARE(EncodeRecord(expense), HandMadeLedgerBytes());
    }

    void cellsOfRecord_data() {
        QTest::addColumn<bool>("expense");
        QTest::newRow("income") << false;
        QTest::newRow("expense") << true;
    }
    void cellsOfRecord() {
        QFETCH(bool, expense);
        const QStringList cells = expense ? HandMadeRowOf<ExpRec>() : HandMadeRowOf<IncRec>();
        const QStringList expected = {"X",
                                      "1017",
                                      "3/7/2011",
                                      "C-12",
                                      "Jane Roe",
                                      "Retainer",
                                      "Fees",
                                      "Trust",
                                      "T",
                                      "1,234.50",
                                      "3/7/2011 2:05:09 PM",
                                      "3/7/2011 12:00:00 AM", // stamps always show the time
                                      "3",
                                      "-1"};
        QCOMPARE(cells, expected);
    }

    // A whole file's rows share repeated cells; each row must still read as
    // the record alone gives it, whichever fields repeat or change.
    void filledRowsEqualSingleConversions() {
        IncRec a = DecodeRecord<IncRec>(HandMadeLedgerBytes());
        IncRec b = a; // every field repeats
        IncRec c = b; // texts, date, stamps and status change
        c.Selected = false;
        c.RecordNo = "1018";
        c.Date = kMarch7 + 1;
        c.ClientNo = "";
        c.Payor = "John Doe";
        c.Category = "Costs";
        c.Account = "Bank";
        c.Code = "";
        c.PostTime = kMarch7 + 2;
        c.Status = 0;
        IncRec d = a; // back to the first row's values
        d.Status = -2;
        const std::vector<IncRec> records = {a, b, c, d, a};
        RecordTable filled = MakeLedgerTable();
        RecordTable single = MakeLedgerTable();
        filled.SetRowCount(6);
        single.SetRowCount(6);
        LedgerRowFiller<IncRec> filler;
        for (int k = 0; k < 5; ++k) {
            filler.Fill(filled, records[static_cast<std::size_t>(k)], k + 1, k + 1);
            ConvertLedgerRecToStringGrid(single, records[static_cast<std::size_t>(k)], k + 1,
                                         k + 1);
        }
        for (int row = 1; row <= 5; ++row) {
            QCOMPARE(filled.Row(row), single.Row(row));
            QCOMPARE(filled.IsHidden(row), single.IsHidden(row));
        }
        // A shared cell changed in one row leaves the others alone.
        filled.SetCell(2, LedgerColumn::Category, "Other");
        QCOMPARE(filled.Cell(1, LedgerColumn::Category), QString("Fees"));
    }

    void rowHeightFollowsStatus_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("hiddenBefore");
        QTest::addColumn<bool>("hiddenAfter");
        QTest::newRow("live shows") << 0 << true << false;
        QTest::newRow("filtered hides") << -1 << false << true;
        QTest::newRow("deleted hides") << -2 << false << true;
        QTest::newRow("other leaves shown") << 5 << false << false;
        QTest::newRow("other leaves hidden") << 5 << true << true;
    }
    void rowHeightFollowsStatus() {
        QFETCH(int, status);
        QFETCH(bool, hiddenBefore);
        QFETCH(bool, hiddenAfter);
        RecordTable table = MakeLedgerTable();
        table.SetRowCount(2);
        table.SetHidden(1, hiddenBefore);
        IncRec record;
        record.Status = status;
        ConvertIncRecToStringGrid(table, record, 1, 1);
        QCOMPARE(table.IsHidden(1), hiddenAfter);
    }

    void headingRowIsNeverFilled() {
        RecordTable table = MakeLedgerTable();
        table.SetRowCount(2);
        table.SetCell(0, 1, "kept");
        ConvertExpRecToStringGrid(table, DecodeRecord<ExpRec>(HandMadeLedgerBytes()), 0, 1);
        QCOMPARE(table.Cell(0, 1), QString("kept"));
        QCOMPARE(table.Cell(0, 13), QString());
    }

    void amountCells_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("units");
        QTest::addColumn<int>("error");
        QTest::newRow("parentheses") << "(12.50)" << qint64(-125000) << 0;
        QTest::newRow("leading minus") << "-12.50" << qint64(-125000) << 0;
        QTest::newRow("zero") << "0.00" << qint64(0) << 0;
        QTest::newRow("dollar and thousands") << "$1,234.56" << qint64(12345600) << 0;
        QTest::newRow("rounded to cents") << "2.675" << qint64(26700) << 0;
        QTest::newRow("empty") << "" << qint64(0) << 0;
        QTest::newRow("no number") << "ten" << qint64(0) << 21202;
    }
    void amountCells() {
        QFETCH(QString, text);
        QFETCH(qint64, units);
        QFETCH(int, error);
        test::ErrorRecorder errors;
        QStringList cells = LiveRow();
        cells[LedgerColumn::Amount] = text;
        QCOMPARE(RecordOfRow<IncRec>(cells, errors).Amount, units);
        QCOMPARE(errors.codes.value(0), error);
    }

    void textsAreCutToCapacity() {
        QStringList cells = LiveRow();
        cells[LedgerColumn::Description] = QString(70, 'd');
        cells[LedgerColumn::Party] = QString(65, 'p');
        cells[LedgerColumn::Number] = "123456789";
        cells[LedgerColumn::Code] = "AB";
        const ExpRec record = RecordOfRow<ExpRec>(cells);
        QCOMPARE(record.Description, QString(64, 'd'));
        QCOMPARE(record.Payee, QString(64, 'p'));
        QCOMPARE(record.CheckNo, QString("12345678"));
        QCOMPARE(record.Code, QString("A"));
        const IncRec stored = DecodeRecord<IncRec>(EncodeRecord(RecordOfRow<IncRec>(cells)));
        QCOMPARE(stored.Description, QString(64, 'd'));
    }

    void rowRoundTrip_data() {
        QTest::addColumn<bool>("expense");
        QTest::newRow("income") << false;
        QTest::newRow("expense") << true;
    }
    void rowRoundTrip() {
        QFETCH(bool, expense);
        if (expense) {
            CheckRowRoundTrip<ExpRec>();
        } else {
            CheckRowRoundTrip<IncRec>();
        }
    }

    void cellsThatDoNotRead_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::newRow("date") << int(LedgerColumn::Date) << "13/45/2011";
        QTest::newRow("empty date") << int(LedgerColumn::Date) << "";
        QTest::newRow("stamp") << int(LedgerColumn::PostTime) << "noon";
        QTest::newRow("position") << int(LedgerColumn::Position) << "x";
        QTest::newRow("status") << int(LedgerColumn::Status) << "";
    }
    void cellsThatDoNotRead() {
        QFETCH(int, column);
        QFETCH(QString, text);
        QStringList cells = LiveRow();
        cells[column] = text;
        QVERIFY_THROWS_EXCEPTION(ConversionError, RecordOfRow<IncRec>(cells));
    }

    void newRecordWriteForm() {
        RecordTable table = MakeLedgerTable();
        table.SetRowCount(2);
        QStringList cells = LiveRow();
        cells[LedgerColumn::Date] = "3/7/2011 6:30 PM";
        cells[LedgerColumn::Amount] = "12.5";
        table.SetRow(1, cells);
        const IncRec record = PopulateIncRecForWrite(table, 1);
        QCOMPARE(record.Date, kMarch7); // date only
        QCOMPARE(record.Amount, 125000);
        // The table form of the same row keeps the time of day.
        QCOMPARE(PopulateIncRec(table, 1, ErrorSink()).Date, kMarch7 + 18.5 / 24);
    }

    void blankRows_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("previousNumber");
        QTest::addColumn<QString>("previousDate");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("positionCell");
        QTest::newRow("first row") << 1 << ""
                                   << "" << 1 << ""
                                   << "3/7/2011"
                                   << "1";
        QTest::newRow("next number") << 3 << "41"
                                     << "1/2/2010" << 3 << "42"
                                     << "1/2/2010"
                                     << "3";
        QTest::newRow("number not integer") << 2 << "A-41"
                                            << "1/2/2010" << 2 << ""
                                            << "1/2/2010"
                                            << "2";
        QTest::newRow("position kept") << 2 << "9"
                                       << "1/2/2010" << -1 << "10"
                                       << "1/2/2010"
                                       << "old";
    }
    void blankRows() {
        QFETCH(int, row);
        QFETCH(QString, previousNumber);
        QFETCH(QString, previousDate);
        QFETCH(int, position);
        QFETCH(QString, number);
        QFETCH(QString, date);
        QFETCH(QString, positionCell);
        test::FixedClock clock(kNow);
        RecordTable table = MakeLedgerTable();
        table.SetRowCount(row + 1);
        table.SetCell(row - 1, LedgerColumn::Number, previousNumber);
        table.SetCell(row - 1, LedgerColumn::Date, previousDate);
        table.SetRow(row, QStringList(14, "old"));
        table.SetHidden(row, true);
        MakeBlankIncomeRow(table, row, position, clock);
        const QStringList expected = {"",
                                      number,
                                      date,
                                      "",
                                      "",
                                      "",
                                      "",
                                      "",
                                      "",
                                      "0.00",
                                      "3/7/2011 2:05:09 PM",
                                      "3/7/2011 2:05:09 PM",
                                      positionCell,
                                      "0"};
        QCOMPARE(table.Row(row), expected);
        QVERIFY(!table.IsHidden(row));
        if (position != -1) {
            // A blank row always makes a record.
            QCOMPARE(PopulateIncRecForWrite(table, row).RecNo, position);
        }
    }

    void damagedStoredValues() {
        QByteArray bytes = HandMadeLedgerBytes();
        test::PutText(bytes, 1, "12345678", 200); // length byte above capacity
        test::PutDouble(bytes, 16, std::numeric_limits<double>::quiet_NaN());
        test::PutDouble(bytes, 240, 1e300);
        test::PutDouble(bytes, 248, -std::numeric_limits<double>::infinity());
        test::PutInt64(bytes, 232, std::numeric_limits<qint64>::min());
        const IncRec record = DecodeRecord<IncRec>(bytes);
        QCOMPARE(record.RecordNo, QString("12345678"));
        RecordTable table = MakeLedgerTable();
        table.SetRowCount(2);
        ConvertIncRecToStringGrid(table, record, 1, 1);
        QCOMPARE(table.Cell(1, LedgerColumn::Date), QString());
        QCOMPARE(table.Cell(1, LedgerColumn::PostTime), QString());
        QCOMPARE(table.Cell(1, LedgerColumn::PullTime), QString());
        QVERIFY(!table.Cell(1, LedgerColumn::Amount).isEmpty());
        QVERIFY_THROWS_EXCEPTION(ConversionError, PopulateIncRec(table, 1, ErrorSink()));
    }
};

KIV5_CORE_TEST_MAIN(TestLedgerRecords)
#include "tst_LedgerRecords.moc"
