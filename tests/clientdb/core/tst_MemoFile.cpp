#include "clientdb/core/ClientRow.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/core/MemoList.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

using namespace kiv5;

namespace {

// A table of three client rows, row r holding slot r.
RecordTable ThreeClients() {
    RecordTable table = MakeClientTable();
    table.SetRowCount(4);
    for (int row = 1; row < 4; ++row) {
        ConvertNameRecToStringGrid(table, NameRec{}, row, row);
    }
    return table;
}

QString Lines(int count, int width, const QString& lineBreak) {
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        lines.append(QString(width, QChar('a' + i)));
    }
    return lines.join(lineBreak);
}

} // namespace

class TestMemoFile : public QObject {
    Q_OBJECT

private slots:
    void memoOverflow_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("encodedLength");
        QTest::addColumn<bool>("inMemoFile");

        QTest::newRow("300 characters") << QString(300, 'x') << 300 << true;
        QTest::newRow("256 characters") << QString(256, 'x') << 256 << true;
        QTest::newRow("255 characters fit the record") << QString(255, 'x') << 255 << false;
        QTest::newRow("empty") << QString() << 0 << false;
        // 246 letters and 4 breaks: 250 characters that encode to 258.
        QTest::newRow("250 with 4 CR LF breaks")
            << Lines(5, 246 / 5, "\r\n") + QString(246 % 5, 'z') << 258 << true;
        QTest::newRow("250 with 4 editor breaks")
            << Lines(5, 246 / 5, "\n") + QString(246 % 5, 'z') << 258 << true;
        QTest::newRow("two short lines") << "one\r\ntwo" << 9 << false;
    }
    void memoOverflow() {
        QFETCH(QString, text);
        QFETCH(int, encodedLength);
        QFETCH(bool, inMemoFile);
        RecordTable table = ThreeClients();
        MemoList memo{"", "", "left alone", ""};
        StoreMemoOverflow(table, 3, text, memo);

        const QString encoded = table.Cell(3, ClientCol::Memo);
        QCOMPARE(encoded.size(), encodedLength);
        QVERIFY(!encoded.contains('\r') && !encoded.contains('\n'));
        const NameRec stored = DecodeRecord<NameRec>(EncodeRecord(PopulateNameRec(table, 3)));
        QCOMPARE(stored.Memo, encoded.left(255));
        QCOMPARE(memo.value(3), inMemoFile ? encoded : QString());
        QCOMPARE(memo.value(2), QString("left alone"));
        QString expected = text;
        expected.replace("\r\n", "\n").replace('\n', "\r\n");
        QCOMPARE(EntryFormMemo(table, 3, memo), expected);
    }

    void shortenedMemoEmptiesItsLine() {
        test::TempFolder folder;
        RecordTable table = ThreeClients();
        MemoList memo = ReadMemoFile(folder.Path("none.mem"), 4);
        StoreMemoOverflow(table, 2, QString(300, 'q'), memo);
        WriteMemoFile(folder.Path("c.mem"), memo);
        memo = ReadMemoFile(folder.Path("c.mem"), 4);
        QCOMPARE(memo.value(2).size(), 300);
        QCOMPARE(EntryFormMemo(table, 2, memo), QString(300, 'q'));
        QCOMPARE(table.Cell(2, ClientCol::Memo).size(), 300);

        StoreMemoOverflow(table, 2, QString(100, 'r'), memo);
        QCOMPARE(memo.value(2), QString());
        QCOMPARE(EntryFormMemo(table, 2, memo), QString(100, 'r'));
    }

    void readingMemoFiles_data() {
        QTest::addColumn<QByteArray>("bytes"); // empty: no memo file at all
        QTest::addColumn<int>("slotCount");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("missing file") << QByteArray() << 3 << QStringList{"", "", ""};
        QTest::newRow("short file padded")
            << QByteArray("\r\nabc\r\n") << 4 << QStringList{"", "abc", "", ""};
        QTest::newRow("LF line ends") << QByteArray("\nx\ny\n") << 3 << QStringList{"", "x", "y"};
        QTest::newRow("more lines than slots kept")
            << QByteArray("\r\na\r\nb\r\n") << 2 << QStringList{"", "a", "b"};
        QTest::newRow("line longer than any field")
            << QByteArray("\r\n") + QByteArray(1000, 'w') + "\r\n"
            << 2 << QStringList{"", QString(1000, 'w')};
        QTest::newRow("Windows-1252") << QByteArray("\r\ncaf\xE9 \x80\r\n") << 2
                                      << QStringList{"", QString::fromUtf8("caf\u00E9 \u20AC")};
    }
    void readingMemoFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, slotCount);
        QFETCH(QStringList, lines);
        test::TempFolder folder;
        if (!bytes.isEmpty()) {
            folder.WriteBytes("c.mem", bytes);
        }
        QCOMPARE(ReadMemoFile(folder.Path("c.mem"), slotCount), lines);
    }

    void writingMemoFiles() {
        test::TempFolder folder;
        WriteMemoFile(folder.Path("c.mem"),
                      {"", QString::fromUtf8("caf\u00E9"), "broken\nline", "", "last"});
        QCOMPARE(folder.ReadBytes("c.mem"),
                 QByteArray("\r\ncaf\xE9\r\nbroken | line\r\n\r\nlast\r\n"));
        // Every slot keeps its own line.
        QCOMPARE(ReadMemoFile(folder.Path("c.mem"), 0).size(), 5);
    }
};

KIV5_CORE_TEST_MAIN(TestMemoFile)
#include "tst_MemoFile.moc"
