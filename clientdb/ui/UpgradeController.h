#pragma once

// The client program's upgrade check: once at start (after the file is
// loaded) and on demand from Help > Download Upgrade. At start a newer
// release can be downloaded at once; an installer from an https:// host is
// then opened and the program window closed, one from a plain http:// host
// is only saved, for the user to run.

#include "clientdb/core/ClientSettings.h"
#include "clientdb/ui/UpgradeSource.h"
#include "common/ui/HelpCallback.h"

#include <QPointer>
#include <QWidget>
#include <chrono>

namespace kiv5 {
class ProgressTracker;
}

namespace kiv5::ui {

class Launcher;
class Prompts;

class UpgradeController {
public:
    // Host and data folder are read from the settings at each use; window
    // is the program's main window, closed after an installer was started.
    UpgradeController(Prompts& prompts, const ClientSettings& settings, const Launcher& launcher,
                      ProgressTracker& progress, HelpCallback help, QWidget* window);
    UpgradeController(const UpgradeController&) = delete;
    UpgradeController& operator=(const UpgradeController&) = delete;

    // How long a request may wait for a sign of life (10 seconds unless set).
    void SetTimeout(std::chrono::milliseconds timeout) { source_.SetTimeout(timeout); }

    void CheckAtStartUp();
    void DownloadCommand();

private:
    void DownloadAtStartUp();

    Prompts& prompts_;
    const Launcher& launcher_;
    ProgressTracker& progress_;
    HelpCallback help_;
    QPointer<QWidget> window_;
    UpgradeSource source_;
};

} // namespace kiv5::ui
