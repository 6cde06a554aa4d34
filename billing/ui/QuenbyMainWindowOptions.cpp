// The option commands of the billing main window.

#include "billing/ui/QuenbyMainWindow.h"
#include "billing/ui/ShorthandDialog.h"
#include "common/ui/Prompts.h"

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
    }
}

void QuenbyMainWindow::SetFontCommand() {
    const std::optional<QFont> font = prompts_.ChooseFont(tableFont_);
    if (!font) {
        return;
    }
    BillingSettings& s = ws_.settings;
    s.TableFontName = font->family();
    s.TableFontSize = font->pointSize() > 0 ? font->pointSize() : s.TableFontSize;
    s.TableFontBold = font->bold();
    s.TableFontItalic = font->italic();
    ApplyTableFont();
}

} // namespace kiv5::billing::ui
