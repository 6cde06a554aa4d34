#include "clientdb/core/TabbedField.h"

#include "clientdb/core/MemoList.h"
#include "common/core/Misc.h"

namespace kiv5 {

QString TabbedField(const QString& cell) {
    return RemoveTabWithTilde(EncodeMemo(cell));
}

} // namespace kiv5
