// The print commands of the billing main window: the documents, the
// letterhead and the PDF option.

#include "billing/ui/BillingCaptionDialog.h"
#include "billing/ui/QuenbyMainWindow.h"
#include "common/core/Answers.h"

namespace kiv5::billing::ui {

void QuenbyMainWindow::CreateAnswerStore() {
    try {
        answers_ = std::make_unique<TAnswer>(DocumentProgram::Billing);
    } catch (const std::exception&) {
        ShowError(11243);
    }
}

void QuenbyMainWindow::SetBillingCaptionCommand() {
    EditBillingCaption(ws_.settings, prompts_, this);
}

void QuenbyMainWindow::ToggleWritePdfCommand() {
    ws_.settings.WritePdfFlag = !ws_.settings.WritePdfFlag;
    UpdateMenuItems();
}

} // namespace kiv5::billing::ui
