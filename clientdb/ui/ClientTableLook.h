#pragma once

#include "common/ui/RecordTableLook.h"

class QFont;

namespace kiv5::ui {

// The client program's table: plain captions, the red row indicator in
// column 0, the mark in column 1.
RecordTableLook ClientTableLook();

// The default row height of the table view for its font.
int ClientRowHeight(const QFont& font);

} // namespace kiv5::ui
