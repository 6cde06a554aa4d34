#pragma once

#include "common/ui/Prompts.h"

#include <functional>

namespace kiv5::bench {

// Answers the questions a benchmark expects and stops the run on any other,
// so a benchmark never measures a window waiting for a click.
class BenchPrompts : public ui::Prompts {
public:
    // The name the open dialog chooses.
    QString openFile;
    // Fills in and closes the program's own dialogs.
    std::function<int(QDialog&)> exec;

    QMessageBox::StandardButton Message(const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButton defaultButton) override;
    std::optional<QString> Input(const QString& title, const QString& label,
                                 const QString& initial) override;
    std::optional<QString> OpenFile(const ui::FileDialogRequest& request) override;
    std::optional<QString> SaveFile(const ui::FileDialogRequest& request) override;
    std::optional<QString> ChooseFolder(const QString& title, const QString& folder) override;
    std::optional<QFont> ChooseFont(const QFont& initial, const QString& title) override;
    void ShowErrorWindow(int code) override;
    int Exec(QDialog& dialog) override;
};

} // namespace kiv5::bench
