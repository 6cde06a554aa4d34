#pragma once

#include "common/core/DateTime.h"

namespace kiv5 {

// Another user wrote the stored record after this copy was read: the stored
// PostTime is strictly later than the copy's PullTime, both taken to the
// whole second.
inline bool IsForeignWrite(DayCount storedPostTime, DayCount copyPullTime) {
    return TruncateToSecond(storedPostTime) > TruncateToSecond(copyPullTime);
}

} // namespace kiv5
