// Periodic billing as the menu command runs it: 1,000 marked bills against
// 100,000 receipts, 100,000 checks and 10,000 clients, each bill with its
// own 100-line statement; the checks, the document and the next period's
// billing file included. Runs on the offscreen platform for the statement
// column's font.

#include "billing/core/BillingFile.h"
#include "billing/core/PeriodicBilling.h"
#include "books/core/ExpRec.h"
#include "books/core/IncRec.h"
#include "common/core/RecordFile.h"
#include "common/core/RtfTemplateFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace kiv5;
using namespace kiv5::billing;

namespace {

constexpr double kLastBill = 46327; // 11/1/2026
constexpr double kBillDate = 46366; // 12/10/2026
constexpr int kClients = 10'000;
constexpr int kLedgerRecords = 100'000;
constexpr int kStatementLines = 100;

QString ClientNumber(int k) {
    return QStringLiteral("C%1").arg(k, 6, 10, QLatin1Char('0'));
}

// Dated over the 200 days before the period and the period's 39 days.
template <class R> std::vector<R> Ledger() {
    std::vector<R> records(static_cast<std::size_t>(kLedgerRecords));
    for (int k = 0; k < kLedgerRecords; ++k) {
        R& r = records[static_cast<std::size_t>(k)];
        r.ClientNo = ClientNumber(k % kClients);
        r.Date = kLastBill - 200 + (k * 7919 % 239);
        r.Amount = (qint64{k} * 104729 % 1'000'000) * 100;
        r.*books::LedgerTraits<R>::kParty = QStringLiteral("Party %1").arg(k % 5000);
    }
    return records;
}

std::vector<NameRec> Clients() {
    std::vector<NameRec> clients(static_cast<std::size_t>(kClients) + 1);
    for (int k = 0; k < kClients; ++k) {
        NameRec& c = clients[static_cast<std::size_t>(k) + 1];
        c.ClientNo = ClientNumber(k);
        c.FirstName = QStringLiteral("First");
        c.LastName = QStringLiteral("Client %1").arg(k);
        c.Address1 = QStringLiteral("%1 Elm Street").arg(k);
        c.City = QStringLiteral("Columbus");
        c.State = 35;
        c.ZipCode = QStringLiteral("43206");
    }
    return clients;
}

// Every description its own text, as in a real office; half of the lines
// fall in the period.
std::vector<ISRec> Statement(int bill) {
    std::vector<ISRec> records(static_cast<std::size_t>(kStatementLines));
    for (int k = 0; k < kStatementLines; ++k) {
        ISRec& r = records[static_cast<std::size_t>(k)];
        r.ServiceDate = k % 2 == 0 ? kLastBill + 1 + k % 38 : kLastBill - 1 - k;
        r.ServiceDescription =
            QStringLiteral("Review correspondence and draft reply to opposing counsel regarding "
                           "discovery schedule and deposition dates, bill %1 item %2")
                .arg(bill)
                .arg(k);
        r.TimeSpent = 0.25 * (1 + k % 8);
        r.HourlyRate = 2'500'000;
    }
    return records;
}

struct DataSet {
    QTemporaryDir dir;
    BillPrintSetup setup;
    RecordTable table = MakeBillTable();
    NextPeriodFiles next;

    QString Path(const QString& name) const { return dir.filePath(name); }
};

std::unique_ptr<DataSet> MakeDataSet(int billCount) {
    auto set = std::make_unique<DataSet>();
    QDir(set->dir.path()).mkpath(QStringLiteral("IS"));
    WriteAllRecords(set->Path("set.inc"), Ledger<books::IncRec>());
    WriteAllRecords(set->Path("set.exp"), Ledger<books::ExpRec>());
    WriteAllRecords(set->Path("clients.pl5"), Clients());
    std::vector<TBillRec> bills;
    for (int k = 0; k < billCount; ++k) {
        const QString statement = set->Path(QStringLiteral("IS/S%1.is5").arg(k));
        WriteAllRecords(statement, Statement(k));
        TBillRec bill;
        bill.Selected = true;
        bill.ClientNo = ClientNumber(k * 7 % kClients);
        bill.FullName = QStringLiteral("Client %1").arg(k * 7 % kClients);
        bill.LastBill = kLastBill - 200;
        bill.BalanceForward = 1'000'000;
        bill.Description[0] = QStringLiteral("Filing fee");
        bill.Amount[0] = 500'000;
        bill.ISPath[0] = statement;
        bill.Interest = k % 3 == 0;
        bill.InterestRate = 8;
        bill.RecNo = k + 1;
        bills.push_back(bill);
    }
    WriteAllRecords(set->Path("june.bil"), bills);
    ReadBillingFile(set->Path("june.bil"), set->table);
    BillPrintSetup& setup = set->setup;
    setup.sources.incomePath = set->Path("set.inc");
    setup.sources.expensePath = set->Path("set.exp");
    setup.sources.clientPath = set->Path("clients.pl5");
    setup.sources.statementFolder = set->Path("IS");
    setup.sources.captionLines = {"Hollis & Barr", "12 Main Street", "", "", "555-0142"};
    setup.templateFolder = TemplateFolder(OfficeFolders{}, QStringLiteral("quenby5"));
    setup.documentPath = set->Path("june - Selected Forms.RTF");
    set->next =
        NextPeriodFilesFor(set->dir.path(), set->Path("july.qy5"), "clients.pl5", "set.su5");
    return set;
}

void BM_PeriodicBilling(benchmark::State& state) {
    const auto bills = static_cast<int>(state.range(0));
    const auto set = MakeDataSet(bills);
    PeriodicOutcome outcome;
    for (auto _ : state) {
        TAnswer answers(DocumentProgram::Billing);
        outcome = RunPeriodicBilling(set->table, set->Path("june.bil"), set->next, kBillDate,
                                     set->setup, answers, BillNotices{ErrorSink([](int) {}), {}});
    }
    if (!outcome.Written() || outcome.bills != bills) {
        state.SkipWithError("periodic billing wrote nothing");
        return;
    }
    state.counters["bills"] = outcome.bills;
    state.counters["document_MB"] =
        static_cast<double>(QFileInfo(set->setup.documentPath).size()) / 1e6;
    state.counters["next_file_KB"] =
        static_cast<double>(QFileInfo(set->next.dataFile).size()) / 1e3;
}
// 100 bills for a quick look, 1,000 for the target.
BENCHMARK(BM_PeriodicBilling)->Unit(benchmark::kMillisecond)->Iterations(3)->Arg(100)->Arg(1000);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
