#pragma once

#include <QTextStream>

namespace kiv5::tool {

// Where a command writes: its results to out, messages and usage errors to
// err. The executable hands in standard output and error; tests hand in
// strings.
struct CommandIo {
    QTextStream& out;
    QTextStream& err;
};

// Exit codes of every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitDamaged = 1; // check found a damaged file
inline constexpr int kExitUsage = 2;   // bad arguments, or a file that cannot be used

} // namespace kiv5::tool
