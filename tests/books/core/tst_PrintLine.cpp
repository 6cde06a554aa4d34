// The print-line language on a recording canvas: device pixels at 300 and
// 600 pixels per inch, line heights, terminators, drawing codes and the error
// numbers. The recording canvas measures each character as half the font
// size wide and the text cell as high as the font size.

#include "books/core/PrintLineCodes.h"
#include "books/core/PrintLineJob.h"
#include "books/core/RecordingCanvas.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

using namespace kiv5;
using namespace kiv5::books;

namespace {

// The escape character followed by a code character.
QString Esc(char16_t code) {
    return QString(QChar(EscCode)) + QChar(code);
}

QString Char(int code) {
    return QString(QChar(code));
}

// A job on a canvas whose printable area is 8 x 10.5 inches, Times New Roman
// 12 and point size 12 as the check sets them.
struct Page {
    explicit Page(int ppi = 300, const QString& folder = {})
        : canvas(ppi, ppi, 8 * ppi, ppi * 21 / 2), job(canvas, folder, errors) {
        job.SetPointSize(12);
    }
    // Prints one line and returns the vertical position after it.
    double Print(const QString& line, double y, double x) {
        job.PrintLine(line, y, x);
        return y;
    }

    test::ErrorRecorder errors;
    RecordingCanvas canvas;
    PrintLineJob job;
};

} // namespace

class TestPrintLine : public QObject {
    Q_OBJECT

private slots:
    void placesTextInDevicePixels_data() {
        QTest::addColumn<int>("ppi");
        QTest::addColumn<QString>("line");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<double>("yAfter");

        QTest::newRow("plain line 300") << 300 << "Hello" << 1.0 << 2.0
                                        << QStringList{"text 300,600 \"Hello\""} << 2.0 + 1.0 / 6;
        QTest::newRow("plain line 600") << 600 << "Hello" << 1.0 << 2.0
                                        << QStringList{"text 600,1200 \"Hello\""} << 2.0 + 1.0 / 6;
        QTest::newRow("position truncated")
            << 300 << "x" << 1.38 << 1.0 << QStringList{"text 413,300 \"x\""} << 1.0 + 1.0 / 6;
        QTest::newRow("position truncated 600")
            << 600 << "x" << 1.38 << 5.13 << QStringList{"text 827,3078 \"x\""} << 5.13 + 1.0 / 6;
        QTest::newRow("text before a code moves on by its width")
            << 300 << "AB" + Esc(StyleCode) + "1CD" << 1.0 << 1.0
            << QStringList{"text 300,300 \"AB\"", "style bold", "text 350,300 \"CD\""}
            << 1.0 + 1.0 / 6;
        QTest::newRow("tab") << 300 << "A" + Esc(TabCode) + "250B" << 1.0 << 1.0
                             << QStringList{"text 300,300 \"A\"", "text 750,300 \"B\""}
                             << 1.0 + 1.0 / 6;
        QTest::newRow("tab with a letter for ten inches")
            << 600 << Esc(TabCode) + "A00B" << 0.0 << 1.0 << QStringList{"text 6000,600 \"B\""}
            << 1.0 + 1.0 / 6;
        QTest::newRow("empty line") << 300 << "" << 1.0 << 1.0 << QStringList{} << 1.0 + 1.0 / 6;
        QTest::newRow("right justified at 7.95")
            << 300 << Esc(RightJustifyCode) + "795$1.00   " + Char(EndRightJustifyCode) << 0.0
            << 5.13 << QStringList{"aligned right 0,1539,2385,1589 noclip \"$1.00   \""}
            << 5.13 + 1.0 / 6;
        QTest::newRow("right justified 600")
            << 600 << Esc(RightJustifyCode) + "795$1.00" + Char(EndRightJustifyCode) << 0.5 << 1.0
            << QStringList{"aligned right 300,600,4770,700 noclip \"$1.00\""} << 1.0 + 1.0 / 6;
        QTest::newRow("right justified text does not move the position")
            << 300 << Esc(RightJustifyCode) + "500ab" + Char(EndRightJustifyCode) + "cd" << 1.0
            << 1.0
            << QStringList{"aligned right 300,300,1500,350 noclip \"ab\"", "text 300,300 \"cd\""}
            << 1.0 + 1.0 / 6;
        QTest::newRow("truncated")
            << 300 << Esc(TruncateCode) + "200long text" + Char(EndTruncateCode) << 1.0 << 1.0
            << QStringList{"textrect 300,300,600,350 300,300 \"long text\""} << 1.0 + 1.0 / 6;
        QTest::newRow("centred on the page, gutter 75")
            << 300 << Esc(CenterCode) + "Title" + Char(EndCenterCode) << 1.0 << 1.0
            << QStringList{"aligned center -75,300,2475,350 clip \"Title\""} << 1.0 + 1.0 / 6;
        QTest::newRow("centred 600, gutter 150")
            << 600 << Esc(CenterCode) + "Title" + Char(EndCenterCode) << 1.0 << 1.0
            << QStringList{"aligned center -150,600,4950,700 clip \"Title\""} << 1.0 + 1.0 / 6;
        QTest::newRow("justified to the right edge")
            << 300 << Esc(JustifyCode) + "one two three" + Char(EndJustifyCode) << 1.0 << 1.0
            << QStringList{"justify 1775 2", "textrect 300,300,2400,350 300,300 \"one two three\"",
                           "justify 0 0"}
            << 1.0 + 1.0 / 6;
        QTest::newRow("justified text wider than the space is clipped, not stretched")
            << 300 << Esc(JustifyCode) + QString(90, 'w') + " x" + Char(EndJustifyCode) << 1.0
            << 1.0
            << QStringList{"justify 0 1",
                           "textrect 300,300,2400,350 300,300 \"" + QString(90, 'w') + " x\"",
                           "justify 0 0"}
            << 1.0 + 1.0 / 6;
        QTest::newRow("justify without text does nothing")
            << 300 << Esc(JustifyCode) + Char(EndJustifyCode) << 1.0 << 1.0 << QStringList{}
            << 1.0 + 1.0 / 6;
    }
    void placesTextInDevicePixels() {
        QFETCH(int, ppi);
        QFETCH(QString, line);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(QStringList, log);
        QFETCH(double, yAfter);
        Page page(ppi);
        QCOMPARE(page.Print(line, y, x), yAfter);
        QCOMPARE(page.canvas.Log(), log);
        QCOMPARE(page.errors.codes, QList<int>{});
    }

    void lineHeights_data() {
        QTest::addColumn<int>("startPoints");
        QTest::addColumn<QString>("line");
        QTest::addColumn<double>("advance");

        QTest::newRow("empty line at 12 point") << 12 << "" << 12 / 72.0;
        QTest::newRow("empty line at 10 point") << 10 << "" << 10 / 72.0;
        QTest::newRow("10 point switching to 14")
            << 10 << "ab" + Esc(SizeCode) + Char(214) + "cd" << 14 / 72.0;
        QTest::newRow("14 point switching to 10")
            << 14 << "ab" + Esc(SizeCode) + Char(210) + "cd" << 14 / 72.0;
        QTest::newRow("size code alone") << 10 << Esc(SizeCode) + Char(224) << 24 / 72.0;
        QTest::newRow("line spacing code sets the height")
            << 12 << Esc(LnSpcCode) + Char(224) << 24 * 0.013888;
        QTest::newRow("line spacing then text")
            << 12 << Esc(LnSpcCode) + Char(218) + "x" << 18 / 72.0;
        QTest::newRow("comment") << 12 << Esc(CommentCode) + "note" << 0.0;
        QTest::newRow("word and blank before a comment") << 12 << "word " + Esc(CommentCode) << 0.0;
        QTest::newRow("line") << 12 << Esc(DrawLineCode) + "1-00-1-00-7-50-1-00" << 0.0;
        QTest::newRow("rectangle") << 12 << Esc(DrawRectCode) + "100100200200" << 0.0;
        QTest::newRow("filled rectangle") << 12 << Esc(DrawFilledRectCode) + "1001002002000" << 0.0;
        QTest::newRow("pen") << 12 << Esc(PenWidthCode) + "6" << 0.0;
        QTest::newRow("text then pen") << 12 << "ab" + Esc(PenWidthCode) + "6" << 0.0;
        QTest::newRow("flood fill alone") << 12 << Esc(FloodFillCode) + "1001001xy" << 0.0;
        QTest::newRow("flood fill then text")
            << 12 << Esc(FloodFillCode) + "1001001xyZ" << 12 / 72.0;
        QTest::newRow("reset y: the new top plus this line's height")
            << 12 << Esc(ResetY) + "500xab" << 4.0 + 12 / 72.0;
        QTest::newRow("background code only") << 12 << Esc(TransparentCode) + "0" << 12 / 72.0;
    }
    void lineHeights() {
        QFETCH(int, startPoints);
        QFETCH(QString, line);
        QFETCH(double, advance);
        Page page;
        page.job.SetPointSize(startPoints);
        QCOMPARE(page.Print(line, 1.0, 1.0) - 1.0, advance);
        QCOMPARE(page.errors.codes, QList<int>{});
    }

    void lowestLine_data() {
        QTest::addColumn<double>("y");
        QTest::addColumn<bool>("printed");
        QTest::newRow("10.00 is printed") << 10.0 << true;
        QTest::newRow("10.01 is not") << 10.01 << false;
    }
    void lowestLine() {
        QFETCH(double, y);
        QFETCH(bool, printed);
        Page page;
        const double after = page.Print("x", y, 1.0);
        QCOMPARE(after, printed ? y + 1.0 / 6 : y);
        QCOMPARE(page.canvas.Log().size(), printed ? 1 : 0);
    }

    void drawingCodes_data() {
        QTest::addColumn<int>("ppi");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("log");

        QTest::newRow("line with hyphens") << 300 << Esc(DrawLineCode) + "1-00-1-00-7-50-1-00"
                                           << QStringList{"moveto 300,300", "lineto 2250,300"};
        QTest::newRow("line 600") << 600 << Esc(DrawLineCode) + "1-00-2-00-7-50-2-00"
                                  << QStringList{"moveto 600,1200", "lineto 4500,1200"};
        QTest::newRow("the rest of the line is not read")
            << 300 << Esc(DrawLineCode) + "100100200100 more text"
            << QStringList{"moveto 300,300", "lineto 600,300"};
        QTest::newRow("text before a line stays printed")
            << 300 << "ab" + Esc(DrawLineCode) + "100100200100"
            << QStringList{"text 300,300 \"ab\"", "moveto 300,300", "lineto 600,300"};
        QTest::newRow("rectangle outline")
            << 300 << Esc(DrawRectCode) + "1-00-2-00-3-00-4-00"
            << QStringList{"polyline 300,600 300,1200 900,1200 900,600 300,600"};
        QTest::newRow("filled dark grey")
            << 300 << Esc(DrawFilledRectCode) + "1001002002000"
            << QStringList{"brush 128,128,128", "rectangle 300,300,600,600 brush 128,128,128",
                           "brush 255,255,255"};
        QTest::newRow("filled light grey")
            << 600 << Esc(DrawFilledRectCode) + "1-00-1-00-2-00-2-00-1"
            << QStringList{"brush 192,192,192", "rectangle 600,600,1200,1200 brush 192,192,192",
                           "brush 255,255,255"};
        QTest::newRow("flood fill skips two characters and goes on")
            << 300 << Esc(FloodFillCode) + "1-00-2-000xyZ"
            << QStringList{"brush 128,128,128", "floodfill 300,600 border 0,0,0 brush 128,128,128",
                           "brush 255,255,255", "text 300,300 \"Z\""};
        QTest::newRow("pen width 1/100 inch at 300")
            << 300 << Esc(PenWidthCode) + "6" << QStringList{"pen width 3"};
        QTest::newRow("pen width 1/100 inch at 600")
            << 600 << Esc(PenWidthCode) + "6" << QStringList{"pen width 6"};
        QTest::newRow("pen number in steps of six")
            << 600 << Esc(PenWidthCode) + "17" << QStringList{"pen width 12"};
        QTest::newRow("pen below six is thinnest")
            << 600 << Esc(PenWidthCode) + "5" << QStringList{"pen width 0"};
        QTest::newRow("negative pen number is thinnest")
            << 600 << Esc(PenWidthCode) + "-12" << QStringList{"pen width 0"};
        QTest::newRow("pen solid")
            << 300 << Esc(PenWidthCode) + "100" << QStringList{"pen style solid"};
        QTest::newRow("pen dash") << 300 << Esc(PenWidthCode) + "101"
                                  << QStringList{"pen style dash"};
        QTest::newRow("pen dash dot dot")
            << 300 << Esc(PenWidthCode) + "104" << QStringList{"pen style dashdotdot"};
        QTest::newRow("pen clear")
            << 300 << Esc(PenWidthCode) + "105" << QStringList{"pen style clear"};
        QTest::newRow("pen inside frame")
            << 300 << Esc(PenWidthCode) + "106" << QStringList{"pen style insideframe"};
        QTest::newRow("pen above 106 changes nothing")
            << 300 << Esc(PenWidthCode) + "107" << QStringList{};
        QTest::newRow("opaque then text sets transparent")
            << 300 << Esc(TransparentCode) + "0ab"
            << QStringList{"background opaque", "background transparent", "text 300,300 \"ab\""};
        QTest::newRow("transparent code with another character")
            << 300 << Esc(TransparentCode) + "1ab" << QStringList{"text 300,300 \"ab\""};
        QTest::newRow("font faces")
            << 300
            << Esc(FontCode) + "1" + Esc(FontCode) + "2" + Esc(FontCode) + "3" + Esc(FontCode) +
                   "4" + Esc(FontCode) + "0"
            << QStringList{"font Arial", "font Courier New", "font MS LineDraw", "font Wingdings",
                           "font Times New Roman"};
        QTest::newRow("bold then italic, cleared")
            << 300 << Esc(StyleCode) + "1" + Esc(StyleCode) + "2" + Esc(StyleCode) + "0"
            << QStringList{"style bold", "style bold italic", "style none"};
        QTest::newRow("bold italic and underline added and removed")
            << 300 << Esc(StyleCode) + "3" + Esc(StyleCode) + "4" + Esc(StyleCode) + "5"
            << QStringList{"style bold italic", "style bold italic underline", "style bold italic"};
        QTest::newRow("size 12 from code 212")
            << 300 << Esc(SizeCode) + Char(212) << QStringList{"size 12"};
        QTest::newRow("size limits 6 and 72")
            << 300 << Esc(SizeCode) + Char(206) + Esc(SizeCode) + Char(272)
            << QStringList{"size 6", "size 72"};
        QTest::newRow("reset y skips one character")
            << 300
            << Esc(ResetY) + "500xAB" + Esc(RightJustifyCode) + "300C" + Char(EndRightJustifyCode)
            << QStringList{"text 300,300 \"AB\"", "aligned right 350,1500,900,1550 noclip \"C\""};
        QTest::newRow("each terminator closes only its own kind")
            << 300
            << Esc(CenterCode) + "a" + Char(EndRightJustifyCode) + Char(EndTruncateCode) +
                   Char(EndJustifyCode) + "b" + Char(EndCenterCode) + "c"
            << QStringList{"aligned center -75,300,2475,350 clip \"a" + Char(EndRightJustifyCode) +
                               Char(EndTruncateCode) + Char(EndJustifyCode) + "b\"",
                           "text 300,300 \"c\""};
        QTest::newRow("missing terminator runs to the end")
            << 300 << Esc(TruncateCode) + "500abc" + Char(EndCenterCode)
            << QStringList{"textrect 300,300,1500,350 300,300 \"abc" + Char(EndCenterCode) + "\""};
    }
    void drawingCodes() {
        QFETCH(int, ppi);
        QFETCH(QString, line);
        QFETCH(QStringList, log);
        Page page(ppi);
        page.Print(line, 1.0, 1.0);
        QCOMPARE(page.canvas.Log(), log);
        QCOMPARE(page.errors.codes, QList<int>{});
    }

    void hyphenBeforeDrawingCodeShiftsTheReading() {
        // Without its hyphen the line is one character shorter before the
        // code, so the coordinates are read one character late.
        Page page;
        page.Print("a-b" + Esc(DrawLineCode) + "100200300400", 1.0, 1.0);
        QCOMPARE(page.canvas.Log(),
                 (QStringList{"text 300,300 \"a-b\"", "moveto 6,9", "lineto 12,0"}));
        QCOMPARE(page.errors.codes, QList<int>{21030});
    }

    void bitmapRelativeToProgramFolder() {
        test::TempFolder folder;
        folder.WriteBytes("logo.bmp", "BM");
        Page page(300, folder.Folder());
        QCOMPARE(page.Print("x" + Esc(DrawBMPCode) + "1-00-1-00-2-00-1-50logo.bmp", 1.0, 1.0), 1.0);
        QCOMPARE(page.canvas.Log(),
                 (QStringList{"text 300,300 \"x\"",
                              "bitmap 300,300,600,450 " + folder.Path("logo.bmp")}));
        QCOMPARE(page.errors.codes, QList<int>{});
    }

    void errorNumbers_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<QStringList>("log");

        QTest::newRow("size below 6")
            << Esc(SizeCode) + Char(205) + "a"
            << "" << QList<int>{1617} << QStringList{"size 10", "text 300,300 \"a\""};
        QTest::newRow("size above 72")
            << Esc(SizeCode) + Char(273) << "" << QList<int>{1617} << QStringList{"size 10"};
        QTest::newRow("size code at the end")
            << Esc(SizeCode) << "" << QList<int>{1617} << QStringList{"size 10"};
        QTest::newRow("style character")
            << Esc(StyleCode) + "6a"
            << "" << QList<int>{1618} << QStringList{"text 300,300 \"a\""};
        QTest::newRow("font character")
            << Esc(FontCode) + "5a"
            << "" << QList<int>{1619} << QStringList{"text 300,300 \"a\""};
        QTest::newRow("filled rectangle colour")
            << Esc(DrawFilledRectCode) + "1001002002002"
            << "" << QList<int>{1608}
            << QStringList{"brush 192,192,192", "rectangle 300,300,600,600 brush 192,192,192",
                           "brush 255,255,255"};
        QTest::newRow("flood fill colour")
            << Esc(FloodFillCode) + "1001007xy"
            << "" << QList<int>{1606}
            << QStringList{"brush 192,192,192", "floodfill 300,300 border 0,0,0 brush 192,192,192",
                           "brush 255,255,255"};
        QTest::newRow("pen number not an integer") << Esc(PenWidthCode) + "6a"
                                                   << "" << QList<int>{1605} << QStringList{};
        QTest::newRow("pen that cannot be set") << Esc(PenWidthCode) + "6"
                                                << "pen" << QList<int>{1604} << QStringList{};
        QTest::newRow("unknown code")
            << "a" + Esc('A') + "b"
            << "" << QList<int>{1620} << QStringList{"text 300,300 \"a\"", "text 325,300 \"b\""};
        QTest::newRow("terminator as a code")
            << Esc(EndCenterCode) + "b"
            << "" << QList<int>{1620} << QStringList{"text 300,300 \"b\""};
        QTest::newRow("escape at the very end")
            << "a" + QString(QChar(EscCode)) << "" << QList<int>{1620}
            << QStringList{"text 300,300 \"a\""};
        QTest::newRow("two escapes in a row")
            << QString(QChar(EscCode)) + Esc(StyleCode) + "1b"
            << "" << QList<int>{1620} << QStringList{"text 300,300 \"" + Char(StyleCode) + "1b\""};
        QTest::newRow("missing bitmap") << Esc(DrawBMPCode) + "100100200200none.bmp"
                                        << "" << QList<int>{1602} << QStringList{};
        QTest::newRow("right justified") << Esc(RightJustifyCode) + "500a"
                                         << "aligned" << QList<int>{1603} << QStringList{};
        QTest::newRow("flood fill")
            << Esc(FloodFillCode) + "1001000xy"
            << "floodfill" << QList<int>{1607} << QStringList{"brush 128,128,128"};
        QTest::newRow("filled rectangle")
            << Esc(DrawFilledRectCode) + "1001002002000"
            << "rectangle" << QList<int>{1609} << QStringList{"brush 128,128,128"};
        QTest::newRow("rectangle outline") << Esc(DrawRectCode) + "100100200200"
                                           << "polyline" << QList<int>{1610} << QStringList{};
        QTest::newRow("line") << Esc(DrawLineCode) + "100100200200"
                              << "lineto" << QList<int>{1611} << QStringList{"moveto 300,300"};
        QTest::newRow("truncated") << Esc(TruncateCode) + "500a"
                                   << "textrect" << QList<int>{1612} << QStringList{};
        QTest::newRow("centred drawing reports failure")
            << Esc(CenterCode) + "a"
            << "report" << QList<int>{1613}
            << QStringList{"aligned center -75,300,2475,350 "
                           "clip \"a\""};
        QTest::newRow("centred") << Esc(CenterCode) + "a"
                                 << "aligned" << QList<int>{1614} << QStringList{};
        QTest::newRow("justified")
            << Esc(JustifyCode) + "a b"
            << "textrect" << QList<int>{1616} << QStringList{"justify 2025 1"};
        QTest::newRow("escape code handling")
            << Esc(SizeCode) + Char(212) + "a"
            << "size" << QList<int>{1621} << QStringList{"text 300,300 \"a\""};
        QTest::newRow("gutters") << "a"
                                 << "printable" << QList<int>{1601}
                                 << QStringList{"text 300,300 \"a\""};
        QTest::newRow("line without codes") << "a"
                                            << "text" << QList<int>{1622} << QStringList{};
        // Text that failed to print stays collected and is tried again at
        // the end of the line.
        QTest::newRow("collected text")
            << "a" + Esc(StyleCode) + "1"
            << "text" << QList<int>{1623, 1624} << QStringList{"style bold"};
        QTest::newRow("rest of the line")
            << Esc(StyleCode) + "1a"
            << "text" << QList<int>{1624} << QStringList{"style bold"};
        QTest::newRow("anything else") << "a"
                                       << "ppi" << QList<int>{1625} << QStringList{};
    }
    void errorNumbers() {
        QFETCH(QString, line);
        QFETCH(QString, failing);
        QFETCH(QList<int>, codes);
        QFETCH(QStringList, log);
        Page page;
        if (failing == QLatin1String("report")) {
            page.canvas.SetAlignedTextResult(false);
        } else if (!failing.isEmpty()) {
            page.canvas.FailOn(failing);
        }
        page.Print(line, 1.0, 1.0);
        QCOMPARE(page.errors.codes, codes);
        QCOMPARE(page.canvas.Log(), log);
    }

    void textLineTakesEscapeCharactersAsText() {
        Page page;
        double y = 1.0;
        page.job.PrintTextLine(Esc(StyleCode) + "1", y, 1.0);
        page.job.PrintTextLine("", y, 1.0);
        QCOMPARE(y, 1.0 + 2 * 12 / 72.0);
        QCOMPARE(page.canvas.Log(), QStringList{"text 300,300 \"" + Esc(StyleCode) + "1\""});
        y = 10.01;
        page.job.PrintTextLine("low", y, 1.0);
        QCOMPARE(y, 10.01);
        QCOMPARE(page.canvas.Log().size(), 1);
    }

    void stateLastsForTheJob() {
        Page page;
        double y = 1.0;
        page.job.PrintLine(Esc(SizeCode) + Char(218) + "big", y, 1.0);
        page.job.PrintLine("", y, 1.0);
        QCOMPARE(page.job.CurrentPointSize(), 18);
        QCOMPARE(y, 1.0 + 2 * 18 / 72.0);
    }
};

KIV5_CORE_TEST_MAIN(TestPrintLine)
#include "tst_PrintLine.moc"
