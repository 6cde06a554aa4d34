#pragma once

// The I/O-error sweep: a command runs once over a fresh copy of a data folder
// to count its file calls, then once more for every call, that call failing
// with a system error. Each run must end with a clear message (an I/O error
// naming the failed file and the system's reason, an error window code, or
// an outcome), leave every file byte-identical to before or to the completed
// result, never mix old and new members of files that belong together, leave
// no stray files, and keep the open tables agreeing with the disk.

#include "common/core/RecordTable.h"
#include "tests/support/Support.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace kiv5::test {

// Every file below a folder: path relative to it -> bytes.
using FolderSnapshot = QMap<QString, QByteArray>;
FolderSnapshot SnapshotFolder(const QString& folder);
// Empties the folder and writes the snapshot's files into it.
void RestoreFolder(const QString& folder, const FolderSnapshot& snapshot);

// One command under the sweep, made afresh for every run.
class SweepSubject {
public:
    virtual ~SweepSubject() = default;
    // Opens what the command works on; not swept.
    virtual void Prepare() = 0;
    // The command. Throws what it throws; returns a non-empty text when its
    // outcome reports a failure (refused, conflict ...).
    virtual QString Run() = 0;
    // Where the tables the workspace holds differ from the disk read afresh;
    // empty when they agree (or nothing is open).
    virtual QString TableVersusDisk() = 0;
};

using MakeSubject =
    std::function<std::unique_ptr<SweepSubject>(const QString& folder, TestContext& context)>;

struct SweepCommand {
    QString name;
    MakeSubject make;
    // Files (relative paths) that are replaced together: all old or all new.
    QList<QStringList> groups;
    // What the next open does with what a failed run left (the folder's
    // path given); none: every group's left replacement is finished.
    std::function<void(const QString& folder)> recover;
    // Texts a message may begin with before the file layer's "Cannot ...".
    QStringList messagePrefixes;
};

inline SweepCommand MakeSweepCommand(const QString& name, MakeSubject make,
                                     QList<QStringList> groups = {}) {
    SweepCommand command;
    command.name = name;
    command.make = std::move(make);
    command.groups = std::move(groups);
    return command;
}

struct SweepResult {
    qint64 calls = 0;       // file calls of the command's completed run
    int faultsInjected = 0; // runs with one call failing
    QStringList faults;     // what went wrong, one line per run and kind
};

// How the injected faults fall: one call fails (its error EIO, ENOSPC and
// EACCES in turn), or the disk is full from that call on (ENOSPC for every
// later call that needs space, the clean-up's included; the checks run once
// space is back, after the next open's recovery).
enum class FaultPattern { OneCall, DiskFull };

// data: the folder's files before each run, written into folder (a fixed
// path, so stored paths stay valid).
SweepResult SweepCommandFaults(const QString& folder, const FolderSnapshot& data,
                               const SweepCommand& command,
                               FaultPattern pattern = FaultPattern::OneCall);

// Every row of a table after the heading, its cells joined, in row order.
QStringList TableRows(const RecordTable& table);

// Where two tables hold different records (row order aside): the first
// record only one of them holds; empty when they agree.
QString CompareTables(const RecordTable& held, const RecordTable& fresh);

} // namespace kiv5::test
