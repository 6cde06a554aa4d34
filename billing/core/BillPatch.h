#pragma once

// Commands that change only a bill's mark or status (select all, select
// none, the filter and its cancelling) read the stored statuses once and
// write that one field of each record, never a stale copy of the whole row:
// another user's newer save survives, and a bill stored as deleted stays
// deleted. The file is opened once per command.

#include <QFile>
#include <QString>
#include <vector>

namespace kiv5::billing {

class BillPatcher {
public:
    // Opens the data file for update; IoError naming the file when it cannot
    // be opened or its length is no whole number of bills.
    explicit BillPatcher(const QString& path);
    BillPatcher(const BillPatcher&) = delete;
    BillPatcher& operator=(const BillPatcher&) = delete;

    // The stored status of bill recNo (1-based) as the file held it when
    // opened, or as this patcher last wrote it.
    qint32 Status(int recNo) const;
    void WriteMark(int recNo, bool selected);
    void WriteStatus(int recNo, qint32 status);
    void Close();

private:
    void CheckRecNo(int recNo) const;
    void WriteAt(int recNo, int offset, const char* bytes, int size);
    void ReadStatuses();
    [[noreturn]] void Fail(const QString& action) const;

    QFile file_;
    qint64 count_ = 0;
    std::vector<qint32> statuses_;
};

} // namespace kiv5::billing
