#pragma once

#include "common/core/OfficeContext.h"
#include "tools/kiv5/CommandIo.h"

#include <QStringList>

namespace kiv5::tool {

// The command's name, for the executable to know that it needs fonts (the
// statement descriptions are wrapped as the program wraps them).
inline constexpr char kBillCommand[] = "bill";

// kiv5 bill BILLFILE --record N --date M/D/YYYY --clients CLIENTFILE
//           --books BASE --out FILE.rtf [--is-dir DIR] [--answers]
// Writes the document quenby5 prints for one bill dated M/D/YYYY: the bill's
// pages, then the pages of its attached statements. Needs a QGuiApplication.
int RunBill(const QStringList& arguments, CommandIo& io, const OfficeContext& context);

} // namespace kiv5::tool
