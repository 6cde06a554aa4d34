#pragma once

// The bookkeeping program's settings: built-in start-up values and the key
// table read at start and written at exit ("Sumora5" store).

#include "common/core/ErrorSink.h"
#include "common/core/RecentFiles.h"
#include "common/core/SettingsBinding.h"
#include "common/core/SettingsStore.h"

#include <QString>
#include <array>

namespace kiv5 {

// Columns of the income and expense tables; 10-13 are always hidden.
inline constexpr int BOOKSCOLUMNS = 14;

struct BooksSettings {
    QString AutoFileName;
    QString PL5FileName; // linked client file; written as its file name part
    QString PL5Directory;
    QString WordProcessor;
    QString FilesDirectory;
    bool AutomaticBackupFlag = true;
    qint32 BackupCounter = 0;
    std::array<qint32, BOOKSCOLUMNS> IColumnWidth{}; // pixels, -1 hidden
    std::array<qint32, BOOKSCOLUMNS> EColumnWidth{};
    QString TableFontName;
    qint32 TableFontSize = 0;
    bool TableFontBold = false;
    bool TableFontItalic = false;
    RecentFiles History;
    // Moves the printed check to meet pre-printed stock, hundredths of an inch.
    qint32 CheckOffsetX = 0;
    qint32 CheckOffsetY = 0;
};

// The start-up values, kept when the store is missing. The client link and
// its folder start empty.
BooksSettings BuiltInBooksSettings(int screenWidth);

// Reading order with the values written when missing; "ClientSubNo" is
// written as 0 and never read. The history is handled separately.
SettingsTable BooksKeyTable(BooksSettings& settings, int screenWidth);

SettingsStore BooksSettingsStore(const QString& baseFolder = {});

// A missing store: nothing is read, nothing shown, false.
bool ReadTheIniFile(BooksSettings& settings, SettingsStore& store, int screenWidth);
// A store that cannot be written shows 15010 and nothing is written; false.
bool WriteTheIniFile(const BooksSettings& settings, SettingsStore& store, const ErrorSink& errors);

} // namespace kiv5
