#include "common/core/RtfVariableCode.h"

namespace kiv5 {
namespace {

qsizetype SkipLineBreaks(const QString& text, qsizetype i) {
    while (i < text.size() && (text[i] == QLatin1Char('\r') || text[i] == QLatin1Char('\n'))) {
        ++i;
    }
    return i;
}

bool IsDigitAt(const QString& text, qsizetype i) {
    return i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9');
}

} // namespace

bool IsVariableCodeType(QChar c) {
    switch (c.unicode()) {
    case '*':
    case '$':
    case '%':
    case '#':
    case '&':
    case '@':
    case '^':
    case '<':
    case '+':
        return true;
    default:
        return false;
    }
}

std::optional<RtfVariableCode> ReadVariableCodeAt(const QString& text, qsizetype pos) {
    if (pos < 0 || pos >= text.size() || text[pos] != QLatin1Char('/')) {
        return std::nullopt;
    }
    qsizetype i = SkipLineBreaks(text, pos + 1);
    if (i >= text.size() || !IsVariableCodeType(text[i])) {
        return std::nullopt;
    }
    RtfVariableCode code;
    code.Start = pos;
    code.Type = text[i];
    int digits = 0;
    i = SkipLineBreaks(text, i + 1);
    while (IsDigitAt(text, i)) {
        if (++digits > 3) {
            return std::nullopt;
        }
        code.Slot = code.Slot * 10 + (text[i].unicode() - '0');
        i = SkipLineBreaks(text, i + 1);
    }
    if (digits == 0 || i >= text.size() || text[i] != QLatin1Char('/')) {
        return std::nullopt;
    }
    code.End = i + 1;
    return code;
}

QString MakeVariableCode(QChar type, int slot) {
    return QLatin1Char('/') + type + QString::number(slot) + QLatin1Char('/');
}

} // namespace kiv5
