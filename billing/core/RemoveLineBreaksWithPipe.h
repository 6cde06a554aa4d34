#pragma once

#include <QString>

namespace kiv5::billing {

// The stored form of multi-line text: every CR LF becomes " | "
// (RemoveCRLFWithPipe), and so does a lone LF or CR, as editors on this
// platform deliver them. A stored text never holds a line break, so it never
// splits a line of a backup file.
QString RemoveLineBreaksWithPipe(const QString& text);

} // namespace kiv5::billing
