#pragma once

#include <vector>

namespace kiv5 {

// A window showing the progress of a long operation, as the tracker sees it.
class ProgressDisplay {
public:
    // Removes the display; it tells the tracker it is gone.
    virtual void CloseProgress() = 0;

protected:
    ~ProgressDisplay() = default;
};

// The progress displays a program has open, so that the command guard can
// remove those a failed command left behind.
class ProgressTracker {
public:
    ProgressTracker() = default;
    ProgressTracker(const ProgressTracker&) = delete;
    ProgressTracker& operator=(const ProgressTracker&) = delete;

    void Opened(ProgressDisplay& display);
    void Closed(const ProgressDisplay& display);

    // The display opened last and still open, else null.
    ProgressDisplay* Current() const;
    // Closes every open display, the newest first.
    void CloseAll();

private:
    std::vector<ProgressDisplay*> open_;
};

} // namespace kiv5
