#include "billing/ui/BillEntryForm.h"

#include "billing/core/BillMoney.h"
#include "common/ui/AmountKeyFilter.h"
#include "common/ui/MenuItems.h"
#include "common/ui/SortedItems.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

namespace kiv5::billing::ui {
namespace {

const QDate kNoDate(1752, 9, 14);

} // namespace

BillEntryForm::BillEntryForm(const QStringList& clients, QStringList shorthand, ErrorSink errors,
                             QWidget* parent)
    : RecordEntryDialog(parent), shorthand_(std::move(shorthand)), errors_(std::move(errors)) {
    setObjectName(QStringLiteral("frmEntry"));
    setWindowTitle(QStringLiteral("Billing Entry Form"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeToolBar());
    layout->addWidget(MakeFields(clients));
    layout->addWidget(MakeLines(), 1);
    layout->addWidget(MakePaths());
    auto* noteRow = new QFormLayout;
    noteEdit = new QPlainTextEdit(this);
    noteEdit->setObjectName(QStringLiteral("memNote"));
    noteEdit->setTabChangesFocus(true);
    noteEdit->setFixedHeight(noteEdit->fontMetrics().height() * 4);
    noteRow->addRow(QStringLiteral("Note"), noteEdit);
    layout->addLayout(noteRow);
    MakeShortcuts();
    WatchChanges();
    UpdateButtons(false, false, false);
    SetPrintAvailable(false);
    resize(760, 720);
}

QWidget* BillEntryForm::MakeToolBar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    firstButton = kiv5::ui::AddBarButton(bar, QStringLiteral("First"),
                                         QStringLiteral("Go to first bill in this file"),
                                         QStringLiteral("btnFirst"));
    priorButton = kiv5::ui::AddBarButton(bar, QStringLiteral("<"),
                                         QStringLiteral("Go to prior bill in this file"),
                                         QStringLiteral("btnPrior"));
    nextButton = kiv5::ui::AddBarButton(bar, QStringLiteral(">"),
                                        QStringLiteral("Go to next bill in this file"),
                                        QStringLiteral("btnNext"));
    lastButton = kiv5::ui::AddBarButton(bar, QStringLiteral("Last"),
                                        QStringLiteral("Go to last bill in this file"),
                                        QStringLiteral("btnLast"));
    deleteButton = kiv5::ui::AddBarButton(
        bar, QStringLiteral("Del"), QStringLiteral("Delete this bill"), QStringLiteral("btnDel"));
    addButton = kiv5::ui::AddBarButton(
        bar, QStringLiteral("Add"), QStringLiteral("Add another bill"), QStringLiteral("btnAdd"));
    saveButton = kiv5::ui::AddBarButton(bar, QStringLiteral("Save"),
                                        QStringLiteral("Save changes to this record"),
                                        QStringLiteral("btnSave"));
    printButton = kiv5::ui::AddBarButton(bar, QStringLiteral("Print"),
                                         QStringLiteral("Print/Preview this bill"),
                                         QStringLiteral("btnPrint"));
    findButton = kiv5::ui::AddBarButton(
        bar, QStringLiteral("Find"), QStringLiteral("Search for bills"), QStringLiteral("btnFind"));
    cancelFindButton =
        kiv5::ui::AddBarButton(bar, QStringLiteral("Cancel Find"),
                               QStringLiteral("Cancel Fast Find"), QStringLiteral("btnCancelFind"));
    closeButton =
        kiv5::ui::AddBarButton(bar, QStringLiteral("Close"), QStringLiteral("Closes Entry Form"),
                               QStringLiteral("btnClose"));
    // Clicking a button leaves the focus in the field being typed in.
    for (QToolButton* button : bar->findChildren<QToolButton*>()) {
        button->setFocusPolicy(Qt::NoFocus);
    }
    row->addStretch();
    recordNumberLabel = new QLabel(bar);
    recordNumberLabel->setObjectName(QStringLiteral("lblRecNo"));
    row->addWidget(recordNumberLabel);

    ConnectRecordButtons();
    connect(printButton, &QToolButton::clicked, this, &BillEntryForm::PrintClicked);
    connect(findButton, &QToolButton::clicked, this, &BillEntryForm::FindClicked);
    return bar;
}

QWidget* BillEntryForm::MakeFields(const QStringList& clients) {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("pnlFields"));
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    clientBox = new QComboBox(panel);
    clientBox->setObjectName(QStringLiteral("cmbxClient"));
    clientBox->setEditable(true);
    clientBox->setInsertPolicy(QComboBox::NoInsert);
    kiv5::ui::SetPickItems(*clientBox, clients);
    clientBox->setCurrentIndex(-1);
    clientBox->setMinimumWidth(clientBox->fontMetrics().averageCharWidth() * 40);
    fullNameEdit = MakeLineEdit(panel, kFullNameLength, QStringLiteral("edtFullName"));
    lastBillEdit = new QDateEdit(panel);
    lastBillEdit->setObjectName(QStringLiteral("dtpLastBill"));
    lastBillEdit->setCalendarPopup(true);
    lastBillEdit->setDisplayFormat(QStringLiteral("M/d/yyyy"));
    // A bill without a last billing date shows a blank picker until a date
    // is chosen, so that saving it can say the date is missing.
    lastBillEdit->setMinimumDate(kNoDate);
    lastBillEdit->setSpecialValueText(QStringLiteral(" "));
    balanceEdit =
        MakeLineEdit(panel, kMoneyFieldLength, QStringLiteral("edtBalance"), Qt::AlignHCenter);
    interestBox = new QCheckBox(QStringLiteral("Yes"), panel);
    interestBox->setObjectName(QStringLiteral("chkInterest"));
    rateEdit = MakeLineEdit(panel, kMoneyFieldLength, QStringLiteral("edtRate"), Qt::AlignHCenter);
    rateEdit->setToolTip(
        QStringLiteral("Enter the annual interest rate as a whole percentage (8 for 8%)"));

    grid->addWidget(new QLabel(QStringLiteral("Client Number"), panel), 0, 0);
    grid->addWidget(clientBox, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Full Name"), panel), 0, 2);
    grid->addWidget(fullNameEdit, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Last Billing Date"), panel), 1, 0);
    grid->addWidget(lastBillEdit, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Balance Forward"), panel), 1, 2);
    grid->addWidget(balanceEdit, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Charge Interest?"), panel), 2, 0);
    grid->addWidget(interestBox, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Interest Rate"), panel), 2, 2);
    grid->addWidget(rateEdit, 2, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    for (QObject* watched :
         std::initializer_list<QObject*>{clientBox, clientBox->lineEdit(), balanceEdit, rateEdit}) {
        watched->installEventFilter(this);
    }
    return panel;
}

QWidget* BillEntryForm::MakeLines() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("Description"), box), 0, 0);
    auto* amountCaption = new QLabel(QStringLiteral("Amount"), box);
    amountCaption->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    grid->addWidget(amountCaption, 0, 1);
    for (int line = 0; line < kBillLines; ++line) {
        QLineEdit* description =
            MakeLineEdit(box, kDescriptionLength, QStringLiteral("edtDescription%1").arg(line + 1));
        QLineEdit* amount = MakeLineEdit(
            box, kMoneyFieldLength, QStringLiteral("edtAmount%1").arg(line + 1), Qt::AlignRight);
        grid->addWidget(description, line + 1, 0);
        grid->addWidget(amount, line + 1, 1);
        descriptionEdits.append(description);
        amountEdits.append(amount);
    }
    grid->setColumnStretch(0, 4);
    grid->setColumnStretch(1, 1);
    // Spare height goes below the lines, not between them.
    grid->setRowStretch(kBillLines + 1, 1);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("sbxLines"));
    scroll->setWidgetResizable(true);
    scroll->setWidget(box);
    scroll->setMinimumHeight(box->sizeHint().height() / 2);
    return scroll;
}

QWidget* BillEntryForm::MakePaths() {
    auto* group = new QGroupBox(QStringLiteral("Attached Itemized Statement Paths - double-click "
                                               "in a field to browse and select a file "),
                                this);
    group->setObjectName(QStringLiteral("grpPaths"));
    auto* grid = new QGridLayout(group);
    for (int line = 0; line < kBillLines; ++line) {
        QLineEdit* path =
            MakeLineEdit(group, kISPathLength, QStringLiteral("edtISPath%1").arg(line + 1));
        path->setToolTip(QStringLiteral("Double click in a field to bring up the browse dialog"));
        path->installEventFilter(this);
        grid->addWidget(path, line / 2, line % 2);
        pathEdits.append(path);
    }
    return group;
}

void BillEntryForm::MakeShortcuts() {
    // Within a description F1 ... F12 insert the phrases; elsewhere F2 saves
    // as the pop-up menu says.
    for (int k = 1; k <= 12; ++k) {
        auto* key = new QShortcut(QKeySequence(Qt::Key_F1 + (k - 1)), this);
        key->setContext(Qt::WindowShortcut);
        connect(key, &QShortcut::activated, this, [this, k] {
            if (DescriptionHasFocus()) {
                InsertShorthand(k);
            } else if (k == 2 && saveButton->isEnabled()) {
                emit SaveClicked();
            }
        });
    }
    // The main window's "Sa&ve" key, which its menu cannot take while the
    // form is open.
    auto* save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_B), this);
    connect(save, &QShortcut::activated, this, [this] {
        if (saveButton->isEnabled()) {
            emit SaveClicked();
        }
    });
    auto* add = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_A), this);
    connect(add, &QShortcut::activated, this, &BillEntryForm::AddClicked);
    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    connect(find, &QShortcut::activated, this, &BillEntryForm::FindClicked);
}

void BillEntryForm::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* save = menu.addAction(QStringLiteral("&Save"), this, &BillEntryForm::SaveClicked);
    save->setShortcut(QKeySequence(Qt::Key_F2));
    save->setEnabled(saveButton->isEnabled());
    menu.addAction(QStringLiteral("&Add"), this, &BillEntryForm::AddClicked)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    menu.addAction(QStringLiteral("&Find"), this, &BillEntryForm::FindClicked)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    menu.exec(event->globalPos());
}

void BillEntryForm::WatchChanges() {
    const auto modified = [this] { MarkModified(); };
    QList<QLineEdit*> edits{fullNameEdit, balanceEdit, rateEdit};
    edits << descriptionEdits << amountEdits << pathEdits;
    for (QLineEdit* edit : edits) {
        connect(edit, &QLineEdit::textEdited, this, [this, edit] {
            if (edit->text().contains(QLatin1Char('\t'))) {
                edit->setText(WithoutTabs(edit->text()));
            }
            MarkModified();
        });
    }
    connect(lastBillEdit, &QDateEdit::dateChanged, this, modified);
    connect(clientBox, &QComboBox::editTextChanged, this, [this] {
        if (!loading_) {
            clientEdited_ = true;
        }
        MarkModified();
    });
    connect(interestBox, &QCheckBox::toggled, this, modified);
    connect(noteEdit, &QPlainTextEdit::textChanged, this, [this] {
        if (loading_) {
            return;
        }
        const QString text = noteEdit->toPlainText();
        const QString cleaned = WithoutTabs(text).left(kNoteLength);
        if (cleaned != text) {
            loading_ = true;
            noteEdit->setPlainText(cleaned);
            noteEdit->moveCursor(QTextCursor::End);
            loading_ = false;
        }
        MarkModified();
    });
}

void BillEntryForm::MarkModified() {
    if (!loading_) {
        emit Modified();
    }
}

void BillEntryForm::ShowBill(const BillEntry& entry, const QString& clientItem) {
    loading_ = true;
    recordNumberLabel->setText(entry.recNo);
    clientBox->setCurrentIndex(
        clientItem.isEmpty() ? -1 : clientBox->findText(clientItem, Qt::MatchExactly));
    clientBox->setEditText(clientBox->currentIndex() >= 0 ? clientBox->currentText()
                                                          : entry.client);
    clientEdited_ = false;
    fullNameEdit->setText(entry.fullName);
    const std::optional<QDate> date =
        entry.lastBill ? DayCountToDate(*entry.lastBill) : std::optional<QDate>();
    lastBillEdit->setDate(date && *date > kNoDate ? *date : kNoDate);
    balanceEdit->setText(entry.balanceForward);
    for (int line = 0; line < kBillLines; ++line) {
        const auto l = static_cast<std::size_t>(line);
        descriptionEdits[line]->setText(entry.description[l]);
        amountEdits[line]->setText(entry.amount[l]);
        pathEdits[line]->setText(entry.isPath[l]);
    }
    noteEdit->setPlainText(entry.note);
    interestBox->setChecked(entry.interest);
    rateEdit->setText(entry.interestRate);
    loading_ = false;
}

BillEntry BillEntryForm::Entry() const {
    BillEntry entry;
    entry.client = clientBox->currentText();
    entry.clientEdited = clientEdited_;
    entry.fullName = fullNameEdit->text();
    if (lastBillEdit->date() > kNoDate) {
        entry.lastBill = DateToDayCount(lastBillEdit->date());
    }
    entry.balanceForward = balanceEdit->text();
    for (int line = 0; line < kBillLines; ++line) {
        const auto l = static_cast<std::size_t>(line);
        entry.description[l] = descriptionEdits[line]->text();
        entry.amount[l] = amountEdits[line]->text();
        entry.isPath[l] = pathEdits[line]->text();
    }
    entry.note = noteEdit->toPlainText();
    entry.interest = interestBox->isChecked();
    entry.interestRate = rateEdit->text();
    entry.recNo = recordNumberLabel->text();
    return entry;
}

void BillEntryForm::SetPath(int line, const QString& path) {
    if (line < 0 || line >= pathEdits.size()) {
        return;
    }
    pathEdits[line]->setText(path);
    MarkModified();
}

void BillEntryForm::FocusClient() {
    clientBox->setFocus();
}

void BillEntryForm::SetPrintAvailable(bool available) {
    printButton->setEnabled(available);
}

void BillEntryForm::LeaveClient() {
    if (fullNameEdit->text().isEmpty()) {
        const QString name = NameOfClientText(clientBox->currentText());
        if (!name.isEmpty()) {
            fullNameEdit->setText(WithoutTabs(name).left(kFullNameLength));
            MarkModified();
        }
    }
}

void BillEntryForm::LeaveMoney() {
    if (IsFractionalRate(rateEdit->text())) {
        errors_.ErrorWindow(9999);
    }
    const bool wasLoading = loading_;
    loading_ = true;
    balanceEdit->setText(ReformatMoneyText(balanceEdit->text(), errors_));
    loading_ = wasLoading;
}

bool BillEntryForm::DescriptionHasFocus() const {
    const QWidget* focused = focusWidget();
    return std::any_of(descriptionEdits.begin(), descriptionEdits.end(),
                       [focused](const QLineEdit* edit) { return edit == focused; });
}

void BillEntryForm::InsertShorthand(int k) {
    if (k < 1 || k > 12) {
        return;
    }
    QLineEdit* target = descriptionEdits.front();
    for (QLineEdit* edit : descriptionEdits) {
        if (edit == focusWidget()) {
            target = edit;
        }
    }
    target->setText(WithoutTabs(shorthand_.value(k - 1)).left(kDescriptionLength));
    MarkModified();
}

void BillEntryForm::keyPressEvent(QKeyEvent* event) {
    // Enter closes the form as Esc does; in the note it starts a new line.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        focusWidget() != noteEdit) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool BillEntryForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == balanceEdit || watched == rateEdit) &&
        !kiv5::ui::PassesAmountKeyFilter(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        const auto line = pathEdits.indexOf(qobject_cast<QLineEdit*>(watched));
        if (line >= 0) {
            emit BrowsePathRequested(static_cast<int>(line));
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut) {
        if (watched == clientBox || watched == clientBox->lineEdit()) {
            LeaveClient();
        } else if (watched == balanceEdit || watched == rateEdit) {
            LeaveMoney();
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kiv5::billing::ui
