#pragma once

// Commands that change only a record's mark or status (select all, select
// none, a filter and its cancelling) read the stored statuses once and write
// that one field of each record, never a stale copy of the whole row:
// another user's newer save survives, and a record stored as deleted stays
// deleted. The file is opened once per command.

#include "common/core/FileIo.h"

#include <QString>
#include <vector>

namespace kiv5 {

class StatusPatcher {
public:
    // Opens the record file for update; IoError naming the file when it
    // cannot be opened or its length is no whole number of records. The mark
    // is one byte, the status a little-endian 32-bit number.
    StatusPatcher(const QString& path, int recordSize, int statusOffset, int markOffset = 0);
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

    DataFile file_;
    int recordSize_;
    int statusOffset_;
    int markOffset_;
    qint64 count_ = 0;
    std::vector<qint32> statuses_;
};

} // namespace kiv5
