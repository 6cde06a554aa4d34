#include "common/core/Misc.h"

#include "common/core/Exceptions.h"
#include "common/core/NumberFormat.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace kiv5 {
namespace {

// Replaces occurrences one at a time, each search starting again from the
// start; the replacements never contain what is searched, so this ends.
QString ReplaceEach(QString text, QLatin1StringView what, QLatin1StringView with) {
    qsizetype at = text.indexOf(what);
    while (at >= 0) {
        text.replace(at, what.size(), with);
        at = text.indexOf(what, at + with.size());
    }
    return text;
}

const std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                             "May",       "June",     "July",     "August",
                                             "September", "October",  "November", "December"};

} // namespace

QString RemoveCommasAndSigns(const QString& text) {
    QString out;
    out.reserve(text.size() + 1);
    bool negative = false;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '(':
        case '-':
            negative = true;
            break;
        case ' ':
        case '$':
        case ')':
        case ',':
            break;
        default:
            out.append(c);
        }
    }
    return negative ? QLatin1Char('-') + out : out;
}

std::optional<double> TryParseFloat(const QString& text) {
    // Strict decimal syntax, independent of the user's locale: blanks around,
    // an optional sign, digits with an optional point, an optional exponent.
    QByteArray latin;
    latin.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() > 127) {
            return std::nullopt;
        }
        latin.append(static_cast<char>(c.unicode()));
    }
    const char* p = latin.constData();
    const char* end = p + latin.size();
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (p < end && isBlank(*p)) {
        ++p;
    }
    while (end > p && isBlank(end[-1])) {
        --end;
    }
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    const char* q = p;
    int digits = 0;
    while (q < end && *q >= '0' && *q <= '9') {
        ++q, ++digits;
    }
    if (q < end && *q == '.') {
        ++q;
        while (q < end && *q >= '0' && *q <= '9') {
            ++q, ++digits;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (q < end && (*q == 'e' || *q == 'E')) {
        ++q;
        if (q < end && (*q == '+' || *q == '-')) {
            ++q;
        }
        const char* exponent = q;
        while (q < end && *q >= '0' && *q <= '9') {
            ++q;
        }
        if (q == exponent) {
            return std::nullopt;
        }
    }
    if (q != end) {
        return std::nullopt;
    }
    double value = 0;
    const auto result = std::from_chars(p, end, value);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

double ParseFloat(const QString& text) {
    const auto value = TryParseFloat(text);
    if (!value) {
        throw ConversionError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
    return *value;
}

std::optional<int> TryParseInteger(const QString& text) {
    // Leading blanks, an optional sign, digits; nothing after them.
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' ')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1) {
            return std::nullopt;
        }
    }
    value = negative ? -value : value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

int ParseInteger(const QString& text) {
    const auto value = TryParseInteger(text);
    if (!value) {
        throw ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
    return *value;
}

double Str2Float_P(const QString& text, const ErrorSink& errors) {
    const QString cleaned = RemoveCommasAndSigns(text.isEmpty() ? QStringLiteral("0.00") : text);
    if (const auto value = TryParseFloat(cleaned)) {
        return *value;
    }
    errors.ErrorWindow(21182);
    return 0.0;
}

double RoundTo2(double value) {
    const auto rounded = TryParseFloat(FixedDecimal(value, 2));
    return rounded ? *rounded : 0.0;
}

double Str2Float_2(const QString& text, const ErrorSink& errors) {
    const QString cleaned = RemoveCommasAndSigns(text.isEmpty() ? QStringLiteral("0.00") : text);
    if (const auto value = TryParseFloat(cleaned)) {
        return RoundTo2(*value);
    }
    errors.ErrorWindow(21202);
    return 0.0;
}

double MakeReal(const QString& text, int& CCount, const ErrorSink& errors) {
    if (CCount < 1 || CCount + 2 > text.size()) {
        errors.ErrorWindow(21030);
        return 0.0;
    }
    const QChar first = text[CCount - 1];
    QString integerPart;
    if (first >= QLatin1Char('A') && first <= QLatin1Char('Z')) {
        integerPart = QString::number(first.unicode() - 55);
    } else if (first >= QLatin1Char('a') && first <= QLatin1Char('z')) {
        integerPart = QString::number(first.unicode() - 61);
    } else {
        integerPart = first;
    }
    const QString number = integerPart + QLatin1Char('.') + text[CCount] + text[CCount + 1];
    CCount += 3;
    return Str2Float_P(number, errors);
}

QString MonthName(int month) {
    if (month < 1 || month > 12) {
        return {};
    }
    return QString::fromLatin1(kMonths[static_cast<std::size_t>(month - 1)]);
}

QString MonthName(DayCount date) {
    const auto d = DayCountToDate(date);
    return d ? MonthName(d->month()) : QString();
}

QString MakeTextDate(DayCount date) {
    const auto d = DayCountToDate(date);
    if (!d) {
        return {};
    }
    return QStringLiteral("%1 %2, %3").arg(MonthName(d->month())).arg(d->day()).arg(d->year());
}

QString MakeTextDate(const QString& shortDate) {
    if (shortDate.isEmpty()) {
        return {};
    }
    const auto value = TryParseDateTime(shortDate);
    return value ? MakeTextDate(*value) : QString();
}

QString SlashAtEnd(const QString& path) {
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

QString StripExtension(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

static qsizetype LastSeparator(const QString& name) {
    return std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
}

QString FileNamePart(const QString& name) {
    return name.mid(LastSeparator(name) + 1);
}

QString FolderPart(const QString& name) {
    return name.left(LastSeparator(name) + 1);
}

QString TrimStr(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' ')) {
        --end;
    }
    return text.left(end);
}

QString TrimLeadSpaces(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text[start] == QLatin1Char(' ')) {
        ++start;
    }
    return text.mid(start);
}

QString RemoveHyphens(const QString& text) {
    QString out = text;
    out.remove(QLatin1Char('-'));
    return out;
}

QString RemoveCRLFWithPipe(const QString& text) {
    return ReplaceEach(text, QLatin1StringView("\r\n"), QLatin1StringView(" | "));
}

QString RestoreCRLFFromPipe(const QString& text) {
    return ReplaceEach(text, QLatin1StringView(" | "), QLatin1StringView("\r\n"));
}

QString RemoveTabWithTilde(const QString& text) {
    return ReplaceEach(text, QLatin1StringView("\t"), QLatin1StringView(" ~ "));
}

} // namespace kiv5
