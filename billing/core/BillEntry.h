#pragma once

// The entry form's view of a bill row, the rules that turn the form's texts
// back into row cells, and the exact client match between a bill's client
// number and the client list.

#include "billing/core/TBillRec.h"
#include "common/core/DateTime.h"
#include "common/core/ErrorSink.h"
#include "common/core/RecordTable.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace kiv5::billing {

inline constexpr int kClientNoLength = 8;
inline constexpr int kFullNameLength = 64;
inline constexpr int kDescriptionLength = 64;
inline constexpr int kISPathLength = 128;
inline constexpr int kNoteLength = 255;
inline constexpr int kMoneyFieldLength = 32;

struct BillEntry {
    // A client list item "Last, First - Number", or a number as typed, or
    // the stored number shown when no item matches it.
    QString client;
    // False while the client field shows what the row holds: the stored
    // number is then kept as it stands.
    bool clientEdited = false;
    QString fullName;
    // None: no last billing date, and the bill cannot be saved.
    std::optional<DayCount> lastBill;
    QString balanceForward;
    std::array<QString, kBillLines> description;
    std::array<QString, kBillLines> amount;
    std::array<QString, kBillLines> isPath;
    // With line breaks; stored with " | " in their place.
    QString note;
    bool interest = false;
    QString interestRate;
    // Display only: the row's record number.
    QString recNo;
};

// The row as the form shows it: the client field holds the stored number,
// the note its line breaks again.
BillEntry EntryOfBillRow(const RecordTable& table, int row);

// What in an entry cannot be stored, checked before anything is copied:
// 11060 for no last billing date, 21202 for a money text that does not read
// or does not fit (21182 for the rate), and a message for a statement path
// over 128 characters. Code 0 and no message: the entry can be saved.
struct EntryCheck {
    int code = 0;
    QString message;
    bool Passed() const { return code == 0 && message.isEmpty(); }
};
EntryCheck CheckBillEntry(const BillEntry& entry);

// Copies a checked entry into columns 1-37 of the row: the client number of
// the client text (or the stored one when the field was not edited), texts
// without tabs and cut to their fields, money reformatted, the note with
// " | " for its line breaks.
void ApplyBillEntry(RecordTable& table, int row, const BillEntry& entry);

// The client number of a client text: with " - ", the text after the last
// " - "; without, the text itself; trimmed and cut to 8 either way.
QString ClientNumberOfText(const QString& text);
// What precedes the last " - " of a client text (the name of a list item,
// whatever its number); empty without one. Fills an empty full name when
// the client field is left.
QString NameOfClientText(const QString& text);

// Whether two client numbers are equal, ASCII letters compared without
// regard to case, every other character exactly.
bool SameClientNumber(const QString& a, const QString& b);
// The key two numbers equal by SameClientNumber share.
QString ClientNumberKey(const QString& clientNo);

// Text as a bill field stores it: tabs become blanks, so exports and
// backups keep their columns.
QString WithoutTabs(const QString& text);

// Whether a rate text lies above 0 and below 1 (the form reports 9999).
bool IsFractionalRate(const QString& text);

} // namespace kiv5::billing
