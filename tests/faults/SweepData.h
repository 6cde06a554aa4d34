#pragma once

// The data the sweeps work on: a small demo data set of the three programs
// (clients with memo lines, a bookkeeping set, bills, statements and a
// calendar), made once per test program in a fixed folder (in memory where
// the system offers a memory file system).

#include "tests/faults/FaultSweep.h"
#include "tools/kiv5/DemoSet.h"

#include <QTemporaryDir>

namespace kiv5::test {

inline constexpr int kSweepClients = 6;

class SweepData {
public:
    // clients: the size of the client file; the bookkeeping set and the
    // bills grow with it.
    explicit SweepData(int clients = kSweepClients);
    bool IsValid() const { return !files.isEmpty(); }

    // The folder the demo set lives in; every run starts from `files` there.
    QString folder;
    tool::DemoSet set;
    FolderSnapshot files;

    // A path as the sweep's file groups name it.
    QString Relative(const QString& path) const;

    SweepResult Sweep(const SweepCommand& command,
                      FaultPattern pattern = FaultPattern::OneCall) const;

private:
    QTemporaryDir root_;
};

// Fails the running test with every fault the sweep found, and prints the
// sweep's figures.
void ReportSweep(const SweepCommand& command, const SweepResult& result);

} // namespace kiv5::test
