#include "billing/core/RemoveLineBreaksWithPipe.h"

#include "common/core/Misc.h"

namespace kiv5::billing {

QString RemoveLineBreaksWithPipe(const QString& text) {
    QString out = RemoveCRLFWithPipe(text);
    if (out.contains(QLatin1Char('\n')) || out.contains(QLatin1Char('\r'))) {
        out.replace(QLatin1Char('\n'), QLatin1String(" | "));
        out.replace(QLatin1Char('\r'), QLatin1String(" | "));
    }
    return out;
}

} // namespace kiv5::billing
