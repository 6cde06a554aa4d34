#pragma once

#include <QString>

namespace kiv5 {

// A cell as it stands in a tab-separated line of an export or backup: line
// breaks become " | " and tabs " ~ ", so that no text can split its line or
// shift the fields after it. Other text is unchanged.
QString TabbedField(const QString& cell);

} // namespace kiv5
