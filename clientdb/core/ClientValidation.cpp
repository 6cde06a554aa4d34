#include "clientdb/core/ClientValidation.h"

#include "clientdb/core/ClientTable.h"
#include "clientdb/core/NameRec.h"

namespace kiv5 {
namespace {

constexpr int kClientNoCapacity = 8;

bool IsBlank(const QString& text) {
    return text.trimmed().isEmpty();
}

// Lower is preferred when several rows hold one client number.
int StatusRank(const RecordTable& table, int row) {
    const QString& status = table.Status(row);
    if (status == QLatin1String("0")) {
        return 0;
    }
    return status == QLatin1String("-2") ? 2 : 1;
}

} // namespace

int ValidateClientEntry(const RecordTable& table, int row, const ClientEntry& entry) {
    const QString& clientNo = entry.Text(ClientCol::ClientNo);
    if (IsBlank(clientNo)) {
        return 11060;
    }
    const QString stored = clientNo.left(kClientNoCapacity);
    const QString& recNo = table.Cell(row, ClientCol::RecNo);
    for (int other = 1; other < table.RowCount(); ++other) {
        if (other != row && table.Cell(other, ClientCol::ClientNo) == stored &&
            table.Cell(other, ClientCol::RecNo) != recNo) {
            return 11070;
        }
    }
    if (IsBlank(entry.Text(ClientCol::LastName))) {
        return 11110;
    }
    return 0;
}

int FindRowOfClientNo(const RecordTable& table, const QString& clientNo) {
    int found = 0;
    for (int row = 1; row < table.RowCount(); ++row) {
        if (table.Cell(row, ClientCol::ClientNo) != clientNo) {
            continue;
        }
        if (found == 0 || StatusRank(table, row) < StatusRank(table, found)) {
            found = row;
            if (StatusRank(table, row) == 0) {
                break;
            }
        }
    }
    return found;
}

} // namespace kiv5
