// The settings file, read by each of the three programs at start (each fills
// in what is missing and may write the file back).

#include "billing/core/BillingSettings.h"
#include "books/core/BooksSettings.h"
#include "clientdb/core/ClientSettings.h"
#include "fuzz/FuzzSupport.h"

#include <QDir>

using namespace kiv5;
using namespace kiv5::fuzz;

namespace {

constexpr int kScreenWidth = 1280;

QString InFolder(const SettingsStore& store, const QString& folder) {
    return QDir(folder).relativeFilePath(store.FilePath());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString folder = FreshFolder();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Guarded([&] {
        SettingsStore store = ClientSettingsStore(folder);
        WriteScratchFile(InFolder(store, folder), bytes);
        ClientSettings settings = BuiltInClientSettings(kScreenWidth);
        ReadTheIniFile(settings, store, kScreenWidth, QuietContext().errors);
    });
    Guarded([&] {
        SettingsStore store = BooksSettingsStore(folder);
        WriteScratchFile(InFolder(store, folder), bytes);
        BooksSettings settings = BuiltInBooksSettings(kScreenWidth);
        ReadTheIniFile(settings, store, kScreenWidth);
    });
    Guarded([&] {
        SettingsStore store = BillingSettingsStore(folder);
        WriteScratchFile(InFolder(store, folder), bytes);
        BillingSettings settings = BuiltInBillingSettings(kScreenWidth);
        ReadTheIniFile(settings, store, kScreenWidth);
    });
    return 0;
}
