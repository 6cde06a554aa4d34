#pragma once

#include "clientdb/ui/ClientListView.h"
#include "common/core/RecordTable.h"

#include <vector>

namespace kiv5::ui {

// The list view's name of a row: last name + ", " + first name, or the
// company when the last name is blank.
QString ListEntryText(const RecordTable& table, int row);

// One entry per active row (status "0") in table order, selected as the
// row is marked.
std::vector<ListEntry> ClientListEntries(const RecordTable& table);

} // namespace kiv5::ui
