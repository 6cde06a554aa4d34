// The calendar and the statement worksheet on large files: a 10-year
// calendar (3,650 days, every slot filled, about 15 MB) shown as a month with
// its bold days, as a week and as a day, and one week cell stored; a statement
// of 10,000 lines opened and sorted by date.

#include "billing/core/BillingSettings.h"
#include "billing/core/CalendarWorkspace.h"
#include "billing/core/StatementWorkspace.h"
#include "common/core/OfficeContext.h"
#include "common/core/RecordFile.h"

#include <QDate>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace kiv5;
using namespace kiv5::billing;

namespace {

constexpr int kDays = 3650;
constexpr int kLines = 10'000;
const QDate kFirst(2015, 1, 1);

struct BigCalendar {
    BigCalendar() {
        std::vector<DayRec> days(kDays);
        for (int k = 0; k < kDays; ++k) {
            DayRec& day = days[static_cast<std::size_t>(k)];
            // Days stored in the order they were first used, not by date.
            day.Day = DateToDayCount(kFirst.addDays(qint64{k} * 7 % kDays));
            for (int slot = 0; slot < kDaySlots; ++slot) {
                day.SlotText[static_cast<std::size_t>(slot)] = QStringLiteral("Entry %1").arg(slot);
                day.SlotClientNo[static_cast<std::size_t>(slot)] =
                    QStringLiteral("C-%1").arg(k % 90);
                day.SlotHours[static_cast<std::size_t>(slot)] = 0.5;
            }
        }
        path = dir.path() + QStringLiteral("/orvcal5.cal");
        WriteAllRecords<DayRec>(path, days);
    }
    QTemporaryDir dir;
    QString path;
};

BigCalendar& Calendar() {
    static BigCalendar calendar;
    return calendar;
}

void ShowMonth(benchmark::State& state) {
    OfficeContext context;
    const QDate month(2020, 6, 1);
    for (auto _ : state) {
        // Each command finds the file unchanged or builds its index anew.
        CalendarWorkspace fresh(Calendar().path, context);
        benchmark::DoNotOptimize(fresh.MonthDays(month.year(), month.month()));
        benchmark::DoNotOptimize(fresh.BoldDays(month.year(), month.month()));
    }
}
BENCHMARK(ShowMonth)->Unit(benchmark::kMillisecond);

void ShowWeekAndDay(benchmark::State& state) {
    OfficeContext context;
    for (auto _ : state) {
        CalendarWorkspace ws(Calendar().path, context);
        ws.GoTo(DateToDayCount(QDate(2021, 3, 10)));
        benchmark::DoNotOptimize(ws.WeekDays(ws.WeekStart()));
    }
}
BENCHMARK(ShowWeekAndDay)->Unit(benchmark::kMillisecond);

void StoreWeekCell(benchmark::State& state) {
    OfficeContext context;
    CalendarWorkspace ws(Calendar().path, context);
    std::array<QString, kDaySlots> texts;
    texts[20] = QStringLiteral("Stored cell");
    for (auto _ : state) {
        ws.StoreWeekColumn(QDate(2022, 8, 3), texts);
    }
}
BENCHMARK(StoreWeekCell)->Unit(benchmark::kMillisecond);

void OpenAndSortStatement(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/big.is5");
    std::vector<ISRec> lines(kLines);
    for (int k = 0; k < kLines; ++k) {
        ISRec& line = lines[static_cast<std::size_t>(k)];
        line.ServiceDate = DateToDayCount(kFirst.addDays(qint64{k} * 7919 % 3650));
        line.ServiceDescription = QStringLiteral("Services rendered %1").arg(k % 97);
        line.TimeSpent = (k % 16) * 0.25;
        line.HourlyRate = 2'500'000;
        line.RecNo = k;
    }
    WriteAllRecords<ISRec>(path, lines);
    OfficeContext context;
    BillingSettings settings;
    for (auto _ : state) {
        StatementWorkspace ws(settings, context);
        ws.Open(path);
        benchmark::DoNotOptimize(ws.CurrentRow);
    }
}
BENCHMARK(OpenAndSortStatement)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
