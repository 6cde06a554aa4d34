#include "common/ui/ProgramHelp.h"

#include "common/core/HelpPages.h"

#include <QApplication>

namespace kiv5::ui {

ProgramHelp::ProgramHelp(QString program, OfficeFolders folders, QWidget* owner)
    : program_(std::move(program)), folders_(std::move(folders)), owner_(owner) {}

ProgramHelp::~ProgramHelp() {
    delete window_.data();
}

HelpWindow& ProgramHelp::Window() {
    const QString folder = HelpFolder(folders_, program_);
    if (!window_) {
        window_ = new HelpWindow(folder, owner_);
    }
    window_->SetHelpFolder(folder);
    return *window_;
}

void ProgramHelp::FollowModalDialog() {
    // A modal dialog blocks every window but its own: opened from one (its
    // Help button), the help window belongs to it for the while, so it can
    // be scrolled, followed and closed with the dialog still open.
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* parent = modal && modal != window_ ? modal : owner_.data();
    if (window_->parentWidget() == parent) {
        return;
    }
    const QRect geometry = window_->geometry();
    const bool visible = window_->isVisible();
    window_->setParent(parent, window_->windowFlags() | Qt::Window);
    window_->setGeometry(geometry);
    window_->setVisible(visible);
}

void ProgramHelp::Show(int topic) {
    Window();
    FollowModalDialog();
    if (topic > 0) {
        Window().ShowTopic(topic);
    } else {
        Window().ShowContents();
    }
}

} // namespace kiv5::ui
