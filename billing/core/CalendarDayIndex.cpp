#include "billing/core/CalendarDayIndex.h"

#include "billing/core/CalendarFile.h"
#include "common/core/FileLock.h"
#include "common/core/RecordFile.h"

#include <QFileInfo>
#include <QtEndian>
#include <cmath>
#include <cstring>

namespace kiv5::billing {
namespace {

constexpr int kDaySize = RecordLayout<DayRec>::kSize;
constexpr int kDayOffset = FieldOffset<DayRec>("Day");
// Records read per block while indexing.
constexpr int kBlockRecords = 256;

double DayAt(const char* record) {
    const quint64 raw = qFromLittleEndian<quint64>(record + kDayOffset);
    double day;
    std::memcpy(&day, &raw, sizeof day);
    return day;
}

} // namespace

CalendarDayIndex CalendarDayIndex::Build(const QString& path) {
    CalendarDayIndex index;
    if (!QFileInfo::exists(path)) {
        return index;
    }
    RecordFile file(path, kDaySize, RecordFile::Mode::Read);
    const qint64 count = file.Count();
    index.days_.reserve(static_cast<std::size_t>(count));
    for (qint64 first = 0; first < count; first += kBlockRecords) {
        const qint64 block = std::min<qint64>(kBlockRecords, count - first);
        QByteArray bytes;
        bytes.reserve(static_cast<qsizetype>(block * kDaySize));
        for (qint64 k = 0; k < block; ++k) {
            bytes.append(file.Read());
        }
        for (qint64 k = 0; k < block; ++k) {
            const double day = DayAt(bytes.constData() + k * kDaySize);
            index.days_.emplace_back(day, first + k);
            if (!std::isnan(day)) {
                index.slots_.emplace(day, first + k);
            }
        }
    }
    file.Close();
    index.count_ = count;
    index.Stamp(path);
    return index;
}

void CalendarDayIndex::Stamp(const QString& path) {
    const QFileInfo info(path);
    size_ = info.exists() ? info.size() : -1;
    modified_ = info.exists() ? info.lastModified() : QDateTime();
}

bool CalendarDayIndex::IsCurrent(const QString& path) const {
    const QFileInfo info(path);
    if (!info.exists()) {
        return size_ == -1;
    }
    return info.size() == size_ && info.lastModified() == modified_;
}

std::optional<qint64> CalendarDayIndex::SlotOf(DayCount date) const {
    const auto found = slots_.find(date);
    if (found == slots_.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::vector<DayRec> CalendarDayIndex::ReadDays(const QString& path,
                                               const std::vector<DayCount>& dates,
                                               const Clock& clock) const {
    std::vector<DayRec> days;
    days.reserve(dates.size());
    std::optional<RecordFile> file;
    for (const DayCount date : dates) {
        const std::optional<qint64> slot = SlotOf(date);
        if (!slot) {
            days.push_back(MakeBlankDay(date, clock));
            continue;
        }
        if (!file) {
            file.emplace(path, kDaySize, RecordFile::Mode::Read);
        }
        file->Seek(*slot);
        days.push_back(file->ReadRecord<DayRec>());
    }
    if (file) {
        file->Close();
    }
    return days;
}

void CalendarDayIndex::WriteDay(const QString& path, const DayRec& record, DayCount date) {
    DayRec stored = record;
    stored.Day = date;
    AppendLock lock(path);
    if (!IsCurrent(path)) {
        *this = Build(path);
    }
    RecordFile file(path, kDaySize, RecordFile::Mode::OpenOrCreate);
    if (const std::optional<qint64> slot = SlotOf(date)) {
        file.Seek(*slot);
        file.WriteRecord(stored);
    } else {
        const qint64 at = file.Append(EncodeRecord(stored));
        slots_.emplace(date, at);
        days_.emplace_back(date, at);
        count_ = at + 1;
    }
    file.Close();
    Stamp(path);
}

} // namespace kiv5::billing
