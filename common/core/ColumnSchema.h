#pragma once

// A table's columns declared once as data, in the manner of the record
// layouts: the table's profile, its header captions, form labels and limits
// and the names of its column settings are all read from this list.
//
//   constexpr std::array<ColumnSpec, 3> kColumns = {{
//       {.Index = 0, .Role = ColumnRole::Mark, .Width = PixelWidth(20)},
//       {.Index = 1, .Caption = "Date", .Kind = ColumnKind::Date, .Find = true},
//       {.Index = 2, .Role = ColumnRole::Status},
//   }};
//   static_assert(IsValidSchema(kColumns));

#include <QString>
#include <QStringList>
#include <span>
#include <vector>

namespace kiv5 {

// How two cells of a column compare when the table is sorted by it.
enum class ColumnKind { Text, Integer, Date, Money };

// The columns the table engine itself uses.
enum class ColumnRole { Data, Mark, RecNo, Status };

// The width a column gets when no setting holds one: fixed pixels, a number
// of the table's width units (a share of the screen each program works out),
// or hidden.
struct ColumnWidthRule {
    enum class Measure { Hidden, Pixels, Units };
    Measure measure = Measure::Hidden;
    int amount = 0;

    // Pixels for one width unit of `unit` pixels; -1 when hidden.
    constexpr int Pixels(int unit) const {
        switch (measure) {
        case Measure::Pixels:
            return amount;
        case Measure::Units:
            return amount * unit;
        case Measure::Hidden:
            break;
        }
        return -1;
    }
};

constexpr ColumnWidthRule HiddenWidth() {
    return {};
}
constexpr ColumnWidthRule PixelWidth(int pixels) {
    return {ColumnWidthRule::Measure::Pixels, pixels};
}
constexpr ColumnWidthRule UnitWidth(int units) {
    return {ColumnWidthRule::Measure::Units, units};
}

struct ColumnSpec {
    int Index = 0;
    ColumnRole Role = ColumnRole::Data;
    // Header caption; empty for none.
    const char* Caption = "";
    // Label of the column's field in the entry form and the comparison;
    // empty for none.
    const char* Label = "";
    ColumnKind Kind = ColumnKind::Text;
    // Characters the record's text field holds; 0 when the column is no text
    // field of the record.
    int Capacity = 0;
    // The width written when the setting is missing.
    ColumnWidthRule Width = HiddenWidth();
    // Setting holding the column's width; empty when the width is not kept.
    const char* WidthSetting = "";
    // Setting holding whether the column is shown; empty for none.
    const char* ShowSetting = "";
    // Fast find searches the column.
    bool Find = false;
    // The table's filter holds a criterion for the column.
    bool Filter = false;

    constexpr bool HasLabel() const { return *Label != '\0'; }
    constexpr bool KeepsWidth() const { return *WidthSetting != '\0'; }
    constexpr bool HasShowSetting() const { return *ShowSetting != '\0'; }
};

using ColumnSchema = std::span<const ColumnSpec>;

// Columns numbered 0, 1, 2 ... in order, one mark, one record number and
// one status column.
constexpr bool IsValidSchema(ColumnSchema schema) {
    int marks = 0;
    int recNos = 0;
    int statuses = 0;
    for (std::size_t i = 0; i < schema.size(); ++i) {
        if (schema[i].Index != static_cast<int>(i)) {
            return false;
        }
        marks += schema[i].Role == ColumnRole::Mark ? 1 : 0;
        recNos += schema[i].Role == ColumnRole::RecNo ? 1 : 0;
        statuses += schema[i].Role == ColumnRole::Status ? 1 : 0;
    }
    return marks == 1 && recNos == 1 && statuses == 1;
}

// The column that plays `role`; -1 when none does.
int ColumnOfRole(ColumnSchema schema, ColumnRole role);

// One caption per column, empty where a column has none.
QStringList ColumnCaptions(ColumnSchema schema);

// The columns whose flag `participates` is set, in order (for example
// &ColumnSpec::Find).
std::vector<int> ColumnsWith(ColumnSchema schema, bool ColumnSpec::*participates);

} // namespace kiv5
