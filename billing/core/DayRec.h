#pragma once

// One day of the calendar file ("orvcal5.cal"): 4232 bytes, at most one
// record per day, in the order the days were first stored.

#include "common/core/RecordCodec.h"

#include <array>

namespace kiv5::billing {

// Half-hour slots: slot k starts k x 30 minutes after midnight.
inline constexpr int kDaySlots = 48;

struct DayRec {
    bool Selected = false;
    double Day = 0; // whole date; the key of the record
    std::array<QString, kDaySlots> SlotText;
    std::array<double, kDaySlots> SlotHours{}; // 0 when the slot is empty
    std::array<QString, kDaySlots> SlotClientNo;
    QString DayNotes;
    double PostTime = 0;
    double PullTime = 0;
    qint32 RecNo = 0;
    qint32 Status = 0;

    bool operator==(const DayRec&) const = default;
};

} // namespace kiv5::billing

namespace kiv5 {

template <> struct RecordLayout<billing::DayRec> {
    using R = billing::DayRec;
    static constexpr int kSize = 4232;
    static constexpr std::array kFields = {
        Field<R>("Selected", 0, &R::Selected),
        Field<R>("Day", 8, &R::Day),
        Field<R>("SlotText", 16, &R::SlotText, 64),
        Field<R>("SlotHours", 3136, &R::SlotHours),
        Field<R>("SlotClientNo", 3520, &R::SlotClientNo, 8),
        Field<R>("DayNotes", 3952, &R::DayNotes, 255),
        Field<R>("PostTime", 4208, &R::PostTime),
        Field<R>("PullTime", 4216, &R::PullTime),
        Field<R>("RecNo", 4224, &R::RecNo),
        Field<R>("Status", 4228, &R::Status),
    };
};
static_assert(IsValidLayout<billing::DayRec>());
static_assert(RecordLayout<billing::DayRec>::kSize == 4232);

} // namespace kiv5
