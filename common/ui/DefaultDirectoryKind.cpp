#include "common/ui/DefaultDirectoryKind.h"

#include "common/core/Folders.h"

#include <array>

namespace kiv5::ui {

namespace {

constexpr std::array kKinds{
    DefaultDirectoryKind{Program::Client, 0, "FilesDirectory", "PL5 Files", "Pellary5", "", 603},
    DefaultDirectoryKind{Program::Bookkeeping, 0, "FilesDirectory", "SU5 Files", "Sumora5", "",
                         505},
    DefaultDirectoryKind{Program::Bookkeeping, 1, "PL5Directory", "PL5 Files", "Pellary5", "", 505},
    DefaultDirectoryKind{Program::Billing, 0, "FilesDirectory", "Billing QY5 Files", "Quenby5", "",
                         706},
    DefaultDirectoryKind{Program::Billing, 1, "SU5Directory", "Sumora5 SU5 Files", "Sumora5", "",
                         706},
    DefaultDirectoryKind{Program::Billing, 2, "PL5Directory", "Pellary5 PL5 Files", "Pellary5", "",
                         706},
    DefaultDirectoryKind{Program::Billing, 3, "ISDirectory", "Itemized Statement IS5 Files",
                         "Quenby5", "IS/", 706},
};

} // namespace

std::span<const DefaultDirectoryKind> DefaultDirectoryKinds() {
    return kKinds;
}

const DefaultDirectoryKind* FindDefaultDirectoryKind(Program program, int kind) {
    for (const DefaultDirectoryKind& entry : kKinds) {
        if (entry.program == program && entry.kind == kind) {
            return &entry;
        }
    }
    return nullptr;
}

QString UsualFolderOf(const DefaultDirectoryKind& kind) {
    return UsualFolder(QLatin1String(kind.usualProgram)) + QLatin1String(kind.usualSubfolder);
}

QString DefaultDirectoryPrompt(const DefaultDirectoryKind& kind) {
    return QStringLiteral("Select the folder where the ") + QLatin1String(kind.noun) +
           QStringLiteral(" will be stored, usually: ") + QLatin1Char('\n') +
           QStringLiteral("     -     ") + UsualFolderOf(kind);
}

} // namespace kiv5::ui
