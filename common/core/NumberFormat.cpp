#include "common/core/NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kiv5 {
namespace {

// Splits "d.ddd...e±X" of an 18-significant-digit rendering into its digits
// and the position of the decimal point.
struct Digits {
    QByteArray digits; // 18 digits, no point
    int pointPos;      // number of digits before the decimal point (may be <= 0)
};

Digits EighteenDigits(double magnitude) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17e", magnitude);
    const char* e = std::strchr(buf, 'e');
    const int exponent = std::atoi(e + 1);
    QByteArray digits;
    for (const char* p = buf; p < e; ++p) {
        if (*p >= '0' && *p <= '9') {
            digits.append(*p);
        }
    }
    return {digits, exponent + 1};
}

QString Group(const QString& integerPart) {
    QString out;
    const qsizetype n = integerPart.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) {
            out.append(QLatin1Char(','));
        }
        out.append(integerPart[i]);
    }
    return out;
}

struct Pattern {
    int width = 0;
    int precision = -1;
    char conversion = 'f';
};

Pattern ParsePattern(const char* pattern) {
    Pattern p;
    const char* s = pattern;
    if (*s == '%') {
        ++s;
    }
    while (*s >= '0' && *s <= '9') {
        p.width = p.width * 10 + (*s++ - '0');
    }
    if (*s == '.') {
        ++s;
        p.precision = 0;
        while (*s >= '0' && *s <= '9') {
            p.precision = p.precision * 10 + (*s++ - '0');
        }
    }
    if (*s) {
        p.conversion = *s;
    }
    return p;
}

QString Pad(const QString& text, int width) {
    return text.size() >= width ? text : QString(width - text.size(), QLatin1Char(' ')) + text;
}

} // namespace

QString FixedDecimal(double value, int decimals) {
    if (std::isnan(value)) {
        return QStringLiteral("NAN");
    }
    if (std::isinf(value)) {
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    }
    const bool negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    QByteArray whole;    // integer digits
    QByteArray fraction; // exactly `decimals` digits
    if (magnitude == 0.0) {
        whole = "0";
        fraction = QByteArray(decimals, '0');
    } else {
        const Digits d = EighteenDigits(magnitude);
        // Lay the digits out on a fixed grid with the point after `pointPos`.
        QByteArray grid = d.digits;
        int point = d.pointPos;
        if (point <= 0) {
            grid.prepend(QByteArray(1 - point, '0'));
            point = 1;
        }
        const int keep = point + decimals;
        if (grid.size() < keep + 1) {
            grid.append(QByteArray(keep + 1 - grid.size(), '0'));
        }
        QByteArray kept = grid.left(keep);
        if (grid[keep] >= '5') {
            int i = keep - 1;
            while (i >= 0 && kept[i] == '9') {
                kept[i--] = '0';
            }
            if (i >= 0) {
                kept[i] = static_cast<char>(kept[i] + 1);
            } else {
                kept.prepend('1');
                ++point;
            }
        }
        whole = kept.left(point);
        fraction = kept.mid(point);
        while (whole.size() > 1 && whole[0] == '0') {
            whole.remove(0, 1);
        }
    }
    const bool zero = whole.count('0') == whole.size() && fraction.count('0') == fraction.size();
    QString out = QString::fromLatin1(whole);
    if (decimals > 0) {
        out += QLatin1Char('.') + QString::fromLatin1(fraction);
    }
    return (negative && !zero) ? QLatin1Char('-') + out : out;
}

QString FormatNumber(const char* pattern, double value) {
    const Pattern p = ParsePattern(pattern);
    if (p.conversion == 'd') {
        const bool representable = std::isfinite(value) && std::fabs(value) < 9.2e18;
        return FormatInteger(pattern, representable ? static_cast<qint64>(value) : 0);
    }
    QString text = FixedDecimal(value, p.precision < 0 ? 2 : p.precision);
    if (p.conversion == 'n' && std::isfinite(value)) {
        const bool negative = text.startsWith(QLatin1Char('-'));
        QString body = negative ? text.mid(1) : text;
        const qsizetype dot = body.indexOf(QLatin1Char('.'));
        const QString integerPart = dot < 0 ? body : body.left(dot);
        const QString rest = dot < 0 ? QString() : body.mid(dot);
        text = (negative ? QStringLiteral("-") : QString()) + Group(integerPart) + rest;
    }
    return Pad(text, p.width);
}

QString FormatInteger(const char* pattern, qint64 value) {
    const Pattern p = ParsePattern(pattern);
    QString digits = QString::number(value < 0 ? -value : value);
    if (p.precision > 0 && digits.size() < p.precision) {
        digits = QString(p.precision - digits.size(), QLatin1Char('0')) + digits;
    }
    if (value < 0) {
        digits.prepend(QLatin1Char('-'));
    }
    return Pad(digits, p.width);
}

QString FormatMoney(double value) {
    return FormatNumber("%12.2n", value).trimmed();
}

QString ShortestDecimal(double value) {
    if (!std::isfinite(value)) {
        return std::isnan(value) ? QStringLiteral("NAN")
                                 : (value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF"));
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    QString text = QString::fromLatin1(buf);
    const qsizetype e = text.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        // 1e+20 -> 1E20, 1.5e-07 -> 1.5E-7
        QString mantissa = text.left(e);
        int exponent = text.mid(e + 1).toInt();
        text = mantissa + QLatin1Char('E') + QString::number(exponent);
    }
    if (text == QLatin1String("-0")) {
        text = QStringLiteral("0");
    }
    return text;
}

qint64 MoneyToUnits(double amount) {
    const double units = amount * 10000.0;
    // A value beyond what the field holds cannot come from a typed amount.
    if (!std::isfinite(units) || std::fabs(units) >= 9.2e18) {
        return 0;
    }
    return std::llround(units);
}

double UnitsToMoney(qint64 units) {
    return static_cast<double>(units) / 10000.0;
}

QString FormatMoneyUnits(qint64 units) {
    // Whole cents need no rounding; anything else (and the extremes, whose
    // negation would overflow) takes the general way.
    if (units % 100 != 0 || units <= -(qint64{1} << 62) || units >= (qint64{1} << 62)) {
        return FormatMoney(UnitsToMoney(units));
    }
    const qint64 cents = (units < 0 ? -units : units) / 100;
    const QString whole = QString::number(cents / 100);
    const int fraction = static_cast<int>(cents % 100);
    QString text;
    text.reserve(whole.size() + whole.size() / 3 + 4);
    if (units < 0) {
        text += QLatin1Char('-');
    }
    text += Group(whole);
    text += QLatin1Char('.');
    text += QLatin1Char(static_cast<char>('0' + fraction / 10));
    text += QLatin1Char(static_cast<char>('0' + fraction % 10));
    return text;
}

} // namespace kiv5
