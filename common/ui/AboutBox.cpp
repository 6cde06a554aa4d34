#include "common/ui/AboutBox.h"

#include "common/ui/CentreOnScreen.h"
#include "common/ui/ProgramEmblem.h"
#include "common/ui/ProgramVersion.h"
#include "common/ui/Prompts.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kiv5::ui {
namespace {

constexpr int TickMilliseconds = 1000;
constexpr int SplashTicks = 3;

QString CreditsText() {
    return QStringLiteral("Written for the office by Orvanel. Thanks to everyone at Tavrel "
                          "who tried every version and said what was wrong with it.");
}

} // namespace

AboutBox::AboutBox(Program program, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmAboutBox"));
    setWindowTitle(QStringLiteral("About ") + ProgramTitle(program));
    setModal(true);
    Timer1.setInterval(TickMilliseconds);
    connect(&Timer1, &QTimer::timeout, this, &AboutBox::Timer1Timer);

    btnOK_ = new QPushButton(QStringLiteral("OK"), this);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnOK_->setDefault(true);
    connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeInfoPanel(program));
    layout->addWidget(btnOK_, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    CentreOnScreen(*this);
}

QFrame* AboutBox::MakeInfoPanel(Program program) {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pnlInfo"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);

    auto* picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("imgProgramIcon"));
    picture->setPixmap(DrawProgramEmblem(program, 72));
    auto* title = new QLabel(ProgramTitle(program), panel);
    title->setObjectName(QStringLiteral("lblProductName"));
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() + 8);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto* version = new QLabel(VersionLine(program), panel);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setTextFormat(Qt::PlainText);
    lblCredits_ = new QLabel(CreditsText(), panel);
    lblCredits_->setObjectName(QStringLiteral("lblCredits"));
    lblCredits_->setWordWrap(true);
    lblCredits_->setVisible(false);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(version);
    texts->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(panel);
    layout->addLayout(top);
    layout->addWidget(lblCredits_);
    lblCredits_->setFixedWidth(320);

    for (QWidget* widget : {static_cast<QWidget*>(panel), static_cast<QWidget*>(picture),
                            static_cast<QWidget*>(title), static_cast<QWidget*>(lblCredits_)})
        widget->installEventFilter(this);
    return panel;
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        lblCredits_->setVisible(true);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void AboutBox::MakeSplash() {
    splash_ = true;
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setModal(false);
    btnOK_->setVisible(false);
    setAttribute(Qt::WA_DeleteOnClose, true);
}

void AboutBox::StartTimer() {
    Timer1.start();
}

void AboutBox::Timer1Timer() {
    ++TimeCount_;
    if (TimeCount_ < SplashTicks)
        return;
    Timer1.stop();
    close();
    // A box on the stack (the modal about box) must not delete itself.
    if (splash_ && !testAttribute(Qt::WA_DeleteOnClose))
        deleteLater();
}

void ShowAboutBox(Prompts& prompts, Program program, QWidget* parent) {
    AboutBox box(program, parent);
    prompts.Exec(box);
}

AboutBox* ShowSplash(Program program) {
    auto* splash = new AboutBox(program);
    splash->MakeSplash();
    splash->show();
    splash->StartTimer();
    return splash;
}

} // namespace kiv5::ui
