#include "common/core/TableSort.h"

#include "common/core/Cp1252.h"
#include "common/core/DateTime.h"
#include "common/core/Misc.h"

#include <cmath>
#include <cstring>

namespace kiv5 {
namespace {

// The sort compares one key per row, made once, and moves keys, not rows;
// the rows are put in their places at the end in one go.
struct NumberKey {
    double value;
    int row;
};

// Texts compare as Windows-1252 bytes. The first eight bytes, big-endian,
// decide most comparisons; only equal prefixes look at the whole text.
struct TextKey {
    quint64 prefix;
    int row;
};

class TextKeys {
public:
    void Add(const QByteArray& bytes) {
        starts_.push_back(bytes_.size());
        bytes_.append(bytes);
    }
    void Close() { starts_.push_back(bytes_.size()); }

    quint64 Prefix(std::size_t i) const {
        quint64 prefix = 0;
        const QByteArrayView text = Text(i);
        for (qsizetype k = 0; k < 8; ++k) {
            const auto byte = k < text.size() ? static_cast<unsigned char>(text[k]) : 0u;
            prefix = (prefix << 8) | byte;
        }
        return prefix;
    }
    // Negative, zero or positive as text i orders before, with or after text j.
    int Compare(const TextKey& a, const TextKey& b) const {
        if (a.prefix != b.prefix) {
            return a.prefix < b.prefix ? -1 : 1;
        }
        const QByteArrayView x = Text(static_cast<std::size_t>(a.row - 1));
        const QByteArrayView y = Text(static_cast<std::size_t>(b.row - 1));
        const auto common = static_cast<std::size_t>(std::min(x.size(), y.size()));
        // The texts of a column of empty cells have no bytes at all: memcmp
        // must not be handed their null pointer.
        if (common > 0) {
            if (const int c = std::memcmp(x.data(), y.data(), common); c != 0) {
                return c;
            }
        }
        return x.size() < y.size() ? -1 : (x.size() > y.size() ? 1 : 0);
    }

private:
    QByteArrayView Text(std::size_t i) const {
        return QByteArrayView(bytes_).sliced(starts_[i], starts_[i + 1] - starts_[i]);
    }

    QByteArray bytes_;
    std::vector<qsizetype> starts_;
};

double NumberOf(ColumnKind kind, const QString& cell) {
    switch (kind) {
    case ColumnKind::Integer:
        return ParseInteger(cell);
    case ColumnKind::Date:
        return ParseDate(cell);
    case ColumnKind::Money:
        return ParseFloat(RemoveCommasAndSigns(cell));
    case ColumnKind::Text:
        break;
    }
    return 0.0;
}

void ReportProgress(const PercentProgress& progress, qint64 n, qint64 gap) {
    if (progress) {
        const double share = static_cast<double>(n - gap) / static_cast<double>(n) * 100.0;
        progress(static_cast<int>(std::nearbyint(share)));
    }
}

// Exchange passes at one gap, repeated until none exchanges, leave every
// chain of keys gap apart in order with equal keys in their old order: each
// chain sorted stably. Insertion along the chains gives that same
// arrangement with far fewer comparisons.
template <typename Key, typename OutOfOrder>
void OrderChains(std::vector<Key>& keys, std::size_t gap, const OutOfOrder& outOfOrder) {
    for (std::size_t i = gap; i < keys.size(); ++i) {
        const Key key = keys[i];
        std::size_t j = i;
        while (j >= gap && outOfOrder(keys[j - gap], key)) {
            keys[j] = keys[j - gap];
            j -= gap;
        }
        keys[j] = key;
    }
}

// The gaps run 2^k - 1 down to 1, from the smallest power of two above n; a
// single row gets gap 0, which compares it with itself only.
template <typename Key, typename OutOfOrder>
void ShellSort(std::vector<Key>& keys, const OutOfOrder& outOfOrder,
               const PercentProgress& progress) {
    const auto n = static_cast<qint64>(keys.size());
    qint64 gap = 1;
    while (gap <= n) {
        gap *= 2;
    }
    while (gap > 1) {
        gap = (gap - 1) / 2;
        ReportProgress(progress, n, gap);
        if (gap > 0) {
            OrderChains(keys, static_cast<std::size_t>(gap), outOfOrder);
        }
    }
}

template <typename Key> std::vector<int> RowsOf(const std::vector<Key>& keys) {
    std::vector<int> order;
    order.reserve(keys.size());
    for (const Key& key : keys) {
        order.push_back(key.row);
    }
    return order;
}

std::vector<int> NumberOrder(const RecordTable& table, ColumnKind kind, int column, bool ascending,
                             const PercentProgress& progress) {
    std::vector<NumberKey> keys;
    keys.reserve(static_cast<std::size_t>(table.DataRowCount()));
    for (int row = 1; row < table.RowCount(); ++row) {
        keys.push_back({NumberOf(kind, table.Cell(row, column)), row});
    }
    if (ascending) {
        ShellSort(
            keys, [](const NumberKey& a, const NumberKey& b) { return b.value < a.value; },
            progress);
    } else {
        ShellSort(
            keys, [](const NumberKey& a, const NumberKey& b) { return a.value < b.value; },
            progress);
    }
    return RowsOf(keys);
}

std::vector<int> TextOrderOf(const RecordTable& table, int column, bool upper, bool ascending,
                             const PercentProgress& progress) {
    TextKeys texts;
    for (int row = 1; row < table.RowCount(); ++row) {
        const QString& cell = table.Cell(row, column);
        texts.Add(ToCp1252(upper ? UpperCaseText(cell) : cell));
    }
    texts.Close();
    std::vector<TextKey> keys;
    keys.reserve(static_cast<std::size_t>(table.DataRowCount()));
    for (int row = 1; row < table.RowCount(); ++row) {
        keys.push_back({texts.Prefix(static_cast<std::size_t>(row - 1)), row});
    }
    if (ascending) {
        ShellSort(
            keys, [&](const TextKey& a, const TextKey& b) { return texts.Compare(a, b) > 0; },
            progress);
    } else {
        ShellSort(
            keys, [&](const TextKey& a, const TextKey& b) { return texts.Compare(a, b) < 0; },
            progress);
    }
    return RowsOf(keys);
}

void FinishSort(RecordTable& table, const TableProfile& profile, SortState& state, int ACol) {
    ResetHeaderRow(table, profile);
    state.SortedColumn = ACol;
    table.ApplyStatusHeights();
}

} // namespace

bool SortState::IsAscending(int column) const {
    if (column < 0 || static_cast<std::size_t>(column) >= AscendFlag.size()) {
        return true;
    }
    return AscendFlag[static_cast<std::size_t>(column)];
}

void SortState::FlipFlag(int column) {
    if (column >= 0 && static_cast<std::size_t>(column) < AscendFlag.size()) {
        AscendFlag[static_cast<std::size_t>(column)].flip();
    }
}

std::vector<int> ShellSortOrder(const RecordTable& table, const TableProfile& profile, int ACol,
                                bool ascending, const PercentProgress& progress) {
    const ColumnKind kind = profile.Kind(ACol);
    if (kind != ColumnKind::Text) {
        return NumberOrder(table, kind, ACol, ascending, progress);
    }
    const bool upper = ascending && profile.Order == TextOrder::UpperAscending;
    return TextOrderOf(table, ACol, upper, ascending, progress);
}

bool SortColumnShell(RecordTable& table, const TableProfile& profile, SortState& state, int ACol,
                     const PercentProgress& progress) {
    if (!profile.HasColumn(ACol) || ACol >= table.ColumnCount() ||
        table.DataRowCount() < profile.MinimumSortRows) {
        return false;
    }
    try {
        table.Permute(ShellSortOrder(table, profile, ACol, state.IsAscending(ACol), progress));
    } catch (...) {
        FinishSort(table, profile, state, ACol);
        throw;
    }
    FinishSort(table, profile, state, ACol);
    return true;
}

bool SortByHeaderClick(RecordTable& table, const TableProfile& profile, SortState& state, int ACol,
                       const PercentProgress& progress) {
    if (!profile.HasColumn(ACol) || ACol >= table.ColumnCount() ||
        table.DataRowCount() < profile.MinimumSortRows) {
        return false;
    }
    if (profile.ClickRule == HeaderClickRule::FlipLastThenSort) {
        state.FlipFlag(state.SortedColumn);
        return SortColumnShell(table, profile, state, ACol, progress);
    }
    SortColumnShell(table, profile, state, ACol, progress);
    state.FlipFlag(ACol);
    return true;
}

} // namespace kiv5
