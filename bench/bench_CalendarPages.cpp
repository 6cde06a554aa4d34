// The calendar printouts of a 10-year calendar (3,650 days, every slot
// filled, about 15 MB, days in the order first used): the month, week and
// day pages written as RTF on the installed templates, and a month the
// calendar does not hold, which reads the whole file.

#include "billing/core/CalendarPages.h"
#include "common/core/DateTime.h"
#include "common/core/OfficeFolders.h"
#include "common/core/RecordFile.h"
#include "common/core/RtfTemplateFolder.h"

#include <QCoreApplication>
#include <QDate>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace kiv5;
using namespace kiv5::billing;

namespace {

constexpr int kDays = 3650;
const QDate kFirst(2015, 1, 1);

struct BigCalendar {
    BigCalendar() {
        std::vector<DayRec> days(kDays);
        for (int k = 0; k < kDays; ++k) {
            DayRec& day = days[static_cast<std::size_t>(k)];
            day.Day = DateToDayCount(kFirst.addDays(qint64{k} * 7 % kDays));
            for (int slot = 0; slot < kDaySlots; ++slot) {
                day.SlotText[static_cast<std::size_t>(slot)] =
                    QStringLiteral("Entry %1 - Hearing {Common Pleas}").arg(slot);
                day.SlotClientNo[static_cast<std::size_t>(slot)] =
                    QStringLiteral("C-%1").arg(k % 90);
                day.SlotHours[static_cast<std::size_t>(slot)] = 0.5;
            }
            day.DayNotes = QStringLiteral("First line\r\nSecond line");
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

void Print(benchmark::State& state, CalendarPageKind kind, QDate date) {
    const QString templates = TemplateFolder(OfficeFolders{}, QStringLiteral("quenby5"));
    const QString out = Calendar().dir.path() + QStringLiteral("/page.rtf");
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            WriteCalendarPage(kind, date, Calendar().path, templates, out, ErrorSink()));
    }
}

void PrintMonth(benchmark::State& state) {
    Print(state, CalendarPageKind::Month, QDate(2020, 6, 15));
}
BENCHMARK(PrintMonth)->Unit(benchmark::kMillisecond);

void PrintMonthNotInTheCalendar(benchmark::State& state) {
    Print(state, CalendarPageKind::Month, QDate(2030, 6, 15));
}
BENCHMARK(PrintMonthNotInTheCalendar)->Unit(benchmark::kMillisecond);

void PrintWeek(benchmark::State& state) {
    Print(state, CalendarPageKind::Week, QDate(2020, 6, 15));
}
BENCHMARK(PrintWeek)->Unit(benchmark::kMillisecond);

void PrintDay(benchmark::State& state) {
    Print(state, CalendarPageKind::Day, QDate(2020, 6, 15));
}
BENCHMARK(PrintDay)->Unit(benchmark::kMillisecond);

} // namespace

// The templates are found beside the program, which needs the application.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
