#pragma once

// Single records addressed by their slot (0-based place in the file). Each
// call opens the file, does its one read or write and closes it again, so
// other users see a change at once.

#include "common/core/Exceptions.h"
#include "common/core/FileLock.h"
#include "common/core/RecordFile.h"

#include <QDir>

namespace kiv5 {

// The stored record at `slot`; IoError when the file or the slot is missing.
template <class R> R ReadRecordAtSlot(const QString& path, qint64 slot) {
    RecordFile file(path, RecordLayout<R>::kSize, RecordFile::Mode::Read);
    file.Seek(slot);
    R record = file.ReadRecord<R>();
    file.Close();
    return record;
}

// Writes over the record at `slot`, or appends when `slot` is the file's end.
// A slot beyond the end would leave a gap of zero records that read as live
// blank records, so it is refused with IoError.
template <class R> void WriteRecordAtSlot(const QString& path, const R& record, qint64 slot) {
    RecordFile file(path, RecordLayout<R>::kSize, RecordFile::Mode::ReadWrite);
    if (slot > file.Count()) {
        throw IoError(QStringLiteral("Cannot write record %1 of \"%2\": the file holds only %3")
                          .arg(slot + 1)
                          .arg(QDir::toNativeSeparators(path))
                          .arg(file.Count()));
    }
    file.Seek(slot);
    file.WriteRecord(record);
    file.Close();
}

// Appends at the file's real end while the append lock is held. `build`
// receives the slot the record goes to and returns the record to store.
// Returns that slot.
template <class R, class Build> qint64 AppendRecordAtEnd(const QString& path, Build build) {
    AppendLock lock(path);
    RecordFile file(path, RecordLayout<R>::kSize, RecordFile::Mode::ReadWrite);
    const qint64 slot = file.Count();
    const R record = build(slot);
    file.Append(EncodeRecord(record));
    file.Close();
    return slot;
}

} // namespace kiv5
