#include "billing/core/BillingFile.h"

#include "common/core/MatchFileNameCase.h"
#include "common/core/Misc.h"
#include "common/core/RecordSlot.h"
#include "common/core/TableFile.h"
#include "common/core/TextFile.h"

namespace kiv5::billing {
namespace {

QString BillMemberPath(const QString& filesDirectory, const QString& N, const char* extension) {
    return MatchFileNameCase(SlashAtEnd(filesDirectory) + StripExtension(FileNamePart(N)) +
                             QLatin1String(extension));
}

} // namespace

QString BillDataPath(const QString& filesDirectory, const QString& N) {
    return BillMemberPath(filesDirectory, N, ".bil");
}

QString BillLinkPath(const QString& filesDirectory, const QString& N) {
    return BillMemberPath(filesDirectory, N, ".qy5");
}

QStringList LinkFileLines(const QString& N, const QString& pl5FileName,
                          const QString& su5FileName) {
    // Only the file name part loses its extension: a "." in a folder name
    // stays.
    const QString stem = FolderPart(N) + StripExtension(FileNamePart(N));
    return {stem + QStringLiteral(".bil"), stem + QStringLiteral(".qy5"),
            stem + QStringLiteral(".cal"), pl5FileName, su5FileName};
}

void WriteLinkFile(const QString& filesDirectory, const QString& N, const QString& pl5FileName,
                   const QString& su5FileName) {
    WriteTextLines(BillLinkPath(filesDirectory, N), LinkFileLines(N, pl5FileName, su5FileName));
}

void ReadBillingFile(const QString& path, RecordTable& table) {
    ReadRecordsIntoTable<TBillRec>(path, table, [](RecordTable& t, const TBillRec& record, int k) {
        ConvertBillRecToStringGrid(t, record, k, k);
    });
}

TBillRec ReadBillRecord(const QString& path, int recNo) {
    return ReadRecordAtSlot<TBillRec>(path, qint64{recNo} - 1);
}

void WriteBillRecord(const QString& path, const TBillRec& record) {
    WriteRecordAtSlot(path, record, qint64{record.RecNo} - 1);
}

TBillRec WriteBillRow(const QString& path, const RecordTable& table, int row,
                      const ErrorSink& errors) {
    const TBillRec record = PopulateBillRec(table, row, errors);
    WriteBillRecord(path, record);
    return record;
}

int AppendBillRow(const QString& path, RecordTable& table, int row, const ErrorSink& errors) {
    TBillRec record = PopulateBillRec(table, row, errors);
    const qint64 slot = AppendRecordAtEnd<TBillRec>(path, [&record](qint64 at) {
        record.RecNo = static_cast<qint32>(at + 1);
        return record;
    });
    table.SetCell(row, BillColumn::RecNo, QString::number(slot + 1));
    return static_cast<int>(slot + 1);
}

void WriteBillingFile(const QString& path, RecordTable& table, const ErrorSink& errors) {
    WriteTableInFileOrder<TBillRec>(
        path, table, BillColumn::RecNo,
        [&errors](const RecordTable& t, int row) { return PopulateBillRec(t, row, errors); });
}

} // namespace kiv5::billing
