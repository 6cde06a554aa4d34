// The billing data file: read into quenby5's bill table, the first bill read
// as the stamp comparison before a save reads it, and the tool's check and
// dump.

#include "billing/core/BillingFile.h"
#include "fuzz/FuzzSupport.h"
#include "fuzz/ToolReads.h"

using namespace kiv5;
using namespace kiv5::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FreshFolder();
    const QString path =
        WriteScratchFile(QStringLiteral("fuzz.bil"), QByteArray(reinterpret_cast<const char*>(data),
                                                                static_cast<qsizetype>(size)));
    Guarded([&] {
        RecordTable table = billing::MakeBillTable();
        billing::ReadBillingFile(path, table);
    });
    Guarded([&] { billing::ReadBillRecord(path, 1); });
    CheckAndDump(path);
    return 0;
}
