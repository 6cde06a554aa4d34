// The check page on a recording canvas: the three blocks in Times New Roman
// 12, their positions in device pixels, the amount right-justified to end at
// 7.95 inches with its padding, the offset, a bad amount, the test frame.

#include "books/core/CheckPage.h"
#include "books/core/RecordingCanvas.h"
#include "common/core/DateTime.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <algorithm>

using namespace kiv5;
using namespace kiv5::books;

namespace {

CheckValues Values() {
    return {QStringLiteral("1042"), DateToDayCount(QDate(2011, 3, 7)),
            QStringLiteral("Hollis & Barr"), QStringLiteral("Filing fee"),
            QStringLiteral("1,234.56")};
}

QStringList PrintPage(const CheckValues& values, const CheckPageOptions& options,
                      QList<int>* codes = nullptr, int ppi = 300) {
    RecordingCanvas canvas(ppi, ppi, ppi * 17 / 2, ppi * 11);
    test::ErrorRecorder errors;
    PrintCheckPage(canvas, values, options, errors);
    if (codes) {
        *codes = errors.codes;
    }
    return canvas.Log();
}

} // namespace

class TestCheckPage : public QObject {
    Q_OBJECT

private slots:
    void layoutAt300() {
        QList<int> codes;
        const QString words = "One Thousand Two Hundred Thirty Four Dollars and Fifty Six Cents";
        QCOMPARE(PrintPage(Values(), {}, &codes),
                 (QStringList{
                     "font Times New Roman",
                     "size 12",
                     "text 114,300 \"CHECK NO.:\"",
                     "text 114,350 \"DATE:\"",
                     "text 114,400 \"PAYEE:\"",
                     "text 114,450 \"MEMO:\"",
                     "text 114,500 \"AMOUNT:\"",
                     "text 413,300 \"1042\"",
                     "text 413,350 \"March 7, 2011\"",
                     "text 413,400 \"Hollis & Barr\"",
                     "text 413,450 \"Filing fee\"",
                     "text 413,500 \"$1,234.56   \"",
                     "text 189,1539 \"" + words + "\"",
                     "text 1674,1539 \"March 7, 2011\"",
                     "aligned right 0,1539,2385,1589 noclip \"$1,234.56   \"",
                     "text 300,1779 \"Hollis & Barr\"",
                     "text 150,2250 \"CHECK NO.:\"",
                     "text 114,2300 \"DATE:\"",
                     "text 114,2350 \"PAYEE:\"",
                     "text 114,2400 \"MEMO:\"",
                     "text 114,2450 \"AMOUNT:\"",
                     "text 413,2250 \"1042\"",
                     "text 413,2300 \"March 7, 2011\"",
                     "text 413,2350 \"Hollis & Barr\"",
                     "text 413,2400 \"Filing fee\"",
                     "text 413,2450 \"$1,234.56   \"",
                 }));
        QCOMPARE(codes, QList<int>{});
    }

    void amountEndsAt795At600() {
        const QStringList log = PrintPage(Values(), {}, nullptr, 600);
        QVERIFY(log.contains("aligned right 0,3078,4770,3178 noclip \"$1,234.56   \""));
    }

    void offsetMovesEveryPosition_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("right and up")
            << 0.25 << -0.10
            << QStringList{"text 189,270 \"CHECK NO.:\"",
                           "text 488,270 \"1042\"",
                           "text 264,1509 \"One",
                           "text 1749,1509 \"March 7, 2011\"",
                           "aligned right 75,1509,2460,1559 noclip \"$1,234.56   \"",
                           "text 375,1749 \"Hollis & Barr\"",
                           "text 225,2220 \"CHECK NO.:\""};
        QTest::newRow("left and down")
            << -0.5 << 1.0
            << QStringList{"text -36,600 \"CHECK NO.:\"",
                           "text 263,600 \"1042\"",
                           "text 39,1839 \"One",
                           "text 1524,1839 \"March 7, 2011\"",
                           "aligned right -150,1839,2235,1889 noclip \"$1,234.56   \"",
                           "text 150,2079 \"Hollis & Barr\"",
                           "text 0,2550 \"CHECK NO.:\""};
    }
    void offsetMovesEveryPosition() {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(QStringList, expected);
        CheckPageOptions options;
        options.offset = {x, y};
        const QStringList log = PrintPage(Values(), options);
        for (const QString& entry : expected) {
            const bool found = std::any_of(log.begin(), log.end(), [&](const QString& line) {
                return line.startsWith(entry);
            });
            QVERIFY2(found, qPrintable(entry));
        }
    }

    void amountThatIsNoNumber() {
        CheckValues values = Values();
        values.amount = "twelve";
        QList<int> codes;
        const QStringList log = PrintPage(values, {}, &codes);
        QCOMPARE(codes, QList<int>(5, 21202));
        QVERIFY(log.contains("text 413,500 \"$0.00       \""));
        QVERIFY(log.contains("text 189,1539 \"No Dollars and No Cents\""));
        QVERIFY(log.contains("aligned right 0,1539,2385,1589 noclip \"$0.00       \""));
        QVERIFY(log.contains("text 413,2450 \"$0.00       \""));
    }

    void negativeAmount() {
        CheckValues values = Values();
        values.amount = "-5.25";
        const QStringList log = PrintPage(values, {});
        QVERIFY(log.contains("text 189,1539 \"Dollars and Cents\""));
        QVERIFY(log.contains("aligned right 0,1539,2385,1589 noclip \"($5.25)     \""));
    }

    void emptyFieldsPrintEmptyLines() {
        const CheckValues values{{}, DateToDayCount(QDate(2011, 3, 7)), {}, {}, {}};
        QList<int> codes;
        const QStringList log = PrintPage(values, {}, &codes);
        QCOMPARE(codes, QList<int>{});
        QVERIFY(!log.contains("text 413,300 \"\""));
        QVERIFY(log.contains("text 413,350 \"March 7, 2011\""));
        QVERIFY(log.contains("text 413,500 \"$0.00       \""));
    }

    void typedEscapeCharacterIsALetter() {
        CheckValues values = Values();
        values.payee = QString::fromUtf8("Sigur\u00fe\u00f3r \u00feBar");
        values.memo = QString::fromUtf8("\u00fe\u00f4100100200200");
        QList<int> codes;
        const QStringList log = PrintPage(values, {}, &codes);
        QCOMPARE(codes, QList<int>{});
        QVERIFY(log.contains("text 300,1779 \"" + values.payee + "\""));
        QVERIFY(log.contains("text 413,450 \"" + values.memo + "\""));
        QVERIFY(!log.contains("moveto 300,300"));
    }

    void windowRepaintsBetweenBlocks() {
        int calls = 0;
        CheckPageOptions options;
        options.betweenBlocks = [&calls] { ++calls; };
        PrintPage(Values(), options);
        QCOMPARE(calls, 8);
    }

    void testPageFramesThePrintableArea() {
        CheckPageOptions options;
        options.frame = true;
        options.offset = {0.1, 0.1};
        RecordingCanvas canvas(300, 300, 2400, 3150); // 8 x 10.5 inches
        test::ErrorRecorder errors;
        PrintCheckPage(canvas, SampleCheckValues(DateToDayCount(QDate(2026, 12, 10))), options,
                       errors);
        const QStringList log = canvas.Log();
        QCOMPARE(log.mid(2, 2),
                 (QStringList{"pen width 3", "polyline 0,0 0,3147 2397,3147 2397,0 0,0"}));
        QVERIFY(log.contains("text 444,330 \"1001\""));
        QVERIFY(log.contains("text 444,380 \"December 10, 2026\""));
        QVERIFY(log.contains("text 444,430 \"Sample Payee\""));
        QVERIFY(log.contains("text 444,480 \"Check alignment test\""));
        QCOMPARE(errors.codes, QList<int>{});
    }
};

KIV5_CORE_TEST_MAIN(TestCheckPage)
#include "tst_CheckPage.moc"
