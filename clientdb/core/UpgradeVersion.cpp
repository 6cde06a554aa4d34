#include "clientdb/core/UpgradeVersion.h"

#include "common/core/Cp1252.h"
#include "common/core/Misc.h"

#include <cmath>

namespace kiv5 {
namespace {

constexpr qsizetype kMaxCharacters = 22;

} // namespace

std::optional<double> ReleaseNumber(QByteArrayView versionFile) {
    QByteArrayView head = versionFile.first(std::min(versionFile.size(), VERSIONFILEBYTES));
    if (const qsizetype zero = head.indexOf('\0'); zero >= 0) {
        head = head.first(zero);
    }
    const std::optional<double> number = TryParseFloat(FromCp1252(head).left(kMaxCharacters));
    if (!number || !std::isfinite(*number)) {
        return std::nullopt;
    }
    return number;
}

bool IsNewerRelease(double release, double running) {
    // Compared as doubles: a huge release number must not overflow an int.
    return std::trunc(release * 100.0) > std::trunc(running * 100.0);
}

} // namespace kiv5
