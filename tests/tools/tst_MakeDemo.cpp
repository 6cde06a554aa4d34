#include "billing/core/BillingSettings.h"
#include "billing/core/DayRec.h"
#include "billing/core/TBillRec.h"
#include "books/core/BookkeepingSet.h"
#include "books/core/BooksSettings.h"
#include "books/core/ExpRec.h"
#include "books/core/IncRec.h"
#include "clientdb/core/ClientFile.h"
#include "clientdb/core/ClientSettings.h"
#include "clientdb/core/ClientTable.h"
#include "common/core/RecordFile.h"
#include "common/core/StateTable.h"
#include "common/core/TextFile.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"
#include "tests/tools/ToolRun.h"
#include "tools/kiv5/DemoSet.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

using namespace kiv5;
using namespace kiv5::test;

namespace {

const QDateTime kDemoDay(QDate(2025, 3, 12), QTime(9, 30));
const Clock kDemoClock = Clock::FixedAt(kDemoDay);

QStringList RecordFiles(const tool::DemoSet& set) {
    return QStringList{set.clientFiles.clientFile, set.incomeFile, set.expenseFile, set.billFile,
                       set.calendarFile} +
           set.statementFiles;
}

QStringList StatementFilesOf(const tool::DemoSet& set) {
    QStringList paths;
    for (const QFileInfo& info : QDir(set.statementFolder).entryInfoList(QDir::Files)) {
        paths << info.filePath();
    }
    return paths;
}

tool::DemoSet MakeDemo(const TempFolder& folder, const QStringList& options = {}) {
    const ToolResult result =
        RunTool(QStringList{"make-demo", folder.Path("demo")} + options, kDemoClock);
    if (result.code != 0) {
        qWarning("%s", qPrintable(result.err));
    }
    tool::DemoSet set = tool::DemoSetIn(folder.Path("demo"));
    set.statementFiles = StatementFilesOf(set);
    return set;
}

QSet<QString> ClientNumbers(const std::vector<NameRec>& clients, bool liveOnly) {
    QSet<QString> numbers;
    for (std::size_t slot = 1; slot < clients.size(); ++slot) {
        if (!liveOnly || clients[slot].Status == 0) {
            numbers.insert(clients[slot].ClientNo);
        }
    }
    return numbers;
}

} // namespace

class TestMakeDemo : public QObject {
    Q_OBJECT

private slots:
    void passesCheckAndDumps() {
        TempFolder folder;
        const tool::DemoSet set = MakeDemo(folder);
        QCOMPARE(set.statementFiles.size(), 2);
        for (const QString& file : RecordFiles(set)) {
            const ToolResult check = RunTool({"check", file});
            QCOMPARE(check.code, 0);
            QCOMPARE(check.OutLines().size(), 1); // no notice either
            const ToolResult dump = RunTool({"dump", file});
            QCOMPARE(dump.code, 0);
            QVERIFY2(
                check.out.contains(QStringLiteral(": ok, %1 records").arg(dump.OutLines().size())),
                qPrintable(check.out));
        }
        QCOMPARE(RunTool({"dump", set.clientFiles.clientFile}).OutLines().size(), 61);
    }

    void clientsAreThoseOfAnOffice() {
        TempFolder folder;
        const tool::DemoSet set = MakeDemo(folder, {"--clients", "40"});
        RecordTable table = MakeClientTable();
        MemoList memo;
        OpenClientFile(set.clientFiles, table, memo);
        QCOMPARE(table.DataRowCount(), 40);
        int deleted = 0;
        int longMemos = 0;
        int memosWithLineBreaks = 0;
        QSet<QString> numbers;
        for (int row = 1; row < table.RowCount(); ++row) {
            QVERIFY(StateAbbreviationToInt(table.Cell(row, ClientCol::State)) >= 0);
            QCOMPARE(table.Cell(row, ClientCol::ZipCode).left(5).size(), 5);
            numbers.insert(table.Cell(row, ClientCol::ClientNo));
            deleted += table.Status(row) == "-2";
            const int slot = table.Cell(row, ClientCol::RecNo).toInt();
            if (!memo[slot].isEmpty()) {
                ++longMemos;
                QVERIFY(memo[slot].size() > 255);
                QCOMPARE(memo[slot].left(255), table.Cell(row, ClientCol::Memo));
            }
            memosWithLineBreaks += table.Cell(row, ClientCol::Memo).contains(" | ");
        }
        QCOMPARE(numbers.size(), 40);
        QVERIFY(deleted >= 1 && deleted <= 4);
        QVERIFY(longMemos >= 2);
        QVERIFY(memosWithLineBreaks >= 5);
    }

    void billsReferToClientsAndStatements() {
        TempFolder folder;
        const tool::DemoSet set = MakeDemo(folder);
        const auto clients = ReadAllRecords<NameRec>(set.clientFiles.clientFile);
        const QSet<QString> live = ClientNumbers(clients, true);
        const auto bills = ReadAllRecords<billing::TBillRec>(set.billFile);
        QVERIFY(bills.size() >= 2);
        QSet<QString> attached;
        for (const billing::TBillRec& bill : bills) {
            QVERIFY2(live.contains(bill.ClientNo), qPrintable(bill.ClientNo));
            for (const QString& path : bill.ISPath) {
                if (!path.isEmpty()) {
                    QVERIFY2(QFileInfo::exists(path), qPrintable(path));
                    attached.insert(QFileInfo(path).canonicalFilePath());
                }
            }
        }
        QSet<QString> statements;
        for (const QString& path : set.statementFiles) {
            statements.insert(QFileInfo(path).canonicalFilePath());
        }
        QCOMPARE(attached, statements);
        const QSet<QString> all = ClientNumbers(clients, false);
        for (const auto& entry : ReadAllRecords<books::IncRec>(set.incomeFile)) {
            QVERIFY(live.contains(entry.ClientNo));
        }
        for (const auto& entry : ReadAllRecords<books::ExpRec>(set.expenseFile)) {
            QVERIFY(entry.ClientNo.isEmpty() || all.contains(entry.ClientNo));
        }
        for (const auto& day : ReadAllRecords<billing::DayRec>(set.calendarFile)) {
            for (const QString& number : day.SlotClientNo) {
                QVERIFY(number.isEmpty() || live.contains(number));
            }
        }
        QCOMPARE(books::ReadSetFile(set.setFile), QString("kiv5.pl5"));
        QCOMPARE(ReadTextLines(set.linkFile).mid(3), QStringList({"kiv5.pl5", "kiv5.su5"}));
        QVERIFY(books::ReadNameList(set.categoryFile).contains("Filing Fees"));
        QVERIFY(!books::ReadNameList(set.defaultCategoryFile).isEmpty());
        QVERIFY(!books::ReadNameList(set.accountFile).isEmpty());
    }

    void sameDaySameData() {
        TempFolder first;
        TempFolder second;
        const tool::DemoSet a = MakeDemo(first);
        const tool::DemoSet b = MakeDemo(second);
        // Bills hold their folder's statement paths; everything else is equal.
        for (const auto& [x, y] :
             {std::pair{a.clientFiles.clientFile, b.clientFiles.clientFile},
              std::pair{a.clientFiles.memoFile, b.clientFiles.memoFile},
              std::pair{a.incomeFile, b.incomeFile}, std::pair{a.expenseFile, b.expenseFile},
              std::pair{a.calendarFile, b.calendarFile}}) {
            QFile fx(x);
            QFile fy(y);
            QVERIFY(fx.open(QIODevice::ReadOnly) && fy.open(QIODevice::ReadOnly));
            QVERIFY2(fx.readAll() == fy.readAll(), qPrintable(x));
        }
    }

    void refusesToOverwrite() {
        TempFolder folder;
        const tool::DemoSet set = MakeDemo(folder, {"--clients", "5"});
        const QByteArray before = folder.ReadBytes("demo/Pellary5/kiv5.pl5");
        const ToolResult again = RunTool({"make-demo", folder.Path("demo")}, kDemoClock);
        QCOMPARE(again.code, 2);
        QVERIFY2(again.err.contains("--force"), qPrintable(again.err));
        QCOMPARE(folder.ReadBytes("demo/Pellary5/kiv5.pl5"), before);
        const ToolResult forced =
            RunTool({"make-demo", folder.Path("demo"), "--force"}, kDemoClock);
        QCOMPARE(forced.code, 0);
        QCOMPARE(QFileInfo(set.clientFiles.clientFile).size(), 61 * 992);
    }

    void settingsStartTheProgramsOnTheDemo() {
        TempFolder folder;
        const tool::DemoSet set = MakeDemo(folder, {"--settings", folder.Path("config")});
        ClientSettings client = BuiltInClientSettings(1280);
        SettingsStore clientStore = ClientSettingsStore(folder.Path("config"));
        ErrorRecorder errors;
        QVERIFY(ReadTheIniFile(client, clientStore, 1280, errors));
        QVERIFY(errors.codes.isEmpty());
        QCOMPARE(client.FilesDirectory, set.clientFolder);
        QCOMPARE(ClientFilesFor(client.FilesDirectory, client.AutoFileName).clientFile,
                 set.clientFiles.clientFile);
        BooksSettings books = BuiltInBooksSettings(1280);
        SettingsStore booksStore = BooksSettingsStore(folder.Path("config"));
        QVERIFY(ReadTheIniFile(books, booksStore, 1280));
        QCOMPARE(books::IncomeFilePath(books.FilesDirectory, books.AutoFileName), set.incomeFile);
        QCOMPARE(books.PL5Directory + books.PL5FileName, set.clientFiles.clientFile);
        BillingSettings billing = BuiltInBillingSettings(1280);
        SettingsStore billingStore = BillingSettingsStore(folder.Path("config"));
        QVERIFY(ReadTheIniFile(billing, billingStore, 1280));
        QCOMPARE(billing.FilesDirectory, set.billingFolder);
        QCOMPARE(billing.ISDirectory, set.statementFolder);
        QCOMPARE(billing.SU5Directory + billing.SU5FileName, set.setFile);
        QCOMPARE(billing.History.Entry(0), set.linkFile);
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("help") << QStringList({"--help"}) << 0 << "make-demo DIR"
                              << "";
        QTest::newRow("command help")
            << QStringList({"check", "--help"}) << 0 << "Usage: kiv5 check FILE..."
            << "";
        QTest::newRow("help on a command")
            << QStringList({"help", "dump"}) << 0 << "Usage: kiv5 dump FILE"
            << "";
        QTest::newRow("nothing") << QStringList() << 2 << ""
                                 << "Usage: kiv5 COMMAND";
        QTest::newRow("unknown command") << QStringList({"repair", "x.pl5"}) << 2 << ""
                                         << "unknown command repair";
        QTest::newRow("too many clients")
            << QStringList({"make-demo", "d", "--clients", "1000001"}) << 2 << ""
            << "--clients takes a number from 1 to 1000000";
        QTest::newRow("no folder") << QStringList({"make-demo"}) << 2 << ""
                                   << "give exactly one folder";
        QTest::newRow("option without value")
            << QStringList({"make-demo", "d", "--settings"}) << 2 << ""
            << "--settings needs a value";
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const ToolResult result = RunTool(arguments);
        QCOMPARE(result.code, code);
        QVERIFY2(result.out.contains(out), qPrintable(result.out));
        QVERIFY2(result.err.contains(err), qPrintable(result.err));
        QCOMPARE(result.out.isEmpty(), out.isEmpty());
    }
};

KIV5_CORE_TEST_MAIN(TestMakeDemo)
#include "tst_MakeDemo.moc"
