#include "tools/kiv5/PrintCheckCommand.h"

#include "books/core/CheckPdf.h"
#include "common/core/Exceptions.h"
#include "common/core/Misc.h"
#include "tools/kiv5/CommandArguments.h"
#include "tools/kiv5/CommandFrame.h"
#include "tools/kiv5/Usage.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <cmath>

namespace kiv5::tool {
namespace {

const QString kNumber = QStringLiteral("--number");
const QString kDate = QStringLiteral("--date");
const QString kPayee = QStringLiteral("--payee");
const QString kMemo = QStringLiteral("--memo");
const QString kAmount = QStringLiteral("--amount");
const QString kPdf = QStringLiteral("--pdf");
const QString kOffsetX = QStringLiteral("--offset-x");
const QString kOffsetY = QStringLiteral("--offset-y");

// What was wrong with the arguments; empty when they make a check.
struct Request {
    books::CheckValues values;
    books::CheckPageOptions options;
    QString pdf;
    QString error;
};

std::optional<DayCount> ReadDate(const QString& text) {
    try {
        return ParseDate(text);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

bool IsAmount(const QString& text) {
    bool failed = false;
    const ErrorSink check([&failed](int) { failed = true; });
    Str2Float_2(text, check);
    return !failed;
}

std::optional<double> ReadOffset(const QString& text) {
    const auto inches = TryParseFloat(text);
    if (!inches || std::fabs(*inches) > books::kMaxCheckOffset) {
        return std::nullopt;
    }
    return inches;
}

Request ReadRequest(const CommandArguments& args) {
    Request r;
    for (const QString& option : {kNumber, kDate, kPayee, kMemo, kAmount, kPdf}) {
        if (!args.Has(option)) {
            r.error = QStringLiteral("%1 is missing").arg(option);
            return r;
        }
    }
    if (!args.Positional().isEmpty()) {
        r.error = QStringLiteral("unexpected argument %1").arg(args.Positional().first());
        return r;
    }
    r.values.checkNumber = *args.Value(kNumber);
    r.values.payee = *args.Value(kPayee);
    r.values.memo = *args.Value(kMemo);
    r.values.amount = *args.Value(kAmount);
    r.pdf = *args.Value(kPdf);
    const auto date = ReadDate(*args.Value(kDate));
    if (!date) {
        r.error = QStringLiteral("--date \"%1\" is not a date (M/D/YYYY)").arg(*args.Value(kDate));
        return r;
    }
    r.values.date = *date;
    if (!IsAmount(r.values.amount)) {
        r.error = QStringLiteral("--amount \"%1\" is not an amount").arg(r.values.amount);
        return r;
    }
    if (r.pdf.isEmpty()) {
        r.error = QStringLiteral("--pdf needs a file name");
        return r;
    }
    for (const auto& [option, target] :
         {std::pair{kOffsetX, &r.options.offset.x}, std::pair{kOffsetY, &r.options.offset.y}}) {
        if (const auto text = args.Value(option)) {
            const auto inches = ReadOffset(*text);
            if (!inches) {
                r.error = QStringLiteral("%1 takes inches from -1.00 to 1.00").arg(option);
                return r;
            }
            *target = *inches;
        }
    }
    return r;
}

} // namespace

int RunPrintCheck(const QStringList& arguments, CommandIo& io, const OfficeContext& context) {
    const CommandArguments args(
        arguments, {kNumber, kDate, kPayee, kMemo, kAmount, kPdf, kOffsetX, kOffsetY}, {});
    const CommandFrame frame(QString::fromLatin1(kPrintCheckCommand),
                             CommandUsage(QString::fromLatin1(kPrintCheckCommand)), io);
    if (const auto answered = frame.Answered(args)) {
        return *answered;
    }
    Request request = ReadRequest(args);
    if (!request.error.isEmpty()) {
        return frame.UsageError(request.error);
    }
    if (const auto noFonts = frame.NeedsFonts()) {
        return *noFonts;
    }
    request.options.programFolder = QCoreApplication::applicationDirPath();
    return frame.Guarded([&] {
        books::WriteCheckPdf(request.pdf, request.values, request.options, context.errors);
        io.out << "Check written to " << QDir::toNativeSeparators(request.pdf) << '\n';
        io.out.flush();
        return kExitOk;
    });
}

} // namespace kiv5::tool
