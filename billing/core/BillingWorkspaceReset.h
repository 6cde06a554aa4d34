#pragma once

// Tells the views the table changed on every way out of a command, the
// failed ones included, so a table change half done is never left undrawn.

#include "billing/core/BillingWorkspace.h"

namespace kiv5::billing {

class BillingWorkspace::ResetOnExit {
public:
    explicit ResetOnExit(BillingWorkspace& workspace) : workspace_(workspace) {}
    ~ResetOnExit() { emit workspace_.TableReset(); }
    ResetOnExit(const ResetOnExit&) = delete;
    ResetOnExit& operator=(const ResetOnExit&) = delete;

private:
    BillingWorkspace& workspace_;
};

} // namespace kiv5::billing
