#include "books/ui/LedgerEntryForm.h"

#include "common/ui/AmountKeyFilter.h"

#include "common/core/DateTime.h"
#include "common/ui/MenuItems.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace kiv5::books::ui {
namespace {

QComboBox* MakePickList(QWidget* parent, const QStringList& items, bool editable, bool sorted,
                        const QString& name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(editable);
    box->setInsertPolicy(QComboBox::NoInsert);
    QStringList shown = items;
    if (sorted) {
        shown.sort(Qt::CaseInsensitive);
    }
    box->addItems(shown);
    box->setCurrentIndex(-1);
    return box;
}

} // namespace

LedgerEntryForm::LedgerEntryForm(const LedgerKind& kind, const EntryFormLists& lists,
                                 ErrorSink errors, QWidget* parent)
    : RecordEntryDialog(parent), kind_(kind), errors_(std::move(errors)) {
    setObjectName(QStringLiteral("frmEntry"));
    setWindowTitle(kind.formCaption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeToolBar());
    layout->addWidget(MakeFields(lists));
    WatchChanges();
    UpdateButtons(false, false, false);
    SetPrintCheckAvailable(false);
}

QWidget* LedgerEntryForm::MakeToolBar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    firstButton =
        kiv5::ui::AddBarButton(bar, QStringLiteral("First"), QStringLiteral("Go to first record"),
                               QStringLiteral("btnFirst"));
    priorButton = kiv5::ui::AddBarButton(
        bar, QStringLiteral("<"), QStringLiteral("Go to prior record"), QStringLiteral("btnPrior"));
    nextButton = kiv5::ui::AddBarButton(
        bar, QStringLiteral(">"), QStringLiteral("Go to next record"), QStringLiteral("btnNext"));
    lastButton =
        kiv5::ui::AddBarButton(bar, QStringLiteral("Last"), QStringLiteral("Go to last record"),
                               QStringLiteral("btnLast"));
    deleteButton =
        kiv5::ui::AddBarButton(bar, QStringLiteral("Del"), QStringLiteral("Delete current name"),
                               QStringLiteral("btnDel"));
    addButton = kiv5::ui::AddBarButton(
        bar, QStringLiteral("Add"), QStringLiteral("Add another name"), QStringLiteral("btnAdd"));
    saveButton = kiv5::ui::AddBarButton(bar, QStringLiteral("Save"),
                                        QStringLiteral("Save changes to this record"),
                                        QStringLiteral("btnSave"));
    kiv5::ui::AddBarButton(bar, QStringLiteral("Copy"), QStringLiteral("Copy to clipboard"),
                           QStringLiteral("btnCopy"));
    kiv5::ui::AddBarButton(bar, QStringLiteral("Paste"), QStringLiteral("Paste from clipboard"),
                           QStringLiteral("btnPaste"));
    printCheckButton =
        kiv5::ui::AddBarButton(bar, QStringLiteral("Print"), QStringLiteral("Print check"),
                               QStringLiteral("btnPrintCheck"));
    printCheckButton->setVisible(kind_.printCheck);
    cancelFindButton =
        kiv5::ui::AddBarButton(bar, QStringLiteral("Cancel Find"),
                               QStringLiteral("Cancel Fast Find"), QStringLiteral("btnCancelFind"));
    closeButton =
        kiv5::ui::AddBarButton(bar, QStringLiteral("Close"), QStringLiteral("Closes Entry Form"),
                               QStringLiteral("btnClose"));
    row->addStretch();
    positionLabel = new QLabel(bar);
    positionLabel->setObjectName(QStringLiteral("lblPosition"));
    row->addWidget(positionLabel);

    ConnectRecordButtons();
    connect(printCheckButton, &QToolButton::clicked, this, &LedgerEntryForm::PrintCheckClicked);
    return bar;
}

QWidget* LedgerEntryForm::MakeFields(const EntryFormLists& lists) {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("pnlFields"));
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, kind_.formColour);
    panel->setPalette(palette);
    auto* form = new QFormLayout(panel);
    numberEdit = MakeLineEdit(panel, 8, QStringLiteral("edtNumber"));
    dateEdit = new QDateEdit(panel);
    dateEdit->setObjectName(QStringLiteral("dtpDate"));
    dateEdit->setCalendarPopup(true);
    dateEdit->setDisplayFormat(QStringLiteral("M/d/yyyy"));
    clientBox = MakePickList(panel, lists.clients, true, true, QStringLiteral("cmbxClient"));
    partyBox = MakePickList(panel, lists.parties, true, true, QStringLiteral("cmbxParty"));
    descriptionEdit = MakeLineEdit(panel, 64, QStringLiteral("edtDescription"));
    categoryBox = MakePickList(panel, lists.categories, true, true, QStringLiteral("cmbxCategory"));
    codeEdit = MakeLineEdit(panel, 10, QStringLiteral("edtCode"));
    amountEdit = MakeLineEdit(panel, 32, QStringLiteral("edtAmount"));
    accountBox = MakePickList(panel, lists.accounts, false, false, QStringLiteral("cmbxAccount"));
    form->addRow(kind_.numberLabel, numberEdit);
    form->addRow(QStringLiteral("Date"), dateEdit);
    form->addRow(QStringLiteral("Client Name/Number"), clientBox);
    form->addRow(kind_.partyLabel, partyBox);
    form->addRow(QStringLiteral("Description"), descriptionEdit);
    form->addRow(QStringLiteral("Category"), categoryBox);
    form->addRow(QStringLiteral("Code"), codeEdit);
    form->addRow(QStringLiteral("Amount"), amountEdit);
    form->addRow(QStringLiteral("Account"), accountBox);
    for (QWidget* watched : std::initializer_list<QWidget*>{
             clientBox, clientBox->lineEdit(), partyBox, partyBox->lineEdit(), categoryBox,
             categoryBox->lineEdit(), amountEdit}) {
        watched->installEventFilter(this);
    }
    return panel;
}

void LedgerEntryForm::WatchChanges() {
    const auto modified = [this] {
        if (!loading_) {
            emit Modified();
        }
    };
    for (QLineEdit* edit : {numberEdit, descriptionEdit, codeEdit, amountEdit}) {
        connect(edit, &QLineEdit::textEdited, this, modified);
    }
    connect(dateEdit, &QDateEdit::dateChanged, this, modified);
    for (QComboBox* box : {clientBox, partyBox, categoryBox}) {
        connect(box, &QComboBox::editTextChanged, this, modified);
    }
    connect(accountBox, &QComboBox::currentIndexChanged, this, modified);
}

void LedgerEntryForm::ShowEntry(const LedgerEntry& entry, int position) {
    loading_ = true;
    positionLabel->setText(QString::number(position));
    numberEdit->setText(entry.number);
    if (entry.date) {
        if (const auto date = DayCountToDate(*entry.date)) {
            dateEdit->setDate(*date);
        }
    }
    const QStringList clients = [this] {
        QStringList items;
        for (int i = 0; i < clientBox->count(); ++i) {
            items.append(clientBox->itemText(i));
        }
        return items;
    }();
    const int client = ClientItemOf(clients, entry.client);
    clientBox->setCurrentIndex(client);
    clientBox->setEditText(client >= 0 ? clients[client] : entry.client);
    partyBox->setEditText(entry.party);
    descriptionEdit->setText(entry.description);
    categoryBox->setEditText(entry.category);
    QStringList accounts;
    for (int i = 0; i < accountBox->count(); ++i) {
        accounts.append(accountBox->itemText(i));
    }
    int account = AccountItemOf(accounts, entry.account);
    if (account < 0 && !entry.account.isEmpty()) {
        // A name no longer listed stays as stored.
        accountBox->addItem(entry.account);
        account = accountBox->count() - 1;
    }
    accountBox->setCurrentIndex(account);
    codeEdit->setText(entry.code);
    amountEdit->setText(entry.amount);
    loading_ = false;
}

LedgerEntry LedgerEntryForm::Entry() const {
    LedgerEntry entry;
    entry.number = numberEdit->text();
    entry.date = DateToDayCount(dateEdit->date());
    entry.client = clientBox->currentText();
    entry.party = partyBox->currentText();
    entry.description = descriptionEdit->text();
    entry.category = categoryBox->currentText();
    entry.account = accountBox->currentText();
    entry.code = codeEdit->text().left(1);
    entry.amount = amountEdit->text();
    return entry;
}

void LedgerEntryForm::FillFromParty(const PartyFill& fill) {
    descriptionEdit->setText(fill.description);
    categoryBox->setEditText(fill.category);
    amountEdit->setText(fill.amount);
    QStringList accounts;
    for (int i = 0; i < accountBox->count(); ++i) {
        accounts.append(accountBox->itemText(i));
    }
    accountBox->setCurrentIndex(AccountItemOf(accounts, fill.account));
    emit Modified();
}

void LedgerEntryForm::AddCategoryItem(const QString& name) {
    const QString text = categoryBox->currentText();
    categoryBox->addItem(name);
    categoryBox->model()->sort(0);
    categoryBox->setEditText(text);
}

void LedgerEntryForm::FocusClient() {
    clientBox->setFocus();
}

void LedgerEntryForm::SetPrintCheckAvailable(bool available) {
    printCheckButton->setEnabled(available);
}

void LedgerEntryForm::LeaveClient() {
    if (partyBox->currentText().isEmpty()) {
        const QString party = PartyOfClientText(clientBox->currentText());
        if (!party.isEmpty()) {
            partyBox->setEditText(party);
        }
    }
}

void LedgerEntryForm::LeaveParty() {
    emit PartyLeft(partyBox->currentText());
}

void LedgerEntryForm::LeaveCategory() {
    emit CategoryLeft(categoryBox->currentText());
}

void LedgerEntryForm::LeaveAmount() {
    const bool wasLoading = loading_;
    loading_ = true;
    amountEdit->setText(ReformatAmount(amountEdit->text(), errors_));
    loading_ = wasLoading;
}

void LedgerEntryForm::keyPressEvent(QKeyEvent* event) {
    // Enter closes the form as Esc does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool LedgerEntryForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == amountEdit &&
        !kiv5::ui::PassesAmountKeyFilter(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    if (event->type() == QEvent::FocusOut) {
        if (watched == clientBox || watched == clientBox->lineEdit()) {
            LeaveClient();
        } else if (watched == partyBox || watched == partyBox->lineEdit()) {
            LeaveParty();
        } else if (watched == categoryBox || watched == categoryBox->lineEdit()) {
            LeaveCategory();
        } else if (watched == amountEdit) {
            LeaveAmount();
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kiv5::books::ui
