#include "tools/kiv5/DemoFiles.h"

#include "billing/core/BillingFile.h"
#include "billing/core/StatementRow.h"
#include "books/core/LedgerFile.h"
#include "clientdb/core/ClientFile.h"
#include "clientdb/core/ClientRow.h"
#include "clientdb/core/ClientTable.h"
#include "common/core/RecordFile.h"

namespace kiv5::tool {
namespace {

template <class R>
void WriteLedger(const QString& path, const std::vector<R>& records, const ErrorSink& errors) {
    RecordTable table = books::MakeLedgerTable();
    table.SetRowCount(static_cast<int>(records.size()) + 1);
    for (std::size_t k = 0; k < records.size(); ++k) {
        const int row = static_cast<int>(k + 1);
        books::ConvertLedgerRecToStringGrid(table, records[k], row, row);
    }
    books::WriteLedgerFile<R>(path, table, errors);
}

} // namespace

void WriteDemoClientFiles(const ClientFiles& files, const std::vector<DemoClient>& clients,
                          const Clock& clock) {
    RecordTable table = MakeClientTable();
    table.SetRowCount(static_cast<int>(clients.size()) + 1);
    MemoList memo(table.RowCount());
    for (const DemoClient& client : clients) {
        const int row = client.record.RecNo;
        ConvertNameRecToStringGrid(table, client.record, row, row);
        StoreMemoOverflow(table, row, client.memo, memo);
    }
    SaveClientFiles(files, table, memo, clock);
}

void WriteDemoIncomeFile(const QString& path, const std::vector<books::IncRec>& records,
                         const ErrorSink& errors) {
    WriteLedger(path, records, errors);
}

void WriteDemoExpenseFile(const QString& path, const std::vector<books::ExpRec>& records,
                          const ErrorSink& errors) {
    WriteLedger(path, records, errors);
}

void WriteDemoBillingFile(const QString& path, const std::vector<billing::TBillRec>& records,
                          const ErrorSink& errors) {
    RecordTable table = billing::MakeBillTable();
    table.SetRowCount(static_cast<int>(records.size()) + 1);
    for (std::size_t k = 0; k < records.size(); ++k) {
        const int row = static_cast<int>(k + 1);
        billing::ConvertBillRecToStringGrid(table, records[k], row, row);
    }
    billing::WriteBillingFile(path, table, errors);
}

void WriteDemoStatementFile(const QString& path, const std::vector<billing::ISRec>& records,
                            const ErrorSink& errors) {
    // Lines go through the worksheet's row so they hold what it would save.
    RecordTable table = billing::MakeStatementTable();
    table.SetRowCount(static_cast<int>(records.size()) + 1);
    std::vector<billing::ISRec> lines;
    for (std::size_t k = 0; k < records.size(); ++k) {
        const int row = static_cast<int>(k + 1);
        billing::ConvertISRecToStringGrid(table, records[k], row);
        lines.push_back(billing::PopulateISRec(table, row, errors));
    }
    WriteAllRecords(path, lines);
}

void WriteDemoCalendar(const QString& path, const std::vector<billing::DayRec>& days) {
    // One record per day in date order, as the calendar stores new days; the
    // whole file is replaced at once.
    WriteAllRecords(path, days);
}

} // namespace kiv5::tool
