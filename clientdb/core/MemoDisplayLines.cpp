#include "clientdb/core/MemoDisplayLines.h"

#include "clientdb/core/WrapText.h"

namespace kiv5 {

QString MemoDisplayFontFamily() {
    return QStringLiteral("Arial");
}

QStringList MemoDisplayLines(const QString& encodedMemo) {
    if (encodedMemo.isEmpty()) {
        return {};
    }
    // The box gets the memo as stored, its line breaks encoded as " | ", so
    // the lines run on across them.
    return WrapText(encodedMemo, MemoDisplayFontFamily(), kMemoDisplayPointSize, kMemoDisplayWidth);
}

} // namespace kiv5
