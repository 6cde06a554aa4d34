#include "books/core/CheckAmount.h"

#include "books/core/NumberToWords.h"
#include "common/core/Misc.h"
#include "common/core/NumberFormat.h"

#include <cmath>

namespace kiv5::books {

QString FormatCheckAmount(double amount) {
    constexpr int kWidth = 12;
    const QString figures = FormatMoney(amount);
    const QString money = figures.startsWith(QLatin1Char('-'))
                              ? QStringLiteral("($%1)").arg(figures.mid(1))
                              : QLatin1Char('$') + figures;
    return money.leftJustified(kWidth, QLatin1Char(' '));
}

QString CheckAmountInWords(const QString& amountText, const ErrorSink& errors) {
    const double whole = std::trunc(Str2Float_2(amountText, errors));
    const double amount = Str2Float_2(amountText, errors);
    // Rounded half to even, as the programs round; a two-decimal amount
    // never has a fraction of exactly half a cent.
    const double cents = std::nearbyint((amount - std::trunc(amount)) * 100);
    return NumberToWords(whole, errors) + QStringLiteral("Dollars and ") +
           NumberToWords(cents, errors) + QStringLiteral("Cents");
}

} // namespace kiv5::books
