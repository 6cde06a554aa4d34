#pragma once

#include "common/core/ColumnSchema.h"
#include "common/core/SettingsBinding.h"

#include <QtGlobal>
#include <span>

namespace kiv5 {

// One integer setting per column that keeps its width, bound to widths[i]
// for column i; a missing value is written from the column's width rule
// with `unit` pixels to the width unit.
void AddColumnWidthSettings(SettingsTable& table, ColumnSchema columns, std::span<qint32> widths,
                            int unit);

} // namespace kiv5
