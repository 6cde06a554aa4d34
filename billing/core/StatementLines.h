#pragma once

// How a statement description is broken into document rows: word wrap in
// 10-point Arial Narrow on a column Trunc(96 x 4.98 x 0.95) = 454 pixels wide
// at 96 dots per inch. The bill's totalling pass counts the rows with this
// rule and the statement document lays them out with it, so both agree.

#include <QString>
#include <QStringList>

namespace kiv5::billing {

inline constexpr int kStatementColumnPixels = 454;
inline constexpr qreal kStatementPointSize = 10;

// "Arial Narrow" when it is installed; otherwise its metric twin "Liberation
// Sans Narrow" when that is, so that the rows come out as with Arial Narrow;
// otherwise "Arial Narrow" as the system substitutes it.
QString StatementFontFamily();

// The rows of a description as stored (line breaks as " | "), at least one;
// an empty description is one empty row. Needs a QGuiApplication for its
// fonts; without one the description is one row.
QStringList StatementDescriptionLines(const QString& description);

} // namespace kiv5::billing
