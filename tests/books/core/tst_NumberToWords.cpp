// Amounts in words: the examples, the edge cases of a check's words line, and
// every sampled whole number read back by a small reader of its own.

#include "books/core/CheckAmount.h"
#include "books/core/NumberToWords.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <QRandomGenerator>
#include <optional>

using namespace kiv5;
using namespace kiv5::books;

namespace {

// Reads words as NumberToWords writes them back into a number: "No " is 0;
// a group is [unit Hundred] [ten] [unit | teen], followed by Million,
// Thousand or nothing. Empty when a word is unknown or out of place, or a
// word is not followed by exactly one blank.
std::optional<qint64> ReadWords(const QString& words) {
    static const QStringList units = {"One", "Two",   "Three", "Four", "Five",
                                      "Six", "Seven", "Eight", "Nine"};
    static const QStringList teens = {"Eleven",  "Twelve",    "Thirteen", "Fourteen", "Fifteen",
                                      "Sixteen", "Seventeen", "Eighteen", "Nineteen"};
    static const QStringList tens = {"Ten",   "Twenty",  "Thirty", "Forty", "Fifty",
                                     "Sixty", "Seventy", "Eighty", "Ninety"};
    if (words == QLatin1String("No ")) {
        return 0;
    }
    if (!words.endsWith(' ') || words.contains(QLatin1String("  ")) || words.startsWith(' ')) {
        return std::nullopt;
    }
    const QStringList tokens = words.trimmed().split(' ');
    qint64 total = 0;
    qint64 group = 0;
    qint64 lastScale = 1'000'000'000;
    enum { Start, AfterHundred, AfterTen, AfterUnit } state = Start;
    bool afterPlainTen = false; // "Ten" followed by a unit is written as a teen
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QString& t = tokens[i];
        if (units.contains(t) && i + 1 < tokens.size() && tokens[i + 1] == "Hundred") {
            if (state != Start) {
                return std::nullopt;
            }
            group += 100 * (units.indexOf(t) + 1);
            ++i;
            state = AfterHundred;
        } else if (tens.contains(t)) {
            if (state == AfterTen || state == AfterUnit) {
                return std::nullopt;
            }
            group += 10 * (tens.indexOf(t) + 1);
            state = AfterTen;
            afterPlainTen = t == "Ten";
        } else if (teens.contains(t) || units.contains(t)) {
            if (state == AfterUnit || (state == AfterTen && (teens.contains(t) || afterPlainTen))) {
                return std::nullopt;
            }
            group += teens.contains(t) ? 11 + teens.indexOf(t) : units.indexOf(t) + 1;
            state = AfterUnit;
        } else if (t == "Million" || t == "Thousand") {
            const qint64 scale = t == "Million" ? 1'000'000 : 1'000;
            if (group == 0 || scale >= lastScale) {
                return std::nullopt;
            }
            total += group * scale;
            lastScale = scale;
            group = 0;
            state = Start;
        } else {
            return std::nullopt;
        }
    }
    return total + group;
}

} // namespace

class TestNumberToWords : public QObject {
    Q_OBJECT

private slots:
    void examples_data() {
        QTest::addColumn<double>("number");
        QTest::addColumn<QString>("words");
        QTest::newRow("0") << 0.0 << "No ";
        QTest::newRow("7") << 7.0 << "Seven ";
        QTest::newRow("12") << 12.0 << "Twelve ";
        QTest::newRow("40") << 40.0 << "Forty ";
        QTest::newRow("110") << 110.0 << "One Hundred Ten ";
        QTest::newRow("111") << 111.0 << "One Hundred Eleven ";
        QTest::newRow("1,000") << 1000.0 << "One Thousand ";
        QTest::newRow("13,019") << 13019.0 << "Thirteen Thousand Nineteen ";
        QTest::newRow("1,000,000") << 1e6 << "One Million ";
        QTest::newRow("11,000,011") << 11000011.0 << "Eleven Million Eleven ";
        QTest::newRow("10,000,010") << 10000010.0 << "Ten Million Ten ";
        QTest::newRow("a teen in every group")
            << 517018019.0 << "Five Hundred Seventeen Million Eighteen Thousand Nineteen ";
        QTest::newRow("largest")
            << 999999999.0
            << "Nine Hundred Ninety Nine Million Nine Hundred Ninety Nine Thousand Nine Hundred "
               "Ninety Nine ";
        QTest::newRow("negative gives no words") << -5.0 << "";
        QTest::newRow("a fraction is left out") << 5.75 << "Five ";
    }
    void examples() {
        QFETCH(double, number);
        QFETCH(QString, words);
        test::ErrorRecorder errors;
        QCOMPARE(NumberToWords(number, errors), words);
        QCOMPARE(errors.codes, QList<int>{});
    }

    void aboveTheLargestIsAnError() {
        test::ErrorRecorder errors;
        QCOMPARE(NumberToWords(1e9, errors), QString());
        QCOMPARE(errors.codes, QList<int>{21260});
    }

    void convertTeens_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("converted");
        QTest::newRow("keeps the blank after it") << "Ten One "
                                                  << "Eleven ";
        QTest::newRow("only the first pattern in search order") << "Ten Nine Ten One "
                                                                << "Ten Nine Eleven ";
        QTest::newRow("only the first occurrence") << "Ten Two Ten Two "
                                                   << "Twelve Ten Two ";
        QTest::newRow("nothing to replace") << "Ten Thousand "
                                            << "Ten Thousand ";
        QTest::newRow("cut to 255 characters") << QString(300, 'x') << QString(255, 'x');
    }
    void convertTeens() {
        QFETCH(QString, text);
        QFETCH(QString, converted);
        test::ErrorRecorder errors;
        QCOMPARE(ConvertTeens(text, errors), converted);
    }

    void wordsLine_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QList<int>>("codes");
        QTest::newRow("1,234.56") << "1,234.56"
                                  << "One Thousand Two Hundred Thirty Four Dollars and Fifty Six "
                                     "Cents"
                                  << QList<int>{};
        QTest::newRow("0.45") << "0.45"
                              << "No Dollars and Forty Five Cents" << QList<int>{};
        QTest::newRow("100.00") << "100.00"
                                << "One Hundred Dollars and No Cents" << QList<int>{};
        QTest::newRow("0.01") << "0.01"
                              << "No Dollars and One Cents" << QList<int>{};
        QTest::newRow("19.99") << "19.99"
                               << "Nineteen Dollars and Ninety Nine Cents" << QList<int>{};
        QTest::newRow("largest") << "999,999,999.99"
                                 << "Nine Hundred Ninety Nine Million Nine Hundred Ninety Nine "
                                    "Thousand Nine Hundred Ninety Nine Dollars and Ninety Nine "
                                    "Cents"
                                 << QList<int>{};
        QTest::newRow("negative") << "-5.25"
                                  << "Dollars and Cents" << QList<int>{};
        QTest::newRow("in parentheses") << "($5.25)"
                                        << "Dollars and Cents" << QList<int>{};
        QTest::newRow("rounded to cents") << "2.675"
                                          << "Two Dollars and Sixty Seven Cents" << QList<int>{};
        QTest::newRow("above the largest") << "1,000,000,000.50"
                                           << "Dollars and Fifty Cents" << QList<int>{21260};
        QTest::newRow("not a number, read twice")
            << "abc"
            << "No Dollars and No Cents" << QList<int>{21202, 21202};
    }
    void wordsLine() {
        QFETCH(QString, amount);
        QFETCH(QString, words);
        QFETCH(QList<int>, codes);
        test::ErrorRecorder errors;
        QCOMPARE(CheckAmountInWords(amount, errors), words);
        QCOMPARE(errors.codes, codes);
    }

    void figures_data() {
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("figures");
        QTest::newRow("thousands") << 1234.56 << "$1,234.56   ";
        QTest::newRow("zero") << 0.0 << "$0.00       ";
        QTest::newRow("negative in parentheses") << -5.25 << "($5.25)     ";
        QTest::newRow("exactly twelve") << 1234567.89 << "$1,234,567.89";
        QTest::newRow("wider is not cut") << 999999999.99 << "$999,999,999.99";
        QTest::newRow("negative zero") << -0.001 << "$0.00       ";
    }
    void figures() {
        QFETCH(double, amount);
        QFETCH(QString, figures);
        QCOMPARE(FormatCheckAmount(amount), figures);
    }

    // Every sampled whole number reads back from its words.
    void wordsReadBack() {
        QRandomGenerator random(20260101);
        test::ErrorRecorder errors;
        for (int i = 0; i < 200'000; ++i) {
            // Half the samples small, so that every group shape comes up.
            const qint64 n = i % 2 ? random.bounded(1'000'000'000) : random.bounded(1'000'000);
            const QString words = NumberToWords(double(n), errors);
            const auto read = ReadWords(words);
            if (!read || *read != n) {
                QFAIL(qPrintable(QStringLiteral("%1 gave \"%2\"").arg(n).arg(words)));
            }
        }
        QCOMPARE(errors.codes, QList<int>{});
    }

    void readerRefusesWrongWords_data() {
        QTest::addColumn<QString>("words");
        QTest::newRow("no final blank") << "Seven";
        QTest::newRow("ten and a unit") << "Ten One ";
        QTest::newRow("two blanks") << "Seven  ";
        QTest::newRow("scales out of order") << "One Thousand One Million ";
        QTest::newRow("two units") << "One Two ";
    }
    void readerRefusesWrongWords() {
        QFETCH(QString, words);
        QVERIFY(!ReadWords(words));
    }
};

KIV5_CORE_TEST_MAIN(TestNumberToWords)
#include "tst_NumberToWords.moc"
