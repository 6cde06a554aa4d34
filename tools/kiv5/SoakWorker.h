#pragma once

// One user of the soak: opens the demo data set in the three programs'
// workspaces and gives `operations` commands picked at random (seeded):
// add, save, delete, select all or none, filter or cancel it, refresh, on
// clients, receipts, expenses and bills. Conflicts are resolved at random
// as the user would. Everything that came of it goes to the log.

#include "common/core/OfficeContext.h"
#include "tools/kiv5/DemoSet.h"

#include <QString>

namespace kiv5::tool {

struct SoakWork {
    int worker = 0;
    int operations = 0;
    quint32 seed = 0;
    QString logPath;
};

// Throws IoError when the data set cannot be opened or the log written;
// a command that fails is logged as an error and the work goes on.
void RunSoakWork(const DemoSet& set, const SoakWork& work, const OfficeContext& context);

// The version token of a worker's operation (at most 8 characters, so that
// it also serves as a new client's number).
QString SoakToken(int worker, int operation);

} // namespace kiv5::tool
