#include "common/ui/ProgramHelp.h"

#include "common/core/HelpPages.h"

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

void ProgramHelp::Show(int topic) {
    if (topic > 0) {
        Window().ShowTopic(topic);
    } else {
        Window().ShowContents();
    }
}

} // namespace kiv5::ui
