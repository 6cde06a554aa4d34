// The expense file: read into sumora5's ledger table, one record read as the
// stamp comparison before a save reads it, and the tool's check and dump.

#include "books/core/ExpRec.h"
#include "books/core/Ledger.h"
#include "books/core/LedgerFile.h"
#include "fuzz/FuzzSupport.h"
#include "fuzz/ToolReads.h"

using namespace kiv5;
using namespace kiv5::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FreshFolder();
    const QString path =
        WriteScratchFile(QStringLiteral("fuzz.exp"), QByteArray(reinterpret_cast<const char*>(data),
                                                                static_cast<qsizetype>(size)));
    Guarded([&] { books::ReadLedgerTable(books::LedgerId::Expense, path); });
    Guarded([&] { books::ReadLedgerRecord<books::ExpRec>(path, 1); });
    CheckAndDump(path);
    return 0;
}
