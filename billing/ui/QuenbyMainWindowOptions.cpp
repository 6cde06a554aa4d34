// The option commands of the billing main window.

#include "billing/ui/QuenbyMainWindow.h"
#include "billing/ui/ShorthandDialog.h"
#include "common/ui/Prompts.h"
#include "common/ui/StoredFont.h"

namespace kiv5::billing::ui {

void QuenbyMainWindow::ToggleAutomaticBackupCommand() {
    ws_.SetAutomaticBackup(!ws_.settings.AutomaticBackupFlag);
    UpdateMenuItems();
}

void QuenbyMainWindow::SetHourlyRateCommand() {
    const std::optional<QString> text = prompts_.Input(
        QStringLiteral("Default Attorney Fee Rate"),
        QStringLiteral("Enter the default attorney fee rate."), ws_.HourlyRateText());
    if (!text) {
        return;
    }
    // Unreadable text keeps the previous rate.
    if (const int code = ws_.SetHourlyRate(*text); code != 0) {
        ShowError(code);
    }
}

void QuenbyMainWindow::SetShorthandTextCommand() {
    ShorthandDialog dialog(ws_.ShorthandTexts(), this);
    if (prompts_.Exec(dialog) == QDialog::Accepted) {
        ws_.SetShorthandTexts(dialog.Texts());
        emit ShorthandChanged(ws_.ShorthandTexts());
    }
}

void QuenbyMainWindow::SetFontCommand() {
    BillingSettings& s = ws_.settings;
    if (kiv5::ui::ChooseStoredFont(prompts_, QString(), s.TableFontName, s.TableFontSize,
                                   s.TableFontBold, s.TableFontItalic, 8)) {
        ApplyTableFont();
    }
}

} // namespace kiv5::billing::ui
