// The bookkeeping main window on large sets: 100,000 receipts and 10,000
// checks, then 1,000,000 receipts and 100,000 checks, so that each figure's
// growth shows. Open (both ledgers read and sorted by date, first paint of
// both windows), a year filter over income, cancelling it and a sort by
// amount, each timed alone and painted; a baseline reads only the bytes of
// both ledger files. The peak resident memory of each (set, window and
// command, not the making of the set) is reported with it.

#include "bench/ui/BenchPrompts.h"
#include "bench/ui/Paint.h"
#include "books/core/BooksSettings.h"
#include "books/core/ExpRec.h"
#include "books/core/IncRec.h"
#include "books/core/LedgerLayout.h"
#include "books/ui/BooksMainWindow.h"
#include "common/core/RecordFile.h"
#include "common/core/SettingsStore.h"
#include "common/core/TextFile.h"
#include "tools/kiv5/DemoFiles.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <map>
#include <memory>

using namespace kiv5;
using namespace kiv5::books;

namespace {

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

// A set of `receipts` income and a tenth as many expense records, made once
// for the run.
struct BigSet {
    explicit BigSet(int receipts) {
        const QString folder = dir.path() + QStringLiteral("/");
        WriteTextLines(folder + "big.su5", {"big.inc", "big.exp", "big.acc", "big.cat", ""});
        tool::WriteDemoIncomeFile(folder + "big.inc", LedgerRecords<IncRec>(receipts), ErrorSink());
        tool::WriteDemoExpenseFile(folder + "big.exp", LedgerRecords<ExpRec>(receipts / 10),
                                   ErrorSink());
        WriteTextLines(folder + "big.acc", {"Operating"});
        WriteTextLines(folder + "big.cat", {"Fees"});
        setFile = folder + "big.su5";
        ledgers = {folder + "big.inc", folder + "big.exp"};
    }
    QTemporaryDir dir;
    QString setFile;
    QStringList ledgers;
};

const BigSet& Set(int receipts) {
    static std::map<int, std::unique_ptr<BigSet>> sets;
    auto& set = sets[receipts];
    if (!set) {
        set = std::make_unique<BigSet>(receipts);
    }
    return *set;
}

// Settings naming no set to load and no backup at exit, so that the window
// writes nothing to the data.
const QTemporaryDir& SettingsFolder() {
    static QTemporaryDir folder;
    static const bool written = [] {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
        SettingsStore store = BooksSettingsStore();
        store.WriteText(QStringLiteral("AutoFileName"), QString());
        store.WriteFlag(QStringLiteral("AutomaticBackupFlag"), false);
        store.Save();
        return true;
    }();
    Q_UNUSED(written);
    return folder;
}

// The peak resident memory counts from here on (Linux: "5" to clear_refs
// resets it), so that making a set does not count.
void ResetPeakMemory() {
    // Memory freed after making a set goes back to the system first.
    malloc_trim(0);
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly)) {
        refs.write("5");
    }
}

// The peak resident memory since ResetPeakMemory, in MB.
void ReportPeakMemory(benchmark::State& state) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            const QByteArray kb = line.mid(6).trimmed().split(' ').value(0);
            state.counters["peak_MB"] = kb.toDouble() / 1024.0;
        }
    }
}

struct Window {
    explicit Window(int receipts) {
        SettingsFolder();
        prompts.openFile = Set(receipts).setFile;
        books::ui::BooksStartOptions options;
        options.splash = false;
        window = std::make_unique<books::ui::BooksMainWindow>(prompts, options);
        window->resize(1280, 900);
        window->show();
        window->StartUp();
        window->Workspace().settings.FilesDirectory = Set(receipts).dir.path();
        QApplication::processEvents();
    }
    void Open() { window->OpenCommand(); }
    BooksWorkspace& Ws() { return window->Workspace(); }

    bench::BenchPrompts prompts;
    std::unique_ptr<books::ui::BooksMainWindow> window;
};

int Receipts(const benchmark::State& state) {
    return static_cast<int>(state.range(0));
}

// Only the bytes of both ledger files, in large blocks.
void BM_ReadLedgerBytes(benchmark::State& state) {
    const BigSet& set = Set(Receipts(state));
    ResetPeakMemory();
    for (auto _ : state) {
        qint64 total = 0;
        for (const QString& path : set.ledgers) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                state.SkipWithError("cannot read the ledger");
                return;
            }
            while (!file.atEnd()) {
                total += file.read(kLedgerRecordSize * 2048).size();
            }
        }
        benchmark::DoNotOptimize(total);
    }
    ReportPeakMemory(state);
}

void BM_OpenSet(benchmark::State& state) {
    Set(Receipts(state));
    ResetPeakMemory();
    for (auto _ : state) {
        state.PauseTiming();
        auto w = std::make_unique<Window>(Receipts(state));
        state.ResumeTiming();
        w->Open();
        benchmark::DoNotOptimize(bench::PaintOnce(*w->window));
        state.PauseTiming();
        ReportPeakMemory(state);
        w.reset();
        state.ResumeTiming();
    }
}

FilterRec YearCriteria() {
    FilterRec year;
    year.Date = QStringLiteral("2011");
    return year;
}

void BM_YearFilter(benchmark::State& state) {
    Set(Receipts(state));
    ResetPeakMemory();
    Window w(Receipts(state));
    w.Open();
    for (auto _ : state) {
        w.Ws().SetFilter(LedgerId::Income, YearCriteria());
        benchmark::DoNotOptimize(bench::PaintOnce(*w.window));
        state.PauseTiming();
        w.Ws().CancelFilter(LedgerId::Income);
        state.ResumeTiming();
    }
    ReportPeakMemory(state);
}

void BM_CancelFilter(benchmark::State& state) {
    Set(Receipts(state));
    ResetPeakMemory();
    Window w(Receipts(state));
    w.Open();
    for (auto _ : state) {
        state.PauseTiming();
        w.Ws().SetFilter(LedgerId::Income, YearCriteria());
        state.ResumeTiming();
        w.Ws().CancelFilter(LedgerId::Income);
        benchmark::DoNotOptimize(bench::PaintOnce(*w.window));
    }
    ReportPeakMemory(state);
}

void BM_SortByAmount(benchmark::State& state) {
    Set(Receipts(state));
    ResetPeakMemory();
    Window w(Receipts(state));
    w.Open();
    for (auto _ : state) {
        w.Ws().SortBy(LedgerId::Income, LedgerColumn::Amount, true);
        benchmark::DoNotOptimize(bench::PaintOnce(*w.window));
    }
    ReportPeakMemory(state);
}

void Sizes(benchmark::internal::Benchmark* bench) {
    bench->Arg(100'000)->Arg(1'000'000);
}

} // namespace

BENCHMARK(BM_ReadLedgerBytes)->Apply(Sizes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenSet)->Apply(Sizes)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_YearFilter)->Apply(Sizes)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_CancelFilter)
    ->Apply(Sizes)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);
BENCHMARK(BM_SortByAmount)
    ->Apply(Sizes)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);
