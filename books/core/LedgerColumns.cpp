#include "books/core/LedgerColumns.h"

#include "books/core/LedgerLayout.h"

#include <array>

namespace kiv5::books {
namespace {

using K = ColumnKind;
using R = ColumnRole;

// Widths in units of (screen width - 20) div 13.
// clang-format off
constexpr std::array<ColumnSpec, LedgerColumn::Count> kIncomeColumns = {{
    // Index, role, caption, label, kind, capacity, width, width setting, show setting, find, filter
    {0,  R::Mark,   "",            "", K::Text,    0,  PixelWidth(20), "IColumnWidth0",  "", false, false},
    {1,  R::Data,   "Rec No.",     "", K::Text,    8,  UnitWidth(1),   "IColumnWidth1",  "", true,  true},
    {2,  R::Data,   "Date",        "", K::Date,    0,  UnitWidth(1),   "IColumnWidth2",  "", true,  true},
    {3,  R::Data,   "Client",      "", K::Text,    8,  UnitWidth(1),   "IColumnWidth3",  "", true,  true},
    {4,  R::Data,   "Payor",       "", K::Text,    64, UnitWidth(1),   "IColumnWidth4",  "", true,  true},
    {5,  R::Data,   "Description", "", K::Text,    64, UnitWidth(1),   "IColumnWidth5",  "", true,  true},
    {6,  R::Data,   "Category",    "", K::Text,    32, UnitWidth(1),   "IColumnWidth6",  "", true,  true},
    {7,  R::Data,   "Account",     "", K::Text,    32, UnitWidth(1),   "IColumnWidth7",  "", true,  true},
    {8,  R::Data,   "Code",        "", K::Text,    1,  UnitWidth(1),   "IColumnWidth8",  "", true,  true},
    {9,  R::Data,   "Amount",      "", K::Money,   0,  UnitWidth(1),   "IColumnWidth9",  "", true,  true},
    // Never shown, yet their widths are kept like the others'.
    {10, R::Data,   "",            "", K::Text,    0,  UnitWidth(1),   "IColumnWidth10", "", false, false},
    {11, R::Data,   "",            "", K::Text,    0,  UnitWidth(1),   "IColumnWidth11", "", false, false},
    {12, R::RecNo,  "",            "", K::Integer, 0,  UnitWidth(1),   "IColumnWidth12", "", false, false},
    {13, R::Status, "",            "", K::Text,    0,  UnitWidth(1),   "IColumnWidth13", "", false, false},
}};
// clang-format on
static_assert(IsValidSchema(kIncomeColumns));

constexpr std::array<const char*, LedgerColumn::Count> kExpenseWidthSettings = {
    "EColumnWidth0",  "EColumnWidth1",  "EColumnWidth2",  "EColumnWidth3", "EColumnWidth4",
    "EColumnWidth5",  "EColumnWidth6",  "EColumnWidth7",  "EColumnWidth8", "EColumnWidth9",
    "EColumnWidth10", "EColumnWidth11", "EColumnWidth12", "EColumnWidth13"};

constexpr std::array<ColumnSpec, LedgerColumn::Count> kExpenseColumns = [] {
    std::array<ColumnSpec, LedgerColumn::Count> columns = kIncomeColumns;
    columns[LedgerColumn::Number].Caption = "Check No.";
    columns[LedgerColumn::Party].Caption = "Payee";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        columns[i].WidthSetting = kExpenseWidthSettings[i];
    }
    return columns;
}();
static_assert(IsValidSchema(kExpenseColumns));

} // namespace

ColumnSchema IncomeColumns() {
    return kIncomeColumns;
}

ColumnSchema ExpenseColumns() {
    return kExpenseColumns;
}

TableProfile BookkeepingTableProfile(HeaderRowReset reset) {
    return MakeTableProfile(kIncomeColumns, TableRules{.MinimumSortRows = 2}, std::move(reset));
}

std::vector<int> ShownColumnWidths(const std::array<qint32, BOOKSCOLUMNS>& stored) {
    std::vector<int> shown(stored.begin(), stored.end());
    for (int column = LedgerColumn::PostTime; column < LedgerColumn::Count; ++column) {
        shown[static_cast<std::size_t>(column)] = -1;
    }
    return shown;
}

void KeepShownColumnWidths(std::array<qint32, BOOKSCOLUMNS>& stored,
                           const std::vector<int>& shown) {
    for (int column = 0; column < LedgerColumn::Count; ++column) {
        const auto c = static_cast<std::size_t>(column);
        if (column >= LedgerColumn::PostTime) {
            stored[c] = -1;
        } else if (c < shown.size()) {
            stored[c] = shown[c];
        }
    }
}

} // namespace kiv5::books
