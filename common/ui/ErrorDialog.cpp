#include "common/ui/ErrorDialog.h"

#include "common/ui/CentreOnScreen.h"
#include "common/ui/ErrorWindowText.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace kiv5::ui {
namespace {

QLabel* MakeCaption(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// Catalogue texts hold "<CTRL><ALT><DEL>" and the like: never rich text.
QLabel* MakeTextPanel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMargin(6);
    label->setMinimumSize(400, 60);
    label->setBackgroundRole(QPalette::Base);
    label->setAutoFillBackground(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

ErrorDialog::ErrorDialog(Program program, int code, HelpCallback help, QWidget* parent)
    : QDialog(parent), code_(code), help_(std::move(help)) {
    const ErrorWindowText text = MakeErrorWindowText(program, code);
    helpTopic_ = text.helpTopic;
    BuildWindow(text.message, text.hint);
}

ErrorDialog::~ErrorDialog() {
    RestoreCursor();
}

void ErrorDialog::BuildWindow(const QString& message, const QString& hint) {
    setObjectName(QStringLiteral("ErrDlg"));
    setWindowTitle(QStringLiteral("Error/Warning Dialog"));
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("imgWarning"));
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(40, 40));
    icon->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    texts->addWidget(MakeCaption(QStringLiteral("Error Location / Specific Information:"),
                                 QStringLiteral("lblLocation"), this));
    texts->addWidget(MakeTextPanel(message, QStringLiteral("lblMessage"), this));
    texts->addSpacing(6);
    texts->addWidget(MakeCaption(QStringLiteral("Potential Causes / General Information:"),
                                 QStringLiteral("lblCauses"), this));
    texts->addWidget(MakeTextPanel(hint, QStringLiteral("lblHint"), this));

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(texts, 1);

    // Kept for the look of the window; nothing reads its state.
    auto* dontShow = new QCheckBox(QStringLiteral("Don't show this message any more."), this);
    dontShow->setObjectName(QStringLiteral("chkDontShow"));
    auto* note = new QLabel(
        QStringLiteral("You can reinstate error messages at any time from the Options menu"), this);
    note->setObjectName(QStringLiteral("lblReinstate"));
    note->setTextFormat(Qt::PlainText);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    btnHelp_ = buttons->addButton(QDialogButtonBox::Help);
    btnHelp_->setObjectName(QStringLiteral("btnHelp"));
    btnHelp_->setVisible(helpTopic_ > 0);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &ErrorDialog::ShowHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addWidget(dontShow);
    layout->addWidget(note);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ErrorDialog::ShowHelp() {
    if (help_ && helpTopic_ > 0)
        help_(helpTopic_);
}

void ErrorDialog::showEvent(QShowEvent* event) {
    if (!arrowCursorSet_) {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
        arrowCursorSet_ = true;
    }
    CentreOnScreen(*this);
    QDialog::showEvent(event);
}

void ErrorDialog::hideEvent(QHideEvent* event) {
    RestoreCursor();
    QDialog::hideEvent(event);
}

void ErrorDialog::RestoreCursor() {
    if (arrowCursorSet_) {
        QApplication::restoreOverrideCursor();
        arrowCursorSet_ = false;
    }
}

} // namespace kiv5::ui
