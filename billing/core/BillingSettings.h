#pragma once

// The billing program's settings: start-up values and the key table read at
// start and written at exit ("Quenby5" store).

#include "common/core/ErrorSink.h"
#include "common/core/RecentFiles.h"
#include "common/core/SettingsBinding.h"
#include "common/core/SettingsStore.h"

#include <QString>
#include <array>

namespace kiv5 {

inline constexpr int BILLCOLUMNS = 42;
inline constexpr int ISCOLUMNS = 9;
inline constexpr int CAPTIONLINES = 5;
inline constexpr int SHORTHANDTEXTS = 12;
inline constexpr int SHORTHANDLENGTH = 64;

struct BillingSettings {
    QString PL5FileName;
    QString PL5Directory;
    QString SU5FileName;
    QString SU5Directory;
    QString ISDirectory;
    QString WordProcessor;
    QString FilesDirectory;
    bool AutomaticBackupFlag = true;
    qint32 BackupCounter = 0;
    qint64 HourlyRate = 0; // amount times 10000
    std::array<QString, CAPTIONLINES> CaptionLine;
    // Every print command also writes its document as PDF beside the RTF.
    bool WritePdfFlag = false;
    // Pixels, -1 hidden; only some columns are kept in the settings.
    std::array<qint32, BILLCOLUMNS> BColumnWidth{};
    std::array<qint32, ISCOLUMNS> ISColumnWidth{};
    QString TableFontName;
    qint32 TableFontSize = 0;
    bool TableFontBold = false;
    bool TableFontItalic = false;
    RecentFiles History;
    // Shorthand text k (F1 ... F12) is ShortHandArray[k - 1].
    std::array<QString, SHORTHANDTEXTS> ShortHandArray;
};

// The start-up values, kept when the store is missing: hourly rate 250.00,
// no client or bookkeeping link.
BillingSettings BuiltInBillingSettings(int screenWidth);

// Reading order with the values written when missing (hourly rate 200.00).
// The history is handled separately.
SettingsTable BillingKeyTable(BillingSettings& settings, int screenWidth);

SettingsStore BillingSettingsStore(const QString& baseFolder = {});

// A missing store: nothing is read, nothing shown, false.
bool ReadTheIniFile(BillingSettings& settings, SettingsStore& store, int screenWidth);
// A store that cannot be written shows 15010 and nothing is written; false.
bool WriteTheIniFile(const BillingSettings& settings, SettingsStore& store,
                     const ErrorSink& errors);

} // namespace kiv5
