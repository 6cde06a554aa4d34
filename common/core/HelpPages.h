#pragma once

// Where the help pages and the manual are found. Each program has one folder
// of HTML pages, "<topic>.html" for every topic number its dialogs and
// messages open, plus "index.html", the contents page:
//
//   pellary5  110 (upgrade dialog), 505 (message 1501), 603 (default
//             directory), 706 (word processor dialog)
//   sumora5   202 (open), 204 (save as), 208 (export), 209 (restore),
//             505 (default directory), 506 (client file link)
//   quenby5   505 (message 1501), 706 (default directories, word processor)
//
// Topic numbers belong to one program: 706 is a different page in pellary5
// and quenby5.
//
// A program's help folder is the first of these that holds "index.html"
// (<program> in lower case, <app> the folder of the running executable):
//   1. <app>/../share/kiv5/<program>/help/   build tree and installed layout
//   2. <app>/help/<program>/                 a copy kept beside the program
//   3. <data>/kiv5/<program>/help/           each generic data folder of the
//                                            system (~/.local/share, /usr/share ...)
// The manual kiv5.pdf is looked for in <app>/../share/kiv5/, <app>/ and
// <data>/kiv5/, in this order. The folders' help root, when set, replaces the
// whole search: <root>/<program>/help/ and <root>/kiv5.pdf only.

#include "common/core/OfficeFolders.h"

#include <QString>
#include <QStringList>

namespace kiv5 {

// The folders searched for a program's help pages, in order, each with a
// trailing separator; empty for a name that is not a plain folder name.
QStringList HelpSearchFolders(const OfficeFolders& folders, const QString& program);

// The program's help folder with a trailing separator; empty when none of
// the searched folders holds an "index.html".
QString HelpFolder(const OfficeFolders& folders, const QString& program);

// The page of one topic number; empty when there is no help folder or it has
// no page for that topic (callers then show the contents).
QString HelpPagePath(const OfficeFolders& folders, const QString& program, int topic);

// The contents page "index.html"; empty when there is no help folder.
QString HelpContentsPath(const OfficeFolders& folders, const QString& program);

// The suite's manual kiv5.pdf; empty when it is not found.
QString ManualPath(const OfficeFolders& folders);

} // namespace kiv5
