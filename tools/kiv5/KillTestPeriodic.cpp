#include "tools/kiv5/KillTestPeriodic.h"

#include "billing/core/BillPrintJobs.h"
#include "billing/core/BillingFile.h"
#include "billing/core/BillingWorkspace.h"
#include "common/core/Exceptions.h"
#include "common/core/FileIo.h"
#include "common/core/Misc.h"
#include "common/core/RecordFile.h"
#include "common/core/TextFile.h"
#include "tools/kiv5/DemoWorkspaces.h"
#include "tools/kiv5/KillTestWrite.h"

#include <algorithm>
#include <cmath>

namespace kiv5::tool {
namespace {

using namespace kiv5::billing;

constexpr int kDaysAhead = 365;
const QString kNextName = QStringLiteral("kiv5next.qy5");

// Past every date the demo set holds, so no other date of the document
// reads as a billing date.
DayCount FirstBillDate(const DemoSet& set) {
    double latest = 0;
    for (const TBillRec& bill : ReadAllRecords<TBillRec>(set.billFile)) {
        latest = std::max(latest, std::floor(bill.LastBill));
    }
    return latest + kDaysAhead;
}

// Every live bill is billed. Statements are left out: wrapping their lines
// needs fonts, which the kill-test process (no graphics) does not load.
void MarkEveryBill(RecordTable& table) {
    for (int row = 1; row < table.RowCount(); ++row) {
        table.SetCell(row, BillColumn::Mark, QStringLiteral("X"));
        for (int i = 0; i < kBillLines; ++i) {
            table.SetCell(row, BillColumn::FirstISPath + i, QString());
        }
    }
}

int DataGeneration(const QString& dataFile, DayCount first) {
    const auto bills = ReadAllRecords<TBillRec>(dataFile);
    if (bills.empty()) {
        return kMixed;
    }
    const double date = bills.front().LastBill;
    for (const TBillRec& bill : bills) {
        if (bill.LastBill != date) {
            return kMixed;
        }
    }
    return int(date - first) + 1;
}

// The generation whose billing date the document shows, looked for next
// to the data file's.
int DocumentGeneration(const QString& document, DayCount first, int near) {
    const QByteArray text = ReadFileBytes(document);
    if (!text.trimmed().endsWith('}')) {
        return kMixed;
    }
    for (const int generation : {near, near - 1, near + 1}) {
        if (generation >= 1 && text.contains(MakeTextDate(first + generation - 1).toLatin1())) {
            return generation;
        }
    }
    return kMixed;
}

} // namespace

void WritePeriodicGeneration(const DemoSet& set, int generation, const OfficeContext& context,
                             const std::function<void()>& beforeWrite) {
    BillingWorkspace ws(kKillTestScreenWidth, context);
    ConfigureForDemo(ws, set);
    ws.Open(FileNamePart(set.linkFile));
    MarkEveryBill(ws.Table());
    TAnswer answers(DocumentProgram::Billing);
    BillPrintJobs jobs(ws, context, answers);
    // The last bill's progress comes when every bill is printed and only
    // the three files are left to write.
    const PeriodicOutcome outcome =
        jobs.RunPeriodicBilling(kNextName, FirstBillDate(set) + generation - 1, [&](int percent) {
            if (percent == 100) {
                beforeWrite();
            }
        });
    if (!outcome.Written()) {
        throw IoError(outcome.check.IsOk() ? outcome.message : outcome.check.Text());
    }
}

QList<int> ReadPeriodicGenerations(const DemoSet& set, const OfficeContext& context) {
    BillingWorkspace ws(kKillTestScreenWidth, context);
    ConfigureForDemo(ws, set);
    ws.Open(kNextName);
    const QStringList files = PeriodicKillFiles(set);
    const DayCount first = FirstBillDate(set);
    const int data = DataGeneration(files[0], first);
    const bool linkWhole =
        ReadTextLines(files[1]) ==
        LinkFileLines(kNextName, ws.settings.PL5FileName, ws.settings.SU5FileName);
    return {data, linkWhole ? data : kMixed, DocumentGeneration(files[2], first, data)};
}

QStringList PeriodicKillFiles(const DemoSet& set) {
    return {BillDataPath(set.billingFolder, kNextName), BillLinkPath(set.billingFolder, kNextName),
            SelectedFormsPath(set.billingFolder, FileNamePart(set.linkFile))};
}

} // namespace kiv5::tool
