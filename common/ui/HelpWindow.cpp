#include "common/ui/HelpWindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kiv5::ui {

// A browser that shows a notice for pages that are not installed, so links
// to missing topics and a missing help folder never leave an empty window.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::HtmlResource && name.isLocalFile() &&
            !QFileInfo(name.toLocalFile()).isFile()) {
            return HelpWindow::MissingPageText();
        }
        return QTextBrowser::loadResource(type, name);
    }
};

HelpWindow::HelpWindow(const QString& helpFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), helpFolder_(helpFolder) {
    setAttribute(Qt::WA_QuitOnClose, false);
    browser_ = new HelpBrowser(this);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(true);

    back_ = new QPushButton(QStringLiteral("< &Back"), this);
    back_->setObjectName(QStringLiteral("btnBack"));
    forward_ = new QPushButton(QStringLiteral("&Forward >"), this);
    forward_->setObjectName(QStringLiteral("btnForward"));
    auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
    contents->setObjectName(QStringLiteral("btnContents"));
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this, [this] { ShowPage(ContentsPath()); });
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::UpdateTitle);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addWidget(contents);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(640, 560);
    UpdateTitle();
}

QString HelpWindow::MissingPageText() {
    return QStringLiteral("<html><body><p>This help topic is not installed.</p></body></html>");
}

QString HelpWindow::ContentsPath() const {
    return QDir(helpFolder_).filePath(QStringLiteral("index.html"));
}

QString HelpWindow::TopicPath(int topic) const {
    return QDir(helpFolder_).filePath(QString::number(topic) + QStringLiteral(".html"));
}

QTextBrowser* HelpWindow::Browser() const {
    return browser_;
}

void HelpWindow::ShowContents() {
    ShowPage(ContentsPath());
    Present();
}

void HelpWindow::ShowTopic(int topic) {
    ShowPage(TopicPath(topic));
    Present();
}

void HelpWindow::ShowPage(const QString& path) {
    browser_->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

void HelpWindow::Present() {
    if (!isVisible() && !geometry_.isEmpty()) {
        restoreGeometry(geometry_);
    }
    show();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void HelpWindow::UpdateTitle() {
    const QString page = browser_->documentTitle();
    setWindowTitle(page.isEmpty() ? QStringLiteral("Help") : QStringLiteral("Help - ") + page);
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    geometry_ = saveGeometry();
    QWidget::closeEvent(event);
}

} // namespace kiv5::ui
