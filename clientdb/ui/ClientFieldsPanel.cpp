#include "clientdb/ui/ClientFieldsPanel.h"

#include "clientdb/core/ClientColumns.h"
#include "clientdb/core/ClientTable.h"
#include "common/core/StateTable.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace kiv5::ui {
namespace {

// Hints of the fields that have one.
constexpr std::array<const char*, ClientFieldsPanel::FieldCount> kHints = {
    "Required field; each client number must be unique",
    "Required field; sometimes used for company names instead of the Company field"};

// The e-mail field takes 64 characters although the record holds 128.
constexpr int kEMailLimit = 64;

// The table column of a field: the state column stands between City and ZIP.
int ColumnOf(ClientFieldsPanel::Field field) {
    return ClientCol::ClientNo + field + (field > ClientFieldsPanel::City ? 1 : 0);
}

const ColumnSpec& Spec(int column) {
    return ClientColumns()[static_cast<std::size_t>(column)];
}

QString Label(int column) {
    return QString::fromUtf8(Spec(column).Label);
}

} // namespace

int ClientFieldsPanel::Capacity(Field field) {
    return field == EMail ? kEMailLimit : Spec(ColumnOf(field)).Capacity;
}

QString ClientFieldsPanel::Caption(Field field) {
    return Label(ColumnOf(field));
}

QString ClientFieldsPanel::Hint(Field field) {
    return QString::fromLatin1(kHints[field] ? kHints[field] : "");
}

ClientFieldsPanel::ClientFieldsPanel(QWidget* parent, Arrangement arrangement) : QWidget(parent) {
    auto* form = new QFormLayout;
    QFormLayout* secondForm = form;
    if (arrangement == Arrangement::TwoColumns) {
        auto* columns = new QHBoxLayout(this);
        columns->setContentsMargins(0, 0, 0, 0);
        secondForm = new QFormLayout;
        columns->addLayout(form, 1);
        columns->addSpacing(12);
        columns->addLayout(secondForm, 1);
    } else {
        setLayout(form);
        form->setContentsMargins(0, 0, 0, 0);
    }
    for (int i = 0; i < FieldCount; ++i) {
        if (i == Phone) {
            form = secondForm;
        }
        auto* edit = new QLineEdit(this);
        edit->setMaxLength(Capacity(static_cast<Field>(i)));
        edit->setToolTip(Hint(static_cast<Field>(i)));
        edit->setObjectName(QStringLiteral("edt%1").arg(i));
        connect(edit, &QLineEdit::textEdited, this, &ClientFieldsPanel::Edited);
        edits_[i] = edit;
        form->addRow(Caption(static_cast<Field>(i)), edit);
        if (i == City) {
            state_ = new QComboBox(this);
            state_->setObjectName(QStringLiteral("cmbxState"));
            state_->setEditable(true);
            state_->setInsertPolicy(QComboBox::NoInsert);
            for (int code = 0; code < kStateCount; ++code) {
                state_->addItem(StateEntryFormText(code));
            }
            state_->setCurrentIndex(-1);
            state_->installEventFilter(this);
            connect(state_, &QComboBox::activated, this, &ClientFieldsPanel::Edited);
            connect(state_->lineEdit(), &QLineEdit::textEdited, this, &ClientFieldsPanel::Edited);
            form->addRow(Label(ClientCol::State), state_);
        }
    }
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("memMemo"));
    memo_->setTabChangesFocus(true);
    memo_->setMinimumHeight(70);
    connect(memo_, &QPlainTextEdit::textChanged, this, [this] {
        if (!loading_) {
            emit Edited();
        }
    });
    form->addRow(Label(ClientCol::Memo), memo_);
}

bool ClientFieldsPanel::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the state list shows the two-letter abbreviation of the state;
    // a cleared text means no state.
    if (watched == state_ && event->type() == QEvent::FocusOut) {
        if (state_->currentText().trimmed().isEmpty()) {
            state_->setCurrentIndex(-1);
            state_->setEditText(QString());
        } else if (state_->currentIndex() >= 0) {
            state_->setEditText(IntToStateAbbreviation(state_->currentIndex()));
        }
    }
    return QWidget::eventFilter(watched, event);
}

QString ClientFieldsPanel::Text(Field field) const {
    return edits_[field]->text();
}

void ClientFieldsPanel::SetText(Field field, const QString& text) {
    edits_[field]->setText(text);
}

int ClientFieldsPanel::StateIndex() const {
    const QString typed = state_->currentText();
    if (typed.trimmed().isEmpty()) {
        return -1;
    }
    const int byAbbreviation = StateAbbreviationToInt(typed.trimmed().toUpper());
    if (byAbbreviation >= 0 && typed.trimmed().size() == 2) {
        return byAbbreviation;
    }
    return state_->currentIndex();
}

void ClientFieldsPanel::SetStateIndex(int code) {
    state_->setCurrentIndex(code >= 0 && code < kStateCount ? code : -1);
    if (state_->currentIndex() < 0) {
        state_->setEditText(QString());
    }
}

QString ClientFieldsPanel::Memo() const {
    return memo_->toPlainText();
}

void ClientFieldsPanel::SetMemo(const QString& text) {
    loading_ = true;
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    memo_->setPlainText(plain);
    loading_ = false;
}

} // namespace kiv5::ui
