#include "tests/faults/SweepData.h"

#include "tools/kiv5/MakeDemoCommand.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace kiv5::test {
namespace {

// The runs rewrite the folder thousands of times and the file layer flushes
// every replacement to the disk; in memory that costs nothing, and the
// faults are injected above the disk either way.
QString SweepRootTemplate() {
    const QFileInfo memory(QStringLiteral("/dev/shm"));
    const QString name = QStringLiteral("/kiv5-sweep-XXXXXX");
    return memory.isDir() && memory.isWritable() ? memory.filePath() + name
                                                 : QDir::tempPath() + name;
}

} // namespace

SweepData::SweepData(int clients) : root_(SweepRootTemplate()) {
    folder = root_.filePath(QStringLiteral("data")) + QLatin1Char('/');
    TestContext context;
    tool::DemoOptions options;
    options.folder = folder;
    options.clients = clients;
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
