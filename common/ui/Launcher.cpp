#include "common/ui/Launcher.h"

#include "common/ui/Prompts.h"

#include "common/core/Misc.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <array>
#include <utility>

namespace kiv5::ui {

namespace {

struct LaunchErrorRow {
    int code;
    const char* text;
};

constexpr std::array kLaunchErrors{
    LaunchErrorRow{2, "The specified file was not found."},
    LaunchErrorRow{3, "The specified path was not found."},
    LaunchErrorRow{5, "The operating system denied access to the specified file."},
    LaunchErrorRow{8, "There was not enough memory to complete the operation."},
    LaunchErrorRow{11, "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image)."},
    LaunchErrorRow{26, "A sharing violation occurred."},
    LaunchErrorRow{27, "The filename association is incomplete or invalid."},
    LaunchErrorRow{28, "The DDE transaction could not be completed because the request timed out."},
    LaunchErrorRow{29, "The DDE transaction failed."},
    LaunchErrorRow{30, "The DDE transaction could not be completed because other DDE transactions "
                       "were being processed."},
    LaunchErrorRow{31, "There is no application associated with the given filename extension."},
    LaunchErrorRow{32, "The specified dynamic-link library was not found."},
};

// The Windows word processors that have no counterpart here unless someone
// put a program of that name on PATH.
bool IsWindowsWordProcessor(const QString& program) {
    const QString name = FileNamePart(program);
    return name.compare(QLatin1String("WINWORD.EXE"), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String("WORDPAD.EXE"), Qt::CaseInsensitive) == 0;
}

void ShowInMessageBox(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
    box.exec();
}

} // namespace

QString LaunchErrorText(int code) {
    for (const LaunchErrorRow& row : kLaunchErrors) {
        if (row.code == code) {
            return QString::fromLatin1(row.text);
        }
    }
    return {};
}

Launcher::Launcher(MessageFunction showMessage, LaunchPlatform platform)
    : showMessage_(showMessage ? std::move(showMessage) : MessageFunction(ShowInMessageBox)),
      platform_(std::move(platform)) {}

int Launcher::Open(const QString& command, const QString& documentPath) const {
    const QStringList parts = QProcess::splitCommand(command.trimmed());
    if (parts.isEmpty()) {
        return LAUNCH_FILE_NOT_FOUND;
    }
    const QFileInfo document(documentPath);
    const QString& program = parts.first();
    if (IsWindowsWordProcessor(program) && platform_.findExecutable(program).isEmpty()) {
        return OpenWithWriter(document.absoluteFilePath());
    }
    return platform_.startDetached(program, parts.mid(1) << document.absoluteFilePath(),
                                   document.absolutePath());
}

int Launcher::OpenWithWriter(const QString& documentPath) const {
    for (const char* name : {"soffice", "libreoffice"}) {
        const QString writer = platform_.findExecutable(QLatin1String(name));
        if (!writer.isEmpty()) {
            return platform_.startDetached(writer, {QStringLiteral("--writer"), documentPath},
                                           QFileInfo(documentPath).absolutePath());
        }
    }
    return OpenWithDesktop(documentPath);
}

int Launcher::OpenWithDesktop(const QString& documentPath) const {
    if (!QFileInfo::exists(documentPath)) {
        return LAUNCH_FILE_NOT_FOUND;
    }
    return platform_.openUrl(QUrl::fromLocalFile(documentPath)) ? LAUNCH_OK : LAUNCH_NO_ASSOCIATION;
}

bool Launcher::StartWordProcessor(const QString& wordProcessor, const QString& documentPath) const {
    const int code = Open(wordProcessor, documentPath);
    if (code != LAUNCH_OK) {
        ShowLaunchError(code);
    }
    return code == LAUNCH_OK;
}

bool Launcher::OpenDocument(const QString& path) const {
    return OpenWithDesktop(QFileInfo(path).absoluteFilePath()) == LAUNCH_OK;
}

void Launcher::ShowLaunchError(int code) const {
    const QString text = LaunchErrorText(code);
    if (!text.isEmpty()) {
        showMessage_(QStringLiteral("Error"), text);
    }
}

Launcher Launcher::ReportingTo(Prompts& prompts, LaunchPlatform platform) {
    return Launcher(
        [&prompts](const QString& title, const QString& text) {
            prompts.Message(title, text, QMessageBox::Ok, QMessageBox::Critical);
        },
        std::move(platform));
}

} // namespace kiv5::ui
