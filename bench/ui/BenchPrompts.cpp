#include "bench/ui/BenchPrompts.h"

#include <QDialog>

namespace kiv5::bench {

namespace {

[[noreturn]] void Unexpected(const QString& what) {
    qFatal("benchmark stopped by an unexpected question: %s", qPrintable(what));
}

} // namespace

QMessageBox::StandardButton BenchPrompts::Message(const QString& title, const QString& text,
                                                  QMessageBox::StandardButtons, QMessageBox::Icon,
                                                  QMessageBox::StandardButton) {
    Unexpected(title + QStringLiteral(": ") + text);
}

std::optional<QString> BenchPrompts::Input(const QString& title, const QString&, const QString&) {
    Unexpected(title);
}

std::optional<QString> BenchPrompts::OpenFile(const ui::FileDialogRequest& request) {
    if (openFile.isEmpty()) {
        Unexpected(request.title);
    }
    return openFile;
}

std::optional<QString> BenchPrompts::SaveFile(const ui::FileDialogRequest& request) {
    Unexpected(request.title);
}

std::optional<QString> BenchPrompts::ChooseFolder(const QString& title, const QString&) {
    Unexpected(title);
}

std::optional<QFont> BenchPrompts::ChooseFont(const QFont&, const QString& title) {
    Unexpected(title);
}

void BenchPrompts::ShowErrorWindow(int code) {
    Unexpected(QStringLiteral("error %1").arg(code));
}

int BenchPrompts::Exec(QDialog& dialog) {
    if (!exec) {
        Unexpected(dialog.windowTitle());
    }
    return exec(dialog);
}

} // namespace kiv5::bench
