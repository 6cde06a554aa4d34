#include "books/core/LedgerFilter.h"

#include "books/core/LedgerLayout.h"
#include "common/core/Misc.h"
#include "common/core/TableProfile.h"

namespace kiv5::books {
namespace {

// The cell, upper-cased, occurs within the criterion (a "|"-joined choice).
bool CriterionContains(const QString& cell, const QString& criterion) {
    if (criterion.isEmpty()) {
        return true;
    }
    return !cell.isEmpty() && UpperCaseText(criterion).contains(UpperCaseText(cell));
}

} // namespace

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

bool PassesFilter(const RecordTable& table, int row, const FilterRec& c, const FilterDate& date) {
    const QStringList& cells = table.Row(row);
    return FilterCellContains(cells[LedgerColumn::Number], c.RexNo) &&
           FilterCellContains(cells[LedgerColumn::ClientNo], c.ClientNo) &&
           FilterCellContains(cells[LedgerColumn::Party], c.Payxx) &&
           FilterCellContains(cells[LedgerColumn::Description], c.Description) &&
           FilterCellContains(cells[LedgerColumn::Code], c.Code) &&
           FilterDatePasses(cells[LedgerColumn::Date], date) &&
           CriterionContains(cells[LedgerColumn::Category], c.Category) &&
           CriterionContains(cells[LedgerColumn::Account], c.Account) &&
           (c.Amount.isEmpty() || cells[LedgerColumn::Amount].contains(c.Amount));
}

} // namespace kiv5::books
