// A billing backup read back as quenby5's restore reads it: the listing
// (first part) and the rows text (second part).

#include "billing/core/BillingBackup.h"
#include "fuzz/FuzzSupport.h"

#include <QFileInfo>

using namespace kiv5;
using namespace kiv5::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QList<QByteArray> parts = SplitParts(data, size);
    const QString folder = FreshFolder();
    const billing::BillingBackupFiles files =
        billing::BillingBackupFilesFor(folder + QStringLiteral("fuzz.qy5"), 1);
    WriteScratchFile(QFileInfo(files.listing).fileName(), parts[0]);
    if (parts.size() > 1) {
        WriteScratchFile(QFileInfo(files.rows).fileName(), parts[1]);
    }
    Guarded([&] { billing::ReadBillingBackup(files.listing, QuietContext().clock); });
    return 0;
}
