#pragma once

// Reading and rewriting whole client files. Each call opens the files it
// needs for that one operation and closes them on every path; failures throw
// IoError (files) or ConversionError (cells that do not read), and a rewrite
// that fails leaves the old file in place.

#include "clientdb/core/ClientFileNames.h"
#include "clientdb/core/MemoList.h"
#include "clientdb/core/NameRec.h"
#include "common/core/Clock.h"
#include "common/core/PercentProgress.h"
#include "common/core/RecordTable.h"

#include <functional>
#include <vector>

namespace kiv5 {

// Reads every slot into the table: slot k becomes row k with record number
// k; slot 0 is read and dropped, so row 0 stays a blank header row. The
// table is replaced only when the whole file was read. Progress is k+1 of the
// file's record count.
void ReadClientFile(const QString& path, RecordTable& table, const PercentProgress& progress = {});

// Open and reopen: the client file into the table, then the memo file (a
// missing or short one gives empty lines) into memo.
void OpenClientFile(const ClientFiles& files, RecordTable& table, MemoList& memo,
                    const PercentProgress& progress = {});

// Refresh: reads the client file again. Memo lines this copy holds stay as
// they are; lines for slots other users added come from the memo file. When
// the file has fewer slots than before it was packed meanwhile and the memo
// list is read again whole. A memo file that exists but cannot be read
// throws IoError after the table was read.
void RefreshClientFile(const ClientFiles& files, RecordTable& table, MemoList& memo,
                       const PercentProgress& progress = {});

// The records of a whole-file write in slot order: slot 0 from the header
// row (a blank header record when the row is blank), then rows 1..n in
// ascending record number, ties in table order. RecNo is as the table holds it.
std::vector<NameRec> RecordsInSlotOrder(const RecordTable& table, const Clock& clock);

// Rewrites the client file from the table in record-number order (the table
// is not reordered); each record stores the slot it is written to.
void WriteClientFile(const QString& path, const RecordTable& table, const Clock& clock,
                     const PercentProgress& progress = {});

// Save, save as and restore: the client file from the table, then the memo
// file from memo.
void SaveClientFiles(const ClientFiles& files, const RecordTable& table, const MemoList& memo,
                     const Clock& clock, const PercentProgress& progress = {});

// New: an empty table, a client file holding slot 0 only and a memo file of
// one empty line.
void CreateClientFiles(const ClientFiles& files, RecordTable& table, MemoList& memo,
                       const Clock& clock);

// Pack: rewrites the client file without the deleted clients (status -2),
// renumbering the slots 0, 1, 2 ...; memo becomes the matching memo lines and
// is written to the memo file. The caller closes the table afterwards.
void PackClientFile(const ClientFiles& files, const RecordTable& table, MemoList& memo,
                    const Clock& clock, const PercentProgress& progress = {});

} // namespace kiv5
