#pragma once

// The per-user settings of one program: the file
//   $XDG_CONFIG_HOME/Orvanel/<Program>/Params.conf   (~/.config when unset)
// for the programs "Pellary5", "Sumora5" and "Quenby5". The file missing is
// what the programs call the settings key missing.
//
// File format: UTF-8 text, one value per line,
//
//   <kind> <name>=<value>
//
// with kind "text", "int" (a 32-bit decimal integer; flags are stored as 0
// or 1) or "currency" (a signed amount with at most four decimals, kept as
// the amount times 10000, e.g. "200.0000"). Names end at the first "=" that
// is not escaped; the value is everything after it, blanks included. In names
// and values "\\" stands for a backslash, "\n" and "\r" for line breaks,
// "\=" for "=" and "\xHH" for any other control character. Empty lines and
// lines starting with "#" are ignored, and so is every line that does not
// read: a damaged file still gives its good lines. A later line with the same
// name replaces the value of an earlier one.
//
// Names are compared without regard to case; a value keeps the spelling of
// its name as first written. Values are kept in the order they were first
// written, which is the order of the file.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

namespace kiv5 {

// Kinds of settings values. Flags are stored as integers, so a stored value
// is never of kind Flag; reading an integer as a flag (and the other way
// round) is allowed.
enum class SettingKind { Text, Integer, Flag, Currency };

class SettingsStore {
public:
    // The store of a program under baseFolder/Orvanel/<program>/; an empty
    // base folder means the user's configuration folder.
    explicit SettingsStore(const QString& program, const QString& baseFolder = {});

    // $XDG_CONFIG_HOME, or ~/.config when it is not set.
    static QString UserConfigFolder();

    QString FilePath() const { return filePath_; }
    bool Exists() const;

    // Replaces the values in memory with those of the file. False, with no
    // values in memory, when the file is missing or cannot be read.
    bool Load();
    // Writes every value through a temporary file renamed over the file,
    // creating the folder when needed. Throws IoError when that fails.
    void Save();
    // True when a value was written since the last Load or Save.
    bool IsModified() const { return modified_; }

    // A value of another kind, or one that is missing, gives nothing.
    std::optional<QString> ReadText(const QString& name) const;
    std::optional<qint32> ReadInteger(const QString& name) const;
    std::optional<bool> ReadFlag(const QString& name) const;
    std::optional<qint64> ReadCurrency(const QString& name) const;

    void WriteText(const QString& name, const QString& value);
    void WriteInteger(const QString& name, qint32 value);
    void WriteFlag(const QString& name, bool value);
    void WriteCurrency(const QString& name, qint64 units);

    bool Contains(const QString& name) const;
    // Text, Integer or Currency; nothing when the value is missing.
    std::optional<SettingKind> StoredKind(const QString& name) const;
    // The names in file order, spelt as first written.
    QStringList Names() const;
    void Clear();

private:
    using Value = std::variant<QString, qint32, qint64>;
    struct Entry {
        QString name;
        SettingKind kind;
        Value value;
    };

    const Entry* Find(const QString& name) const;
    void Put(const QString& name, SettingKind kind, Value value);
    void ParseLine(const QString& line);
    QByteArray Serialize() const;

    QString filePath_;
    QList<Entry> entries_;
    QHash<QString, qsizetype> index_; // case-folded name -> position
    bool modified_ = false;
};

} // namespace kiv5
