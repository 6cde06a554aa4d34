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

// The test every record row must pass, read from the criteria once per
// filter. Throws ConversionError when the date criterion does not read.
class LedgerFilterTest {
public:
    explicit LedgerFilterTest(const FilterRec& criteria);

    // Whether the row passes every criterion.
    bool Passes(const RecordTable& table, int row) const;

private:
    FilterText number_;
    FilterText client_;
    FilterText party_;
    FilterText description_;
    FilterText code_;
    FilterDate date_;
    // Category and account hold the cell: the criterion is a choice.
    FilterText category_;
    FilterText account_;
    QString amount_;
};

} // namespace kiv5::books
