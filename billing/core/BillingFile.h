#pragma once

// The billing file set named N (".qy5"): the link file and the data file
// (".bil") in the billing files folder under N's base name, wherever N was
// chosen.

#include "billing/core/BillRow.h"

namespace kiv5::billing {

// SlashAtEnd(filesDirectory) + N's file name without extension + ".bil", or
// the existing file whose name differs from that only in letter case.
QString BillDataPath(const QString& filesDirectory, const QString& N);
// The link file beside the data file: the same with ".qy5".
QString BillLinkPath(const QString& filesDirectory, const QString& N);

// The five lines of the link file: N without its extension followed by
// ".bil", ".qy5" and ".cal", then the client and bookkeeping file names.
QStringList LinkFileLines(const QString& N, const QString& pl5FileName, const QString& su5FileName);
void WriteLinkFile(const QString& filesDirectory, const QString& N, const QString& pl5FileName,
                   const QString& su5FileName);

// Replaces the bill rows of the table by the data file's bills: row k holds
// the k-th bill and column 40 holds k, whatever RecNo the file holds. The
// table is left as it was when the file cannot be read. Sorting by name is
// the caller's.
void ReadBillingFile(const QString& path, RecordTable& table);

// The stored bill with record number `recNo` (slot recNo - 1), for the stamp
// comparison before a save.
TBillRec ReadBillRecord(const QString& path, int recNo);
// Writes a bill in place at slot RecNo - 1.
void WriteBillRecord(const QString& path, const TBillRec& record);
// Writes the row's bill (PopulateBillRec) at its slot and returns it.
TBillRec WriteBillRow(const QString& path, const RecordTable& table, int row,
                      const ErrorSink& errors);
// Stores the row of a new bill at the file's real end, found under the append
// lock; column 40 and the bill's RecNo become its record number, returned.
int AppendBillRow(const QString& path, RecordTable& table, int row, const ErrorSink& errors);

// Rewrites the whole data file from the table in ascending order of column
// 40, rows of every status included, without reordering the table. Bill k
// gets RecNo k; a row whose column 40 differed is renumbered once the file is
// in place.
void WriteBillingFile(const QString& path, RecordTable& table, const ErrorSink& errors);

} // namespace kiv5::billing
