#pragma once

namespace kiv5::ui {

// The hourglass for the span of a scope.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool set_;
};

} // namespace kiv5::ui
