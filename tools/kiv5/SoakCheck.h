#pragma once

// The check after a soak: every add present exactly once, every file whole
// (kiv5 check finds nothing), every record's versions one unbroken chain of
// the writes the users were told had succeeded (a write that replaced a
// version its writer never saw is a lost update), no lock file left.

#include "common/core/OfficeContext.h"
#include "tools/kiv5/DemoSet.h"
#include "tools/kiv5/SoakLog.h"

#include <QMap>
#include <QStringList>

namespace kiv5::tool {

// Each kind of record's slots and the version each holds.
using SoakSnapshot = QMap<QString, QMap<int, QString>>;

// Opens the data set afresh, as a new user would.
SoakSnapshot TakeSoakSnapshot(const DemoSet& set, const OfficeContext& context);

struct SoakFigures {
    int processes = 0;
    int operations = 0;
    int adds = 0;
    int writes = 0;
    int conflicts = 0;
    int refusals = 0;
    int errors = 0;
    int recordsChecked = 0;
    int filesChecked = 0;
    int lostUpdates = 0;
    // Every fault found, one line each; none when the soak passed.
    QStringList problems;
    bool Passed() const { return problems.isEmpty(); }
};

SoakFigures CheckSoak(const DemoSet& set, const SoakSnapshot& before,
                      const QList<QList<SoakEvent>>& logs, const OfficeContext& context);

} // namespace kiv5::tool
