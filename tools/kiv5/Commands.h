#pragma once

#include "common/core/Clock.h"
#include "tools/kiv5/CommandIo.h"

#include <QStringList>

namespace kiv5::tool {

// Runs one command line of the kiv5 companion (the arguments after the
// program name) and returns its exit code, writing to standard output and
// standard error.
int Run(const QStringList& arguments);

// The same, writing to the given streams and dating what it writes by the
// given clock. Error codes the core reports become lines on io.err.
int Run(const QStringList& arguments, CommandIo& io, const Clock& clock);

} // namespace kiv5::tool
