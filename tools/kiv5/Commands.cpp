#include "tools/kiv5/Commands.h"

#include "common/core/OfficeContext.h"
#include "tools/kiv5/BillCommand.h"
#include "tools/kiv5/CalendarCommand.h"
#include "tools/kiv5/CheckCommand.h"
#include "tools/kiv5/DumpCommand.h"
#include "tools/kiv5/ImportCalendarCommand.h"
#include "tools/kiv5/KillTestCommand.h"
#include "tools/kiv5/MakeDemoCommand.h"
#include "tools/kiv5/PeriodicCommand.h"
#include "tools/kiv5/PrintCheckCommand.h"
#include "tools/kiv5/SoakCommand.h"
#include "tools/kiv5/Usage.h"

#include <cstdio>

namespace kiv5::tool {
namespace {

using CommandFunction = int (*)(const QStringList&, CommandIo&, const OfficeContext&);

// Commands that only read files need no clock and report no codes.
template <int (*run)(const QStringList&, CommandIo&)>
int WithoutContext(const QStringList& arguments, CommandIo& io, const OfficeContext&) {
    return run(arguments, io);
}

struct Command {
    const char* name;
    CommandFunction run;
};

// clang-format off
constexpr std::array kCommands = {
    Command{"dump", WithoutContext<RunDump>},
    Command{"check", WithoutContext<RunCheck>},
    Command{"make-demo", RunMakeDemo},
    Command{kPrintCheckCommand, RunPrintCheck},
    Command{kBillCommand, RunBill},
    Command{kImportCalendarCommand, RunImportCalendar},
    Command{kCalendarCommand, RunCalendar},
    Command{kPeriodicCommand, RunPeriodic},
    Command{kSoakCommand, RunSoak},
    Command{kKillTestCommand, RunKillTest},
};
// clang-format on

CommandFunction FindCommand(const QString& name) {
    for (const Command& command : kCommands) {
        if (name == QLatin1String(command.name)) {
            return command.run;
        }
    }
    return nullptr;
}

} // namespace

int Run(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    CommandIo io{out, err};
    const int code = Run(arguments, io, Clock());
    out.flush();
    err.flush();
    return code;
}

int Run(const QStringList& arguments, CommandIo& io, const Clock& clock) {
    OfficeContext context;
    context.clock = clock;
    // Codes the core reports (a settings store that cannot be written) are
    // messages of this run.
    context.errors = ErrorSink([&io](int code) { io.err << "kiv5: error " << code << '\n'; });
    if (arguments.isEmpty()) {
        io.err << GeneralUsage();
        return kExitUsage;
    }
    const QString& name = arguments.first();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") ||
        name == QLatin1String("help")) {
        const QString command = arguments.value(1);
        const QString usage = command.isEmpty() ? GeneralUsage() : CommandUsage(command);
        if (usage.isEmpty()) {
            io.err << "kiv5: unknown command " << command << "\n\n" << GeneralUsage();
            return kExitUsage;
        }
        io.out << usage;
        return kExitOk;
    }
    const CommandFunction run = FindCommand(name);
    if (!run) {
        io.err << "kiv5: unknown command " << name << "\n\n" << GeneralUsage();
        return kExitUsage;
    }
    return run(arguments.mid(1), io, context);
}

} // namespace kiv5::tool
