#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace kiv5 {

// The in-memory table of an open data file: rows of text cells, row 0 the
// header row (working storage, written as slot 0 of a client file), rows 1..n
// the records. Each row is shown or hidden; the status column decides it.
class RecordTable {
public:
    RecordTable(int columnCount, int statusColumn);

    int ColumnCount() const { return columnCount_; }
    int StatusColumn() const { return statusColumn_; }
    // Rows including the header row; never below 1.
    int RowCount() const { return static_cast<int>(rows_.size()); }
    int DataRowCount() const { return RowCount() - 1; }

    // Grows with empty shown rows or drops rows from the end; at least row 0.
    void SetRowCount(int count);
    // Empties the table to a blank header row.
    void Clear();
    // Adds an empty shown row at the end and returns its index.
    int AppendRow();
    void RemoveRow(int row);

    const QString& Cell(int row, int column) const { return rows_[Index(row)][column]; }
    void SetCell(int row, int column, const QString& text) { rows_[Index(row)][column] = text; }
    const QStringList& Row(int row) const { return rows_[Index(row)]; }
    QStringList& Row(int row) { return rows_[Index(row)]; }
    void SetRow(int row, const QStringList& cells);

    bool IsHidden(int row) const { return hidden_[Index(row)]; }
    void SetHidden(int row, bool hidden) { hidden_[Index(row)] = hidden; }
    // "-1" and "-2" hide the row, "0" shows it, any other status leaves it.
    void ApplyStatusHeight(int row);
    void ApplyStatusHeights();
    const QString& Status(int row) const { return Cell(row, statusColumn_); }
    bool IsActive(int row) const { return Status(row) == QLatin1String("0"); }

    // Exchanges two rows through row 0, as the sort does: row 0 := a,
    // a := b, b := row 0.
    void SwapRows(int a, int b);
    // Exchanges two rows without touching row 0.
    void ExchangeRows(int a, int b);

    // Reorders rows 1..n: row i becomes the old row order[i-1].
    void Permute(const std::vector<int>& order);

private:
    static std::size_t Index(int row) { return static_cast<std::size_t>(row); }
    QStringList BlankRow() const;

    int columnCount_;
    int statusColumn_;
    std::vector<QStringList> rows_;
    std::vector<bool> hidden_;
};

} // namespace kiv5
