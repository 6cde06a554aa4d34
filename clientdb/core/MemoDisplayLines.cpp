#include "clientdb/core/MemoDisplayLines.h"

#include "clientdb/core/WrapText.h"
#include "common/core/Misc.h"

namespace kiv5 {

QString MemoDisplayFontFamily() {
    return QStringLiteral("Arial");
}

QStringList MemoDisplayLines(const QString& encodedMemo) {
    if (encodedMemo.isEmpty()) {
        return {};
    }
    return WrapText(RestoreCRLFFromPipe(encodedMemo), MemoDisplayFontFamily(),
                    kMemoDisplayPointSize, kMemoDisplayWidth);
}

} // namespace kiv5
