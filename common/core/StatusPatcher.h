#pragma once

// Commands that change only a record's mark or status (select all, select
// none, a filter and its cancelling) read the stored statuses once and write
// that one field of each record, never a stale copy of the whole row:
// another user's newer save survives, and a record stored as deleted stays
// deleted. The file is opened once per command.
//
// A command's patches are all or nothing: when a write or the close fails,
// or the patcher goes without a successful Close, every field it wrote gets
// its old bytes back.

#include "common/core/FileIo.h"
#include "common/core/RecordTable.h"

#include <QString>
#include <vector>

namespace kiv5 {

class StatusPatcher {
public:
    // Opens the record file for update; IoError naming the file when it
    // cannot be opened or its length is no whole number of records. The mark
    // is one byte, the status a little-endian 32-bit number.
    StatusPatcher(const QString& path, int recordSize, int statusOffset, int markOffset = 0);
    ~StatusPatcher();
    StatusPatcher(const StatusPatcher&) = delete;
    StatusPatcher& operator=(const StatusPatcher&) = delete;

    // The stored status of the record at a 1-based position, as the file
    // held it when opened, or as this patcher last wrote it.
    qint32 Status(int position) const;
    void WriteMark(int position, bool selected);
    void WriteStatus(int position, qint32 status);
    void Close();

private:
    void CheckPosition(int position) const;
    // Writes the bytes at the offset within the record: one positioned
    // write, nothing else of the record touched.
    void WriteAt(int position, int offset, const char* bytes, int size);
    void ReadStatuses();
    [[noreturn]] void Fail(const QString& action) const;
    // Best effort on the way out of a failure: the first error is the one told.
    void PutBackOldFields() noexcept;

    struct Kept {
        qint64 offset;
        QByteArray bytes;
    };

    DataFile file_;
    int recordSize_;
    int statusOffset_;
    int markOffset_;
    qint64 count_ = 0;
    std::vector<qint32> statuses_;
    std::vector<char> marks_;
    // Old bytes of every field written, in the order written.
    std::vector<Kept> kept_;
};

// Held by a patch command over its table: when the command fails (its
// patcher has put the file back), every row goes back as it was, except rows
// the command found deleted on disk (status `deleted`), which stay so.
class PatchedRowsGuard {
public:
    PatchedRowsGuard(RecordTable& table, QString deleted);
    ~PatchedRowsGuard();
    PatchedRowsGuard(const PatchedRowsGuard&) = delete;
    PatchedRowsGuard& operator=(const PatchedRowsGuard&) = delete;

private:
    RecordTable& table_;
    const RecordTable before_;
    const QString deleted_;
    const int exceptions_;
};

} // namespace kiv5
