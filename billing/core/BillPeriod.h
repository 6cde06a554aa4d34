#pragma once

// Which dated lines a bill covers: those dated after the bill's last billing
// date and not after the bill date, compared by whole days. Payments,
// charges and statement lines alike; a bill dated before the day it is
// printed therefore leaves later lines to the next period.

#include "billing/core/TBillRec.h"
#include "common/core/DateTime.h"

#include <cmath>
#include <optional>

namespace kiv5::billing {

struct BillPeriod {
    DayCount since = 0;            // exclusive
    std::optional<DayCount> until; // inclusive; none: no end

    bool Contains(double date) const {
        const double day = std::floor(date);
        return day > std::floor(since) && (!until || day <= std::floor(*until));
    }
};

inline BillPeriod PeriodOfBill(const TBillRec& bill, DayCount billDate) {
    return BillPeriod{bill.LastBill, billDate};
}

} // namespace kiv5::billing
