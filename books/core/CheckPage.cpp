#include "books/core/CheckPage.h"

#include "books/core/CheckAmount.h"
#include "books/core/PrintLineCodes.h"
#include "books/core/PrintLineJob.h"
#include "books/core/PrintLinePosition.h"
#include "common/core/Misc.h"

#include <QStringList>
#include <cmath>

namespace kiv5::books {
namespace {

constexpr int kCheckPointSize = 12;
constexpr double kAmountRightEdge = 7.95;

const QStringList& StubLabels() {
    static const QStringList labels = {QStringLiteral("CHECK NO.:"), QStringLiteral("DATE:"),
                                       QStringLiteral("PAYEE:"), QStringLiteral("MEMO:"),
                                       QStringLiteral("AMOUNT:")};
    return labels;
}

class CheckPrinter {
public:
    CheckPrinter(PrintCanvas& canvas, const CheckValues& values, const CheckPageOptions& options,
                 const ErrorSink& errors)
        : canvas_(canvas), values_(values), options_(options), errors_(errors),
          job_(canvas, options.programFolder, errors) {}

    void Print() {
        canvas_.SetFontName(QStringLiteral("Times New Roman"));
        canvas_.SetFontSize(kCheckPointSize);
        job_.SetPointSize(kCheckPointSize);
        if (options_.frame) {
            PrintFrame();
        }
        const QString date = MakeTextDate(values_.date);
        Block(1.00, {{0.38, StubLabels()}});
        Block(1.00, {{1.38, StubValues(date)}});
        Block(5.13, {{0.63, {CheckAmountInWords(values_.amount, errors_)}}});
        Block(5.13, {{5.58, {date}}});
        AmountLine(5.13);
        Block(5.93, {{1.00, {values_.payee}}});
        Block(7.50, {{0.50, {StubLabels().first()}}, {0.38, StubLabels().mid(1)}});
        Block(7.50, {{1.38, StubValues(date)}});
    }

private:
    struct Lines {
        double x;
        QStringList texts;
    };

    QString Figures() { return FormatCheckAmount(Str2Float_2(values_.amount, errors_)); }

    QStringList StubValues(const QString& date) {
        return {values_.checkNumber, date, values_.payee, values_.memo, Figures()};
    }

    // Right-justified so that the figures, with their padding, end at 7.95.
    void AmountLine(double firstLine) {
        double y = firstLine + options_.offset.y;
        job_.PrintLine(QString(QChar(EscCode)) + QChar(RightJustifyCode) +
                           PrintLinePosition(kAmountRightEdge + options_.offset.x) + Figures() +
                           QChar(EndRightJustifyCode),
                       y, options_.offset.x);
        if (options_.betweenBlocks) {
            options_.betweenBlocks();
        }
    }

    // Lines one below the other from the block's first line; runs of lines
    // may start at different left edges. The values are printed as text: an
    // escape character typed into a field is a letter, not a code.
    void Block(double firstLine, std::initializer_list<Lines> runs) {
        double y = firstLine + options_.offset.y;
        for (const Lines& run : runs) {
            for (const QString& text : run.texts) {
                job_.PrintTextLine(text, y, run.x + options_.offset.x);
            }
        }
        if (options_.betweenBlocks) {
            options_.betweenBlocks();
        }
    }

    // A rectangle just inside the printable area, drawn with a pen of
    // 1/100 inch; drawing lines do not advance.
    void PrintFrame() {
        const auto inside = [](int pixels, int perInch) {
            return std::floor((pixels - 1) * 100.0 / perInch) / 100.0;
        };
        const double right = inside(canvas_.PrintableWidth(), canvas_.PixelsPerInchX());
        const double bottom = inside(canvas_.PrintableHeight(), canvas_.PixelsPerInchY());
        const QString esc(QChar{EscCode});
        double y = 0;
        job_.PrintLine(esc + QChar(PenWidthCode) + QStringLiteral("6"), y, 0);
        job_.PrintLine(esc + QChar(DrawRectCode) + PrintLinePosition(0) + PrintLinePosition(0) +
                           PrintLinePosition(right) + PrintLinePosition(bottom),
                       y, 0);
    }

    PrintCanvas& canvas_;
    const CheckValues& values_;
    const CheckPageOptions& options_;
    const ErrorSink& errors_;
    PrintLineJob job_;
};

} // namespace

CheckOffset CheckOffsetFromHundredths(qint32 x, qint32 y) {
    return {x / 100.0, y / 100.0};
}

void PrintCheckPage(PrintCanvas& canvas, const CheckValues& values, const CheckPageOptions& options,
                    const ErrorSink& errors) {
    CheckPrinter(canvas, values, options, errors).Print();
}

CheckValues SampleCheckValues(DayCount today) {
    return {QStringLiteral("1001"), today, QStringLiteral("Sample Payee"),
            QStringLiteral("Check alignment test"), QStringLiteral("1,234.56")};
}

} // namespace kiv5::books
