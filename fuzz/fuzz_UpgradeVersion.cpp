// The upgrade host's version file, compared with the running release.

#include "clientdb/core/UpgradeVersion.h"
#include "fuzz/FuzzSupport.h"

using namespace kiv5;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const auto release = ReleaseNumber(file)) {
        IsNewerRelease(*release, 5.21);
    }
    return 0;
}
