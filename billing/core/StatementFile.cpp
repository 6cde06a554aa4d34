#include "billing/core/StatementFile.h"

#include "common/core/RecordSlot.h"
#include "common/core/TableFile.h"

namespace kiv5::billing {

void ReadStatementFile(const QString& path, RecordTable& table) {
    ReadRecordsIntoTable<ISRec>(path, table, [](RecordTable& t, const ISRec& record, int row) {
        ConvertISRecToStringGrid(t, record, row);
    });
}

ISRec ReadStatementLine(const QString& path, int slot) {
    return ReadRecordAtSlot<ISRec>(path, slot);
}

void WriteStatementLine(const QString& path, const ISRec& record) {
    WriteRecordAtSlot(path, record, record.RecNo);
}

ISRec WriteStatementRow(const QString& path, const RecordTable& table, int row,
                        const ErrorSink& errors) {
    const ISRec record = PopulateISRec(table, row, errors);
    WriteStatementLine(path, record);
    return record;
}

int AppendStatementRow(const QString& path, RecordTable& table, int row, const ErrorSink& errors) {
    ISRec record = PopulateISRec(table, row, errors);
    const qint64 slot = AppendRecordAtEnd<ISRec>(path, [&record](qint64 at) {
        record.RecNo = static_cast<qint32>(at);
        return record;
    });
    table.SetCell(row, ISColumn::RecNo, QString::number(slot));
    return static_cast<int>(slot);
}

} // namespace kiv5::billing
