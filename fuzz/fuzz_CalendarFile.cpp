// The calendar file: indexed and its days read as the calendar window reads
// them, one day found by scanning, a client's entries taken for a statement,
// the calendar backup made from it, and the tool's check and dump.

#include "billing/core/CalendarBackup.h"
#include "billing/core/CalendarDayIndex.h"
#include "billing/core/CalendarFile.h"
#include "billing/core/StatementImport.h"
#include "fuzz/FuzzSupport.h"
#include "fuzz/ToolReads.h"

using namespace kiv5;
using namespace kiv5::fuzz;
using namespace kiv5::billing;

namespace {

constexpr std::size_t kDaysRead = 8;

void ReadAsTheWindowDoes(const QString& path, const Clock& clock) {
    const CalendarDayIndex index = CalendarDayIndex::Build(path);
    std::vector<DayCount> dates;
    for (const auto& [date, slot] : index.Days()) {
        if (dates.size() == kDaysRead) {
            break;
        }
        dates.push_back(date);
    }
    dates.push_back(46000);
    const std::vector<DayRec> days = index.ReadDays(path, dates, clock);
    if (!days.empty()) {
        ReadDay(path, days.front().Day, clock);
        CalendarImportRequest request;
        request.calendarPath = path;
        request.clientNo = days.front().SlotClientNo[0];
        request.hourlyRate = 2'000'000;
        CalendarLinesFor(request, clock);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString folder = FreshFolder();
    const QString path =
        WriteScratchFile(kCalendarFileName, QByteArray(reinterpret_cast<const char*>(data),
                                                       static_cast<qsizetype>(size)));
    const Clock& clock = QuietContext().clock;
    Guarded([&] { ReadAsTheWindowDoes(path, clock); });
    Guarded([&] { MakeCalendarBackup(folder, 1); });
    CheckAndDump(path);
    return 0;
}
