#include "billing/core/BillPrintRun.h"

#include "common/core/Misc.h"

namespace kiv5::billing {

QString SelectedFormsPath(const QString& filesDirectory, const QString& billingFileName) {
    return SlashAtEnd(filesDirectory) + StripExtension(FileNamePart(billingFileName)) +
           QStringLiteral(" - Selected Forms.RTF");
}

BillPrintRun::BillPrintRun(const BillPrintSetup& setup, TAnswer& answers, BillNotices notices)
    : setup_(setup), inputs_(setup.sources),
      document_(answers, setup.templateFolder, notices.errors),
      calculation_(inputs_, answers, notices),
      statements_(inputs_, answers, notices.errors, setup.statementDatesAscending) {}

void BillPrintRun::AddBill(const TBillRec& bill, DayCount billDate) {
    AddBillWithStatements(calculation_, statements_, bill, billDate, document_);
}

bool BillPrintRun::AddCompleteStatement(const QString& path) {
    const std::optional<int> rows = CountCompleteStatementRows(inputs_, path);
    if (!rows) {
        return false;
    }
    statements_.AddStatementToDocument(path, QString(), BillPeriod{}, *rows, document_);
    return true;
}

BillPrintOutcome BillPrintRun::Finish() const {
    document_.Write(setup_.documentPath);
    BillPrintOutcome outcome;
    outcome.written = true;
    outcome.documentPath = setup_.documentPath;
    outcome.pdf = PdfIfAsked(setup_, setup_.documentPath);
    return outcome;
}

std::optional<PdfExportOutcome> PdfIfAsked(const BillPrintSetup& setup,
                                           const QString& documentPath) {
    if (!setup.pdf) {
        return std::nullopt;
    }
    return ExportPdf(documentPath, setup.pdfOptions);
}

} // namespace kiv5::billing
