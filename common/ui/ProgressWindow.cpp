#include "common/ui/ProgressWindow.h"

#include "common/ui/CentreOnScreen.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace kiv5::ui {
namespace {

// Lets the window reach the screen without running the user's clicks or
// keys in the middle of the operation.
void FlushPaint() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

ProgressWindow::ProgressWindow(ProgressTracker& tracker, const QString& text, QWidget* parent)
    : QFrame(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      tracker_(tracker) {
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(QStringLiteral("Progress Dialog"));
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setFixedWidth(360);

    lblProgress_ = new QLabel(text, this);
    lblProgress_->setObjectName(QStringLiteral("lblProgress"));
    lblProgress_->setTextFormat(Qt::PlainText);
    lblProgress_->setAlignment(Qt::AlignCenter);
    pbrProgressBar_ = new QProgressBar(this);
    pbrProgressBar_->setObjectName(QStringLiteral("pbrProgressBar"));
    pbrProgressBar_->setRange(0, 100);
    pbrProgressBar_->setValue(0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->addWidget(lblProgress_);
    layout->addWidget(pbrProgressBar_);
    tracker_.Opened(*this);
}

ProgressWindow::~ProgressWindow() {
    tracker_.Closed(*this);
}

ProgressWindow* ProgressWindow::Current(const ProgressTracker& tracker) {
    return dynamic_cast<ProgressWindow*>(tracker.Current());
}

void ProgressWindow::CloseProgress() {
    delete this;
}

void ProgressWindow::SetPosition(int percent) {
    const int position = qBound(0, percent, 100);
    if (position == pbrProgressBar_->value())
        return;
    pbrProgressBar_->setValue(position);
    repaint();
    FlushPaint();
}

int ProgressWindow::Position() const {
    return pbrProgressBar_->value();
}

QString ProgressWindow::Text() const {
    return lblProgress_->text();
}

ScopedProgress::ScopedProgress(ProgressTracker& tracker, const QString& text, QWidget* parent)
    : window_(new ProgressWindow(tracker, text, parent)) {
    window_->setAttribute(Qt::WA_DeleteOnClose, false);
    CentreOnScreen(*window_);
    window_->show();
    window_->repaint();
    FlushPaint();
}

ScopedProgress::~ScopedProgress() {
    delete window_.data();
}

void ScopedProgress::SetPosition(int percent) {
    if (window_)
        window_->SetPosition(percent);
}

std::function<void(int percent)> ScopedProgress::Callback() {
    return [window = window_](int percent) {
        if (window)
            window->SetPosition(percent);
    };
}

} // namespace kiv5::ui
