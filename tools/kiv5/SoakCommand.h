#pragma once

#include "common/core/OfficeContext.h"
#include "tools/kiv5/CommandIo.h"

#include <QStringList>

namespace kiv5::tool {

inline constexpr char kSoakCommand[] = "soak";

// kiv5 soak FOLDER [--processes P] [--ops N] [--seed S] [--clients C]
// Writes a demo data set into FOLDER, starts P processes of this program
// that work on it at once, then checks it. A process started with
// --worker K is one of those users.
int RunSoak(const QStringList& arguments, CommandIo& io, const OfficeContext& context);

QString SoakUsage();

} // namespace kiv5::tool
