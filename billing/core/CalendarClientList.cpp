#include "billing/core/CalendarClientList.h"

#include "books/core/ClientList.h"

namespace kiv5::billing {
namespace {

const QString kSeparator = QStringLiteral(" - ");

QString AsciiUpper(const QString& text) {
    QString upper = text;
    for (QChar& c : upper) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            c = QChar(c.unicode() - 'a' + 'A');
        }
    }
    return upper;
}

} // namespace

QStringList ReadSelectorClients(const QString& pl5Directory, const QString& pl5FileName,
                                const std::function<void(int percent)>& progress) {
    if (!books::HasLinkedClientFile(pl5Directory, pl5FileName)) {
        return {};
    }
    QStringList entries =
        books::ReadClientList(books::LinkedClientFile(pl5Directory, pl5FileName), progress);
    entries.sort();
    return entries;
}

QString ClientNumberOfEntry(const QString& entry) {
    const qsizetype at = entry.indexOf(kSeparator);
    return at < 0 ? QString() : entry.mid(at + kSeparator.size());
}

int IndexOfClient(const QStringList& entries, const QString& clientNo) {
    if (clientNo.isEmpty()) {
        return -1;
    }
    const QString wanted = AsciiUpper(clientNo);
    for (int k = static_cast<int>(entries.size()) - 1; k >= 0; --k) {
        if (AsciiUpper(ClientNumberOfEntry(entries[k])) == wanted) {
            return k;
        }
    }
    return -1;
}

} // namespace kiv5::billing
