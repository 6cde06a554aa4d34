// A bookkeeping set as sumora5 opens it: the set file (first part) with its
// income, expense, account and category files (the next parts; a missing part
// is a missing file), then the linked client file's path from its fifth line.

#include "books/core/BookkeepingSet.h"
#include "books/core/BooksWorkspace.h"
#include "books/core/ClientList.h"
#include "fuzz/FuzzSupport.h"

using namespace kiv5;
using namespace kiv5::fuzz;

namespace {

constexpr std::array kMembers = {".su5", ".inc", ".exp", ".acc", ".cat"};
constexpr int kScreenWidth = 1280;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QList<QByteArray> parts = SplitParts(data, size);
    const QString folder = FreshFolder();
    for (qsizetype i = 0; i < parts.size() && i < qsizetype(kMembers.size()); ++i) {
        WriteScratchFile(QStringLiteral("fuzz") + QLatin1String(kMembers[std::size_t(i)]),
                         parts[i]);
    }
    const QString setFile = folder + QStringLiteral("fuzz.su5");
    Guarded([&] { books::ReadSetFile(setFile); });
    Guarded([&] {
        books::BooksWorkspace workspace(kScreenWidth, QuietContext());
        workspace.settings.FilesDirectory = folder;
        workspace.settings.PL5Directory = folder;
        workspace.Open(setFile);
        books::HasLinkedClientFile(folder, workspace.settings.PL5FileName);
    });
    return 0;
}
