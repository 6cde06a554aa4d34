#include "clientdb/core/ClientSettings.h"

#include "clientdb/core/ClientColumns.h"
#include "clientdb/core/ClientTable.h"
#include "common/core/ColumnWidthSettings.h"
#include "common/core/ErrorSink.h"
#include "common/core/Folders.h"

namespace kiv5 {
namespace {

constexpr int kLastFieldColumn = 17;

// Width units of the field columns: the one in force before the settings are
// read, and the one written for a missing value.
int BuiltInWidthUnit(int screenWidth) {
    return (screenWidth - 20) / 16;
}
int WidthUnitWhenMissing(int screenWidth) {
    return (screenWidth - 40) / 16;
}

} // namespace

QString UsualClientFolder() {
    return UsualFolder(QStringLiteral("Pellary5"));
}

ClientSettings BuiltInClientSettings(int screenWidth) {
    ClientSettings s;
    s.WordProcessor = QStringLiteral("WINWORD.EXE");
    s.FilesDirectory = UsualClientFolder();
    for (const ColumnSpec& column : ClientColumns()) {
        s.ColumnWidth[column.Index] = column.Width.Pixels(BuiltInWidthUnit(screenWidth));
        // Column 0 is never shown; 18-21 are always hidden.
        s.ShowColumn[column.Index] = column.Index >= 1 && column.Index <= kLastFieldColumn;
    }
    // Narrower than the width written when the setting is missing.
    s.ColumnWidth[0] = 10;
    s.TableFontName = QStringLiteral("Arial Narrow");
    s.TableFontSize = 8;
    s.ListFontName = QStringLiteral("Arial Narrow");
    s.ListFontSize = 10;
    return s;
}

SettingsTable ClientKeyTable(ClientSettings& s, int screenWidth) {
    SettingsTable table = {
        TextSetting(QStringLiteral("AutoFileName"), &s.AutoFileName, QStringLiteral("kiv5.pl5")),
        TextSetting(QStringLiteral("WordProcessor"), &s.WordProcessor,
                    QStringLiteral("winword.exe")),
        FolderSetting(QStringLiteral("FilesDirectory"), &s.FilesDirectory, UsualClientFolder()),
        FlagSetting(QStringLiteral("AutomaticBackupFlag"), &s.AutomaticBackupFlag, true),
        FlagSetting(QStringLiteral("DisplayListView"), &s.DisplayListView, true),
        IntegerSetting(QStringLiteral("ClientSubNo"), &s.ClientSubNo, 0),
        IntegerSetting(QStringLiteral("BackupCounter"), &s.BackupCounter, 0),
    };
    AddColumnWidthSettings(table, ClientColumns(), s.ColumnWidth,
                           WidthUnitWhenMissing(screenWidth));
    for (const ColumnSpec& column : ClientColumns()) {
        if (column.HasShowSetting()) {
            SettingEntry entry = FlagSetting(QString::fromLatin1(column.ShowSetting),
                                             &s.ShowColumn[column.Index], true);
            // Written with the spelling of earlier versions; names ignore case.
            table.push_back(column.Index == ClientCol::EMail
                                ? entry.WrittenAs(QStringLiteral("ShowEMail"))
                                : entry);
        }
    }
    AddTableFontSettings(table, &s.TableFontName, &s.TableFontSize, &s.TableFontBold,
                         &s.TableFontItalic);
    const SettingsTable rest = {
        TextSetting(QStringLiteral("ListFontName"), &s.ListFontName,
                    QStringLiteral("Arial Narrow")),
        IntegerSetting(QStringLiteral("ListFontSize"), &s.ListFontSize, 10),
        FlagSetting(QStringLiteral("ListFontBold"), &s.ListFontBold, false).WriteOnly(),
        FlagSetting(QStringLiteral("ListFontItalic"), &s.ListFontItalic, false).WriteOnly(),
        TextSetting(QStringLiteral("ReturnName"), &s.ReturnName, QString()),
        TextSetting(QStringLiteral("ReturnAdrs1"), &s.ReturnAdrs1, QString()),
        TextSetting(QStringLiteral("ReturnAdrs2"), &s.ReturnAdrs2, QString()),
        TextSetting(QStringLiteral("ReturnAdrs3"), &s.ReturnAdrs3, QString()),
    };
    table.insert(table.end(), rest.begin(), rest.end());
    return table;
}

SettingsTable ClientKeysAfterHistory(ClientSettings& s) {
    return {TextSetting(QStringLiteral("UpgradeHost"), &s.UpgradeHost, QString())};
}

SettingsStore ClientSettingsStore(const QString& baseFolder) {
    return SettingsStore(QStringLiteral("Pellary5"), baseFolder);
}

bool ReadTheIniFile(ClientSettings& settings, SettingsStore& store, int screenWidth,
                    const ErrorSink& errors) {
    if (!ReadSettingsFile(store, ClientKeyTable(settings, screenWidth), settings.History,
                          ClientKeysAfterHistory(settings))) {
        errors.ErrorWindow(30010);
        return false;
    }
    return true;
}

bool WriteTheIniFile(const ClientSettings& settings, SettingsStore& store,
                     const ErrorSink& errors) {
    ClientSettings written = settings;
    if (!WriteSettingsFile(store, ClientKeyTable(written, 0), written.History,
                           ClientKeysAfterHistory(written))) {
        errors.ErrorWindow(15010);
        return false;
    }
    return true;
}

} // namespace kiv5
