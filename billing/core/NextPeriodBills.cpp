#include "billing/core/NextPeriodBills.h"

#include <cmath>

namespace kiv5::billing {
namespace {

// What a 64-bit count of ten-thousandths holds, with room for rounding; the
// same bound every money field of a bill is read with.
constexpr double kLargestAmount = 9.2e14;

} // namespace

std::optional<qint64> CarriedBalanceUnits(double balanceDue) {
    if (!std::isfinite(balanceDue) || std::fabs(balanceDue) >= kLargestAmount) {
        return std::nullopt;
    }
    return static_cast<qint64>(std::llround(balanceDue * 10000.0));
}

TBillRec NextPeriodBill(const TBillRec& printed, DayCount billDate, qint64 balanceForwardUnits,
                        int position) {
    TBillRec next;
    next.Selected = true;
    next.ClientNo = printed.ClientNo;
    next.FullName = printed.FullName;
    next.LastBill = billDate;
    next.BalanceForward = balanceForwardUnits;
    next.ISPath = printed.ISPath;
    next.Interest = printed.Interest;
    next.InterestRate = printed.InterestRate;
    next.RecNo = position;
    next.Status = 0;
    return next;
}

} // namespace kiv5::billing
