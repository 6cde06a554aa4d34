#pragma once

// The upgrade host's version file and the comparison with the running
// release. The file begins with the released version in decimal ("5.22");
// only its first 23 bytes are read.

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace kiv5 {

// How many bytes of the version file are read.
inline constexpr qsizetype VERSIONFILEBYTES = 23;

// The release number at the start of a version file: its first 23 bytes as
// 8-bit text up to the first zero byte, at most 22 characters, read as a
// decimal number with a point (blanks around allowed). Nothing when that is
// no number.
std::optional<double> ReleaseNumber(QByteArrayView versionFile);

// A release is newer when its number times 100, truncated, is greater than
// the running version's (5.21 -> 521): 5.22 and 6 are newer than 5.21, 5.215
// is not.
bool IsNewerRelease(double release, double running);

} // namespace kiv5
