#include "billing/core/WorksheetColumns.h"

#include "billing/core/ISRec.h"

#include <array>

namespace kiv5::billing {
namespace {

using K = ColumnKind;
using R = ColumnRole;

// Widths in units of v = (screen width - 20) div 8.
// clang-format off
constexpr std::array<ColumnSpec, ISColumn::Count> kColumns = {{
    // Index, role, caption, label, kind, capacity, width, width setting, show setting, find, filter
    {0, R::Mark,   "",                 "", K::Text,    0,   PixelWidth(20), "ISColumnWidth0", "", false, false},
    {1, R::Data,   "Date",             "", K::Date,    0,   UnitWidth(1),   "ISColumnWidth1", "", true,  false},
    {2, R::Data,   "Description",      "", K::Text,    255, UnitWidth(5),   "ISColumnWidth2", "", true,  false},
    // Time spent and the rate hold amounts with separators ("$" before an
    // entered rate), so they order as numbers.
    {3, R::Data,   "Time Spent (hrs)", "", K::Money,   0,   UnitWidth(1),   "ISColumnWidth3", "", true,  false},
    {4, R::Data,   "Hourly Rate",      "", K::Money,   0,   UnitWidth(1),   "ISColumnWidth4", "", true,  false},
    {5, R::Data,   "",                 "", K::Text,    0,   HiddenWidth(),  "",               "", false, false},
    {6, R::Data,   "",                 "", K::Text,    0,   HiddenWidth(),  "",               "", false, false},
    {7, R::RecNo,  "",                 "", K::Integer, 0,   HiddenWidth(),  "",               "", false, false},
    {8, R::Status, "",                 "", K::Integer, 0,   HiddenWidth(),  "",               "", false, false},
}};
// clang-format on
static_assert(IsValidSchema(kColumns));

} // namespace

ColumnSchema WorksheetColumns() {
    return kColumns;
}

TableProfile WorksheetTableProfile(HeaderRowReset reset) {
    const TableRules rules{.FindCaseRule = FindCase::Exact, .FindActiveRowsOnly = true};
    return MakeTableProfile(kColumns, rules, std::move(reset));
}

} // namespace kiv5::billing
