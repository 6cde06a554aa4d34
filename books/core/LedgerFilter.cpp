#include "books/core/LedgerFilter.h"

#include "books/core/LedgerLayout.h"
#include "common/core/Misc.h"
#include "common/core/TableProfile.h"

namespace kiv5::books {
FilterRec CutFilterRec(FilterRec c) {
    c.RexNo = c.RexNo.left(8);
    c.Date = c.Date.left(10);
    c.ClientNo = c.ClientNo.left(8);
    c.Payxx = c.Payxx.left(64);
    c.Description = c.Description.left(64);
    c.Category = c.Category.left(128);
    c.Account = c.Account.left(128);
    c.Code = c.Code.left(1);
    c.Amount = c.Amount.left(16);
    return c;
}

LedgerFilterTest::LedgerFilterTest(const FilterRec& c)
    : number_(c.RexNo), client_(c.ClientNo), party_(c.Payxx), description_(c.Description),
      code_(c.Code), date_(ParseFilterDate(c.Date)), category_(c.Category), account_(c.Account),
      amount_(c.Amount) {}

bool LedgerFilterTest::Passes(const RecordTable& table, int row) const {
    const QStringList& cells = table.Row(row);
    return number_.FoundIn(cells[LedgerColumn::Number]) &&
           client_.FoundIn(cells[LedgerColumn::ClientNo]) &&
           party_.FoundIn(cells[LedgerColumn::Party]) &&
           description_.FoundIn(cells[LedgerColumn::Description]) &&
           code_.FoundIn(cells[LedgerColumn::Code]) &&
           FilterDatePasses(cells[LedgerColumn::Date], date_) &&
           category_.Holds(cells[LedgerColumn::Category]) &&
           account_.Holds(cells[LedgerColumn::Account]) &&
           (amount_.isEmpty() || cells[LedgerColumn::Amount].contains(amount_));
}

} // namespace kiv5::books
