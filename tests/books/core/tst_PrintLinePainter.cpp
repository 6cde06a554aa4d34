// The print-line language painting on a real page: an image at 100 pixels
// per inch (so that pixels can be read back) and a PDF page, through the
// QPainter canvas.

#include "books/core/PainterCanvas.h"
#include "books/core/PrintLineCodes.h"
#include "books/core/PrintLineJob.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <QBuffer>
#include <QImage>
#include <QPdfWriter>

using namespace kiv5;
using namespace kiv5::books;

namespace {

constexpr int kPpi = 100;

QString Esc(char16_t code) {
    return QString(QChar(EscCode)) + QChar(code);
}

// A letter page held as an image, white, with a job on it in Times New Roman 12.
struct ImagePage {
    explicit ImagePage(const QString& folder = {})
        : image(MakeImage()), painter(&image), canvas(painter), job(canvas, folder, errors) {
        job.SetPointSize(12);
    }
    static QImage MakeImage() {
        QImage page(85 * kPpi / 10, 11 * kPpi, QImage::Format_RGB32);
        page.fill(Qt::white);
        const int perMeter = qRound(kPpi / 0.0254);
        page.setDotsPerMeterX(perMeter);
        page.setDotsPerMeterY(perMeter);
        return page;
    }
    void Print(const QString& line, double y = 1.0, double x = 1.0) { job.PrintLine(line, y, x); }
    QRgb At(int x, int y) const { return image.pixel(x, y); }
    // The dark pixels' bounds inside a band of rows.
    QRect Ink(int top, int bottom) const {
        QRect ink;
        for (int y = top; y < bottom; ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) < 128) {
                    ink |= QRect(x, y, 1, 1);
                }
            }
        }
        return ink;
    }

    test::ErrorRecorder errors;
    QImage image;
    QPainter painter;
    PainterCanvas canvas;
    PrintLineJob job;
};

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kDarkGrey = qRgb(128, 128, 128);
const QRgb kLightGrey = qRgb(192, 192, 192);

} // namespace

class TestPrintLinePainter : public QObject {
    Q_OBJECT

private slots:
    void deviceMeasures() {
        ImagePage page;
        QCOMPARE(page.canvas.PixelsPerInchX(), kPpi);
        QCOMPARE(page.canvas.PrintableWidth(), 850);
        QCOMPARE(page.canvas.PrintableHeight(), 1100);
        QVERIFY(page.canvas.TextWidth("   ") > 0);
        QVERIFY(page.canvas.TextHeight("x") >= 12 * kPpi / 72);
    }

    void textIsPlacedByTheTopOfItsCell() {
        ImagePage page;
        page.Print("HHH");
        const QRect ink = page.Ink(60, 140);
        QVERIFY2(ink.top() >= 100 && ink.top() < 100 + page.canvas.TextHeight("H") / 2,
                 qPrintable(QString::number(ink.top())));
        QVERIFY(ink.left() >= 100 && ink.left() <= 102);
    }

    void rightJustifiedTextEndsShortByItsBlanks() {
        ImagePage page;
        page.Print(Esc(RightJustifyCode) + "400" + "HHH   " + QChar(EndRightJustifyCode), 1.0, 0);
        const int blanks = page.canvas.TextWidth("   ");
        const QRect ink = page.Ink(100, 130);
        QVERIFY2(ink.right() < 400 - blanks && ink.right() >= 400 - blanks - 3,
                 qPrintable(QStringLiteral("%1 %2").arg(ink.right()).arg(blanks)));
    }

    void filledRectangle() {
        ImagePage page;
        page.Print(Esc(DrawFilledRectCode) + "1-00-1-00-2-00-2-00-0");
        QCOMPARE(page.At(150, 150), kDarkGrey);
        QCOMPARE(page.At(250, 150), kWhite);
        QCOMPARE(page.canvas.BrushColor(), QColor(Qt::white));
    }

    void floodFillStopsAtTheBlackBorder() {
        ImagePage page;
        page.Print(Esc(DrawRectCode) + "1-00-1-00-2-00-2-00");
        page.Print(Esc(FloodFillCode) + "1-50-1-501xy");
        QCOMPARE(page.At(150, 150), kLightGrey);
        QCOMPARE(page.At(101, 101), kLightGrey);
        QCOMPARE(page.At(100, 150), qRgb(0, 0, 0));
        QCOMPARE(page.At(250, 250), kWhite);
        QCOMPARE(page.At(99, 150), kWhite);
        QCOMPARE(page.errors.codes, QList<int>{});
    }

    void clearPenDrawsNothing() {
        ImagePage page;
        page.Print(Esc(PenWidthCode) + "105");
        page.Print(Esc(DrawLineCode) + "1-00-1-00-5-00-1-00");
        QCOMPARE(page.Ink(90, 110), QRect());
    }

    void bitmapStretchedIntoTheRectangle() {
        test::TempFolder folder;
        QImage red(2, 2, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(folder.Path("red.png")));
        ImagePage page(folder.Folder());
        page.Print(Esc(DrawBMPCode) + "1-00-1-00-2-00-1-50red.png");
        QCOMPARE(page.At(150, 120), qRgb(255, 0, 0));
        QCOMPARE(page.At(150, 160), kWhite);
        QCOMPARE(page.errors.codes, QList<int>{});
    }

    void unreadableBitmap() {
        test::TempFolder folder;
        folder.WriteBytes("bad.bmp", "not a bitmap");
        ImagePage page(folder.Folder());
        page.Print(Esc(DrawBMPCode) + "100100200200bad.bmp");
        QCOMPARE(page.errors.codes, QList<int>{1602});
    }

    void floodFillOnAPdfPageIsReported() {
        QBuffer buffer;
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QPdfWriter writer(&buffer);
        QPainter painter(&writer);
        PainterCanvas canvas(painter);
        test::ErrorRecorder errors;
        PrintLineJob job(canvas, {}, errors);
        job.SetPointSize(12);
        double y = 1.0;
        job.PrintLine(Esc(FloodFillCode) + "1001000xyafter", y, 1.0);
        QCOMPARE(errors.codes, QList<int>{1607});
        QCOMPARE(y, 1.0 + 1.0 / 6);
    }

    void closedPageIsReported() {
        QPainter painter; // never begun
        PainterCanvas canvas(painter);
        test::ErrorRecorder errors;
        PrintLineJob job(canvas, {}, errors);
        double y = 1.0;
        job.PrintLine("text", y, 1.0);
        QCOMPARE(errors.codes, QList<int>{1625});
    }
};

KIV5_GUI_TEST_MAIN(TestPrintLinePainter)
#include "tst_PrintLinePainter.moc"
