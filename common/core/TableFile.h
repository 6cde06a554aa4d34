#pragma once

// A whole record file read into a table, or written from one, for the data
// files whose records are numbered from 1 by their place in the file.

#include "common/core/RecordFile.h"
#include "common/core/RecordTable.h"

#include <vector>

namespace kiv5 {

// Replaces the record rows of the table: row k (1-based) gets the k-th record
// through convert(table, record, k), each record as it is read. The table is
// left as it was when the file cannot be read or a record not converted;
// row 0 stays as it was.
template <class R, class Convert>
void ReadRecordsIntoTable(const QString& path, RecordTable& table, Convert convert) {
    RecordFile file(path, RecordLayout<R>::kSize, RecordFile::Mode::Read);
    RecordTable fresh(table.ColumnCount(), table.StatusColumn());
    fresh.Row(0) = table.Row(0);
    fresh.SetHidden(0, table.IsHidden(0));
    const int count = static_cast<int>(file.Count());
    fresh.SetRowCount(count + 1);
    int row = 0;
    file.ForEachRecord<R>([&](const R& record) {
        // Records another user appends during the read belong to the next one.
        if (row < count) {
            convert(fresh, record, ++row);
        }
    });
    file.Close();
    table = std::move(fresh);
}

struct RowAtPosition {
    int position;
    int row;
};

// The data rows in ascending order of the integer in `positionColumn`; rows
// of equal position keep their table order. Throws ConversionError for a
// position that is no integer.
std::vector<RowAtPosition> RowsInFileOrder(const RecordTable& table, int positionColumn);

// Rewrites a whole file through a temporary file: the rows in ascending
// order of `positionColumn`, each made a record by populate(table, row)
// whose RecNo becomes its new 1-based place. The table's order is left
// alone; a row whose position differed from its new place is renumbered
// once the file is in place.
template <class R, class Populate>
void WriteTableInFileOrder(const QString& path, RecordTable& table, int positionColumn,
                           Populate populate) {
    const std::vector<RowAtPosition> rows = RowsInFileOrder(table, positionColumn);
    RecordFileWriter writer(path, RecordLayout<R>::kSize);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        R record = populate(table, rows[k].row);
        record.RecNo = static_cast<qint32>(k + 1);
        writer.WriteRecord(record);
    }
    writer.Commit();
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (rows[k].position != static_cast<int>(k + 1)) {
            table.SetCell(rows[k].row, positionColumn, QString::number(k + 1));
        }
    }
}

} // namespace kiv5
