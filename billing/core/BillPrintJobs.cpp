#include "billing/core/BillPrintJobs.h"

#include "billing/core/BillRow.h"
#include "billing/core/BillingWorkspace.h"
#include "billing/core/CalendarFile.h"
#include "common/core/Exceptions.h"
#include "common/core/MatchFileNameCase.h"
#include "common/core/Misc.h"
#include "common/core/RtfDocument.h"
#include "common/core/RtfTemplateFolder.h"

namespace kiv5::billing {

BillPrintJobs::BillPrintJobs(const BillingWorkspace& workspace, const OfficeContext& context,
                             TAnswer& answers,
                             std::function<void(const QString& path)> missingStatement,
                             BillPrintOptions options)
    : workspace_(workspace), context_(context), answers_(answers),
      missingStatement_(std::move(missingStatement)), options_(std::move(options)) {}

QString BillPrintJobs::DocumentPath() const {
    return SelectedFormsPath(workspace_.settings.FilesDirectory, workspace_.FileName());
}

BillPrintSetup BillPrintJobs::Setup() const {
    // Every document is written into the billing files folder.
    workspace_.EnsureFilesDirectory();
    BillPrintSetup setup;
    setup.sources = BillSourcesFromSettings(workspace_.settings);
    setup.templateFolder =
        TemplateFolder(context_.folders, TemplateProgramFolderName(DocumentProgram::Billing));
    setup.documentPath = DocumentPath();
    setup.statementDatesAscending = options_.statementDatesAscending;
    setup.pdf = options_.pdf;
    setup.pdfOptions = options_.pdfOptions;
    return setup;
}

BillNotices BillPrintJobs::Notices() const {
    return BillNotices{context_.errors, missingStatement_};
}

NextPeriodFiles BillPrintJobs::NextFiles(const QString& nextName) const {
    const BillingSettings& settings = workspace_.settings;
    return NextPeriodFilesFor(settings.FilesDirectory, nextName, settings.PL5FileName,
                              settings.SU5FileName);
}

BillPrintOutcome BillPrintJobs::PrintCurrentBill(int row, DayCount today) {
    if (!workspace_.HasRow(row)) {
        return {};
    }
    const TBillRec bill = PopulateBillRec(workspace_.Table(), row, context_.errors);
    const BillPrintSetup setup = Setup();
    BillPrintRun run(setup, answers_, Notices());
    run.AddBill(bill, today);
    return run.Finish();
}

BillPrintOutcome BillPrintJobs::PrintCompleteStatement(const QString& statementFileName) {
    const BillPrintSetup setup = Setup();
    const QString path =
        MatchFileNameCase(SlashAtEnd(workspace_.settings.ISDirectory) +
                          StripExtension(FileNamePart(statementFileName)) + QStringLiteral(".is5"));
    BillPrintRun run(setup, answers_, Notices());
    if (!run.AddCompleteStatement(path)) {
        throw IoError(MissingCompleteStatementText(path));
    }
    return run.Finish();
}

CalendarPrintOutcome BillPrintJobs::PrintCalendarPage(CalendarPageKind kind, const QDate& current) {
    const BillPrintSetup setup = Setup();
    CalendarPrintOutcome outcome;
    outcome.calendarPath = CalendarFilePath(workspace_.settings.FilesDirectory);
    const CalendarPageOutcome page =
        WriteCalendarPage(kind, current, outcome.calendarPath, answers_, setup.templateFolder,
                          setup.documentPath, context_.errors);
    outcome.calendarMissing = page.calendarMissing;
    outcome.print.written = true;
    outcome.print.documentPath = setup.documentPath;
    outcome.print.pdf = PdfIfAsked(setup, setup.documentPath);
    return outcome;
}

PeriodicCheck BillPrintJobs::CheckPeriodicBilling() const {
    return CheckPeriodicInputs(workspace_.Table(), BillSourcesFromSettings(workspace_.settings));
}

PeriodicCheck BillPrintJobs::CheckNextPeriodName(const QString& nextName) const {
    return CheckNextPeriodFile(NextFiles(nextName), workspace_.Files().dataFile);
}

PeriodicOutcome BillPrintJobs::RunPeriodicBilling(const QString& nextName, DayCount billDate,
                                                  const std::function<void(int)>& progress) {
    const BillPrintSetup setup = Setup();
    return billing::RunPeriodicBilling(workspace_.Table(), workspace_.Files().dataFile,
                                       NextFiles(nextName), billDate, setup, answers_, Notices(),
                                       progress);
}

} // namespace kiv5::billing
