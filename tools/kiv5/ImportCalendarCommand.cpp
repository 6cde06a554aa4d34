#include "tools/kiv5/ImportCalendarCommand.h"

#include "billing/core/StatementImport.h"
#include "common/core/Exceptions.h"
#include "common/core/Misc.h"
#include "common/core/NumberFormat.h"
#include "tools/kiv5/CommandArguments.h"
#include "tools/kiv5/CommandFrame.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace kiv5::tool {
namespace {

const QString kCalendar = QStringLiteral("--calendar");
const QString kClient = QStringLiteral("--client");
const QString kAfter = QStringLiteral("--after");
const QString kRate = QStringLiteral("--rate");

struct Request {
    billing::CalendarImportRequest import;
    QString error;
};

std::optional<double> ReadRate(const QString& text) {
    bool failed = false;
    const ErrorSink check([&failed](int) { failed = true; });
    const double rate = Str2Float_2(text, check);
    if (failed) {
        return std::nullopt;
    }
    return rate;
}

QString MissingFile(const QString& path) {
    return QFileInfo(path).isFile()
               ? QString()
               : QStringLiteral("no file %1").arg(QDir::toNativeSeparators(path));
}

Request ReadRequest(const CommandArguments& args) {
    Request r;
    for (const QString& option : {kCalendar, kClient, kAfter, kRate}) {
        if (!args.Has(option)) {
            r.error = QStringLiteral("%1 is missing").arg(option);
            return r;
        }
    }
    if (args.Positional().size() != 1) {
        r.error = args.Positional().isEmpty()
                      ? QStringLiteral("STATEMENT is missing")
                      : QStringLiteral("unexpected argument %1").arg(args.Positional().at(1));
        return r;
    }
    r.import.statementPath = args.Positional().first();
    r.import.calendarPath = *args.Value(kCalendar);
    r.import.clientNo = *args.Value(kClient);
    if (r.import.clientNo.isEmpty()) {
        r.error = QStringLiteral("--client needs a client number");
        return r;
    }
    const std::optional<DayCount> after = TryParseDateTime(*args.Value(kAfter));
    if (!after) {
        r.error =
            QStringLiteral("--after \"%1\" is not a date (M/D/YYYY)").arg(*args.Value(kAfter));
        return r;
    }
    r.import.cutOff = std::floor(*after);
    const std::optional<double> rate = ReadRate(*args.Value(kRate));
    if (!rate) {
        r.error = QStringLiteral("--rate \"%1\" is not an amount").arg(*args.Value(kRate));
        return r;
    }
    r.import.hourlyRate = MoneyToUnits(*rate);
    return r;
}

} // namespace

QString ImportCalendarUsage() {
    return QStringLiteral(
        "Usage: kiv5 import-calendar STATEMENT.is5 --calendar FILE.cal --client NUMBER\n"
        "                            --after M/D/YYYY --rate AMOUNT\n"
        "\n"
        "Appends to the itemized statement STATEMENT.is5 one line for every calendar\n"
        "slot of the client NUMBER on a day after M/D/YYYY, as quenby5's \"Get Calender\n"
        "Entries\" does: the day's date, the slot's text and length, the hourly rate\n"
        "AMOUNT (\"250\", \"$1,250.00\"). Days are taken in the calendar's file order;\n"
        "the lines go to the statement's real end while its lock is held. Importing\n"
        "twice adds the entries twice. Prints how many lines were added.\n"
        "\n"
        "Exit codes: 0 done, 2 wrong arguments or a file that cannot be used (the\n"
        "statement and the calendar must exist).\n");
}

int RunImportCalendar(const QStringList& arguments, CommandIo& io, const OfficeContext& context) {
    const CommandFrame frame(QStringLiteral("import-calendar"), ImportCalendarUsage(), io);
    const CommandArguments args(arguments, {kCalendar, kClient, kAfter, kRate}, {});
    if (const auto answered = frame.Answered(args)) {
        return *answered;
    }
    const Request request = ReadRequest(args);
    if (!request.error.isEmpty()) {
        return frame.UsageError(request.error);
    }
    for (const QString& path : {request.import.statementPath, request.import.calendarPath}) {
        if (const QString missing = MissingFile(path); !missing.isEmpty()) {
            return frame.Failed(missing);
        }
    }
    int added = 0;
    if (const int code = frame.Guarded([&] {
            added = static_cast<int>(
                billing::ImportCalendarEntries(request.import, context.clock).size());
            return kExitOk;
        });
        code != kExitOk) {
        return code;
    }
    io.out << added << (added == 1 ? " line" : " lines") << " added to "
           << QDir::toNativeSeparators(request.import.statementPath) << '\n';
    return kExitOk;
}

} // namespace kiv5::tool
