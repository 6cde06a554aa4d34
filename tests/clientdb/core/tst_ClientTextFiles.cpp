// The client file as plain text: the tab-separated export, the backup
// generations and restoring a client file from a backup.

#include "clientdb/core/ClientFile.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/core/ExportTXTFile.h"
#include "clientdb/core/LoadBackup.h"
#include "clientdb/core/MakeBackup.h"
#include "common/core/Exceptions.h"
#include "tests/clientdb/core/ClientFixtures.h"
#include "tests/support/TestMain.h"

#include <QTest>
#include <QTimeZone>

using namespace kiv5;
using namespace kiv5::test;

namespace {

const QDateTime kToday(QDate(2025, 3, 14), QTime(9, 30), QTimeZone::systemTimeZone());

// A table of the fixture file's clients as opening reads it, with a memo
// of two lines for the first client.
struct OpenedFixture {
    explicit OpenedFixture(const TempFolder& folder, const QList<int>& statuses,
                           const QString& name = QStringLiteral("clients.pl5"))
        : files(WriteFixtureFiles(folder, statuses, name)), FileName(name) {
        OpenClientFile(files, table, memo);
    }
    ClientFiles files;
    QString FileName;
    RecordTable table = MakeClientTable();
    MemoList memo;
};

QStringList Fields(const QString& line) {
    return line.split(QLatin1Char('\t'));
}

} // namespace

class TestClientTextFiles : public QObject {
    Q_OBJECT

private slots:
    void init() { clock_ = std::make_unique<FixedClock>(kToday); }
    void cleanup() { clock_.reset(); }

    void exportLines_data() {
        QTest::addColumn<bool>("onlySelected");
        QTest::addColumn<QStringList>("marks");
        QTest::addColumn<QStringList>("exported");
        QTest::newRow("all, deleted and filtered too")
            << false << QStringList{"", "X", ""} << QStringList{"C1", "C2", "C3"};
        QTest::newRow("only selected")
            << true << QStringList{"X", "", "X"} << QStringList{"C1", "C3"};
        QTest::newRow("only selected, none marked")
            << true << QStringList{"", "", ""} << QStringList{};
    }
    void exportLines() {
        QFETCH(bool, onlySelected);
        QFETCH(QStringList, marks);
        QFETCH(QStringList, exported);
        TempFolder folder;
        OpenedFixture fixture(folder, {kStatusActive, kStatusDeleted, kStatusFiltered});
        for (int row = 1; row < fixture.table.RowCount(); ++row) {
            fixture.table.SetCell(row, ClientCol::Mark, marks[row - 1]);
        }
        const QString path = folder.Path("export.txt");
        folder.WriteBytes("export.txt", "an earlier, longer export\r\n\r\n\r\n");
        ExportTXTFile(fixture.table, path, onlySelected);
        const QByteArray bytes = folder.ReadBytes("export.txt");
        QStringList numbers;
        for (const QByteArray& line : bytes.split('\n')) {
            if (line.isEmpty()) {
                continue;
            }
            QVERIFY(line.endsWith('\r'));
            const QStringList fields = Fields(QString::fromLatin1(line.chopped(1)));
            QCOMPARE(fields.size(), 15);
            numbers.append(fields[0]);
        }
        QCOMPARE(numbers, exported);
        QCOMPARE(bytes.isEmpty(), exported.isEmpty());
    }

    void exportKeepsWindows1252AndBreaksTheLineNever() {
        RecordTable table = MakeClientTable();
        const int row = table.AppendRow();
        table.SetCell(row, ClientCol::LastName, QStringLiteral("Müller\tand Söhne"));
        table.SetCell(row, ClientCol::Note2, QStringLiteral("last"));
        const QStringList fields = Fields(ExportLine(table, row));
        QCOMPARE(fields.size(), 15);
        QCOMPARE(fields[1], QString("Müller ~ and Söhne"));
        QCOMPARE(fields[14], QString("last"));
        TempFolder folder;
        ExportTXTFile(table, folder.Path("e.txt"), false);
        QVERIFY(folder.ReadBytes("e.txt").contains("M\xfcller"));
    }

    void backupGenerations_data() {
        QTest::addColumn<int>("counter");
        QTest::addColumn<int>("next");
        QTest::newRow("first backup of an installation") << 0 << 1;
        QTest::newRow("middle") << 7 << 8;
        QTest::newRow("last generation") << 31 << 1;
        QTest::newRow("stored counter out of range") << 40 << 1;
    }
    void backupGenerations() {
        QFETCH(int, counter);
        QFETCH(int, next);
        TempFolder folder;
        OpenedFixture fixture(folder, {kStatusActive});
        const BackupFiles files =
            MakeBackup(fixture.table, fixture.memo, fixture.FileName, folder.Folder(), counter);
        QCOMPARE(files.textFile, folder.Path(QStringLiteral("clients_bkp_%1.txt").arg(counter)));
        QCOMPARE(files.memoFile, folder.Path(QStringLiteral("clients_bkp_%1.mem").arg(counter)));
        QVERIFY(QFileInfo::exists(files.textFile));
        QVERIFY(QFileInfo::exists(files.memoFile));
        QCOMPARE(files.BackupCounter, next);
    }

    void backupLinesInRecordNumberOrder() {
        TempFolder folder;
        OpenedFixture fixture(folder, {kStatusActive, kStatusDeleted, kStatusFiltered});
        RecordTable& table = fixture.table;
        // Shown in reverse; the memo holds a break and a tab.
        std::swap(table.Row(1), table.Row(3));
        table.SetCell(3, ClientCol::Memo, QStringLiteral("one\r\ntwo\tthree"));
        const BackupFiles files = MakeBackup(table, fixture.memo, QString(), folder.Folder(), 3);
        // Without an open file only the text is written.
        QVERIFY(files.memoFile.isEmpty());
        QVERIFY(!folder.Exists("_bkp_3.mem"));
        const QStringList lines = ReadTextLines(files.textFile);
        QCOMPARE(lines.size(), 3);
        for (int i = 0; i < 3; ++i) {
            const QStringList fields = Fields(lines[i]);
            QCOMPARE(fields.size(), 22);
            QCOMPARE(fields[ClientCol::RecNo], QString::number(i + 1));
        }
        QCOMPARE(Fields(lines[0])[ClientCol::Memo], QString("one | two ~ three"));
        QCOMPARE(Fields(lines[1])[ClientCol::Status], QString("-2"));
        QCOMPARE(Fields(lines[2])[ClientCol::Status], QString("-1"));
    }

    void restoredFileName_data() {
        QTest::addColumn<QString>("backup");
        QTest::addColumn<QString>("restored");
        QTest::newRow("generation") << "/data/clients_bkp_4.txt"
                                    << "clients.pl5";
        QTest::newRow("name with underscores") << "/data/my_clients_bkp_2.txt"
                                               << "my.pl5";
        QTest::newRow("no underscore") << "/data/backup.txt"
                                       << "/data/backup.pl5";
        QTest::newRow("underscore first") << "/data/_bkp_1.txt"
                                          << "/data/_bkp_1.pl5";
        QTest::newRow("Windows name") << "C:\\Data\\firm_bkp_9.txt"
                                      << "firm.pl5";
    }
    void restoredFileName() {
        QFETCH(QString, backup);
        QFETCH(QString, restored);
        QCOMPARE(RestoredFileName(backup), restored);
    }

    void backupAndRestoreRoundTrip() {
        TempFolder folder;
        OpenedFixture fixture(folder, {kStatusActive, kStatusDeleted, kStatusFiltered, 0});
        fixture.memo[1] = QStringLiteral("first | second");
        fixture.table.SetCell(2, ClientCol::Mark, QStringLiteral("X"));
        const std::vector<NameRec> original = ReadAllRecords<NameRec>(fixture.files.clientFile);
        const BackupFiles files =
            MakeBackup(fixture.table, fixture.memo, fixture.FileName, folder.Folder(), 2);
        // The client file is lost; the backup rebuilds it.
        QVERIFY(QFile::remove(fixture.files.clientFile));
        QVERIFY(QFile::remove(fixture.files.memoFile));

        RestoredBackup restored = LoadBackup(files.textFile, folder.Folder(), QString(), *clock_);
        QCOMPARE(restored.FileName, QString("clients.pl5"));
        QVERIFY(!restored.replacesOtherFile);
        SaveRestoredBackup(restored, *clock_);

        const std::vector<NameRec> back = ReadAllRecords<NameRec>(fixture.files.clientFile);
        QCOMPARE(back.size(), original.size());
        for (std::size_t slot = 1; slot < back.size(); ++slot) {
            QCOMPARE(back[slot].ClientNo, original[slot].ClientNo);
            QCOMPARE(back[slot].LastName, original[slot].LastName);
            QCOMPARE(back[slot].State, original[slot].State);
            QCOMPARE(back[slot].Status, original[slot].Status);
            QCOMPARE(back[slot].RecNo, int(slot));
            // The stamps of a restore are today's date.
            QCOMPARE(back[slot].PostTime,
                     double(kToday.date().toJulianDay() - QDate(1899, 12, 30).toJulianDay()));
        }
        const MemoList memo = ReadMemoFile(fixture.files.memoFile, 5);
        QCOMPARE(memo.value(1), QString("first | second"));
        QCOMPARE(memo.value(2), QString("memo 2"));
    }

    void restoreOverAnotherFileIsFlagged_data() {
        QTest::addColumn<QString>("openFile");
        QTest::addColumn<bool>("flagged");
        QTest::newRow("no file open") << "" << true;
        QTest::newRow("another file open") << "other.pl5" << true;
        QTest::newRow("the file itself open") << "clients.pl5" << false;
    }
    void restoreOverAnotherFileIsFlagged() {
        QFETCH(QString, openFile);
        QFETCH(bool, flagged);
        TempFolder folder;
        OpenedFixture fixture(folder, {kStatusActive});
        const BackupFiles files =
            MakeBackup(fixture.table, fixture.memo, fixture.FileName, folder.Folder(), 0);
        const RestoredBackup restored =
            LoadBackup(files.textFile, folder.Folder(),
                       openFile.isEmpty() ? QString() : folder.Path(openFile), *clock_);
        QCOMPARE(restored.replacesOtherFile, flagged);
        QCOMPARE(RestoreReplaceQuestion(restored.FileName),
                 QString("The client file clients.pl5 already exists and is not the open file. "
                         "Replace it with the backup?"));
    }

    void badBackupsWriteNothing_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("withMemo");
        QTest::newRow("too few fields, rest in the status")
            << QByteArray("\tX\tC9\tSmith\r\n") << true;
        QTest::newRow("record number that does not read")
            << QByteArray("\t\tC9\tSmith" + QByteArray("\t").repeated(17) + "nine\t0\r\n") << true;
        QTest::newRow("memo backup missing") << QByteArray("\t\tC9\r\n") << false;
    }
    void badBackupsWriteNothing() {
        QFETCH(QByteArray, text);
        QFETCH(bool, withMemo);
        TempFolder folder;
        const ClientFiles kept = WriteFixtureFiles(folder, {kStatusActive}, "firm.pl5");
        const QByteArray keptBytes = folder.ReadBytes("firm.pl5");
        folder.WriteBytes("firm_bkp_1.txt", text);
        if (withMemo) {
            folder.WriteBytes("firm_bkp_1.mem", "\r\nmemo\r\n");
        }
        bool failed = false;
        try {
            RestoredBackup restored = LoadBackup(folder.Path("firm_bkp_1.txt"), folder.Folder(),
                                                 folder.Path("firm.pl5"), *clock_);
            SaveRestoredBackup(restored, *clock_);
        } catch (const Kiv5Error&) {
            failed = true;
        }
        QVERIFY(failed);
        QCOMPARE(folder.ReadBytes("firm.pl5"), keptBytes);
        QVERIFY(QFileInfo::exists(kept.memoFile));
    }

private:
    std::unique_ptr<FixedClock> clock_;
};

KIV5_GUI_TEST_MAIN(TestClientTextFiles)
#include "tst_ClientTextFiles.moc"
