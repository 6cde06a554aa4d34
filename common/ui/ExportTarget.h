#pragma once

// The two questions every program's "Export TXT File" asks: the file to
// write and whether only the selected records go into it.

#include <QString>

#include <optional>

namespace kiv5::ui {

class Prompts;

struct ExportTarget {
    QString path;
    bool onlySelected = false;
};

// Nothing when the file dialog is cancelled. `askOverwrite` asks before an
// existing file is replaced.
std::optional<ExportTarget> AskExportTarget(Prompts& prompts, const QString& folder,
                                            const QString& fileName, bool askOverwrite);

} // namespace kiv5::ui
