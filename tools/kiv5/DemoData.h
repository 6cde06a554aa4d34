#pragma once

// The records of the demo data set: made-up but plausible law-office data
// from a fixed-seed generator. Dates and stamps are taken relative to the
// clock (Today, Now), so with the same seed and the same day the data are
// the same.

#include "billing/core/DayRec.h"
#include "billing/core/ISRec.h"
#include "billing/core/TBillRec.h"
#include "books/core/ExpRec.h"
#include "books/core/IncRec.h"
#include "clientdb/core/NameRec.h"
#include "common/core/Clock.h"

#include <QStringList>
#include <vector>

namespace kiv5::tool {

inline constexpr quint32 kDemoSeed = 20240705;

struct DemoClient {
    NameRec record; // RecNo is the client's slot; Memo is left to the writer
    QString memo;   // as typed, lines ended by CR LF; may be longer than 255
};

// Clients for slots 1..count: about one in seventeen deleted (-2), a few
// marked, a fifth of them firms. Client numbers are YYMMDDNN of the days they
// were added, spread over the years before the clock's today, and unique.
// Every generator dates its records relative to the clock's today.
std::vector<DemoClient> MakeDemoClients(int count, const Clock& clock, quint32 seed = kDemoSeed);

// The name a bill or a ledger entry shows for a client: "First Last", or the
// last name alone for a firm.
QString DemoFullName(const NameRec& client);

// The clients that are not deleted.
std::vector<const DemoClient*> LiveClients(const std::vector<DemoClient>& clients);

// Receipts and disbursements dated over the last six months in file order,
// RecNo 1..count. Receipts come from live clients; some disbursements are
// charged to one.
std::vector<books::IncRec> MakeDemoIncome(const std::vector<DemoClient>& clients, int count,
                                          const Clock& clock, quint32 seed = kDemoSeed);
std::vector<books::ExpRec> MakeDemoExpenses(const std::vector<DemoClient>& clients, int count,
                                            const Clock& clock, quint32 seed = kDemoSeed);

// The lines of an itemized statement over the last month, RecNo = slot.
std::vector<billing::ISRec> MakeDemoStatement(int lines, qint64 hourlyRate, const Clock& clock,
                                              quint32 seed = kDemoSeed);

// The live clients that get the bills of MakeDemoBills, in bill order.
std::vector<const DemoClient*> DemoBillClients(const std::vector<DemoClient>& clients, int count);

// One bill each for `count` live clients (at most all of them), RecNo
// 1..count. The statements are attached in turn to the first bills (a second
// statement goes to the first bill too when there is only one bill).
std::vector<billing::TBillRec> MakeDemoBills(const std::vector<DemoClient>& clients, int count,
                                             const QStringList& statementPaths, const Clock& clock,
                                             quint32 seed = kDemoSeed);

// The weekdays of `weeks` weeks starting on the Sunday of last week, with
// appointments of live clients and office entries, in date order.
std::vector<billing::DayRec> MakeDemoDays(const std::vector<DemoClient>& clients, int weeks,
                                          const Clock& clock, quint32 seed = kDemoSeed);

QStringList DemoAccounts();
QStringList DemoCategories();
QStringList DemoDefaultCategories();

} // namespace kiv5::tool
