#pragma once

// The entry form's view of a ledger row, and the rules that turn the form's
// texts into row cells: the client number behind a client list item, the
// list item that shows a stored client or account, and the values an
// earlier row of the same payor or payee suggests.

#include "common/core/DateTime.h"
#include "common/core/ErrorSink.h"
#include "common/core/RecordTable.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace kiv5::books {

struct LedgerEntry {
    QString number;
    // Empty: no date was given, and the record cannot be saved.
    std::optional<DayCount> date;
    // A client list item "Last, First - Number" or a number as typed.
    QString client;
    QString party;
    QString description;
    QString category;
    QString account;
    QString code;
    QString amount;
};

// The row as the entry form shows it (the client field holds the stored
// number; the form picks the list item).
LedgerEntry EntryOfRow(const RecordTable& table, int row);

// Copies the form into columns 1-9 of the row: the client number from the
// client text, the code cut to its first character.
void ApplyEntryToRow(RecordTable& table, int row, const LedgerEntry& entry);

// The client number of a client text: what follows the first " - " (at most
// 64 characters), or the whole text trimmed when it holds no " - ".
QString ClientNumberOfText(const QString& text);
// The name part of a client list item: what precedes the first " - ";
// empty when there is none.
QString PartyOfClientText(const QString& text);

// The client list item whose number equals clientNo, ignoring letter case
// (the last such item); -1 when none does or clientNo is empty.
int ClientItemOf(const QStringList& items, const QString& clientNo);
// The item equal to name; -1 when none is.
int AccountItemOf(const QStringList& items, const QString& name);

// What an earlier row of the same payor or payee fills in.
struct PartyFill {
    QString description;
    QString category;
    QString amount;
    QString account;
};

// The nearest row above `current` whose party equals `party` ignoring
// letter case, hidden rows included.
std::optional<PartyFill> EarlierPartyRow(const RecordTable& table, int current,
                                         const QString& party);

// "1234.5" -> "1,234.50": the amount field after it is left; a text that
// is no number reports 21202 and gives "0.00".
QString ReformatAmount(const QString& text, const ErrorSink& errors);

// Whether a key's text may go into the amount field: digits, ".", "-".
bool IsAmountCharacter(QChar c);

} // namespace kiv5::books
