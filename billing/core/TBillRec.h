#pragma once

// One bill of the billing data file (".bil"): 2416 bytes, record n at byte
// (n - 1) x 2416, no header.

#include "common/core/RecordCodec.h"

#include <array>

namespace kiv5::billing {

// A client number as every billing record and editor holds it.
inline constexpr int kClientNoLength = 8;

inline constexpr int kBillLines = 10;

struct TBillRec {
    bool Selected = false;
    QString ClientNo;
    QString FullName;
    double LastBill = 0;
    qint64 BalanceForward = 0; // amount x 10000
    std::array<QString, kBillLines> Description;
    std::array<qint64, kBillLines> Amount{}; // amounts x 10000
    std::array<QString, kBillLines> ISPath;  // attached statement files
    QString Note;                            // line breaks stored as " | "
    bool Interest = false;
    double InterestRate = 0; // percent a year
    double PostTime = 0;
    double PullTime = 0;
    qint32 RecNo = 0; // 1-based slot
    qint32 Status = 0;

    bool operator==(const TBillRec&) const = default;
};

// Columns of the bill table.
namespace BillColumn {
enum : int {
    Mark = 0,
    ClientNo = 1,
    FullName = 2,
    LastBill = 3,
    BalanceForward = 4,
    FirstDescription = 5, // description i in 5 + 2i, its amount in 6 + 2i
    FirstAmount = 6,
    FirstISPath = 25, // statement path i in 25 + i
    Note = 35,
    Interest = 36,
    InterestRate = 37,
    PostTime = 38,
    PullTime = 39,
    RecNo = 40,
    Status = 41,
    Count = 42,
};
} // namespace BillColumn

} // namespace kiv5::billing

namespace kiv5 {

template <> struct RecordLayout<billing::TBillRec> {
    using R = billing::TBillRec;
    static constexpr int kSize = 2416;
    static constexpr std::array kFields = {
        Field<R>("Selected", 0, &R::Selected),
        Field<R>("ClientNo", 1, &R::ClientNo, billing::kClientNoLength),
        Field<R>("FullName", 10, &R::FullName, 64),
        Field<R>("LastBill", 80, &R::LastBill),
        Field<R>("BalanceForward", 88, &R::BalanceForward),
        Field<R>("Description", 96, &R::Description, 64),
        Field<R>("Amount", 752, &R::Amount),
        Field<R>("ISPath", 832, &R::ISPath, 128),
        Field<R>("Note", 2122, &R::Note, 255),
        Field<R>("Interest", 2378, &R::Interest),
        Field<R>("InterestRate", 2384, &R::InterestRate),
        Field<R>("PostTime", 2392, &R::PostTime),
        Field<R>("PullTime", 2400, &R::PullTime),
        Field<R>("RecNo", 2408, &R::RecNo),
        Field<R>("Status", 2412, &R::Status),
    };
};
static_assert(IsValidLayout<billing::TBillRec>());
static_assert(RecordLayout<billing::TBillRec>::kSize == 2416);

} // namespace kiv5
