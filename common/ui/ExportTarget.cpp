#include "common/ui/ExportTarget.h"

#include "common/ui/Prompts.h"

#include <QMessageBox>

namespace kiv5::ui {

std::optional<ExportTarget> AskExportTarget(Prompts& prompts, const QString& folder,
                                            const QString& fileName, bool askOverwrite) {
    const std::optional<QString> chosen =
        prompts.SaveFile({.title = QStringLiteral("Export TXT File"),
                          .folder = folder,
                          .fileName = fileName,
                          .filter = QStringLiteral("ASCII Text Files|*.TXT"),
                          .defaultExtension = QStringLiteral("TXT"),
                          .askOverwrite = askOverwrite});
    if (!chosen) {
        return std::nullopt;
    }
    const bool onlySelected =
        prompts.Message(QStringLiteral("Save All or Only Selected Records"),
                        QStringLiteral("Do you want to save only selected records?"),
                        QMessageBox::Yes | QMessageBox::No,
                        QMessageBox::Question) == QMessageBox::Yes;
    return ExportTarget{*chosen, onlySelected};
}

} // namespace kiv5::ui
