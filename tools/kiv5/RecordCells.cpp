#include "tools/kiv5/RecordCells.h"

#include "billing/core/BillRow.h"
#include "billing/core/CalendarBackupLine.h"
#include "billing/core/StatementRow.h"
#include "books/core/LedgerRow.h"
#include "clientdb/core/ClientRow.h"
#include "clientdb/core/ClientTable.h"

namespace kiv5::tool {
namespace {

// Row 0 of every table is its heading row and is never filled from a
// record, so each record is converted into row 1 of a scratch table.
constexpr int kScratchRow = 1;

RecordTable ScratchTable(RecordTable table) {
    table.SetRowCount(kScratchRow + 1);
    return table;
}

int AsInt(qint64 value) {
    return static_cast<int>(value);
}

template <class R> QStringList LedgerCells(QByteArrayView record, qint64 slot) {
    RecordTable table = ScratchTable(books::MakeLedgerTable());
    books::ConvertLedgerRecToStringGrid(table, DecodeRecord<R>(record), kScratchRow,
                                        AsInt(slot + 1));
    return table.Row(kScratchRow);
}

} // namespace

QStringList ClientCells(QByteArrayView record, qint64 slot) {
    RecordTable table = ScratchTable(MakeClientTable());
    ConvertNameRecToStringGrid(table, DecodeRecord<NameRec>(record), kScratchRow, AsInt(slot));
    return table.Row(kScratchRow);
}

QStringList IncomeCells(QByteArrayView record, qint64 slot) {
    return LedgerCells<books::IncRec>(record, slot);
}

QStringList ExpenseCells(QByteArrayView record, qint64 slot) {
    return LedgerCells<books::ExpRec>(record, slot);
}

QStringList BillCells(QByteArrayView record, qint64 slot) {
    RecordTable table = ScratchTable(billing::MakeBillTable());
    billing::ConvertBillRecToStringGrid(table, DecodeRecord<billing::TBillRec>(record), kScratchRow,
                                        AsInt(slot + 1));
    return table.Row(kScratchRow);
}

QStringList StatementCells(QByteArrayView record, qint64 /*slot*/) {
    RecordTable table = ScratchTable(billing::MakeStatementTable());
    billing::ConvertISRecToStringGrid(table, DecodeRecord<billing::ISRec>(record), kScratchRow);
    return table.Row(kScratchRow);
}

QStringList CalendarCells(QByteArrayView record, qint64 slot) {
    // The backup line keeps tabs out of its fields, so the split is exact.
    return billing::CalendarBackupLine(DecodeRecord<billing::DayRec>(record), slot)
        .split(QLatin1Char('\t'));
}

} // namespace kiv5::tool
