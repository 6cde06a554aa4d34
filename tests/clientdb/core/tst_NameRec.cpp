#include "clientdb/core/ClientRow.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/core/MakeBlankRow.h"
#include "clientdb/core/NameRec.h"
#include "common/core/Exceptions.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <bit>
#include <limits>

using namespace kiv5;

namespace {

// Bytes of a record put together by hand at the documented offsets.
struct HandRecord {
    QByteArray bytes = QByteArray(992, '\x5A'); // junk everywhere no field covers

    HandRecord& Text(int offset, QByteArray text, int length = -1) {
        bytes[offset] = static_cast<char>(length < 0 ? text.size() : length);
        for (int i = 0; i < text.size(); ++i) {
            bytes[offset + 1 + i] = text[i];
        }
        return *this;
    }
    HandRecord& Int32(int offset, qint32 value) {
        const auto raw = static_cast<quint32>(value);
        for (int i = 0; i < 4; ++i) {
            bytes[offset + i] = static_cast<char>((raw >> (8 * i)) & 0xFF);
        }
        return *this;
    }
    HandRecord& Double(int offset, double value) {
        const auto raw = std::bit_cast<quint64>(value);
        for (int i = 0; i < 8; ++i) {
            bytes[offset + i] = static_cast<char>((raw >> (8 * i)) & 0xFF);
        }
        return *this;
    }
    HandRecord& Byte(int offset, char value) {
        bytes[offset] = value;
        return *this;
    }
};

// Junk in every byte no field uses, empty texts, valid stamps.
HandRecord Blank() {
    HandRecord r;
    for (const auto& f : RecordLayout<NameRec>::kFields) {
        if (f.capacity > 0) {
            r.Byte(f.offset, 0);
        }
    }
    return r.Byte(0, 0)
        .Int32(368, -1)
        .Double(968, 45659.25)
        .Double(976, 45659.25)
        .Int32(984, 1)
        .Int32(988, 0);
}

HandRecord SampleRecord() {
    HandRecord r;
    r.Byte(0, 1)
        .Text(1, "25010207")
        .Text(10, "Smith")
        .Text(75, "Ann")
        .Text(140, "Smith & Co.")
        .Text(205, "12 Main St")
        .Text(270, "Suite 4")
        .Text(335, "Boston")
        .Int32(368, 21) // MA
        .Text(372, "02110")
        .Text(383, "617-555-0100")
        .Text(404, "617-555-0101")
        .Text(425, "617-555-0102")
        .Text(446, "ann@example.com")
        .Text(575, "note one")
        .Text(640, "note two")
        .Text(705, "line 1 | line 2 \xE9")
        .Double(968, 45659.5) // 1/2/2025 noon
        .Double(976, 45659.0) // 1/2/2025 midnight
        .Int32(984, 7)
        .Int32(988, 0);
    return r;
}

RecordTable TableWithRows(int rows) {
    RecordTable table = MakeClientTable();
    table.SetRowCount(rows);
    return table;
}

} // namespace

class TestNameRec : public QObject {
    Q_OBJECT

private slots:
    void handWrittenRecordDecodesToCells() {
        const NameRec rec = DecodeRecord<NameRec>(SampleRecord().bytes);
        RecordTable table = TableWithRows(4);
        ConvertNameRecToStringGrid(table, rec, 3, 5);
        const QStringList expected = {QString(),
                                      "X",
                                      "25010207",
                                      "Smith",
                                      "Ann",
                                      "Smith & Co.",
                                      "12 Main St",
                                      "Suite 4",
                                      "Boston",
                                      "MA",
                                      "02110",
                                      "617-555-0100",
                                      "617-555-0101",
                                      "617-555-0102",
                                      "ann@example.com",
                                      "note one",
                                      "note two",
                                      QString::fromUtf8("line 1 | line 2 \u00E9"),
                                      "1/2/2025 12:00:00 PM",
                                      "1/2/2025",
                                      "5", // the row's record number, not the stored 7
                                      "0"};
        QCOMPARE(table.Row(3), expected);
        QVERIFY(!table.IsHidden(3));
    }

    void rowEncodesBackToTheSameFieldBytes() {
        const HandRecord hand = SampleRecord();
        RecordTable table = TableWithRows(2);
        ConvertNameRecToStringGrid(table, DecodeRecord<NameRec>(hand.bytes), 1, 7);
        const QByteArray written = EncodeRecord(PopulateNameRec(table, 1));
        QCOMPARE(written.size(), 992);
        // Every field's bytes as far as they carry meaning; padding is zero.
        for (const auto& f : RecordLayout<NameRec>::kFields) {
            const int length = codec_detail::IsText(f)
                                   ? 1 + static_cast<unsigned char>(hand.bytes[f.offset])
                                   : codec_detail::FieldSize(f);
            QVERIFY2(written.mid(f.offset, length) == hand.bytes.mid(f.offset, length), f.name);
        }
        QCOMPARE(written.mid(961, 7), QByteArray(7, '\0'));
    }

    void rowZeroIsLeftAlone() {
        RecordTable table = TableWithRows(2);
        table.SetCell(0, ClientCol::LastName, "header");
        ConvertNameRecToStringGrid(table, DecodeRecord<NameRec>(SampleRecord().bytes), 0, 0);
        QCOMPARE(table.Cell(0, ClientCol::LastName), QString("header"));
        QCOMPARE(table.Cell(0, ClientCol::RecNo), QString());
    }

    void badStoredValues_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<int>("storedState");

        QTest::newRow("length byte above capacity is clamped")
            << Blank().Text(1, "ABCDEFGHIJ", 250).bytes << ClientCol::ClientNo << "ABCDEFGH"
            << false << -1;
        QTest::newRow("memo length 255") << Blank().Text(705, QByteArray(255, 'm')).bytes
                                         << ClientCol::Memo << QString(255, 'm') << false << -1;
        QTest::newRow("state -1 shows empty and stays -1")
            << Blank().bytes << ClientCol::State << "" << false << -1;
        QTest::newRow("state 51 shows empty, stored as -1")
            << Blank().Int32(368, 51).bytes << ClientCol::State << "" << false << -1;
        QTest::newRow("state -7 shows empty, stored as -1")
            << Blank().Int32(368, -7).bytes << ClientCol::State << "" << false << -1;
        QTest::newRow("state 50 is WY")
            << Blank().Int32(368, 50).bytes << ClientCol::State << "WY" << false << 50;
        QTest::newRow("NaN stamp shows empty")
            << Blank().Double(968, std::numeric_limits<double>::quiet_NaN()).bytes
            << ClientCol::PostTime << "" << false << -1;
        QTest::newRow("infinite stamp shows empty")
            << Blank().Double(976, std::numeric_limits<double>::infinity()).bytes
            << ClientCol::PullTime << "" << false << -1;
        QTest::newRow("filtered record opens hidden")
            << Blank().Int32(988, -1).bytes << ClientCol::Status << "-1" << true << -1;
        QTest::newRow("deleted record opens hidden")
            << Blank().Int32(988, -2).bytes << ClientCol::Status << "-2" << true << -1;
    }
    void badStoredValues() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, column);
        QFETCH(QString, cell);
        QFETCH(bool, hidden);
        QFETCH(int, storedState);
        RecordTable table = TableWithRows(2);
        ConvertNameRecToStringGrid(table, DecodeRecord<NameRec>(bytes), 1, 1);
        QCOMPARE(table.Cell(1, column), cell);
        QCOMPARE(table.IsHidden(1), hidden);
        // The row converts back to a record without error.
        const NameRec back = DecodeRecord<NameRec>(EncodeRecord(PopulateNameRec(table, 1)));
        QCOMPARE(back.State, storedState);
    }

    void cellsThatDoNotConvert_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::newRow("record number text") << ClientCol::RecNo << "five";
        QTest::newRow("record number empty") << ClientCol::RecNo << "";
        QTest::newRow("record number with decimals") << ClientCol::RecNo << "5.5";
        QTest::newRow("status garbage") << ClientCol::Status << "-1x";
        QTest::newRow("time garbage") << ClientCol::PostTime << "yesterday";
        QTest::newRow("pull time out of range") << ClientCol::PullTime << "13/45/2025";
    }
    void cellsThatDoNotConvert() {
        QFETCH(int, column);
        QFETCH(QString, text);
        RecordTable table = TableWithRows(2);
        ConvertNameRecToStringGrid(table, NameRec{}, 1, 1);
        table.SetCell(1, column, text);
        QVERIFY_THROWS_EXCEPTION(ConversionError, PopulateNameRec(table, 1));
    }

    void makeBlankRow_data() {
        QTest::addColumn<QList<int>>("taken"); // sub-numbers other rows hold today
        QTest::addColumn<int>("subNo");
        QTest::addColumn<bool>("advance");
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("subNoAfter");
        QTest::addColumn<int>("recNo");

        QList<int> all;
        for (int i = 0; i < 100; ++i) {
            all.append(i);
        }
        QTest::newRow("free number, advanced")
            << QList<int>{} << 3 << true << "25010203" << 4 << 17;
        QTest::newRow("free number, not advanced")
            << QList<int>{} << 3 << false << "25010203" << 3 << 17;
        QTest::newRow("only 07 taken") << QList<int>{7} << 7 << true << "25010208" << 9 << 17;
        QTest::newRow("run of taken numbers")
            << QList<int>{7, 8, 9} << 7 << false << "25010210" << 10 << 17;
        QTest::newRow("99 wraps to 0 after use")
            << QList<int>{} << 99 << true << "25010299" << 0 << 17;
        QTest::newRow("collision at 99 wraps")
            << QList<int>{99} << 99 << true << "25010200" << 1 << 17;
        QTest::newRow("counter above 99 starts at 0")
            << QList<int>{} << 150 << true << "25010200" << 1 << 17;
        QTest::newRow("negative counter starts at 0")
            << QList<int>{} << -4 << false << "25010200" << 0 << 17;
        QTest::newRow("all taken gives a Z number") << all << 42 << true << "Z" << 43 << 17;
        QTest::newRow("record number -1 keeps column 20")
            << QList<int>{} << 0 << false << "25010200" << 0 << -1;
    }
    void makeBlankRow() {
        QFETCH(QList<int>, taken);
        QFETCH(int, subNo);
        QFETCH(bool, advance);
        QFETCH(QString, number);
        QFETCH(int, subNoAfter);
        QFETCH(int, recNo);
        test::FixedClock clock(QDateTime(QDate(2025, 1, 2), QTime(9, 30, 15, 400)));
        RecordTable table = TableWithRows(static_cast<int>(taken.size()) + 2);
        for (int i = 0; i < taken.size(); ++i) {
            table.SetCell(i + 1, ClientCol::ClientNo,
                          QStringLiteral("250102%1").arg(taken[i], 2, 10, QChar('0')));
            table.SetCell(i + 1, ClientCol::Status, i % 2 ? "-2" : "0"); // deleted rows count
        }
        const int row = table.RowCount() - 1;
        table.SetCell(row, ClientCol::ClientNo, "25010203"); // its own old number never collides
        table.SetCell(row, ClientCol::LastName, "old");
        table.SetCell(row, ClientCol::Mark, "X");
        table.SetCell(row, ClientCol::RecNo, "9");
        table.SetHidden(row, true);
        MakeBlankRow(table, row, recNo, advance, subNo, clock);

        const QString made = table.Cell(row, ClientCol::ClientNo);
        if (number == QLatin1String("Z")) {
            QVERIFY(made.startsWith('Z'));
            bool ok = false;
            const int value = made.mid(1).toInt(&ok);
            QVERIFY(ok && value >= 0 && value < 9999999);
        } else {
            QCOMPARE(made, number);
        }
        QCOMPARE(subNo, subNoAfter);
        QCOMPARE(table.Cell(row, ClientCol::Mark), QString());
        QCOMPARE(table.Cell(row, ClientCol::LastName), QString());
        QCOMPARE(table.Cell(row, ClientCol::PostTime), QString("1/2/2025 9:30:15 AM"));
        QCOMPARE(table.Cell(row, ClientCol::PullTime), QString("1/2/2025 9:30:15 AM"));
        QCOMPARE(table.Cell(row, ClientCol::RecNo),
                 recNo == -1 ? QString("9") : QString::number(recNo));
        QCOMPARE(table.Cell(row, ClientCol::Status), QString("0"));
        QVERIFY(!table.IsHidden(row));
        QCOMPARE(PopulateNameRec(table, row).State, -1);
    }
};

KIV5_CORE_TEST_MAIN(TestNameRec)
#include "tst_NameRec.moc"
