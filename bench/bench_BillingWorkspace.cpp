// The billing workspace on a large office: 10,000 bills and a client file of
// 100,000 clients. Opening the billing file, both sorts, a filter, a fast
// find through every bill, and the entry form's client list read first and
// then kept, each timed alone.

#include "billing/core/BillingWorkspace.h"
#include "billing/core/TBillRec.h"
#include "clientdb/core/NameRec.h"
#include "common/core/DateTime.h"
#include "common/core/OfficeContext.h"
#include "common/core/RecordFile.h"

#include <QDate>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace kiv5;
using namespace kiv5::billing;

namespace {

constexpr int kBills = 10'000;
constexpr int kClients = 100'000;

std::vector<TBillRec> Bills() {
    std::vector<TBillRec> bills(static_cast<std::size_t>(kBills));
    const double first = DateToDayCount(QDate(2008, 1, 1));
    for (int k = 0; k < kBills; ++k) {
        TBillRec& bill = bills[static_cast<std::size_t>(k)];
        bill.ClientNo = QString::number(k * 7 % kClients);
        bill.FullName = QStringLiteral("Client %1, Name").arg(qint64{k} * 7919 % kBills);
        bill.LastBill = first + static_cast<double>(k % 1500);
        bill.BalanceForward = (qint64{k} * 104729 % 10000000) * 100;
        for (std::size_t line = 0; line < 10; ++line) {
            bill.Description[line] = QStringLiteral("Services rendered, line %1").arg(line);
            bill.Amount[line] = static_cast<qint64>(line + 1) * 250000;
        }
        bill.Note = QStringLiteral("Note of bill %1").arg(k);
        bill.InterestRate = 8;
        bill.PostTime = first;
        bill.PullTime = first;
        bill.RecNo = k + 1;
    }
    return bills;
}

std::vector<NameRec> Clients() {
    std::vector<NameRec> clients(static_cast<std::size_t>(kClients) + 1);
    for (int k = 1; k <= kClients; ++k) {
        NameRec& client = clients[static_cast<std::size_t>(k)];
        client.ClientNo = QString::number(k);
        client.LastName = QStringLiteral("Last%1").arg(k);
        client.FirstName = QStringLiteral("First");
    }
    return clients;
}

struct BigOffice {
    BigOffice() {
        folder = dir.path() + QStringLiteral("/");
        WriteAllRecords(folder + "big.bil", Bills());
        WriteAllRecords(folder + "kiv5.pl5", Clients());
    }
    QTemporaryDir dir;
    QString folder;
};

BigOffice& Office() {
    static BigOffice office;
    return office;
}

struct OpenWorkspace {
    OpenWorkspace() : ws(1280, context) {
        ws.settings.FilesDirectory = Office().folder;
        ws.settings.PL5Directory = Office().folder;
        ws.settings.PL5FileName = QStringLiteral("kiv5.pl5");
        ws.Open(Office().folder + "big.qy5");
    }
    OpenWorkspace(const OpenWorkspace&) = delete;
    OpenWorkspace& operator=(const OpenWorkspace&) = delete;
    OfficeContext context;
    BillingWorkspace ws;
};

void BM_Open(benchmark::State& state) {
    Office();
    for (auto _ : state) {
        OpenWorkspace open;
        benchmark::DoNotOptimize(open.ws.Table().RowCount());
    }
}

void BM_SortByName(benchmark::State& state) {
    OpenWorkspace open;
    for (auto _ : state) {
        state.PauseTiming();
        open.ws.SortByBalanceDue();
        state.ResumeTiming();
        open.ws.SortByName();
    }
}

void BM_SortByBalanceDue(benchmark::State& state) {
    OpenWorkspace open;
    for (auto _ : state) {
        state.PauseTiming();
        open.ws.SortByName();
        state.ResumeTiming();
        open.ws.SortByBalanceDue();
    }
}

void BM_Filter(benchmark::State& state) {
    OpenWorkspace open;
    BillFilterRec criteria;
    criteria.Date = QStringLiteral("2009");
    criteria.Description = QStringLiteral("line 3");
    for (auto _ : state) {
        open.ws.SetFilter(criteria);
        state.PauseTiming();
        open.ws.CancelFilter();
        state.ResumeTiming();
    }
}

void BM_CancelFilter(benchmark::State& state) {
    OpenWorkspace open;
    BillFilterRec criteria;
    criteria.Date = QStringLiteral("2009");
    for (auto _ : state) {
        state.PauseTiming();
        open.ws.SetFilter(criteria);
        state.ResumeTiming();
        open.ws.CancelFilter();
    }
}

void BM_FastFind(benchmark::State& state) {
    OpenWorkspace open;
    for (auto _ : state) {
        // A text in no bill: every row of the table is searched.
        benchmark::DoNotOptimize(open.ws.NextMatch(QStringLiteral("no such text"), 1));
    }
}

void BM_ClientListFirstRead(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        OpenWorkspace open;
        state.ResumeTiming();
        benchmark::DoNotOptimize(open.ws.ClientListItems());
        benchmark::DoNotOptimize(open.ws.ClientItemOf(QStringLiteral("70")));
    }
}

void BM_ClientListKept(benchmark::State& state) {
    OpenWorkspace open;
    open.ws.ClientListItems();
    for (auto _ : state) {
        benchmark::DoNotOptimize(open.ws.ClientListItems());
        benchmark::DoNotOptimize(open.ws.ClientItemOf(QStringLiteral("70")));
    }
}

} // namespace

BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SortByName)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SortByBalanceDue)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Filter)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CancelFilter)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FastFind)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ClientListFirstRead)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ClientListKept)->Unit(benchmark::kMillisecond)->Iterations(10);

BENCHMARK_MAIN();
