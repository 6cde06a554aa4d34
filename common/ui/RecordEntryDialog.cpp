#include "common/ui/RecordEntryDialog.h"

#include <QToolButton>

namespace kiv5::ui {

void RecordEntryDialog::UpdateButtons(bool canGoBack, bool canGoOn, bool modified) {
    firstButton->setEnabled(canGoBack);
    priorButton->setEnabled(canGoBack);
    nextButton->setEnabled(canGoOn);
    lastButton->setEnabled(canGoOn);
    saveButton->setEnabled(modified);
}

void RecordEntryDialog::CloseNow() {
    forceClose_ = true;
    close();
}

void RecordEntryDialog::done(int result) {
    if (!forceClose_ && closeGuard_ && !closeGuard_()) {
        return;
    }
    forceClose_ = false;
    QDialog::done(result);
}

} // namespace kiv5::ui
