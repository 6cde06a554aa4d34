#pragma once

// Periodic billing as the crash runs interrupt it: quenby5's command on the
// demo billing file with every live bill marked, writing the next period's
// data file, its link file and the document as one unit. Each generation
// bills a day later (a year past the bills' latest billing date, plus the
// generation), so the date in the new records and in the document tells a
// fresh open which run wrote them.

#include "common/core/OfficeContext.h"
#include "tools/kiv5/DemoSet.h"

#include <QList>
#include <QStringList>
#include <functional>

namespace kiv5::tool {

// Marks the bills, prints them dated for `generation`, calls beforeWrite
// when only the writing of the three files is left, and writes them.
// Throws IoError or ConversionError as the command does.
void WritePeriodicGeneration(const DemoSet& set, int generation, const OfficeContext& context,
                             const std::function<void()>& beforeWrite);

// Opens the next period's file as quenby5 does (finishing a replacement a
// crash interrupted) and returns the generation of the data file, the link
// file and the document (kMixed when a member disagrees with itself).
QList<int> ReadPeriodicGenerations(const DemoSet& set, const OfficeContext& context);

// The next period's data file, its link file and the document.
QStringList PeriodicKillFiles(const DemoSet& set);

} // namespace kiv5::tool
