#include "tools/kiv5/BillToolSources.h"

#include "billing/core/BillingSettings.h"
#include "common/core/Exceptions.h"
#include "common/core/MatchFileNameCase.h"
#include "common/core/SettingsStore.h"
#include "tools/kiv5/AnswerLines.h"
#include "tools/kiv5/CommandArguments.h"
#include "tools/kiv5/CommandFrame.h"

namespace kiv5::tool {

namespace {
// Only the settings' column widths depend on the screen; none are used here.
constexpr int kScreenWidth = 1280;

const QString kDate = QStringLiteral("--date");
const QString kClients = QStringLiteral("--clients");
const QString kBooks = QStringLiteral("--books");
const QString kOut = QStringLiteral("--out");
const QString kIsDir = QStringLiteral("--is-dir");
} // namespace

QStringList BillToolOptions() {
    return {kDate, kClients, kBooks, kOut, kIsDir};
}

std::optional<QString> MissingOption(const CommandArguments& args, const QStringList& options) {
    for (const QString& option : options) {
        if (!args.Has(option) || args.Value(option)->isEmpty()) {
            return QStringLiteral("%1 is missing").arg(option);
        }
    }
    return std::nullopt;
}

std::optional<BillToolArguments> ReadBillToolArguments(const CommandArguments& args,
                                                       QString& error) {
    if (const auto missing = MissingOption(args, {kDate, kClients, kBooks, kOut})) {
        error = *missing;
        return std::nullopt;
    }
    if (args.Positional().size() != 1) {
        error = args.Positional().isEmpty()
                    ? QStringLiteral("BILLFILE is missing")
                    : QStringLiteral("unexpected argument %1").arg(args.Positional().at(1));
        return std::nullopt;
    }
    BillToolArguments r;
    r.billFile = args.Positional().first();
    try {
        r.date = ParseDate(*args.Value(kDate));
    } catch (const ConversionError&) {
        error = QStringLiteral("--date \"%1\" is not a date (M/D/YYYY)").arg(*args.Value(kDate));
        return std::nullopt;
    }
    r.clientFile = *args.Value(kClients);
    r.books = *args.Value(kBooks);
    r.out = *args.Value(kOut);
    r.statementFolder = args.Value(kIsDir);
    return r;
}

billing::BillSources BillToolSources(const BillToolArguments& arguments) {
    BillingSettings settings = BuiltInBillingSettings(kScreenWidth);
    SettingsStore store = BillingSettingsStore();
    ReadTheIniFile(settings, store, kScreenWidth);
    billing::BillSources sources;
    sources.incomePath = MatchFileNameCase(arguments.books + QStringLiteral(".inc"));
    sources.expensePath = MatchFileNameCase(arguments.books + QStringLiteral(".exp"));
    sources.clientPath = arguments.clientFile;
    sources.statementFolder = arguments.statementFolder.value_or(settings.ISDirectory);
    sources.captionLines = settings.CaptionLine;
    return sources;
}

billing::BillNotices BillToolNotices(const CommandFrame& frame, CommandIo& io,
                                     const QString& command) {
    return billing::BillNotices{
        CodeMessagesTo(io.err, command), [&frame, &io](const QString& path) {
            io.err << frame.Prefixed(QString::fromLatin1(billing::kMissingStatementCaption) +
                                     QStringLiteral(": ") + billing::MissingStatementText(path))
                   << '\n';
        }};
}

} // namespace kiv5::tool
