#pragma once

// Writes demo records through the programs' own writers: each table is
// filled with the programs' record-to-row conversions and saved as the
// programs save it, so the files hold what the programs would store.

#include "clientdb/core/ClientFileNames.h"
#include "common/core/ErrorSink.h"
#include "tools/kiv5/DemoData.h"

namespace kiv5::tool {

// The client file (slot 0 the header record the whole-file save makes) and
// its memo file; memos longer than the record holds go to the memo file.
void WriteDemoClientFiles(const ClientFiles& files, const std::vector<DemoClient>& clients,
                          const Clock& clock);

void WriteDemoIncomeFile(const QString& path, const std::vector<books::IncRec>& records,
                         const ErrorSink& errors);
void WriteDemoExpenseFile(const QString& path, const std::vector<books::ExpRec>& records,
                          const ErrorSink& errors);
void WriteDemoBillingFile(const QString& path, const std::vector<billing::TBillRec>& records,
                          const ErrorSink& errors);
void WriteDemoStatementFile(const QString& path, const std::vector<billing::ISRec>& records,
                            const ErrorSink& errors);
// A new calendar file of these days, in their order.
void WriteDemoCalendar(const QString& path, const std::vector<billing::DayRec>& days);

} // namespace kiv5::tool
