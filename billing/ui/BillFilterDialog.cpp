#include "billing/ui/BillFilterDialog.h"

#include "billing/core/BillEntry.h"
#include "common/ui/SortedItems.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace kiv5::billing::ui {
namespace {

QLineEdit* MakeEdit(QWidget* parent, int maxLength, const QString& text, const QString& name) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    return edit;
}

} // namespace

BillFilterDialog::BillFilterDialog(const BillFilterRec& c, const QStringList& clients,
                                   const QString& clientItem, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmFilter"));
    setWindowTitle(QStringLiteral("Filter Billing Records Form"));
    auto* form = new QFormLayout(this);
    clientBox = new QComboBox(this);
    clientBox->setObjectName(QStringLiteral("cmbxClient"));
    clientBox->setEditable(true);
    clientBox->setInsertPolicy(QComboBox::NoInsert);
    kiv5::ui::SetPickItems(*clientBox, clients);
    clientBox->setCurrentIndex(
        clientItem.isEmpty() ? -1 : clientBox->findText(clientItem, Qt::MatchExactly));
    clientBox->setEditText(clientBox->currentIndex() >= 0 ? clientBox->currentText() : c.ClientNo);
    fullNameEdit = MakeEdit(this, 64, c.FullName, QStringLiteral("edtFullName"));
    dateEdit = MakeEdit(this, 10, c.Date, QStringLiteral("edtDate"));
    dateEdit->setToolTip(QStringLiteral("Enter YYYY or MM/YYYY or MM/DD/YYYY"));
    balanceEdit = MakeEdit(this, 16, c.BalanceForward, QStringLiteral("edtBalance"));
    descriptionEdit = MakeEdit(this, 32, c.Description, QStringLiteral("edtDescription"));
    amountEdit = MakeEdit(this, 16, c.Amount, QStringLiteral("edtAmount"));
    pathEdit = MakeEdit(this, 128, c.ISPath, QStringLiteral("edtISPath"));
    noteEdit = MakeEdit(this, 255, c.Note, QStringLiteral("edtNote"));
    interestEdit = MakeEdit(this, 1, c.Interest, QStringLiteral("edtInterest"));
    interestEdit->setToolTip(
        QStringLiteral("Enter Y to search for interest and N to search for no interest"));
    rateEdit = MakeEdit(this, 8, c.Rate, QStringLiteral("edtRate"));

    form->addRow(QStringLiteral("Client Name/Number"), clientBox);
    form->addRow(QStringLiteral("Full Name"), fullNameEdit);
    form->addRow(QStringLiteral("Last Billing Date"), dateEdit);
    form->addRow(QStringLiteral("Balance Forward"), balanceEdit);
    form->addRow(QStringLiteral("Description"), descriptionEdit);
    form->addRow(QStringLiteral("Amount"), amountEdit);
    form->addRow(QStringLiteral("Itemized Statement Path"), pathEdit);
    form->addRow(QStringLiteral("Note"), noteEdit);
    form->addRow(QStringLiteral("Charge Interest"), interestEdit);
    form->addRow(QStringLiteral("Interest Rate"), rateEdit);

    applyButton = new QPushButton(QStringLiteral("Apply Filter"), this);
    applyButton->setObjectName(QStringLiteral("btnApply"));
    applyButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("btnCancel"));
    connect(applyButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(applyButton);
    buttons->addWidget(cancelButton);
    form->addRow(buttons);
}

BillFilterRec BillFilterDialog::Criteria() const {
    BillFilterRec c;
    c.ClientNo = clientBox->currentText().trimmed().isEmpty()
                     ? QString()
                     : ClientNumberOfText(clientBox->currentText());
    c.FullName = fullNameEdit->text();
    c.Date = dateEdit->text().trimmed();
    c.BalanceForward = balanceEdit->text().trimmed();
    c.Description = descriptionEdit->text();
    c.Amount = amountEdit->text().trimmed();
    c.ISPath = pathEdit->text();
    c.Note = noteEdit->text();
    c.Interest = interestEdit->text().trimmed().toUpper();
    c.Rate = rateEdit->text();
    return CutBillFilterRec(c);
}

} // namespace kiv5::billing::ui
