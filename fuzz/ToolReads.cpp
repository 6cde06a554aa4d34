#include "fuzz/ToolReads.h"

#include "fuzz/FuzzSupport.h"
#include "tools/kiv5/CheckCommand.h"
#include "tools/kiv5/DumpCommand.h"
#include "tools/kiv5/FileKinds.h"

#include <QTextStream>

namespace kiv5::fuzz {

void CheckAndDump(const QString& path) {
    const tool::FileKind* kind = tool::FindFileKind(path);
    if (!kind) {
        qFatal("fuzz: %s is no record file kind", qPrintable(path));
    }
    Guarded([&] { tool::CheckFile(path, *kind); });
    Guarded([&] {
        QString text;
        QTextStream out(&text);
        tool::DumpFile(path, *kind, out);
    });
}

} // namespace kiv5::fuzz
