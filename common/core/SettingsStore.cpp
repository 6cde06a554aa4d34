#include "common/core/SettingsStore.h"

#include "common/core/Exceptions.h"
#include "common/core/Folders.h"
#include "common/core/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <limits>

namespace kiv5 {
namespace {

const QString kTextWord = QStringLiteral("text");
const QString kIntegerWord = QStringLiteral("int");
const QString kCurrencyWord = QStringLiteral("currency");

QString Escape(const QString& text, bool isName) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\') {
            out += QStringLiteral("\\\\");
        } else if (u == u'\n') {
            out += QStringLiteral("\\n");
        } else if (u == u'\r') {
            out += QStringLiteral("\\r");
        } else if (u == u'=' && isName) {
            out += QStringLiteral("\\=");
        } else if ((u < 0x20 && u != u'\t') || u == 0x7F) {
            out += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    return out;
}

bool IsHexDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Undoes Escape. Nothing when an escape does not read.
std::optional<QString> Unescape(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            out += text[i];
            continue;
        }
        if (++i >= text.size()) {
            return std::nullopt;
        }
        switch (text[i].unicode()) {
        case u'\\':
            out += u'\\';
            break;
        case u'n':
            out += u'\n';
            break;
        case u'r':
            out += u'\r';
            break;
        case u'=':
            out += u'=';
            break;
        case u'x': {
            const QStringView hex = text.mid(i + 1, 2);
            if (hex.size() != 2 || !IsHexDigit(hex[0]) || !IsHexDigit(hex[1])) {
                return std::nullopt;
            }
            out += QChar(char16_t(hex.toInt(nullptr, 16)));
            i += 2;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return out;
}

// Position of the first "=" that is not part of an escape, or -1.
qsizetype FindSeparator(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\') {
            ++i;
        } else if (text[i] == u'=') {
            return i;
        }
    }
    return -1;
}

bool IsDigits(QStringView text, qsizetype maxDigits) {
    if (text.isEmpty() || text.size() > maxDigits) {
        return false;
    }
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') {
            return false;
        }
    }
    return true;
}

std::optional<qint32> ParseInteger32(QStringView text) {
    const bool negative = text.startsWith(u'-');
    const QStringView digits = negative ? text.mid(1) : text;
    if (!IsDigits(digits, 10)) {
        return std::nullopt;
    }
    const qint64 magnitude = digits.toLongLong();
    const qint64 value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max()) {
        return std::nullopt;
    }
    return qint32(value);
}

// "-12.3456" -> -123456; at most four decimals.
std::optional<qint64> ParseCurrency(QStringView text) {
    const bool negative = text.startsWith(u'-');
    const QStringView number = negative ? text.mid(1) : text;
    const qsizetype dot = number.indexOf(u'.');
    const QStringView whole = dot < 0 ? number : number.left(dot);
    const QStringView fraction = dot < 0 ? QStringView() : number.mid(dot + 1);
    if (!IsDigits(whole, 15) || (dot >= 0 && !IsDigits(fraction, 4))) {
        return std::nullopt;
    }
    quint64 units = whole.toULongLong() * 10000;
    if (!fraction.isEmpty()) {
        quint64 part = fraction.toULongLong();
        for (qsizetype n = fraction.size(); n < 4; ++n) {
            part *= 10;
        }
        units += part;
    }
    const quint64 limit = quint64(std::numeric_limits<qint64>::max()) + (negative ? 1 : 0);
    if (units > limit) {
        return std::nullopt;
    }
    return negative ? qint64(0 - units) : qint64(units);
}

QString FormatCurrency(qint64 units) {
    const quint64 magnitude = units < 0 ? 0 - quint64(units) : quint64(units);
    return QStringLiteral("%1%2.%3")
        .arg(units < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 10000)
        .arg(magnitude % 10000, 4, 10, QLatin1Char('0'));
}

} // namespace

SettingsStore::SettingsStore(const QString& program, const QString& baseFolder) {
    const QString base = baseFolder.isEmpty() ? UserConfigFolder() : baseFolder;
    filePath_ =
        QDir(base).filePath(QStringLiteral("Orvanel/") + program + QStringLiteral("/Params.conf"));
}

QString SettingsStore::UserConfigFolder() {
    const QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    return configured.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : configured;
}

bool SettingsStore::Exists() const {
    return QFileInfo(filePath_).isFile();
}

bool SettingsStore::Load() {
    Clear();
    DataFile file(filePath_);
    if (!QFileInfo(filePath_).isFile() || !file.Open(QIODevice::ReadOnly)) {
        return false;
    }
    const std::optional<QByteArray> bytes = file.ReadAll();
    if (!bytes) {
        return false;
    }
    for (const QByteArray& line : bytes->split('\n')) {
        ParseLine(QString::fromUtf8(line.endsWith('\r') ? line.chopped(1) : line));
    }
    modified_ = false;
    return true;
}

void SettingsStore::ParseLine(const QString& line) {
    if (line.isEmpty() || line.startsWith(u'#')) {
        return;
    }
    const qsizetype blank = line.indexOf(u' ');
    if (blank < 0) {
        return;
    }
    const QStringView kind = QStringView(line).left(blank);
    const QStringView rest = QStringView(line).mid(blank + 1);
    const qsizetype separator = FindSeparator(rest);
    if (separator < 0) {
        return;
    }
    const std::optional<QString> name = Unescape(rest.left(separator));
    const QStringView raw = rest.mid(separator + 1);
    if (!name) {
        return;
    }
    if (kind == kTextWord) {
        if (const auto value = Unescape(raw)) {
            Put(*name, SettingKind::Text, *value);
        }
    } else if (kind == kIntegerWord) {
        if (const auto value = ParseInteger32(raw)) {
            Put(*name, SettingKind::Integer, *value);
        }
    } else if (kind == kCurrencyWord) {
        if (const auto value = ParseCurrency(raw)) {
            Put(*name, SettingKind::Currency, *value);
        }
    }
}

QByteArray SettingsStore::Serialize() const {
    QString text = QStringLiteral("# Orvanel settings, one value a line: kind name=value\n");
    for (const Entry& entry : entries_) {
        QString kind;
        QString value;
        switch (entry.kind) {
        case SettingKind::Text:
            kind = kTextWord;
            value = Escape(std::get<QString>(entry.value), false);
            break;
        case SettingKind::Currency:
            kind = kCurrencyWord;
            value = FormatCurrency(std::get<qint64>(entry.value));
            break;
        default:
            kind = kIntegerWord;
            value = QString::number(std::get<qint32>(entry.value));
            break;
        }
        text += kind + u' ' + Escape(entry.name, true) + u'=' + value + u'\n';
    }
    return text.toUtf8();
}

void SettingsStore::Save() {
    const QString folder = QFileInfo(filePath_).path();
    if (!EnsureFolder(folder)) {
        throw IoError(
            QStringLiteral("Cannot create folder \"%1\"").arg(QDir::toNativeSeparators(folder)));
    }
    WriteFileAtomically(filePath_, Serialize());
    modified_ = false;
}

const SettingsStore::Entry* SettingsStore::Find(const QString& name) const {
    const auto it = index_.constFind(name.toCaseFolded());
    return it == index_.constEnd() ? nullptr : &entries_[*it];
}

void SettingsStore::Put(const QString& name, SettingKind kind, Value value) {
    const QString key = name.toCaseFolded();
    const auto it = index_.constFind(key);
    if (it == index_.constEnd()) {
        index_.insert(key, entries_.size());
        entries_.append(Entry{name, kind, std::move(value)});
    } else {
        Entry& entry = entries_[*it];
        entry.kind = kind;
        entry.value = std::move(value);
    }
    modified_ = true;
}

std::optional<QString> SettingsStore::ReadText(const QString& name) const {
    const Entry* entry = Find(name);
    if (!entry || entry->kind != SettingKind::Text) {
        return std::nullopt;
    }
    return std::get<QString>(entry->value);
}

std::optional<qint32> SettingsStore::ReadInteger(const QString& name) const {
    const Entry* entry = Find(name);
    if (!entry || entry->kind != SettingKind::Integer) {
        return std::nullopt;
    }
    return std::get<qint32>(entry->value);
}

std::optional<bool> SettingsStore::ReadFlag(const QString& name) const {
    const auto value = ReadInteger(name);
    if (!value) {
        return std::nullopt;
    }
    return *value != 0;
}

std::optional<qint64> SettingsStore::ReadCurrency(const QString& name) const {
    const Entry* entry = Find(name);
    if (!entry || entry->kind != SettingKind::Currency) {
        return std::nullopt;
    }
    return std::get<qint64>(entry->value);
}

void SettingsStore::WriteText(const QString& name, const QString& value) {
    Put(name, SettingKind::Text, value);
}

void SettingsStore::WriteInteger(const QString& name, qint32 value) {
    Put(name, SettingKind::Integer, value);
}

void SettingsStore::WriteFlag(const QString& name, bool value) {
    Put(name, SettingKind::Integer, qint32(value ? 1 : 0));
}

void SettingsStore::WriteCurrency(const QString& name, qint64 units) {
    Put(name, SettingKind::Currency, units);
}

bool SettingsStore::Contains(const QString& name) const {
    return Find(name) != nullptr;
}

std::optional<SettingKind> SettingsStore::StoredKind(const QString& name) const {
    const Entry* entry = Find(name);
    if (!entry) {
        return std::nullopt;
    }
    return entry->kind;
}

QStringList SettingsStore::Names() const {
    QStringList names;
    names.reserve(entries_.size());
    for (const Entry& entry : entries_) {
        names.append(entry.name);
    }
    return names;
}

void SettingsStore::Clear() {
    entries_.clear();
    index_.clear();
    modified_ = true;
}

} // namespace kiv5
