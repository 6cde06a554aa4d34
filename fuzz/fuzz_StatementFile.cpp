// The itemized statement file: read into the worksheet's table, its first
// line read as the stamp comparison before a save reads it, and the tool's
// check and dump.

#include "billing/core/StatementFile.h"
#include "fuzz/FuzzSupport.h"
#include "fuzz/ToolReads.h"

using namespace kiv5;
using namespace kiv5::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FreshFolder();
    const QString path =
        WriteScratchFile(QStringLiteral("fuzz.is5"), QByteArray(reinterpret_cast<const char*>(data),
                                                                static_cast<qsizetype>(size)));
    Guarded([&] {
        RecordTable table = billing::MakeStatementTable();
        billing::ReadStatementFile(path, table);
    });
    Guarded([&] { billing::ReadStatementLine(path, 0); });
    CheckAndDump(path);
    return 0;
}
