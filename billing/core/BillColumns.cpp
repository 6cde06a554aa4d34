#include "billing/core/BillColumns.h"

#include "billing/core/TBillRec.h"

#include <array>

namespace kiv5::billing {
namespace {

using K = ColumnKind;
using R = ColumnRole;

// Widths in units of w = (screen width - 20) div 20; only the shown columns
// keep theirs.
// clang-format off
constexpr std::array<ColumnSpec, BillColumn::Count> kColumns = {{
    // Index, role, caption, label, kind, capacity, width, width setting, show setting, find, filter
    {0,  R::Mark,   "",                "", K::Text,    0,   PixelWidth(20), "BColumnWidth0",  "", false, false},
    // The first description line, its amount and the first statement path are
    // shown for all ten.
    {1,  R::Data,   "Client No.",      "", K::Text,    8,   UnitWidth(1),   "BColumnWidth1",  "", true,  true},
    {2,  R::Data,   "Full Name",       "", K::Text,    64,  UnitWidth(3),   "BColumnWidth2",  "", true,  true},
    {3,  R::Data,   "Last Bill",       "", K::Date,    0,   UnitWidth(1),   "BColumnWidth3",  "", true,  true},
    {4,  R::Data,   "Balance Forward", "", K::Money,   0,   UnitWidth(1),   "BColumnWidth4",  "", true,  true},
    {5,  R::Data,   "Description",     "", K::Text,    64,  UnitWidth(3),   "BColumnWidth5",  "", true,  true},
    {6,  R::Data,   "Amount",          "", K::Money,   0,   UnitWidth(1),   "BColumnWidth6",  "", true,  true},
    // Description and amount of lines 2 to 10, data only.
    {7,  R::Data,   "",                "", K::Text,    64,  HiddenWidth(),  "",               "", false, false},
    {8,  R::Data,   "",                "", K::Text,    0,   HiddenWidth(),  "",               "", false, false},
    {9,  R::Data,   "",                "", K::Text,    64,  HiddenWidth(),  "",               "", false, false},
    {10, R::Data,   "",                "", K::Text,    0,   HiddenWidth(),  "",               "", false, false},
    {11, R::Data,   "",                "", K::Text,    64,  HiddenWidth(),  "",               "", false, false},
    {12, R::Data,   "",                "", K::Text,    0,   HiddenWidth(),  "",               "", false, false},
    {13, R::Data,   "",                "", K::Text,    64,  HiddenWidth(),  "",               "", false, false},
    {14, R::Data,   "",                "", K::Text,    0,   HiddenWidth(),  "",               "", false, false},
    {15, R::Data,   "",                "", K::Text,    64,  HiddenWidth(),  "",               "", false, false},
    {16, R::Data,   "",                "", K::Text,    0,   HiddenWidth(),  "",               "", false, false},
    {17, R::Data,   "",                "", K::Text,    64,  HiddenWidth(),  "",               "", false, false},
    {18, R::Data,   "",                "", K::Text,    0,   HiddenWidth(),  "",               "", false, false},
    {19, R::Data,   "",                "", K::Text,    64,  HiddenWidth(),  "",               "", false, false},
    {20, R::Data,   "",                "", K::Text,    0,   HiddenWidth(),  "",               "", false, false},
    {21, R::Data,   "",                "", K::Text,    64,  HiddenWidth(),  "",               "", false, false},
    {22, R::Data,   "",                "", K::Text,    0,   HiddenWidth(),  "",               "", false, false},
    {23, R::Data,   "",                "", K::Text,    64,  HiddenWidth(),  "",               "", false, false},
    {24, R::Data,   "",                "", K::Text,    0,   HiddenWidth(),  "",               "", false, false},
    {25, R::Data,   "IS Path",         "", K::Text,    128, UnitWidth(3),   "BColumnWidth25", "", true,  true},
    // Statement paths 2 to 10, data only.
    {26, R::Data,   "",                "", K::Text,    128, HiddenWidth(),  "",               "", false, false},
    {27, R::Data,   "",                "", K::Text,    128, HiddenWidth(),  "",               "", false, false},
    {28, R::Data,   "",                "", K::Text,    128, HiddenWidth(),  "",               "", false, false},
    {29, R::Data,   "",                "", K::Text,    128, HiddenWidth(),  "",               "", false, false},
    {30, R::Data,   "",                "", K::Text,    128, HiddenWidth(),  "",               "", false, false},
    {31, R::Data,   "",                "", K::Text,    128, HiddenWidth(),  "",               "", false, false},
    {32, R::Data,   "",                "", K::Text,    128, HiddenWidth(),  "",               "", false, false},
    {33, R::Data,   "",                "", K::Text,    128, HiddenWidth(),  "",               "", false, false},
    {34, R::Data,   "",                "", K::Text,    128, HiddenWidth(),  "",               "", false, false},
    {35, R::Data,   "Note",            "", K::Text,    255, UnitWidth(3),   "BColumnWidth35", "", true,  true},
    {36, R::Data,   "Interest",        "", K::Text,    0,   UnitWidth(1),   "BColumnWidth36", "", true,  true},
    {37, R::Data,   "Rate",            "", K::Money,   0,   UnitWidth(1),   "BColumnWidth37", "", true,  true},
    {38, R::Data,   "",                "", K::Text,    0,   HiddenWidth(),  "",               "", false, false},
    {39, R::Data,   "",                "", K::Text,    0,   HiddenWidth(),  "",               "", false, false},
    {40, R::RecNo,  "",                "", K::Integer, 0,   HiddenWidth(),  "",               "", false, false},
    {41, R::Status, "",                "", K::Text,    0,   HiddenWidth(),  "",               "", false, false},
}};
// clang-format on
static_assert(IsValidSchema(kColumns));

} // namespace

ColumnSchema BillColumns() {
    return kColumns;
}

TableProfile BillTableProfile(HeaderRowReset reset) {
    return MakeTableProfile(kColumns, TableRules{}, std::move(reset));
}

} // namespace kiv5::billing
