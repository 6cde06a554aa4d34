// The print commands of the billing main window: the documents, the
// letterhead and the PDF option.

#include "billing/core/BillPrintJobs.h"
#include "billing/core/CalendarFile.h"
#include "billing/core/ISRec.h"
#include "billing/core/StatementWorkspace.h"
#include "billing/ui/BillingCaptionDialog.h"
#include "billing/ui/QuenbyMainWindow.h"
#include "common/core/Answers.h"
#include "common/core/RtfDocument.h"
#include "common/core/RtfTemplateFolder.h"
#include "common/ui/Prompts.h"
#include "common/ui/SelectDateDialog.h"
#include "common/ui/WaitCursor.h"

#include <QSet>
#include <memory>

namespace kiv5::billing::ui {
namespace {

const QString kNextFileTitle = QStringLiteral("Create Next Periodic Billing File");
const QString kBillDateText = QStringLiteral("Select the date for these bills.");
const QString kPdfTitle = QStringLiteral("PDF Not Written");
const QString kCalendarTitle = QStringLiteral("Calendar");
const QString kPeriodicProgressText = QStringLiteral("Printing Periodic Billing");

} // namespace

void QuenbyMainWindow::CreateAnswerStore() {
    try {
        answers_ = std::make_unique<TAnswer>(DocumentProgram::Billing);
    } catch (const std::exception&) {
        ShowError(11243);
    }
}

// Without the answer store no document can be filled: 11243 again.
bool QuenbyMainWindow::HasAnswerStore() {
    if (!answers_) {
        ShowError(11243);
    }
    return static_cast<bool>(answers_);
}

void QuenbyMainWindow::Warn(const QString& title, const QString& text) {
    prompts_.Message(title, text, QMessageBox::Ok, QMessageBox::Warning);
}

bool QuenbyMainWindow::StatementDatesAscending() const {
    auto* sheet =
        worksheet_
            ? worksheet_->findChild<StatementWorkspace*>(QString(), Qt::FindDirectChildrenOnly)
            : nullptr;
    return !sheet || sheet->Sort().IsAscending(ISColumn::ServiceDate);
}

void QuenbyMainWindow::FinishDocument(const BillPrintOutcome& outcome) {
    if (!outcome.written) {
        return;
    }
    if (outcome.pdf && !outcome.pdf->Ok()) {
        Warn(kPdfTitle, outcome.pdf->message);
    }
    launcher_.StartWordProcessor(ws_.settings.WordProcessor, outcome.documentPath);
}

void QuenbyMainWindow::PrintCurrentBillCommand() {
    // The heading row holds no bill: nothing to print.
    const int row = ws_.CurrentRow();
    if (!ws_.HasRow(row) || !HasAnswerStore()) {
        return;
    }
    BillPrintOutcome outcome;
    const bool done = RunGuarded([&] {
        kiv5::ui::WaitCursor wait;
        outcome = PrintJobs().PrintCurrentBill(row, context_.clock.Today());
    });
    if (done) {
        FinishDocument(outcome);
    }
}

void QuenbyMainWindow::PrintStatementCommand(const QString& statementPath) {
    if (statementPath.isEmpty() || !HasAnswerStore()) {
        return;
    }
    BillPrintOutcome outcome;
    const bool done = RunGuarded([&] {
        kiv5::ui::WaitCursor wait;
        outcome = PrintJobs().PrintCompleteStatement(statementPath);
    });
    if (done) {
        FinishDocument(outcome);
    }
}

void QuenbyMainWindow::PrintCalendarCommand(CalendarPageKind kind, const QDate& current) {
    if (!HasAnswerStore()) {
        return;
    }
    CalendarPrintOutcome outcome;
    const bool done = RunGuarded([&] {
        kiv5::ui::WaitCursor wait;
        outcome = PrintJobs().PrintCalendarPage(kind, current);
    });
    if (!done) {
        return;
    }
    if (outcome.calendarMissing) {
        Warn(kCalendarTitle, MissingCalendarText(outcome.calendarPath));
    }
    FinishDocument(outcome.print);
}

void QuenbyMainWindow::PeriodicBillingCommand() {
    if (!ws_.IsOpen() || !HasAnswerStore()) {
        return;
    }
    BillPrintJobs jobs = PrintJobs();
    const QString title = QString::fromLatin1(kPeriodicBillingCaption);
    // Nothing to bill, or a file the bills need is missing: said before any
    // question, and nothing is written.
    PeriodicCheck check;
    if (!RunGuarded([&] { check = jobs.CheckPeriodicBilling(); })) {
        return;
    }
    if (!check.IsOk()) {
        Warn(title, check.Text());
        return;
    }
    ws_.EnsureFilesDirectory();
    const std::optional<QString> name =
        prompts_.SaveFile({.title = kNextFileTitle,
                           .folder = ws_.settings.FilesDirectory,
                           .filter = QStringLiteral("Quenby5 Files|*.qy5"),
                           .defaultExtension = QStringLiteral("qy5")});
    if (!name) {
        return;
    }
    if (!RunGuarded([&] { check = jobs.CheckNextPeriodName(*name); })) {
        return;
    }
    if (check.kind == PeriodicCheck::Kind::SameAsOpenFile) {
        Warn(title, check.Text());
        return;
    }
    // Asked about the data file the bills would replace, wherever the
    // dialog was.
    if (check.kind == PeriodicCheck::Kind::NeedsOverwriteQuestion &&
        prompts_.Message(title, check.Text(), QMessageBox::Yes | QMessageBox::No,
                         QMessageBox::Warning) != QMessageBox::Yes) {
        return;
    }
    kiv5::ui::SelectDateDialog dateDialog(context_.clock.CurrentDateTime().date(), context_.clock,
                                          this);
    dateDialog.SetText(kBillDateText);
    if (prompts_.Exec(dateDialog) != QDialog::Accepted || !dateDialog.SelectedDate()) {
        return;
    }
    const DayCount billDate = DateToDayCount(*dateDialog.SelectedDate());
    PeriodicOutcome outcome;
    const bool done = RunWithProgress(kPeriodicProgressText, [&](const PercentProgress& progress) {
        outcome = jobs.RunPeriodicBilling(*name, billDate, progress);
    });
    if (!done) {
        return;
    }
    if (!outcome.Written()) {
        const QString text = outcome.check.IsOk() ? outcome.message : outcome.check.Text();
        if (!text.isEmpty()) {
            Warn(title, text);
        }
        return;
    }
    const BillingSettings& s = ws_.settings;
    prompts_.Inform(
        title,
        PeriodicBillingDoneText(
            outcome.bills,
            NextPeriodFilesFor(s.FilesDirectory, *name, s.PL5FileName, s.SU5FileName).dataFile));
    FinishDocument(outcome.print);
}

BillPrintJobs QuenbyMainWindow::PrintJobs() {
    BillPrintOptions options;
    options.pdf = ws_.settings.WritePdfFlag;
    options.statementDatesAscending = StatementDatesAscending();
    // The totalling and table passes both meet a missing statement; one box
    // per statement and command says it.
    auto shown = std::make_shared<QSet<QString>>();
    return BillPrintJobs(
        ws_, context_, *answers_,
        [this, shown](const QString& path) {
            if (!shown->contains(path)) {
                shown->insert(path);
                prompts_.Message(QString::fromLatin1(kMissingStatementCaption),
                                 MissingStatementText(path), QMessageBox::Ok, QMessageBox::Warning);
            }
        },
        options);
}

void QuenbyMainWindow::SetBillingCaptionCommand() {
    EditBillingCaption(ws_.settings, prompts_, this);
}

void QuenbyMainWindow::ToggleWritePdfCommand() {
    ws_.settings.WritePdfFlag = !ws_.settings.WritePdfFlag;
    UpdateMenuItems();
}

} // namespace kiv5::billing::ui
