#pragma once

// The nine criteria of a ledger filter and the test each record row must
// pass. An empty criterion tests nothing.

#include "common/core/FilterDate.h"
#include "common/core/RecordTable.h"

#include <QString>

namespace kiv5::books {

struct FilterRec {
    QString RexNo;       // max 8
    QString Date;        // max 10: YYYY, MM/YYYY or a full date
    QString ClientNo;    // max 8
    QString Payxx;       // max 64
    QString Description; // max 64
    QString Category;    // max 128, names joined by "|"
    QString Account;     // max 128
    QString Code;        // max 1
    QString Amount;      // max 16, as typed

    bool operator==(const FilterRec&) const = default;
};

// Each field cut to its maximum.
FilterRec CutFilterRec(FilterRec criteria);

// Whether the row passes every criterion.
bool PassesFilter(const RecordTable& table, int row, const FilterRec& criteria,
                  const FilterDate& date);

} // namespace kiv5::books
