// A statement's backup text read back as the worksheet's restore reads it.

#include "billing/core/StatementBackupText.h"
#include "fuzz/FuzzSupport.h"

using namespace kiv5;
using namespace kiv5::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FreshFolder();
    const QString text =
        WriteScratchFile(QStringLiteral("fuzz.txt"), QByteArray(reinterpret_cast<const char*>(data),
                                                                static_cast<qsizetype>(size)));
    Guarded([&] {
        billing::ReadStatementBackupText(text, QuietContext().clock, QuietContext().errors);
    });
    return 0;
}
