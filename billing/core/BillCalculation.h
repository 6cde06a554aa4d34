#pragma once

// The three passes that make a bill: the totalling pass (balance due,
// interest, the number of bill lines, each attached statement's money total
// and row count), the table pass (the bill's lines: date, text, credit,
// debit) and the page pass (the answers of bill page template 0 for one page
// of 20 lines). The working state lives from one bill to the next.

#include "billing/core/BillInputs.h"
#include "billing/core/BillNotices.h"
#include "billing/core/TBillRec.h"
#include "common/core/Answers.h"
#include "common/core/DateTime.h"

#include <array>
#include <vector>

namespace kiv5::billing {

inline constexpr int kBillTemplatePage = 0;
inline constexpr int kBillRowsPerPage = 20;

// The cells of one bill line; the headings carry RTF control words.
struct BillLine {
    QString date;
    QString text;
    QString credit;
    QString debit;

    bool operator==(const BillLine&) const = default;
};

// An amount as a bill shows it: "%14.2n" without its trailing blanks (the
// leading ones stay).
QString BillAmountText(double amount);

// Pages of a bill of lineCount lines: 20 lines a page.
int BillPageCount(int lineCount);

class BillCalculation {
public:
    BillCalculation(BillInputs& inputs, TAnswer& answers, BillNotices notices);

    // The totalling pass for a bill dated billDate. Reads the bill's
    // statements afresh. Reports 12010 / 12020 for a missing ledger and a
    // missing statement to the notices.
    void CalcTtlLines(const TBillRec& bill, DayCount billDate);
    // The table pass; runs after CalcTtlLines of the same bill and reports
    // the same missing files again.
    void CalcTempBill(const TBillRec& bill, DayCount billDate);
    // Entries 0-97 of template 0 for page `page` of `pages`: letterhead,
    // address (11150 without a client file, 11120 without the client; the
    // rest of the page is filled all the same), page numbers, the page's
    // lines, the note and the bill date.
    void CalcBill(const TBillRec& bill, int page, int pages, DayCount billDate);

    double BalanceDue() const { return balanceDue_; }
    double InterestAmount() const { return interestAmount_; }
    int BillLineCount() const { return lineCount_; }
    const std::array<double, kBillLines>& StatementTotals() const { return statementTotals_; }
    const std::array<int, kBillLines>& StatementRowCounts() const { return statementRows_; }
    const std::vector<BillLine>& Lines() const { return lines_; }

    BillInputs& Inputs() { return inputs_; }
    const BillNotices& Notices() const { return notices_; }

private:
    void AddLedger(const LedgerIndex& ledger, const TBillRec& bill, DayCount billDate, int sign);
    void AddInterest(const TBillRec& bill, DayCount billDate);
    void AddStatements(const TBillRec& bill, DayCount billDate);
    BillLine& LineAt(int r);
    void FillAddress(const TBillRec& bill);

    BillInputs& inputs_;
    TAnswer& answers_;
    BillNotices notices_;
    double balanceDue_ = 0;
    double interestAmount_ = 0;
    int lineCount_ = 0;
    std::array<double, kBillLines> statementTotals_{};
    std::array<int, kBillLines> statementRows_{};
    std::vector<BillLine> lines_;
};

} // namespace kiv5::billing
