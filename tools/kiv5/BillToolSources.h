#pragma once

// What the document commands of the billing program (kiv5 bill, kiv5
// periodic) share: BILLFILE, --date, --clients, --books, --out and --is-dir
// on their command lines, and the bill's inputs taken from them: the
// bookkeeping set and the client file named, the statement folder given or
// the one the user's settings hold, and the letterhead lines of those
// settings.

#include "billing/core/BillNotices.h"
#include "billing/core/BillSources.h"
#include "common/core/DateTime.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace kiv5::tool {

class CommandArguments;
class CommandFrame;
struct CommandIo;

struct BillToolArguments {
    QString billFile;
    DayCount date = 0;
    QString clientFile;
    QString books;
    QString out;
    std::optional<QString> statementFolder;
};

// The shared options that take a value.
QStringList BillToolOptions();

// The first of options not given or given empty: "--name is missing".
std::optional<QString> MissingOption(const CommandArguments& args, const QStringList& options);

// The shared arguments; nothing, with what is wrong in error, when one is
// missing or is not what it must be.
std::optional<BillToolArguments> ReadBillToolArguments(const CommandArguments& args,
                                                       QString& error);

billing::BillSources BillToolSources(const BillToolArguments& arguments);

// What the bill's passes report goes to standard error: coded messages with
// their code, a missing statement as "kiv5 NAME: caption: text".
billing::BillNotices BillToolNotices(const CommandFrame& frame, CommandIo& io,
                                     const QString& command);

} // namespace kiv5::tool
