#pragma once

#include <QString>

namespace kiv5::tool {

// The overview that "kiv5 --help" prints.
QString GeneralUsage();
// The help of one command ("dump", "check", "make-demo"); empty for any
// other name.
QString CommandUsage(const QString& command);

} // namespace kiv5::tool
