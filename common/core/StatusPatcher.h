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
#include <functional>
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

    // Writes held back and handed to the file together by Flush: a command
    // that patches most records of a large file spends its time in system
    // calls otherwise. The tag names the write to the caller again.
    void QueueMark(int position, bool selected, int tag);
    void QueueStatus(int position, qint32 status, int tag);
    bool QueueFull() const;
    // Writes what is queued; calls written(tag) for each write that reached
    // the file, then throws IoError when any did not.
    void Flush(const std::function<void(int tag)>& written);
    // For tests: queued writes go one by one, as where the kernel's ring is
    // not available.
    void ForceOneByOne() { writer_.ForceOneByOne(); }

    // Flushes what is still queued and closes the file.
    void Close();

private:
    void CheckPosition(int position) const;
    // Queues the bytes for the offset within the record: one positioned
    // write, nothing else of the record touched.
    void Queue(int position, int offset, const char* bytes, int size, int tag);
    void ReadStatuses();
    [[noreturn]] void Fail(const QString& action) const;
    // Best effort on the way out of a failure: the first error is the one told.
    void PutBackOldFields() noexcept;

    struct Queued {
        int tag;
        // The field's bytes before the write, for putting back.
        char old[4];
    };

    DataFile file_;
    int recordSize_;
    int statusOffset_;
    int markOffset_;
    qint64 count_ = 0;
    std::vector<qint32> statuses_;
    std::vector<char> marks_;
    std::vector<PositionedWrite> pending_;
    std::vector<Queued> queued_;
    // Old bytes of every field written, in the order written.
    std::vector<PositionedWrite> kept_;
    PositionedWriter writer_;
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
