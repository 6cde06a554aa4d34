#include "books/core/NumberToWords.h"

#include <array>
#include <cmath>
#include <exception>

namespace kiv5::books {
namespace {

constexpr double kLargest = 999'999'999;
constexpr qsizetype kShortTextLength = 255;

constexpr std::array<const char*, 9> kUnits = {"One ", "Two ",   "Three ", "Four ", "Five ",
                                               "Six ", "Seven ", "Eight ", "Nine "};
constexpr std::array<const char*, 9> kTens = {"Ten ",   "Twenty ",  "Thirty ", "Forty ", "Fifty ",
                                              "Sixty ", "Seventy ", "Eighty ", "Ninety "};
constexpr std::array<const char*, 9> kTeenPatterns = {"Ten One",   "Ten Two",   "Ten Three",
                                                      "Ten Four",  "Ten Five",  "Ten Six",
                                                      "Ten Seven", "Ten Eight", "Ten Nine"};
constexpr std::array<const char*, 9> kTeens = {"Eleven",    "Twelve",   "Thirteen",
                                               "Fourteen",  "Fifteen",  "Sixteen",
                                               "Seventeen", "Eighteen", "Nineteen"};

enum class Place { Hundreds, Tens, Units };

// The digit of one position, taken off x by repeated subtraction.
int TakeDigit(double& x, double positionValue) {
    int digit = 0;
    while (x >= positionValue && digit < 9) {
        x -= positionValue;
        ++digit;
    }
    return digit;
}

QString DigitWords(int digit, Place place) {
    const auto index = static_cast<std::size_t>(digit - 1);
    switch (place) {
    case Place::Hundreds:
        return QString::fromLatin1(kUnits[index]) + QStringLiteral("Hundred ");
    case Place::Tens:
        return QString::fromLatin1(kTens[index]);
    case Place::Units:
        return QString::fromLatin1(kUnits[index]);
    }
    return {};
}

// The words of one group of three digits; true when any digit was not zero.
bool AppendGroup(QString& words, double& x, double groupValue) {
    bool any = false;
    const std::array<std::pair<double, Place>, 3> positions = {
        std::pair{100 * groupValue, Place::Hundreds}, std::pair{10 * groupValue, Place::Tens},
        std::pair{groupValue, Place::Units}};
    for (const auto& [value, place] : positions) {
        const int digit = TakeDigit(x, value);
        if (digit > 0) {
            words += DigitWords(digit, place);
            any = true;
        }
    }
    return any;
}

} // namespace

QString ConvertTeens(const QString& text, const ErrorSink& errors) {
    QString result = text;
    try {
        for (std::size_t i = 0; i < kTeenPatterns.size(); ++i) {
            const QLatin1StringView pattern(kTeenPatterns[i]);
            const qsizetype at = result.indexOf(pattern);
            if (at >= 0) {
                result.replace(at, pattern.size(), QLatin1StringView(kTeens[i]));
                break;
            }
        }
    } catch (const std::exception&) {
        errors.ErrorWindow(21010);
    }
    return result.left(kShortTextLength);
}

QString NumberToWords(double x, const ErrorSink& errors) {
    if (x > kLargest) {
        errors.ErrorWindow(21260);
        return {};
    }
    if (x == 0) {
        return QStringLiteral("No ");
    }
    QString words;
    try {
        if (AppendGroup(words, x, 1'000'000)) {
            words = ConvertTeens(words + QStringLiteral("Million "), errors);
        }
        if (AppendGroup(words, x, 1'000)) {
            words = ConvertTeens(words + QStringLiteral("Thousand "), errors);
        }
        AppendGroup(words, x, 1);
        words = ConvertTeens(words, errors);
    } catch (const std::exception&) {
        errors.ErrorWindow(21270);
    }
    return words;
}

} // namespace kiv5::books
