#include "tools/kiv5/SoakCommand.h"

#include "common/core/Exceptions.h"
#include "tools/kiv5/CommandArguments.h"
#include "tools/kiv5/CommandFrame.h"
#include "tools/kiv5/MakeDemoCommand.h"
#include "tools/kiv5/SoakCheck.h"
#include "tools/kiv5/SoakWorker.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <memory>
#include <optional>

namespace kiv5::tool {
namespace {

constexpr int kMaxProcesses = 16;
constexpr int kMaxOperations = 1'000'000;
constexpr int kDefaultClients = 30;

struct SoakPlan {
    QString folder;
    int processes = 4;
    int operations = 200;
    quint32 seed = 1;
    int clients = kDefaultClients;
    std::optional<int> worker;
};

QString LogPath(const QString& folder, int worker) {
    return QDir(folder).filePath(QStringLiteral("soak-%1.log").arg(worker));
}

// Starts every user at once and waits for all of them.
QStringList RunUsers(const SoakPlan& plan) {
    std::vector<std::unique_ptr<QProcess>> users;
    for (int worker = 1; worker <= plan.processes; ++worker) {
        auto process = std::make_unique<QProcess>();
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->setStandardOutputFile(QProcess::nullDevice());
        process->start(QCoreApplication::applicationFilePath(),
                       {QLatin1String(kSoakCommand), plan.folder, QStringLiteral("--worker"),
                        QString::number(worker), QStringLiteral("--ops"),
                        QString::number(plan.operations), QStringLiteral("--seed"),
                        QString::number(plan.seed)});
        users.push_back(std::move(process));
    }
    QStringList failures;
    for (std::size_t k = 0; k < users.size(); ++k) {
        QProcess& user = *users[k];
        if (!user.waitForStarted(-1) || !user.waitForFinished(-1) ||
            user.exitStatus() != QProcess::NormalExit || user.exitCode() != 0) {
            failures.append(QStringLiteral("user %1 ended abnormally (%2)")
                                .arg(k + 1)
                                .arg(user.exitStatus() == QProcess::NormalExit
                                         ? QStringLiteral("exit code %1").arg(user.exitCode())
                                         : user.errorString()));
        }
    }
    return failures;
}

void Report(CommandIo& io, const SoakFigures& figures, qint64 elapsedMs) {
    io.out << "processes: " << figures.processes << '\n'
           << "operations: " << figures.operations << '\n'
           << "adds checked: " << figures.adds << '\n'
           << "writes checked: " << figures.writes << '\n'
           << "conflicts detected: " << figures.conflicts << '\n'
           << "refused: " << figures.refusals << '\n'
           << "failed commands: " << figures.errors << '\n'
           << "records checked: " << figures.recordsChecked << '\n'
           << "files checked: " << figures.filesChecked << '\n'
           << "lost updates: " << figures.lostUpdates << '\n'
           << "seconds: " << QString::number(double(elapsedMs) / 1000.0, 'f', 1) << '\n';
    for (const QString& problem : figures.problems) {
        io.out << "FAULT: " << problem << '\n';
    }
    io.out << (figures.Passed() ? "soak passed\n" : "soak FAILED\n");
}

int RunUsersAndCheck(const SoakPlan& plan, CommandIo& io, const OfficeContext& context) {
    QElapsedTimer timer;
    timer.start();
    DemoOptions options;
    options.folder = plan.folder;
    options.clients = plan.clients;
    options.force = true;
    const DemoSet set = MakeDemoDataSet(options, context);
    const SoakSnapshot before = TakeSoakSnapshot(set, context);
    const QStringList failures = RunUsers(plan);
    QList<QList<SoakEvent>> logs;
    for (int worker = 1; worker <= plan.processes; ++worker) {
        logs.append(ReadSoakLog(LogPath(plan.folder, worker)));
    }
    SoakFigures figures = CheckSoak(set, before, logs, context);
    figures.problems = failures + figures.problems;
    Report(io, figures, timer.elapsed());
    return figures.Passed() ? kExitOk : kExitDamaged;
}

} // namespace

int RunSoak(const QStringList& arguments, CommandIo& io, const OfficeContext& context) {
    const CommandArguments args(arguments,
                                {QStringLiteral("--processes"), QStringLiteral("--ops"),
                                 QStringLiteral("--seed"), QStringLiteral("--clients"),
                                 QStringLiteral("--worker")},
                                {});
    const CommandFrame frame(QStringLiteral("soak"), SoakUsage(), io);
    if (const auto answered = frame.Answered(args)) {
        return *answered;
    }
    if (args.Positional().size() != 1) {
        return frame.UsageError(QStringLiteral("give exactly one folder"));
    }
    SoakPlan plan;
    plan.folder = QDir(args.Positional().first()).absolutePath();
    const auto processes =
        args.IntegerValue(QStringLiteral("--processes"), 1, kMaxProcesses, plan.processes);
    const auto operations =
        args.IntegerValue(QStringLiteral("--ops"), 1, kMaxOperations, plan.operations);
    const auto seed =
        args.IntegerValue(QStringLiteral("--seed"), 0, std::numeric_limits<int>::max(), 1);
    const auto clients =
        args.IntegerValue(QStringLiteral("--clients"), 1, kMaxDemoClients, plan.clients);
    const auto worker = args.IntegerValue(QStringLiteral("--worker"), 0, kMaxProcesses, 0);
    if (!processes || !operations || !seed || !clients || !worker) {
        return frame.UsageError(QStringLiteral("--processes takes 1 to %1, --ops 1 to %2, and "
                                               "--seed, --clients and --worker whole numbers")
                                    .arg(kMaxProcesses)
                                    .arg(kMaxOperations));
    }
    plan.processes = *processes;
    plan.operations = *operations;
    plan.seed = quint32(*seed);
    plan.clients = *clients;
    return frame.Guarded([&] {
        if (args.Value(QStringLiteral("--worker"))) {
            RunSoakWork(DemoSetIn(plan.folder),
                        {*worker, plan.operations, plan.seed, LogPath(plan.folder, *worker)},
                        context);
            return kExitOk;
        }
        return RunUsersAndCheck(plan, io, context);
    });
}

QString SoakUsage() {
    return QStringLiteral(
        "Usage: kiv5 soak FOLDER [--processes P] [--ops N] [--seed S] [--clients C]\n"
        "\n"
        "Several users at once: writes a demo data set of C clients (default 30) into\n"
        "FOLDER (replacing one there), starts P copies of kiv5 (default 4, at most 16)\n"
        "that each give N commands (default 200) picked at random from S (default 1):\n"
        "add, save, delete, select all or none, filter or cancel the filter, refresh,\n"
        "on clients, receipts, expenses and bills, through the programs' own\n"
        "workspaces, resolving conflicts at random. Then it checks the folder: every\n"
        "add present exactly once, kiv5 check finds no damaged file, each record holds\n"
        "the last of an unbroken chain of the saves its users were told succeeded (a\n"
        "save over a version its user never saw is a lost update), and no lock file is\n"
        "left. Prints the figures and one \"FAULT:\" line per fault found; each user's\n"
        "log is left in FOLDER/soak-K.log.\n"
        "\n"
        "Exit codes: 0 the soak passed, 1 it found a fault, 2 wrong arguments or a\n"
        "folder that cannot be used.\n");
}

} // namespace kiv5::tool
