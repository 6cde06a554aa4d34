#include "common/ui/AmountKeyFilter.h"

#include <QKeyEvent>

namespace kiv5::ui {

bool PassesAmountKeyFilter(const QKeyEvent& key) {
    const QString text = key.text();
    if (text.isEmpty() || key.key() == Qt::Key_Backspace || !text[0].isPrint()) {
        return true;
    }
    for (const QChar c : text) {
        if (!c.isDigit() && c != QLatin1Char('.') && c != QLatin1Char('-')) {
            return false;
        }
    }
    return true;
}

} // namespace kiv5::ui
