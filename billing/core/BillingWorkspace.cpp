#include "billing/core/BillingWorkspace.h"

#include "billing/core/BillColumns.h"
#include "billing/core/BillRow.h"

namespace kiv5::billing {

BillingFiles BillingFilesFor(const QString&, const QString&) {
    return {};
}

bool WarnsAboutNetwork(BillingSaveMode mode) {
    return mode == BillingSaveMode::SaveAs;
}

BillingWorkspace::BillingWorkspace(int width, const OfficeContext& context, QObject* parent)
    : QObject(parent), screenWidth(width), settings(BuiltInBillingSettings(width)),
      context_(context), table_(MakeBillTable()), profile_(BillTableProfile()), sort_(profile_) {}

BillingWorkspace::~BillingWorkspace() = default;

QString BillingWorkspace::Caption() const {
    return {};
}
void BillingWorkspace::SetCurrentRow(int row) {
    currentRow_ = row;
}
QString BillingWorkspace::HeaderCaption(int) const {
    return {};
}
BillingSettings BillingWorkspace::SettingsToStore() const {
    return settings;
}
void BillingWorkspace::SetAutomaticBackup(bool on) {
    settings.AutomaticBackupFlag = on;
}
QString BillingWorkspace::HourlyRateText() const {
    return {};
}
int BillingWorkspace::SetHourlyRate(const QString&) {
    return 0;
}
QString BillingWorkspace::ShorthandText(int) const {
    return {};
}
QStringList BillingWorkspace::ShorthandTexts() const {
    return {};
}
void BillingWorkspace::SetShorthandTexts(const QStringList&) {}
void BillingWorkspace::SetDefaultDirectory(int, const QString&) {}
QString BillingWorkspace::DataFileFor(const QString&) const {
    return {};
}
bool BillingWorkspace::DataFileExists(const QString&) const {
    return false;
}
void BillingWorkspace::Open(const QString&, const PercentProgress&) {}
QString BillingWorkspace::Reopen(int, const PercentProgress&) {
    return {};
}
void BillingWorkspace::New(const QString&, const PercentProgress&) {}
void BillingWorkspace::SaveAs(const QString&, const PercentProgress&) {}
AutomaticBackupOutcome BillingWorkspace::Close(const StepProgress&) {
    return {};
}
AutomaticBackupOutcome BillingWorkspace::ExitBackups(const StepProgress&) {
    return {};
}
BillingBackupFiles BillingWorkspace::MakeBillingBackup(const StepProgress&) {
    return {};
}
QString BillingWorkspace::MakeCalendarBackup(const StepProgress&) {
    return {};
}
void BillingWorkspace::RestoreBillingBackup(const QString&, const StepProgress&) {}
void BillingWorkspace::RestoreCalendarBackup(const QString&, const StepProgress&) {}
QString BillingWorkspace::CalendarFile() const {
    return {};
}
QString BillingWorkspace::ExportFileName() const {
    return {};
}
void BillingWorkspace::Export(const QString&, bool, const StepProgress&) const {}
void BillingWorkspace::SetPL5File(const QString&) {}
int BillingWorkspace::SetSU5File(const QString&) {
    return 0;
}
QString BillingWorkspace::ClientFile() const {
    return {};
}
bool BillingWorkspace::HasClientFile() const {
    return false;
}
std::optional<QStringList> BillingWorkspace::ClientListItems(const PercentProgress&) {
    return std::nullopt;
}
int BillingWorkspace::ClientItemOf(const QString&) const {
    return -1;
}
BillEntry BillingWorkspace::EntryOf(int) const {
    return {};
}
BillAddOutcome BillingWorkspace::Add() {
    return {11150, 0};
}
BillSaveOutcome BillingWorkspace::SaveBill(int, const BillEntry&) {
    return {};
}
int BillingWorkspace::ResolveConflict(const BillConflict&, bool) {
    return 0;
}
BillDeleteOutcome BillingWorkspace::Delete(int, bool) {
    return {};
}
bool BillingWorkspace::DeleteSelectedRow(int) {
    return false;
}
QList<int> BillingWorkspace::MarkedLiveRows() const {
    return {};
}
int BillingWorkspace::MoveTarget(BillMove, int) const {
    return 0;
}
void BillingWorkspace::ToggleMark(int) {}
void BillingWorkspace::SortByHeader(int, const PercentProgress&) {}
void BillingWorkspace::SortByBalanceDue(const PercentProgress&) {}
void BillingWorkspace::SortByName(const PercentProgress&) {}
void BillingWorkspace::SelectAll(bool, const PercentProgress&) {}
void BillingWorkspace::SetFilter(const BillFilterRec&, const PercentProgress&) {}
void BillingWorkspace::CancelFilter(const PercentProgress&) {}
std::optional<int> BillingWorkspace::NextMatch(const QString&, int) const {
    return std::nullopt;
}

void BillingWorkspace::Adopt(const QString&, const BillingFiles&, RecordTable) {}
void BillingWorkspace::Forget() {}
AutomaticBackupOutcome BillingWorkspace::AutomaticBackups(const StepProgress&) {
    return {};
}
void BillingWorkspace::ReSort() {}
int BillingWorkspace::RowOfRecNo(int) const {
    return 0;
}
bool BillingWorkspace::WriteWithStampTest(int) {
    return false;
}

} // namespace kiv5::billing
