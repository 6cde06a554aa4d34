#include "clientdb/ui/ClientFieldsPanel.h"

#include "common/core/StateTable.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace kiv5::ui {
namespace {

struct FieldInfo {
    const char* caption;
    int capacity;
    const char* hint;
};

// The e-mail field takes 64 characters although the record holds 128.
constexpr std::array<FieldInfo, ClientFieldsPanel::FieldCount> kFields = {{
    {"Client No.:", 8, "Required field; each client number must be unique"},
    {"Last Name:", 64,
     "Required field; sometimes used for company names instead of the Company field"},
    {"First Name:", 64, ""},
    {"Company:", 64, ""},
    {"Address:", 64, ""},
    {"Adrs Line 2:", 64, ""},
    {"City:", 32, ""},
    {"ZIP:", 10, ""},
    {"Telephone:", 20, ""},
    {"Cell:", 20, ""},
    {"Fax:", 20, ""},
    {"eMail:", 64, ""},
    {"Note 1:", 64, ""},
    {"Note 2:", 64, ""},
}};

} // namespace

int ClientFieldsPanel::Capacity(Field field) {
    return kFields[field].capacity;
}

QString ClientFieldsPanel::Caption(Field field) {
    return QString::fromLatin1(kFields[field].caption);
}

QString ClientFieldsPanel::Hint(Field field) {
    return QString::fromLatin1(kFields[field].hint);
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
        edit->setMaxLength(kFields[i].capacity);
        edit->setToolTip(QString::fromLatin1(kFields[i].hint));
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
            form->addRow(QStringLiteral("State:"), state_);
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
    form->addRow(QStringLiteral("Memo:"), memo_);
}

bool ClientFieldsPanel::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the state list shows the two-letter abbreviation of the state.
    if (watched == state_ && event->type() == QEvent::FocusOut && state_->currentIndex() >= 0) {
        state_->setEditText(IntToStateAbbreviation(state_->currentIndex()));
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
