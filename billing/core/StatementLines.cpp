#include "billing/core/StatementLines.h"

#include "clientdb/core/WrapText.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace kiv5::billing {

namespace {

QString InstalledStatementFamily() {
    const QString arialNarrow = QStringLiteral("Arial Narrow");
    if (QFontDatabase::hasFamily(arialNarrow)) {
        return arialNarrow;
    }
    const QString twin = QStringLiteral("Liberation Sans Narrow");
    return QFontDatabase::hasFamily(twin) ? twin : arialNarrow;
}

} // namespace

QString StatementFontFamily() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return QStringLiteral("Arial Narrow");
    }
    // The installed fonts stay as they are while the program runs; asking
    // the font database for every description cost more than the wrapping.
    static const QString family = InstalledStatementFamily();
    return family;
}

QStringList StatementDescriptionLines(const QString& description) {
    // The stored text is one paragraph: its breaks are " | ".
    return WrapParagraph(description, StatementFontFamily(), kStatementPointSize,
                         kStatementColumnPixels);
}

} // namespace kiv5::billing
