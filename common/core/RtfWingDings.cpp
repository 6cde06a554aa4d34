#include "common/core/RtfWingDings.h"

namespace kiv5 {
namespace {

constexpr qsizetype kMaxFontNameLength = 100;

// "\f" + 1 to 3 digits at i: the digits, else empty.
QString FontNumberAt(const QString& text, qsizetype i) {
    if (i + 2 >= text.size() || text[i] != QLatin1Char('\\') || text[i + 1] != QLatin1Char('f')) {
        return {};
    }
    qsizetype end = i + 2;
    while (end < text.size() && end - (i + 2) < 4 && text[end] >= QLatin1Char('0') &&
           text[end] <= QLatin1Char('9')) {
        ++end;
    }
    const qsizetype digits = end - (i + 2);
    return digits >= 1 && digits <= 3 ? text.sliced(i + 2, digits) : QString();
}

QString FontNameAfter(const QString& text, qsizetype i) {
    const qsizetype limit = qMin(text.size(), i + kMaxFontNameLength);
    qsizetype end = i;
    while (end < limit && text[end] != QLatin1Char(';')) {
        ++end;
    }
    return text.sliced(i, end - i);
}

} // namespace

QString GetWingDingStr(const QString& page) {
    if (!page.contains(QLatin1String("Wingdings"), Qt::CaseInsensitive)) {
        return {};
    }
    const qsizetype table = page.indexOf(QLatin1String("fonttbl"));
    if (table < 0) {
        return {};
    }
    // Only the font table's own group, which the "{" before "\fonttbl" opens.
    int depth = 1;
    for (qsizetype i = table + 7; i < page.size() && depth > 0; ++i) {
        const QChar c = page[i];
        if (c == QLatin1Char('{')) {
            ++depth;
        } else if (c == QLatin1Char('}')) {
            --depth;
        } else if (const QString number = FontNumberAt(page, i); !number.isEmpty()) {
            const qsizetype nameStart = i + 2 + number.size();
            if (FontNameAfter(page, nameStart).toUpper().contains(QLatin1String("WINGDINGS"))) {
                return QLatin1String("\\f") + number + QLatin1Char(' ');
            }
        }
    }
    return {};
}

} // namespace kiv5
