// Sorting and fast find on tables of client and income size. Each
// measurement stands beside a baseline: copying the table (what the sort has
// to beat to be worth its keys) and std::sort of the same keys (a lower
// bound for any comparison sort).

#include "bench/TableData.h"
#include "books/core/LedgerColumns.h"
#include "clientdb/core/ClientColumns.h"
#include "common/core/Cp1252.h"
#include "common/core/DateTime.h"
#include "common/core/FastFind.h"
#include "common/core/Misc.h"
#include "common/core/TableSort.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <map>

using namespace kiv5;

namespace {

constexpr int kLastName = 3;
constexpr int kDate = 2;
constexpr int kAmount = 9;
constexpr int kPosition = 12;

// Tables are made once per size and copied for every sort.
const RecordTable& ClientTable(int rows) {
    static std::map<int, RecordTable> tables;
    auto it = tables.find(rows);
    if (it == tables.end()) {
        it = tables.emplace(rows, bench::MakeClientTable(rows)).first;
    }
    return it->second;
}

const RecordTable& LedgerTable(int rows) {
    static std::map<int, RecordTable> tables;
    auto it = tables.find(rows);
    if (it == tables.end()) {
        it = tables.emplace(rows, bench::MakeLedgerTable(rows)).first;
    }
    return it->second;
}

// A ledger in file order is sorted by position already; shuffle it so the
// save path's sort by position has work to do.
const RecordTable& ShuffledLedger(int rows) {
    static std::map<int, RecordTable> tables;
    auto it = tables.find(rows);
    if (it == tables.end()) {
        RecordTable table = LedgerTable(rows);
        SortState state(books::BookkeepingTableProfile());
        SortColumnShell(table, books::BookkeepingTableProfile(), state, kDate);
        it = tables.emplace(rows, std::move(table)).first;
    }
    return it->second;
}

void Sort(benchmark::State& state, const RecordTable& source, const TableProfile& profile,
          int column, bool ascending = true) {
    SortState sortState(profile);
    sortState.AscendFlag[static_cast<std::size_t>(column)] = ascending;
    for (auto _ : state) {
        state.PauseTiming();
        RecordTable table = source;
        state.ResumeTiming();
        SortColumnShell(table, profile, sortState, column);
        benchmark::DoNotOptimize(table);
        state.PauseTiming();
        table = RecordTable(1, 0);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * source.DataRowCount());
}

void BM_CopyClientTable(benchmark::State& state) {
    const RecordTable& source = ClientTable(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        RecordTable table = source;
        benchmark::DoNotOptimize(table);
    }
}

void BM_SortClientsByLastName(benchmark::State& state) {
    Sort(state, ClientTable(static_cast<int>(state.range(0))), ClientTableProfile(), kLastName);
}

void BM_SortClientsByLastNameDescending(benchmark::State& state) {
    Sort(state, ClientTable(static_cast<int>(state.range(0))), ClientTableProfile(), kLastName,
         false);
}

// The order alone, without moving the rows.
void BM_ShellSortOrderByLastName(benchmark::State& state) {
    const RecordTable& source = ClientTable(static_cast<int>(state.range(0)));
    const TableProfile profile = ClientTableProfile();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ShellSortOrder(source, profile, kLastName, true));
    }
}

void BM_StdSortLastNameKeys(benchmark::State& state) {
    const RecordTable& source = ClientTable(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::vector<QByteArray> keys;
        keys.reserve(static_cast<std::size_t>(source.DataRowCount()));
        for (int row = 1; row < source.RowCount(); ++row) {
            keys.push_back(ToCp1252(UpperCaseText(source.Cell(row, kLastName))));
        }
        std::sort(keys.begin(), keys.end());
        benchmark::DoNotOptimize(keys);
    }
}

void BM_SortLedgerByDate(benchmark::State& state) {
    Sort(state, LedgerTable(static_cast<int>(state.range(0))), books::BookkeepingTableProfile(),
         kDate);
}

void BM_StdSortDateKeys(benchmark::State& state) {
    const RecordTable& source = LedgerTable(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::vector<double> keys;
        keys.reserve(static_cast<std::size_t>(source.DataRowCount()));
        for (int row = 1; row < source.RowCount(); ++row) {
            keys.push_back(ParseDate(source.Cell(row, kDate)));
        }
        std::sort(keys.begin(), keys.end());
        benchmark::DoNotOptimize(keys);
    }
}

void BM_SortLedgerByAmount(benchmark::State& state) {
    Sort(state, LedgerTable(static_cast<int>(state.range(0))), books::BookkeepingTableProfile(),
         kAmount);
}

void BM_StdSortAmountKeys(benchmark::State& state) {
    const RecordTable& source = LedgerTable(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::vector<double> keys;
        keys.reserve(static_cast<std::size_t>(source.DataRowCount()));
        for (int row = 1; row < source.RowCount(); ++row) {
            keys.push_back(ParseFloat(RemoveCommasAndSigns(source.Cell(row, kAmount))));
        }
        std::sort(keys.begin(), keys.end());
        benchmark::DoNotOptimize(keys);
    }
}

void BM_SortLedgerByPosition(benchmark::State& state) {
    Sort(state, ShuffledLedger(static_cast<int>(state.range(0))), books::BookkeepingTableProfile(),
         kPosition);
}

void FindAll(benchmark::State& state, const QString& text) {
    const RecordTable& table = ClientTable(static_cast<int>(state.range(0)));
    const TableProfile profile = ClientTableProfile();
    std::size_t found = 0;
    for (auto _ : state) {
        const std::vector<int> rows = RowsToOpen(table, profile, text);
        found = rows.size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["matches"] = static_cast<double>(found);
    state.SetItemsProcessed(state.iterations() * table.DataRowCount());
}

void BM_FastFindCommon(benchmark::State& state) {
    FindAll(state, QStringLiteral("smith"));
}

void BM_FastFindRare(benchmark::State& state) {
    FindAll(state, QStringLiteral("zzq"));
}

// Qt's own case-blind search over the same cells.
void BM_QtContainsRare(benchmark::State& state) {
    const RecordTable& table = ClientTable(static_cast<int>(state.range(0)));
    const QString text = QStringLiteral("zzq");
    for (auto _ : state) {
        std::size_t found = 0;
        for (int row = 1; row < table.RowCount(); ++row) {
            for (int column = 2; column <= 17; ++column) {
                if (table.Cell(row, column).contains(text, Qt::CaseInsensitive)) {
                    ++found;
                    break;
                }
            }
        }
        benchmark::DoNotOptimize(found);
    }
}

} // namespace

BENCHMARK(BM_CopyClientTable)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortClientsByLastName)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortClientsByLastNameDescending)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShellSortOrderByLastName)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdSortLastNameKeys)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortLedgerByDate)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdSortDateKeys)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortLedgerByAmount)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdSortAmountKeys)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortLedgerByPosition)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FastFindCommon)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FastFindRare)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtContainsRare)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
