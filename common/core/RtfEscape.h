#pragma once

#include <QString>

namespace kiv5 {

// User text made safe to stand in an RTF document: "\", "{" and "}" get a
// backslash; characters above 127 become \'hh (their Windows-1252 byte) or,
// outside Windows-1252, \uN? with N the signed 16-bit code unit; control
// characters (C0, DEL and C1) are dropped. The result is plain ASCII.
// The programs' own RTF control words must not go through here.
QString EscapeRtf(const QString& text);

} // namespace kiv5
