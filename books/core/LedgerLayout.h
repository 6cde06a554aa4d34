#pragma once

// The one layout of the income and expense records (264 bytes each) and the
// 14 columns of the ledger tables. The two records differ only in the names
// of two fields; LedgerTraits names them.

#include "common/core/RecordCodec.h"

#include <array>

namespace kiv5::books {

inline constexpr int kLedgerRecordSize = 264;
// Where a record's status lies: its last four bytes.
inline constexpr int kLedgerStatusOffset = 260;

// Columns of the income and expense tables.
namespace LedgerColumn {
enum : int {
    Mark = 0,
    Number = 1, // RecordNo / CheckNo
    Date = 2,
    ClientNo = 3,
    Party = 4, // Payor / Payee
    Description = 5,
    Category = 6,
    Account = 7,
    Code = 8,
    Amount = 9,
    PostTime = 10,
    PullTime = 11,
    Position = 12,
    Status = 13,
    Count = 14,
};
} // namespace LedgerColumn

// Per record type: the member and field name of the number and of the party.
template <class R> struct LedgerTraits;

template <class R> constexpr std::array<Field<R>, 14> LedgerFields() {
    using T = LedgerTraits<R>;
    return {
        Field<R>("Selected", 0, &R::Selected),
        Field<R>(T::kNumberName, 1, T::kNumber, 8),
        Field<R>("Date", 16, &R::Date),
        Field<R>("ClientNo", 24, &R::ClientNo, 8),
        Field<R>(T::kPartyName, 33, T::kParty, 64),
        Field<R>("Description", 98, &R::Description, 64),
        Field<R>("Category", 163, &R::Category, 32),
        Field<R>("Account", 196, &R::Account, 32),
        Field<R>("Code", 229, &R::Code, 1),
        Field<R>("Amount", 232, &R::Amount),
        Field<R>("PostTime", 240, &R::PostTime),
        Field<R>("PullTime", 248, &R::PullTime),
        Field<R>("RecNo", 256, &R::RecNo),
        Field<R>("Status", 260, &R::Status),
    };
}

} // namespace kiv5::books
