#pragma once

#include "clientdb/core/ClientFileNames.h"
#include "clientdb/core/MemoList.h"
#include "common/core/Clock.h"
#include "common/core/RecordTable.h"

namespace kiv5 {

struct AppendedClient {
    int row = 0;           // the new client's row; it holds slot `row`
    int addedByOthers = 0; // clients other users added that were read first
};

// Adds a new client at the client file's real end, under the append lock.
// When other users added clients since this copy was read, their slots are
// read into new rows first (with their memo lines from the memo file), so the
// table again holds one row per slot; the new client takes the next slot.
// The new row is made by MakeBlankRow with the counter advanced and written
// to its slot; memo gets an empty line for it and is written to the memo file.
// Throws IoError, leaving the table without the new row, when the file holds
// fewer slots than the table (it was packed or replaced meanwhile).
AppendedClient AppendClient(const ClientFiles& files, RecordTable& table, MemoList& memo,
                            int& ClientSubNo, const Clock& clock);

} // namespace kiv5
