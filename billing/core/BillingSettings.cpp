#include "billing/core/BillingSettings.h"

#include "billing/core/BillColumns.h"
#include "billing/core/WorksheetColumns.h"
#include "common/core/ColumnWidthSettings.h"
#include "common/core/ErrorSink.h"
#include "common/core/Folders.h"

namespace kiv5 {
namespace {

const qint64 kBuiltInRate = 2500000;     // 250.00
const qint64 kRateWhenMissing = 2000000; // 200.00

QString Numbered(const char* name, int number) {
    return QString::fromLatin1(name) + QString::number(number);
}

// Before the settings are read every kept column but the fixed-width ones is
// one `unit` wide; the others are hidden.
template <std::size_t N> std::array<qint32, N> BuiltInWidths(ColumnSchema columns, int unit) {
    std::array<qint32, N> widths{};
    for (const ColumnSpec& column : columns) {
        const bool fixed = column.Width.measure == ColumnWidthRule::Measure::Pixels;
        widths[column.Index] = !column.KeepsWidth() ? -1 : fixed ? column.Width.amount : unit;
    }
    return widths;
}

QString ISFolder() {
    return UsualFolder(QStringLiteral("Quenby5")) + QStringLiteral("IS/");
}

// The shorthand texts follow the history in the store.
SettingsTable ShortHandTable(BillingSettings& s) {
    SettingsTable table;
    for (int k = 1; k <= SHORTHANDTEXTS; ++k) {
        table.push_back(TextSetting(Numbered("ShortHandArray", k), &s.ShortHandArray[k - 1], {})
                            .CutTo(SHORTHANDLENGTH));
    }
    return table;
}

} // namespace

BillingSettings BuiltInBillingSettings(int screenWidth) {
    BillingSettings s;
    s.ISDirectory = ISFolder();
    s.WordProcessor = QStringLiteral("WINWORD.EXE");
    s.FilesDirectory = UsualFolder(QStringLiteral("Quenby5"));
    s.HourlyRate = kBuiltInRate;
    // x and y of the width rules.
    s.BColumnWidth = BuiltInWidths<BILLCOLUMNS>(billing::BillColumns(), (screenWidth - 20) / 10);
    s.ISColumnWidth = BuiltInWidths<ISCOLUMNS>(billing::WorksheetColumns(), (screenWidth - 20) / 4);
    s.TableFontName = QStringLiteral("Arial Narrow");
    s.TableFontSize = 8;
    return s;
}

SettingsTable BillingKeyTable(BillingSettings& s, int screenWidth) {
    SettingsTable table = {
        TextSetting(QStringLiteral("PL5FileName"), &s.PL5FileName, QStringLiteral("kiv5.pl5")),
        FolderSetting(QStringLiteral("PL5Directory"), &s.PL5Directory,
                      UsualFolder(QStringLiteral("Pellary5"))),
        TextSetting(QStringLiteral("SU5FileName"), &s.SU5FileName, QStringLiteral("kiv5.su5")),
        FolderSetting(QStringLiteral("SU5Directory"), &s.SU5Directory,
                      UsualFolder(QStringLiteral("Sumora5"))),
        FolderSetting(QStringLiteral("ISDirectory"), &s.ISDirectory, ISFolder()),
        TextSetting(QStringLiteral("WordProcessor"), &s.WordProcessor,
                    QStringLiteral("winword.exe")),
        FolderSetting(QStringLiteral("FilesDirectory"), &s.FilesDirectory,
                      UsualFolder(QStringLiteral("Quenby5"))),
        FlagSetting(QStringLiteral("AutomaticBackupFlag"), &s.AutomaticBackupFlag, true),
        IntegerSetting(QStringLiteral("BackupCounter"), &s.BackupCounter, 0),
        CurrencySetting(QStringLiteral("HourlyRate"), &s.HourlyRate, kRateWhenMissing),
    };
    for (int line = 0; line < CAPTIONLINES; ++line) {
        table.push_back(TextSetting(Numbered("CaptionLine", line), &s.CaptionLine[line], {}));
    }
    table.push_back(FlagSetting(QStringLiteral("WritePdfFlag"), &s.WritePdfFlag, false));
    // w and v of the width rules.
    AddColumnWidthSettings(table, billing::BillColumns(), s.BColumnWidth, (screenWidth - 20) / 20);
    AddColumnWidthSettings(table, billing::WorksheetColumns(), s.ISColumnWidth,
                           (screenWidth - 20) / 8);
    AddTableFontSettings(table, &s.TableFontName, &s.TableFontSize, &s.TableFontBold,
                         &s.TableFontItalic);
    return table;
}

SettingsStore BillingSettingsStore(const QString& baseFolder) {
    return SettingsStore(QStringLiteral("Quenby5"), baseFolder);
}

bool ReadTheIniFile(BillingSettings& settings, SettingsStore& store, int screenWidth) {
    return ReadSettingsFile(store, BillingKeyTable(settings, screenWidth), settings.History,
                            ShortHandTable(settings));
}

bool WriteTheIniFile(const BillingSettings& settings, SettingsStore& store,
                     const ErrorSink& errors) {
    BillingSettings written = settings;
    if (!WriteSettingsFile(store, BillingKeyTable(written, 0), written.History,
                           ShortHandTable(written))) {
        errors.ErrorWindow(15010);
        return false;
    }
    return true;
}

} // namespace kiv5
