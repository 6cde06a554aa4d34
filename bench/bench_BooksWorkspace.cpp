// The bookkeeping workspace on a large set: 1,000,000 receipts and 100,000
// checks. Opening the set, a year filter over income, cancelling it and a
// sort by amount, each timed alone; the peak resident memory is reported with each.

#include "books/core/BooksWorkspace.h"
#include "books/core/ExpRec.h"
#include "books/core/IncRec.h"
#include "books/core/LedgerLayout.h"
#include "common/core/OfficeContext.h"
#include "common/core/RecordFile.h"
#include "common/core/TextFile.h"
#include "tools/kiv5/DemoFiles.h"

#include <QDate>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

using namespace kiv5;
using namespace kiv5::books;

namespace {

constexpr int kReceipts = 1'000'000;
constexpr int kChecks = 100'000;

template <class R> std::vector<R> LedgerRecords(int count) {
    std::vector<R> records(static_cast<std::size_t>(count));
    const double first = DateToDayCount(QDate(2005, 1, 1));
    for (int k = 0; k < count; ++k) {
        R& record = records[static_cast<std::size_t>(k)];
        record.*LedgerTraits<R>::kNumber = QString::number(k + 1);
        record.Date = first + static_cast<double>(qint64{k} * 7919 % 7300);
        record.*LedgerTraits<R>::kParty = QStringLiteral("Party %1").arg(k % 5000);
        record.Description = QStringLiteral("Services rendered");
        record.Category = QStringLiteral("Fees");
        record.Account = QStringLiteral("Operating");
        record.Amount = (qint64{k} * 104729 % 10000000) * 100;
        record.PostTime = first;
        record.PullTime = first;
        record.RecNo = k + 1;
    }
    return records;
}

struct BigSet {
    BigSet() {
        const QString folder = dir.path() + QStringLiteral("/");
        WriteTextLines(folder + "big.su5", {"big.inc", "big.exp", "big.acc", "big.cat", ""});
        tool::WriteDemoIncomeFile(folder + "big.inc", LedgerRecords<IncRec>(kReceipts),
                                  ErrorSink());
        tool::WriteDemoExpenseFile(folder + "big.exp", LedgerRecords<ExpRec>(kChecks), ErrorSink());
        WriteTextLines(folder + "big.acc", {"Operating"});
        WriteTextLines(folder + "big.cat", {"Fees"});
        setFile = folder + "big.su5";
    }
    QTemporaryDir dir;
    QString setFile;
};

BigSet& Set() {
    static BigSet set;
    return set;
}

void ReportPeakMemory(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

struct OpenWorkspace {
    OpenWorkspace() : ws(1280, context) {
        ws.settings.FilesDirectory = Set().dir.path();
        ws.Open(Set().setFile);
    }
    OpenWorkspace(const OpenWorkspace&) = delete;
    OpenWorkspace& operator=(const OpenWorkspace&) = delete;
    OfficeContext context;
    BooksWorkspace ws;
};

void BM_OpenSet(benchmark::State& state) {
    Set();
    for (auto _ : state) {
        OpenWorkspace open;
        benchmark::DoNotOptimize(open.ws.Income().Table().RowCount());
    }
    ReportPeakMemory(state);
}

FilterRec YearCriteria() {
    FilterRec year;
    year.Date = QStringLiteral("2011");
    return year;
}

void BM_YearFilter(benchmark::State& state) {
    OpenWorkspace open;
    for (auto _ : state) {
        open.ws.SetFilter(LedgerId::Income, YearCriteria());
        state.PauseTiming();
        open.ws.CancelFilter(LedgerId::Income);
        state.ResumeTiming();
    }
    ReportPeakMemory(state);
}

void BM_CancelFilter(benchmark::State& state) {
    OpenWorkspace open;
    for (auto _ : state) {
        state.PauseTiming();
        open.ws.SetFilter(LedgerId::Income, YearCriteria());
        state.ResumeTiming();
        open.ws.CancelFilter(LedgerId::Income);
    }
    ReportPeakMemory(state);
}

void BM_SortByAmount(benchmark::State& state) {
    OpenWorkspace open;
    for (auto _ : state) {
        open.ws.SortBy(LedgerId::Income, LedgerColumn::Amount, true);
    }
    ReportPeakMemory(state);
}

} // namespace

BENCHMARK(BM_OpenSet)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_YearFilter)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_CancelFilter)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SortByAmount)->Unit(benchmark::kMillisecond)->Iterations(2);

BENCHMARK_MAIN();
