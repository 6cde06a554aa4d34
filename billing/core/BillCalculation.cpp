#include "billing/core/BillCalculation.h"

#include "billing/core/BillPeriod.h"
#include "billing/core/StatementDocument.h"
#include "common/core/Misc.h"
#include "common/core/NumberFormat.h"
#include "common/core/RtfEscape.h"
#include "common/core/StateTable.h"

#include <utility>

namespace kiv5::billing {
namespace {

constexpr double kUnits = 10000.0;
constexpr double kDaysAYear = 365.25;
constexpr int kFirstAddressEntry = 5;
constexpr int kPageNumberEntry = 10;
constexpr int kPageCountEntry = 11;
constexpr int kFirstRowEntry = 12;
constexpr int kNoteEntry = 92;
constexpr int kDateEntry = 97;

// The running balance takes each stored amount as (balance x 10000 +
// units) / 10000, as the bill has always summed.
double AddUnits(double balance, qint64 units) {
    return (balance * kUnits + static_cast<double>(units)) / kUnits;
}

double Money(qint64 units) {
    return static_cast<double>(units) / kUnits;
}

QString NameLine(const NameRec& client) {
    return client.FirstName.isEmpty() ? client.LastName
                                      : client.FirstName + QLatin1Char(' ') + client.LastName;
}

QString CityLine(const NameRec& client) {
    return client.City + QStringLiteral(", ") + IntToStateAbbreviation(client.State) +
           QStringLiteral("  ") + client.ZipCode;
}

} // namespace

QString BillAmountText(double amount) {
    return TrimStr(FormatNumber("%14.2n", amount));
}

int BillPageCount(int lineCount) {
    return lineCount / kBillRowsPerPage + (lineCount % kBillRowsPerPage != 0 ? 1 : 0);
}

BillCalculation::BillCalculation(BillInputs& inputs, TAnswer& answers, BillNotices notices)
    : inputs_(inputs), answers_(answers), notices_(std::move(notices)) {}

void BillCalculation::AddLedger(const LedgerIndex& ledger, const TBillRec& bill, DayCount billDate,
                                int sign) {
    const BillPeriod period = PeriodOfBill(bill, billDate);
    for (const LedgerLine& line : ledger.Lines(bill.ClientNo)) {
        if (period.Contains(line.Date)) {
            balanceDue_ = AddUnits(balanceDue_, sign * line.Amount);
            ++lineCount_;
        }
    }
}

void BillCalculation::AddInterest(const TBillRec& bill, DayCount billDate) {
    // Interest runs to the bill date, and never credits a client.
    const double days = billDate - bill.LastBill;
    if (days > 0 && balanceDue_ > 0) {
        interestAmount_ = days * (bill.InterestRate / 100.0 * balanceDue_ / kDaysAYear);
        balanceDue_ += interestAmount_;
    }
    ++lineCount_;
}

void BillCalculation::AddStatements(const TBillRec& bill, DayCount billDate) {
    const BillPeriod period = PeriodOfBill(bill, billDate);
    for (int i = 0; i < kBillLines; ++i) {
        const QString& path = bill.ISPath[static_cast<std::size_t>(i)];
        if (path.isEmpty()) {
            continue;
        }
        const StatementSource& source = inputs_.Statement(path);
        if (!source.Found()) {
            notices_.MissingStatement(path);
            continue;
        }
        double& total = statementTotals_[static_cast<std::size_t>(i)];
        for (const ISRec& line : source.lines) {
            if (line.Status == 0 && period.Contains(line.ServiceDate)) {
                const double amount = line.TimeSpent * Money(line.HourlyRate);
                balanceDue_ += amount;
                total += amount;
            }
        }
        statementRows_[static_cast<std::size_t>(i)] =
            CountStatementRows(inputs_, source, period) + kStatementClosingRows;
        ++lineCount_;
    }
}

void BillCalculation::CalcTtlLines(const TBillRec& bill, DayCount billDate) {
    inputs_.ForgetStatements();
    balanceDue_ = Money(bill.BalanceForward);
    interestAmount_ = 0;
    statementTotals_.fill(0);
    statementRows_.fill(0);
    // Balance forward, blank, payments heading, blank.
    lineCount_ = 4;
    // A missing ledger is laid out as an empty one: its closing rows count.
    const LedgerIndex& income = inputs_.Income();
    if (!income.Exists()) {
        notices_.errors.ErrorWindow(kErrorNoIncomeFile);
    }
    AddLedger(income, bill, billDate, -1);
    lineCount_ += 3; // blank, charges heading, blank
    const LedgerIndex& expenses = inputs_.Expenses();
    if (!expenses.Exists()) {
        notices_.errors.ErrorWindow(kErrorNoExpenseFile);
    }
    AddLedger(expenses, bill, billDate, +1);
    lineCount_ += 3; // blank, other-items heading, blank
    for (int i = 0; i < kBillLines; ++i) {
        if (!bill.Description[static_cast<std::size_t>(i)].isEmpty()) {
            balanceDue_ = AddUnits(balanceDue_, bill.Amount[static_cast<std::size_t>(i)]);
            ++lineCount_;
        }
    }
    ++lineCount_; // blank
    if (bill.Interest) {
        AddInterest(bill, billDate);
    }
    AddStatements(bill, billDate);
    lineCount_ += 2; // blank, balance due
}

BillLine& BillCalculation::LineAt(int r) {
    if (r >= static_cast<int>(lines_.size())) {
        lines_.resize(static_cast<std::size_t>(r) + 1);
    }
    return lines_[static_cast<std::size_t>(r)];
}

void BillCalculation::CalcTempBill(const TBillRec& bill, DayCount billDate) {
    lines_.assign(static_cast<std::size_t>(lineCount_), BillLine{});
    const double forward = Money(bill.BalanceForward);
    if (forward > 0) {
        LineAt(0) = {{}, QStringLiteral("\\b Balance Forward\\b0 "), {}, BillAmountText(forward)};
    } else {
        LineAt(0) = {
            {}, QStringLiteral("\\b Credit Balance Forward\\b0 "), BillAmountText(-forward), {}};
    }
    LineAt(2).text = QStringLiteral("\\b Payments/Credits\\b0 :");
    int r = 4;
    const BillPeriod period = PeriodOfBill(bill, billDate);
    const LedgerIndex& income = inputs_.Income();
    if (!income.Exists()) {
        notices_.errors.ErrorWindow(kErrorNoIncomeFile);
    }
    for (const LedgerLine& line : income.Lines(bill.ClientNo)) {
        if (period.Contains(line.Date)) {
            LineAt(r++) = {FormatShortDate(line.Date),
                           EscapeRtf(line.Party),
                           BillAmountText(Money(line.Amount)),
                           {}};
        }
    }
    ++r;
    LineAt(r).text = QStringLiteral("\\b Charges/Debits:\\b0 ");
    r += 2;
    const LedgerIndex& expenses = inputs_.Expenses();
    if (!expenses.Exists()) {
        notices_.errors.ErrorWindow(kErrorNoExpenseFile);
    }
    for (const LedgerLine& line : expenses.Lines(bill.ClientNo)) {
        if (period.Contains(line.Date)) {
            LineAt(r++) = {FormatShortDate(line.Date),
                           EscapeRtf(line.Party),
                           {},
                           BillAmountText(Money(line.Amount))};
        }
    }
    ++r;
    LineAt(r).text = QStringLiteral("\\b Other Items:\\b0 ");
    r += 2;
    for (int i = 0; i < kBillLines; ++i) {
        const QString& description = bill.Description[static_cast<std::size_t>(i)];
        if (description.isEmpty()) {
            continue;
        }
        const double amount = Money(bill.Amount[static_cast<std::size_t>(i)]);
        BillLine& line = LineAt(r++);
        line.text = EscapeRtf(description);
        // A negative item keeps its minus sign in the credit column.
        (amount >= 0 ? line.debit : line.credit) = BillAmountText(amount);
    }
    ++r;
    if (bill.Interest) {
        LineAt(r++) = {
            {}, QStringLiteral("Interest on unpaid balance"), {}, BillAmountText(interestAmount_)};
    }
    for (int i = 0; i < kBillLines; ++i) {
        const QString& path = bill.ISPath[static_cast<std::size_t>(i)];
        if (path.isEmpty()) {
            continue;
        }
        if (!inputs_.Statement(path).Found()) {
            notices_.MissingStatement(path);
            continue;
        }
        LineAt(r++) = {{},
                       QStringLiteral("See attached itemized statement"),
                       {},
                       BillAmountText(statementTotals_[static_cast<std::size_t>(i)])};
    }
    ++r;
    if (balanceDue_ > 0) {
        LineAt(r) = {{}, QStringLiteral("\\b Balance Due\\b0 "), {}, BillAmountText(balanceDue_)};
    } else {
        LineAt(r) = {
            {}, QStringLiteral("\\b Credit Balance\\b0 "), BillAmountText(-balanceDue_), {}};
    }
}

void BillCalculation::FillAddress(const TBillRec& bill) {
    const ClientAddressBook& clients = inputs_.Clients();
    if (!clients.Exists()) {
        notices_.errors.ErrorWindow(kErrorNoClientFile);
        return;
    }
    const NameRec* client = clients.Find(bill.ClientNo);
    if (client == nullptr) {
        notices_.errors.ErrorWindow(kErrorClientNotFound);
        return;
    }
    int entry = kFirstAddressEntry;
    answers_.SetAnswer(kBillTemplatePage, entry++, EscapeRtf(NameLine(*client)));
    for (const QString* line : {&client->Address1, &client->Address2}) {
        if (!line->isEmpty()) {
            answers_.SetAnswer(kBillTemplatePage, entry++, EscapeRtf(*line));
        }
    }
    answers_.SetAnswer(kBillTemplatePage, entry, EscapeRtf(CityLine(*client)));
}

void BillCalculation::CalcBill(const TBillRec& bill, int page, int pages, DayCount billDate) {
    answers_.ClearSlots(kBillTemplatePage, kFirstAddressEntry, kDateEntry);
    const auto& captions = inputs_.Sources().captionLines;
    for (int i = 0; i < static_cast<int>(captions.size()); ++i) {
        answers_.SetAnswer(kBillTemplatePage, i, EscapeRtf(captions[static_cast<std::size_t>(i)]));
    }
    // Without the address the page still gets everything else.
    FillAddress(bill);
    answers_.SetAnswer(kBillTemplatePage, kPageNumberEntry, QString::number(page + 1));
    answers_.SetAnswer(kBillTemplatePage, kPageCountEntry, QString::number(pages));
    answers_.SetAnswer(kBillTemplatePage, kDateEntry, MakeTextDate(billDate));
    const int first = page * kBillRowsPerPage;
    for (int k = 0; k < kBillRowsPerPage; ++k) {
        const int row = first + k;
        if (row >= lineCount_ || row >= static_cast<int>(lines_.size())) {
            break;
        }
        const BillLine& line = lines_[static_cast<std::size_t>(row)];
        const int entry = kFirstRowEntry + 4 * k;
        answers_.SetAnswer(kBillTemplatePage, entry, line.date);
        answers_.SetAnswer(kBillTemplatePage, entry + 1, line.text);
        answers_.SetAnswer(kBillTemplatePage, entry + 2, line.credit);
        answers_.SetAnswer(kBillTemplatePage, entry + 3, line.debit);
    }
    answers_.SetAnswer(kBillTemplatePage, kNoteEntry, EscapeRtf(bill.Note));
}

} // namespace kiv5::billing
