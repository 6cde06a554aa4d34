#include "common/core/RtfEscape.h"

#include "common/core/Cp1252.h"

namespace kiv5 {
namespace {

bool IsControlCharacter(char16_t u) {
    return u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0);
}

void AppendHexByte(QString& out, unsigned char byte) {
    static const char kHex[] = "0123456789abcdef";
    out += QLatin1String("\\'");
    out += QLatin1Char(kHex[byte >> 4]);
    out += QLatin1Char(kHex[byte & 0x0F]);
}

void AppendUnicode(QString& out, char16_t u) {
    out += QLatin1String("\\u");
    out += QString::number(static_cast<qint16>(u));
    out += QLatin1Char('?');
}

} // namespace

QString EscapeRtf(const QString& text) {
    QString out;
    out.reserve(text.size() + text.size() / 4);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (IsControlCharacter(u)) {
            continue;
        }
        if (u == '\\' || u == '{' || u == '}') {
            out += QLatin1Char('\\');
            out += c;
        } else if (u < 0x80) {
            out += c;
        } else if (const unsigned char byte = Cp1252Byte(c); byte != '?') {
            AppendHexByte(out, byte);
        } else {
            // Each half of a surrogate pair is its own \u, as RTF readers expect.
            AppendUnicode(out, u);
        }
    }
    return out;
}

} // namespace kiv5
