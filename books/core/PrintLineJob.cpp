#include "books/core/PrintLineJob.h"

#include "books/core/PrintLineCodes.h"
#include "common/core/Misc.h"

#include <QDir>
#include <algorithm>
#include <array>
#include <cmath>
#include <exception>

namespace kiv5::books {
namespace {

constexpr double kLineSpacingInchesPerPoint = 0.013888;
constexpr int kBitmapNameLength = 100;
constexpr int kPenNumberLength = 12;
constexpr int kFirstPenStyle = 100;
constexpr int kLastPenStyle = 106;
constexpr int kPenStep = 6; // pen numbers count 1/600 inch in steps of 6
constexpr int kMinPointSize = 6;
constexpr int kMaxPointSize = 72;
constexpr int kFallbackPointSize = 10;
constexpr int kCodeOffset = 200;
constexpr double kLowestLine = 10.0;

// Runs one step; a failure is reported by the step's number and printing
// goes on with the next step.
template <class Step> void Attempt(const ErrorSink& errors, int number, Step step) {
    try {
        step();
    } catch (const std::exception&) {
        errors.ErrorWindow(number);
    }
}

// Pixels from inches; far-off positions are held to what an int carries.
int Trunc(double value) {
    constexpr double kFar = 1e9;
    return static_cast<int>(std::trunc(std::clamp(std::isnan(value) ? 0.0 : value, -kFar, kFar)));
}

// A rectangle given by its edges, right and bottom exclusive.
QRect Edges(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

PrintLineJob::PrintLineJob(PrintCanvas& canvas, QString programFolder, const ErrorSink& errors)
    : canvas_(canvas), programFolder_(std::move(programFolder)), errors_(errors) {}

bool PrintLineJob::StartLine(double YInch, double XInch) {
    if (YInch > kLowestLine) {
        return false;
    }
    MaxLineHeight = 0;
    PXPix = canvas_.PixelsPerInchX();
    PYPix = canvas_.PixelsPerInchY();
    Attempt(errors_, 1601, [&] { ComputeGutters(); });
    XPixel = InchesToX(XInch);
    YPixel = InchesToY(YInch);
    MaxLineHeight = PointSize / 72.0;
    return true;
}

void PrintLineJob::PrintLine(const QString& AString, double& YInch, double XInch) {
    if (!AString.contains(QChar(EscCode))) {
        PrintTextLine(AString, YInch, XInch);
        return;
    }
    Attempt(errors_, 1625, [&] {
        if (!StartLine(YInch, XInch)) {
            return;
        }
        line_ = AString;
        BString.clear();
        for (CharCount = 1; CharCount <= line_.size(); ++CharCount) {
            if (line_[CharCount - 1] == QChar(EscCode)) {
                Attempt(errors_, 1623, [&] { PrintBString(); });
                Attempt(errors_, 1621, [&] { PerformEscapeCode(YInch); });
            } else {
                BString.append(line_[CharCount - 1]);
            }
        }
        Attempt(errors_, 1624, [&] { PurgeString(); });
        YInch += MaxLineHeight;
    });
}

void PrintLineJob::PrintTextLine(const QString& text, double& YInch, double XInch) {
    Attempt(errors_, 1625, [&] {
        if (!StartLine(YInch, XInch)) {
            return;
        }
        if (!text.isEmpty()) {
            Attempt(errors_, 1622, [&] { PrintCodeLessString(text); });
        }
        YInch += PointSize / 72.0;
    });
}

void PrintLineJob::ComputeGutters() {
    // Only the horizontal gutter matters: it places the centred text.
    gutter_ = std::max(0, (Trunc(PXPix * FormWidth) - canvas_.PrintableWidth()) / 2);
}

int PrintLineJob::InchesToX(double inches) const {
    return Trunc(PXPix * inches);
}

int PrintLineJob::InchesToY(double inches) const {
    return Trunc(PYPix * inches);
}

void PrintLineJob::RaiseLineHeight() {
    MaxLineHeight = std::max(MaxLineHeight, PointSize / 72.0);
}

QChar PrintLineJob::CharAt(int position) const {
    return position >= 1 && position <= line_.size() ? line_[position - 1] : QChar();
}

void PrintLineJob::EndTheLine() {
    CharCount = static_cast<int>(line_.size());
    MaxLineHeight = 0;
}

void PrintLineJob::PrintCodeLessString(const QString& line) {
    canvas_.SetBackgroundMode(BackgroundMode::Transparent);
    canvas_.TextOut(XPixel, YPixel, line);
}

void PrintLineJob::PrintBString() {
    if (BString.isEmpty()) {
        return;
    }
    canvas_.SetBackgroundMode(BackgroundMode::Transparent);
    canvas_.TextOut(XPixel, YPixel, BString);
    XPixel += canvas_.TextWidth(BString);
    RaiseLineHeight();
    BString.clear();
}

void PrintLineJob::PurgeString() {
    if (BString.isEmpty()) {
        return;
    }
    canvas_.SetBackgroundMode(BackgroundMode::Transparent);
    canvas_.TextOut(XPixel, YPixel, BString);
    RaiseLineHeight();
    BString.clear();
}

double PrintLineJob::ReadPosition(int& at) {
    int count = at;
    const double inches = MakeReal(line_, count, errors_);
    at += 3;
    return inches;
}

QString PrintLineJob::PositionedText(int from, QChar terminator) {
    const qsizetype start = std::min<qsizetype>(from - 1, line_.size());
    qsizetype end = line_.indexOf(terminator, start);
    if (end < 0) {
        end = line_.size();
        CharCount = static_cast<int>(line_.size());
    } else {
        CharCount = static_cast<int>(end) + 1;
    }
    return line_.mid(start, end - start);
}

void PrintLineJob::PerformEscapeCode(double& YInch) {
    ++CharCount;
    if (CharCount > line_.size()) {
        errors_.ErrorWindow(1620);
        return;
    }
    PerformCode(line_[CharCount - 1], YInch);
}

void PrintLineJob::PerformCode(QChar code, double& YInch) {
    switch (code.unicode()) {
    case ResetY:
        return DoResetY(YInch);
    case LnSpcCode:
        return DoLineSpacing();
    case DrawBMPCode:
        return DrawBMP();
    case RightJustifyCode:
        return RightJustify(YInch);
    case DrawFilledRectCode:
        return DoFilledRect();
    case FloodFillCode:
        return DoFloodFill();
    case CommentCode:
        return DoComment();
    case PenWidthCode:
        return SetPenWidth();
    case DrawRectCode:
        return DrawTheRect();
    case DrawLineCode:
        return DrawTheLine();
    case TruncateCode:
        return TruncateIt(YInch);
    case TransparentCode:
        return DoTransparent();
    case JustifyCode:
        return JustifyIt(YInch);
    case TabCode:
        return TabIt();
    case CenterCode:
        return CenterIt(YInch);
    case SizeCode:
        return DoSize();
    case StyleCode:
        return DoStyle();
    case FontCode:
        return DoFont();
    default:
        errors_.ErrorWindow(1620);
    }
}

void PrintLineJob::DoResetY(double& YInch) {
    int at = CharCount + 1;
    YInch = ReadPosition(at);
    CharCount = at; // the character after the position is skipped
}

void PrintLineJob::DoLineSpacing() {
    ++CharCount;
    PointSize = CharAt(CharCount).unicode() - kCodeOffset;
    MaxLineHeight = PointSize * kLineSpacingInchesPerPoint;
}

void PrintLineJob::RemoveHyphensFromLine() {
    line_ = RemoveHyphens(line_);
}

PrintLineJob::Corners PrintLineJob::ReadCorners() {
    int at = CharCount + 1;
    Corners c{};
    c.x1 = InchesToX(ReadPosition(at));
    c.y1 = InchesToY(ReadPosition(at));
    c.x2 = InchesToX(ReadPosition(at));
    c.y2 = InchesToY(ReadPosition(at));
    CharCount = at - 1;
    return c;
}

QColor PrintLineJob::GreyFor(QChar c, int errorNumber) {
    if (c == QLatin1Char('0')) {
        return QColor(128, 128, 128);
    }
    if (c != QLatin1Char('1')) {
        errors_.ErrorWindow(errorNumber);
    }
    return QColor(192, 192, 192);
}

void PrintLineJob::DrawBMP() {
    RemoveHyphensFromLine();
    const Corners c = ReadCorners();
    const QString name = line_.mid(CharCount, kBitmapNameLength);
    EndTheLine();
    Attempt(errors_, 1602, [&] {
        const QString file = name.isEmpty() ? QString() : QDir(programFolder_).filePath(name);
        canvas_.StretchDraw(Edges(c.x1, c.y1, c.x2, c.y2), file);
    });
}

void PrintLineJob::RightJustify(double YInch) {
    int at = CharCount + 1;
    const int right = InchesToX(ReadPosition(at));
    const QString text = PositionedText(at, QChar(EndRightJustifyCode));
    RaiseLineHeight();
    Attempt(errors_, 1603, [&] {
        const int top = InchesToY(YInch);
        canvas_.SetBackgroundMode(BackgroundMode::Transparent);
        const QRect rect = Edges(XPixel, top, right, top + canvas_.TextHeight(text));
        canvas_.DrawAlignedText(rect, text, TextAlignment::Right, false);
    });
}

void PrintLineJob::DoFilledRect() {
    RemoveHyphensFromLine();
    const Corners c = ReadCorners();
    const QChar colour = CharAt(CharCount + 1);
    EndTheLine();
    const QColor grey = GreyFor(colour, 1608);
    Attempt(errors_, 1609, [&] {
        const QColor saved = canvas_.BrushColor();
        canvas_.SetBrushColor(grey);
        canvas_.Rectangle(Edges(c.x1, c.y1, c.x2, c.y2));
        canvas_.SetBrushColor(saved);
    });
}

void PrintLineJob::DoFloodFill() {
    RemoveHyphensFromLine();
    int at = CharCount + 1;
    const int x = InchesToX(ReadPosition(at));
    const int y = InchesToY(ReadPosition(at));
    const QChar colour = CharAt(at);
    CharCount = at + 2; // two characters after the colour are skipped
    MaxLineHeight = 0;
    const QColor grey = GreyFor(colour, 1606);
    Attempt(errors_, 1607, [&] {
        const QColor saved = canvas_.BrushColor();
        canvas_.SetBrushColor(grey);
        canvas_.FloodFill(x, y, Qt::black);
        canvas_.SetBrushColor(saved);
    });
}

void PrintLineJob::DoComment() {
    EndTheLine();
}

void PrintLineJob::SetPenWidth() {
    const QString number = line_.mid(CharCount, kPenNumberLength);
    EndTheLine();
    const auto n = TryParseInteger(number);
    if (!n) {
        errors_.ErrorWindow(1605);
        return;
    }
    Attempt(errors_, 1604, [&] {
        if (*n < kFirstPenStyle) {
            // A negative number gives the thinnest pen rather than a negative width.
            canvas_.SetPenWidth(std::max(0, Trunc(PYPix * 0.01 * (*n / kPenStep))));
        } else if (*n <= kLastPenStyle) {
            canvas_.SetPenStyle(static_cast<PenStyle>(*n - kFirstPenStyle));
        }
    });
}

void PrintLineJob::DrawTheRect() {
    RemoveHyphensFromLine();
    const Corners c = ReadCorners();
    EndTheLine();
    Attempt(errors_, 1610, [&] {
        canvas_.Polyline({QPoint(c.x1, c.y1), QPoint(c.x1, c.y2), QPoint(c.x2, c.y2),
                          QPoint(c.x2, c.y1), QPoint(c.x1, c.y1)});
    });
}

void PrintLineJob::DrawTheLine() {
    RemoveHyphensFromLine();
    const Corners c = ReadCorners();
    EndTheLine();
    Attempt(errors_, 1611, [&] {
        canvas_.MoveTo(c.x1, c.y1);
        canvas_.LineTo(c.x2, c.y2);
    });
}

void PrintLineJob::TruncateIt(double YInch) {
    int at = CharCount + 1;
    const int right = InchesToX(ReadPosition(at));
    const QString text = PositionedText(at, QChar(EndTruncateCode));
    RaiseLineHeight();
    Attempt(errors_, 1612, [&] {
        const int top = InchesToY(YInch);
        canvas_.SetBackgroundMode(BackgroundMode::Transparent);
        const QRect clip = Edges(XPixel, top, right, top + canvas_.TextHeight(text));
        canvas_.TextRect(clip, XPixel, top, text);
    });
}

void PrintLineJob::DoTransparent() {
    ++CharCount;
    canvas_.SetBackgroundMode(CharAt(CharCount) == QLatin1Char('0') ? BackgroundMode::Opaque
                                                                    : BackgroundMode::Transparent);
}

void PrintLineJob::JustifyIt(double YInch) {
    const QString text = PositionedText(CharCount + 1, QChar(EndJustifyCode));
    if (text.isEmpty()) {
        return;
    }
    RaiseLineHeight();
    Attempt(errors_, 1616, [&] {
        const int top = InchesToY(YInch);
        const QRect rect =
            Edges(XPixel, top, canvas_.PrintableWidth(), top + canvas_.TextHeight(text));
        const int breakCount = static_cast<int>(text.count(QLatin1Char(' ')));
        const int breakExtra = std::max(0, rect.width() - canvas_.TextWidth(text));
        canvas_.SetBackgroundMode(BackgroundMode::Transparent);
        canvas_.SetTextJustification(breakExtra, breakCount);
        canvas_.TextRect(rect, XPixel, top, text);
        canvas_.SetTextJustification(0, 0);
    });
}

void PrintLineJob::TabIt() {
    int at = CharCount + 1;
    const double inches = ReadPosition(at);
    CharCount = at - 1;
    Attempt(errors_, 1615, [&] {
        XPixel = Trunc(PXPix * inches);
        RaiseLineHeight();
    });
}

void PrintLineJob::CenterIt(double YInch) {
    const QString text = PositionedText(CharCount + 1, QChar(EndCenterCode));
    RaiseLineHeight();
    Attempt(errors_, 1614, [&] {
        const int top = InchesToY(YInch);
        const QRect rect = Edges(-gutter_, top, Trunc(PXPix * FormWidth) - gutter_,
                                 top + canvas_.TextHeight(text));
        canvas_.SetBackgroundMode(BackgroundMode::Transparent);
        if (!canvas_.DrawAlignedText(rect, text, TextAlignment::Center, true)) {
            errors_.ErrorWindow(1613);
        }
    });
}

void PrintLineJob::DoSize() {
    ++CharCount;
    int points = CharAt(CharCount).unicode() - kCodeOffset;
    if (points < kMinPointSize || points > kMaxPointSize) {
        errors_.ErrorWindow(1617);
        points = kFallbackPointSize;
    }
    PointSize = points;
    MaxLineHeight = std::max(MaxLineHeight, points / 72.0);
    canvas_.SetFontSize(points);
}

void PrintLineJob::DoStyle() {
    ++CharCount;
    FontStyle style = canvas_.Style();
    switch (CharAt(CharCount).unicode()) {
    case '0':
        style = FontStyle{};
        break;
    case '1':
        style.bold = true;
        break;
    case '2':
        style.italic = true;
        break;
    case '3':
        style.bold = style.italic = true;
        break;
    case '4':
        style.underline = true;
        break;
    case '5':
        style.underline = false;
        break;
    default:
        errors_.ErrorWindow(1618);
        return;
    }
    canvas_.SetFontStyle(style);
}

void PrintLineJob::DoFont() {
    static constexpr std::array<const char*, 5> kFaces = {"Times New Roman", "Arial", "Courier New",
                                                          "MS LineDraw", "Wingdings"};
    ++CharCount;
    const int index = CharAt(CharCount).unicode() - '0';
    if (index < 0 || index >= static_cast<int>(kFaces.size())) {
        errors_.ErrorWindow(1619);
        return;
    }
    canvas_.SetFontName(QString::fromLatin1(kFaces[static_cast<std::size_t>(index)]));
}

} // namespace kiv5::books
