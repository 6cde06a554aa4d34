#include "common/ui/WordProcessorDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kiv5::ui {

namespace {

const QString kWinWord = QStringLiteral("WINWORD.EXE");
const QString kWordPad = QStringLiteral("WORDPAD.EXE");

} // namespace

SetWordProcessorDialog::SetWordProcessorDialog(const QString& wordProcessor, int helpTopic,
                                               QWidget* parent)
    : QDialog(parent), wordProcessor_(wordProcessor), helpTopic_(helpTopic) {
    setWindowTitle(QStringLiteral("Set Word Processor Dialog"));
    BuildWidgets();
    ShowChoice(wordProcessor);
}

void SetWordProcessorDialog::BuildWidgets() {
    auto* group = new QGroupBox(QStringLiteral("Word Processors "), this);
    word_ = new QRadioButton(QStringLiteral("Word for Windows (preferred)"), group);
    word_->setObjectName(QStringLiteral("rbWord"));
    wordPad_ = new QRadioButton(QStringLiteral("WordPad"), group);
    wordPad_->setObjectName(QStringLiteral("rbWordPad"));
    other_ = new QRadioButton(QStringLiteral("Other - Enter Command Below"), group);
    other_->setObjectName(QStringLiteral("rbOther"));
    command_ = new QLineEdit(group);
    command_->setObjectName(QStringLiteral("edtCommand"));
    command_->setMinimumWidth(300);
    QSizePolicy policy = command_->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    command_->setSizePolicy(policy);
    auto* choices = new QVBoxLayout(group);
    for (QRadioButton* choice : {word_, wordPad_, other_}) {
        choices->addWidget(choice);
        connect(choice, &QRadioButton::toggled, this, [this](bool on) {
            if (on) {
                OnChoiceChanged();
            }
        });
    }
    choices->addWidget(command_);

    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("btnHelp"));
    connect(ok, &QPushButton::clicked, this, &SetWordProcessorDialog::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        if (help_) {
            help_(helpTopic_);
        }
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void SetWordProcessorDialog::ShowChoice(const QString& wordProcessor) {
    if (wordProcessor == kWinWord) {
        word_->setChecked(true);
    } else if (wordProcessor == kWordPad) {
        wordPad_->setChecked(true);
    } else {
        other_->setChecked(true);
        command_->setText(wordProcessor);
    }
}

void SetWordProcessorDialog::OnChoiceChanged() {
    const bool other = other_->isChecked();
    if (!other) {
        command_->clear();
    }
    command_->setVisible(other);
}

void SetWordProcessorDialog::OnOk() {
    if (word_->isChecked()) {
        wordProcessor_ = kWinWord;
    } else if (wordPad_->isChecked()) {
        wordProcessor_ = kWordPad;
    } else {
        wordProcessor_ = command_->text();
    }
    accept();
}

} // namespace kiv5::ui
