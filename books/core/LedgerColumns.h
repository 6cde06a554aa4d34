#pragma once

// The 14 columns of the income and the expense table as data, and the
// profile both tables sort and search by.

#include "books/core/BooksSettings.h"
#include "common/core/ColumnSchema.h"
#include "common/core/TableProfile.h"

#include <vector>

namespace kiv5::books {

ColumnSchema IncomeColumns();
// The income columns with the check number and the payee in place of the
// receipt number and the payor, and widths of their own.
ColumnSchema ExpenseColumns();

// Exact text order, a header click sorts then flips, fewer than two records
// never sort, fast find reads every row ignoring letter case.
TableProfile BookkeepingTableProfile(HeaderRowReset reset = {});

// The stored widths as a ledger window shows them: the stamps, the position
// and the status are never shown (-1), whatever is stored.
std::vector<int> ShownColumnWidths(const std::array<qint32, BOOKSCOLUMNS>& stored);

// Keeps the widths a window shows; the never-shown columns are stored as -1,
// a column the window does not report keeps its stored width.
void KeepShownColumnWidths(std::array<qint32, BOOKSCOLUMNS>& stored, const std::vector<int>& shown);

} // namespace kiv5::books
