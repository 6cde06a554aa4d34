#pragma once

#include <QString>

namespace kiv5 {

// The usual data folder of a program ("Pellary5", "Sumora5", "Quenby5"),
// ~/Orvanel/Tavrel/<Program>/ with a trailing separator.
QString UsualFolder(const QString& program);

// Creates a folder when it does not exist; false when that fails.
bool EnsureFolder(const QString& folder);

} // namespace kiv5
