// A calendar backup restored as quenby5 restores it: every line read, the
// calendar file written anew from them and indexed again.

#include "billing/core/CalendarBackup.h"
#include "billing/core/CalendarDayIndex.h"
#include "billing/core/CalendarFile.h"
#include "fuzz/FuzzSupport.h"

#include <QFileInfo>

using namespace kiv5;
using namespace kiv5::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString folder = FreshFolder();
    const QString backup = billing::CalendarBackupPath(folder, 1);
    WriteScratchFile(QFileInfo(backup).fileName(),
                     QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    Guarded([&] {
        billing::RestoreCalendarBackup(backup, folder, QuietContext());
        billing::CalendarDayIndex::Build(billing::CalendarFilePath(folder));
    });
    return 0;
}
