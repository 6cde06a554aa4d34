#pragma once

#include "common/core/OfficeContext.h"
#include "tools/kiv5/CommandIo.h"

#include <QStringList>

namespace kiv5::tool {

// The command's name, for the executable to know that it needs the
// graphics libraries (fonts) for it.
inline constexpr char kPrintCheckCommand[] = "print-check";

// kiv5 print-check --number N --date M/D/YYYY --payee TEXT --memo TEXT
//                  --amount TEXT --pdf FILE [--offset-x IN] [--offset-y IN]
// Writes the check page as sumora5 prints it into a PDF file. Needs a
// QGuiApplication.
int RunPrintCheck(const QStringList& arguments, CommandIo& io, const OfficeContext& context);

} // namespace kiv5::tool
