#pragma once

// The records of the next periodic billing file: each printed bill carried
// into the new period with its balance due as balance forward.

#include "billing/core/TBillRec.h"
#include "common/core/DateTime.h"

#include <optional>

namespace kiv5::billing {

// The balance due as the balance-forward field holds it (x 10000,
// rounded); none when it is not a finite amount the field can hold.
std::optional<qint64> CarriedBalanceUnits(double balanceDue);

// The bill of the next period at 1-based position `position`: marked,
// client number and name, statement paths, interest and rate copied;
// LastBill the billing date; the balance forward given; descriptions, amounts
// and note empty; both stamps 0; RecNo the position; status 0.
TBillRec NextPeriodBill(const TBillRec& printed, DayCount billDate, qint64 balanceForwardUnits,
                        int position);

} // namespace kiv5::billing
