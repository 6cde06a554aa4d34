#include "tools/kiv5/DemoSettings.h"

#include "billing/core/BillingSettings.h"
#include "books/core/BooksSettings.h"
#include "clientdb/core/ClientSettings.h"
#include "common/core/Exceptions.h"
#include "common/core/Misc.h"

#include <QDir>

namespace kiv5::tool {
namespace {

template <class Settings>
void Write(const Settings& settings, SettingsStore store, const ErrorSink& errors) {
    if (!WriteTheIniFile(settings, store, errors)) {
        throw IoError(QStringLiteral("Cannot write the settings \"%1\"")
                          .arg(QDir::toNativeSeparators(store.FilePath())));
    }
}

void WriteClientSettings(const DemoSet& set, const QString& settingsFolder,
                         const ErrorSink& errors) {
    ClientSettings s = BuiltInClientSettings(kDemoScreenWidth);
    s.FilesDirectory = set.clientFolder;
    s.AutoFileName = set.clientFiles.clientFile;
    s.History.Add(set.clientFiles.clientFile);
    Write(s, ClientSettingsStore(settingsFolder), errors);
}

void WriteBooksSettings(const DemoSet& set, const QString& settingsFolder,
                        const ErrorSink& errors) {
    BooksSettings s = BuiltInBooksSettings(kDemoScreenWidth);
    s.FilesDirectory = set.booksFolder;
    s.AutoFileName = set.setFile;
    s.PL5Directory = set.clientFolder;
    s.PL5FileName = FileNamePart(set.clientFiles.clientFile);
    s.History.Add(set.setFile);
    Write(s, BooksSettingsStore(settingsFolder), errors);
}

// The billing program opens no file by itself at start; the demo's link file
// heads its history instead.
void WriteBillingSettings(const DemoSet& set, const QString& settingsFolder,
                          const ErrorSink& errors) {
    BillingSettings s = BuiltInBillingSettings(kDemoScreenWidth);
    s.FilesDirectory = set.billingFolder;
    s.ISDirectory = set.statementFolder;
    s.PL5Directory = set.clientFolder;
    s.PL5FileName = FileNamePart(set.clientFiles.clientFile);
    s.SU5Directory = set.booksFolder;
    s.SU5FileName = FileNamePart(set.setFile);
    s.History.Add(set.linkFile);
    Write(s, BillingSettingsStore(settingsFolder), errors);
}

} // namespace

void WriteDemoSettings(const DemoSet& set, const QString& settingsFolder, const ErrorSink& errors) {
    const QString base = QDir(settingsFolder).absolutePath();
    WriteClientSettings(set, base, errors);
    WriteBooksSettings(set, base, errors);
    WriteBillingSettings(set, base, errors);
}

} // namespace kiv5::tool
