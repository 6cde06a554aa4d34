#include "clientdb/core/AppendClient.h"

#include "clientdb/core/ClientRow.h"
#include "clientdb/core/MakeBlankRow.h"
#include "clientdb/core/NameRec.h"
#include "common/core/Exceptions.h"
#include "common/core/FileLock.h"
#include "common/core/RecordFile.h"

#include <QDir>

namespace kiv5 {
namespace {

void CheckNotShrunk(const RecordFile& file, int knownSlots) {
    if (file.Count() < knownSlots) {
        throw IoError(QStringLiteral("The client file \"%1\" holds %2 records, fewer than the %3 "
                                     "this table holds; it was packed or replaced by another "
                                     "user. Reopen the file before adding a name.")
                          .arg(QDir::toNativeSeparators(file.Path()))
                          .arg(file.Count())
                          .arg(knownSlots));
    }
}

// Reads the slots other users appended into new rows, slot i into the row
// appended for it with record number i, and their memo lines into memo.
int ReadForeignSlots(RecordFile& file, const QString& memoFile, RecordTable& table,
                     MemoList& memo) {
    const int first = table.RowCount();
    const int end = static_cast<int>(file.Count());
    if (end == first) {
        return 0;
    }
    const MemoList stored = ReadMemoFile(memoFile, end);
    memo.resize(first);
    file.Seek(first);
    for (int slot = first; slot < end; ++slot) {
        const int row = table.AppendRow();
        ConvertNameRecToStringGrid(table, file.ReadRecord<NameRec>(), row, slot);
        memo.append(stored.value(slot));
    }
    return end - first;
}

} // namespace

AppendedClient AppendClient(const ClientFiles& files, RecordTable& table, MemoList& memo,
                            int& ClientSubNo, const Clock& clock) {
    const AppendLock lock(files.clientFile);
    RecordFile file(files.clientFile, kNameRecSize, RecordFile::Mode::ReadWrite);
    CheckNotShrunk(file, table.RowCount());
    AppendedClient result;
    result.addedByOthers = ReadForeignSlots(file, files.memoFile, table, memo);
    result.row = table.AppendRow();
    MakeBlankRow(table, result.row, result.row, true, ClientSubNo, clock);
    MemoList grown = memo;
    grown.resize(result.row);
    grown.append(QString());
    try {
        file.Seek(result.row);
        file.WriteRecord(PopulateNameRec(table, result.row));
        file.Close();
    } catch (...) {
        table.RemoveRow(result.row);
        throw;
    }
    try {
        WriteMemoFile(files.memoFile, grown);
    } catch (...) {
        // The client and memo files change together: the new slot goes again.
        TruncateRecordFile(files.clientFile, kNameRecSize, result.row);
        table.RemoveRow(result.row);
        throw;
    }
    memo = std::move(grown);
    return result;
}

} // namespace kiv5
