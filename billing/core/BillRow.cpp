#include "billing/core/BillRow.h"

#include "billing/core/BillMoney.h"
#include "billing/core/RemoveLineBreaksWithPipe.h"
#include "common/core/DateTime.h"
#include "common/core/Misc.h"
#include "common/core/NormalizeRecord.h"
#include "common/core/NumberFormat.h"

namespace kiv5::billing {
namespace {

constexpr int DescriptionColumn(int line) {
    return BillColumn::FirstDescription + 2 * line;
}
constexpr int AmountColumn(int line) {
    return BillColumn::FirstAmount + 2 * line;
}
constexpr int ISPathColumn(int line) {
    return BillColumn::FirstISPath + line;
}

QString MoneyCell(qint64 units) {
    return TrimLeadSpaces(FormatNumber("%12.2n", UnitsToMoney(units)));
}

QString StampCell(double stamp) {
    return FormatDateTime(stamp, Midnight::Omit);
}

} // namespace

RecordTable MakeBillTable() {
    return RecordTable(BillColumn::Count, BillColumn::Status);
}

void ConvertBillRecToStringGrid(RecordTable& table, const TBillRec& record, int row,
                                int recordNumber) {
    if (row == 0) {
        return;
    }
    Q_ASSERT(table.ColumnCount() == BillColumn::Count);
    QStringList& cells = table.Row(row);
    cells[BillColumn::Mark] = record.Selected ? QStringLiteral("X") : QString();
    cells[BillColumn::ClientNo] = record.ClientNo;
    cells[BillColumn::FullName] = record.FullName;
    cells[BillColumn::LastBill] = FormatShortDate(record.LastBill);
    cells[BillColumn::BalanceForward] = MoneyCell(record.BalanceForward);
    for (int line = 0; line < kBillLines; ++line) {
        const auto i = static_cast<std::size_t>(line);
        cells[DescriptionColumn(line)] = record.Description[i];
        cells[AmountColumn(line)] = MoneyCell(record.Amount[i]);
        cells[ISPathColumn(line)] = record.ISPath[i];
    }
    cells[BillColumn::Note] = record.Note;
    cells[BillColumn::Interest] = record.Interest ? QStringLiteral("Y") : QStringLiteral("N");
    cells[BillColumn::InterestRate] = ShortestDecimal(record.InterestRate);
    cells[BillColumn::PostTime] = StampCell(record.PostTime);
    cells[BillColumn::PullTime] = StampCell(record.PullTime);
    cells[BillColumn::RecNo] = QString::number(recordNumber);
    cells[BillColumn::Status] = QString::number(record.Status);
    table.ApplyStatusHeight(row);
}

TBillRec PopulateBillRec(const RecordTable& table, int row, const ErrorSink& errors) {
    const QStringList& cells = table.Row(row);
    TBillRec record;
    record.Selected = cells[BillColumn::Mark] == QLatin1String("X");
    record.ClientNo = cells[BillColumn::ClientNo];
    record.FullName = cells[BillColumn::FullName];
    record.LastBill = ParseDateTime(cells[BillColumn::LastBill]);
    record.BalanceForward = MoneyUnitsOf(cells[BillColumn::BalanceForward], errors);
    for (int line = 0; line < kBillLines; ++line) {
        const auto i = static_cast<std::size_t>(line);
        record.Description[i] = cells[DescriptionColumn(line)];
        record.Amount[i] = MoneyUnitsOf(cells[AmountColumn(line)], errors);
        record.ISPath[i] = cells[ISPathColumn(line)];
    }
    record.Note = RemoveLineBreaksWithPipe(cells[BillColumn::Note]);
    record.Interest = cells[BillColumn::Interest] == QLatin1String("Y");
    record.InterestRate = Str2Float_P(cells[BillColumn::InterestRate], errors);
    record.PostTime = ParseDateTime(cells[BillColumn::PostTime]);
    record.PullTime = ParseDateTime(cells[BillColumn::PullTime]);
    record.RecNo = ParseInteger(cells[BillColumn::RecNo]);
    record.Status = ParseInteger(cells[BillColumn::Status]);
    return NormalizeRecord(record);
}

void MakeBlankRow(RecordTable& table, int row, int recordNumber, const Clock& clock) {
    const QString lastBill =
        row <= 1 ? FormatShortDate(clock.Today()) : table.Cell(row - 1, BillColumn::LastBill);
    const QString stamp = StampCell(clock.Now());
    QStringList& cells = table.Row(row);
    for (int column = BillColumn::Mark; column <= BillColumn::Note; ++column) {
        cells[column].clear();
    }
    cells[BillColumn::LastBill] = lastBill;
    cells[BillColumn::BalanceForward] = QStringLiteral("0.00");
    for (int line = 0; line < kBillLines; ++line) {
        cells[AmountColumn(line)] = QStringLiteral("0.00");
    }
    cells[BillColumn::Interest] = QStringLiteral("N");
    cells[BillColumn::InterestRate] = QStringLiteral("0.00");
    cells[BillColumn::PostTime] = stamp;
    cells[BillColumn::PullTime] = stamp;
    if (recordNumber != -1) {
        cells[BillColumn::RecNo] = QString::number(recordNumber);
    }
    cells[BillColumn::Status] = QStringLiteral("0");
    table.SetHidden(row, false);
}

void DoWrite(RecordFile& file, const RecordTable& table, int row, const ErrorSink& errors) {
    file.WriteRecord(PopulateBillRec(table, row, errors));
}

} // namespace kiv5::billing
