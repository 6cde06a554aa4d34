#pragma once

// The phone book (template page 2): every table row in the table's current
// order, deleted and filtered clients included, 150 entries a page, with the
// file's name, today's date and the page number in the heading.

#include "clientdb/core/ClientDocument.h"

namespace kiv5 {

inline constexpr char kPhoneBookFileName[] = "Phonebook.RTF";

// Pages for a table of rowCount rows including the header row: the first
// page holds rows 1-149, page m the rows 150m to 150m+149.
int PhoneBookPageCount(int rowCount);

// Builds the phone book and writes it; returns its path. Throws IoError for
// a missing template (no document is written).
QString SendPhoneBk(const ClientDocumentSource& source, TAnswer& answers);

} // namespace kiv5
