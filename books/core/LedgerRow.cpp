#include "books/core/LedgerRow.h"

#include "common/core/DateTime.h"
#include "common/core/Misc.h"
#include "common/core/NormalizeRecord.h"
#include "common/core/NumberFormat.h"

namespace kiv5::books {
namespace {

// The receipt or check number after `previous`, empty when it is no integer.
QString NextNumber(const QString& previous) {
    const auto number = TryParseInteger(previous);
    return number ? QString::number(static_cast<qint64>(*number) + 1) : QString();
}

// The record of a row. A table row and a new record's row read the date and
// the amount differently; they are read in column order, so that a bad
// amount is reported before a bad stamp stops the reading.
template <class R, class ReadDate, class ReadAmount>
R ReadRow(const RecordTable& table, int row, ReadDate readDate, ReadAmount readAmount) {
    using T = LedgerTraits<R>;
    const QStringList& cells = table.Row(row);
    R record;
    record.Selected = cells[LedgerColumn::Mark] == QLatin1String("X");
    record.*T::kNumber = cells[LedgerColumn::Number];
    record.ClientNo = cells[LedgerColumn::ClientNo];
    record.*T::kParty = cells[LedgerColumn::Party];
    record.Description = cells[LedgerColumn::Description];
    record.Category = cells[LedgerColumn::Category];
    record.Account = cells[LedgerColumn::Account];
    record.Code = cells[LedgerColumn::Code];
    record.Date = readDate(cells[LedgerColumn::Date]);
    record.Amount = MoneyToUnits(readAmount(cells[LedgerColumn::Amount]));
    record.PostTime = ParseDateTime(cells[LedgerColumn::PostTime]);
    record.PullTime = ParseDateTime(cells[LedgerColumn::PullTime]);
    record.RecNo = ParseInteger(cells[LedgerColumn::Position]);
    record.Status = ParseInteger(cells[LedgerColumn::Status]);
    return NormalizeRecord(record);
}

// The status cell; the three statuses in use share one text each.
QString StatusText(qint32 status) {
    switch (status) {
    case 0:
        return QStringLiteral("0");
    case -1:
        return QStringLiteral("-1");
    case -2:
        return QStringLiteral("-2");
    default:
        return QString::number(status);
    }
}

} // namespace

RecordTable MakeLedgerTable() {
    return RecordTable(LedgerColumn::Count, LedgerColumn::Status);
}

template <class R>
void ConvertLedgerRecToStringGrid(RecordTable& table, const R& record, int row, int position) {
    if (row == 0) {
        return;
    }
    using T = LedgerTraits<R>;
    Q_ASSERT(table.ColumnCount() == LedgerColumn::Count);
    QStringList& cells = table.Row(row);
    cells[LedgerColumn::Mark] = record.Selected ? QStringLiteral("X") : QString();
    cells[LedgerColumn::Number] = record.*T::kNumber;
    cells[LedgerColumn::Date] = FormatShortDate(record.Date);
    cells[LedgerColumn::ClientNo] = record.ClientNo;
    cells[LedgerColumn::Party] = record.*T::kParty;
    cells[LedgerColumn::Description] = record.Description;
    cells[LedgerColumn::Category] = record.Category;
    cells[LedgerColumn::Account] = record.Account;
    cells[LedgerColumn::Code] = record.Code;
    cells[LedgerColumn::Amount] = FormatMoneyUnits(record.Amount);
    cells[LedgerColumn::PostTime] = FormatDateTime(record.PostTime, Midnight::Show);
    cells[LedgerColumn::PullTime] = FormatDateTime(record.PullTime, Midnight::Show);
    cells[LedgerColumn::Position] = QString::number(position);
    cells[LedgerColumn::Status] = StatusText(record.Status);
    table.ApplyStatusHeight(row);
}

template <class R> LedgerRowFiller<R>::LedgerRowFiller() {
    cells_.resize(LedgerColumn::Count);
}

template <class R>
void LedgerRowFiller<R>::Fill(RecordTable& table, const R& record, int row, int position) {
    if (row == 0) {
        return;
    }
    using T = LedgerTraits<R>;
    const R& b = before_;
    const bool fresh = !filled_;
    // The cell of the row before when the value is the same, else made anew.
    const auto keep = [&](int column, bool same, const auto& make) -> const QString& {
        QString& cell = cells_[column];
        if (fresh || !same) {
            cell = make();
        }
        return cell;
    };
    const auto text = [&](int column, const QString& value, const QString& before) {
        return keep(column, value == before, [&] { return value; });
    };
    QStringList& cells = table.Row(row);
    cells[LedgerColumn::Mark] = record.Selected ? QStringLiteral("X") : QString();
    cells[LedgerColumn::Number] = record.*T::kNumber;
    cells[LedgerColumn::Date] = keep(LedgerColumn::Date, record.Date == b.Date,
                                     [&] { return FormatShortDate(record.Date); });
    cells[LedgerColumn::ClientNo] = text(LedgerColumn::ClientNo, record.ClientNo, b.ClientNo);
    cells[LedgerColumn::Party] = text(LedgerColumn::Party, record.*T::kParty, b.*T::kParty);
    cells[LedgerColumn::Description] =
        text(LedgerColumn::Description, record.Description, b.Description);
    cells[LedgerColumn::Category] = text(LedgerColumn::Category, record.Category, b.Category);
    cells[LedgerColumn::Account] = text(LedgerColumn::Account, record.Account, b.Account);
    cells[LedgerColumn::Code] = text(LedgerColumn::Code, record.Code, b.Code);
    cells[LedgerColumn::Amount] = FormatMoneyUnits(record.Amount);
    cells[LedgerColumn::PostTime] =
        keep(LedgerColumn::PostTime, record.PostTime == b.PostTime,
             [&] { return FormatDateTime(record.PostTime, Midnight::Show); });
    cells[LedgerColumn::PullTime] =
        keep(LedgerColumn::PullTime, record.PullTime == b.PullTime,
             [&] { return FormatDateTime(record.PullTime, Midnight::Show); });
    cells[LedgerColumn::Position] = QString::number(position);
    cells[LedgerColumn::Status] = StatusText(record.Status);
    table.ApplyStatusHeight(row);
    before_ = record;
    filled_ = true;
}

template <class R> R PopulateLedgerRec(const RecordTable& table, int row, const ErrorSink& errors) {
    return ReadRow<R>(table, row, ParseDateTime,
                      [&errors](const QString& cell) { return Str2Float_2(cell, errors); });
}

template <class R> R PopulateLedgerRecForWrite(const RecordTable& table, int row) {
    return ReadRow<R>(table, row, ParseDate, ParseFloat);
}

template <class R> void DoLedgerWrite(RecordFile& file, const RecordTable& table, int row) {
    file.WriteRecord(PopulateLedgerRecForWrite<R>(table, row));
}

void MakeBlankLedgerRow(RecordTable& table, int row, int position, const Clock& clock) {
    const QString number =
        row >= 2 ? NextNumber(table.Cell(row - 1, LedgerColumn::Number)) : QString();
    const QString date =
        row < 2 ? FormatShortDate(clock.Today()) : table.Cell(row - 1, LedgerColumn::Date);
    const QString stamp = FormatDateTime(clock.Now(), Midnight::Show);
    QStringList& cells = table.Row(row);
    for (int column = LedgerColumn::Mark; column <= LedgerColumn::Code; ++column) {
        cells[column].clear();
    }
    cells[LedgerColumn::Number] = number;
    cells[LedgerColumn::Date] = date;
    cells[LedgerColumn::Amount] = QStringLiteral("0.00");
    cells[LedgerColumn::PostTime] = stamp;
    cells[LedgerColumn::PullTime] = stamp;
    if (position != -1) {
        cells[LedgerColumn::Position] = QString::number(position);
    }
    cells[LedgerColumn::Status] = QStringLiteral("0");
    table.SetHidden(row, false);
}

template class LedgerRowFiller<IncRec>;
template class LedgerRowFiller<ExpRec>;
template void ConvertLedgerRecToStringGrid(RecordTable&, const IncRec&, int, int);
template void ConvertLedgerRecToStringGrid(RecordTable&, const ExpRec&, int, int);
template IncRec PopulateLedgerRec<IncRec>(const RecordTable&, int, const ErrorSink&);
template ExpRec PopulateLedgerRec<ExpRec>(const RecordTable&, int, const ErrorSink&);
template IncRec PopulateLedgerRecForWrite<IncRec>(const RecordTable&, int);
template ExpRec PopulateLedgerRecForWrite<ExpRec>(const RecordTable&, int);
template void DoLedgerWrite<IncRec>(RecordFile&, const RecordTable&, int);
template void DoLedgerWrite<ExpRec>(RecordFile&, const RecordTable&, int);

} // namespace kiv5::books
