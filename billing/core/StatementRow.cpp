#include "billing/core/StatementRow.h"

#include "billing/core/RemoveLineBreaksWithPipe.h"
#include "common/core/DateTime.h"
#include "common/core/Misc.h"
#include "common/core/NormalizeRecord.h"
#include "common/core/NumberFormat.h"

namespace kiv5::billing {
namespace {

QString StampCell(double stamp) {
    return FormatDateTime(stamp, Midnight::Omit);
}

// Hours as the worksheet loads them: right-aligned in 14 characters.
QString TimeCell(double hours) {
    return TrimStr(FormatNumber("%14.2n", hours));
}

// A number of hours may carry thousands separators ("1,250.00"); anything
// else that is no plain number is refused.
double ParseHours(const QString& text) {
    QString plain = text;
    plain.remove(QLatin1Char(','));
    return ParseFloat(plain);
}

} // namespace

RecordTable MakeStatementTable() {
    return RecordTable(ISColumn::Count, ISColumn::Status);
}

void ConvertISRecToStringGrid(RecordTable& table, const ISRec& record, int row) {
    if (row == 0) {
        return;
    }
    Q_ASSERT(table.ColumnCount() == ISColumn::Count);
    QStringList& cells = table.Row(row);
    cells[ISColumn::Mark] = record.Selected ? QStringLiteral("X") : QString();
    cells[ISColumn::ServiceDate] = FormatShortDate(record.ServiceDate);
    cells[ISColumn::ServiceDescription] = record.ServiceDescription;
    cells[ISColumn::TimeSpent] = TimeCell(record.TimeSpent);
    cells[ISColumn::HourlyRate] =
        TrimLeadSpaces(FormatNumber("%12.2n", UnitsToMoney(record.HourlyRate)));
    cells[ISColumn::PostTime] = StampCell(record.PostTime);
    cells[ISColumn::PullTime] = StampCell(record.PullTime);
    cells[ISColumn::RecNo] = QString::number(record.RecNo);
    cells[ISColumn::Status] = QString::number(record.Status);
    table.ApplyStatusHeight(row);
}

ISRec PopulateISRec(const RecordTable& table, int row, const ErrorSink& errors) {
    const QStringList& cells = table.Row(row);
    ISRec record;
    record.Selected = cells[ISColumn::Mark] == QLatin1String("X");
    record.ServiceDate = ParseDateTime(cells[ISColumn::ServiceDate]);
    record.ServiceDescription = RemoveLineBreaksWithPipe(cells[ISColumn::ServiceDescription]);
    record.TimeSpent = ParseHours(cells[ISColumn::TimeSpent]);
    record.HourlyRate = MoneyToUnits(Str2Float_2(cells[ISColumn::HourlyRate], errors));
    record.PostTime = ParseDateTime(cells[ISColumn::PostTime]);
    record.PullTime = ParseDateTime(cells[ISColumn::PullTime]);
    record.RecNo = ParseInteger(cells[ISColumn::RecNo]);
    record.Status = ParseInteger(cells[ISColumn::Status]);
    return NormalizeRecord(record);
}

void MakeBlankISRow(RecordTable& table, int row, int recordNumber, double hourlyRate,
                    const Clock& clock) {
    const QString date =
        row <= 1 ? FormatShortDate(clock.Today()) : table.Cell(row - 1, ISColumn::ServiceDate);
    const QString stamp = StampCell(clock.Now());
    QStringList& cells = table.Row(row);
    cells[ISColumn::Mark] = QStringLiteral("X");
    cells[ISColumn::ServiceDate] = date;
    cells[ISColumn::ServiceDescription].clear();
    cells[ISColumn::TimeSpent] = QStringLiteral("0.00");
    cells[ISColumn::HourlyRate] = TrimStr(FormatNumber("%14.2n", hourlyRate));
    cells[ISColumn::PostTime] = stamp;
    cells[ISColumn::PullTime] = stamp;
    if (recordNumber != -1) {
        cells[ISColumn::RecNo] = QString::number(recordNumber);
    }
    cells[ISColumn::Status] = QStringLiteral("0");
    table.SetHidden(row, false);
}

void DoISWrite(RecordFile& file, const RecordTable& table, int row, const ErrorSink& errors) {
    file.WriteRecord(PopulateISRec(table, row, errors));
}

QString StatementBackupLine(const RecordTable& table, int row) {
    const QStringList& cells = table.Row(row);
    const QStringList fields = {QString(),
                                cells[ISColumn::ServiceDate],
                                cells[ISColumn::ServiceDescription],
                                cells[ISColumn::TimeSpent],
                                RemoveCommasAndSigns(cells[ISColumn::HourlyRate]),
                                cells[ISColumn::PostTime],
                                cells[ISColumn::PullTime],
                                cells[ISColumn::RecNo],
                                cells[ISColumn::Status]};
    return fields.join(QLatin1Char('\t'));
}

void FillISRowFromBackupLine(RecordTable& table, int row, const QString& line, int recordNumber,
                             const Clock& clock) {
    const QStringList fields = line.split(QLatin1Char('\t'));
    const QString stamp = StampCell(clock.Now());
    QStringList& cells = table.Row(row);
    for (int column = ISColumn::Mark; column <= ISColumn::HourlyRate; ++column) {
        cells[column] = fields.value(column);
    }
    cells[ISColumn::PostTime] = stamp;
    cells[ISColumn::PullTime] = stamp;
    cells[ISColumn::RecNo] = QString::number(recordNumber);
    cells[ISColumn::Status] = QStringLiteral("0");
    table.SetHidden(row, false);
}

} // namespace kiv5::billing
