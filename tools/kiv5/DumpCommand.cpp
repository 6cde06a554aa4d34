#include "tools/kiv5/DumpCommand.h"

#include "common/core/Exceptions.h"
#include "common/core/RecordFile.h"
#include "tools/kiv5/CommandArguments.h"
#include "tools/kiv5/CommandFrame.h"
#include "tools/kiv5/DumpFormat.h"
#include "tools/kiv5/Usage.h"

namespace kiv5::tool {

void DumpFile(const QString& path, const FileKind& kind, QTextStream& out) {
    RecordFile file(path, kind.recordSize, RecordFile::Mode::Read);
    for (qint64 slot = 0; !file.AtEnd(); ++slot) {
        out << DumpLine(slot, kind.cells(file.Read(), slot)) << '\n';
    }
    file.Close();
    out.flush();
}

int RunDump(const QStringList& arguments, CommandIo& io) {
    const CommandFrame frame(QStringLiteral("dump"), CommandUsage(QStringLiteral("dump")), io);
    const CommandArguments args(arguments, {}, {});
    if (const auto answered = frame.Answered(args)) {
        return *answered;
    }
    if (args.Positional().size() != 1) {
        return frame.UsageError(QStringLiteral("give exactly one file"));
    }
    const QString& path = args.Positional().first();
    const FileKind* kind = FindFileKind(path);
    if (!kind) {
        io.err << "kiv5 dump: " << path
               << ": not a data file of the suite (known extensions: " << KnownExtensions()
               << ")\n";
        return kExitUsage;
    }
    try {
        DumpFile(path, *kind, io.out);
    } catch (const IoError& error) {
        io.out.flush();
        io.err << "kiv5 dump: " << error.Message() << '\n';
        return kExitUsage;
    }
    return kExitOk;
}

} // namespace kiv5::tool
