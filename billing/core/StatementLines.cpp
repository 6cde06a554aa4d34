#include "billing/core/StatementLines.h"

#include "clientdb/core/WrapText.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace kiv5::billing {

QString StatementFontFamily() {
    const QString arialNarrow = QStringLiteral("Arial Narrow");
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr ||
        QFontDatabase::hasFamily(arialNarrow)) {
        return arialNarrow;
    }
    const QString twin = QStringLiteral("Liberation Sans Narrow");
    return QFontDatabase::hasFamily(twin) ? twin : arialNarrow;
}

QStringList StatementDescriptionLines(const QString& description) {
    // The stored text is one paragraph: its breaks are " | ".
    return WrapParagraph(description, StatementFontFamily(), kStatementPointSize,
                         kStatementColumnPixels);
}

} // namespace kiv5::billing
