#include "common/ui/RecordEntryDialog.h"

#include <QLineEdit>
#include <QToolButton>

namespace kiv5::ui {

void RecordEntryDialog::UpdateButtons(bool canGoBack, bool canGoOn, bool modified) {
    firstButton->setEnabled(canGoBack);
    priorButton->setEnabled(canGoBack);
    nextButton->setEnabled(canGoOn);
    lastButton->setEnabled(canGoOn);
    saveButton->setEnabled(modified);
}

void RecordEntryDialog::ConnectRecordButtons() {
    connect(firstButton, &QToolButton::clicked, this, &RecordEntryDialog::FirstClicked);
    connect(priorButton, &QToolButton::clicked, this, &RecordEntryDialog::PriorClicked);
    connect(nextButton, &QToolButton::clicked, this, &RecordEntryDialog::NextClicked);
    connect(lastButton, &QToolButton::clicked, this, &RecordEntryDialog::LastClicked);
    connect(deleteButton, &QToolButton::clicked, this, &RecordEntryDialog::DeleteClicked);
    connect(addButton, &QToolButton::clicked, this, &RecordEntryDialog::AddClicked);
    connect(saveButton, &QToolButton::clicked, this, &RecordEntryDialog::SaveClicked);
    connect(cancelFindButton, &QToolButton::clicked, this, [this] {
        emit CancelFindClicked();
        close();
    });
    connect(closeButton, &QToolButton::clicked, this, [this] { close(); });
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

QLineEdit* RecordEntryDialog::MakeLineEdit(QWidget* parent, int maxLength, const QString& name,
                                           Qt::Alignment alignment) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    edit->setAlignment(alignment | Qt::AlignVCenter);
    return edit;
}

} // namespace kiv5::ui
