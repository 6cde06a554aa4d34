#include "common/core/DateTime.h"
#include "common/core/Exceptions.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <cmath>
#include <limits>

using namespace kiv5;

class TestDateTime : public QObject {
    Q_OBJECT

private slots:
    void formats_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("omitted");
        QTest::newRow("epoch") << 0.0 << "12/30/1899"
                               << "12/30/1899 12:00:00 AM"
                               << "12/30/1899";
        QTest::newRow("noon") << 40609.5 << "3/7/2011"
                              << "3/7/2011 12:00:00 PM"
                              << "3/7/2011 12:00:00 PM";
        QTest::newRow("before epoch") << -1.25 << "12/29/1899"
                                      << "12/29/1899 6:00:00 AM"
                                      << "12/29/1899 6:00:00 AM";
        QTest::newRow("one second past midnight") << 40609.0 + 1.0 / 86400 << "3/7/2011"
                                                  << "3/7/2011 12:00:01 AM"
                                                  << "3/7/2011 12:00:01 AM";
        // 23:59:59.9996 rounds to the next day's midnight, never truncates back.
        QTest::newRow("rounds up to next day") << 40609.0 + 86399.9996 / 86400 << "3/8/2011"
                                               << "3/8/2011 12:00:00 AM"
                                               << "3/8/2011";
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << ""
                                      << ""
                                      << "";
        QTest::newRow("out of range") << 1e12 << ""
                                      << ""
                                      << "";
    }
    void formats() {
        QFETCH(double, value);
        QFETCH(QString, date);
        QFETCH(QString, shown);
        QFETCH(QString, omitted);
        QCOMPARE(FormatShortDate(value), date);
        QCOMPARE(FormatDateTime(value, Midnight::Show), shown);
        QCOMPARE(FormatDateTime(value, Midnight::Omit), omitted);
    }

    void roundTripToTheSecond() {
        // Every stamp shown as text reads back as the same second.
        for (double v : {40609.123456789, 45000.999988, -3.7, 0.00001, 2958465.5}) {
            QCOMPARE(ParseDateTime(FormatDateTime(v, Midnight::Show)), TruncateToSecond(v));
        }
    }

    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("date") << "3/7/2011" << 40609.0;
        QTest::newRow("date and time") << "3/7/2011 6:00:00 PM" << 40609.75;
        QTest::newRow("24 hour") << "3/7/2011 18:00" << 40609.75;
        QTest::newRow("12 AM") << "3/7/2011 12:00:00 AM" << 40609.0;
        QTest::newRow("blanks") << "  3/7/2011  " << 40609.0;
        QTest::newRow("before epoch") << "12/29/1899 6:00:00 AM" << -1.25;
    }
    void parse() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(ParseDateTime(text), value);
    }

    void parseFailures_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("words") << "yesterday";
        QTest::newRow("month 13") << "13/1/2011";
        QTest::newRow("February 30") << "2/30/2011";
        QTest::newRow("hour 13 PM") << "3/7/2011 13:00 PM";
    }
    void parseFailures() {
        QFETCH(QString, text);
        QVERIFY(!TryParseDateTime(text));
        QVERIFY_THROWS_EXCEPTION(ConversionError, ParseDateTime(text));
    }

    void truncateKeepsSeconds() {
        const double v = 40609.0 + (3600 + 0.999) / 86400.0;
        QCOMPARE(FormatLongTime(TruncateToSecond(v)), QString("1:00:00 AM"));
        QCOMPARE(TruncateToSecond(-1.25), -1.25);
    }

    void fixedClock() {
        const Clock clock = Clock::FixedAt(QDateTime(QDate(2026, 12, 9), QTime(14, 30)));
        QCOMPARE(clock.Today(), DateToDayCount(QDate(2026, 12, 9)));
        QCOMPARE(FormatDateTime(clock.Now(), Midnight::Show), QString("12/9/2026 2:30:00 PM"));
    }
};

KIV5_CORE_TEST_MAIN(TestDateTime)
#include "tst_DateTime.moc"
