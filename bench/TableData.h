#pragma once

#include "common/core/RecordTable.h"

#include <QtGlobal>

namespace kiv5::bench {

// Tables as the programs hold them after opening a file, filled with
// made-up but plausible records; the same seed gives the same table.

// Clients: repeated last names in mixed case (some accented), addresses,
// phones, stamps, record numbers 1..n and a few filtered or deleted rows.
RecordTable MakeClientTable(int rows, quint32 seed = 1);

// Income records: dates over ten years, amounts from cents to six figures
// (some negative), payors, categories and accounts.
RecordTable MakeLedgerTable(int rows, quint32 seed = 1);

} // namespace kiv5::bench
