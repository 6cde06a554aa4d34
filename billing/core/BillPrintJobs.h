#pragma once

// The billing program's print commands as the main window runs them on the
// open billing file: the current bill, the complete itemized statement, the
// calendar pages and periodic billing. Each writes one document (SelectedFormsPath) and tells
// what came of it; the window asks the questions, shows the messages and
// opens the document in the word processor.
//
// Periodic billing, as the window runs it:
//   CheckPeriodicBilling()            - not Ok: show Text(), stop
//   save dialog "Create Next Periodic Billing File" (no overwrite prompt)
//   CheckNextPeriodName(name)         - SameAsOpenFile: show Text(), stop;
//                                       NeedsOverwriteQuestion: ask Text()
//                                       (Yes / No), No stops
//   date dialog
//   RunPeriodicBilling(name, date)    - not Written(): show check.Text() or
//                                       message; else open print.documentPath
//
// Read and write failures throw IoError or ConversionError (the command
// guard shows them); nothing is written then.

#include "billing/core/BillPrintRun.h"
#include "billing/core/BillPrintTexts.h"
#include "billing/core/CalendarPages.h"
#include "billing/core/PeriodicBilling.h"
#include "common/core/OfficeContext.h"

#include <functional>

namespace kiv5::billing {

class BillingWorkspace;

struct CalendarPrintOutcome {
    BillPrintOutcome print;
    // The calendar file was not there: the page has no entries and the
    // window says MissingCalendarText(calendarPath).
    bool calendarMissing = false;
    QString calendarPath;
};

struct BillPrintOptions {
    // Also write each document as PDF (the Options menu's setting).
    bool pdf = false;
    PdfExportOptions pdfOptions;
    // The direction of the statement worksheet's date column flag.
    bool statementDatesAscending = true;
};

class BillPrintJobs {
public:
    // missingStatement shows the "Bad Itemized Statement Path" box for a
    // path (none: nothing shown). The workspace, context and answers must
    // outlive this.
    BillPrintJobs(const BillingWorkspace& workspace, const OfficeContext& context, TAnswer& answers,
                  std::function<void(const QString& path)> missingStatement = {},
                  BillPrintOptions options = {});

    // Where every command writes its document.
    QString DocumentPath() const;

    // The bill of the row, whatever its mark and status, dated today, with
    // its statements. A row that holds no bill (the heading row, none)
    // does nothing: written is false.
    BillPrintOutcome PrintCurrentBill(int row, DayCount today);

    // Every dated live line of the statement open in the worksheet, read
    // from the statement folder under its base name. IoError with
    // MissingCompleteStatementText when it is not there.
    BillPrintOutcome PrintCompleteStatement(const QString& statementFileName);

    // The day, week or month of the calendar around current, from the
    // calendar file of the billing files folder.
    CalendarPrintOutcome PrintCalendarPage(CalendarPageKind kind, const QDate& current);

    // Before the save dialog: a marked bill, and every file the marked
    // bills need.
    PeriodicCheck CheckPeriodicBilling() const;
    // After the save dialog: the open file refused, an existing one asked
    // about (the data file in the billing files folder).
    PeriodicCheck CheckNextPeriodName(const QString& nextName) const;
    // After the questions and the date dialog: checks again (an existing
    // next-period file is replaced), prints and writes. progress: the
    // share of the marked bills printed.
    PeriodicOutcome RunPeriodicBilling(const QString& nextName, DayCount billDate,
                                       const std::function<void(int percent)>& progress = {});

private:
    BillPrintSetup Setup() const;
    BillNotices Notices() const;
    NextPeriodFiles NextFiles(const QString& nextName) const;

    const BillingWorkspace& workspace_;
    const OfficeContext& context_;
    TAnswer& answers_;
    std::function<void(const QString&)> missingStatement_;
    BillPrintOptions options_;
};

} // namespace kiv5::billing
