#pragma once

#include <QLockFile>
#include <QString>

namespace kiv5 {

// An advisory lock beside a data file ("<file>.lock"), held while a new record
// is appended at the file's real end, so that two users adding at once both
// keep their record. Throws IoError when the lock cannot be had in time.
class AppendLock {
public:
    explicit AppendLock(const QString& dataFile, int waitMs = 10000);

private:
    QLockFile lock_;
};

} // namespace kiv5
