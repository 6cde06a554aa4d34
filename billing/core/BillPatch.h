#pragma once

// The mark and status patches of a billing data file.

#include "billing/core/TBillRec.h"
#include "common/core/StatusPatcher.h"

namespace kiv5::billing {

// Where a bill's status lies within its record.
inline constexpr int kBillStatusOffset = 2412;

class BillPatcher : public StatusPatcher {
public:
    explicit BillPatcher(const QString& path)
        : StatusPatcher(path, RecordLayout<TBillRec>::kSize, kBillStatusOffset) {}
};

} // namespace kiv5::billing
