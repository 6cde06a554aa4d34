#pragma once

// Commands that change only a record's mark or status (select all, select
// none, a filter and its cancelling) re-read the stored record and write that
// one field, never a stale copy of the whole row: another user's newer save
// survives, and a record stored as deleted stays deleted.

#include <QFile>
#include <QString>
#include <vector>

namespace kiv5::books {

class LedgerPatcher {
public:
    // Opens the ledger file for update; IoError naming the file when it
    // cannot be opened or its length is no whole number of records.
    explicit LedgerPatcher(const QString& path);
    LedgerPatcher(const LedgerPatcher&) = delete;
    LedgerPatcher& operator=(const LedgerPatcher&) = delete;

    // The stored status of the record at a 1-based position, as the file
    // held it when opened (read in one pass).
    qint32 Status(int position) const;
    void WriteMark(int position, bool selected);
    void WriteStatus(int position, qint32 status);
    void Close();

private:
    // Writes the bytes at the offset within the record: one positioned
    // write, nothing else of the record touched.
    void WriteAt(int position, int offset, const char* bytes, int size);
    [[noreturn]] void Fail(const QString& action) const;

    void ReadStatuses();

    QFile file_;
    qint64 count_ = 0;
    std::vector<qint32> statuses_;
};

} // namespace kiv5::books
