#pragma once

// What every billing print command is made of: where the document goes
// (the billing file's base name + " - Selected Forms.RTF" in the billing
// files folder), the files the bill and statement passes read, and one
// assembly of a document per command, each template and DAT read once.

#include "billing/core/BillDocument.h"
#include "billing/core/BillInputs.h"
#include "billing/core/BillNotices.h"
#include "billing/core/StatementDocument.h"
#include "billing/core/TemplateDocument.h"
#include "common/core/Answers.h"
#include "common/core/PdfExport.h"

#include <QString>
#include <optional>

namespace kiv5::billing {

// SlashAtEnd(filesDirectory) + the file name part of billingFileName
// without its extension + " - Selected Forms.RTF"; " - Selected Forms.RTF"
// alone in the folder when no billing file is open.
QString SelectedFormsPath(const QString& filesDirectory, const QString& billingFileName);

// What a print command needs beyond its own arguments.
struct BillPrintSetup {
    BillSources sources;
    // The program's page templates (page0.rtf ... with their DATs).
    QString templateFolder;
    // The document to write (SelectedFormsPath).
    QString documentPath;
    // The direction of the statement worksheet's date column flag.
    bool statementDatesAscending = true;
    // Also write the document as PDF beside it.
    bool pdf = false;
    PdfExportOptions pdfOptions;
};

// A print command that ran: the document written, and the PDF when asked.
struct BillPrintOutcome {
    // False when the command had nothing to do and wrote nothing.
    bool written = false;
    QString documentPath;
    // Set when the PDF was asked for.
    std::optional<PdfExportOutcome> pdf;
};

// One command's document: the inputs read once, the bill and statement
// passes, and the document under assembly.
class BillPrintRun {
public:
    BillPrintRun(const BillPrintSetup& setup, TAnswer& answers, BillNotices notices);

    // A bill dated billDate, then the pages of its statements with
    // something to bill.
    void AddBill(const TBillRec& bill, DayCount billDate);
    // The balance due the last bill's totalling pass left.
    double BalanceDue() const { return calculation_.BalanceDue(); }
    // Every dated live line of a statement; false when it is found neither
    // at its path nor in the statement folder (nothing added).
    bool AddCompleteStatement(const QString& path);

    BillInputs& Inputs() { return inputs_; }
    const TemplateDocument& Document() const { return document_; }
    TemplateDocument& Document() { return document_; }

    // Writes the document to setup.documentPath (throws IoError), then the
    // PDF when asked.
    BillPrintOutcome Finish() const;

private:
    const BillPrintSetup& setup_;
    BillInputs inputs_;
    TemplateDocument document_;
    BillCalculation calculation_;
    StatementDocument statements_;
};

// The PDF beside a written document, when the setup asks for one.
std::optional<PdfExportOutcome> PdfIfAsked(const BillPrintSetup& setup,
                                           const QString& documentPath);

} // namespace kiv5::billing
