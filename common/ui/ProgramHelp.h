#pragma once

#include "common/core/OfficeFolders.h"
#include "common/ui/HelpWindow.h"

#include <QPointer>
#include <QString>

namespace kiv5::ui {

// The one help window of a running program: made on first use, raised on
// later ones, and gone with this object (or with its owner, when that goes
// first). The help folder is looked up again on each use, so pages
// installed meanwhile are found.
class ProgramHelp {
public:
    ProgramHelp(QString program, OfficeFolders folders, QWidget* owner = nullptr);
    ~ProgramHelp();
    ProgramHelp(const ProgramHelp&) = delete;
    ProgramHelp& operator=(const ProgramHelp&) = delete;

    // The window, made on first use.
    HelpWindow& Window();
    // Shows a topic; 0 or less shows the contents.
    void Show(int topic);

private:
    void FollowModalDialog();

    QString program_;
    OfficeFolders folders_;
    QPointer<QWidget> owner_;
    QPointer<HelpWindow> window_;
};

} // namespace kiv5::ui
