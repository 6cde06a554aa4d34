#include "books/core/PrintLinePosition.h"

#include <algorithm>
#include <cmath>

namespace kiv5::books {

QString PrintLinePosition(double inches) {
    constexpr qint64 kLargest = 6199;
    const double held = std::isfinite(inches) ? std::clamp(inches, 0.0, kLargest / 100.0) : 0.0;
    const qint64 hundredths = std::llround(held * 100);
    const int whole = static_cast<int>(hundredths / 100);
    const QChar first = whole < 10   ? QChar(u'0' + whole)
                        : whole < 36 ? QChar(u'A' + (whole - 10))
                                     : QChar(u'a' + (whole - 36));
    return first + QStringLiteral("%1").arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

} // namespace kiv5::books
