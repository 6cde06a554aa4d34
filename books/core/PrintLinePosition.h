#pragma once

#include <QString>

namespace kiv5::books {

// The three characters of a position in the print-line language for a
// number of inches, rounded to hundredths and held to 0.00-61.99: 7.95 gives
// "795", 10 gives "A00".
QString PrintLinePosition(double inches);

} // namespace kiv5::books
