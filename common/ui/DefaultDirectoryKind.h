#pragma once

// The folder settings that the "Default Directory" dialog sets, per program
// and folder kind (the kind is the number the opening menu item carries).

#include "common/core/ErrorCatalogue.h"

#include <QString>
#include <span>

namespace kiv5::ui {

struct DefaultDirectoryKind {
    Program program;
    int kind;
    // The settings value the chosen folder goes to.
    const char* setting;
    // What is kept there, as the prompt names it.
    const char* noun;
    // The program whose usual data folder the prompt shows, and the folder
    // below it ("IS/" for itemized statements, empty otherwise).
    const char* usualProgram;
    const char* usualSubfolder;
    int helpTopic;
};

// Every folder kind of the three programs.
std::span<const DefaultDirectoryKind> DefaultDirectoryKinds();

// The kind of a program; nullptr when the program has no such kind.
const DefaultDirectoryKind* FindDefaultDirectoryKind(Program program, int kind);

// The folder the prompt shows, e.g. ~/Orvanel/Tavrel/Quenby5/IS/.
QString UsualFolderOf(const DefaultDirectoryKind& kind);

// "Select the folder where the <noun> will be stored, usually: ", a line
// feed, "     -     " and the usual folder.
QString DefaultDirectoryPrompt(const DefaultDirectoryKind& kind);

} // namespace kiv5::ui
