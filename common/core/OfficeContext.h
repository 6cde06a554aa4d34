#pragma once

// What a running program shares with all its parts: the clock, the error
// sink, the installed folders and the open progress windows. Each program
// makes one at start and hands it down; tests make their own. A default
// context is the program's usual one: system clock, errors to standard
// error, installed folders.

#include "common/core/Clock.h"
#include "common/core/ErrorSink.h"
#include "common/core/OfficeFolders.h"
#include "common/core/ProgressTracker.h"

namespace kiv5 {

struct OfficeContext {
    DayCount Now() const { return clock.Now(); }
    DayCount Today() const { return clock.Today(); }
    void ErrorWindow(int code) const noexcept { errors.ErrorWindow(code); }

    Clock clock;
    ErrorSink errors;
    OfficeFolders folders;
    ProgressTracker progress;
};

} // namespace kiv5
