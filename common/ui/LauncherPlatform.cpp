// The launcher's real system calls.

#include "common/ui/Launcher.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace kiv5::ui {

namespace {

// A program named with a folder must exist and be executable; a bare name
// is looked up on PATH.
int ResolveProgram(const QString& program, QString& resolved) {
    if (!program.contains(QLatin1Char('/'))) {
        resolved = QStandardPaths::findExecutable(program);
        return resolved.isEmpty() ? LAUNCH_FILE_NOT_FOUND : LAUNCH_OK;
    }
    const QFileInfo info(program);
    if (!info.exists()) {
        return info.absoluteDir().exists() ? LAUNCH_FILE_NOT_FOUND : LAUNCH_PATH_NOT_FOUND;
    }
    if (info.isDir() || !info.isExecutable()) {
        return LAUNCH_ACCESS_DENIED;
    }
    resolved = info.absoluteFilePath();
    return LAUNCH_OK;
}

int StartDetachedProcess(const QString& program, const QStringList& arguments,
                         const QString& workingDirectory) {
    if (!workingDirectory.isEmpty() && !QFileInfo(workingDirectory).isDir()) {
        return LAUNCH_PATH_NOT_FOUND;
    }
    QString resolved;
    if (const int code = ResolveProgram(program, resolved); code != LAUNCH_OK) {
        return code;
    }
    QProcess process;
    process.setProgram(resolved);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingDirectory);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    // It exists and may be run, so a refusal means it is no program.
    return process.startDetached() ? LAUNCH_OK : LAUNCH_BAD_FORMAT;
}

} // namespace

LaunchPlatform LaunchPlatform::System() {
    return LaunchPlatform{
        [](const QString& name) { return QStandardPaths::findExecutable(name); },
        StartDetachedProcess,
        [](const QUrl& url) { return QDesktopServices::openUrl(url); },
    };
}

} // namespace kiv5::ui
