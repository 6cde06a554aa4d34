#include "tools/kiv5/PeriodicCommand.h"

#include "billing/core/BillColumns.h"
#include "billing/core/BillPrintTexts.h"
#include "billing/core/BillingFile.h"
#include "billing/core/PeriodicBilling.h"
#include "common/core/ErrorCatalogue.h"
#include "common/core/Exceptions.h"
#include "common/core/Misc.h"
#include "common/core/RtfDocument.h"
#include "common/core/RtfTemplateFolder.h"
#include "common/core/TableSort.h"
#include "tools/kiv5/AnswerLines.h"
#include "tools/kiv5/BillToolSources.h"
#include "tools/kiv5/CommandArguments.h"
#include "tools/kiv5/CommandFrame.h"
#include "tools/kiv5/Usage.h"

#include <QDir>
#include <QFileInfo>

namespace kiv5::tool {
namespace {

using namespace kiv5::billing;

const QString kNext = QStringLiteral("--next");
const QString kPdf = QStringLiteral("--pdf");

struct Request {
    BillToolArguments shared;
    QString next;
    bool pdf = false;
};

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

std::optional<Request> ReadRequest(const CommandArguments& args, QString& error) {
    if (const auto missing = MissingOption(args, {kNext})) {
        error = *missing;
        return std::nullopt;
    }
    const auto shared = ReadBillToolArguments(args, error);
    if (!shared) {
        return std::nullopt;
    }
    return Request{*shared, *args.Value(kNext), args.Has(kPdf)};
}

BillPrintSetup SetupFor(const Request& request, const OfficeContext& context) {
    BillPrintSetup setup;
    setup.sources = BillToolSources(request.shared);
    setup.templateFolder =
        TemplateFolder(context.folders, TemplateProgramFolderName(DocumentProgram::Billing));
    setup.documentPath = request.shared.out;
    setup.pdf = request.pdf;
    return setup;
}

// NEW.bil, NEW.qy5 beside it; the link file names the client file and the
// bookkeeping set by their file names, as the settings hold them.
NextPeriodFiles NextFilesFor(const Request& request) {
    NextPeriodFiles next;
    next.name = request.next;
    next.dataFile = request.next;
    next.linkFile = FolderPart(request.next) + StripExtension(FileNamePart(request.next)) +
                    QStringLiteral(".qy5");
    next.pl5FileName = FileNamePart(request.shared.clientFile);
    next.su5FileName = FileNamePart(request.shared.books) + QStringLiteral(".su5");
    return next;
}

// The bills as the bill table holds them after opening: sorted by name.
RecordTable ReadBillTable(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        throw IoError(QStringLiteral("\"%1\" does not exist").arg(Native(path)));
    }
    RecordTable table = MakeBillTable();
    ReadBillingFile(path, table);
    const TableProfile profile = BillTableProfile();
    SortState sort(profile);
    SortColumnShell(table, profile, sort, BillColumn::FullName);
    return table;
}

int Report(const PeriodicOutcome& outcome, const Request& request, const NextPeriodFiles& next,
           CommandIo& io, const CommandFrame& frame) {
    if (!outcome.check.IsOk() || !outcome.message.isEmpty()) {
        const QString text = outcome.check.IsOk() ? outcome.message : outcome.check.Text();
        return frame.Failed(text);
    }
    io.out << PeriodicBillingDoneText(outcome.bills, next.dataFile) << '\n'
           << "Document written to " << Native(request.shared.out) << '\n'
           << "Link file written to " << Native(next.linkFile) << '\n';
    if (outcome.print.pdf && !outcome.print.pdf->Ok()) {
        return frame.Failed(outcome.print.pdf->message);
    }
    if (outcome.print.pdf) {
        io.out << "PDF written to " << Native(outcome.print.pdf->pdfPath) << '\n';
    }
    return kExitOk;
}

int Periodic(const Request& request, CommandIo& io, const CommandFrame& frame,
             const OfficeContext& context) {
    const RecordTable table = ReadBillTable(request.shared.billFile);
    const BillNotices notices = BillToolNotices(frame, io, QString::fromLatin1(kPeriodicCommand));
    const BillPrintSetup setup = SetupFor(request, context);
    const NextPeriodFiles next = NextFilesFor(request);
    TAnswer answers(DocumentProgram::Billing);
    const PeriodicOutcome outcome = RunPeriodicBilling(
        table, request.shared.billFile, next, request.shared.date, setup, answers, notices);
    const int code = Report(outcome, request, next, io, frame);
    io.out.flush();
    return code;
}

} // namespace

QString PeriodicUsage() {
    return QStringLiteral(
        "Usage: kiv5 periodic BILLFILE --date M/D/YYYY --next NEW.bil --clients CLIENTFILE\n"
        "                     --books BASE --out FILE.rtf [--is-dir DIR] [--pdf]\n"
        "\n"
        "Periodic billing as quenby5's menu command does it: the bills of BILLFILE\n"
        "marked \"X\" and not deleted, in the order of their names, dated M/D/YYYY, each\n"
        "followed by its attached itemized statements with something to bill, into\n"
        "FILE.rtf; and the next period's billing file NEW.bil with one bill for each\n"
        "printed one (the balance due carried forward, last billing date M/D/YYYY,\n"
        "descriptions, amounts and note cleared), its link file NEW.qy5 beside it.\n"
        "Payments come from BASE.inc, charges from BASE.exp, the address from\n"
        "CLIENTFILE, the letterhead and the itemized statement folder from quenby5's\n"
        "settings; --is-dir DIR names another folder for statements not found at\n"
        "their own path.\n"
        "\n"
        "Nothing is written when no bill is marked, when BASE.inc, BASE.exp or a\n"
        "statement of a marked bill is missing, when NEW.bil is BILLFILE or when a\n"
        "balance cannot be carried forward. An existing NEW.bil is replaced. The\n"
        "three files are replaced together: a failure leaves all of them as they\n"
        "were.\n"
        "\n"
        "  --pdf  also write FILE.pdf beside FILE.rtf (LibreOffice must be installed)\n"
        "\n"
        "What the bills' passes report (a client missing from CLIENTFILE) goes to\n"
        "standard error with its code; the files are still written.\n"
        "\n"
        "Exit codes: 0 the files were written, 2 wrong arguments, nothing to write,\n"
        "a file that cannot be read or written, or a PDF that was not written.\n");
}

int RunPeriodic(const QStringList& arguments, CommandIo& io, const OfficeContext& context) {
    const CommandFrame frame(QString::fromLatin1(kPeriodicCommand), PeriodicUsage(), io);
    const CommandArguments args(arguments, BillToolOptions() << kNext, {kPdf});
    if (const auto answered = frame.Answered(args)) {
        return *answered;
    }
    QString error;
    const auto request = ReadRequest(args, error);
    if (!request) {
        return frame.UsageError(error);
    }
    if (const auto noFonts = frame.NeedsFonts()) {
        return *noFonts;
    }
    return frame.Guarded([&] { return Periodic(*request, io, frame, context); });
}

} // namespace kiv5::tool
