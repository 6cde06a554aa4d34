#pragma once

// Where the document commands of the billing program (kiv5 bill, kiv5
// periodic) take a bill's inputs from: the bookkeeping set and the client
// file named on the command line, the statement folder given or the one the
// user's settings hold, and the letterhead lines of those settings.

#include "billing/core/BillSources.h"

#include <QString>
#include <optional>

namespace kiv5::tool {

billing::BillSources BillToolSources(const QString& books, const QString& clientFile,
                                     const std::optional<QString>& statementFolder);

} // namespace kiv5::tool
