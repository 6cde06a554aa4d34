#pragma once

// "Print check" of the expense form: the check page for the values the form
// shows, saved or not, straight to the default printer. Where no printer is
// set up the page is written as "Check <number>.pdf" into the bookkeeping
// files folder and opened with the desktop's "open" action, and the user is
// told where it went.

#include "books/checks/CheckPrinters.h"
#include "books/core/CheckPage.h"
#include "common/core/OfficeContext.h"
#include "common/ui/Launcher.h"
#include "common/ui/Prompts.h"

namespace kiv5 {
struct BooksSettings;
}

namespace kiv5::ui {

// The title of the messages of check printing.
inline const QString kPrintCheckTitle = QStringLiteral("Print Check");
inline const QString kCheckTestPageFileName = QStringLiteral("Check Alignment Test.pdf");

enum class CheckOutcome {
    Printed,      // sent to the printer
    WrittenToPdf, // no printer: written as a PDF file (and opened when possible)
    Failed,       // neither; the user was told why
};

// Where a check page goes and how it is moved.
struct CheckDestination {
    QString filesDirectory; // FilesDirectory: where the PDF goes without a printer
    books::CheckOffset offset;
    QString programFolder; // bitmaps of the print-line language
};

// The destination from the bookkeeping settings (FilesDirectory, CheckOffsetX
// and CheckOffsetY) and the program's folder.
CheckDestination CheckDestinationFrom(const BooksSettings& settings);

// Prints the check. Print-line failures go to the error window by number;
// an amount that is no number is reported by Str2Float_2 and prints as zero.
CheckOutcome PrintCheck(const books::CheckValues& values, const CheckDestination& destination,
                        Prompts& prompts, const Launcher& launcher, const OfficeContext& context,
                        const CheckPrinters& printers = CheckPrinters::System());

// The alignment test page: the check with sample values, moved by the
// destination's offset, and a thin frame at the printable area. Without a
// printer it is written as "Check Alignment Test.pdf".
CheckOutcome PrintCheckTestPage(const CheckDestination& destination, Prompts& prompts,
                                const Launcher& launcher, const OfficeContext& context,
                                const CheckPrinters& printers = CheckPrinters::System());

} // namespace kiv5::ui
