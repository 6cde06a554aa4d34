#pragma once

// Word wrap as a text box of a given width shows a text, measured in a named
// font at a fixed 96 dots per inch so that documents do not change with the
// screen they are made on.

#include <QString>
#include <QStringList>

namespace kiv5 {

// The dots per inch every wrap is measured at.
inline constexpr int kWrapDotsPerInch = 96;

// The lines a word-wrapping box widthInPixels wide shows for one paragraph
// (text without line breaks), in fontFamily at pointSize. Lines break at word
// boundaries, inside a word only when the word alone is wider than the box;
// the blanks a line ends with are dropped. An empty paragraph is one empty
// line. Needs a QGuiApplication for its fonts; without one the paragraph is
// one line.
QStringList WrapParagraph(const QString& paragraph, const QString& fontFamily, qreal pointSize,
                          qreal widthInPixels);

// Every paragraph of a text (split at CR LF, CR or LF) wrapped as above.
QStringList WrapText(const QString& text, const QString& fontFamily, qreal pointSize,
                     qreal widthInPixels);

} // namespace kiv5
