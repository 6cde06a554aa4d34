#include "clientdb/core/MakeBlankRow.h"

#include "clientdb/core/ClientRow.h"
#include "clientdb/core/ClientTable.h"
#include "common/core/DateTime.h"
#include "common/core/NumberFormat.h"

#include <QRandomGenerator>

namespace kiv5 {
namespace {

constexpr int kSubNoCount = 100;
constexpr int kMaxTries = 99;
constexpr int kRandomBound = 9999999;

void AdvanceSubNo(int& ClientSubNo) {
    ClientSubNo = (ClientSubNo + 1) % kSubNoCount;
}

QString DatePrefix(const QDate& today) {
    const QString year = FormatInteger("%.4d", today.year());
    return year.mid(2, 2) + FormatInteger("%.2d", today.month()) +
           FormatInteger("%.2d", today.day());
}

bool IsTakenByOtherRow(const RecordTable& table, int ARow, const QString& number) {
    for (int row = 1; row < table.RowCount(); ++row) {
        if (row != ARow && table.Cell(row, ClientCol::ClientNo) == number) {
            return true;
        }
    }
    return false;
}

} // namespace

QString GenerateClientNo(const RecordTable& table, int ARow, int& ClientSubNo, const Clock& clock) {
    if (ClientSubNo < 0 || ClientSubNo >= kSubNoCount) {
        ClientSubNo = 0;
    }
    const QString prefix = DatePrefix(clock.CurrentDateTime().date());
    for (int tries = 0;;) {
        const QString number = prefix + FormatInteger("%.2d", ClientSubNo);
        if (!IsTakenByOtherRow(table, ARow, number)) {
            return number;
        }
        AdvanceSubNo(ClientSubNo);
        if (++tries > kMaxTries) {
            break;
        }
    }
    const int random = static_cast<int>(QRandomGenerator::global()->bounded(kRandomBound));
    return QStringLiteral("Z") + QString::number(random);
}

void MakeBlankRow(RecordTable& table, int ARow, int ARecNo, bool AdvanceCSNFlag, int& ClientSubNo,
                  const Clock& clock) {
    table.SetCell(ARow, ClientCol::Indicator, QString());
    table.SetCell(ARow, ClientCol::Mark, QString());
    table.SetCell(ARow, ClientCol::ClientNo, GenerateClientNo(table, ARow, ClientSubNo, clock));
    if (AdvanceCSNFlag) {
        AdvanceSubNo(ClientSubNo);
    }
    for (int column = ClientCol::LastName; column <= ClientCol::Memo; ++column) {
        table.SetCell(ARow, column, QString());
    }
    const QString now = FormatClientStamp(clock.Now());
    table.SetCell(ARow, ClientCol::PostTime, now);
    table.SetCell(ARow, ClientCol::PullTime, now);
    if (ARecNo != -1) {
        table.SetCell(ARow, ClientCol::RecNo, QString::number(ARecNo));
    }
    table.SetCell(ARow, ClientCol::Status, QStringLiteral("0"));
    table.SetHidden(ARow, false);
}

} // namespace kiv5
