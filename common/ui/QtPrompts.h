#pragma once

#include "common/core/ErrorCatalogue.h"
#include "common/ui/ErrorDialog.h"
#include "common/ui/Prompts.h"

#include <QPointer>
#include <QWidget>

namespace kiv5::ui {

// The prompts service of a running program: real message boxes, input
// prompt, file, folder and font dialogs, and the program's error window.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(Program program, HelpCallback help = {});

    // The window the dialogs are centred on (normally the main window).
    void SetParentWidget(QWidget* parent) { parent_ = parent; }
    void SetHelp(HelpCallback help) { help_ = std::move(help); }

    QMessageBox::StandardButton Message(const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButton defaultButton) override;
    std::optional<QString> Input(const QString& title, const QString& label,
                                 const QString& initial) override;
    std::optional<QString> OpenFile(const FileDialogRequest& request) override;
    std::optional<QString> SaveFile(const FileDialogRequest& request) override;
    std::optional<QString> ChooseFolder(const QString& title, const QString& folder) override;
    std::optional<QFont> ChooseFont(const QFont& initial, const QString& title) override;
    void ShowErrorWindow(int code) override;
    int Exec(QDialog& dialog) override;

private:
    std::optional<QString> RunFileDialog(const FileDialogRequest& request, bool save);

    Program program_;
    HelpCallback help_;
    QPointer<QWidget> parent_;
};

} // namespace kiv5::ui
