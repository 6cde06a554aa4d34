#include "billing/core/BillingFile.h"
#include "common/core/Exceptions.h"
#include "common/core/TextFile.h"
#include "tests/books/core/RecordBytes.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <limits>

using namespace kiv5;
using namespace kiv5::billing;

namespace {

const QDateTime kNow(QDate(2011, 3, 7), QTime(14, 5, 9));
const Clock kClock = Clock::FixedAt(kNow);
constexpr double kMarch7 = 40609;
const double kStamp = kMarch7 + (14 * 3600 + 5 * 60 + 9) / 86400.0;

QByteArray HandMadeBillBytes() {
    QByteArray bytes(2416, '\0');
    bytes[0] = 1;
    test::PutText(bytes, 1, "C-12");
    test::PutText(bytes, 10, "Jane Roe");
    test::PutDouble(bytes, 80, kMarch7);
    test::PutInt64(bytes, 88, -125000);
    test::PutText(bytes, 96, "Consultation");
    test::PutText(bytes, 96 + 9 * 65, "Filing fee");
    test::PutInt64(bytes, 752, 2'000'000);
    test::PutInt64(bytes, 752 + 9 * 8, 123'456'700);
    test::PutText(bytes, 832 + 129, "/is/roe.is5");
    test::PutText(bytes, 2122, "first | second");
    bytes[2378] = 1;
    test::PutDouble(bytes, 2384, 7.5);
    test::PutDouble(bytes, 2392, kMarch7); // midnight
    test::PutDouble(bytes, 2400, kStamp);
    test::PutInt32(bytes, 2408, 0); // stale
    test::PutInt32(bytes, 2412, -2);
    return bytes;
}

TBillRec Bill(const QString& name, qint32 recNo) {
    TBillRec bill;
    bill.FullName = name;
    bill.LastBill = kMarch7;
    bill.PostTime = kStamp;
    bill.PullTime = kStamp;
    bill.RecNo = recNo;
    return bill;
}

QByteArray FileOf(const std::vector<TBillRec>& bills) {
    QByteArray bytes;
    for (const TBillRec& bill : bills) {
        bytes += EncodeRecord(bill);
    }
    return bytes;
}

RecordTable TableWithRow(const TBillRec& bill) {
    RecordTable table = MakeBillTable();
    table.SetRowCount(2);
    ConvertBillRecToStringGrid(table, bill, 1, 1);
    return table;
}

} // namespace

class TestBillRecords : public QObject {
    Q_OBJECT

private slots:
    void handMadeBytes() {
        const TBillRec bill = DecodeRecord<TBillRec>(HandMadeBillBytes());
        QCOMPARE(bill.ClientNo, QString("C-12"));
        QCOMPARE(bill.Description[9], QString("Filing fee"));
        QCOMPARE(bill.Amount[9], 123'456'700);
        QCOMPARE(bill.ISPath[1], QString("/is/roe.is5"));
        QCOMPARE(bill.InterestRate, 7.5);
        QCOMPARE(EncodeRecord(bill), HandMadeBillBytes());

        RecordTable table = MakeBillTable();
        table.SetRowCount(2);
        ConvertBillRecToStringGrid(table, bill, 1, 4);
        QStringList expected(42);
        expected[0] = "X";
        expected[1] = "C-12";
        expected[2] = "Jane Roe";
        expected[3] = "3/7/2011";
        expected[4] = "-12.50";
        for (int line = 0; line < 10; ++line) {
            expected[6 + 2 * line] = "0.00";
        }
        expected[5] = "Consultation";
        expected[6] = "200.00";
        expected[23] = "Filing fee";
        expected[24] = "12,345.67";
        expected[26] = "/is/roe.is5";
        expected[35] = "first | second";
        expected[36] = "Y";
        expected[37] = "7.5";
        expected[38] = "3/7/2011"; // midnight leaves out the time
        expected[39] = "3/7/2011 2:05:09 PM";
        expected[40] = "4";
        expected[41] = "-2";
        QCOMPARE(table.Row(1), expected);
        QVERIFY(table.IsHidden(1));
        // And back: the stored bytes again, apart from the record number.
        TBillRec back = PopulateBillRec(table, 1, ErrorSink());
        QCOMPARE(back.RecNo, 4);
        back.RecNo = 0;
        QCOMPARE(EncodeRecord(back), HandMadeBillBytes());
    }

    void headingRowIsNeverFilled() {
        RecordTable table = MakeBillTable();
        ConvertBillRecToStringGrid(table, Bill("x", 1), 0, 1);
        QCOMPARE(table.Row(0), QStringList(42));
    }

    void cellsToBill_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("error");
        QTest::newRow("balance in parentheses") << 4 << "($1,234.50)"
                                                << "BalanceForward"
                                                << "-12345000" << 0;
        QTest::newRow("amount minus anywhere") << 8 << "12.50-"
                                               << "Amount1"
                                               << "-125000" << 0;
        QTest::newRow("amount rounded") << 24 << "0.005"
                                        << "Amount9"
                                        << "100" << 0;
        QTest::newRow("amount not a number") << 6 << "lots"
                                             << "Amount0"
                                             << "0" << 21202;
        QTest::newRow("rate not rounded") << 37 << "7.125"
                                          << "InterestRate"
                                          << "7.125" << 0;
        QTest::newRow("rate not a number") << 37 << "high"
                                           << "InterestRate"
                                           << "0" << 21182;
        QTest::newRow("name cut") << 2 << QString(70, 'n') << "FullName" << QString(64, 'n') << 0;
        QTest::newRow("client number cut") << 1 << "123456789"
                                           << "ClientNo"
                                           << "12345678" << 0;
        QTest::newRow("note line breaks") << 35 << "one\r\ntwo\nthree"
                                          << "Note"
                                          << "one | two | three" << 0;
        QTest::newRow("path cut") << 34 << QString(130, 'p') << "ISPath9" << QString(128, 'p') << 0;
        QTest::newRow("interest only Y") << 36 << "y"
                                         << "Interest"
                                         << "0" << 0;
        QTest::newRow("mark only X") << 0 << "x"
                                     << "Selected"
                                     << "0" << 0;
    }
    void cellsToBill() {
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(int, error);
        RecordTable table = TableWithRow(Bill("x", 1));
        table.SetCell(1, column, text);
        test::ErrorRecorder errors;
        const TBillRec bill = PopulateBillRec(table, 1, errors);
        const QMap<QString, QString> fields = {
            {"BalanceForward", QString::number(bill.BalanceForward)},
            {"Amount0", QString::number(bill.Amount[0])},
            {"Amount1", QString::number(bill.Amount[1])},
            {"Amount9", QString::number(bill.Amount[9])},
            {"InterestRate", QString::number(bill.InterestRate)},
            {"FullName", bill.FullName},
            {"ClientNo", bill.ClientNo},
            {"Note", bill.Note},
            {"ISPath9", bill.ISPath[9]},
            {"Interest", QString::number(bill.Interest)},
            {"Selected", QString::number(bill.Selected)},
        };
        QCOMPARE(fields.value(field), value);
        QCOMPARE(errors.codes.value(0), error);
    }

    void cellsThatDoNotRead_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::newRow("last bill") << 3 << "2/30/2011";
        QTest::newRow("stamp") << 38 << "";
        QTest::newRow("record number") << 40 << "1.5";
        QTest::newRow("status") << 41 << "deleted";
    }
    void cellsThatDoNotRead() {
        QFETCH(int, column);
        QFETCH(QString, text);
        RecordTable table = TableWithRow(Bill("x", 1));
        table.SetCell(1, column, text);
        QVERIFY_THROWS_EXCEPTION(ConversionError, PopulateBillRec(table, 1, ErrorSink()));
    }

    void blankRows_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("recordNumber");
        QTest::addColumn<QString>("lastBill");
        QTest::addColumn<QString>("recNoCell");
        QTest::newRow("first row") << 1 << 1 << "3/7/2011"
                                   << "1";
        QTest::newRow("heading row") << 0 << 0 << "3/7/2011"
                                     << "0";
        QTest::newRow("copies the row above") << 2 << 2 << "1/31/2011"
                                              << "2";
        QTest::newRow("record number kept") << 2 << -1 << "1/31/2011"
                                            << "old";
    }
    void blankRows() {
        QFETCH(int, row);
        QFETCH(int, recordNumber);
        QFETCH(QString, lastBill);
        QFETCH(QString, recNoCell);
        RecordTable table = MakeBillTable();
        table.SetRowCount(3);
        table.SetCell(1, BillColumn::LastBill, "1/31/2011");
        table.SetRow(row, QStringList(42, "old"));
        table.SetHidden(row, true);
        MakeBlankRow(table, row, recordNumber, kClock);
        QStringList expected(42);
        expected[3] = lastBill;
        expected[4] = "0.00";
        for (int line = 0; line < 10; ++line) {
            expected[6 + 2 * line] = "0.00";
        }
        expected[36] = "N";
        expected[37] = "0.00";
        expected[38] = expected[39] = "3/7/2011 2:05:09 PM";
        expected[40] = recNoCell;
        expected[41] = "0";
        QCOMPARE(table.Row(row), expected);
        QVERIFY(!table.IsHidden(row));
    }

    void damagedStoredValues() {
        QByteArray bytes = HandMadeBillBytes();
        test::PutText(bytes, 10, "abc", 255); // length byte above the 64 of the name
        test::PutText(bytes, 2122, "note", 255);
        test::PutDouble(bytes, 80, std::numeric_limits<double>::quiet_NaN());
        test::PutDouble(bytes, 2384, std::numeric_limits<double>::infinity());
        const TBillRec bill = DecodeRecord<TBillRec>(bytes);
        QCOMPARE(bill.FullName.size(), 64);
        QCOMPARE(bill.Note.size(), 255);
        RecordTable table = MakeBillTable();
        table.SetRowCount(2);
        ConvertBillRecToStringGrid(table, bill, 1, 1);
        QCOMPARE(table.Cell(1, BillColumn::LastBill), QString());
        QVERIFY(!table.Cell(1, BillColumn::InterestRate).isEmpty());
    }

    void loadingABillingFile_data() {
        QTest::addColumn<int>("bills");
        QTest::newRow("empty") << 0;
        QTest::newRow("two") << 2;
    }
    void loadingABillingFile() {
        QFETCH(int, bills);
        test::TempFolder folder;
        std::vector<TBillRec> stored;
        for (int k = 0; k < bills; ++k) {
            stored.push_back(Bill(QString("Name %1").arg(k), k == 0 ? 0 : 77));
        }
        folder.WriteBytes("b.bil", FileOf(stored));
        RecordTable table = MakeBillTable();
        table.SetRowCount(5);
        ReadBillingFile(folder.Path("b.bil"), table);
        QCOMPARE(table.RowCount(), bills + 1);
        for (int k = 1; k <= bills; ++k) {
            QCOMPARE(table.Cell(k, BillColumn::RecNo), QString::number(k));
            QCOMPARE(table.Cell(k, BillColumn::FullName), QString("Name %1").arg(k - 1));
        }
        folder.WriteBytes("bad.bil", QByteArray(2415, '\0'));
        QVERIFY_THROWS_EXCEPTION(IoError, ReadBillingFile(folder.Path("bad.bil"), table));
        QCOMPARE(table.RowCount(), bills + 1);
    }

    void writingBills() {
        test::TempFolder folder;
        const QString path = folder.Path("b.bil");
        folder.WriteBytes("b.bil", FileOf({Bill("A", 1), Bill("B", 2), Bill("C", 3)}));
        RecordTable table = MakeBillTable();
        ReadBillingFile(path, table);
        table.SetCell(3, BillColumn::Note, "one\r\ntwo");
        WriteBillRow(path, table, 3, ErrorSink());
        QCOMPARE(ReadBillRecord(path, 3).Note, QString("one | two"));
        QCOMPARE(ReadBillRecord(path, 2), Bill("B", 2));

        // The table sorted by name the other way; the file keeps slot order.
        table.ExchangeRows(1, 3);
        WriteBillingFile(path, table, ErrorSink());
        QCOMPARE(table.Cell(1, BillColumn::FullName), QString("C"));
        const std::vector<TBillRec> stored = ReadAllRecords<TBillRec>(path);
        QCOMPARE(stored.size(), std::size_t(3));
        QCOMPARE(stored[0], Bill("A", 1));
        QCOMPARE(stored[2].FullName, QString("C"));
        QCOMPARE(stored[2].RecNo, 3);

        const int row = table.AppendRow();
        MakeBlankRow(table, row, row, kClock);
        QCOMPARE(AppendBillRow(path, table, row, ErrorSink()), 4);
        QCOMPARE(ReadBillRecord(path, 4).RecNo, 4);
        TBillRec beyond = Bill("D", 6);
        QVERIFY_THROWS_EXCEPTION(IoError, WriteBillRecord(path, beyond));
        QCOMPARE(folder.ReadBytes("b.bil").size(), 4 * 2416);
    }

    void fileNames_data() {
        QTest::addColumn<QString>("chosen");
        QTest::newRow("other folder") << "/elsewhere/May 2011.qy5";
        QTest::newRow("windows name") << "C:\\Orvanel\\May 2011.qy5";
        QTest::newRow("no extension") << "May 2011";
        QTest::newRow("dotted folder") << "/a.b/May 2011.qy5";
    }
    void fileNames() {
        QFETCH(QString, chosen);
        test::TempFolder folder;
        QCOMPARE(BillDataPath(folder.Folder(), chosen), folder.Path("May 2011.bil"));
        WriteLinkFile(folder.Folder(), chosen, "kiv5.pl5", "kiv5.su5");
        const QStringList lines = ReadTextLines(folder.Path("May 2011.qy5"));
        QCOMPARE(lines.size(), 5);
        // The link file names N itself, without its extension.
        const QString stem = chosen.left(chosen.lastIndexOf(".qy5"));
        QCOMPARE(lines, QStringList(
                            {stem + ".bil", stem + ".qy5", stem + ".cal", "kiv5.pl5", "kiv5.su5"}));
    }
};

KIV5_CORE_TEST_MAIN(TestBillRecords)
#include "tst_BillRecords.moc"
