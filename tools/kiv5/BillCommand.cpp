#include "tools/kiv5/BillCommand.h"

#include "billing/core/BillDocument.h"
#include "billing/core/BillingFile.h"
#include "common/core/ErrorCatalogue.h"
#include "common/core/Exceptions.h"
#include "common/core/Misc.h"
#include "common/core/RecordFile.h"
#include "common/core/RtfDocument.h"
#include "common/core/RtfTemplateFolder.h"
#include "tools/kiv5/AnswerLines.h"
#include "tools/kiv5/BillToolSources.h"
#include "tools/kiv5/CommandArguments.h"
#include "tools/kiv5/Usage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

namespace kiv5::tool {
namespace {

using namespace kiv5::billing;

const QString kRecord = QStringLiteral("--record");
const QString kDate = QStringLiteral("--date");
const QString kClients = QStringLiteral("--clients");
const QString kBooks = QStringLiteral("--books");
const QString kOut = QStringLiteral("--out");
const QString kIsDir = QStringLiteral("--is-dir");
const QString kAnswers = QStringLiteral("--answers");

struct Request {
    QString billFile;
    int record = 0;
    DayCount date = 0;
    QString clientFile;
    QString books;
    QString out;
    std::optional<QString> statementFolder;
    bool answers = false;
    QString error;
};

Request ReadRequest(const CommandArguments& args) {
    Request r;
    for (const QString& option : {kRecord, kDate, kClients, kBooks, kOut}) {
        if (!args.Has(option)) {
            r.error = QStringLiteral("%1 is missing").arg(option);
            return r;
        }
    }
    if (args.Positional().size() != 1) {
        r.error = args.Positional().isEmpty()
                      ? QStringLiteral("BILLFILE is missing")
                      : QStringLiteral("unexpected argument %1").arg(args.Positional().at(1));
        return r;
    }
    r.billFile = args.Positional().first();
    const auto record = TryParseInteger(*args.Value(kRecord));
    if (!record || *record < 1) {
        r.error = QStringLiteral("--record \"%1\" is not a record number (1, 2, ...)")
                      .arg(*args.Value(kRecord));
        return r;
    }
    r.record = *record;
    try {
        r.date = ParseDate(*args.Value(kDate));
    } catch (const ConversionError&) {
        r.error = QStringLiteral("--date \"%1\" is not a date (M/D/YYYY)").arg(*args.Value(kDate));
        return r;
    }
    r.clientFile = *args.Value(kClients);
    r.books = *args.Value(kBooks);
    r.out = *args.Value(kOut);
    if (r.out.isEmpty()) {
        r.error = QStringLiteral("--out needs a file name");
        return r;
    }
    r.statementFolder = args.Value(kIsDir);
    r.answers = args.Has(kAnswers);
    return r;
}

int UsageError(CommandIo& io, const QString& message) {
    io.err << "kiv5 bill: " << message << "\n\n" << CommandUsage(QString::fromLatin1(kBillCommand));
    return kExitUsage;
}

// The bill at record number N (its 1-based position in the file).
std::optional<TBillRec> ReadBill(const QString& path, int record, QString& error) {
    if (!QFileInfo(path).isFile()) {
        error = QStringLiteral("\"%1\" does not exist").arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    RecordFile file(path, RecordLayout<TBillRec>::kSize, RecordFile::Mode::Read);
    if (record > file.Count()) {
        error = QStringLiteral("\"%1\" holds %2 bills; there is no record %3")
                    .arg(QDir::toNativeSeparators(path))
                    .arg(file.Count())
                    .arg(record);
        return std::nullopt;
    }
    file.Seek(record - 1);
    const TBillRec bill = file.ReadRecord<TBillRec>();
    file.Close();
    return bill;
}

int Render(const Request& request, const TBillRec& bill, CommandIo& io,
           const OfficeContext& context) {
    const ErrorSink messages = CodeMessagesTo(io.err, QString::fromLatin1(kBillCommand));
    BillNotices notices{messages, [&io](const QString& path) {
                            io.err << "kiv5 bill: " << kMissingStatementCaption << ": "
                                   << MissingStatementText(path) << '\n';
                        }};
    BillInputs inputs(BillToolSources(request.books, request.clientFile, request.statementFolder));
    TAnswer answers(DocumentProgram::Billing);
    TemplateDocument document(
        answers,
        TemplateFolder(context.folders, TemplateProgramFolderName(DocumentProgram::Billing)),
        messages);
    AnswerLines lines;
    if (request.answers) {
        lines.Watch(document);
    }
    BillCalculation calculation(inputs, answers, notices);
    // The date column's flag starts ascending.
    StatementDocument statements(inputs, answers, messages, true);
    AddBillWithStatements(calculation, statements, bill, request.date, document);
    document.Write(request.out);
    for (const QString& line : lines.Lines()) {
        io.out << line << '\n';
    }
    if (!request.answers) {
        io.out << "Bill written to " << QDir::toNativeSeparators(request.out) << '\n';
    }
    io.out.flush();
    return kExitOk;
}

} // namespace

int RunBill(const QStringList& arguments, CommandIo& io, const OfficeContext& context) {
    const CommandArguments args(arguments, {kRecord, kDate, kClients, kBooks, kOut, kIsDir},
                                {kAnswers});
    if (args.WantsHelp() && args.IsValid()) {
        io.out << CommandUsage(QString::fromLatin1(kBillCommand));
        return kExitOk;
    }
    if (!args.IsValid()) {
        return UsageError(io, args.Error());
    }
    const Request request = ReadRequest(args);
    if (!request.error.isEmpty()) {
        return UsageError(io, request.error);
    }
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        io.err << "kiv5 bill: fonts are not available in this process\n";
        return kExitUsage;
    }
    try {
        QString error;
        const auto bill = ReadBill(request.billFile, request.record, error);
        if (!bill) {
            io.err << "kiv5 bill: " << error << '\n';
            return kExitUsage;
        }
        return Render(request, *bill, io, context);
    } catch (const Kiv5Error& error) {
        io.err << "kiv5 bill: " << error.Message() << '\n';
        return kExitUsage;
    }
}

} // namespace kiv5::tool
