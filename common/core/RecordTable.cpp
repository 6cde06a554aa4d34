#include "common/core/RecordTable.h"

#include <utility>

namespace kiv5 {

RecordTable::RecordTable(int columnCount, int statusColumn)
    : columnCount_(columnCount), statusColumn_(statusColumn) {
    Clear();
}

QStringList RecordTable::BlankRow() const {
    QStringList row;
    row.resize(columnCount_);
    return row;
}

void RecordTable::SetRowCount(int count) {
    count = std::max(count, 1);
    const auto n = static_cast<std::size_t>(count);
    if (n < rows_.size()) {
        rows_.resize(n);
        hidden_.resize(n);
        return;
    }
    rows_.reserve(n);
    while (rows_.size() < n) {
        rows_.push_back(BlankRow());
    }
    hidden_.resize(n, false);
}

void RecordTable::Clear() {
    rows_.clear();
    hidden_.clear();
    SetRowCount(1);
}

int RecordTable::AppendRow() {
    SetRowCount(RowCount() + 1);
    return RowCount() - 1;
}

void RecordTable::RemoveRow(int row) {
    if (row <= 0 || row >= RowCount()) {
        return;
    }
    rows_.erase(rows_.begin() + row);
    hidden_.erase(hidden_.begin() + row);
}

void RecordTable::SetRow(int row, const QStringList& cells) {
    QStringList& target = rows_[Index(row)];
    target = cells;
    target.resize(columnCount_);
}

void RecordTable::ApplyStatusHeight(int row) {
    const QString& status = Status(row);
    if (status == QLatin1String("-1") || status == QLatin1String("-2")) {
        SetHidden(row, true);
    } else if (status == QLatin1String("0")) {
        SetHidden(row, false);
    }
}

void RecordTable::ApplyStatusHeights() {
    for (int row = 0; row < RowCount(); ++row) {
        ApplyStatusHeight(row);
    }
}

void RecordTable::SwapRows(int a, int b) {
    rows_[0] = rows_[Index(a)];
    rows_[Index(a)] = rows_[Index(b)];
    rows_[Index(b)] = rows_[0];
    hidden_[0] = hidden_[Index(a)];
    hidden_[Index(a)] = hidden_[Index(b)];
    hidden_[Index(b)] = hidden_[0];
}

void RecordTable::ExchangeRows(int a, int b) {
    std::swap(rows_[Index(a)], rows_[Index(b)]);
    const bool h = hidden_[Index(a)];
    hidden_[Index(a)] = hidden_[Index(b)];
    hidden_[Index(b)] = h;
}

void RecordTable::Permute(const std::vector<int>& order) {
    std::vector<QStringList> rows;
    std::vector<bool> hidden;
    rows.reserve(rows_.size());
    hidden.reserve(rows_.size());
    rows.push_back(std::move(rows_[0]));
    hidden.push_back(hidden_[0]);
    for (int from : order) {
        rows.push_back(std::move(rows_[Index(from)]));
        hidden.push_back(hidden_[Index(from)]);
    }
    rows_ = std::move(rows);
    hidden_ = std::move(hidden);
}

} // namespace kiv5
