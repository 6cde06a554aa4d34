#include "tools/kiv5/KillTestCommand.h"

#include "common/core/Exceptions.h"
#include "common/core/FileFaults.h"
#include "common/core/FileSet.h"
#include "common/core/Misc.h"
#include "tools/kiv5/CheckCommand.h"
#include "tools/kiv5/CommandArguments.h"
#include "tools/kiv5/CommandFrame.h"
#include "tools/kiv5/DemoData.h"
#include "tools/kiv5/DemoFiles.h"
#include "tools/kiv5/FileKinds.h"
#include "tools/kiv5/KillTestWrite.h"
#include "tools/kiv5/MakeDemoCommand.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>

namespace kiv5::tool {
namespace {

constexpr int kMaxRuns = 1'000'000;
constexpr int kMaxLedger = 5'000'000;
constexpr char kWritingLine[] = "writing\n";
constexpr char kWrittenLine[] = "written\n";
// The random kill falls within the write as the previous complete run timed
// it, widened by a tenth (at least this many milliseconds) on either side;
// a draw before the write kills at its announcement.
constexpr qint64 kMinMarginMs = 2;

struct KillPlan {
    QString folder;
    int runs = 0;
    bool everyCall = false;
    int callStep = 1;
    int clients = 30;
    int ledger = 0;
    quint32 seed = 1;
    int seconds = 0; // with --runs: no run starts after this many (0: no limit)
    QList<KillWrite> writes{kKillWrites.begin(), kKillWrites.end()};
};

struct KillFigures {
    int runs = 0;
    int kills = 0;      // killed by the signal
    int midWrite = 0;   // killed between the write's announcement and its end
    int afterWrite = 0; // killed once the files were written, before the exit
    int completed = 0;  // ended before the kill or the armed call
    int crashes = 0;    // stopped at the armed call
    int foundOld = 0;
    int foundNew = 0;
    int recovered = 0; // a replacement the fresh open finished
    int filesChecked = 0;
    int leftovers = 0; // temporary files a killed write left behind
    QStringList problems;
    bool stoppedByTime = false; // --seconds ended the runs before --runs
};

struct ChildRun {
    bool killed = false;
    bool crashed = false; // stopped by the armed fault
    bool ok = false;      // ended normally with exit code 0
    bool wrote = false;   // the write ended before the child did
    qint64 writeMs = -1;  // from the announcement to the end of the write
    QString out;
    QString err;
};

// Reads the child's output until `line` came or the child ended.
bool WaitForLine(QProcess& child, QByteArray& out, const char* line) {
    while (!out.contains(line) && child.state() != QProcess::NotRunning) {
        child.waitForReadyRead(100);
        out += child.readAllStandardOutput();
    }
    out += child.readAllStandardOutput();
    return out.contains(line);
}

QStringList ChildArguments(const QString& folder, const QStringList& rest) {
    return QStringList{QLatin1String(kKillTestCommand), folder} + rest;
}

// Runs this program with arguments; with killAfterMs, kills it that long
// after it announced the write (SIGKILL: nothing is flushed or cleaned up).
// The child announces the write and its end on standard output; the time
// between them is the write's.
ChildRun RunChild(const QStringList& arguments, const QString& faultPlan,
                  std::optional<int> killAfterMs) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QLatin1String(kFileFaultVariable));
    if (!faultPlan.isEmpty()) {
        environment.insert(QLatin1String(kFileFaultVariable), faultPlan);
    }
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    ChildRun run;
    if (!child.waitForStarted(-1)) {
        // Not a kill: the run is reported as a write that failed.
        run.err = child.errorString();
        return run;
    }
    QByteArray out;
    QElapsedTimer sinceAnnounced;
    if (WaitForLine(child, out, kWritingLine)) {
        sinceAnnounced.start();
        if (killAfterMs && !child.waitForFinished(*killAfterMs)) {
            child.kill();
            run.killed = true;
        }
        if (WaitForLine(child, out, kWrittenLine) && !run.killed) {
            run.writeMs = sinceAnnounced.elapsed();
        }
    }
    child.waitForFinished(-1);
    out += child.readAllStandardOutput();
    run.out = QString::fromUtf8(out);
    // What the child wrote before the kill is still in the pipe.
    run.wrote = out.contains(kWrittenLine);
    run.err = QString::fromUtf8(child.readAllStandardError());
    run.crashed =
        child.exitStatus() == QProcess::NormalExit && child.exitCode() == kSimulatedCrashExitCode;
    run.ok = !run.killed && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    return run;
}

using FileHashes = QMap<QString, QByteArray>;

FileHashes HashFiles(const QStringList& paths) {
    FileHashes hashes;
    for (const QString& path : paths) {
        QFile file(path);
        QCryptographicHash hash(QCryptographicHash::Sha1);
        if (file.open(QIODevice::ReadOnly)) {
            hash.addData(&file);
        }
        hashes.insert(path, hash.result());
    }
    return hashes;
}

// What the previous complete write left, per kind, and how long its write
// took.
struct KindState {
    int generation = 1;
    FileHashes hashes;
    qint64 writeMs = 0;
};

bool IsTemporaryCopy(const QString& name) {
    return name.endsWith(QLatin1String(".kiv5-new")) || name.endsWith(QLatin1String(".kiv5-old"));
}

class KillRunner {
public:
    KillRunner(const KillPlan& plan, const DemoSet& set, CommandIo& io)
        : plan_(plan), set_(set), io_(io), rng_(plan.seed) {}

    // Every kind written once to completion: its files carry generation 1.
    void Prepare() {
        for (const KillWrite write : plan_.writes) {
            const ChildRun run = RunChild(WriteArguments(write, 1), {}, std::nullopt);
            if (!run.ok) {
                throw IoError(QStringLiteral("The first %1 write failed: %2")
                                  .arg(KillWriteName(write), run.err.trimmed()));
            }
            KindState& state = states_[write];
            state.writeMs = run.writeMs;
            state.hashes = HashFiles(KillWriteFiles(set_, write));
        }
        // The files of the set; any other one a run leaves is a leftover.
        for (const QString& folder : {set_.clientFolder, set_.booksFolder, set_.billingFolder}) {
            for (const QFileInfo& entry : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
                known_.insert(entry.absoluteFilePath());
            }
        }
    }

    void RunRandomKills() {
        QElapsedTimer timer;
        timer.start();
        for (int k = 0; k < plan_.runs; ++k) {
            if (plan_.seconds > 0 && timer.elapsed() >= qint64(plan_.seconds) * 1000) {
                figures_.stoppedByTime = true;
                break;
            }
            const KillWrite write =
                plan_.writes[qsizetype(rng_.bounded(quint32(plan_.writes.size())))];
            const ChildRun run = RunChild(WriteArguments(write, states_[write].generation + 1), {},
                                          DrawDelay(write));
            figures_.kills += run.killed ? 1 : 0;
            figures_.midWrite += run.killed && !run.wrote ? 1 : 0;
            figures_.afterWrite += run.killed && run.wrote ? 1 : 0;
            Verify(write, run);
        }
    }

    void RunEveryCall() {
        for (const KillWrite write : plan_.writes) {
            QTemporaryDir scratch;
            const QString countFile = scratch.filePath(QStringLiteral("calls"));
            const ChildRun counted = RunChild(WriteArguments(write, states_[write].generation + 1),
                                              QStringLiteral("count:") + countFile, std::nullopt);
            Verify(write, counted);
            QFile file(countFile);
            const qint64 calls = file.open(QIODevice::ReadOnly) ? file.readAll().toLongLong() : 0;
            if (calls < 1) {
                figures_.problems.append(
                    QStringLiteral("%1: no file calls counted").arg(KillWriteName(write)));
            }
            for (qint64 n = 1; n <= calls; n += plan_.callStep) {
                const ChildRun run = RunChild(WriteArguments(write, states_[write].generation + 1),
                                              QStringLiteral("crash:%1").arg(n), std::nullopt);
                figures_.crashes += run.crashed ? 1 : 0;
                Verify(write, run);
            }
        }
    }

    const KillFigures& Figures() const { return figures_; }

private:
    // Milliseconds after the announcement: uniform over the previous write
    // with the margins, a draw before it at the announcement.
    int DrawDelay(KillWrite write) {
        const qint64 writeMs = std::max<qint64>(states_[write].writeMs, 0);
        const qint64 margin = std::max(kMinMarginMs, writeMs / 10);
        const qint64 drawn = qint64(rng_.bounded(quint32(writeMs + 2 * margin + 1))) - margin;
        return int(std::max<qint64>(drawn, 0));
    }

    QStringList WriteArguments(KillWrite write, int generation) const {
        return ChildArguments(set_.folder,
                              {QStringLiteral("--write"), KillWriteName(write),
                               QStringLiteral("--generation"), QString::number(generation)});
    }

    void Problem(KillWrite write, const QString& text) {
        figures_.problems.append(
            QStringLiteral("run %1 (%2): %3").arg(figures_.runs).arg(KillWriteName(write), text));
        // At once too, for long runs that may be stopped.
        io_.err << "FAULT: " << figures_.problems.last() << '\n';
    }

    int CountLeftovers() {
        int count = 0;
        for (const QString& folder : {set_.clientFolder, set_.booksFolder, set_.billingFolder}) {
            QDir dir(folder);
            for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden)) {
                const QString name = entry.fileName();
                if (!IsTemporaryCopy(name) && (name.contains(QLatin1String(".kiv5-")) ||
                                               name.contains(QLatin1String(".lock")))) {
                    continue;
                }
                if (!known_.contains(entry.absoluteFilePath())) {
                    // A killed write's temporary file; it holds nothing the
                    // data files need.
                    ++count;
                    QFile::remove(entry.absoluteFilePath());
                }
            }
        }
        return count;
    }

    bool JournalLeft(KillWrite write) const {
        for (const QString& file : KillWriteFiles(set_, write)) {
            if (QFileInfo::exists(FileSetJournalPath(file))) {
                return true;
            }
        }
        return false;
    }

    void Verify(KillWrite write, const ChildRun& run) {
        ++figures_.runs;
        if (run.ok) {
            ++figures_.completed;
        } else if (!run.killed && !run.crashed) {
            Problem(write, QStringLiteral("the write ended with an error: ") + run.err.trimmed());
        }
        figures_.recovered += JournalLeft(write) ? 1 : 0;
        const ChildRun read =
            RunChild(ChildArguments(set_.folder, {QStringLiteral("--read"), KillWriteName(write)}),
                     {}, std::nullopt);
        if (!read.ok) {
            Problem(write, QStringLiteral("a fresh open failed: ") + read.err.trimmed());
            return;
        }
        if (JournalLeft(write)) {
            Problem(write, QStringLiteral("the fresh open left the replacement unfinished"));
        }
        KindState& state = states_[write];
        const QStringList found = read.out.trimmed().split(QLatin1Char(' '));
        const int first = found.value(0).toInt();
        for (const QString& member : found) {
            if (member.toInt() != first) {
                Problem(write,
                        QStringLiteral("members of different generations: ") + read.out.trimmed());
                return;
            }
        }
        const FileHashes now = HashFiles(KillWriteFiles(set_, write));
        if (first == state.generation) {
            ++figures_.foundOld;
            if (now != state.hashes) {
                Problem(write, QStringLiteral("the old generation is not byte for byte as before"));
            }
        } else if (first == state.generation + 1) {
            ++figures_.foundNew;
            state.generation = first;
            state.hashes = now;
            if (run.ok && run.writeMs >= 0) {
                state.writeMs = run.writeMs;
            }
        } else {
            Problem(write, QStringLiteral("found generation %1 after %2")
                               .arg(read.out.trimmed())
                               .arg(state.generation));
        }
        for (const QString& path : KillWriteRecordFiles(set_, write)) {
            ++figures_.filesChecked;
            const FileCheck check = CheckFile(path, *FindFileKind(path));
            if (check.FaultCount() > 0) {
                Problem(write, QStringLiteral("kiv5 check: %1 faults in %2")
                                   .arg(check.FaultCount())
                                   .arg(FileNamePart(path)));
            }
        }
        figures_.leftovers += CountLeftovers();
        // Progress of long runs, on standard error.
        io_.err << "run " << figures_.runs << ": " << KillWriteName(write) << ' '
                << (run.killed    ? "killed"
                    : run.crashed ? "stopped"
                                  : "completed")
                << ", found "
                << "generation " << first << '\n';
        io_.err.flush();
    }

    const KillPlan& plan_;
    const DemoSet& set_;
    CommandIo& io_;
    QRandomGenerator rng_;
    QMap<KillWrite, KindState> states_;
    QSet<QString> known_;
    KillFigures figures_;
};

DemoSet MakeKillTestSet(const KillPlan& plan, const OfficeContext& context) {
    DemoOptions options;
    options.folder = plan.folder;
    options.clients = plan.clients;
    options.force = true;
    const DemoSet set = MakeDemoDataSet(options, context);
    if (plan.ledger > 0) {
        WriteDemoIncomeFile(set.incomeFile,
                            MakeDemoIncome(MakeDemoClients(plan.clients, context.clock),
                                           plan.ledger, context.clock),
                            context.errors);
    }
    return set;
}

void Report(CommandIo& io, const KillFigures& figures, qint64 elapsedMs) {
    io.out << "runs: " << figures.runs << '\n'
           << "killed: " << figures.kills << '\n'
           << "killed while writing: " << figures.midWrite << '\n'
           << "killed after the write: " << figures.afterWrite << '\n'
           << "stopped at a file call: " << figures.crashes << '\n'
           << "completed: " << figures.completed << '\n'
           << "found old: " << figures.foundOld << '\n'
           << "found new: " << figures.foundNew << '\n'
           << "replacements finished at open: " << figures.recovered << '\n'
           << "files checked: " << figures.filesChecked << '\n'
           << "temporary files left by killed writes: " << figures.leftovers << '\n'
           << "seconds: " << QString::number(double(elapsedMs) / 1000.0, 'f', 1) << '\n';
    if (figures.stoppedByTime) {
        io.out << "stopped by --seconds before all runs\n";
    }
    for (const QString& problem : figures.problems) {
        io.out << "FAULT: " << problem << '\n';
    }
    io.out << (figures.problems.isEmpty() ? "kill test passed\n" : "kill test FAILED\n");
}

// The child's side: one write, announced on standard output just before it
// starts, the fault plan of the environment armed from there on.
int RunChildWrite(const DemoSet& set, KillWrite write, int generation, CommandIo& io,
                  const OfficeContext& context) {
    WriteGeneration(set, write, generation, context, [&io] {
        io.out << kWritingLine;
        io.out.flush();
        std::fflush(stdout);
        ArmFileFaultsFromEnvironment();
    });
    io.out << kWrittenLine;
    io.out.flush();
    std::fflush(stdout);
    return kExitOk;
}

int RunChildRead(const DemoSet& set, KillWrite write, CommandIo& io, const OfficeContext& context) {
    QStringList found;
    for (const int generation : ReadGenerations(set, write, context)) {
        found.append(QString::number(generation));
    }
    io.out << found.join(QLatin1Char(' ')) << '\n';
    return kExitOk;
}

} // namespace

int RunKillTest(const QStringList& arguments, CommandIo& io, const OfficeContext& context) {
    const CommandArguments args(arguments,
                                {QStringLiteral("--runs"), QStringLiteral("--clients"),
                                 QStringLiteral("--ledger"), QStringLiteral("--seed"),
                                 QStringLiteral("--writes"), QStringLiteral("--write"),
                                 QStringLiteral("--generation"), QStringLiteral("--read"),
                                 QStringLiteral("--call-step"), QStringLiteral("--seconds")},
                                {QStringLiteral("--every-call")});
    const CommandFrame frame(QStringLiteral("kill-test"), KillTestUsage(), io);
    if (const auto answered = frame.Answered(args)) {
        return *answered;
    }
    if (args.Positional().size() != 1) {
        return frame.UsageError(QStringLiteral("give exactly one folder"));
    }
    KillPlan plan;
    plan.folder = QDir(args.Positional().first()).absolutePath();
    plan.everyCall = args.Has(QStringLiteral("--every-call"));
    const auto runs = args.IntegerValue(QStringLiteral("--runs"), 0, kMaxRuns, 0);
    const auto clients =
        args.IntegerValue(QStringLiteral("--clients"), 1, kMaxDemoClients, plan.clients);
    const auto ledger = args.IntegerValue(QStringLiteral("--ledger"), 0, kMaxLedger, 0);
    const auto seed =
        args.IntegerValue(QStringLiteral("--seed"), 0, std::numeric_limits<int>::max(), 1);
    const auto generation =
        args.IntegerValue(QStringLiteral("--generation"), 1, std::numeric_limits<int>::max(), 1);
    const auto callStep = args.IntegerValue(QStringLiteral("--call-step"), 1, kMaxRuns, 1);
    const auto seconds = args.IntegerValue(QStringLiteral("--seconds"), 0, kMaxRuns, 0);
    if (!runs || !clients || !ledger || !seed || !generation || !callStep || !seconds) {
        return frame.UsageError(QStringLiteral("--runs, --clients, --ledger, --seed, --call-step, "
                                               "--seconds and --generation take whole numbers in "
                                               "range"));
    }
    plan.seconds = *seconds;
    plan.callStep = *callStep;
    plan.runs = *runs;
    plan.clients = *clients;
    plan.ledger = *ledger;
    plan.seed = quint32(*seed);
    if (const auto writes = args.Value(QStringLiteral("--writes"))) {
        plan.writes.clear();
        for (const QString& name : writes->split(QLatin1Char(','))) {
            const auto write = KillWriteNamed(name);
            if (!write) {
                return frame.UsageError(QStringLiteral("unknown write \"%1\"").arg(name));
            }
            plan.writes.append(*write);
        }
    }
    return frame.Guarded([&] {
        const DemoSet set = DemoSetIn(plan.folder);
        for (const char* option : {"--write", "--read"}) {
            if (const auto name = args.Value(QLatin1String(option))) {
                const auto write = KillWriteNamed(*name);
                if (!write) {
                    return frame.UsageError(QStringLiteral("unknown write \"%1\"").arg(*name));
                }
                return qstrcmp(option, "--write") == 0
                           ? RunChildWrite(set, *write, *generation, io, context)
                           : RunChildRead(set, *write, io, context);
            }
        }
        if (plan.runs == 0 && !plan.everyCall) {
            return frame.UsageError(QStringLiteral("give --runs N or --every-call"));
        }
        QElapsedTimer timer;
        timer.start();
        const DemoSet made = MakeKillTestSet(plan, context);
        KillRunner runner(plan, made, io);
        runner.Prepare();
        if (plan.everyCall) {
            runner.RunEveryCall();
        }
        runner.RunRandomKills();
        Report(io, runner.Figures(), timer.elapsed());
        return runner.Figures().problems.isEmpty() ? kExitOk : kExitDamaged;
    });
}

QString KillTestUsage() {
    return QStringLiteral(
        "Usage: kiv5 kill-test FOLDER (--runs N [--seconds T] | --every-call [--call-step K])\n"
        "                      [--clients C] [--ledger L] [--seed S] [--writes KIND,...]\n"
        "\n"
        "Crash runs: writes a demo data set of C clients (default 30; --ledger L\n"
        "replaces its receipts by L records) into FOLDER (replacing one there), then\n"
        "has copies of kiv5 write files whole as the programs do: \"clients\" the\n"
        "client file with its memo file, \"books\" the bookkeeping set, \"bills\" the\n"
        "billing file with its link file, \"periodic\" periodic billing of every bill\n"
        "(without statements): the next period's billing file kiv5next.bil, its link\n"
        "file and the document (--writes picks some). Each write stamps a new\n"
        "generation into every record (periodic billing: a billing date a day later).\n"
        "\n"
        "  --runs N      N writes, each killed (SIGKILL) at a random moment of the write:\n"
        "                within the time the previous complete write of its kind took\n"
        "                from its first file call to its end, a tenth wider either side\n"
        "  --seconds T   with --runs: start no run after T seconds (the runs done are\n"
        "                reported)\n"
        "  --every-call  for each write, one run stopped at each of its file calls\n"
        "                in turn (1, 2, ... up to the calls the write makes)\n"
        "  --call-step K with --every-call: stop at calls 1, 1+K, 1+2K, ... only\n"
        "\n"
        "After each run a fresh kiv5 opens the files (finishing a replacement a crash\n"
        "interrupted) and the run is checked: every member holds the old or the new\n"
        "generation and all members the same one, the old one byte for byte as it\n"
        "was, and kiv5 check finds nothing. Prints the figures and one \"FAULT:\"\n"
        "line per fault found.\n"
        "\n"
        "Exit codes: 0 every run passed, 1 a fault was found, 2 wrong arguments or a\n"
        "folder that cannot be used.\n");
}

} // namespace kiv5::tool
