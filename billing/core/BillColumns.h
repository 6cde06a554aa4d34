#pragma once

// The 42 columns of the bill table as data, and the profile the table sorts
// and searches by.

#include "common/core/ColumnSchema.h"
#include "common/core/TableProfile.h"

namespace kiv5::billing {

ColumnSchema BillColumns();

// Exact text order, a header click sorts then flips, fast find reads every
// row ignoring letter case.
TableProfile BillTableProfile(HeaderRowReset reset = {});

} // namespace kiv5::billing
