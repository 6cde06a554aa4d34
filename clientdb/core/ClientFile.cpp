#include "clientdb/core/ClientFile.h"

#include "clientdb/core/ClientRow.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/core/MakeBlankRow.h"
#include "common/core/DateTime.h"
#include "common/core/FileSet.h"
#include "common/core/RecordFile.h"

#include <algorithm>

namespace kiv5 {
namespace {

void Report(const PercentProgress& progress, qint64 done, qint64 total) {
    if (progress && total > 0) {
        progress(static_cast<int>(done * 100 / total));
    }
}

// Slot 0 carries no meaning; a header row never set up (the table was just
// read or emptied) still gets the usual blank header record.
NameRec HeaderRecord(const RecordTable& table, const Clock& clock) {
    if (!table.Cell(0, ClientCol::RecNo).isEmpty()) {
        return PopulateNameRec(table, 0);
    }
    NameRec header;
    int subNo = 0;
    header.ClientNo = GenerateClientNo(table, 0, subNo, clock);
    header.PostTime = header.PullTime = TruncateToSecond(clock.Now());
    return header;
}

void WriteRecords(const QString& path, std::vector<NameRec> records,
                  const PercentProgress& progress) {
    RecordFileWriter writer(path, kNameRecSize);
    const auto total = static_cast<qint64>(records.size());
    for (qint64 slot = 0; slot < total; ++slot) {
        NameRec& rec = records[static_cast<std::size_t>(slot)];
        rec.RecNo = static_cast<qint32>(slot);
        writer.WriteRecord(rec);
        Report(progress, slot + 1, total);
    }
    writer.Commit();
}

} // namespace

void ReadClientFile(const QString& path, RecordTable& table, const PercentProgress& progress) {
    RecordTable loaded(table.ColumnCount(), table.StatusColumn());
    RecordFile file(path, kNameRecSize, RecordFile::Mode::Read);
    const qint64 count = file.Count();
    // The length was checked to be whole records, so the count is exact;
    // records another user appends during the read belong to the next one.
    loaded.SetRowCount(static_cast<int>(count));
    for (int k = 0; k < count; ++k) {
        ConvertNameRecToStringGrid(loaded, file.ReadRecord<NameRec>(), k, k);
        Report(progress, k + 1, count);
    }
    file.Close();
    table = std::move(loaded);
}

void OpenClientFile(const ClientFiles& files, RecordTable& table, MemoList& memo,
                    const PercentProgress& progress) {
    RecoverFileSet(files.clientFile, {files.clientFile, files.memoFile});
    ReadClientFile(files.clientFile, table, progress);
    memo = ReadMemoFile(files.memoFile, table.RowCount());
}

void RefreshClientFile(const ClientFiles& files, RecordTable& table, MemoList& memo,
                       const PercentProgress& progress) {
    const int knownSlots = table.RowCount();
    ReadClientFile(files.clientFile, table, progress);
    if (table.RowCount() < knownSlots) {
        memo = ReadMemoFile(files.memoFile, table.RowCount());
    } else if (memo.size() < table.RowCount()) {
        const MemoList stored = ReadMemoFile(files.memoFile, table.RowCount());
        for (auto slot = memo.size(); slot < table.RowCount(); ++slot) {
            memo.append(stored.value(slot));
        }
    }
}

std::vector<NameRec> RecordsInSlotOrder(const RecordTable& table, const Clock& clock) {
    std::vector<NameRec> rows;
    rows.reserve(static_cast<std::size_t>(table.DataRowCount()));
    for (int row = 1; row < table.RowCount(); ++row) {
        rows.push_back(PopulateNameRec(table, row));
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const NameRec& a, const NameRec& b) { return a.RecNo < b.RecNo; });
    std::vector<NameRec> records;
    records.reserve(rows.size() + 1);
    records.push_back(HeaderRecord(table, clock));
    records.insert(records.end(), std::make_move_iterator(rows.begin()),
                   std::make_move_iterator(rows.end()));
    return records;
}

void WriteClientFile(const QString& path, const RecordTable& table, const Clock& clock,
                     const PercentProgress& progress) {
    WriteRecords(path, RecordsInSlotOrder(table, clock), progress);
}

void SaveClientFiles(const ClientFiles& files, const RecordTable& table, const MemoList& memo,
                     const Clock& clock, const PercentProgress& progress) {
    FileSetWriter pair(files.clientFile);
    WriteClientFile(pair.Stage(files.clientFile), table, clock, progress);
    WriteMemoFile(pair.Stage(files.memoFile), memo);
    pair.Commit();
}

void CreateClientFiles(const ClientFiles& files, RecordTable& table, MemoList& memo,
                       const Clock& clock) {
    RecordTable empty(table.ColumnCount(), table.StatusColumn());
    MemoList oneLine{QString()};
    SaveClientFiles(files, empty, oneLine, clock);
    table = std::move(empty);
    memo = std::move(oneLine);
}

void PackClientFile(const ClientFiles& files, const RecordTable& table, MemoList& memo,
                    const Clock& clock, const PercentProgress& progress) {
    std::vector<NameRec> records = RecordsInSlotOrder(table, clock);
    std::vector<NameRec> kept;
    MemoList packedMemo;
    kept.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        // Slot 0 is the header slot and stays whatever status its row holds.
        if (i > 0 && records[i].Status == kStatusDeleted) {
            continue;
        }
        packedMemo.append(i == 0 ? memo.value(0) : memo.value(records[i].RecNo));
        kept.push_back(std::move(records[i]));
    }
    FileSetWriter pair(files.clientFile);
    WriteRecords(pair.Stage(files.clientFile), std::move(kept), progress);
    WriteMemoFile(pair.Stage(files.memoFile), packedMemo);
    pair.Commit();
    memo = packedMemo;
}

} // namespace kiv5
