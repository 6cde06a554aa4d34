#pragma once

#include <QString>

namespace kiv5 {

// Data sets come from a system that ignores letter case in file names. When
// `path` does not exist but its folder holds a file whose name differs only
// in case ("KIV5.INC" for "kiv5.inc"), that file's path; otherwise `path`.
QString MatchFileNameCase(const QString& path);

} // namespace kiv5
