#include "tools/kiv5/CheckCommand.h"

#include "common/core/Exceptions.h"
#include "common/core/FileIo.h"
#include "common/core/MatchFileNameCase.h"
#include "common/core/TextFile.h"
#include "tools/kiv5/CommandArguments.h"
#include "tools/kiv5/CommandFrame.h"
#include "tools/kiv5/Usage.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace kiv5::tool {
namespace {

// Records are read in blocks of this many, so a large file never sits in
// memory whole.
constexpr qint64 kBlockRecords = 1024;

[[noreturn]] void FailToRead(const DataFile& file) {
    throw IoError(QStringLiteral("Cannot read \"%1\": %2")
                      .arg(QDir::toNativeSeparators(file.Path()), file.ErrorString()));
}

Fault LengthFault(qint64 length, int recordSize) {
    return Fault{-1, -1, QStringLiteral("length"),
                 QStringLiteral("%1 bytes is not a whole number of %2-byte records (%3 bytes "
                                "after the last whole record)")
                     .arg(length)
                     .arg(recordSize)
                     .arg(length % recordSize),
                 false};
}

QString Counted(qint64 count, const char* singular, const char* plural) {
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? singular : plural));
}

QString SummaryLine(const QString& file, const FileCheck& check) {
    const int faults = check.FaultCount();
    if (faults == 0) {
        return QStringLiteral("%1: ok, %2").arg(file, Counted(check.records, "record", "records"));
    }
    return QStringLiteral("%1: %2").arg(file, Counted(faults, "fault", "faults"));
}

} // namespace

int FileCheck::FaultCount() const {
    return static_cast<int>(std::count_if(faults.begin(), faults.end(),
                                          [](const Fault& fault) { return !fault.notice; }));
}

QString MemoFileBeside(const QString& clientFile) {
    const QFileInfo info(clientFile);
    return MatchFileNameCase(info.dir().filePath(info.completeBaseName() + QStringLiteral(".mem")));
}

FaultList MemoFileFaults(const QString& clientFile, qint64 slotCount) {
    const QString memoFile = MemoFileBeside(clientFile);
    const QString name = QFileInfo(memoFile).fileName();
    const qint64 lastSlot = slotCount - 1;
    if (!QFileInfo::exists(memoFile)) {
        return {Fault{slotCount > 0 ? 0 : -1, lastSlot, QStringLiteral("Memo"),
                      QStringLiteral("the memo file %1 is missing").arg(name), false}};
    }
    qint64 lines = 0;
    try {
        lines = ReadTextLines(memoFile).size();
    } catch (const IoError& error) {
        return {Fault{-1, -1, QStringLiteral("Memo"), error.Message(), false}};
    }
    if (lines >= slotCount) {
        return {};
    }
    return {Fault{lines, lastSlot, QStringLiteral("Memo"),
                  QStringLiteral("no line in the memo file %1, which has %2")
                      .arg(name, Counted(lines, "line", "lines")),
                  false}};
}

FileCheck CheckFile(const QString& path, const FileKind& kind) {
    DataFile file(path);
    if (!file.Open(QIODevice::ReadOnly)) {
        throw IoError(QStringLiteral("Cannot open \"%1\": %2")
                          .arg(QDir::toNativeSeparators(path), file.ErrorString()));
    }
    FileCheck check;
    const qint64 length = file.Size();
    check.records = length / kind.recordSize;
    if (length % kind.recordSize != 0) {
        check.faults.append(LengthFault(length, kind.recordSize));
    }
    for (qint64 slot = 0; slot < check.records;) {
        const qint64 count = std::min(kBlockRecords, check.records - slot);
        const std::optional<QByteArray> block = file.Read(count * kind.recordSize);
        if (!block || block->size() != count * kind.recordSize) {
            FailToRead(file);
        }
        for (qint64 i = 0; i < count; ++i, ++slot) {
            check.faults.append(kind.faults(
                QByteArrayView(*block).sliced(i * kind.recordSize, kind.recordSize), slot));
        }
    }
    file.Close();
    if (kind.hasMemoFile) {
        check.faults.append(MemoFileFaults(path, check.records));
    }
    return check;
}

int RunCheck(const QStringList& arguments, CommandIo& io) {
    const CommandFrame frame(QStringLiteral("check"), CommandUsage(QStringLiteral("check")), io);
    const CommandArguments args(arguments, {}, {});
    if (const auto answered = frame.Answered(args)) {
        return *answered;
    }
    if (args.Positional().isEmpty()) {
        return frame.UsageError(QStringLiteral("give at least one file"));
    }
    bool damaged = false;
    bool unchecked = false;
    for (const QString& path : args.Positional()) {
        const FileKind* kind = FindFileKind(path);
        if (!kind) {
            io.err << "kiv5 check: " << path
                   << ": not a data file of the suite (known extensions: " << KnownExtensions()
                   << ")\n";
            unchecked = true;
            continue;
        }
        try {
            const FileCheck check = CheckFile(path, *kind);
            for (const Fault& fault : check.faults) {
                io.out << FaultLine(path, fault) << '\n';
            }
            io.out << SummaryLine(path, check) << '\n';
            damaged = damaged || check.FaultCount() > 0;
        } catch (const IoError& error) {
            io.err << "kiv5 check: " << error.Message() << '\n';
            unchecked = true;
        }
    }
    io.out.flush();
    return unchecked ? kExitUsage : damaged ? kExitDamaged : kExitOk;
}

} // namespace kiv5::tool
