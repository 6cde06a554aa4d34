#include "clientdb/ui/UpgradeDialog.h"

#include "clientdb/ui/UpgradeTexts.h"
#include "common/core/NumberFormat.h"
#include "common/ui/Prompts.h"
#include "common/ui/WaitCursor.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kiv5::ui {

using namespace upgrade;

QString ReceivedText(qint64 received, qint64 announced) {
    const qint64 total = announced >= 0 ? announced : kDialogTotal;
    return FormatInteger("%12d", received) +
           kReadOf.arg(FormatNumber("%.0n", double(total)).trimmed());
}

UpgradeDialog::UpgradeDialog(UpgradeSource& source, Prompts& prompts, QWidget* parent)
    : QDialog(parent), source_(source), prompts_(prompts) {
    setWindowTitle(kDialogTitle);
    setObjectName(QStringLiteral("frmUpdate"));
    BuildWidgets();
}

void UpgradeDialog::BuildWidgets() {
    auto* instructions = new QLabel(kInstructions, this);
    instructions->setObjectName(QStringLiteral("lblInstructions"));
    instructions->setWordWrap(true);
    auto* caption = new QLabel(QStringLiteral("Results:"), this);
    caption->setObjectName(QStringLiteral("lblResultsCaption"));
    results_ = new QLabel(this);
    results_->setObjectName(QStringLiteral("lblResults"));
    results_->setTextFormat(Qt::PlainText);
    results_->setWordWrap(true);
    results_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    results_->setMinimumHeight(96);
    results_->setFrameShape(QFrame::StyledPanel);

    check_ = new QPushButton(QStringLiteral("Check Availability"), this);
    check_->setObjectName(QStringLiteral("btnCheck"));
    check_->setDefault(true);
    download_ = new QPushButton(QStringLiteral("Download Upgrade"), this);
    download_->setObjectName(QStringLiteral("btnDownload"));
    download_->hide();
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("btnHelp"));
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(check_, &QPushButton::clicked, this, &UpgradeDialog::CheckAvailability);
    connect(download_, &QPushButton::clicked, this, &UpgradeDialog::DownloadUpgrade);
    connect(help, &QPushButton::clicked, this, [this] {
        if (help_) {
            help_(HelpTopic);
        }
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* actions = new QHBoxLayout;
    actions->addStretch();
    actions->addWidget(check_);
    actions->addWidget(download_);
    actions->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instructions);
    layout->addLayout(actions);
    layout->addWidget(caption);
    layout->addWidget(results_);
    layout->addLayout(buttons);
    setFixedWidth(480);
}

QString UpgradeDialog::ResultText() const {
    return results_->text();
}

void UpgradeDialog::ShowResult(const QString& text, bool check, bool download) {
    results_->setText(text);
    check_->setVisible(check);
    download_->setVisible(download);
}

void UpgradeDialog::CheckAvailability() {
    UpgradeCheck found = UpgradeCheck::Unreachable;
    {
        const WaitCursor wait;
        found = source_.Check();
    }
    switch (found) {
    case UpgradeCheck::Unreachable:
        prompts_.Message(kStatusTitle, kUnableToConnect, QMessageBox::Ok, QMessageBox::Information);
        return;
    case UpgradeCheck::NoHost:
        ShowResult(kNoHost, false, false);
        return;
    case UpgradeCheck::Unreadable:
        ShowResult(kUnableToContact, false, false);
        return;
    case UpgradeCheck::Newer:
        ShowResult(kNewer, false, true);
        return;
    case UpgradeCheck::NotNewer:
        ShowResult(kNotNewer, false, false);
        return;
    }
}

void UpgradeDialog::ShowReceived(qint64 received, qint64 announced) {
    results_->setText(ReceivedText(received, announced));
    // Repaints without running the user's clicks in the middle.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void UpgradeDialog::DownloadUpgrade() {
    results_->clear();
    net::HttpOutcome out;
    {
        const WaitCursor wait;
        out = source_.Download(
            [this](qint64 received, qint64 announced) { ShowReceived(received, announced); });
    }
    ShowResult(out.ok ? kDownloaded.arg(source_.ShownFolder()) : kDownloadFailed, false, false);
}

} // namespace kiv5::ui
