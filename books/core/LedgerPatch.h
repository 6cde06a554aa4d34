#pragma once

// The mark and status patches of a ledger file (income or expense: one
// record layout).

#include "books/core/LedgerLayout.h"
#include "common/core/StatusPatcher.h"

namespace kiv5::books {

class LedgerPatcher : public StatusPatcher {
public:
    explicit LedgerPatcher(const QString& path)
        : StatusPatcher(path, kLedgerRecordSize, kLedgerStatusOffset) {}
};

} // namespace kiv5::books
