#include "tools/kiv5/MakeDemoCommand.h"

#include "billing/core/BillingFile.h"
#include "billing/core/BillingSettings.h"
#include "books/core/BookkeepingSet.h"
#include "common/core/Cp1252.h"
#include "common/core/Misc.h"
#include "tools/kiv5/CommandArguments.h"
#include "tools/kiv5/CommandFrame.h"
#include "tools/kiv5/DemoFiles.h"
#include "tools/kiv5/DemoSettings.h"
#include "tools/kiv5/Usage.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace kiv5::tool {
namespace {

constexpr int kStatementPathCapacity = 128;
constexpr int kCalendarWeeks = 3;
constexpr std::array kStatementLines = {8, 11};

struct DemoCounts {
    int income;
    int expenses;
    int bills;
};

DemoCounts CountsFor(int clients, int liveClients) {
    return {std::clamp(2 * liveClients, 20, 200'000), std::clamp(clients, 20, 100'000),
            std::clamp(liveClients / 3, 1, 50'000)};
}

void MakeFolders(const DemoSet& set) {
    for (const QString& folder :
         {set.clientFolder, set.booksFolder, set.billingFolder, set.statementFolder}) {
        if (!QDir().mkpath(folder)) {
            throw IoError(QStringLiteral("Cannot create the folder \"%1\"")
                              .arg(QDir::toNativeSeparators(folder)));
        }
    }
}

// Bills hold statement paths of at most 128 Windows-1252 characters.
void CheckStatementPath(const QString& path) {
    const QByteArray stored = ToCp1252(path);
    if (stored.size() > kStatementPathCapacity || FromCp1252(stored) != path) {
        throw DemoRefused(
            QStringLiteral("The statement path \"%1\" does not fit a bill (at most %2 "
                           "Windows-1252 characters); choose a shorter folder.")
                .arg(QDir::toNativeSeparators(path))
                .arg(kStatementPathCapacity));
    }
}

QStringList StatementPaths(const DemoSet& set, const std::vector<DemoClient>& clients, int bills) {
    const auto billed = DemoBillClients(clients, bills);
    QStringList paths;
    for (std::size_t i = 0; i < kStatementLines.size(); ++i) {
        const QString client = billed.empty()
                                   ? QStringLiteral("statement %1").arg(i + 1)
                                   : billed[std::min(i, billed.size() - 1)]->record.ClientNo;
        QString path = set.statementFolder + client + QStringLiteral(".is5");
        if (paths.contains(path)) {
            path = set.statementFolder + client + QStringLiteral(" %1.is5").arg(i + 1);
        }
        CheckStatementPath(path);
        paths.append(path);
    }
    return paths;
}

void WriteBooks(const DemoSet& set, const std::vector<DemoClient>& clients,
                const DemoCounts& counts, const OfficeContext& context) {
    books::WriteSetFile(set.setFile, FileNamePart(set.clientFiles.clientFile));
    WriteDemoIncomeFile(set.incomeFile, MakeDemoIncome(clients, counts.income, context.clock),
                        context.errors);
    WriteDemoExpenseFile(set.expenseFile, MakeDemoExpenses(clients, counts.expenses, context.clock),
                         context.errors);
    books::WriteNameList(set.accountFile, DemoAccounts());
    books::WriteNameList(set.categoryFile, DemoCategories());
    books::WriteNameList(set.defaultCategoryFile, DemoDefaultCategories());
}

void WriteBilling(const DemoSet& set, const std::vector<DemoClient>& clients,
                  const DemoCounts& counts, const OfficeContext& context) {
    billing::WriteLinkFile(set.billingFolder, set.linkFile,
                           FileNamePart(set.clientFiles.clientFile), FileNamePart(set.setFile));
    const qint64 rate = BuiltInBillingSettings(kDemoScreenWidth).HourlyRate;
    for (qsizetype i = 0; i < set.statementFiles.size(); ++i) {
        WriteDemoStatementFile(set.statementFiles[i],
                               MakeDemoStatement(kStatementLines[std::size_t(i)], rate,
                                                 context.clock, kDemoSeed + quint32(i)),
                               context.errors);
    }
    WriteDemoBillingFile(set.billFile,
                         MakeDemoBills(clients, counts.bills, set.statementFiles, context.clock),
                         context.errors);
    WriteDemoCalendar(set.calendarFile, MakeDemoDays(clients, kCalendarWeeks, context.clock));
}

} // namespace

DemoSet MakeDemoDataSet(const DemoOptions& options, const OfficeContext& context) {
    DemoSet set = DemoSetIn(options.folder);
    if (!options.force && QFileInfo::exists(set.clientFiles.clientFile)) {
        throw DemoRefused(QStringLiteral("\"%1\" exists; --force overwrites the demo data set.")
                              .arg(QDir::toNativeSeparators(set.clientFiles.clientFile)));
    }
    const std::vector<DemoClient> clients = MakeDemoClients(options.clients, context.clock);
    const DemoCounts counts =
        CountsFor(options.clients, static_cast<int>(LiveClients(clients).size()));
    set.statementFiles = StatementPaths(set, clients, counts.bills);
    MakeFolders(set);
    WriteDemoClientFiles(set.clientFiles, clients, context.clock);
    WriteBooks(set, clients, counts, context);
    WriteBilling(set, clients, counts, context);
    if (!options.settingsFolder.isEmpty()) {
        WriteDemoSettings(set, options.settingsFolder, context.errors);
    }
    return set;
}

int RunMakeDemo(const QStringList& arguments, CommandIo& io, const OfficeContext& context) {
    const CommandFrame frame(QStringLiteral("make-demo"), CommandUsage(QStringLiteral("make-demo")),
                             io);
    const QString clients = QStringLiteral("--clients");
    const QString settings = QStringLiteral("--settings");
    const QString force = QStringLiteral("--force");
    const CommandArguments args(arguments, {clients, settings}, {force});
    if (const auto answered = frame.Answered(args)) {
        return *answered;
    }
    if (args.Positional().size() != 1) {
        return frame.UsageError(QStringLiteral("give exactly one folder"));
    }
    DemoOptions options;
    options.folder = args.Positional().first();
    options.force = args.Has(force);
    options.settingsFolder = args.Value(settings).value_or(QString());
    const auto count = args.IntegerValue(clients, 1, kMaxDemoClients, options.clients);
    if (!count) {
        return frame.UsageError(
            QStringLiteral("--clients takes a number from 1 to %1").arg(kMaxDemoClients));
    }
    options.clients = *count;
    return frame.Guarded([&] {
        const DemoSet set = MakeDemoDataSet(options, context);
        io.out << "Demo data set written to " << QDir::toNativeSeparators(set.folder) << '\n';
        if (!options.settingsFolder.isEmpty()) {
            io.out << "Settings written under " << QDir::toNativeSeparators(options.settingsFolder)
                   << '\n';
        }
        io.out.flush();
        return kExitOk;
    });
}

} // namespace kiv5::tool
