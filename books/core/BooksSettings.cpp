#include "books/core/BooksSettings.h"

#include "books/core/LedgerColumns.h"
#include "common/core/ColumnWidthSettings.h"
#include "common/core/ErrorSink.h"
#include "common/core/Folders.h"
#include "common/core/Misc.h"

namespace kiv5 {
namespace {

constexpr int kLastShownColumn = 9;

std::array<qint32, BOOKSCOLUMNS> BuiltInWidths(int screenWidth) {
    std::array<qint32, BOOKSCOLUMNS> widths{};
    for (int column = 0; column < BOOKSCOLUMNS; ++column) {
        widths[column] = column == 0                  ? 20
                         : column <= kLastShownColumn ? (screenWidth - 20) / 10
                                                      : -1;
    }
    return widths;
}

} // namespace

BooksSettings BuiltInBooksSettings(int screenWidth) {
    BooksSettings s;
    s.WordProcessor = QStringLiteral("WINWORD.EXE");
    s.FilesDirectory = UsualFolder(QStringLiteral("Sumora5"));
    s.IColumnWidth = BuiltInWidths(screenWidth);
    s.EColumnWidth = BuiltInWidths(screenWidth);
    s.TableFontName = QStringLiteral("Arial Narrow");
    s.TableFontSize = 8;
    return s;
}

SettingsTable BooksKeyTable(BooksSettings& s, int screenWidth) {
    SettingsTable table = {
        TextSetting(QStringLiteral("AutoFileName"), &s.AutoFileName, QStringLiteral("kiv5.su5")),
        TextSetting(QStringLiteral("PL5FileName"), &s.PL5FileName, QStringLiteral("kiv5.pl5")),
        FolderSetting(QStringLiteral("PL5Directory"), &s.PL5Directory,
                      UsualFolder(QStringLiteral("Pellary5"))),
        TextSetting(QStringLiteral("WordProcessor"), &s.WordProcessor,
                    QStringLiteral("winword.exe")),
        FolderSetting(QStringLiteral("FilesDirectory"), &s.FilesDirectory,
                      UsualFolder(QStringLiteral("Sumora5"))),
        FlagSetting(QStringLiteral("AutomaticBackupFlag"), &s.AutomaticBackupFlag, true),
        IntegerSetting(QStringLiteral("BackupCounter"), &s.BackupCounter, 0),
        IntegerConstant(QStringLiteral("ClientSubNo"), 0),
    };
    // Missing widths are written in units of (screen width - 20) div 13.
    const int unit = (screenWidth - 20) / 13;
    AddColumnWidthSettings(table, books::IncomeColumns(), s.IColumnWidth, unit);
    AddColumnWidthSettings(table, books::ExpenseColumns(), s.EColumnWidth, unit);
    AddTableFontSettings(table, &s.TableFontName, &s.TableFontSize, &s.TableFontBold,
                         &s.TableFontItalic);
    table.push_back(IntegerSetting(QStringLiteral("CheckOffsetX"), &s.CheckOffsetX, 0));
    table.push_back(IntegerSetting(QStringLiteral("CheckOffsetY"), &s.CheckOffsetY, 0));
    return table;
}

SettingsStore BooksSettingsStore(const QString& baseFolder) {
    return SettingsStore(QStringLiteral("Sumora5"), baseFolder);
}

bool ReadTheIniFile(BooksSettings& settings, SettingsStore& store, int screenWidth) {
    return ReadSettingsFile(store, BooksKeyTable(settings, screenWidth), settings.History);
}

bool WriteTheIniFile(const BooksSettings& settings, SettingsStore& store, const ErrorSink& errors) {
    BooksSettings written = settings;
    written.PL5FileName = FileNamePart(written.PL5FileName);
    if (!WriteSettingsFile(store, BooksKeyTable(written, 0), written.History)) {
        errors.ErrorWindow(15010);
        return false;
    }
    return true;
}

} // namespace kiv5
