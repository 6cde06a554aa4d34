// Account and category lists: a set's lists and the default category list
// a new set starts with.

#include "books/core/BookkeepingSet.h"
#include "fuzz/FuzzSupport.h"

using namespace kiv5;
using namespace kiv5::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString folder = FreshFolder();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString list = WriteScratchFile(QStringLiteral("fuzz.acc"), bytes);
    WriteScratchFile(books::kDefaultCategoryFileName, bytes);
    Guarded([&] { books::ReadNameList(list); });
    Guarded([&] { books::ReadDefaultCategoryList(folder); });
    return 0;
}
