#include "common/core/Misc.h"
#include "common/core/NumberFormat.h"
#include "common/core/StateTable.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <clocale>
#include <limits>
#include <random>

using namespace kiv5;

namespace {

// Puts the C library's locale back when it goes.
struct CLocaleGuard {
    QByteArray previous = std::setlocale(LC_ALL, nullptr);
    ~CLocaleGuard() { std::setlocale(LC_ALL, previous.constData()); }
};

} // namespace

class TestHelpers : public QObject {
    Q_OBJECT

private slots:
    // The quick money form is the general one, cent for cent: edge values
    // and a seeded sample, whole cents or not.
    void moneyUnitsAsTheGeneralForm() {
        QList<qint64> units{0,
                            100,
                            -100,
                            5000,
                            1'000'000,
                            -1'000'000,
                            10'000'000,
                            9'999'900,
                            123'456'700,
                            -123'456'700,
                            50,
                            -50,
                            10'050,
                            1,
                            -1,
                            49,
                            999'999'999'999'900,
                            std::numeric_limits<qint64>::max(),
                            std::numeric_limits<qint64>::min()};
        std::mt19937_64 random(20261210);
        for (int i = 0; i < 20000; ++i) {
            const qint64 value =
                static_cast<qint64>(random() % 2'000'000'000'000ULL) - 1'000'000'000'000LL;
            units.append(i % 2 ? value / 100 * 100 : value);
        }
        for (const qint64 u : units) {
            QCOMPARE(FormatMoneyUnits(u), TrimLeadSpaces(FormatNumber("%12.2n", UnitsToMoney(u))));
        }
        QCOMPARE(FormatMoneyUnits(123'456'700), QString("12,345.67"));
        QCOMPARE(FormatMoneyUnits(-5'000), QString("-0.50"));
    }

    void removeCommasAndSigns_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("parentheses") << "(1,234.50)"
                                     << "-1234.50";
        QTest::newRow("trailing minus") << "$ 12.00-"
                                        << "-12.00";
        QTest::newRow("inner minus") << "1-2"
                                     << "-12";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("plus and letters stay") << "+1a.5"
                                               << "+1a.5";
    }
    void removeCommasAndSigns() {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(RemoveCommasAndSigns(input), expected);
    }

    void str2Float_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<double>("p");
        QTest::addColumn<double>("two");
        QTest::addColumn<int>("errorP");
        QTest::addColumn<int>("error2");
        QTest::newRow("empty") << "" << 0.0 << 0.0 << 0 << 0;
        QTest::newRow("thousands") << "1,234.56" << 1234.56 << 1234.56 << 0 << 0;
        QTest::newRow("parentheses") << "(5)" << -5.0 << -5.0 << 0 << 0;
        QTest::newRow("letters") << "abc" << 0.0 << 0.0 << 21182 << 21202;
        QTest::newRow("four decimals") << "12.3456" << 12.3456 << 12.35 << 0 << 0;
        QTest::newRow("exact half") << "0.125" << 0.125 << 0.13 << 0 << 0;
        QTest::newRow("negative half") << "-0.125" << -0.125 << -0.13 << 0 << 0;
        QTest::newRow("just below half") << "2.675" << 2.675 << 2.67 << 0 << 0;
        QTest::newRow("sign only") << "$" << 0.0 << 0.0 << 21182 << 21202;
    }
    void str2Float() {
        QFETCH(QString, input);
        QFETCH(double, p);
        QFETCH(double, two);
        QFETCH(int, errorP);
        QFETCH(int, error2);
        test::ErrorRecorder errors;
        QCOMPARE(Str2Float_P(input, errors), p);
        QCOMPARE(errors.codes.value(0), errorP);
        errors.codes.clear();
        QCOMPARE(Str2Float_2(input, errors), two);
        QCOMPARE(errors.codes.value(0), error2);
    }

    void makeReal_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("next");
        QTest::addColumn<int>("error");
        QTest::newRow("digits") << "500" << 1 << 5.0 << 4 << 0;
        QTest::newRow("upper letter") << "xA25" << 2 << 10.25 << 5 << 0;
        QTest::newRow("lower letter") << "z99" << 1 << 61.99 << 4 << 0;
        QTest::newRow("not a number") << "5#0" << 1 << 0.0 << 4 << 21182;
        QTest::newRow("past the end") << "50" << 1 << 0.0 << 1 << 21030;
    }
    void makeReal() {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(double, value);
        QFETCH(int, next);
        QFETCH(int, error);
        test::ErrorRecorder errors;
        int at = start;
        QCOMPARE(MakeReal(text, at, errors), value);
        QCOMPARE(at, next);
        QCOMPARE(errors.codes.value(0), error);
    }

    void textHelpers_data() {
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("slash added") << "SlashAtEnd"
                                     << "/data/x"
                                     << "/data/x/";
        QTest::newRow("slash kept") << "SlashAtEnd"
                                    << "/data/x/"
                                    << "/data/x/";
        QTest::newRow("slash empty") << "SlashAtEnd"
                                     << ""
                                     << "/";
        QTest::newRow("strip last dot") << "StripExtension"
                                        << "clients.old.pl5"
                                        << "clients.old";
        QTest::newRow("strip none") << "StripExtension"
                                    << "clients"
                                    << "clients";
        QTest::newRow("trim trailing") << "TrimStr"
                                       << "  a b  "
                                       << "  a b";
        QTest::newRow("trim keeps tab") << "TrimStr"
                                        << "a\t"
                                        << "a\t";
        QTest::newRow("trim leading") << "TrimLeadSpaces"
                                      << "   12.00 "
                                      << "12.00 ";
        QTest::newRow("hyphens") << "RemoveHyphens"
                                 << "12-34-5"
                                 << "12345";
        QTest::newRow("pipe") << "RemoveCRLFWithPipe"
                              << "a\r\nb\nc\rd"
                              << "a | b\nc\rd";
        QTest::newRow("restore") << "RestoreCRLFFromPipe"
                                 << "a | b || c"
                                 << "a\r\nb || c";
        QTest::newRow("tilde") << "RemoveTabWithTilde"
                               << "a\tb\t"
                               << "a ~ b ~ ";
        QTest::newRow("name part unix") << "FileNamePart"
                                        << "/x/y/c.pl5"
                                        << "c.pl5";
        QTest::newRow("name part windows") << "FileNamePart"
                                           << "C:\\x\\c.pl5"
                                           << "c.pl5";
        QTest::newRow("folder part") << "FolderPart"
                                     << "C:\\x/y\\c.pl5"
                                     << "C:\\x/y\\";
        QTest::newRow("text date") << "MakeTextDate"
                                   << "3/7/2011"
                                   << "March 7, 2011";
        QTest::newRow("text date empty") << "MakeTextDate"
                                         << ""
                                         << "";
        QTest::newRow("text date bad") << "MakeTextDate"
                                       << "13/45/2011"
                                       << "";
    }
    void textHelpers() {
        QFETCH(QString, function);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        const std::map<QString, QString (*)(const QString&)> functions = {
            {"SlashAtEnd", SlashAtEnd},
            {"StripExtension", StripExtension},
            {"TrimStr", TrimStr},
            {"TrimLeadSpaces", TrimLeadSpaces},
            {"RemoveHyphens", RemoveHyphens},
            {"RemoveCRLFWithPipe", RemoveCRLFWithPipe},
            {"RestoreCRLFFromPipe", RestoreCRLFFromPipe},
            {"RemoveTabWithTilde", RemoveTabWithTilde},
            {"FileNamePart", FileNamePart},
            {"FolderPart", FolderPart},
            {"MakeTextDate", [](const QString& s) { return MakeTextDate(s); }},
        };
        QCOMPARE(functions.at(function)(input), expected);
    }

    void strictNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isFloat");
        QTest::addColumn<bool>("isInteger");
        QTest::newRow("plain") << "12" << true << true;
        QTest::newRow("signed") << "-12" << true << true;
        QTest::newRow("leading blanks") << "  +7" << true << true;
        QTest::newRow("trailing blank") << "7 " << true << false;
        QTest::newRow("point") << "1.5" << true << false;
        QTest::newRow("bare point") << "." << false << false;
        QTest::newRow("exponent") << "1e3" << true << false;
        QTest::newRow("bad exponent") << "1e" << false << false;
        QTest::newRow("comma") << "1,5" << false << false;
        QTest::newRow("too big") << "3000000000" << true << false;
        QTest::newRow("empty") << "" << false << false;
        QTest::newRow("sign only") << "-" << false << false;
    }
    void strictNumbers() {
        QFETCH(QString, text);
        QFETCH(bool, isFloat);
        QFETCH(bool, isInteger);
        QCOMPARE(TryParseFloat(text).has_value(), isFloat);
        QCOMPARE(TryParseInteger(text).has_value(), isInteger);
    }

    // A decimal-comma locale must not change how stored amounts read,
    // neither Qt's default locale nor the C library's.
    void numbersIgnoreTheQtLocale() {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto value = TryParseFloat("1234.56");
        QLocale::setDefault(previous);
        QCOMPARE(value.value_or(0), 1234.56);
    }
    void numbersIgnoreTheCLocale() {
        const CLocaleGuard guard;
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE.utf8")) {
            QSKIP("the German locale de_DE.UTF-8 is not installed (locale-gen de_DE.UTF-8)");
        }
        QCOMPARE(QByteArray(std::localeconv()->decimal_point), QByteArray(","));
        QCOMPARE(TryParseFloat("1234.56").value_or(0), 1234.56);
    }

    void pipeRoundTrip() {
        const QString twoLines = "first\r\nsecond";
        QCOMPARE(RestoreCRLFFromPipe(RemoveCRLFWithPipe(twoLines)), twoLines);
        QCOMPARE(RestoreCRLFFromPipe(RemoveCRLFWithPipe("a | b")), QString("a\r\nb"));
    }

    void formats_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("money") << "%12.2n" << 1234.5 << "    1,234.50";
        QTest::newRow("money negative") << "%12.2n" << -1234567.891 << "-1,234,567.89";
        QTest::newRow("money wider than width") << "%5.2n" << 123456.0 << "123,456.00";
        QTest::newRow("money half away") << "%12.2n" << 0.125 << "        0.13";
        QTest::newRow("rounds to zero") << "%8.2n" << -0.001 << "    0.00";
        QTest::newRow("percent") << "%11.3n" << 7.5 << "      7.500";
        QTest::newRow("carry") << "%14.2n" << 999999.996 << "  1,000,000.00";
        QTest::newRow("fixed") << "%14.2f" << 1234.5 << "       1234.50";
        QTest::newRow("tiny") << "%7.2n" << 1e-300 << "   0.00";
        QTest::newRow("two digits") << "%.2d" << 7.0 << "07";
        QTest::newRow("wide integer") << "%12d" << 32768.0 << "       32768";
    }
    void formats() {
        QFETCH(QString, pattern);
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(FormatNumber(pattern.toLatin1().constData(), value), expected);
    }

    void shortestDecimal_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("integer") << 8.0 << "8";
        QTest::newRow("half") << 7.5 << "7.5";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("sum") << 0.1 + 0.2 << "0.3";
        QTest::newRow("negative zero") << -0.0 << "0";
    }
    void shortestDecimal() {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(ShortestDecimal(value), expected);
    }

    void states_data() {
        QTest::addColumn<QString>("abbreviation");
        QTest::addColumn<int>("code");
        QTest::newRow("New York") << "NY" << 32;
        QTest::newRow("lower case") << "ny" << -1;
        QTest::newRow("leading blank") << " NY" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("first") << "AL" << 0;
        QTest::newRow("last") << "WY" << 50;
    }
    void states() {
        QFETCH(QString, abbreviation);
        QFETCH(int, code);
        QCOMPARE(StateAbbreviationToInt(abbreviation), code);
        if (code >= 0) {
            QCOMPARE(IntToStateAbbreviation(code), abbreviation);
        }
    }

    void stateEdges() {
        QCOMPARE(IntToStateAbbreviation(51), QString());
        QCOMPARE(IntToStateAbbreviation(-1), QString());
        QCOMPARE(StateEntryFormText(2), QString("Arizon "));
        QCOMPARE(StateEntryFormText(49), QString("Wisconson"));
    }
};

KIV5_CORE_TEST_MAIN(TestHelpers)
#include "tst_Helpers.moc"
