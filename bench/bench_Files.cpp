// Opening client files into the table and sorting them by last name, and
// reading and writing income files, on files the demo generator writes once
// per run. Each stands beside a baseline that only reads the file's bytes.

#include "books/core/LedgerFile.h"
#include "clientdb/core/ClientColumns.h"
#include "clientdb/core/ClientFile.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/core/MakeBlankRow.h"
#include "common/core/TableSort.h"
#include "tools/kiv5/DemoData.h"
#include "tools/kiv5/DemoFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>

using namespace kiv5;

namespace {

constexpr int kLastName = 3;
constexpr int kLedgerRecords = 100'000;

struct BenchFiles {
    QTemporaryDir dir;
    std::map<int, ClientFiles> clients;
    QString income;
};

BenchFiles& Files() {
    static BenchFiles files;
    return files;
}

const ClientFiles& ClientFilesOf(int count) {
    BenchFiles& files = Files();
    auto it = files.clients.find(count);
    if (it == files.clients.end()) {
        const ClientFiles paths =
            ClientFilesFor(files.dir.path(), QStringLiteral("clients%1.pl5").arg(count));
        tool::WriteDemoClientFiles(paths, tool::MakeDemoClients(count, Clock()), Clock());
        it = files.clients.emplace(count, paths).first;
    }
    return it->second;
}

const QString& IncomeFile() {
    BenchFiles& files = Files();
    if (files.income.isEmpty()) {
        files.income = files.dir.filePath(QStringLiteral("ledger.inc"));
        tool::WriteDemoIncomeFile(
            files.income,
            tool::MakeDemoIncome(tool::MakeDemoClients(1000, Clock()), kLedgerRecords, Clock()),
            ErrorSink());
    }
    return files.income;
}

qint64 ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray bytes = file.readAll();
    benchmark::DoNotOptimize(bytes.constData());
    return bytes.size();
}

// The client program's table after a sort: row 0 a blank row, record
// number 0, the counter not advanced.
TableProfile ClientProfile() {
    return ClientTableProfile([](RecordTable& table) {
        int subNo = 0;
        MakeBlankRow(table, 0, 0, false, subNo, Clock());
    });
}

void BM_ReadClientBytes(benchmark::State& state) {
    const ClientFiles& files = ClientFilesOf(static_cast<int>(state.range(0)));
    qint64 bytes = 0;
    for (auto _ : state) {
        bytes = ReadBytes(files.clientFile) + ReadBytes(files.memoFile);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

void BM_OpenClientFile(benchmark::State& state) {
    const ClientFiles& files = ClientFilesOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        RecordTable table = MakeClientTable();
        MemoList memo;
        OpenClientFile(files, table, memo);
        benchmark::DoNotOptimize(table);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SortOpenedClientsByLastName(benchmark::State& state) {
    const ClientFiles& files = ClientFilesOf(static_cast<int>(state.range(0)));
    const TableProfile profile = ClientProfile();
    RecordTable opened = MakeClientTable();
    MemoList memo;
    OpenClientFile(files, opened, memo);
    for (auto _ : state) {
        state.PauseTiming();
        RecordTable table = opened;
        SortState sort(profile);
        state.ResumeTiming();
        SortColumnShell(table, profile, sort, kLastName);
        benchmark::DoNotOptimize(table);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// What opening a client file costs the user: read, then sort by last name.
void BM_OpenAndSortClients(benchmark::State& state) {
    const ClientFiles& files = ClientFilesOf(static_cast<int>(state.range(0)));
    const TableProfile profile = ClientProfile();
    for (auto _ : state) {
        RecordTable table = MakeClientTable();
        MemoList memo;
        SortState sort(profile);
        OpenClientFile(files, table, memo);
        SortColumnShell(table, profile, sort, kLastName);
        benchmark::DoNotOptimize(table);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ReadLedgerBytes(benchmark::State& state) {
    const QString& path = IncomeFile();
    qint64 bytes = 0;
    for (auto _ : state) {
        bytes = ReadBytes(path);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

void BM_ReadLedgerFile(benchmark::State& state) {
    const QString& path = IncomeFile();
    for (auto _ : state) {
        RecordTable table = books::MakeLedgerTable();
        books::ReadLedgerFile<books::IncRec>(path, table);
        benchmark::DoNotOptimize(table);
    }
    state.SetItemsProcessed(state.iterations() * kLedgerRecords);
}

void BM_WriteLedgerFile(benchmark::State& state) {
    RecordTable table = books::MakeLedgerTable();
    books::ReadLedgerFile<books::IncRec>(IncomeFile(), table);
    const QString path = Files().dir.filePath(QStringLiteral("written.inc"));
    for (auto _ : state) {
        books::WriteLedgerFile<books::IncRec>(path, table, ErrorSink());
    }
    state.SetItemsProcessed(state.iterations() * kLedgerRecords);
}

} // namespace

BENCHMARK(BM_ReadClientBytes)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenClientFile)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortOpenedClientsByLastName)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenAndSortClients)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLedgerBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLedgerFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteLedgerFile)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
