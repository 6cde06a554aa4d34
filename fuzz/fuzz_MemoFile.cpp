// The memo file alone: read for as many slots as the input's first byte
// says, each line shown as the entry form shows it.

#include "clientdb/core/ClientTable.h"
#include "clientdb/core/MemoList.h"
#include "fuzz/FuzzSupport.h"

using namespace kiv5;
using namespace kiv5::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int slotCount = size > 0 ? data[0] % 64 : 0;
    FreshFolder();
    const QString path =
        WriteScratchFile(QStringLiteral("fuzz.mem"), QByteArray(reinterpret_cast<const char*>(data),
                                                                static_cast<qsizetype>(size)));
    Guarded([&] {
        const MemoList memo = ReadMemoFile(path, slotCount);
        RecordTable table = MakeClientTable();
        table.SetRowCount(static_cast<int>(memo.size()));
        for (int row = 1; row < table.RowCount(); ++row) {
            EntryFormMemo(table, row, memo);
        }
    });
    return 0;
}
