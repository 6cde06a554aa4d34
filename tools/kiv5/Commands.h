#pragma once

#include <QStringList>

namespace kiv5::tool {

// Runs one command line of the kiv5 companion and returns its exit code.
int Run(const QStringList& arguments);

} // namespace kiv5::tool
