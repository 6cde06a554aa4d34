#pragma once

// The lines a client's memo takes in the full printout: the memo as the
// main window's hidden text box shows it, 672 pixels wide in Arial 10 point.

#include <QString>
#include <QStringList>

namespace kiv5 {

inline constexpr int kMemoDisplayWidth = 672; // pixels at 96 dpi
inline constexpr qreal kMemoDisplayPointSize = 10;
QString MemoDisplayFontFamily(); // "Arial"

// The display lines of an encoded memo: the text, " | " and all, word-wrapped
// to the box. An empty memo gives no lines.
QStringList MemoDisplayLines(const QString& encodedMemo);

} // namespace kiv5
