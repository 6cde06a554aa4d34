// A client backup restored as pellary5 restores it: the backup text (first
// part) and its memo file (second part), read and then written as the client
// file and memo file of the restore.

#include "clientdb/core/LoadBackup.h"
#include "clientdb/core/MakeBackup.h"
#include "common/core/Misc.h"
#include "fuzz/FuzzSupport.h"

using namespace kiv5;
using namespace kiv5::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QList<QByteArray> parts = SplitParts(data, size);
    const QString folder = FreshFolder();
    const QString backup = BackupTextPath(folder, QStringLiteral("fuzz.pl5"), 1);
    WriteScratchFile(FileNamePart(backup), parts[0]);
    if (parts.size() > 1) {
        WriteScratchFile(FileNamePart(BackupMemoFileFor(backup, folder)), parts[1]);
    }
    const Clock& clock = QuietContext().clock;
    Guarded([&] {
        RestoredBackup restored = LoadBackup(backup, folder, QString(), clock);
        SaveRestoredBackup(restored, clock);
    });
    return 0;
}
