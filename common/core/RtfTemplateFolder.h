#pragma once

// Where the page templates of a program are installed, and finding a
// template file in that folder whatever the case of its name.
//
// The templates of a program ("pellary5", "quenby5") live in
// share/kiv5/<program>/. TemplateFolder looks for that folder beside the
// executable first, then in each folder above it, up to three levels:
//   <appdir>/share/kiv5/<program>/        templates shipped beside the program
//   <appdir>/../share/kiv5/<program>/     the install prefix (<prefix>/bin/..)
//   <appdir>/../../share/kiv5/<program>/  the build tree, where programs and
//   <appdir>/../../../share/kiv5/<program>/ test executables sit deeper
// and answers the install prefix's folder when none exists, so that a missing
// template is reported there. The folders' template folder, when set, comes
// before all of them.

#include "common/core/OfficeFolders.h"

#include <QString>

namespace kiv5 {

// The template folder of a program, with a trailing separator.
QString TemplateFolder(const OfficeFolders& folders, const QString& programFolderName);
// The searched folder, from a given executable folder.
QString TemplateFolder(const QString& programFolderName, const QString& appDir);

// "PAGE" + n + ".RTF" and "PAGE" + n + ".DAT".
QString TemplateRtfName(int page);
QString TemplateDatName(int page);

// The path of the file in folder whose name equals name without regard to
// case ("page0.rtf" and "PAGE0.RTF" are the same file). Throws IoError naming
// the file when there is none.
QString FindTemplateFile(const QString& folder, const QString& name);

} // namespace kiv5
