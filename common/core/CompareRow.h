#pragma once

#include <QString>

namespace kiv5 {

// One line of a record in the comparison of a save conflict: caption and
// value, the value word-wrapped when long (the memo).
struct CompareRow {
    QString caption;
    QString value;
    bool wrap = false;
};

} // namespace kiv5
