#pragma once

#include "common/core/DateTime.h"
#include "common/core/Exceptions.h"
#include "common/core/FileLock.h"

namespace kiv5 {

// Another user wrote the stored record after this copy was read: the stored
// PostTime is strictly later than the copy's PullTime, both taken to the
// whole second.
inline bool IsForeignWrite(DayCount storedPostTime, DayCount copyPullTime) {
    return TruncateToSecond(storedPostTime) > TruncateToSecond(copyPullTime);
}

inline constexpr DayCount kOneSecond = 1.0 / 86400.0;

// The stamp a single-record write stores: now, or, when the stored version
// carries this very second or a later one (two saves within a second, or a
// clock behind another user's), the second after the stored stamp. Every
// write thus moves the stored PostTime past what any copy read before it
// holds, and that copy's next save is found to be a conflict.
inline DayCount StampAfter(DayCount now, DayCount storedPostTime) {
    if (TruncateToSecond(now) > TruncateToSecond(storedPostTime)) {
        return now;
    }
    return TruncateToSecond(storedPostTime) + kOneSecond;
}

// Held while a record is read, tested and written, and while marks and
// statuses are patched, so that no other user's write falls between the
// test and the write. It is the lock file that also guards adds.
using RecordWriteLock = AppendLock;

// Keeping the edited version after the comparison when another user saved
// the record again meanwhile: nothing was written.
class SavedMeanwhileError : public IoError {
public:
    SavedMeanwhileError()
        : IoError(QStringLiteral("Another user saved this record again while the two versions "
                                 "were compared. Nothing was written; save the record again to "
                                 "compare it with the newest version.")) {}
};

} // namespace kiv5
