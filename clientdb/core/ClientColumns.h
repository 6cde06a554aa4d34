#pragma once

// The 22 columns of the client table as data, and what follows from them:
// the table's profile and the rows of a client in the save comparison.

#include "clientdb/core/NameRec.h"
#include "common/core/ColumnSchema.h"
#include "common/core/CompareRow.h"
#include "common/core/TableProfile.h"

#include <QList>
#include <QStringList>

namespace kiv5 {

ColumnSchema ClientColumns();

// Sorts ascending by upper-case text, flips the last sorted column's flag on
// a header click, finds only active clients, ignoring letter case.
TableProfile ClientTableProfile(HeaderRowReset reset = {});

// The "City/St/ZIP:" value: city, ", ", the state abbreviation, two blanks,
// the ZIP code.
QString MakeCityStateZip(const QString& city, const QString& stateAbbreviation,
                         const QString& zipCode);

// The values the comparison shows for one version, "Client No.:" to
// "Memo:": city, state and ZIP on one line, the memo as stored.
QStringList ClientCompareValues(const NameRec& rec);

// The comparison rows of one version: the labels of the entry form, city,
// state and ZIP on the one line "City/St/ZIP:", the memo word-wrapped.
QList<CompareRow> ClientCompareRows(const NameRec& rec);

} // namespace kiv5
