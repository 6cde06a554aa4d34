#include "billing/core/BillDocument.h"

namespace kiv5::billing {

void AddBillToDocument(BillCalculation& calculation, const TBillRec& bill, DayCount billDate,
                       TemplateDocument& document) {
    calculation.CalcTtlLines(bill, billDate);
    const int pages = BillPageCount(calculation.BillLineCount());
    calculation.CalcTempBill(bill, billDate);
    for (int page = 0; page < pages; ++page) {
        calculation.CalcBill(bill, page, pages, billDate);
        document.AddPage(kBillTemplatePage);
    }
}

void AddBillWithStatements(BillCalculation& calculation, StatementDocument& statements,
                           const TBillRec& bill, DayCount billDate, TemplateDocument& document) {
    AddBillToDocument(calculation, bill, billDate, document);
    for (int i = 0; i < kBillLines; ++i) {
        const auto entry = static_cast<std::size_t>(i);
        if (!bill.ISPath[entry].isEmpty() && calculation.StatementTotals()[entry] > 0) {
            statements.AddStatementToDocument(bill.ISPath[entry], bill.FullName,
                                              PeriodOfBill(bill, billDate),
                                              calculation.StatementRowCounts()[entry], document);
        }
    }
}

} // namespace kiv5::billing
