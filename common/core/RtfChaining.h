#pragma once

// Chaining filled pages into one RTF document. A template's header runs from
// its start up to and including the marker "\'b7"; the rest is its body,
// ending with the document's closing "}". The marker must stand at the
// document's outer level (not inside a group) for the braces to balance.

#include <QString>

namespace kiv5 {

// The text after the header marker; the text unchanged when it has none.
QString StripRTFHeader(const QString& page);
bool HasRtfHeaderMarker(const QString& page);

// Appends a filled page to the document as a new page: the page's body after
// "\page ", without its trailing CR, LF and blanks and its closing "}"; the
// document loses its own trailing CR, LF, blanks and apostrophes and its
// closing "}" first, and ends with "}" again.
void AppendRtfPage(QString& MainBuf2, const QString& filledPage);

} // namespace kiv5
