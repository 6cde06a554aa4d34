#pragma once

// The memo file: one text line per client slot, line i for slot i. A line is
// empty or the whole encoded memo of a client whose encoded memo is longer
// than the record holds.

#include "common/core/RecordTable.h"

#include <QString>
#include <QStringList>

namespace kiv5 {

using MemoList = QStringList;

// The memo file's lines, at least slotCount of them: a missing memo file
// reads as empty lines and a short one is padded with them. Throws IoError
// when the file exists but cannot be read.
MemoList ReadMemoFile(const QString& path, int slotCount);

// Writes the memo file whole (Windows-1252, CR LF) through a temporary file.
void WriteMemoFile(const QString& path, const MemoList& memo);

// A memo as the table and the record hold it: every line break (CR LF, and a
// lone CR or LF as editors give them) becomes " | ".
QString EncodeMemo(const QString& text);

// Stores an edited memo for a row: the encoded text goes to the memo column
// (the record takes its first 255 characters from there); a longer text is
// kept whole as memo line RecNo, otherwise that line is emptied.
void StoreMemoOverflow(RecordTable& table, int row, const QString& memoText, MemoList& memo);

// The memo the entry form shows for a row: memo line RecNo when it is not
// empty, else the memo column, with " | " turned back into CR LF.
QString EntryFormMemo(const RecordTable& table, int row, const MemoList& memo);

} // namespace kiv5
