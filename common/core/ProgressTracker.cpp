#include "common/core/ProgressTracker.h"

#include <algorithm>

namespace kiv5 {

void ProgressTracker::Opened(ProgressDisplay& display) {
    open_.push_back(&display);
}

void ProgressTracker::Closed(const ProgressDisplay& display) {
    std::erase(open_, &display);
}

ProgressDisplay* ProgressTracker::Current() const {
    return open_.empty() ? nullptr : open_.back();
}

void ProgressTracker::CloseAll() {
    while (!open_.empty()) {
        // Off the list first: a display that does not report back cannot
        // keep the loop going.
        ProgressDisplay* display = open_.back();
        open_.pop_back();
        display->CloseProgress();
    }
}

} // namespace kiv5
