#pragma once

// Address labels: 30 a sheet (Avery 5160, template page 0) and 10 a sheet
// with the return address above each client (Avery 5163, template page 1),
// for the active clients (status 0) in the table's current order.

#include "clientdb/core/ClientDocument.h"

#include <QStringList>

namespace kiv5 {

inline constexpr char kLaserLabelsFileName[] = "Avery 5160 Laser Labels.RTF";
inline constexpr char kLaserLabels2FileName[] = "Avery 5163 Laser Labels.RTF";

// The address block of a row, as plain text: the name line (first name, a
// blank and the last name; the last name alone without a first name),
// address 1 and address 2, each left out when empty, then the city line
// (city, ", ", state, two blanks, ZIP), which is always there.
QStringList AddressBlock(const RecordTable& table, int row);

// The rows 1..n whose status is 0, in table order. Throws ConversionError
// for a status that does not read as an integer.
QList<int> ActiveClientRows(const RecordTable& table);

// Build the label document and write it; return its path. Throw IoError for
// a missing template (no document is written) and ConversionError for a
// status cell that does not read.
QString SendLaserLabels(const ClientDocumentSource& source, TAnswer& answers);
QString SendLaserLabels2(const ClientDocumentSource& source, TAnswer& answers);

} // namespace kiv5
