#include "books/ui/LedgerFilterDialog.h"

#include "books/core/LedgerEntry.h"
#include "books/ui/NameListDialogs.h"
#include "common/ui/Prompts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace kiv5::books::ui {
namespace {

QLineEdit* MakeEdit(QWidget* parent, int maxLength, const QString& text, const QString& name) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    if (maxLength > 0) {
        edit->setMaxLength(maxLength);
    }
    return edit;
}

QWidget* WithButton(QWidget* parent, QLineEdit* edit, QPushButton* button) {
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(edit);
    row->addWidget(button);
    return box;
}

} // namespace

LedgerFilterDialog::LedgerFilterDialog(const LedgerKind& kind, const FilterRec& c,
                                       const QStringList& clients, const QStringList& accounts,
                                       const QStringList& categories, kiv5::ui::Prompts& prompts,
                                       QWidget* parent)
    : QDialog(parent), prompts_(prompts), accounts_(accounts), categories_(categories) {
    setWindowTitle(kind.filterTitle);
    auto* form = new QFormLayout(this);
    numberEdit = MakeEdit(this, 8, c.RexNo, QStringLiteral("edtRexNo"));
    dateEdit = MakeEdit(this, 10, c.Date, QStringLiteral("edtDate"));
    dateEdit->setToolTip(QStringLiteral("Enter YYYY or MM/YYYY or MM/DD/YYYY"));
    clientBox = new QComboBox(this);
    clientBox->setObjectName(QStringLiteral("cmbxClient"));
    clientBox->setEditable(true);
    clientBox->setInsertPolicy(QComboBox::NoInsert);
    QStringList sorted = clients;
    sorted.sort(Qt::CaseInsensitive);
    clientBox->addItems(sorted);
    const int client = ClientItemOf(sorted, c.ClientNo);
    clientBox->setCurrentIndex(client);
    clientBox->setEditText(client >= 0 ? sorted[client] : c.ClientNo);
    partyEdit = MakeEdit(this, 0, c.Payxx, QStringLiteral("edtPayxx"));
    descriptionEdit = MakeEdit(this, 64, c.Description, QStringLiteral("edtDescription"));
    categoryEdit = MakeEdit(this, 0, c.Category, QStringLiteral("edtCategory"));
    categoryEdit->setReadOnly(true);
    accountEdit = MakeEdit(this, 0, c.Account, QStringLiteral("edtAccount"));
    accountEdit->setReadOnly(true);
    codeEdit = MakeEdit(this, 10, c.Code, QStringLiteral("edtCode"));
    amountEdit = MakeEdit(this, 32, c.Amount, QStringLiteral("edtAmount"));
    auto* pickCategories = new QPushButton(QStringLiteral("..."), this);
    pickCategories->setObjectName(QStringLiteral("btnCategory"));
    auto* pickAccounts = new QPushButton(QStringLiteral("..."), this);
    pickAccounts->setObjectName(QStringLiteral("btnAccount"));
    connect(pickCategories, &QPushButton::clicked, this, &LedgerFilterDialog::PickCategories);
    connect(pickAccounts, &QPushButton::clicked, this, &LedgerFilterDialog::PickAccounts);

    form->addRow(kind.numberLabel == QLatin1String("Record No.") ? QStringLiteral("Rec No.")
                                                                 : kind.numberLabel,
                 numberEdit);
    form->addRow(QStringLiteral("Date"), dateEdit);
    form->addRow(QStringLiteral("Client Name/Number"), clientBox);
    form->addRow(kind.partyLabel, partyEdit);
    form->addRow(QStringLiteral("Description"), descriptionEdit);
    form->addRow(QStringLiteral("Category"), WithButton(this, categoryEdit, pickCategories));
    form->addRow(QStringLiteral("Account"), WithButton(this, accountEdit, pickAccounts));
    form->addRow(QStringLiteral("Code"), codeEdit);
    form->addRow(QStringLiteral("Amount"), amountEdit);

    applyButton = new QPushButton(QStringLiteral("Apply"), this);
    applyButton->setToolTip(QStringLiteral("Applies filter"));
    applyButton->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setToolTip(QStringLiteral("Cancels filter"));
    connect(applyButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(applyButton);
    buttons->addWidget(cancel);
    form->addRow(buttons);
}

FilterRec LedgerFilterDialog::Criteria() const {
    FilterRec c;
    c.RexNo = numberEdit->text();
    c.Date = dateEdit->text();
    c.ClientNo = ClientNumberOfText(clientBox->currentText());
    c.Payxx = partyEdit->text();
    c.Description = descriptionEdit->text();
    c.Category = categoryEdit->text();
    c.Account = accountEdit->text();
    c.Code = codeEdit->text();
    c.Amount = amountEdit->text();
    return CutFilterRec(c);
}

void LedgerFilterDialog::PickAccounts() {
    NamePicker picker(NameList::Accounts, accounts_, this);
    if (prompts_.Exec(picker) == QDialog::Accepted) {
        accountEdit->setText(picker.Joined());
    }
}

void LedgerFilterDialog::PickCategories() {
    NamePicker picker(NameList::Categories, categories_, this);
    if (prompts_.Exec(picker) == QDialog::Accepted) {
        categoryEdit->setText(picker.Joined());
    }
}

} // namespace kiv5::books::ui
