#include "billing/core/StatementImport.h"

#include "billing/core/DayRec.h"
#include "common/core/FileLock.h"
#include "common/core/RecordFile.h"

namespace kiv5::billing {

std::vector<ISRec> CalendarLinesFor(const CalendarImportRequest& request, const Clock& clock) {
    std::vector<ISRec> lines;
    if (request.clientNo.isEmpty()) {
        return lines;
    }
    const DayCount now = clock.Now();
    RecordFile file(request.calendarPath, RecordLayout<DayRec>::kSize, RecordFile::Mode::Read);
    while (!file.AtEnd()) {
        const DayRec day = file.ReadRecord<DayRec>();
        if (!(day.Day > request.cutOff)) {
            continue;
        }
        for (int slot = 0; slot < kDaySlots; ++slot) {
            const auto k = static_cast<std::size_t>(slot);
            if (day.SlotClientNo[k] != request.clientNo) {
                continue;
            }
            ISRec line;
            line.Selected = true;
            line.ServiceDate = day.Day;
            line.ServiceDescription = day.SlotText[k];
            line.TimeSpent = day.SlotHours[k];
            line.HourlyRate = request.hourlyRate;
            line.PostTime = now;
            line.PullTime = now;
            lines.push_back(line);
        }
    }
    file.Close();
    return lines;
}

std::vector<ISRec> AppendStatementLines(const QString& statementPath, std::vector<ISRec> lines) {
    if (lines.empty()) {
        return lines;
    }
    AppendLock lock(statementPath);
    RecordFile file(statementPath, RecordLayout<ISRec>::kSize, RecordFile::Mode::ReadWrite);
    for (ISRec& line : lines) {
        line.RecNo = static_cast<qint32>(file.Count());
        file.Append(EncodeRecord(line));
    }
    file.Close();
    return lines;
}

std::vector<ISRec> ImportCalendarEntries(const CalendarImportRequest& request, const Clock& clock) {
    return AppendStatementLines(request.statementPath, CalendarLinesFor(request, clock));
}

} // namespace kiv5::billing
