#pragma once

#include "common/core/ProgressTracker.h"

#include <QFrame>
#include <QPointer>
#include <functional>

class QLabel;
class QProgressBar;

namespace kiv5::ui {

// The "Progress Dialog" of a long table operation: a borderless window in the
// middle of the screen with one line of text and a bar from 0 to 100. It is
// open in the tracker from its making to its end.
class ProgressWindow : public QFrame, public ProgressDisplay {
    Q_OBJECT

public:
    ProgressWindow(ProgressTracker& tracker, const QString& text, QWidget* parent = nullptr);
    ~ProgressWindow() override;

    // The tracker's current display when it is a progress window, else null.
    static ProgressWindow* Current(const ProgressTracker& tracker);

    void CloseProgress() override;

    // Sets the bar (clamped to 0-100) and repaints at once when it moved.
    void SetPosition(int percent);
    int Position() const;
    QString Text() const;

private:
    ProgressTracker& tracker_;
    QLabel* lblProgress_;
    QProgressBar* pbrProgressBar_;
};

// Shows a progress window for the span of one operation: shown at 0 when
// made, removed when it goes out of scope, also when the operation throws.
class ScopedProgress {
public:
    ScopedProgress(ProgressTracker& tracker, const QString& text, QWidget* parent = nullptr);
    ~ScopedProgress();
    ScopedProgress(const ScopedProgress&) = delete;
    ScopedProgress& operator=(const ScopedProgress&) = delete;

    void SetPosition(int percent);
    // For core operations that report their progress in percent. The
    // callback does nothing once the window is gone.
    std::function<void(int percent)> Callback();
    ProgressWindow* Window() const { return window_; }

private:
    QPointer<ProgressWindow> window_;
};

} // namespace kiv5::ui
