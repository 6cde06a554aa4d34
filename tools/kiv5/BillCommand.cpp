#include "tools/kiv5/BillCommand.h"

#include "billing/core/BillDocument.h"
#include "billing/core/BillingFile.h"
#include "common/core/Exceptions.h"
#include "common/core/Misc.h"
#include "common/core/RecordFile.h"
#include "common/core/RtfDocument.h"
#include "common/core/RtfTemplateFolder.h"
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

const QString kRecord = QStringLiteral("--record");
const QString kAnswers = QStringLiteral("--answers");

struct Request {
    BillToolArguments shared;
    int record = 0;
    bool answers = false;
};

std::optional<Request> ReadRequest(const CommandArguments& args, QString& error) {
    if (const auto missing = MissingOption(args, {kRecord})) {
        error = *missing;
        return std::nullopt;
    }
    const auto shared = ReadBillToolArguments(args, error);
    if (!shared) {
        return std::nullopt;
    }
    const auto record = TryParseInteger(*args.Value(kRecord));
    if (!record || *record < 1) {
        error = QStringLiteral("--record \"%1\" is not a record number (1, 2, ...)")
                    .arg(*args.Value(kRecord));
        return std::nullopt;
    }
    return Request{*shared, *record, args.Has(kAnswers)};
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

int Render(const Request& request, const TBillRec& bill, CommandIo& io, const CommandFrame& frame,
           const OfficeContext& context) {
    const BillNotices notices = BillToolNotices(frame, io, QString::fromLatin1(kBillCommand));
    const ErrorSink& messages = notices.errors;
    BillInputs inputs(BillToolSources(request.shared));
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
    AddBillWithStatements(calculation, statements, bill, request.shared.date, document);
    document.Write(request.shared.out);
    for (const QString& line : lines.Lines()) {
        io.out << line << '\n';
    }
    if (!request.answers) {
        io.out << "Bill written to " << QDir::toNativeSeparators(request.shared.out) << '\n';
    }
    io.out.flush();
    return kExitOk;
}

} // namespace

int RunBill(const QStringList& arguments, CommandIo& io, const OfficeContext& context) {
    const CommandFrame frame(QString::fromLatin1(kBillCommand),
                             CommandUsage(QString::fromLatin1(kBillCommand)), io);
    const CommandArguments args(arguments, BillToolOptions() << kRecord, {kAnswers});
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
    return frame.Guarded([&] {
        QString missing;
        const auto bill = ReadBill(request->shared.billFile, request->record, missing);
        return bill ? Render(*request, *bill, io, frame, context) : frame.Failed(missing);
    });
}

} // namespace kiv5::tool
