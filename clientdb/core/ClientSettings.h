#pragma once

// The client database program's settings: built-in values that hold from the
// creation of the main window, and the key table read at the first showing
// and written at exit ("Pellary5" store).

#include "common/core/ErrorSink.h"
#include "common/core/RecentFiles.h"
#include "common/core/SettingsBinding.h"
#include "common/core/SettingsStore.h"

#include <QString>
#include <array>

namespace kiv5 {

// Columns of the client table: 0 (unused), 1 (mark), 2-17 (fields), 18-21
// (stamps, record number, status).
inline constexpr int CLIENTCOLUMNS = 22;

struct ClientSettings {
    QString AutoFileName;
    QString WordProcessor;
    QString FilesDirectory; // ends with the path separator
    bool AutomaticBackupFlag = true;
    bool DisplayListView = true;
    qint32 ClientSubNo = 0;
    qint32 BackupCounter = 0;
    std::array<qint32, CLIENTCOLUMNS> ColumnWidth{}; // pixels, -1 hidden
    std::array<bool, CLIENTCOLUMNS> ShowColumn{};
    QString TableFontName;
    qint32 TableFontSize = 0;
    bool TableFontBold = false;
    bool TableFontItalic = false;
    QString ListFontName;
    qint32 ListFontSize = 0;
    bool ListFontBold = false;
    bool ListFontItalic = false;
    QString ReturnName;
    QString ReturnAdrs1;
    QString ReturnAdrs2;
    QString ReturnAdrs3;
    // Base address of the upgrade host ("https://updates.example.org");
    // empty: no upgrade check.
    QString UpgradeHost;
    RecentFiles History{HistoryRule::Client};
};

// The usual folder of the client files, ~/Orvanel/Tavrel/Pellary5/.
QString UsualClientFolder();

// The values in force before the settings are read (and kept when the store
// is missing). screenWidth: the primary screen's width in pixels.
ClientSettings BuiltInClientSettings(int screenWidth);

// Names, kinds and the values written when missing, in reading order; the
// history is read and written separately. The return address is written
// empty when missing.
SettingsTable ClientKeyTable(ClientSettings& settings, int screenWidth);

// The values read and written after the history: those added after it
// was the last value.
SettingsTable ClientKeysAfterHistory(ClientSettings& settings);

SettingsStore ClientSettingsStore(const QString& baseFolder = {});

// Reads every setting; a missing value is written with its default (and the
// store saved when that happened). A missing store shows 30010 and reads
// nothing. False when the store was missing.
bool ReadTheIniFile(ClientSettings& settings, SettingsStore& store, int screenWidth,
                    const ErrorSink& errors);

// Writes every setting over the values in the store file. A store that
// cannot be written shows 15010 and nothing is written; false then.
bool WriteTheIniFile(const ClientSettings& settings, SettingsStore& store, const ErrorSink& errors);

} // namespace kiv5
