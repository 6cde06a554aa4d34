#pragma once

#include "common/ui/CompareDialog.h"

#include <QStringList>

namespace kiv5::ui {

// The captions of a client record in the comparison, in order: "Client No.:"
// to "Memo:".
const QStringList& ClientCompareCaptions();

// The "City/St/ZIP:" value: city, ", ", the state abbreviation, two blanks,
// the ZIP code.
QString MakeCityStateZip(const QString& city, const QString& stateAbbreviation,
                         const QString& zipCode);

// Rows of one client version from its values in the order of the captions
// (missing values show empty); the memo, as stored, is word-wrapped.
QList<CompareRow> MakeClientCompareRows(const QStringList& values);

} // namespace kiv5::ui
