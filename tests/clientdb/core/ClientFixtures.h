#pragma once

// Client files for the tests, written straight through the codec.

#include "clientdb/core/ClientFileNames.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/core/NameRec.h"
#include "common/core/RecordFile.h"
#include "common/core/TextFile.h"
#include "tests/support/Support.h"

#include <vector>

namespace kiv5::test {

// 1/2/2025 at 10:00:00, the moment the fixture files were last written.
inline constexpr double kFixtureStamp = 45659.0 + 10.0 / 24.0;

inline NameRec FixtureClient(int slot, int status = kStatusActive) {
    NameRec rec;
    rec.ClientNo = QStringLiteral("C%1").arg(slot);
    rec.LastName = QStringLiteral("Last%1").arg(slot);
    rec.FirstName = QStringLiteral("First%1").arg(slot);
    rec.State = slot % 51;
    rec.PostTime = kFixtureStamp;
    rec.PullTime = kFixtureStamp;
    rec.RecNo = slot;
    rec.Status = status;
    return rec;
}

// A client file with slot 0 and clients in slots 1..statuses.size(), and a
// memo file whose line i reads "memo i" (line 0 empty).
inline ClientFiles WriteFixtureFiles(const TempFolder& folder, const QList<int>& statuses,
                                     const QString& name = QStringLiteral("clients.pl5")) {
    const ClientFiles files = ClientFilesFor(folder.Folder(), name);
    std::vector<NameRec> records{NameRec{}};
    QStringList memo{QString()};
    for (int slot = 1; slot <= statuses.size(); ++slot) {
        records.push_back(FixtureClient(slot, statuses[slot - 1]));
        memo.append(QStringLiteral("memo %1").arg(slot));
    }
    WriteAllRecords(files.clientFile, records);
    WriteTextLines(files.memoFile, memo);
    return files;
}

// The row that holds a slot, -1 when none does.
inline int RowOfSlot(const RecordTable& table, int slot) {
    for (int row = 1; row < table.RowCount(); ++row) {
        if (table.Cell(row, ClientCol::RecNo) == QString::number(slot)) {
            return row;
        }
    }
    return -1;
}

} // namespace kiv5::test
