#include "clientdb/core/ClientFile.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/core/ClientWorkspace.h"
#include "common/core/Exceptions.h"
#include "common/core/FileSet.h"
#include "common/core/RecordFile.h"
#include "common/core/TextFile.h"
#include "tests/clientdb/core/ClientFixtures.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <functional>

using namespace kiv5;

namespace {

using Command = std::function<void(ClientWorkspace&)>;

// A workspace on a fixture file of three clients in the folder.
void OpenFixture(ClientWorkspace& ws, const test::TempFolder& folder) {
    test::WriteFixtureFiles(folder, {0, -2, 0});
    ws.settings.FilesDirectory = folder.Folder();
    ws.Open(QStringLiteral("clients.pl5"));
}

// Puts a folder where the memo file was: every write of it fails, even as root.
void BlockMemoFile(const test::TempFolder& folder) {
    QFile::remove(folder.Path("clients.mem"));
    QVERIFY(QDir().mkpath(folder.Path("clients.mem")));
}

QStringList Leftovers(const test::TempFolder& folder) {
    return QDir(folder.Folder()).entryList({"*.kiv5-*"}, QDir::Files);
}

} // namespace

Q_DECLARE_METATYPE(Command)

class TestClientWorkspace : public QObject {
    Q_OBJECT

private slots:
    void failedMemoWriteLeavesBothFiles_data() {
        QTest::addColumn<Command>("command");
        QTest::newRow("save") << Command([](ClientWorkspace& ws) { ws.Save(SaveMode::Plain); });
        QTest::newRow("pack") << Command([](ClientWorkspace& ws) { ws.Pack(); });
        QTest::newRow("add") << Command([](ClientWorkspace& ws) { ws.Add(); });
        QTest::newRow("close") << Command([](ClientWorkspace& ws) { ws.Close(); });
    }
    void failedMemoWriteLeavesBothFiles() {
        QFETCH(Command, command);
        test::TempFolder folder;
        test::TestContext context;
        ClientWorkspace ws(1024, context);
        OpenFixture(ws, folder);
        BlockMemoFile(folder);
        const QByteArray clients = folder.ReadBytes("clients.pl5");
        const int rows = ws.Table().RowCount();
        const MemoList memo = ws.Memo();
        const int subNo = ws.settings.ClientSubNo;
        QVERIFY_THROWS_EXCEPTION(IoError, command(ws));
        QCOMPARE(folder.ReadBytes("clients.pl5"), clients);
        QVERIFY(QFileInfo(folder.Path("clients.mem")).isDir());
        QVERIFY(Leftovers(folder).isEmpty());
        // The file stays open and the table agrees with the disk.
        QVERIFY(ws.IsOpen());
        QCOMPARE(ws.Table().RowCount(), rows);
        QCOMPARE(ws.Memo(), memo);
        QCOMPARE(ws.settings.ClientSubNo, subNo);
        for (int row = 1; row < rows; ++row) {
            const int slot = ws.Table().Cell(row, ClientCol::RecNo).toInt();
            QCOMPARE(ws.Table().Cell(row, ClientCol::LastName), test::FixtureClient(slot).LastName);
        }
    }

    void failedPackKeepsSlotsForTheNextSave() {
        test::TempFolder folder;
        test::TestContext context;
        ClientWorkspace ws(1024, context);
        OpenFixture(ws, folder);
        BlockMemoFile(folder);
        QVERIFY_THROWS_EXCEPTION(IoError, ws.Pack());
        QVERIFY(QDir().rmdir(folder.Path("clients.mem")));
        const int row = test::RowOfSlot(ws.Table(), 3);
        ClientEntry entry = ws.EntryOf(row);
        entry.Text(ClientCol::LastName) = QStringLiteral("Saved");
        QCOMPARE(ws.SaveRecord(row, entry).kind, SaveOutcome::Saved);
        const auto stored = ReadAllRecords<NameRec>(folder.Path("clients.pl5"));
        QCOMPARE(int(stored.size()), 4);
        QCOMPARE(stored[3].LastName, QString("Saved"));
        QCOMPARE(stored[2].Status, -2);
    }

    void crashBetweenRenamesIsFinishedAtOpen_data() {
        QTest::addColumn<int>("renames");
        for (int renames = 0; renames <= 3; ++renames) {
            QTest::addRow("after %d renames", renames) << renames;
        }
    }
    void crashBetweenRenamesIsFinishedAtOpen() {
        QFETCH(int, renames);
        test::TempFolder folder;
        const ClientFiles files = test::WriteFixtureFiles(folder, {0, 0});
        {
            FileSetWriter pair(files.clientFile);
            WriteAllRecords(pair.Stage(files.clientFile),
                            std::vector<NameRec>{NameRec{}, test::FixtureClient(1)});
            WriteTextLines(pair.Stage(files.memoFile), {"", "new memo"});
            pair.SimulateCrashAfterRenames(renames);
            pair.Commit();
        }
        QVERIFY(folder.Exists("clients.pl5.kiv5-set"));
        test::TestContext context;
        ClientWorkspace ws(1024, context);
        ws.settings.FilesDirectory = folder.Folder();
        ws.Open(QStringLiteral("clients.pl5"));
        QCOMPARE(ws.Table().DataRowCount(), 1);
        QCOMPARE(ws.Memo().value(1), QString("new memo"));
        QVERIFY(!folder.Exists("clients.pl5.kiv5-set"));
        QVERIFY(Leftovers(folder).isEmpty());
    }

    void stagedFilesWithoutJournalAreDropped() {
        test::TempFolder folder;
        const ClientFiles files = test::WriteFixtureFiles(folder, {0, 0});
        const QByteArray clients = folder.ReadBytes("clients.pl5");
        folder.WriteBytes("clients.pl5.kiv5-new", "half written");
        test::TestContext context;
        ClientWorkspace ws(1024, context);
        ws.settings.FilesDirectory = folder.Folder();
        ws.Open(QStringLiteral("clients.pl5"));
        QCOMPARE(ws.Table().DataRowCount(), 2);
        QCOMPARE(folder.ReadBytes("clients.pl5"), clients);
        QVERIFY(Leftovers(folder).isEmpty());
    }

    void openFileKeepsItsFolder() {
        test::TempFolder folder, other;
        test::TestContext context;
        ClientWorkspace ws(1024, context);
        OpenFixture(ws, folder);
        ws.SetFilesDirectory(other.Folder());
        const int row = ws.Add();
        QCOMPARE(row, 4);
        QCOMPARE(int(ReadAllRecords<NameRec>(folder.Path("clients.pl5")).size()), 5);
        ws.Close();
        QCOMPARE(ReadTextLines(folder.Path("clients.mem")).size(), 5);
        QVERIFY(QDir(other.Folder()).entryList(QDir::Files).isEmpty());
    }

    void namesWrittenOnWindowsOpen_data() {
        QTest::addColumn<QString>("clientName");
        QTest::addColumn<QString>("memoName");
        QTest::newRow("upper case") << "CLIENTS.PL5"
                                    << "CLIENTS.MEM";
        QTest::newRow("mixed") << "Clients.pl5"
                               << "clients.mem";
        QTest::newRow("lower case") << "clients.pl5"
                                    << "clients.mem";
    }
    void namesWrittenOnWindowsOpen() {
        QFETCH(QString, clientName);
        QFETCH(QString, memoName);
        test::TempFolder folder;
        const ClientFiles files = test::WriteFixtureFiles(folder, {0, 0});
        QFile::rename(files.clientFile, folder.Path(clientName));
        QFile::rename(files.memoFile, folder.Path(memoName));
        test::TestContext context;
        ClientWorkspace ws(1024, context);
        ws.settings.FilesDirectory = folder.Folder();
        ws.Open(QStringLiteral("clients.pl5"));
        QCOMPARE(ws.Table().DataRowCount(), 2);
        QCOMPARE(ws.Memo().value(2), QString("memo 2"));
        ws.Close();
        QStringList expected{clientName, memoName};
        expected.sort();
        // The memo lines go back to the memo file under its own spelling.
        QCOMPARE(QDir(folder.Folder()).entryList(QDir::Files, QDir::Name), expected);
    }

    void signalsTellTheViews() {
        test::TempFolder folder;
        test::TestContext context;
        ClientWorkspace ws(1024, context);
        QSignalSpy reset(&ws, &ClientWorkspace::TableReset);
        QSignalSpy file(&ws, &ClientWorkspace::FileChanged);
        OpenFixture(ws, folder);
        QVERIFY(reset.count() >= 1);
        QCOMPARE(file.count(), 1);
        QSignalSpy row(&ws, &ClientWorkspace::RowChanged);
        ws.SelectRow(1);
        QCOMPARE(row.count(), 1);
        QCOMPARE(ws.Table().Cell(1, ClientCol::Mark), QString("X"));
    }
};

KIV5_CORE_TEST_MAIN(TestClientWorkspace)
#include "tst_ClientWorkspace.moc"
