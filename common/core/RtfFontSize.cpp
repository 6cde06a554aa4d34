#include "common/core/RtfFontSize.h"

#include "common/core/Misc.h"

namespace kiv5 {
namespace {

const QLatin1String kFontSize("\\fs");

bool EndsNumber(QChar c) {
    switch (c.unicode()) {
    case '\\':
    case ' ':
    case '{':
    case '}':
    case '\r':
    case '\n':
        return true;
    default:
        return false;
    }
}

bool IsEscaped(const QString& text, qsizetype pos) {
    qsizetype backslashes = 0;
    while (pos - backslashes - 1 >= 0 && text[pos - backslashes - 1] == QLatin1Char('\\')) {
        ++backslashes;
    }
    return backslashes % 2 == 1;
}

} // namespace

bool IsFontSizeControlAt(const QString& text, qsizetype pos) {
    if (pos < 0 || pos + 3 >= text.size()) {
        return false;
    }
    return QStringView(text).sliced(pos, 3) == kFontSize && text[pos + 3].isDigit() &&
           text[pos + 3].unicode() < 0x80 && !IsEscaped(text, pos);
}

std::optional<int> GetNumFromText(const QString& text, qsizetype start, const ErrorSink& errors) {
    if (start < 0 || start >= text.size() - 3) {
        errors.ErrorWindow(21070);
        return std::nullopt;
    }
    qsizetype end = start;
    while (end < text.size() && !EndsNumber(text[end])) {
        ++end;
    }
    const auto number = TryParseInteger(text.sliced(start, end - start));
    if (!number) {
        errors.ErrorWindow(21060);
    }
    return number;
}

void SetCurrentFontSizeInTwips(const QString& text, qsizetype pos, int& current,
                               const ErrorSink& errors) {
    if (const auto size = GetNumFromText(text, pos + 3, errors)) {
        current = *size;
    }
}

std::optional<qsizetype> LastFontSizeControlBefore(const QString& text, qsizetype pos) {
    qsizetype from = pos - 1;
    while (from >= 0) {
        const qsizetype at = text.lastIndexOf(kFontSize, from);
        if (at < 0) {
            break;
        }
        if (IsFontSizeControlAt(text, at)) {
            return at;
        }
        from = at - 1;
    }
    return std::nullopt;
}

} // namespace kiv5
