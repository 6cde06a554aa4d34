#include "tests/faults/FaultSweep.h"

#include "common/core/Exceptions.h"
#include "common/core/FileFaults.h"
#include "common/core/FileSet.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>

namespace kiv5::test {
namespace {

constexpr std::array kErrors = {EIO, ENOSPC, EACCES};

QString ErrorName(int error) {
    switch (error) {
    case EIO:
        return QStringLiteral("EIO");
    case ENOSPC:
        return QStringLiteral("ENOSPC");
    default:
        return QStringLiteral("EACCES");
    }
}

struct RunEnd {
    QString message; // what the command reported; empty when it reported nothing
    QString fault;   // an escape that is itself a fault
};

RunEnd RunOnce(SweepSubject& subject, const TestContext& context) {
    RunEnd end;
    try {
        end.message = subject.Run();
    } catch (const Kiv5Error& e) {
        end.message = e.Message();
        if (end.message.isEmpty()) {
            end.fault = QStringLiteral("an error without a message");
        }
    } catch (const std::exception& e) {
        end.fault = QStringLiteral("escaped %1").arg(QString::fromUtf8(e.what()));
    }
    if (end.message.isEmpty() && !context.codes.isEmpty()) {
        end.message = QStringLiteral("error window %1").arg(context.codes.first());
    }
    return end;
}

enum class Version { Old, New, Both, Neither };

Version VersionOf(const QString& file, const FolderSnapshot& before, const FolderSnapshot& after,
                  const FolderSnapshot& now) {
    const auto same = [&file, &now](const FolderSnapshot& other) {
        return now.contains(file) == other.contains(file) && now.value(file) == other.value(file);
    };
    const bool old = same(before);
    const bool fresh = same(after);
    return old && fresh ? Version::Both
           : old        ? Version::Old
           : fresh      ? Version::New
                        : Version::Neither;
}

QString Describe(const QString& file, const FolderSnapshot& before, const FolderSnapshot& now) {
    if (!now.contains(file)) {
        return file + QStringLiteral(" is missing");
    }
    if (!before.contains(file)) {
        return file + QStringLiteral(" is left over (%1 bytes)").arg(now.value(file).size());
    }
    return file + QStringLiteral(" is torn (%1 bytes)").arg(now.value(file).size());
}

QStringList FilesFaults(const FolderSnapshot& before, const FolderSnapshot& after,
                        const FolderSnapshot& now, const QList<QStringList>& groups,
                        bool reported) {
    QStringList faults;
    QStringList files = before.keys() + after.keys() + now.keys();
    files.removeDuplicates();
    for (const QString& file : files) {
        const Version version = VersionOf(file, before, after, now);
        if (version == Version::Neither) {
            faults.append(Describe(file, before, now));
        } else if (version == Version::Old && !reported) {
            faults.append(file + QStringLiteral(" was not written, and no failure was told"));
        }
    }
    for (const QStringList& group : groups) {
        bool hasOld = false;
        bool hasNew = false;
        for (const QString& file : group) {
            const Version version = VersionOf(file, before, after, now);
            hasOld = hasOld || version == Version::Old;
            hasNew = hasNew || version == Version::New;
        }
        if (hasOld && hasNew) {
            faults.append(QStringLiteral("old and new mixed in ") + group.join(u'+'));
        }
    }
    return faults;
}

// The calls that failed: the one hit, and on a full disk every later call
// that needs space.
std::vector<FileCallRecord> FailedCalls(const std::vector<FileCallRecord>& trace, qint64 atCall,
                                        bool diskFull) {
    const auto first = static_cast<std::size_t>(atCall - 1);
    std::vector<FileCallRecord> failed{trace.at(first)};
    if (!diskFull) {
        return failed;
    }
    for (std::size_t k = first + 1; k < trace.size(); ++k) {
        const FileCall call = trace[k].call;
        if (call == FileCall::Open || call == FileCall::Write || call == FileCall::Flush ||
            call == FileCall::Resize) {
            failed.push_back(trace[k]);
        }
    }
    return failed;
}

// A failed file call is told as the file layer tells it: "Cannot <verb>
// "<the file of a failed call>": <the system's reason>", after one of the
// command's own lead-ins. Other messages (outcomes, error windows) are the
// command's to check.
QStringList MessageFaults(const QString& message, const std::vector<FileCallRecord>& failed,
                          int error, const QStringList& prefixes) {
    static const QStringList verbs = {"open", "create", "read", "write", "replace", "lock"};
    const qsizetype start = message.indexOf(QLatin1String("Cannot "));
    if (start < 0) {
        return {};
    }
    const QString lead = message.left(start);
    if (!lead.isEmpty() && !prefixes.contains(lead)) {
        return {QStringLiteral("the message has an unknown lead-in: ") + message};
    }
    const QString told = message.mid(start);
    for (const FileCallRecord& call : failed) {
        for (const QString& verb : verbs) {
            if (told ==
                QStringLiteral("Cannot %1 \"%2\": %3")
                    .arg(verb, QDir::toNativeSeparators(call.path), SystemErrorText(error))) {
                return {};
            }
        }
    }
    return {QStringLiteral("the message does not name the failed file and the system's reason: ") +
            message};
}

// What the next open does: a replacement whose journal is left is finished
// or cleaned up.
void RecoverLeftSets(const QString& folder, const QList<QStringList>& groups) {
    const QDir root(folder);
    for (const QStringList& group : groups) {
        QStringList members;
        for (const QString& member : group) {
            members.append(root.filePath(member));
        }
        for (const QString& first : members) {
            if (QFileInfo(FileSetJournalPath(first)).isFile()) {
                try {
                    RecoverFileSet(first, members);
                } catch (const Kiv5Error&) {
                }
            }
        }
    }
}

} // namespace

FolderSnapshot SnapshotFolder(const QString& folder) {
    FolderSnapshot files;
    const QDir root(folder);
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        files.insert(root.relativeFilePath(path),
                     file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>"));
    }
    return files;
}

void RestoreFolder(const QString& folder, const FolderSnapshot& snapshot) {
    QDir(folder).removeRecursively();
    QDir root;
    root.mkpath(folder);
    for (auto it = snapshot.cbegin(); it != snapshot.cend(); ++it) {
        const QString path = QDir(folder).filePath(it.key());
        root.mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size()) {
            qFatal("cannot write the sweep's folder");
        }
    }
}

QStringList TableRows(const RecordTable& table) {
    QStringList texts;
    for (int row = 1; row < table.RowCount(); ++row) {
        texts.append(table.Row(row).join(u'|'));
    }
    return texts;
}

QString CompareTables(const RecordTable& held, const RecordTable& fresh) {
    const auto rows = [](const RecordTable& table) {
        QStringList texts = TableRows(table);
        texts.sort();
        return texts;
    };
    const QStringList a = rows(held);
    const QStringList b = rows(fresh);
    for (const QString& row : a) {
        if (!b.contains(row)) {
            return QStringLiteral("the table holds a record the disk does not: ") + row;
        }
    }
    for (const QString& row : b) {
        if (!a.contains(row)) {
            return QStringLiteral("the disk holds a record the table does not: ") + row;
        }
    }
    if (a != b) {
        return QStringLiteral("the table holds %1 records, the disk %2")
            .arg(a.size())
            .arg(b.size());
    }
    return QString();
}

SweepResult SweepCommandFaults(const QString& folder, const FolderSnapshot& data,
                               const SweepCommand& command, FaultPattern pattern) {
    const bool diskFull = pattern == FaultPattern::DiskFull;
    SweepResult result;
    FolderSnapshot before;
    FolderSnapshot after;
    {
        RestoreFolder(folder, data);
        TestContext context;
        const auto subject = command.make(folder, context);
        subject->Prepare();
        before = SnapshotFolder(folder);
        RunEnd end;
        {
            const FileFaultScope count;
            end = RunOnce(*subject, context);
            result.calls = count.Calls();
        }
        if (!end.message.isEmpty() || !end.fault.isEmpty()) {
            result.faults.append(QStringLiteral("the command fails without faults: ") +
                                 end.message + end.fault);
            return result;
        }
        after = SnapshotFolder(folder);
    }
    for (qint64 call = 1; call <= result.calls; ++call) {
        const int error =
            diskFull ? ENOSPC : kErrors[static_cast<std::size_t>(call) % kErrors.size()];
        const QString run = QStringLiteral("call %1 (%2): ").arg(call).arg(ErrorName(error));
        RestoreFolder(folder, data);
        TestContext context;
        const auto subject = command.make(folder, context);
        subject->Prepare();
        if (SnapshotFolder(folder) != before) {
            result.faults.append(run + QStringLiteral("the preparation is not repeatable"));
            continue;
        }
        RunEnd end;
        QString calledAt;
        std::vector<FileCallRecord> failed;
        {
            const FileFaultScope fault(
                {.atCall = call, .error = error, .persistent = diskFull, .spaceOnly = diskFull},
                true);
            end = RunOnce(*subject, context);
            if (!fault.Fired()) {
                result.faults.append(run + QStringLiteral("never reached"));
            } else {
                failed = FailedCalls(fault.Trace(), call, diskFull);
                const FileCallRecord& at = failed.front();
                calledAt = QStringLiteral("%1 %2: ").arg(FileCallName(at.call),
                                                         QDir(folder).relativeFilePath(at.path));
            }
        }
        ++result.faultsInjected;
        QStringList faults;
        if (!end.fault.isEmpty()) {
            faults.append(end.fault);
        }
        const bool reported = !end.message.isEmpty();
        if (reported) {
            faults += MessageFaults(end.message, failed, error, command.messagePrefixes);
        }
        if (command.recover) {
            command.recover(folder);
        } else {
            RecoverLeftSets(folder, command.groups);
        }
        faults += FilesFaults(before, after, SnapshotFolder(folder), command.groups, reported);
        const QString table = subject->TableVersusDisk();
        if (!table.isEmpty()) {
            faults.append(table);
        }
        for (const QString& fault : faults) {
            result.faults.append(run + calledAt + fault);
        }
    }
    return result;
}

} // namespace kiv5::test
