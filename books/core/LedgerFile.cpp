#include "books/core/LedgerFile.h"

#include "common/core/RecordSlot.h"
#include "common/core/TableFile.h"

namespace kiv5::books {

template <class R> void ReadLedgerFile(const QString& path, RecordTable& table) {
    LedgerRowFiller<R> filler;
    ReadRecordsIntoTable<R>(path, table, [&filler](RecordTable& t, const R& record, int k) {
        filler.Fill(t, record, k, k);
    });
}

template <class R> R ReadLedgerRecord(const QString& path, int position) {
    return ReadRecordAtSlot<R>(path, qint64{position} - 1);
}

template <class R> void WriteLedgerRecord(const QString& path, const R& record, int position) {
    WriteRecordAtSlot(path, record, qint64{position} - 1);
}

template <class R>
R WriteLedgerRow(const QString& path, const RecordTable& table, int row, const ErrorSink& errors) {
    const R record = PopulateLedgerRec<R>(table, row, errors);
    WriteLedgerRecord(path, record, record.RecNo);
    return record;
}

template <class R> int AppendLedgerRow(const QString& path, RecordTable& table, int row) {
    R record = PopulateLedgerRecForWrite<R>(table, row);
    const qint64 slot = AppendRecordAtEnd<R>(path, [&record](qint64 at) {
        record.RecNo = static_cast<qint32>(at + 1);
        return record;
    });
    table.SetCell(row, LedgerColumn::Position, QString::number(slot + 1));
    return static_cast<int>(slot + 1);
}

template <class R>
void WriteLedgerFile(const QString& path, RecordTable& table, const ErrorSink& errors) {
    WriteTableInFileOrder<R>(
        path, table, LedgerColumn::Position,
        [&errors](const RecordTable& t, int row) { return PopulateLedgerRec<R>(t, row, errors); });
}

template void ReadLedgerFile<IncRec>(const QString&, RecordTable&);
template void ReadLedgerFile<ExpRec>(const QString&, RecordTable&);
template IncRec ReadLedgerRecord<IncRec>(const QString&, int);
template ExpRec ReadLedgerRecord<ExpRec>(const QString&, int);
template void WriteLedgerRecord(const QString&, const IncRec&, int);
template void WriteLedgerRecord(const QString&, const ExpRec&, int);
template IncRec WriteLedgerRow<IncRec>(const QString&, const RecordTable&, int, const ErrorSink&);
template ExpRec WriteLedgerRow<ExpRec>(const QString&, const RecordTable&, int, const ErrorSink&);
template int AppendLedgerRow<IncRec>(const QString&, RecordTable&, int);
template int AppendLedgerRow<ExpRec>(const QString&, RecordTable&, int);
template void WriteLedgerFile<IncRec>(const QString&, RecordTable&, const ErrorSink&);
template void WriteLedgerFile<ExpRec>(const QString&, RecordTable&, const ErrorSink&);

} // namespace kiv5::books
