#include "tests/faults/BillSweep.h"

#include "common/core/Exceptions.h"

#include <QFileInfo>

namespace kiv5::test {

using namespace kiv5::billing;

void ConfigureBilling(BillingSettings& settings, const tool::DemoSet& set) {
    settings.FilesDirectory = set.billingFolder;
    settings.ISDirectory = set.statementFolder;
    settings.PL5Directory = set.clientFolder;
    settings.PL5FileName = QFileInfo(set.clientFiles.clientFile).fileName();
    settings.SU5Directory = set.booksFolder;
    settings.SU5FileName = QFileInfo(set.setFile).fileName();
}

QString BillsVersusDisk(BillingWorkspace& ws, const tool::DemoSet& set) {
    if (!ws.IsOpen()) {
        return {};
    }
    TestContext context;
    BillingWorkspace fresh(kBillScreenWidth, context);
    ConfigureBilling(fresh.settings, set);
    try {
        fresh.Open(ws.Files().linkFile);
    } catch (const Kiv5Error& e) {
        return QStringLiteral("the open file does not read back: ") + e.Message();
    }
    return CompareTables(ws.Table(), fresh.Table());
}

QStringList BillingPair(const SweepData& data, const QString& base) {
    const BillingFiles files = BillingFilesFor(data.set.billingFolder, base);
    return {data.Relative(files.linkFile), data.Relative(files.dataFile)};
}

SweepCommand BillCommand(const SweepData& data, const QString& name, BillSubject::Step prepare,
                         BillSubject::Command run, QList<QStringList> groups,
                         std::shared_ptr<const QStringList> keptRows) {
    const tool::DemoSet set = data.set;
    const auto make = [set, prepare, run, keptRows](const QString&, TestContext& context) {
        auto ws = std::make_unique<BillingWorkspace>(kBillScreenWidth, context);
        const BillSubject::Step open = [set, prepare](BillingWorkspace& w) {
            ConfigureBilling(w.settings, set);
            w.settings.AutomaticBackupFlag = false;
            w.Open(set.linkFile);
            if (prepare) {
                prepare(w);
            }
        };
        const auto check = [set, keptRows](BillingWorkspace& w) {
            return keptRows && TableRows(w.Table()) == *keptRows ? QString()
                                                                 : BillsVersusDisk(w, set);
        };
        return std::make_unique<BillSubject>(std::move(ws), open, run, check);
    };
    groups.prepend(BillingPair(data, QFileInfo(data.set.linkFile).fileName()));
    return MakeSweepCommand(name, make, groups);
}

} // namespace kiv5::test
