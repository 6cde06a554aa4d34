#include "common/ui/NetworkWarning.h"

#include "common/ui/Prompts.h"

namespace kiv5::ui {

bool AskNetworkWarning(Prompts& prompts, const QString& text) {
    return prompts.Message(QStringLiteral("Network Warning!"), text,
                           QMessageBox::Ok | QMessageBox::Cancel,
                           QMessageBox::Warning) == QMessageBox::Ok;
}

} // namespace kiv5::ui
