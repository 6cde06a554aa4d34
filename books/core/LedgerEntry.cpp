#include "books/core/LedgerEntry.h"

#include "books/core/LedgerLayout.h"
#include "common/core/Misc.h"
#include "common/core/NumberFormat.h"

namespace kiv5::books {
namespace {

const QString kClientSeparator = QStringLiteral(" - ");

} // namespace

LedgerEntry EntryOfRow(const RecordTable& table, int row) {
    const QStringList& cells = table.Row(row);
    LedgerEntry entry;
    entry.number = cells[LedgerColumn::Number];
    entry.date = TryParseDateTime(cells[LedgerColumn::Date]);
    entry.client = cells[LedgerColumn::ClientNo];
    entry.party = cells[LedgerColumn::Party];
    entry.description = cells[LedgerColumn::Description];
    entry.category = cells[LedgerColumn::Category];
    entry.account = cells[LedgerColumn::Account];
    entry.code = cells[LedgerColumn::Code];
    entry.amount = cells[LedgerColumn::Amount];
    return entry;
}

void ApplyEntryToRow(RecordTable& table, int row, const LedgerEntry& entry) {
    QStringList& cells = table.Row(row);
    cells[LedgerColumn::Number] = entry.number;
    cells[LedgerColumn::Date] = entry.date ? FormatShortDate(*entry.date) : QString();
    cells[LedgerColumn::ClientNo] = ClientNumberOfText(entry.client);
    cells[LedgerColumn::Party] = entry.party;
    cells[LedgerColumn::Description] = entry.description;
    cells[LedgerColumn::Category] = entry.category;
    cells[LedgerColumn::Account] = entry.account;
    cells[LedgerColumn::Code] = entry.code.left(1);
    cells[LedgerColumn::Amount] = entry.amount;
}

QString ClientNumberOfText(const QString& text) {
    const qsizetype at = text.indexOf(kClientSeparator);
    if (at < 0) {
        return text.trimmed();
    }
    return text.mid(at + kClientSeparator.size()).left(64);
}

QString PartyOfClientText(const QString& text) {
    const qsizetype at = text.indexOf(kClientSeparator);
    return at < 0 ? QString() : text.left(at);
}

int ClientItemOf(const QStringList& items, const QString& clientNo) {
    const QString wanted = clientNo.trimmed();
    if (wanted.isEmpty()) {
        return -1;
    }
    for (qsizetype i = items.size() - 1; i >= 0; --i) {
        const qsizetype at = items[i].indexOf(kClientSeparator);
        if (at >= 0 &&
            items[i].mid(at + kClientSeparator.size()).compare(wanted, Qt::CaseInsensitive) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int AccountItemOf(const QStringList& items, const QString& name) {
    return static_cast<int>(items.lastIndexOf(name));
}

std::optional<PartyFill> EarlierPartyRow(const RecordTable& table, int current,
                                         const QString& party) {
    for (int row = qMin(current, table.RowCount()) - 1; row >= 1; --row) {
        if (table.Cell(row, LedgerColumn::Party).compare(party, Qt::CaseInsensitive) == 0) {
            return PartyFill{
                table.Cell(row, LedgerColumn::Description), table.Cell(row, LedgerColumn::Category),
                table.Cell(row, LedgerColumn::Amount), table.Cell(row, LedgerColumn::Account)};
        }
    }
    return std::nullopt;
}

QString ReformatAmount(const QString& text, const ErrorSink& errors) {
    return FormatMoney(Str2Float_2(text, errors));
}

bool IsAmountCharacter(QChar c) {
    return c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-');
}

} // namespace kiv5::books
