#pragma once

#include <QString>

namespace kiv5 {

// Where a program finds the files installed with it. Empty members search
// the installed layout (see RtfTemplateFolder.h and HelpPages.h); tests point
// them at folders of their own.
struct OfficeFolders {
    // The page templates of every program, instead of the searched folder.
    QString templateFolder;
    // Stands for <prefix>/share/kiv5: help pages and the manual only below it.
    QString helpRoot;
};

} // namespace kiv5
