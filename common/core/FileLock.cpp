#include "common/core/FileLock.h"

#include "common/core/Exceptions.h"
#include "common/core/FileFaults.h"

#include <QDir>

namespace kiv5 {

AppendLock::AppendLock(const QString& dataFile, int waitMs)
    : lock_(dataFile + QStringLiteral(".lock")) {
    // A lock left by a crashed program is taken over after a few seconds.
    lock_.setStaleLockTime(5000);
    if (const int injected = FileCallGate(FileCall::Lock, dataFile)) {
        throw IoError(QStringLiteral("Cannot lock \"%1\": %2")
                          .arg(QDir::toNativeSeparators(dataFile), SystemErrorText(injected)));
    }
    if (!lock_.tryLock(waitMs)) {
        const QString reason = lock_.error() == QLockFile::PermissionError
                                   ? QStringLiteral("the folder cannot be written")
                                   : QStringLiteral("another user is adding a record");
        throw IoError(QStringLiteral("Cannot lock \"%1\": %2")
                          .arg(QDir::toNativeSeparators(dataFile), reason));
    }
}

} // namespace kiv5
