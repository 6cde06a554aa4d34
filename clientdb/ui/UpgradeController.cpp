#include "clientdb/ui/UpgradeController.h"

#include "clientdb/ui/UpgradeDialog.h"
#include "clientdb/ui/UpgradeTexts.h"
#include "common/ui/CentreOnScreen.h"
#include "common/ui/Launcher.h"
#include "common/ui/ProgressWindow.h"
#include "common/ui/Prompts.h"
#include "common/ui/WaitCursor.h"

namespace kiv5::ui {

using namespace upgrade;

UpgradeController::UpgradeController(Prompts& prompts, const ClientSettings& settings,
                                     const Launcher& launcher, ProgressTracker& progress,
                                     HelpCallback help, QWidget* window)
    : prompts_(prompts), launcher_(launcher), progress_(progress), help_(std::move(help)),
      window_(window), source_(settings) {}

void UpgradeController::CheckAtStartUp() {
    switch (source_.Check()) {
    case UpgradeCheck::Unreachable:
        prompts_.Message(kStatusTitle, kUnableToConnect, QMessageBox::Ok, QMessageBox::Information);
        return;
    case UpgradeCheck::Newer:
        if (prompts_.Message(kAvailabilityTitle, kStartUpQuestion,
                             QMessageBox::Yes | QMessageBox::No,
                             QMessageBox::Question) == QMessageBox::Yes) {
            DownloadAtStartUp();
        }
        return;
    case UpgradeCheck::NoHost:
    case UpgradeCheck::Unreadable:
    case UpgradeCheck::NotNewer:
        return;
    }
}

void UpgradeController::DownloadAtStartUp() {
    net::HttpOutcome out;
    {
        ScopedProgress progress(progress_, kProgressText);
        const WaitCursor wait;
        out = source_.Download([&progress](qint64 received, qint64 announced) {
            const qint64 total = announced > 0 ? announced : kStartUpTotal;
            progress.SetPosition(int(received * 100 / total));
        });
    }
    if (!out.ok) {
        prompts_.Message(kStatusTitle, kStartUpDownloadFailed.arg(out.error), QMessageBox::Ok,
                         QMessageBox::Warning);
        return;
    }
    if (source_.IsSecureHost() && launcher_.OpenDocument(source_.InstallerPath())) {
        if (window_) {
            // After the start-up has finished: the window closes the usual
            // way, with its exit steps.
            QMetaObject::invokeMethod(window_.data(), &QWidget::close, Qt::QueuedConnection);
        }
        return;
    }
    prompts_.Message(kStatusTitle, kDownloaded.arg(source_.ShownFolder()), QMessageBox::Ok,
                     QMessageBox::Information);
}

void UpgradeController::DownloadCommand() {
    UpgradeDialog dialog(source_, prompts_, window_);
    dialog.SetHelpHandler(help_);
    CentreOnScreen(dialog);
    prompts_.Exec(dialog);
}

} // namespace kiv5::ui
