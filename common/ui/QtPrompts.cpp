#include "common/ui/QtPrompts.h"

#include "common/ui/FileFilter.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <stdexcept>

namespace kiv5::ui {

QtPrompts::QtPrompts(Program program, HelpCallback help)
    : program_(program), help_(std::move(help)) {}

QMessageBox::StandardButton QtPrompts::Message(const QString& title, const QString& text,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::Icon icon,
                                               QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, title, text, buttons, parent_);
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    box.exec();
    if (box.clickedButton() != nullptr)
        return box.standardButton(box.clickedButton());
    return box.standardButton(box.escapeButton());
}

std::optional<QString> QtPrompts::Input(const QString& title, const QString& label,
                                        const QString& initial) {
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(initial);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> QtPrompts::RunFileDialog(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(parent_, request.title, request.folder);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.askOverwrite);
    const QStringList filters = ConvertFileFilter(request.filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(request.defaultExtension);
    // A pattern such as "*.PL5" is a hint for the list, not a name to offer.
    if (!request.fileName.isEmpty() && !request.fileName.contains(u'*') &&
        !request.fileName.contains(u'?'))
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtPrompts::OpenFile(const FileDialogRequest& request) {
    return RunFileDialog(request, false);
}

std::optional<QString> QtPrompts::SaveFile(const FileDialogRequest& request) {
    return RunFileDialog(request, true);
}

std::optional<QString> QtPrompts::ChooseFolder(const QString& title, const QString& folder) {
    const QString chosen = QFileDialog::getExistingDirectory(parent_, title, folder);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

std::optional<QFont> QtPrompts::ChooseFont(const QFont& initial, const QString& title) {
    bool accepted = false;
    const QFont font = QFontDialog::getFont(&accepted, initial, parent_, title);
    if (!accepted)
        return std::nullopt;
    return font;
}

void QtPrompts::ShowErrorWindow(int code) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        throw std::runtime_error("no application window system");
    ErrorDialog dialog(program_, code, help_, parent_);
    dialog.exec();
}

int QtPrompts::Exec(QDialog& dialog) {
    return dialog.exec();
}

} // namespace kiv5::ui
