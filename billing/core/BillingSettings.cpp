#include "billing/core/BillingSettings.h"

#include "common/core/Folders.h"

#include <algorithm>

namespace kiv5 {
namespace {

// Bill table columns kept in the settings besides column 0, by default
// width: w and 3 w, w = (screen width - 20) div 20.
constexpr std::array kSingleBillColumns = {1, 3, 4, 6, 36, 37};
constexpr std::array kTripleBillColumns = {2, 5, 25, 35};
// Worksheet columns: v and 5 v, v = (screen width - 20) div 8.
constexpr std::array kSingleISColumns = {1, 3, 4};
constexpr std::array kFiveFoldISColumns = {2};
constexpr int kLastShownISColumn = 4;

const qint64 kBuiltInRate = 2500000;     // 250.00
const qint64 kRateWhenMissing = 2000000; // 200.00

QString Numbered(const char* name, int number) {
    return QString::fromLatin1(name) + QString::number(number);
}

template <std::size_t N, std::size_t M>
void AddWidths(SettingsTable& table, const char* prefix, std::array<qint32, M>& widths,
               const std::array<int, N>& columns, qint32 whenMissing) {
    for (const int column : columns) {
        table.push_back(IntegerSetting(Numbered(prefix, column), &widths[column], whenMissing));
    }
}

bool IsStoredBillColumn(int column) {
    const auto listed = [column](const auto& columns) {
        return std::find(columns.begin(), columns.end(), column) != columns.end();
    };
    return listed(kSingleBillColumns) || listed(kTripleBillColumns);
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
    const qint32 x = (screenWidth - 20) / 10;
    for (int column = 0; column < BILLCOLUMNS; ++column) {
        s.BColumnWidth[column] = column == 0 ? 20 : IsStoredBillColumn(column) ? x : -1;
    }
    const qint32 y = (screenWidth - 20) / 4;
    for (int column = 0; column < ISCOLUMNS; ++column) {
        s.ISColumnWidth[column] = column == 0 ? 20 : column <= kLastShownISColumn ? y : -1;
    }
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
    const qint32 w = (screenWidth - 20) / 20;
    table.push_back(IntegerSetting(QStringLiteral("BColumnWidth0"), &s.BColumnWidth[0], 20));
    AddWidths(table, "BColumnWidth", s.BColumnWidth, kSingleBillColumns, w);
    AddWidths(table, "BColumnWidth", s.BColumnWidth, kTripleBillColumns, 3 * w);
    const qint32 v = (screenWidth - 20) / 8;
    table.push_back(IntegerSetting(QStringLiteral("ISColumnWidth0"), &s.ISColumnWidth[0], 20));
    AddWidths(table, "ISColumnWidth", s.ISColumnWidth, kSingleISColumns, v);
    AddWidths(table, "ISColumnWidth", s.ISColumnWidth, kFiveFoldISColumns, 5 * v);
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
