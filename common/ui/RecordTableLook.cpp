#include "common/ui/RecordTableLook.h"

#include "common/core/TableProfile.h"
#include "common/core/TableSort.h"

namespace kiv5::ui {

QString HeaderCaption(const RecordTableLook& look, const SortState& sort, int column) {
    if (column < 0 || column >= look.captions.size())
        return {};
    const QString& caption = look.captions[column];
    if (!look.sortedCapitals || column != sort.SortedColumn)
        return caption;
    const QString gap =
        look.tightSortMarkColumns.contains(column) ? QString() : QStringLiteral(" ");
    return UpperCaseText(caption) + gap +
           (sort.IsAscending(column) ? QStringLiteral("v") : QStringLiteral("^"));
}

} // namespace kiv5::ui
