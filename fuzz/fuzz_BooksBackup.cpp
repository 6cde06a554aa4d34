// A bookkeeping backup read back as sumora5's restore reads it: the listing,
// the income and expense texts and the two lists, one part each.

#include "books/core/BooksBackup.h"
#include "fuzz/FuzzSupport.h"

#include <QFileInfo>

using namespace kiv5;
using namespace kiv5::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QList<QByteArray> parts = SplitParts(data, size);
    const QString folder = FreshFolder();
    const books::BackupFiles files = books::BackupFilesFor(folder, QStringLiteral("fuzz"), 1);
    const QStringList paths = {files.listing, files.income, files.expense, files.accounts,
                               files.categories};
    for (qsizetype i = 0; i < parts.size() && i < paths.size(); ++i) {
        WriteScratchFile(QFileInfo(paths[i]).fileName(), parts[i]);
    }
    Guarded([&] { books::ReadBooksBackup(files.listing, QuietContext().clock); });
    return 0;
}
