#include "billing/core/BillingBackup.h"

#include "billing/core/BillRow.h"

namespace kiv5::billing {

int NextBackupCounter(int counter) {
    return counter >= kBackupGenerations || counter < 0 ? 1 : counter + 1;
}

BillingBackupFiles BillingBackupFilesFor(const QString&, int) {
    return {};
}

BillingBackupFiles MakeBillingBackup(const RecordTable&, const QString&, int, const StepProgress&) {
    return {};
}

BackupName SplitBackupName(const QString&) {
    return {};
}

RestoredBilling ReadBillingBackup(const QString&, const Clock&, const StepProgress&) {
    return {MakeBillTable(), {}};
}

void ExportBills(const QString&, const RecordTable&, bool, const StepProgress&) {}

} // namespace kiv5::billing
