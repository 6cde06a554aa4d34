#pragma once

// The 9 columns of the itemized statement worksheet as data, and the profile
// the worksheet sorts and searches by.

#include "common/core/ColumnSchema.h"
#include "common/core/TableProfile.h"

namespace kiv5::billing {

ColumnSchema WorksheetColumns();

// Exact text order, a header click sorts then flips, fast find reads live
// lines only and compares the text as typed.
TableProfile WorksheetTableProfile(HeaderRowReset reset = {});

} // namespace kiv5::billing
