#pragma once

#include "books/core/LedgerLayout.h"

namespace kiv5::books {

// One receipt of the income file (".inc").
struct IncRec {
    bool Selected = false;
    QString RecordNo; // receipt number, free text
    double Date = 0;  // day count, whole day
    QString ClientNo;
    QString Payor;
    QString Description;
    QString Category;
    QString Account;
    QString Code;
    qint64 Amount = 0; // amount x 10000
    double PostTime = 0;
    double PullTime = 0;
    qint32 RecNo = 0; // 1-based position in the file
    qint32 Status = 0;

    bool operator==(const IncRec&) const = default;
};

template <> struct LedgerTraits<IncRec> {
    static constexpr const char* kNumberName = "RecordNo";
    static constexpr auto kNumber = &IncRec::RecordNo;
    static constexpr const char* kPartyName = "Payor";
    static constexpr auto kParty = &IncRec::Payor;
};

} // namespace kiv5::books

namespace kiv5 {

template <> struct RecordLayout<books::IncRec> {
    static constexpr int kSize = books::kLedgerRecordSize;
    static constexpr auto kFields = books::LedgerFields<books::IncRec>();
};
static_assert(IsValidLayout<books::IncRec>());
static_assert(RecordLayout<books::IncRec>::kSize == 264);

} // namespace kiv5
