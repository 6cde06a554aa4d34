#pragma once

#include "common/core/PercentProgress.h"
#include "common/core/ProgressTracker.h"

#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace kiv5::ui {

class Prompts;

// Runs one command of a menu or button. A file or conversion error (or any
// other exception) ends the command: the cursor set since the command began
// is put back, a progress window still open is removed, the table windows
// the command hid are shown and enabled again, the caller's own clean-up
// runs, and the error's message is shown in a box titled "Error". The
// progress windows removed are those open in the program's tracker.
class CommandGuard {
public:
    CommandGuard(Prompts& prompts, ProgressTracker& progress)
        : prompts_(prompts), progress_(progress) {}

    // A window to show again when the command fails (the table it hides).
    CommandGuard& ReshowOnError(QWidget* widget);
    CommandGuard& OnError(std::function<void()> cleanup);

    // True when the command ran to its end.
    bool Run(const std::function<void()>& command);
    // Runs a call under a progress window of that text; the call gets the
    // window's percent callback.
    bool RunWithProgress(const QString& text,
                         const std::function<void(const PercentProgress&)>& call);
    // Runs a call that reports steps of its own (text, percent): each new
    // text replaces the progress window with one showing it.
    bool
    RunWithSteps(const std::function<void(const std::function<void(const QString&, int)>&)>& call);

private:
    void CleanUp(bool hadOverrideCursor);
    void ShowError(const QString& message);

    Prompts& prompts_;
    ProgressTracker& progress_;
    QList<QPointer<QWidget>> reshow_;
    std::function<void()> cleanup_;
};

// CommandGuard(prompts, progress).Run(command), showing reshowOnError again
// when the command fails (the table window it may hide).
bool RunCommand(Prompts& prompts, ProgressTracker& progress, const std::function<void()>& command,
                QWidget* reshowOnError = nullptr);

} // namespace kiv5::ui
