#include "billing/core/BillFilter.h"

#include "billing/core/BillMoney.h"
#include "billing/core/TBillRec.h"
#include "common/core/Exceptions.h"

namespace kiv5::billing {
namespace {

[[noreturn]] void Refuse(const char* criterion, const QString& text, const char* expected) {
    throw ConversionError(QStringLiteral("The %1 criterion \"%2\" cannot be used: %3.")
                              .arg(QLatin1String(criterion), text, QLatin1String(expected)));
}

std::optional<qint64> MoneyCriterion(const char* criterion, const QString& text) {
    if (text.trimmed().isEmpty()) {
        return std::nullopt;
    }
    const std::optional<qint64> units = TryMoneyUnits(text);
    if (!units) {
        Refuse(criterion, text, "enter an amount such as 1,234.50");
    }
    return units;
}

bool AnyLineContains(const QStringList& cells, int first, int step, const QString& criterion) {
    for (int line = 0; line < kBillLines; ++line) {
        if (FilterCellContains(cells[first + step * line], criterion)) {
            return true;
        }
    }
    return false;
}

bool MoneyEquals(const QString& cell, qint64 units) {
    const std::optional<qint64> value = TryMoneyUnits(cell);
    return value && *value == units;
}

} // namespace

BillFilterRec CutBillFilterRec(BillFilterRec c) {
    c.ClientNo = c.ClientNo.left(8);
    c.FullName = c.FullName.left(64);
    c.Date = c.Date.left(10);
    c.BalanceForward = c.BalanceForward.left(16);
    c.Description = c.Description.left(32);
    c.Amount = c.Amount.left(16);
    c.ISPath = c.ISPath.left(128);
    c.Note = c.Note.left(255);
    c.Interest = c.Interest.left(1);
    c.Rate = c.Rate.left(8);
    return c;
}

BillFilter ParseBillFilter(const BillFilterRec& criteria) {
    BillFilter filter;
    filter.criteria = CutBillFilterRec(criteria);
    const BillFilterRec& c = filter.criteria;
    try {
        filter.date = ParseFilterDate(c.Date.trimmed());
    } catch (const ConversionError&) {
        Refuse("Last Billing Date", c.Date, "enter YYYY or MM/YYYY or MM/DD/YYYY");
    }
    filter.balanceForward = MoneyCriterion("Balance Forward", c.BalanceForward);
    filter.amount = MoneyCriterion("Amount", c.Amount);
    const QString interest = c.Interest.trimmed().toUpper();
    if (!interest.isEmpty() && interest != QLatin1String("Y") && interest != QLatin1String("N")) {
        Refuse("Charge Interest", c.Interest, "enter Y for interest or N for no interest");
    }
    filter.criteria.Interest = interest;
    return filter;
}

bool PassesBillFilter(const RecordTable& table, int row, const BillFilter& filter) {
    const QStringList& cells = table.Row(row);
    const BillFilterRec& c = filter.criteria;
    if (!FilterCellContains(cells[BillColumn::ClientNo], c.ClientNo) ||
        !FilterCellContains(cells[BillColumn::FullName], c.FullName) ||
        !FilterCellContains(cells[BillColumn::Note], c.Note) ||
        !FilterCellContains(cells[BillColumn::InterestRate], c.Rate)) {
        return false;
    }
    if (!c.Description.isEmpty() &&
        !AnyLineContains(cells, BillColumn::FirstDescription, 2, c.Description)) {
        return false;
    }
    if (!c.ISPath.isEmpty() && !AnyLineContains(cells, BillColumn::FirstISPath, 1, c.ISPath)) {
        return false;
    }
    if (!c.Interest.isEmpty() && cells[BillColumn::Interest].toUpper() != c.Interest) {
        return false;
    }
    if (filter.date.kind != FilterDate::None &&
        !FilterDatePasses(cells[BillColumn::LastBill], filter.date)) {
        return false;
    }
    if (filter.balanceForward &&
        !MoneyEquals(cells[BillColumn::BalanceForward], *filter.balanceForward)) {
        return false;
    }
    if (filter.amount) {
        bool any = false;
        for (int line = 0; line < kBillLines && !any; ++line) {
            any = MoneyEquals(cells[BillColumn::FirstAmount + 2 * line], *filter.amount);
        }
        return any;
    }
    return true;
}

} // namespace kiv5::billing
