// Writes the seed corpora of the fuzz targets: a small demo data set made
// as `kiv5 make-demo` makes it, its backups made by the programs' own backup
// commands, the suite's page templates, and a few version files and
// clipboard records. One folder per target below OUTDIR.
//
//     kiv5_fuzz_seeds OUTDIR TEMPLATEDIR

#include "billing/core/BillingBackup.h"
#include "billing/core/BillingFile.h"
#include "billing/core/CalendarBackup.h"
#include "billing/core/DayRec.h"
#include "billing/core/StatementBackupText.h"
#include "billing/core/StatementFile.h"
#include "billing/core/TBillRec.h"
#include "books/core/BookkeepingSet.h"
#include "books/core/BooksBackup.h"
#include "books/core/ExpRec.h"
#include "books/core/IncRec.h"
#include "books/core/Ledger.h"
#include "clientdb/core/ClientFile.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/core/MakeBackup.h"
#include "clientdb/core/NameRec.h"
#include "clientdb/core/TPL5Rec.h"
#include "common/core/Misc.h"
#include "fuzz/FuzzSupport.h"
#include "tools/kiv5/MakeDemoCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

using namespace kiv5;
using namespace kiv5::fuzz;

namespace {

// Few clients keep the seeds small; the demo's own minimums still give
// every kind of record.
constexpr int kDemoClients = 12;

class Seeds {
public:
    explicit Seeds(QString folder) : folder_(std::move(folder)) {}

    void Add(const QString& target, const QString& name, const QByteArray& bytes) const {
        const QString dir = folder_ + QLatin1Char('/') + target;
        QDir().mkpath(dir);
        QFile file(dir + QLatin1Char('/') + name);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size()) {
            throw IoError(QStringLiteral("Cannot write the seed \"%1\"").arg(file.fileName()));
        }
    }

private:
    QString folder_;
};

QByteArray Bytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw IoError(QStringLiteral("Cannot read \"%1\"").arg(path));
    }
    return file.readAll();
}

// The first `count` records of a record file.
QByteArray Records(const QString& path, int recordSize, int count) {
    return Bytes(path).left(qsizetype(recordSize) * count);
}

void AddRecordSeeds(const Seeds& seeds, const tool::DemoSet& set) {
    const QByteArray memo = Bytes(set.clientFiles.memoFile);
    const QByteArray clients = Bytes(set.clientFiles.clientFile);
    seeds.Add("fuzz_ClientFile", "whole", JoinParts({clients, memo}));
    seeds.Add("fuzz_ClientFile", "four",
              JoinParts({Records(set.clientFiles.clientFile, kNameRecSize, 4), memo}));
    seeds.Add("fuzz_ClientFile", "no-memo", clients);
    seeds.Add("fuzz_MemoFile", "memo", memo);
    seeds.Add("fuzz_IncomeFile", "whole", Bytes(set.incomeFile));
    seeds.Add("fuzz_IncomeFile", "three",
              Records(set.incomeFile, RecordLayout<books::IncRec>::kSize, 3));
    seeds.Add("fuzz_ExpenseFile", "whole", Bytes(set.expenseFile));
    seeds.Add("fuzz_ExpenseFile", "three",
              Records(set.expenseFile, RecordLayout<books::ExpRec>::kSize, 3));
    seeds.Add("fuzz_BillFile", "whole", Bytes(set.billFile));
    seeds.Add("fuzz_BillFile", "two",
              Records(set.billFile, RecordLayout<billing::TBillRec>::kSize, 2));
    for (qsizetype i = 0; i < set.statementFiles.size(); ++i) {
        seeds.Add("fuzz_StatementFile", QString::number(i), Bytes(set.statementFiles[i]));
    }
    constexpr int kDaySize = RecordLayout<billing::DayRec>::kSize;
    seeds.Add("fuzz_CalendarFile", "one", Records(set.calendarFile, kDaySize, 1));
    seeds.Add("fuzz_CalendarFile", "three", Records(set.calendarFile, kDaySize, 3));
}

void AddSetSeeds(const Seeds& seeds, const tool::DemoSet& set) {
    seeds.Add("fuzz_BookkeepingSet", "set",
              JoinParts({Bytes(set.setFile),
                         Records(set.incomeFile, RecordLayout<books::IncRec>::kSize, 3),
                         Records(set.expenseFile, RecordLayout<books::ExpRec>::kSize, 3),
                         Bytes(set.accountFile), Bytes(set.categoryFile)}));
    seeds.Add("fuzz_BookkeepingSet", "set-file-only", Bytes(set.setFile));
    seeds.Add("fuzz_NameLists", "accounts", Bytes(set.accountFile));
    seeds.Add("fuzz_NameLists", "categories", Bytes(set.categoryFile));
    seeds.Add("fuzz_NameLists", "default", Bytes(set.defaultCategoryFile));
}

void AddBackupSeeds(const Seeds& seeds, const tool::DemoSet& set, const QString& scratch) {
    RecordTable clients = MakeClientTable();
    MemoList memo;
    OpenClientFile(set.clientFiles, clients, memo);
    const BackupFiles client =
        MakeBackup(clients, memo, FileNamePart(set.clientFiles.clientFile), scratch, 1);
    seeds.Add("fuzz_ClientBackup", "backup",
              JoinParts({Bytes(client.textFile), Bytes(client.memoFile)}));

    RecordTable income = books::ReadLedgerTable(books::LedgerId::Income, set.incomeFile);
    RecordTable expense = books::ReadLedgerTable(books::LedgerId::Expense, set.expenseFile);
    const QStringList accounts = books::ReadNameList(set.accountFile);
    const QStringList categories = books::ReadNameList(set.categoryFile);
    const books::BackupFiles books = books::MakeBooksBackup(
        {income,
         expense,
         accounts,
         categories,
         {set.incomeFile, set.expenseFile, set.accountFile, set.categoryFile}},
        scratch, QStringLiteral("kiv5"), 1);
    seeds.Add("fuzz_BooksBackup", "backup",
              JoinParts({Bytes(books.listing), Bytes(books.income), Bytes(books.expense),
                         Bytes(books.accounts), Bytes(books.categories)}));

    RecordTable bills = billing::MakeBillTable();
    billing::ReadBillingFile(set.billFile, bills);
    const billing::BillingBackupFiles billing =
        billing::MakeBillingBackup(bills, scratch + QStringLiteral("kiv5.qy5"), 1);
    seeds.Add("fuzz_BillingBackup", "backup",
              JoinParts({Bytes(billing.listing), Bytes(billing.rows)}));

    const QString calendar = billing::MakeCalendarBackup(set.billingFolder, 1);
    const QByteArray lines = Bytes(calendar);
    seeds.Add("fuzz_CalendarBackup", "whole", lines);
    seeds.Add("fuzz_CalendarBackup", "one-day", lines.left(lines.indexOf('\n') + 1));

    RecordTable statement = billing::MakeStatementTable();
    billing::ReadStatementFile(set.statementFiles.first(), statement);
    const QString text = scratch + QStringLiteral("statement.txt");
    billing::WriteStatementBackupText(text, statement);
    seeds.Add("fuzz_StatementBackup", "backup", Bytes(text));
}

void AddSettingsSeeds(const Seeds& seeds, const QString& settingsFolder) {
    for (const char* program : {"Pellary5", "Sumora5", "Quenby5"}) {
        seeds.Add("fuzz_Settings", QLatin1String(program),
                  Bytes(settingsFolder +
                        QStringLiteral("/Orvanel/%1/Params.conf").arg(QLatin1String(program))));
    }
}

void AddTemplateSeeds(const Seeds& seeds, const QString& templateDir) {
    for (const char* program : {"clientdb", "billing"}) {
        const QDir dir(templateDir + QLatin1Char('/') + QLatin1String(program));
        for (const QFileInfo& rtf :
             dir.entryInfoList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name)) {
            const QString dat =
                dir.filePath(rtf.completeBaseName().toUpper() + QStringLiteral(".DAT"));
            const QString name = QLatin1String(program) + QLatin1Char('-') + rtf.completeBaseName();
            seeds.Add("fuzz_RtfTemplate", name, JoinParts({Bytes(rtf.filePath()), Bytes(dat)}));
            seeds.Add("fuzz_DatFile", name, Bytes(dat));
        }
    }
}

void AddSmallSeeds(const Seeds& seeds, const tool::DemoSet& set) {
    seeds.Add("fuzz_UpgradeVersion", "newer", "5.22\r\n");
    seeds.Add("fuzz_UpgradeVersion", "same", "5.21");
    seeds.Add("fuzz_UpgradeVersion", "padded", QByteArray(" 6 \0after the zero byte", 23));
    RecordTable clients = MakeClientTable();
    MemoList memo;
    OpenClientFile(set.clientFiles, clients, memo);
    for (int row = 1; row < clients.RowCount() && row <= 3; ++row) {
        seeds.Add("fuzz_Clipboard", QString::number(row), EncodeTPL5Rec(MakeTPL5Rec(clients, row)));
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "Usage: kiv5_fuzz_seeds OUTDIR TEMPLATEDIR\n");
        return 2;
    }
    QTemporaryDir work;
    try {
        tool::DemoOptions options;
        options.folder = work.filePath(QStringLiteral("demo"));
        options.clients = kDemoClients;
        options.settingsFolder = work.filePath(QStringLiteral("settings"));
        const tool::DemoSet set = tool::MakeDemoDataSet(options, QuietContext());
        const QString scratch = work.filePath(QStringLiteral("backups")) + QLatin1Char('/');
        QDir().mkpath(scratch);
        QDir(args[1]).removeRecursively();
        const Seeds seeds(args[1]);
        AddRecordSeeds(seeds, set);
        AddSetSeeds(seeds, set);
        AddBackupSeeds(seeds, set, scratch);
        AddSettingsSeeds(seeds, options.settingsFolder);
        AddTemplateSeeds(seeds, args[2]);
        AddSmallSeeds(seeds, set);
    } catch (const Kiv5Error& error) {
        std::fprintf(stderr, "kiv5_fuzz_seeds: %s\n", error.what());
        return 1;
    }
    return 0;
}
