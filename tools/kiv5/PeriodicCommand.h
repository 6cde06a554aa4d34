#pragma once

#include "common/core/OfficeContext.h"
#include "tools/kiv5/CommandIo.h"

#include <QStringList>

namespace kiv5::tool {

// The command's name, for the executable to know that it needs fonts.
inline constexpr char kPeriodicCommand[] = "periodic";

// kiv5 periodic BILLFILE --date M/D/YYYY --next NEW.bil --clients CLIENTFILE
//               --books BASE --out FILE.rtf [--is-dir DIR] [--pdf]
// Periodic billing of the marked bills of BILLFILE as quenby5's menu command
// does it: the document, and NEW.bil with its link file NEW.qy5 beside it.
// Needs a QGuiApplication.
int RunPeriodic(const QStringList& arguments, CommandIo& io, const OfficeContext& context);

// The usage text.
QString PeriodicUsage();

} // namespace kiv5::tool
