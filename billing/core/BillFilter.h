#pragma once

// The ten criteria of the bill filter and the test each bill row must pass.
// An empty criterion tests nothing. Every criterion is read before any row
// is looked at, so a criterion that does not read refuses the whole filter.

#include "common/core/FilterDate.h"
#include "common/core/RecordTable.h"

#include <QString>
#include <optional>

namespace kiv5::billing {

struct BillFilterRec {
    QString ClientNo;       // max 8
    QString FullName;       // max 64
    QString Date;           // max 10: YYYY, MM/YYYY or a full date
    QString BalanceForward; // max 16, as typed
    QString Description;    // max 32
    QString Amount;         // max 16, as typed
    QString ISPath;         // max 128
    QString Note;           // max 255
    QString Interest;       // max 1: "Y" or "N"
    QString Rate;           // max 8, compared as text

    bool operator==(const BillFilterRec&) const = default;
    bool IsEmpty() const { return *this == BillFilterRec{}; }
};

// Each field cut to its maximum.
BillFilterRec CutBillFilterRec(BillFilterRec criteria);

// The criteria as the row test uses them.
struct BillFilter {
    BillFilterRec criteria; // cut, texts as typed
    FilterDate date;
    std::optional<qint64> balanceForward; // amount x 10000
    std::optional<qint64> amount;         // amount x 10000
};

// Reads every criterion. Throws ConversionError with one message naming the
// first criterion that does not read (a date that is not YYYY, MM/YYYY or a
// date; an amount that is no number or beyond the money range; an interest
// other than "Y" or "N").
BillFilter ParseBillFilter(const BillFilterRec& criteria);

// Whether the row passes every criterion. A money cell that does not read
// fails its criterion.
bool PassesBillFilter(const RecordTable& table, int row, const BillFilter& filter);

} // namespace kiv5::billing
