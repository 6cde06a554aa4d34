#pragma once

#include <QString>

namespace kiv5 {

// The font selector of Wingdings in a page's font table, "\f" + its number +
// " ", or empty when the page has no Wingdings font.
QString GetWingDingStr(const QString& page);

} // namespace kiv5
