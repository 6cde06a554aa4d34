#include "common/core/RtfChaining.h"

namespace kiv5 {
namespace {

const QLatin1String kHeaderMarker("\\'b7");

void ChopTrailing(QString& text, QLatin1String characters) {
    qsizetype end = text.size();
    while (end > 0 && characters.contains(text[end - 1])) {
        --end;
    }
    text.truncate(end);
}

void ChopClosingBrace(QString& text) {
    if (text.endsWith(QLatin1Char('}'))) {
        text.chop(1);
    }
}

} // namespace

bool HasRtfHeaderMarker(const QString& page) {
    return page.contains(kHeaderMarker);
}

QString StripRTFHeader(const QString& page) {
    const qsizetype at = page.indexOf(kHeaderMarker);
    return at < 0 ? page : page.sliced(at + kHeaderMarker.size());
}

void AppendRtfPage(QString& MainBuf2, const QString& filledPage) {
    QString body = QLatin1String("\\page ") + StripRTFHeader(filledPage);
    ChopTrailing(body, QLatin1String("\r\n "));
    ChopClosingBrace(body);
    ChopTrailing(MainBuf2, QLatin1String("\r\n '"));
    ChopClosingBrace(MainBuf2);
    MainBuf2 += body;
    MainBuf2 += QLatin1Char('}');
}

} // namespace kiv5
