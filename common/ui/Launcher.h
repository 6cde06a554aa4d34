#pragma once

// Starts the word processor on a document and opens files with the desktop's
// default application. A command is split as a shell would split it and
// started detached, with the document as its one added argument and the
// document's folder as working directory. "WINWORD.EXE" and "WORDPAD.EXE"
// (any letter case, with or without a folder) that are not found on PATH are
// replaced by LibreOffice Writer when it is installed, else by the desktop's
// default application for the document. Failures are reported with the
// launch-error codes below.

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace kiv5::ui {

inline constexpr int LAUNCH_OK = 0;
inline constexpr int LAUNCH_FILE_NOT_FOUND = 2;
inline constexpr int LAUNCH_PATH_NOT_FOUND = 3;
inline constexpr int LAUNCH_ACCESS_DENIED = 5;
inline constexpr int LAUNCH_BAD_FORMAT = 11;
inline constexpr int LAUNCH_NO_ASSOCIATION = 31;

// The text shown for a launch-error code; empty for codes without one.
QString LaunchErrorText(int code);

// What the launcher asks of the system; tests replace it with a recording.
struct LaunchPlatform {
    // The full name of a program found on PATH; empty when there is none.
    std::function<QString(const QString& name)> findExecutable;
    // Starts a program detached; LAUNCH_OK or a launch-error code.
    std::function<int(const QString& program, const QStringList& arguments,
                      const QString& workingDirectory)>
        startDetached;
    // Opens a file with the desktop's default application.
    std::function<bool(const QUrl& url)> openUrl;

    // The real one: PATH lookup, QProcess::startDetached, QDesktopServices.
    static LaunchPlatform System();
};

class Prompts;

class Launcher {
public:
    using MessageFunction = std::function<void(const QString& title, const QString& text)>;

    // Without a message function failures are shown in a QMessageBox.
    explicit Launcher(MessageFunction showMessage = {},
                      LaunchPlatform platform = LaunchPlatform::System());
    // A program's launcher: failures shown as critical boxes through its
    // prompts service, which must outlive the launcher.
    static Launcher ReportingTo(Prompts& prompts,
                                LaunchPlatform platform = LaunchPlatform::System());

    // Starts a command on a document; LAUNCH_OK or a launch-error code.
    // Shows nothing.
    int Open(const QString& command, const QString& documentPath) const;

    // Starts the chosen word processor on a finished document. A failure
    // with a known code is shown in a box titled "Error"; true when started.
    bool StartWordProcessor(const QString& wordProcessor, const QString& documentPath) const;

    // The system's "open" action on a file (the manual, a downloaded
    // installer). Shows nothing; true when it was handed over.
    bool OpenDocument(const QString& path) const;

private:
    int OpenWithWriter(const QString& documentPath) const;
    int OpenWithDesktop(const QString& documentPath) const;
    void ShowLaunchError(int code) const;

    MessageFunction showMessage_;
    LaunchPlatform platform_;
};

} // namespace kiv5::ui
