#include "billing/core/CalendarFile.h"

#include "common/core/DateTime.h"
#include "common/core/FileLock.h"
#include "common/core/Misc.h"
#include "common/core/RecordFile.h"

#include <QFileInfo>
#include <QtEndian>
#include <cstring>

namespace kiv5::billing {
namespace {

constexpr int kDaySize = RecordLayout<DayRec>::kSize;
constexpr int kDayOffset = FieldOffset<DayRec>("Day");
static_assert(kDayOffset >= 0);

// The Day of a stored record, read without decoding the rest: every lookup
// scans the whole file.
double StoredDay(const QByteArray& bytes) {
    const quint64 raw = qFromLittleEndian<quint64>(bytes.constData() + kDayOffset);
    double day;
    std::memcpy(&day, &raw, sizeof day);
    return day;
}

// Reads from the first record on; the slot of `date` or -1.
qint64 FindDay(RecordFile& file, double date) {
    file.Seek(0);
    for (qint64 slot = 0; !file.AtEnd(); ++slot) {
        if (StoredDay(file.Read()) == date) {
            return slot;
        }
    }
    return -1;
}

} // namespace

QString CalendarFilePath(const QString& filesDirectory) {
    return SlashAtEnd(filesDirectory) + kCalendarFileName;
}

DayRec MakeBlankDay(double day, const Clock& clock) {
    DayRec record;
    record.Day = day;
    record.PostTime = clock.Now();
    record.PullTime = record.PostTime;
    return record;
}

DayRec ReadDay(const QString& path, double date, const Clock& clock) {
    if (!QFileInfo::exists(path)) {
        return MakeBlankDay(date, clock);
    }
    RecordFile file(path, kDaySize, RecordFile::Mode::Read);
    while (!file.AtEnd()) {
        const QByteArray bytes = file.Read();
        if (StoredDay(bytes) == date) {
            file.Close();
            return DecodeRecord<DayRec>(bytes);
        }
    }
    file.Close();
    return MakeBlankDay(date, clock);
}

void WriteDay(const QString& path, const DayRec& record, double date) {
    DayRec stored = record;
    stored.Day = date;
    AppendLock lock(path);
    RecordFile file(path, kDaySize, RecordFile::Mode::OpenOrCreate);
    const qint64 slot = FindDay(file, date);
    if (slot >= 0) {
        file.Seek(slot);
        file.WriteRecord(stored);
    } else {
        file.Append(EncodeRecord(stored));
    }
    file.Close();
}

} // namespace kiv5::billing
