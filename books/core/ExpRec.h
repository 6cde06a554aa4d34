#pragma once

#include "books/core/LedgerLayout.h"

namespace kiv5::books {

// One disbursement of the expense file (".exp").
struct ExpRec {
    bool Selected = false;
    QString CheckNo; // check number, free text
    double Date = 0; // day count, whole day
    QString ClientNo;
    QString Payee;
    QString Description;
    QString Category;
    QString Account;
    QString Code;
    qint64 Amount = 0; // amount x 10000
    double PostTime = 0;
    double PullTime = 0;
    qint32 RecNo = 0; // 1-based position in the file
    qint32 Status = 0;

    bool operator==(const ExpRec&) const = default;
};

template <> struct LedgerTraits<ExpRec> {
    static constexpr const char* kNumberName = "CheckNo";
    static constexpr auto kNumber = &ExpRec::CheckNo;
    static constexpr const char* kPartyName = "Payee";
    static constexpr auto kParty = &ExpRec::Payee;
};

} // namespace kiv5::books

namespace kiv5 {

template <> struct RecordLayout<books::ExpRec> {
    static constexpr int kSize = books::kLedgerRecordSize;
    static constexpr auto kFields = books::LedgerFields<books::ExpRec>();
};
static_assert(IsValidLayout<books::ExpRec>());
static_assert(RecordLayout<books::ExpRec>::kSize == 264);

} // namespace kiv5
