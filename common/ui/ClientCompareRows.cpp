#include "common/ui/ClientCompareRows.h"

namespace kiv5::ui {

const QStringList& ClientCompareCaptions() {
    static const QStringList captions = {
        QStringLiteral("Client No.:"),  QStringLiteral("Last Name:"),
        QStringLiteral("First Name:"),  QStringLiteral("Company:"),
        QStringLiteral("Address:"),     QStringLiteral("Adrs Line 2:"),
        QStringLiteral("City/St/ZIP:"), QStringLiteral("Telephone:"),
        QStringLiteral("Cell:"),        QStringLiteral("Fax:"),
        QStringLiteral("eMail:"),       QStringLiteral("Note 1:"),
        QStringLiteral("Note 2:"),      QStringLiteral("Memo:")};
    return captions;
}

QString MakeCityStateZip(const QString& city, const QString& stateAbbreviation,
                         const QString& zipCode) {
    return city + QStringLiteral(", ") + stateAbbreviation + QStringLiteral("  ") + zipCode;
}

QList<CompareRow> MakeClientCompareRows(const QStringList& values) {
    const QStringList& captions = ClientCompareCaptions();
    QList<CompareRow> rows;
    for (qsizetype i = 0; i < captions.size(); ++i)
        rows.append({captions[i], values.value(i), i == captions.size() - 1});
    return rows;
}

} // namespace kiv5::ui
