#include "tests/faults/SweepData.h"

#include "tools/kiv5/MakeDemoCommand.h"

#include <QDir>
#include <QTest>

namespace kiv5::test {
namespace {

constexpr int kSweepClients = 6;

} // namespace

SweepData::SweepData() {
    folder = root_.filePath(QStringLiteral("data")) + QLatin1Char('/');
    TestContext context;
    tool::DemoOptions options;
    options.folder = folder;
    options.clients = kSweepClients;
    set = tool::MakeDemoDataSet(options, context);
    files = SnapshotFolder(folder);
}

QString SweepData::Relative(const QString& path) const {
    return QDir(folder).relativeFilePath(path);
}

SweepResult SweepData::Sweep(const SweepCommand& command, FaultPattern pattern) const {
    return SweepCommandFaults(folder, files, command, pattern);
}

void ReportSweep(const SweepCommand& command, const SweepResult& result) {
    qInfo("%s: %lld file calls, %d faults injected, %lld faults found", qPrintable(command.name),
          static_cast<long long>(result.calls), result.faultsInjected,
          static_cast<long long>(result.faults.size()));
    QVERIFY2(result.calls > 0, "the command made no file calls");
    QVERIFY2(result.faults.isEmpty(), qPrintable(result.faults.join(u'\n')));
}

} // namespace kiv5::test
