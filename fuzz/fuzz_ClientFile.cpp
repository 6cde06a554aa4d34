// The client file (first part) with its memo file (second part, missing
// when the input has one part): opened and refreshed as pellary5 does, each
// row's memo as the entry form shows it, the client lists of sumora5 and
// quenby5, and the tool's check and dump.

#include "billing/core/CalendarClientList.h"
#include "books/core/ClientList.h"
#include "clientdb/core/ClientFile.h"
#include "clientdb/core/ClientTable.h"
#include "fuzz/FuzzSupport.h"
#include "fuzz/ToolReads.h"

using namespace kiv5;
using namespace kiv5::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QList<QByteArray> parts = SplitParts(data, size);
    const QString folder = FreshFolder();
    const ClientFiles files{WriteScratchFile(QStringLiteral("fuzz.pl5"), parts[0]),
                            folder + QStringLiteral("fuzz.mem")};
    if (parts.size() > 1) {
        WriteScratchFile(QStringLiteral("fuzz.mem"), parts[1]);
    }
    Guarded([&] {
        RecordTable table = MakeClientTable();
        MemoList memo;
        OpenClientFile(files, table, memo);
        for (int row = 1; row < table.RowCount(); ++row) {
            EntryFormMemo(table, row, memo);
        }
        RefreshClientFile(files, table, memo);
    });
    Guarded([&] { books::ReadClientList(files.clientFile); });
    Guarded([&] { billing::ReadSelectorClients(folder, QStringLiteral("fuzz.pl5")); });
    CheckAndDump(files.clientFile);
    return 0;
}
