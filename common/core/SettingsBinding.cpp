#include "common/core/SettingsBinding.h"

#include "common/core/Exceptions.h"
#include "common/core/Misc.h"

#include <type_traits>

namespace kiv5 {
namespace {

SettingEntry MakeEntry(const QString& name, SettingKind kind, SettingVariable variable,
                       SettingValue whenMissing) {
    SettingEntry entry;
    entry.name = name;
    entry.kind = kind;
    entry.variable = variable;
    entry.whenMissing = std::move(whenMissing);
    return entry;
}

std::optional<SettingValue> ReadValue(const SettingsStore& store, const SettingEntry& entry) {
    switch (entry.kind) {
    case SettingKind::Text:
        if (auto text = store.ReadText(entry.name)) {
            return SettingValue(std::move(*text));
        }
        break;
    case SettingKind::Integer:
        if (auto number = store.ReadInteger(entry.name)) {
            return SettingValue(*number);
        }
        break;
    case SettingKind::Flag:
        if (auto flag = store.ReadFlag(entry.name)) {
            return SettingValue(*flag);
        }
        break;
    case SettingKind::Currency:
        if (auto units = store.ReadCurrency(entry.name)) {
            return SettingValue(*units);
        }
        break;
    }
    return std::nullopt;
}

void WriteValue(SettingsStore& store, const QString& name, const SettingValue& value) {
    std::visit(
        [&](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, QString>) {
                store.WriteText(name, v);
            } else if constexpr (std::is_same_v<T, qint32>) {
                store.WriteInteger(name, v);
            } else if constexpr (std::is_same_v<T, bool>) {
                store.WriteFlag(name, v);
            } else {
                store.WriteCurrency(name, v);
            }
        },
        value);
}

void Assign(const SettingVariable& variable, const SettingValue& value) {
    std::visit(
        [&](auto target) {
            if constexpr (std::is_pointer_v<decltype(target)>) {
                using T = std::remove_pointer_t<decltype(target)>;
                if (target) {
                    if (const T* v = std::get_if<T>(&value)) {
                        *target = *v;
                    }
                }
            }
        },
        variable);
}

SettingValue CurrentValue(const SettingEntry& entry) {
    return std::visit(
        [&](auto source) -> SettingValue {
            if constexpr (std::is_pointer_v<decltype(source)>) {
                return source ? SettingValue(*source) : entry.whenMissing;
            } else {
                return entry.whenMissing;
            }
        },
        entry.variable);
}

SettingValue Adjusted(const SettingEntry& entry, SettingValue value) {
    if (QString* text = std::get_if<QString>(&value)) {
        if (entry.folder) {
            *text = FolderWithSeparator(*text);
        }
        if (entry.maxLength >= 0 && text->size() > entry.maxLength) {
            text->truncate(entry.maxLength);
        }
    }
    return value;
}

} // namespace

SettingEntry SettingEntry::WrittenAs(const QString& otherName) const {
    SettingEntry entry = *this;
    entry.writeName = otherName;
    return entry;
}

SettingEntry SettingEntry::WriteOnly() const {
    SettingEntry entry = *this;
    entry.writeOnly = true;
    return entry;
}

SettingEntry SettingEntry::CutTo(int characters) const {
    SettingEntry entry = *this;
    entry.maxLength = characters;
    return entry;
}

SettingEntry TextSetting(const QString& name, QString* variable, const QString& whenMissing) {
    return MakeEntry(name, SettingKind::Text, variable, whenMissing);
}

SettingEntry FolderSetting(const QString& name, QString* variable, const QString& whenMissing) {
    SettingEntry entry = MakeEntry(name, SettingKind::Text, variable, whenMissing);
    entry.folder = true;
    return entry;
}

SettingEntry IntegerSetting(const QString& name, qint32* variable, qint32 whenMissing) {
    return MakeEntry(name, SettingKind::Integer, variable, whenMissing);
}

SettingEntry FlagSetting(const QString& name, bool* variable, bool whenMissing) {
    return MakeEntry(name, SettingKind::Flag, variable, whenMissing);
}

SettingEntry CurrencySetting(const QString& name, qint64* variable, qint64 whenMissing) {
    return MakeEntry(name, SettingKind::Currency, variable, whenMissing);
}

SettingEntry IntegerConstant(const QString& name, qint32 value) {
    return MakeEntry(name, SettingKind::Integer, std::monostate(), value).WriteOnly();
}

void ReadSettings(SettingsStore& store, const SettingsTable& table) {
    for (const SettingEntry& entry : table) {
        if (entry.writeOnly) {
            continue;
        }
        if (auto value = ReadValue(store, entry)) {
            Assign(entry.variable, Adjusted(entry, std::move(*value)));
        } else {
            WriteValue(store, entry.name, entry.whenMissing);
            Assign(entry.variable, entry.whenMissing);
        }
    }
}

void WriteSettings(SettingsStore& store, const SettingsTable& table) {
    for (const SettingEntry& entry : table) {
        WriteValue(store, entry.NameWritten(), CurrentValue(entry));
    }
}

bool ReadSettingsFile(SettingsStore& store, const SettingsTable& table, RecentFiles& history,
                      const SettingsTable& afterHistory) {
    if (!store.Load()) {
        return false;
    }
    ReadSettings(store, table);
    history.Read(store);
    ReadSettings(store, afterHistory);
    if (store.IsModified()) {
        try {
            store.Save();
        } catch (const IoError&) {
            // The values are in force; the write at exit reports the store.
        }
    }
    return true;
}

bool WriteSettingsFile(SettingsStore& store, const SettingsTable& table, const RecentFiles& history,
                       const SettingsTable& afterHistory) {
    store.Load();
    WriteSettings(store, table);
    history.Write(store);
    WriteSettings(store, afterHistory);
    try {
        store.Save();
    } catch (const IoError&) {
        return false;
    }
    return true;
}

QString FolderWithSeparator(const QString& folder) {
    return folder.isEmpty() ? folder : SlashAtEnd(folder);
}

void AddTableFontSettings(SettingsTable& table, QString* name, qint32* size, bool* bold,
                          bool* italic) {
    table.push_back(
        TextSetting(QStringLiteral("TableFontName"), name, QStringLiteral("Arial Narrow")));
    table.push_back(IntegerSetting(QStringLiteral("TableFontSize"), size, 10));
    table.push_back(FlagSetting(QStringLiteral("TableFontBold"), bold, false));
    table.push_back(FlagSetting(QStringLiteral("TableFontItalic"), italic, false));
}

} // namespace kiv5
