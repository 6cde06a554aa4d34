#pragma once

// The command-line tool's readers of a record file: check (every fault of
// every slot, the memo file of a client file) and dump (every slot's cells).

#include <QString>

namespace kiv5::fuzz {

void CheckAndDump(const QString& path);

} // namespace kiv5::fuzz
