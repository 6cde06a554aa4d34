#include "billing/core/BillFilter.h"

namespace kiv5::billing {

BillFilterRec CutBillFilterRec(BillFilterRec criteria) {
    return criteria;
}

BillFilter ParseBillFilter(const BillFilterRec& criteria) {
    return {criteria, {}, {}, {}};
}

bool PassesBillFilter(const RecordTable&, int, const BillFilter&) {
    return true;
}

} // namespace kiv5::billing
