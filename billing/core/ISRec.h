#pragma once

// One line of an itemized statement file (".is5"): 312 bytes, line k
// (0-based) at byte k x 312, no header.

#include "common/core/RecordCodec.h"

namespace kiv5::billing {

struct ISRec {
    bool Selected = false;
    double ServiceDate = 0;
    QString ServiceDescription; // line breaks stored as " | "
    double TimeSpent = 0;       // hours
    qint64 HourlyRate = 0;      // amount x 10000
    double PostTime = 0;
    double PullTime = 0;
    qint32 RecNo = 0; // 0-based slot, unlike a bill's
    qint32 Status = 0;

    bool operator==(const ISRec&) const = default;
};

// Columns of the statement worksheet table.
namespace ISColumn {
enum : int {
    Mark = 0,
    ServiceDate = 1,
    ServiceDescription = 2,
    TimeSpent = 3,
    HourlyRate = 4,
    PostTime = 5,
    PullTime = 6,
    RecNo = 7,
    Status = 8,
    Count = 9,
};
} // namespace ISColumn

} // namespace kiv5::billing

namespace kiv5 {

template <> struct RecordLayout<billing::ISRec> {
    using R = billing::ISRec;
    static constexpr int kSize = 312;
    static constexpr std::array kFields = {
        Field<R>("Selected", 0, &R::Selected),
        Field<R>("ServiceDate", 8, &R::ServiceDate),
        Field<R>("ServiceDescription", 16, &R::ServiceDescription, 255),
        Field<R>("TimeSpent", 272, &R::TimeSpent),
        Field<R>("HourlyRate", 280, &R::HourlyRate),
        Field<R>("PostTime", 288, &R::PostTime),
        Field<R>("PullTime", 296, &R::PullTime),
        Field<R>("RecNo", 304, &R::RecNo),
        Field<R>("Status", 308, &R::Status),
    };
};
static_assert(IsValidLayout<billing::ISRec>());
static_assert(RecordLayout<billing::ISRec>::kSize == 312);

} // namespace kiv5
