#pragma once

// The in-memory client table: row 0 the header row, row i a client slot.

#include "common/core/RecordTable.h"

namespace kiv5 {

// Columns of the client table.
namespace ClientCol {
inline constexpr int Indicator = 0;
inline constexpr int Mark = 1;
inline constexpr int ClientNo = 2;
inline constexpr int LastName = 3;
inline constexpr int FirstName = 4;
inline constexpr int Company = 5;
inline constexpr int Address1 = 6;
inline constexpr int Address2 = 7;
inline constexpr int City = 8;
inline constexpr int State = 9;
inline constexpr int ZipCode = 10;
inline constexpr int Phone = 11;
inline constexpr int Cell = 12;
inline constexpr int Fax = 13;
inline constexpr int EMail = 14;
inline constexpr int Note1 = 15;
inline constexpr int Note2 = 16;
inline constexpr int Memo = 17;
inline constexpr int PostTime = 18;
inline constexpr int PullTime = 19;
inline constexpr int RecNo = 20;
inline constexpr int Status = 21;
inline constexpr int Count = 22;
} // namespace ClientCol

// An empty client table (header row only).
inline RecordTable MakeClientTable() {
    return RecordTable(ClientCol::Count, ClientCol::Status);
}

} // namespace kiv5
