// Bill documents as the print commands make them: one bill with 2,000 ledger
// lines and a 500-line statement; 1,000 bills against 100,000 receipts,
// 100,000 checks and 10,000 clients, each ledger read once (the bytes read
// are reported beside the time). Runs on the offscreen platform for the
// statement column's font.

#include "billing/core/BillDocument.h"
#include "books/core/ExpRec.h"
#include "books/core/IncRec.h"
#include "common/core/RecordFile.h"
#include "common/core/RtfTemplateFolder.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace kiv5;
using namespace kiv5::billing;

namespace {

constexpr double kLastBill = 46327; // 11/1/2026
constexpr double kBillDate = 46366; // 12/10/2026

QString ClientNumber(int k) {
    return QStringLiteral("C%1").arg(k, 6, 10, QLatin1Char('0'));
}

// Dated over the 200 days before the period and the period's 39 days, or
// within the period only.
template <class R> std::vector<R> Ledger(int count, int clients, bool periodOnly) {
    std::vector<R> records(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        R& r = records[static_cast<std::size_t>(k)];
        r.ClientNo = ClientNumber(k % clients);
        r.Date = periodOnly ? kLastBill + 1 + k % 39 : kLastBill - 200 + (k * 7919 % 239);
        r.Amount = (qint64{k} * 104729 % 1'000'000) * 100;
        r.*books::LedgerTraits<R>::kParty = QStringLiteral("Party %1").arg(k % 5000);
    }
    return records;
}

std::vector<NameRec> Clients(int count) {
    std::vector<NameRec> clients(static_cast<std::size_t>(count) + 1);
    for (int k = 0; k < count; ++k) {
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

std::vector<ISRec> Statement(int lines) {
    std::vector<ISRec> records(static_cast<std::size_t>(lines));
    for (int k = 0; k < lines; ++k) {
        ISRec& r = records[static_cast<std::size_t>(k)];
        r.ServiceDate = kLastBill + 1 + k % 38;
        r.ServiceDescription =
            QStringLiteral("Review correspondence and draft reply to opposing counsel regarding "
                           "discovery schedule and deposition dates, item %1")
                .arg(k);
        r.TimeSpent = 0.25 * (1 + k % 8);
        r.HourlyRate = 2'500'000;
    }
    return records;
}

struct DataSet {
    QTemporaryDir dir;
    BillSources sources;
    std::vector<TBillRec> bills;

    QString Path(const QString& name) const { return dir.filePath(name); }
};

std::unique_ptr<DataSet> MakeDataSet(int receipts, int checks, int clients, int bills,
                                     int statementLines, bool periodOnly) {
    auto set = std::make_unique<DataSet>();
    WriteAllRecords(set->Path("set.inc"), Ledger<books::IncRec>(receipts, clients, periodOnly));
    WriteAllRecords(set->Path("set.exp"), Ledger<books::ExpRec>(checks, clients, periodOnly));
    WriteAllRecords(set->Path("clients.pl5"), Clients(clients));
    WriteAllRecords(set->Path("statement.is5"), Statement(statementLines));
    set->sources.incomePath = set->Path("set.inc");
    set->sources.expensePath = set->Path("set.exp");
    set->sources.clientPath = set->Path("clients.pl5");
    set->sources.statementFolder = set->dir.path();
    set->sources.captionLines = {"Hollis & Barr", "12 Main Street", "", "", "555-0142"};
    for (int k = 0; k < bills; ++k) {
        TBillRec bill;
        bill.ClientNo = ClientNumber(k % clients);
        bill.FullName = QStringLiteral("Client %1").arg(k);
        bill.LastBill = kLastBill - 200;
        bill.BalanceForward = 1'000'000;
        bill.Description[0] = QStringLiteral("Filing fee");
        bill.Amount[0] = 500'000;
        if (statementLines > 0) {
            bill.ISPath[0] = set->Path("statement.is5");
        }
        set->bills.push_back(bill);
    }
    return set;
}

// One print command over every bill of the set; the bytes it read.
qint64 PrintBills(const DataSet& set) {
    BillInputs inputs(set.sources);
    TAnswer answers(DocumentProgram::Billing);
    BillCalculation calculation(inputs, answers, BillNotices{});
    StatementDocument statements(inputs, answers, ErrorSink([](int) {}), true);
    TemplateDocument document(answers, TemplateFolder(OfficeFolders{}, "quenby5"),
                              ErrorSink([](int) {}));
    for (const TBillRec& bill : set.bills) {
        AddBillWithStatements(calculation, statements, bill, kBillDate, document);
    }
    document.Write(set.Path("Selected Forms.RTF"));
    return inputs.BytesRead();
}

void BM_OneBillWithStatement(benchmark::State& state) {
    // 2,000 ledger lines of one client, all on the bill.
    const auto set = MakeDataSet(1000, 1000, 1, 1, 500, true);
    qint64 bytes = 0;
    for (auto _ : state) {
        bytes = PrintBills(*set);
    }
    state.counters["bytes_read"] = static_cast<double>(bytes);
}
BENCHMARK(BM_OneBillWithStatement)->Unit(benchmark::kMillisecond);

void BM_ThousandBills(benchmark::State& state) {
    const auto set = MakeDataSet(100'000, 100'000, 10'000, 1000, 0, false);
    qint64 bytes = 0;
    for (auto _ : state) {
        bytes = PrintBills(*set);
    }
    state.counters["bytes_read"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ThousandBills)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
