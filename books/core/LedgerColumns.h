#pragma once

// The 14 columns of the income and the expense table as data, and the
// profile both tables sort and search by.

#include "common/core/ColumnSchema.h"
#include "common/core/TableProfile.h"

namespace kiv5::books {

ColumnSchema IncomeColumns();
// The income columns with the check number and the payee in place of the
// receipt number and the payor, and widths of their own.
ColumnSchema ExpenseColumns();

// Exact text order, a header click sorts then flips, fewer than two records
// never sort, fast find reads every row ignoring letter case.
TableProfile BookkeepingTableProfile(HeaderRowReset reset = {});

} // namespace kiv5::books
