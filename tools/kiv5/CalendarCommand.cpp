#include "tools/kiv5/CalendarCommand.h"

#include "billing/core/CalendarPages.h"
#include "common/core/Exceptions.h"
#include "common/core/PdfExport.h"
#include "common/core/RtfDocument.h"
#include "common/core/RtfTemplateFolder.h"
#include "tools/kiv5/AnswerLines.h"
#include "tools/kiv5/CommandArguments.h"
#include "tools/kiv5/CommandFrame.h"

#include <QDir>

namespace kiv5::tool {
namespace {

using billing::CalendarPageKind;

const QString kDay = QStringLiteral("--day");
const QString kWeek = QStringLiteral("--week");
const QString kMonth = QStringLiteral("--month");
const QString kOut = QStringLiteral("--out");
const QString kAnswers = QStringLiteral("--answers");
const QString kPdf = QStringLiteral("--pdf");

const QString kName = QString::fromLatin1(kCalendarCommand);

struct Request {
    QString calendarPath;
    CalendarPageKind kind = CalendarPageKind::Day;
    QDate date;
    QString out;
    bool answers = false;
    bool pdf = false;
    QString error;
};

// The one page option given, with its value.
std::optional<std::pair<CalendarPageKind, QString>> ReadKind(const CommandArguments& args,
                                                             QString& error) {
    const std::array<std::pair<CalendarPageKind, QString>, 3> kinds = {
        {{CalendarPageKind::Day, kDay},
         {CalendarPageKind::Week, kWeek},
         {CalendarPageKind::Month, kMonth}}};
    std::optional<std::pair<CalendarPageKind, QString>> chosen;
    for (const auto& [kind, option] : kinds) {
        if (!args.Has(option)) {
            continue;
        }
        if (chosen) {
            error = QStringLiteral("give only one of --day, --week and --month");
            return std::nullopt;
        }
        chosen.emplace(kind, option);
    }
    if (!chosen) {
        error = QStringLiteral("one of --day, --week and --month is missing");
    }
    return chosen;
}

Request ReadRequest(const CommandArguments& args) {
    Request r;
    const auto kind = ReadKind(args, r.error);
    if (!kind) {
        return r;
    }
    if (!args.Has(kOut)) {
        r.error = QStringLiteral("--out is missing");
        return r;
    }
    if (args.Positional().size() != 1) {
        r.error = args.Positional().isEmpty()
                      ? QStringLiteral("CALFILE is missing")
                      : QStringLiteral("unexpected argument %1").arg(args.Positional().at(1));
        return r;
    }
    r.calendarPath = args.Positional().first();
    r.kind = kind->first;
    const QString dateText = *args.Value(kind->second);
    const std::optional<DayCount> date = TryParseDateTime(dateText);
    if (!date || !DayCountToDate(*date)) {
        r.error = QStringLiteral("%1 \"%2\" is not a date (M/D/YYYY)").arg(kind->second, dateText);
        return r;
    }
    r.date = *DayCountToDate(*date);
    r.out = *args.Value(kOut);
    if (r.out.isEmpty()) {
        r.error = QStringLiteral("--out needs a file name");
        return r;
    }
    r.answers = args.Has(kAnswers);
    r.pdf = args.Has(kPdf);
    return r;
}

int Render(const Request& request, CommandIo& io, const CommandFrame& frame,
           const OfficeContext& context) {
    TAnswer answers(DocumentProgram::Billing);
    billing::TemplateDocument document(
        answers,
        TemplateFolder(context.folders, TemplateProgramFolderName(DocumentProgram::Billing)),
        CodeMessagesTo(io.err, kName));
    AnswerLines lines;
    if (request.answers) {
        lines.Watch(document);
    }
    const billing::CalendarPageOutcome outcome = billing::AddCalendarPage(
        request.kind, request.date, request.calendarPath, answers, document);
    if (outcome.calendarMissing) {
        io.err << frame.Prefixed(billing::MissingCalendarText(request.calendarPath)) << '\n';
    }
    document.Write(request.out);
    for (const QString& line : lines.Lines()) {
        io.out << line << '\n';
    }
    if (!request.answers) {
        io.out << "Calendar page written to " << QDir::toNativeSeparators(request.out) << '\n';
    }
    io.out.flush();
    if (request.pdf) {
        const PdfExportOutcome pdf = ExportPdf(request.out);
        if (!pdf.Ok()) {
            return frame.Failed(pdf.message);
        }
        io.out << "PDF written to " << QDir::toNativeSeparators(pdf.pdfPath) << '\n';
    }
    return kExitOk;
}

} // namespace

QString CalendarUsage() {
    return QStringLiteral(
        "Usage: kiv5 calendar CALFILE --day|--week|--month M/D/YYYY --out FILE.rtf\n"
        "                     [--answers] [--pdf]\n"
        "\n"
        "Writes the calendar printout quenby5 makes when M/D/YYYY is the calendar's\n"
        "current date, from the calendar file CALFILE (orvcal5.cal), on quenby5's\n"
        "templates:\n"
        "  --day    that day: its 48 half-hour slots, its notes and its heading\n"
        "  --week   the week from the Sunday on or before the date: each day's\n"
        "           heading, its slots with text (\" 9a-Court;\") and its notes\n"
        "  --month  the date's month as six weeks of seven days, each day with its\n"
        "           slots with text (\"9a-Court; \")\n"
        "\n"
        "  --answers  also print every non-empty answer of the page as one UTF-8 line\n"
        "             \"1<TAB>slot<TAB>text\", the text as it goes into the template (a\n"
        "             tab or line break in it written as \\t or \\n)\n"
        "  --pdf      also write FILE.pdf beside FILE.rtf (LibreOffice must be\n"
        "             installed)\n"
        "\n"
        "A CALFILE that does not exist prints a page without entries and says\n"
        "\"Could not find file: CALFILE\" on standard error.\n"
        "\n"
        "Exit codes: 0 the page was written, 2 wrong arguments or a file that cannot\n"
        "be read or written (an existing FILE.rtf is then left as it was).\n");
}

int RunCalendar(const QStringList& arguments, CommandIo& io, const OfficeContext& context) {
    const CommandFrame frame(kName, CalendarUsage(), io);
    const CommandArguments args(arguments, {kDay, kWeek, kMonth, kOut}, {kAnswers, kPdf});
    if (const auto answered = frame.Answered(args)) {
        return *answered;
    }
    const Request request = ReadRequest(args);
    if (!request.error.isEmpty()) {
        return frame.UsageError(request.error);
    }
    return frame.Guarded([&] { return Render(request, io, frame, context); });
}

} // namespace kiv5::tool
