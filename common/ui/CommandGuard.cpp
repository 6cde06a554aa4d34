#include "common/ui/CommandGuard.h"

#include "common/core/Exceptions.h"
#include "common/ui/ProgressWindow.h"
#include "common/ui/Prompts.h"

#include <QGuiApplication>
#include <exception>
#include <memory>

namespace kiv5::ui {
namespace {

// Bounds the unwinding of cursors set without a guard object.
constexpr int MaxStrayCursors = 64;

} // namespace

CommandGuard& CommandGuard::ReshowOnError(QWidget* widget) {
    reshow_.append(widget);
    return *this;
}

CommandGuard& CommandGuard::OnError(std::function<void()> cleanup) {
    cleanup_ = std::move(cleanup);
    return *this;
}

bool CommandGuard::Run(const std::function<void()>& command) {
    const bool hadOverrideCursor = QGuiApplication::overrideCursor() != nullptr;
    QString message;
    try {
        command();
        return true;
    } catch (const Kiv5Error& error) {
        message = error.Message();
    } catch (const std::exception& error) {
        message = QString::fromLocal8Bit(error.what());
    } catch (...) {
        message = QStringLiteral("The command ended with an unexpected error.");
    }
    CleanUp(hadOverrideCursor);
    ShowError(message);
    return false;
}

void CommandGuard::CleanUp(bool hadOverrideCursor) {
    // Wait cursor objects have unwound already; this catches cursors the
    // command set by hand. A cursor set before the command is not ours.
    for (int i = 0;
         i < MaxStrayCursors && !hadOverrideCursor && QGuiApplication::overrideCursor() != nullptr;
         ++i)
        QGuiApplication::restoreOverrideCursor();
    progress_.CloseAll();
    for (const QPointer<QWidget>& widget : reshow_) {
        if (widget) {
            widget->setEnabled(true);
            widget->show();
        }
    }
    if (cleanup_) {
        try {
            cleanup_();
        } catch (...) {
            qWarning("KIV5: the clean-up of a failed command failed as well");
        }
    }
}

void CommandGuard::ShowError(const QString& message) {
    try {
        prompts_.Message(QStringLiteral("Error"), message, QMessageBox::Ok, QMessageBox::Critical);
    } catch (...) {
        qWarning("KIV5: %s", qUtf8Printable(message));
    }
}

bool CommandGuard::RunWithProgress(const QString& text,
                                   const std::function<void(const PercentProgress&)>& call) {
    return Run([&] {
        ScopedProgress progress(progress_, text);
        call(progress.Callback());
    });
}

bool CommandGuard::RunWithSteps(
    const std::function<void(const std::function<void(const QString&, int)>&)>& call) {
    return Run([&] {
        std::unique_ptr<ScopedProgress> progress;
        QString shown;
        call([&](const QString& text, int percent) {
            if (!progress || text != shown) {
                progress.reset();
                progress = std::make_unique<ScopedProgress>(progress_, text);
                shown = text;
            }
            progress->SetPosition(percent);
        });
    });
}

bool RunCommand(Prompts& prompts, ProgressTracker& progress, const std::function<void()>& command,
                QWidget* reshowOnError) {
    CommandGuard guard(prompts, progress);
    if (reshowOnError) {
        guard.ReshowOnError(reshowOnError);
    }
    return guard.Run(command);
}

} // namespace kiv5::ui
