#pragma once

#include "common/core/ErrorCatalogue.h"

#include <QString>

namespace kiv5::ui {

// The suite's version and each program's own.
inline constexpr double KIVVERSNO = 5.21;
double ProgramVersion(Program program);

// "Pellary5", "Sumora5" or "Quenby5".
QString ProgramTitle(Program program);

// A version as the pattern "#.##" writes it: at most two decimals, no
// trailing zeros, no leading zero before the point (5.10 -> "5.1").
QString FormatVersion(double version);

// The about box's version line, " Pellary5 - KIV Version 5.21; PL5 Version
// 5.09" for the client program, " Sumora5 - Version 5.06" ...
QString VersionLine(Program program);

} // namespace kiv5::ui
