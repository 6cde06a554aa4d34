#pragma once

#include <QFont>
#include <QMessageBox>
#include <QString>
#include <optional>

class QDialog;

namespace kiv5::ui {

// What an open or save dialog starts with. The filter is written as the
// programs store it, "PL5 Name Files|*.PL5|All Files|*.*". Fill it by name:
// {.title = "Open File Dialog", .folder = dir, .mustExist = true}.
struct FileDialogRequest {
    QString title{};
    QString folder{};
    QString fileName{};
    QString filter{};
    QString defaultExtension{};
    // Open: the chosen file and its folder must exist.
    bool mustExist = false;
    // Save: ask before replacing an existing file.
    bool askOverwrite = false;
};

// Every question the programs put to the user goes through this service, so
// that a test can answer them from a script and see what was asked.
class Prompts {
public:
    virtual ~Prompts() = default;

    // A message box with the exact title, text and buttons; returns the button
    // chosen (the escape button when the box is closed otherwise).
    virtual QMessageBox::StandardButton
    Message(const QString& title, const QString& text, QMessageBox::StandardButtons buttons,
            QMessageBox::Icon icon = QMessageBox::NoIcon,
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) = 0;

    // The single-line input prompt; empty when cancelled.
    virtual std::optional<QString> Input(const QString& title, const QString& label,
                                         const QString& initial) = 0;

    virtual std::optional<QString> OpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> SaveFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> ChooseFolder(const QString& title, const QString& folder) = 0;
    virtual std::optional<QFont> ChooseFont(const QFont& initial, const QString& title = {}) = 0;

    // The error window for a code; returns when it is closed. Throws when the
    // window cannot be created or shown.
    virtual void ShowErrorWindow(int code) = 0;

    // Runs one of the programs' own modal dialogs and returns its result.
    virtual int Exec(QDialog& dialog) = 0;

    // An information box with OK.
    void Inform(const QString& title, const QString& text) {
        Message(title, text, QMessageBox::Ok, QMessageBox::Information);
    }
};

} // namespace kiv5::ui
