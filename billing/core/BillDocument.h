#pragma once

// A bill's pages in the document under assembly, and a bill followed by the
// pages of its attached statements that have something to bill.

#include "billing/core/BillCalculation.h"
#include "billing/core/StatementDocument.h"
#include "billing/core/TemplateDocument.h"

namespace kiv5::billing {

// The three passes for a bill dated billDate, then each of its pages of 20
// lines into the document.
void AddBillToDocument(BillCalculation& calculation, const TBillRec& bill, DayCount billDate,
                       TemplateDocument& document);

// The bill, then for each statement entry whose total is above 0 its lines
// of the bill's period, headed with the bill's client name.
void AddBillWithStatements(BillCalculation& calculation, StatementDocument& statements,
                           const TBillRec& bill, DayCount billDate, TemplateDocument& document);

} // namespace kiv5::billing
