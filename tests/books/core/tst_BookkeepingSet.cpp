#include "books/core/BookkeepingSet.h"
#include "books/core/LedgerFile.h"
#include "common/core/ConflictTest.h"
#include "common/core/Exceptions.h"
#include "common/core/TextFile.h"
#include "tests/books/core/RecordBytes.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <QDir>

using namespace kiv5;
using namespace kiv5::books;

namespace {

const QDateTime kNow(QDate(2011, 3, 7), QTime(14, 5, 9));

IncRec Receipt(const QString& number, qint32 recNo, qint32 status = 0) {
    IncRec record;
    record.RecordNo = number;
    record.Date = 40609;
    record.Payor = "Payor " + number;
    record.Amount = 10000;
    record.PostTime = 40609.5;
    record.PullTime = 40609.5;
    record.RecNo = recNo;
    record.Status = status;
    return record;
}

QByteArray FileOf(const std::vector<IncRec>& records) {
    QByteArray bytes;
    for (const IncRec& record : records) {
        bytes += EncodeRecord(record);
    }
    return bytes;
}

} // namespace

class TestBookkeepingSet : public QObject {
    Q_OBJECT

private slots:
    void readingADataFile_data() {
        QTest::addColumn<int>("records");
        QTest::newRow("empty file") << 0;
        QTest::newRow("one record") << 1;
        QTest::newRow("three records") << 3;
    }
    void readingADataFile() {
        QFETCH(int, records);
        test::TempFolder folder;
        std::vector<IncRec> stored;
        for (int k = 0; k < records; ++k) {
            // Stale record numbers and hidden rows load as they lie.
            stored.push_back(Receipt(QString::number(k), 50 - k, k == 1 ? -2 : 0));
        }
        folder.WriteBytes("set.inc", FileOf(stored));
        RecordTable table = MakeLedgerTable();
        table.SetRowCount(7);
        table.SetCell(0, 1, "heading");
        ReadLedgerFile<IncRec>(folder.Path("set.inc"), table);
        QCOMPARE(table.RowCount(), records + 1);
        QCOMPARE(table.Cell(0, 1), QString("heading"));
        for (int k = 1; k <= records; ++k) {
            QCOMPARE(table.Cell(k, LedgerColumn::Number), QString::number(k - 1));
            QCOMPARE(table.Cell(k, LedgerColumn::Position), QString::number(k));
            QCOMPARE(table.IsHidden(k), k == 2);
        }
    }

    void damagedDataFile() {
        test::TempFolder folder;
        folder.WriteBytes("set.exp", QByteArray(264 * 2 + 10, '\0'));
        RecordTable table = MakeLedgerTable();
        table.SetRowCount(3);
        table.SetCell(2, 1, "kept");
        try {
            ReadLedgerFile<ExpRec>(folder.Path("set.exp"), table);
            QFAIL("no error");
        } catch (const IoError& error) {
            QVERIFY(error.Message().contains("set.exp"));
            QVERIFY(error.Message().contains("538"));
            QVERIFY(error.Message().contains("264"));
        }
        QCOMPARE(table.Cell(2, 1), QString("kept"));
        QVERIFY_THROWS_EXCEPTION(IoError,
                                 ReadLedgerFile<ExpRec>(folder.Path("missing.exp"), table));
    }

    void writingOneRecordInPlace() {
        test::TempFolder folder;
        const QString path = folder.Path("set.inc");
        folder.WriteBytes("set.inc", FileOf({Receipt("a", 1), Receipt("b", 2), Receipt("c", 3)}));
        RecordTable table = MakeLedgerTable();
        ReadLedgerFile<IncRec>(path, table);
        table.SetCell(2, LedgerColumn::Party, "Changed");
        const IncRec written = WriteLedgerRow<IncRec>(path, table, 2, ErrorSink());
        QCOMPARE(written.RecNo, 2);
        const std::vector<IncRec> stored = ReadAllRecords<IncRec>(path);
        QCOMPARE(stored.size(), std::size_t(3));
        QCOMPARE(stored[1].Payor, QString("Changed"));
        QCOMPARE(stored[0], Receipt("a", 1));
        QCOMPARE(stored[2], Receipt("c", 3));
        // The stored record is there for the stamp comparison.
        IncRec later = stored[1];
        later.PostTime = 40610.25;
        WriteLedgerRecord(path, later, 2);
        const IncRec reread = ReadLedgerRecord<IncRec>(path, 2);
        QVERIFY(IsForeignWrite(reread.PostTime, PopulateIncRec(table, 2, ErrorSink()).PullTime));
    }

    void writingOutsideTheFile_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("written");
        QTest::newRow("at the end") << 3 << true;
        QTest::newRow("beyond the end") << 4 << false;
        QTest::newRow("before the start") << 0 << false;
    }
    void writingOutsideTheFile() {
        QFETCH(int, position);
        QFETCH(bool, written);
        test::TempFolder folder;
        const QString path = folder.Path("set.exp");
        folder.WriteBytes("set.exp", QByteArray(264 * 2, '\0'));
        ExpRec record;
        if (written) {
            WriteLedgerRecord(path, record, position);
        } else {
            QVERIFY_THROWS_EXCEPTION(IoError, WriteLedgerRecord(path, record, position));
        }
        QCOMPARE(folder.ReadBytes("set.exp").size(), 264 * (written ? 3 : 2));
    }

    void appendingAtTheRealEnd() {
        test::FixedClock clock(kNow);
        test::TempFolder folder;
        const QString path = folder.Path("set.inc");
        folder.WriteBytes("set.inc", FileOf({Receipt("1", 1)}));
        RecordTable table = MakeLedgerTable();
        ReadLedgerFile<IncRec>(path, table);
        // Another user added a record since this table was read.
        folder.WriteBytes("set.inc", FileOf({Receipt("1", 1), Receipt("2", 2)}));
        const int row = table.AppendRow();
        MakeBlankIncomeRow(table, row, row, clock);
        QCOMPARE(AppendLedgerRow<IncRec>(path, table, row), 3);
        QCOMPARE(table.Cell(row, LedgerColumn::Position), QString("3"));
        const std::vector<IncRec> stored = ReadAllRecords<IncRec>(path);
        QCOMPARE(stored.size(), std::size_t(3));
        QCOMPARE(stored[1].RecordNo, QString("2"));
        QCOMPARE(stored[2].RecordNo, QString("2")); // the number after row 1's
        QCOMPARE(stored[2].RecNo, 3);
        QCOMPARE(stored[2].Date, 40609.0);
        QVERIFY(!folder.Exists("set.inc.lock"));
    }

    void writingTheWholeFile() {
        test::TempFolder folder;
        const QString path = folder.Path("set.inc");
        folder.WriteBytes("set.inc",
                          FileOf({Receipt("a", 7), Receipt("b", 8, -2), Receipt("c", 9, -1)}));
        RecordTable table = MakeLedgerTable();
        ReadLedgerFile<IncRec>(path, table);
        // The program sorts its table its own way; the file keeps its order.
        table.ExchangeRows(1, 3);
        const QStringList before = table.Row(1);
        WriteLedgerFile<IncRec>(path, table, ErrorSink());
        QCOMPARE(table.Row(1), before);
        const std::vector<IncRec> stored = ReadAllRecords<IncRec>(path);
        QCOMPARE(stored.size(), std::size_t(3));
        const QStringList numbers = {stored[0].RecordNo, stored[1].RecordNo, stored[2].RecordNo};
        QCOMPARE(numbers, QStringList({"a", "b", "c"}));
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(stored[static_cast<std::size_t>(k)].RecNo, k + 1);
        }
        QCOMPARE(stored[1].Status, -2); // deleted rows stay until packed
    }

    void wholeFileRenumbersGaps() {
        test::TempFolder folder;
        const QString path = folder.Path("set.exp");
        RecordTable table = MakeLedgerTable();
        table.SetRowCount(3);
        ExpRec record;
        record.Date = 40609;
        record.CheckNo = "late";
        ConvertExpRecToStringGrid(table, record, 1, 9);
        record.CheckNo = "early";
        ConvertExpRecToStringGrid(table, record, 2, 4);
        WriteLedgerFile<ExpRec>(path, table, ErrorSink());
        const std::vector<ExpRec> stored = ReadAllRecords<ExpRec>(path);
        QCOMPARE(stored[0].CheckNo, QString("early"));
        QCOMPARE(stored[1].RecNo, 2);
        QCOMPARE(table.Cell(1, LedgerColumn::Position), QString("2"));
        QCOMPARE(table.Cell(2, LedgerColumn::Position), QString("1"));
    }

    void wholeFileLeavesTheOldFileOnError() {
        test::TempFolder folder;
        const QString path = folder.Path("set.inc");
        folder.WriteBytes("set.inc", FileOf({Receipt("a", 1)}));
        RecordTable table = MakeLedgerTable();
        ReadLedgerFile<IncRec>(path, table);
        table.AppendRow(); // an empty row does not convert
        table.SetCell(2, LedgerColumn::Position, "2");
        QVERIFY_THROWS_EXCEPTION(ConversionError,
                                 WriteLedgerFile<IncRec>(path, table, ErrorSink()));
        QCOMPARE(folder.ReadBytes("set.inc"), FileOf({Receipt("a", 1)}));
    }

    void dataFileNames_data() {
        QTest::addColumn<QString>("chosen");
        QTest::newRow("files folder") << "FILES/books.su5";
        QTest::newRow("other folder") << "/somewhere/else/books.su5";
        QTest::newRow("windows name") << "C:\\x\\books.su5";
        QTest::newRow("upper case") << "/elsewhere/books.SU5";
        QTest::newRow("no folder") << "books.su5";
    }
    void dataFileNames() {
        QFETCH(QString, chosen);
        test::TempFolder folder;
        const QString files = folder.Path("files");
        QVERIFY(QDir().mkpath(files));
        chosen.replace("FILES", files);
        QCOMPARE(SetBaseName(chosen), QString("books"));
        QCOMPARE(IncomeFilePath(files, chosen), files + "/books.inc");
        QCOMPARE(ExpenseFilePath(files + "/", chosen), files + "/books.exp");
        QCOMPARE(AccountListPath(files, chosen), files + "/books.acc");
        QCOMPARE(CategoryListPath(files, chosen), files + "/books.cat");
        QCOMPARE(SetFileInFilesDirectory(files, chosen).toLower(), files.toLower() + "/books.su5");
    }

    void setFileIsFoundInTheFilesFolder() {
        test::TempFolder folder;
        const QString files = folder.Folder();
        WriteSetFile(files + "books.su5", "C:\\Clients\\kiv5.pl5");
        QCOMPARE(ReadTextLines(files + "books.su5"),
                 QStringList({"books.inc", "books.exp", "books.acc", "books.cat", "kiv5.pl5"}));
        QCOMPARE(folder.ReadBytes("books.su5").count("\r\n"), 5);
        // Opened from another folder, the set file of the files folder is read.
        QCOMPARE(ReadSetFile(SetFileInFilesDirectory(files, "D:\\Backup\\books.su5")),
                 QString("kiv5.pl5"));
        QVERIFY_THROWS_EXCEPTION(IoError,
                                 ReadSetFile(SetFileInFilesDirectory(files, "/x/other.su5")));
    }

    void setFileLines_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("linked");
        QTest::newRow("linked") << QByteArray("a\r\nb\r\nc\r\nd\r\nclients.pl5\r\n")
                                << "clients.pl5";
        QTest::newRow("not linked") << QByteArray("a\r\nb\r\nc\r\nd\r\n\r\n") << "";
        QTest::newRow("line feeds") << QByteArray("a\nb\nc\nd\nx.pl5") << "x.pl5";
        QTest::newRow("short") << QByteArray("a\r\nb\r\n") << "";
        QTest::newRow("empty") << QByteArray() << "";
    }
    void setFileLines() {
        QFETCH(QByteArray, content);
        QFETCH(QString, linked);
        test::TempFolder folder;
        folder.WriteBytes("s.su5", content);
        QCOMPARE(ReadSetFile(folder.Path("s.su5")), linked);
    }

    void nameLists_data() {
        QTest::addColumn<QStringList>("names");
        QTest::newRow("empty") << QStringList();
        QTest::newRow("names") << QStringList({"Trust", "Operating"});
        QTest::newRow("blank entry") << QStringList({"Fees", "", "Costs"});
        QTest::newRow("windows-1252") << QStringList({"Caf\u00e9 \u20ac"});
    }
    void nameLists() {
        QFETCH(QStringList, names);
        test::TempFolder folder;
        WriteNameList(folder.Path("b.acc"), names);
        QCOMPARE(ReadNameList(folder.Path("b.acc")), names);
    }

    void defaultCategories() {
        test::TempFolder folder;
        QCOMPARE(ReadDefaultCategoryList(folder.Folder()), QStringList());
        folder.WriteBytes("DEFAULT.CAT", "Fees\r\nCosts\r\n");
        QCOMPARE(ReadDefaultCategoryList(folder.Folder()), QStringList({"Fees", "Costs"}));
        folder.WriteBytes("default.cat", "Rent\n");
        QCOMPARE(ReadDefaultCategoryList(folder.Folder()), QStringList({"Rent"}));
    }

    void membersFromACaseBlindSystem() {
        test::TempFolder folder;
        folder.WriteBytes("Books.INC", FileOf({Receipt("a", 1)}));
        const QString path = IncomeFilePath(folder.Folder(), "/x/books.su5");
        QCOMPARE(path, folder.Path("Books.INC"));
        RecordTable table = MakeLedgerTable();
        ReadLedgerFile<IncRec>(path, table);
        QCOMPARE(table.DataRowCount(), 1);
        QCOMPARE(ExpenseFilePath(folder.Folder(), "books.su5"), folder.Path("books.exp"));
    }
};

KIV5_CORE_TEST_MAIN(TestBookkeepingSet)
#include "tst_BookkeepingSet.moc"
