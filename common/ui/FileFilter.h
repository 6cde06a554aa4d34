#pragma once

#include <QString>
#include <QStringList>

namespace kiv5::ui {

// A stored filter "PL5 Name Files|*.PL5|All Files|*.*" as the name filters of
// a file dialog, "PL5 Name Files (*.PL5 *.pl5)". Data files written on
// Windows carry either case of their extension, so each pattern is offered in
// both. A text without "|" is taken as a name filter already.
QStringList ConvertFileFilter(const QString& filter);

} // namespace kiv5::ui
