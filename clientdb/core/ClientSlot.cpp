#include "clientdb/core/ClientSlot.h"

#include "clientdb/core/ClientRow.h"
#include "clientdb/core/ClientTable.h"
#include "common/core/ConflictTest.h"
#include "common/core/DateTime.h"
#include "common/core/Exceptions.h"
#include "common/core/Misc.h"
#include "common/core/RecordFile.h"

#include <QDir>

namespace kiv5 {
namespace {

// Client recordNumbers are 1..count-1; slot 0 is the header slot.
void CheckClientSlot(const RecordFile& file, qint64 slot) {
    if (slot < 1 || slot >= file.Count()) {
        throw IoError(QStringLiteral("The client file \"%1\" has no client record %2; it holds %3 "
                                     "records. Refresh the table and try again.")
                          .arg(QDir::toNativeSeparators(file.Path()))
                          .arg(slot)
                          .arg(file.Count()));
    }
}

// The record as it reads back from the file (texts cut to capacity).
NameRec AsStored(const NameRec& rec) {
    return DecodeRecord<NameRec>(EncodeRecord(rec));
}

struct RowState {
    QString status;
    bool hidden;
};

void Restore(RecordTable& table, int row, const RowState& state) {
    table.SetCell(row, ClientCol::Status, state.status);
    table.SetHidden(row, state.hidden);
}

constexpr int kSelectedOffset = FieldOffset<NameRec>("Selected");
constexpr int kStatusOffset = FieldOffset<NameRec>("Status");

// Changes only the mark and the filter status of a stored record, byte for
// byte; a record stored as deleted stays deleted.
void PatchMarkAndStatus(QByteArray& stored, bool selected, const QString& rowStatus) {
    stored[kSelectedOffset] = selected ? 1 : 0;
    char* status = stored.data() + kStatusOffset;
    if (qFromLittleEndian<qint32>(status) == kStatusDeleted) {
        return;
    }
    if (rowStatus == QLatin1String("0")) {
        qToLittleEndian<qint32>(kStatusActive, status);
    } else if (rowStatus == QLatin1String("-1")) {
        qToLittleEndian<qint32>(kStatusFiltered, status);
    }
}

} // namespace

SlotWrite SaveClientRow(const QString& path, RecordTable& table, int row, const Clock& clock) {
    NameRec rec = PopulateNameRec(table, row);
    const RecordWriteLock lock(path);
    RecordFile file(path, kNameRecSize, RecordFile::Mode::ReadWrite);
    CheckClientSlot(file, rec.RecNo);
    file.Seek(rec.RecNo);
    SlotWrite result;
    result.stored = file.ReadRecord<NameRec>();
    if (IsForeignWrite(result.stored.PostTime, rec.PullTime)) {
        file.Close();
        result.conflict = true;
        result.edited = AsStored(rec);
        return result;
    }
    const DayCount now = StampAfter(clock.Now(), result.stored.PostTime);
    rec.PostTime = now;
    rec.PullTime = now;
    file.Seek(rec.RecNo);
    file.WriteRecord(rec);
    file.Close();
    const QString stamp = FormatClientStamp(now);
    table.SetCell(row, ClientCol::PostTime, stamp);
    table.SetCell(row, ClientCol::PullTime, stamp);
    result.edited = AsStored(rec);
    return result;
}

SlotWrite DeleteClientRow(const QString& path, RecordTable& table, int row, const Clock& clock) {
    const RowState before{table.Cell(row, ClientCol::Status), table.IsHidden(row)};
    table.SetCell(row, ClientCol::Status, QString::number(kStatusDeleted));
    table.ApplyStatusHeight(row);
    SlotWrite result;
    try {
        result = SaveClientRow(path, table, row, clock);
    } catch (...) {
        Restore(table, row, before);
        throw;
    }
    if (result.conflict) {
        Restore(table, row, before);
    }
    return result;
}

NameRec KeepEditedRecord(const QString& path, RecordTable& table, int row, NameRec edited,
                         DayCount comparedPostTime, const Clock& clock) {
    const RecordWriteLock lock(path);
    RecordFile file(path, kNameRecSize, RecordFile::Mode::ReadWrite);
    CheckClientSlot(file, edited.RecNo);
    file.Seek(edited.RecNo);
    const NameRec stored = file.ReadRecord<NameRec>();
    if (IsForeignWrite(stored.PostTime, comparedPostTime)) {
        throw SavedMeanwhileError();
    }
    // Fresh stamps make the other user's next save a conflict too, instead of
    // silently replacing the version just chosen.
    const DayCount now = StampAfter(clock.Now(), stored.PostTime);
    edited.PostTime = now;
    edited.PullTime = now;
    file.Seek(edited.RecNo);
    file.WriteRecord(edited);
    file.Close();
    if (row >= 1 && row < table.RowCount()) {
        const QString stamp = FormatClientStamp(now);
        table.SetCell(row, ClientCol::PostTime, stamp);
        table.SetCell(row, ClientCol::PullTime, stamp);
    }
    return AsStored(edited);
}

void KeepStoredRecord(const ClientFiles& files, RecordTable& table, int row, const NameRec& stored,
                      MemoList& memo) {
    // A memo that fills the record may go on in the memo file; its line
    // there belongs to the stored version only when it starts with it.
    QString line;
    if (stored.Memo.size() >= kMemoCapacity && stored.RecNo >= 0) {
        const QString onDisk = ReadMemoFile(files.memoFile, 0).value(stored.RecNo);
        if (onDisk.size() > kMemoCapacity && onDisk.startsWith(stored.Memo)) {
            line = onDisk;
        }
    }
    ConvertNameRecToStringGrid(table, stored, row, stored.RecNo);
    if (stored.RecNo >= 0 && stored.RecNo < std::max<qsizetype>(memo.size(), table.RowCount())) {
        while (memo.size() <= stored.RecNo) {
            memo.append(QString());
        }
        memo[stored.RecNo] = line;
    }
}

void SetAllMarks(const QString& path, RecordTable& table, bool selected,
                 const PercentProgress& progress) {
    const RecordWriteLock lock(path);
    RecordFile file(path, kNameRecSize, RecordFile::Mode::ReadWrite);
    const qint64 count = file.Count();
    std::vector<int> recordNumbers;
    recordNumbers.reserve(static_cast<std::size_t>(table.DataRowCount()));
    for (int row = 1; row < table.RowCount(); ++row) {
        recordNumbers.push_back(ParseInteger(table.Cell(row, ClientCol::RecNo)));
        CheckClientSlot(file, recordNumbers.back());
    }
    const QString mark = selected ? QStringLiteral("X") : QString();
    // The marks change in the table only once every record is written.
    for (int row = 1; row < table.RowCount(); ++row) {
        const int slot = recordNumbers[static_cast<std::size_t>(row - 1)];
        file.Seek(slot);
        QByteArray stored = file.Read();
        PatchMarkAndStatus(stored, selected, table.Cell(row, ClientCol::Status));
        file.Seek(slot);
        file.Write(stored);
        if (progress && count > 0) {
            progress(static_cast<int>(qint64{row} * 100 / count));
        }
    }
    file.Close();
    for (int row = 1; row < table.RowCount(); ++row) {
        table.SetCell(row, ClientCol::Mark, mark);
    }
}

} // namespace kiv5
