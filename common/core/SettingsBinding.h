#pragma once

// A program's settings as a table: each entry ties a value name of the store
// to a program variable and says what is written when the value is missing.
//
//   SettingsTable table = {
//       TextSetting("AutoFileName", &s.AutoFileName, QStringLiteral("kiv5.pl5")),
//       FlagSetting("ShowEmail", &s.ShowColumn[14], true).WrittenAs("ShowEMail"),
//       FlagSetting("ListFontBold", &s.ListFontBold, false).WriteOnly(),
//       IntegerConstant("ClientSubNo", 0),
//   };
//   ReadSettings(store, table);   // at start, in table order
//   WriteSettings(store, table);  // at exit

#include "common/core/RecentFiles.h"
#include "common/core/SettingsStore.h"

#include <QString>
#include <variant>
#include <vector>

namespace kiv5 {

using SettingVariable = std::variant<std::monostate, QString*, qint32*, bool*, qint64*>;
using SettingValue = std::variant<QString, qint32, bool, qint64>;

struct SettingEntry {
    QString name;      // the name read, and written unless writeName is set
    QString writeName; // the name written, when it is spelt otherwise
    SettingKind kind = SettingKind::Text;
    SettingVariable variable; // empty for a constant that is only written
    SettingValue whenMissing; // written and used when the value is missing
    bool writeOnly = false;   // written at exit, never read
    bool folder = false;      // a folder: a read value gets its trailing separator
    int maxLength = -1;       // texts read are cut to this many characters

    // Modifiers for building tables.
    SettingEntry WrittenAs(const QString& otherName) const;
    SettingEntry WriteOnly() const;
    SettingEntry CutTo(int characters) const;
    // The name under which the value is written.
    QString NameWritten() const { return writeName.isEmpty() ? name : writeName; }
};

using SettingsTable = std::vector<SettingEntry>;

SettingEntry TextSetting(const QString& name, QString* variable, const QString& whenMissing);
SettingEntry FolderSetting(const QString& name, QString* variable, const QString& whenMissing);
SettingEntry IntegerSetting(const QString& name, qint32* variable, qint32 whenMissing);
SettingEntry FlagSetting(const QString& name, bool* variable, bool whenMissing);
// Money as the amount times 10000.
SettingEntry CurrencySetting(const QString& name, qint64* variable, qint64 whenMissing);
// A value always written as the given number and never read.
SettingEntry IntegerConstant(const QString& name, qint32 value);

// The table font every program keeps: "TableFontName" (written as "Arial
// Narrow" when missing), "TableFontSize" (10), "TableFontBold" and
// "TableFontItalic" (clear).
void AddTableFontSettings(SettingsTable& table, QString* name, qint32* size, bool* bold,
                          bool* italic);

// The read-or-write-default rule, entry by entry in table order: a value
// present with the entry's kind goes into the variable; a value missing (or
// stored with another kind) is written with the entry's default, and the
// default goes into the variable. Write-only entries are skipped.
void ReadSettings(SettingsStore& store, const SettingsTable& table);

// Writes every entry from its variable (constants: their value), under the
// name it is written as.
void WriteSettings(SettingsStore& store, const SettingsTable& table);

// A program's read at start: loads the store; when it exists, reads the table,
// then the history, then the entries that follow the history, and saves the store when defaults
// were written (a failure to save them is left to the write at exit, which reports it). False, with
// nothing read, when the store is missing.
bool ReadSettingsFile(SettingsStore& store, const SettingsTable& table, RecentFiles& history,
                      const SettingsTable& afterHistory = {});

// A program's write at exit: loads what the store holds (values of other
// names stay), writes the table and the history and saves. False, with the
// file unchanged, when the store cannot be written.
bool WriteSettingsFile(SettingsStore& store, const SettingsTable& table, const RecentFiles& history,
                       const SettingsTable& afterHistory = {});

// A folder value as the programs use it: a trailing separator added unless
// it has one; an empty value stays empty.
QString FolderWithSeparator(const QString& folder);

} // namespace kiv5
