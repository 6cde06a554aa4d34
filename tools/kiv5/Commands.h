#pragma once

#include "tools/kiv5/CommandIo.h"

#include <QStringList>

namespace kiv5::tool {

// Runs one command line of the kiv5 companion (the arguments after the
// program name) and returns its exit code, writing to standard output and
// standard error.
int Run(const QStringList& arguments);

// The same, writing to the given streams.
int Run(const QStringList& arguments, CommandIo& io);

} // namespace kiv5::tool
