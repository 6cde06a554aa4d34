#include "billing/ui/BillingCaptionDialog.h"

#include "common/ui/CentreOnScreen.h"
#include "common/ui/Prompts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kiv5::billing::ui {

const std::array<QString, CAPTIONLINES>& BillingCaptionDialog::Labels() {
    static const std::array<QString, CAPTIONLINES> labels = {
        QStringLiteral("Name/Firm"), QStringLiteral("Address Line 1"),
        QStringLiteral("Address Line 2"), QStringLiteral("Address Line 3"),
        QStringLiteral("Telephone No")};
    return labels;
}

BillingCaptionDialog::BillingCaptionDialog(const Lines& lines, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmCaptionDlg"));
    setWindowTitle(QStringLiteral("Billing Caption"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto* form = new QFormLayout;
    for (std::size_t line = 0; line < edits_.size(); ++line) {
        auto* edit = new QLineEdit(lines[line], this);
        edit->setObjectName(QStringLiteral("edtCaptionLine%1").arg(line));
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 48);
        form->addRow(Labels()[line], edit);
        edits_[line] = edit;
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    kiv5::ui::CentreOnScreen(*this);
}

BillingCaptionDialog::Lines BillingCaptionDialog::CaptionLines() const {
    Lines lines;
    for (std::size_t line = 0; line < edits_.size(); ++line) {
        lines[line] = edits_[line]->text();
    }
    return lines;
}

bool EditBillingCaption(BillingSettings& settings, kiv5::ui::Prompts& prompts, QWidget* parent) {
    BillingCaptionDialog dialog(settings.CaptionLine, parent);
    if (prompts.Exec(dialog) != QDialog::Accepted) {
        return false;
    }
    settings.CaptionLine = dialog.CaptionLines();
    return true;
}

} // namespace kiv5::billing::ui
