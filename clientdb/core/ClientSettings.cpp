#include "clientdb/core/ClientSettings.h"

#include "common/core/Folders.h"

namespace kiv5 {
namespace {

// Show flags of the field columns 2 to 17, in column order.
constexpr std::array<const char*, 16> kShowNames = {
    "ShowClientNo", "ShowLastName", "ShowFirstName", "ShowCompany", "ShowAddress1", "ShowAddress2",
    "ShowCity",     "ShowState",    "ShowZipCode",   "ShowPhone",   "ShowCell",     "ShowFax",
    "ShowEmail",    "ShowNote1",    "ShowNote2",     "ShowMemo"};
constexpr int kFirstFieldColumn = 2;
constexpr int kLastFieldColumn = 17;
constexpr int kLastStoredWidth = 20;
constexpr int kEmailColumn = 14;

QString Numbered(const char* name, int number) {
    return QString::fromLatin1(name) + QString::number(number);
}

qint32 WidthWhenMissing(int column, int screenWidth) {
    if (column <= 1) {
        return 20;
    }
    if (column <= kLastFieldColumn) {
        return (screenWidth - 40) / 16;
    }
    return -1;
}

} // namespace

QString UsualClientFolder() {
    return UsualFolder(QStringLiteral("Pellary5"));
}

ClientSettings BuiltInClientSettings(int screenWidth) {
    ClientSettings s;
    s.WordProcessor = QStringLiteral("WINWORD.EXE");
    s.FilesDirectory = UsualClientFolder();
    s.ColumnWidth[0] = 10;
    s.ColumnWidth[1] = 20;
    for (int column = 0; column < CLIENTCOLUMNS; ++column) {
        if (column >= kFirstFieldColumn && column <= kLastFieldColumn) {
            s.ColumnWidth[column] = (screenWidth - 20) / 16;
        } else if (column > kLastFieldColumn) {
            s.ColumnWidth[column] = -1;
        }
        // Column 0 is never shown; 18-21 are always hidden.
        s.ShowColumn[column] = column >= 1 && column <= kLastFieldColumn;
    }
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
    for (int column = 0; column <= kLastStoredWidth; ++column) {
        table.push_back(IntegerSetting(Numbered("ColumnWidth", column), &s.ColumnWidth[column],
                                       WidthWhenMissing(column, screenWidth)));
    }
    for (int column = kFirstFieldColumn; column <= kLastFieldColumn; ++column) {
        SettingEntry entry =
            FlagSetting(QString::fromLatin1(kShowNames[column - kFirstFieldColumn]),
                        &s.ShowColumn[column], true);
        // Written with the spelling of earlier versions; names ignore case.
        table.push_back(column == kEmailColumn ? entry.WrittenAs(QStringLiteral("ShowEMail"))
                                               : entry);
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

SettingsStore ClientSettingsStore(const QString& baseFolder) {
    return SettingsStore(QStringLiteral("Pellary5"), baseFolder);
}

bool ReadTheIniFile(ClientSettings& settings, SettingsStore& store, int screenWidth,
                    const ErrorSink& errors) {
    if (!ReadSettingsFile(store, ClientKeyTable(settings, screenWidth), settings.History)) {
        errors.ErrorWindow(30010);
        return false;
    }
    return true;
}

bool WriteTheIniFile(const ClientSettings& settings, SettingsStore& store,
                     const ErrorSink& errors) {
    ClientSettings written = settings;
    if (!WriteSettingsFile(store, ClientKeyTable(written, 0), written.History)) {
        errors.ErrorWindow(15010);
        return false;
    }
    return true;
}

} // namespace kiv5
