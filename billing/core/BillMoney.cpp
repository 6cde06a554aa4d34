#include "billing/core/BillMoney.h"

#include "common/core/Misc.h"
#include "common/core/NumberFormat.h"

#include <cmath>

namespace kiv5::billing {
namespace {

// What a 64-bit count of ten-thousandths holds, with room for rounding.
constexpr double kLargestAmount = 9.2e14;

} // namespace

std::optional<qint64> TryMoneyUnits(const QString& text) {
    const QString cleaned = RemoveCommasAndSigns(text.isEmpty() ? QStringLiteral("0.00") : text);
    const std::optional<double> value = TryParseFloat(cleaned);
    if (!value || !std::isfinite(*value) || std::fabs(*value) >= kLargestAmount) {
        return std::nullopt;
    }
    return MoneyToUnits(RoundTo2(*value));
}

qint64 MoneyUnitsOf(const QString& text, const ErrorSink& errors) {
    if (const std::optional<qint64> units = TryMoneyUnits(text)) {
        return *units;
    }
    errors.ErrorWindow(21202);
    return 0;
}

QString MoneyText(qint64 units) {
    return FormatMoneyUnits(units);
}

QString ReformatMoneyText(const QString& text, const ErrorSink& errors) {
    return MoneyText(MoneyUnitsOf(text, errors));
}

bool IsMoneyCharacter(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') ||
           c == QLatin1Char('-');
}

} // namespace kiv5::billing
