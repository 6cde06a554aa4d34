#pragma once

// The print-line language: one line of text at a time, placed in inches on a
// page, with escape codes for fonts, sizes, styles, positioned text, tabs,
// lines, rectangles, grey fills, bitmaps and pens (see PrintLineCodes.h).
// One PrintLineJob holds the state of one print job; failures are reported
// to the error sink by number (1601-1625) and printing goes on.

#include "books/core/PrintCanvas.h"
#include "common/core/ErrorSink.h"

#include <QString>

namespace kiv5::books {

class PrintLineJob {
public:
    // Bitmap names are taken relative to programFolder.
    PrintLineJob(PrintCanvas& canvas, QString programFolder, const ErrorSink& errors);

    // The point size line heights are measured by; the caller sets it
    // together with the canvas font size before the first line.
    void SetPointSize(int points) { PointSize = points; }
    int CurrentPointSize() const { return PointSize; }

    // Prints AString with its left edge at XInch and its top at YInch, then
    // adds the line's height to YInch. A line below 10 inches is not printed.
    void PrintLine(const QString& AString, double& YInch, double XInch);
    // As PrintLine for a line without codes, whatever it holds: for text
    // the user typed, in which an escape character is a letter ("þ").
    void PrintTextLine(const QString& text, double& YInch, double XInch);

private:
    // Steps shared by both kinds of line; false when the line is not printed.
    bool StartLine(double YInch, double XInch);
    void PrintCodeLessString(const QString& line);
    void PrintBString();
    void PurgeString();
    void PerformEscapeCode(double& YInch);
    void PerformCode(QChar code, double& YInch);
    void ComputeGutters();

    double ReadPosition(int& at);
    int InchesToX(double inches) const;
    int InchesToY(double inches) const;
    void RaiseLineHeight();
    QString PositionedText(int from, QChar terminator);

    void DoResetY(double& YInch);
    void DoLineSpacing();
    void DrawBMP();
    void RightJustify(double YInch);
    void DoFilledRect();
    void DoFloodFill();
    void DoComment();
    void SetPenWidth();
    void DrawTheRect();
    void DrawTheLine();
    void TruncateIt(double YInch);
    void DoTransparent();
    void JustifyIt(double YInch);
    void TabIt();
    void CenterIt(double YInch);
    void DoSize();
    void DoStyle();
    void DoFont();

    struct Corners {
        int x1, y1, x2, y2;
    };
    Corners ReadCorners();
    QColor GreyFor(QChar c, int errorNumber);
    void RemoveHyphensFromLine();
    QChar CharAt(int position) const;
    void EndTheLine();

    PrintCanvas& canvas_;
    QString programFolder_;
    const ErrorSink& errors_;

    QString line_;
    int PointSize = 0;
    double MaxLineHeight = 0;
    int XPixel = 0;
    int YPixel = 0;
    int CharCount = 1;
    QString BString;
    int PXPix = 0;
    int PYPix = 0;
    int gutter_ = 0;
};

} // namespace kiv5::books
