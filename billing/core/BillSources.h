#pragma once

// The files a bill is made from and the letterhead printed on it, as the
// billing program's settings name them.

#include "billing/core/BillingSettings.h"

#include <QString>
#include <array>

namespace kiv5::billing {

struct BillSources {
    QString incomePath;
    QString expensePath;
    // Empty when no client file is linked.
    QString clientPath;
    // Where a statement that is not at its own path is looked for.
    QString statementFolder;
    std::array<QString, CAPTIONLINES> captionLines;
};

// The linked bookkeeping set's ".inc" and ".exp" (SU5Directory and the file
// name part of SU5FileName without its extension), the linked client file
// (PL5Directory and the file name part of PL5FileName; none when that is
// empty), ISDirectory and the five caption lines. Names are matched without
// regard to letter case.
BillSources BillSourcesFromSettings(const BillingSettings& settings);

} // namespace kiv5::billing
