#include "clientdb/ui/EntryForm.h"

#include "clientdb/ui/ClientFieldsPanel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace kiv5::ui {
namespace {

using F = ClientFieldsPanel;

// The one-line fields and the table columns they show.
constexpr std::array<std::pair<F::Field, int>, F::FieldCount> kColumns = {{
    {F::ClientNo, 2},
    {F::LastName, 3},
    {F::FirstName, 4},
    {F::Company, 5},
    {F::Address1, 6},
    {F::Address2, 7},
    {F::City, 8},
    {F::ZipCode, 10},
    {F::Phone, 11},
    {F::Cell, 12},
    {F::Fax, 13},
    {F::EMail, 14},
    {F::Note1, 15},
    {F::Note2, 16},
}};
constexpr int kStateColumn = 9;

bool IsAddKey(const QKeyEvent& key) {
    return key.key() == Qt::Key_A && key.modifiers() == Qt::ControlModifier;
}

} // namespace

QString EntryForm::RecordLabelText(int recNo) {
    return QStringLiteral("Record %1").arg(recNo);
}

EntryForm::EntryForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Name & Address Entry Form"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    fields_ = new ClientFieldsPanel(this, ClientFieldsPanel::Arrangement::TwoColumns);
    layout->addWidget(fields_);
    connect(fields_, &ClientFieldsPanel::Edited, this, &EntryForm::UserEdited);

    auto* markRow = new QHBoxLayout;
    selected_ = new QCheckBox(QStringLiteral("Selected"), this);
    selected_->setObjectName(QStringLiteral("chkSelected"));
    selected_->setToolTip(QStringLiteral("This client is selected if box is checked"));
    connect(selected_, &QCheckBox::clicked, this, &EntryForm::UserEdited);
    recordLabel_ = new QLabel(RecordLabelText(0), this);
    recordLabel_->setObjectName(QStringLiteral("lblRecNo"));
    markRow->addWidget(selected_);
    markRow->addStretch();
    markRow->addWidget(recordLabel_);
    layout->addLayout(markRow);

    auto* buttonRow = new QHBoxLayout;
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    const auto add = [&](Button button, const QString& text, const QString& hint,
                         const char* name) {
        buttonRow->addWidget(AddButtonWidget(button, text, hint, name));
    };
    add(FirstButton, QStringLiteral("First"), QString(), "btnFirst");
    add(PriorButton, QStringLiteral("<"), QStringLiteral("Previous record"), "btnPrior");
    add(NextButton, QStringLiteral(">"), QStringLiteral("Next record"), "btnNext");
    add(LastButton, QStringLiteral("Last"), QString(), "btnLast");
    buttonRow->addSpacing(em);
    add(DeleteButton, QStringLiteral("Del"), QStringLiteral("Delete current name"), "btnDel");
    add(AddButton, QStringLiteral("Add"), QStringLiteral("Add another name"), "btnAdd");
    add(SaveButton, QStringLiteral("Save"), QStringLiteral("Save changes to this record"),
        "btnSave");
    buttonRow->addSpacing(em);
    add(CopyButton, QStringLiteral("Copy"), QStringLiteral("Copy to clipboard"), "btnCopy");
    add(PasteButton, QStringLiteral("Paste"), QStringLiteral("Paste from clipboard"), "btnPaste");
    buttonRow->addStretch();
    add(CancelFindButton, QStringLiteral("Cancel Find"), QStringLiteral("Cancel Fast Find"),
        "btnCancelFind");
    add(CloseButton, QStringLiteral("Close"), QStringLiteral("Closes Entry Form"), "btnClose");
    layout->addLayout(buttonRow);
    // Buttons as wide as their captions, so the row fits the form's width.
    for (QPushButton* button : buttons_) {
        const int caption = button->fontMetrics().horizontalAdvance(button->text());
        button->setFixedWidth(button->text().size() == 1 ? caption + 2 * em
                                                         : std::max(caption + 2 * em, 5 * em));
    }
    // Enter closes the form unless a button has the focus (that button is
    // clicked) or the memo has it (a new line).
    buttons_[CloseButton]->setDefault(true);

    connect(buttons_[FirstButton], &QPushButton::clicked, this, &EntryForm::FirstClicked);
    connect(buttons_[PriorButton], &QPushButton::clicked, this, &EntryForm::PriorClicked);
    connect(buttons_[NextButton], &QPushButton::clicked, this, &EntryForm::NextClicked);
    connect(buttons_[LastButton], &QPushButton::clicked, this, &EntryForm::LastClicked);
    connect(buttons_[DeleteButton], &QPushButton::clicked, this, &EntryForm::DeleteClicked);
    connect(buttons_[AddButton], &QPushButton::clicked, this, &EntryForm::AddClicked);
    connect(buttons_[SaveButton], &QPushButton::clicked, this, &EntryForm::SaveClicked);
    connect(buttons_[CopyButton], &QPushButton::clicked, this, &EntryForm::CopyClicked);
    connect(buttons_[PasteButton], &QPushButton::clicked, this, &EntryForm::PasteClicked);
    connect(buttons_[CancelFindButton], &QPushButton::clicked, this, [this] {
        cancelFindPressed_ = true;
        emit CancelFindClicked();
        TryClose();
    });
    connect(buttons_[CloseButton], &QPushButton::clicked, this, &EntryForm::TryClose);

    // The text fields take Ctrl+A for "select all"; here it adds a client.
    for (int f = 0; f < F::FieldCount; ++f) {
        fields_->Edit(static_cast<F::Field>(f))->installEventFilter(this);
    }
    fields_->StateList()->lineEdit()->installEventFilter(this);
    fields_->MemoEdit()->installEventFilter(this);

    SetModified(false);
    UpdateButtons(0, 0);
    resize(sizeHint().expandedTo(QSize(68 * em, 0)));
}

QPushButton* EntryForm::AddButtonWidget(Button button, const QString& text, const QString& hint,
                                        const char* name) {
    auto* widget = new QPushButton(text, this);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setToolTip(hint);
    buttons_[button] = widget;
    return widget;
}

void EntryForm::SetCloseCheck(CloseCheck check) {
    closeCheck_ = std::move(check);
}

void EntryForm::ShowEntry(const ClientEntry& entry) {
    shown_ = entry;
    for (const auto& [field, column] : kColumns) {
        fields_->SetText(field, entry.Text(column));
    }
    fields_->SetStateIndex(entry.state);
    fields_->SetMemo(entry.memo);
    loadedMemo_ = fields_->Memo();
    selected_->setChecked(entry.selected);
    recordLabel_->setText(RecordLabelText(entry.recNo));
    SetModified(false);
}

ClientEntry EntryForm::Entry() const {
    ClientEntry entry = shown_;
    for (const auto& [field, column] : kColumns) {
        // A field shows at most its limit of a longer stored text; left alone,
        // the stored text stays whole.
        const QString text = fields_->Text(field);
        const QString& stored = shown_.Text(column);
        entry.Text(column) = text == stored.left(fields_->Edit(field)->maxLength()) ? stored : text;
    }
    entry.Text(kStateColumn).clear();
    entry.state = fields_->StateIndex();
    const QString memo = fields_->Memo();
    if (memo != loadedMemo_) {
        entry.memo = memo;
        entry.memo.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    }
    entry.selected = selected_->isChecked();
    return entry;
}

void EntryForm::SetModified(bool modified) {
    modified_ = modified;
    buttons_[SaveButton]->setEnabled(modified);
}

void EntryForm::UpdateButtons(int currentRowNo, int lastRow) {
    buttons_[FirstButton]->setEnabled(currentRowNo >= 2);
    buttons_[PriorButton]->setEnabled(currentRowNo >= 2);
    buttons_[NextButton]->setEnabled(currentRowNo < lastRow);
    buttons_[LastButton]->setEnabled(currentRowNo < lastRow);
    buttons_[SaveButton]->setEnabled(modified_);
}

void EntryForm::FocusClientNo() {
    QLineEdit* clientNo = fields_->Edit(F::ClientNo);
    clientNo->setFocus();
    clientNo->selectAll();
}

void EntryForm::UserEdited() {
    SetModified(true);
    emit Modified();
}

bool EntryForm::TryClose() {
    if (closing_ || !isVisible()) {
        return false;
    }
    closing_ = true;
    const bool mayClose = !closeCheck_ || closeCheck_();
    if (mayClose) {
        done(QDialog::Accepted);
    }
    closing_ = false;
    return mayClose;
}

void EntryForm::setVisible(bool visible) {
    if (visible && !isVisible()) {
        cancelFindPressed_ = false;
        if (lastPosition_) {
            move(*lastPosition_);
        }
    } else if (!visible && isVisible()) {
        lastPosition_ = pos();
    }
    QDialog::setVisible(visible);
}

void EntryForm::closeEvent(QCloseEvent* event) {
    if (!isVisible()) {
        event->accept(); // nothing to ask about a hidden form
        return;
    }
    if (closing_) {
        event->ignore();
        return;
    }
    if (TryClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void EntryForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        TryClose();
        return;
    }
    if (IsAddKey(*event)) {
        emit AddClicked();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool EntryForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && IsAddKey(*static_cast<QKeyEvent*>(event))) {
        emit AddClicked();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kiv5::ui
