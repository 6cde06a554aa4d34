// The bill commands of the billing main window and the entry form.

#include "billing/core/TBillRec.h"
#include "billing/ui/BillFilterDialog.h"
#include "billing/ui/QuenbyMainWindow.h"
#include "common/ui/CompareDialog.h"
#include "common/ui/DeleteRecordDialog.h"
#include "common/ui/Prompts.h"
#include "common/ui/RecordTableView.h"
#include "common/ui/WaitCursor.h"

namespace kiv5::billing::ui {
namespace {

const QString kChangeTitle = QStringLiteral("Record Change Warning!");
const QString kChangeText = QStringLiteral("Do You Want To Save Your Changes To This Record?");

} // namespace

std::optional<QStringList> QuenbyMainWindow::ClientListOrError() {
    std::optional<QStringList> clients;
    const bool read = RunWithProgress(
        QStringLiteral("Building Client List"),
        [&](const PercentProgress& progress) { clients = ws_.ClientListItems(progress); });
    if (!read) {
        return std::nullopt;
    }
    if (!clients) {
        ShowError(11150);
        return clients;
    }
    clients_ = *clients;
    return sortedClients_.Of(clients_);
}

QString QuenbyMainWindow::ClientItemText(const QString& clientNo) const {
    const int item = ws_.ClientItemOf(clientNo);
    return item >= 0 && item < clients_.size() ? clients_[item] : QString();
}

QuenbyMainWindow::Unsaved QuenbyMainWindow::ResolveUnsavedChanges() {
    if (!IsFormOpen() || !ws_.ModifiedRecord) {
        return Unsaved::Proceed;
    }
    switch (prompts_.Message(kChangeTitle, kChangeText,
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                             QMessageBox::Warning)) {
    case QMessageBox::Yes:
        return SaveBillCommand() ? Unsaved::Proceed : Unsaved::Stop;
    case QMessageBox::No:
        // Asked once: the changes are given up.
        ws_.ModifiedRecord = false;
        return Unsaved::Proceed;
    default:
        return Unsaved::Stop;
    }
}

bool QuenbyMainWindow::AskToSaveOnClose() {
    if (!ws_.ModifiedRecord) {
        return true;
    }
    switch (prompts_.Message(kChangeTitle, kChangeText,
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                             QMessageBox::Warning)) {
    case QMessageBox::Yes:
        return SaveBillCommand();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void QuenbyMainWindow::OpenEntryForm(int row, bool added) {
    if (IsFormOpen() || !ws_.HasRow(row)) {
        return;
    }
    const std::optional<QStringList> clients = ClientListOrError();
    if (!clients) {
        return;
    }
    auto* form = new BillEntryForm(*clients, ws_.ShorthandTexts(), context_.errors, this);
    form_ = form;
    form->SetPrintAvailable(printAvailable_);
    form->SetCloseGuard([this] { return AskToSaveOnClose(); });
    connect(form, &BillEntryForm::FirstClicked, this, [this] { FirstCommand(); });
    connect(form, &BillEntryForm::PriorClicked, this, [this] { PriorCommand(); });
    connect(form, &BillEntryForm::NextClicked, this, [this] { NextCommand(); });
    connect(form, &BillEntryForm::LastClicked, this, [this] { LastCommand(); });
    connect(form, &BillEntryForm::SaveClicked, this, [this] { SaveBillCommand(); });
    connect(form, &BillEntryForm::DeleteClicked, this, [this] { DeleteCommand(); });
    connect(form, &BillEntryForm::AddClicked, this, [this] { AddCommand(); });
    // The bill is printed as stored: changes are saved first or given up,
    // and the form then shows what is printed.
    connect(form, &BillEntryForm::PrintClicked, this, [this] {
        const bool changed = ws_.ModifiedRecord;
        if (ResolveUnsavedChanges() == Unsaved::Stop) {
            return;
        }
        if (changed) {
            ShowRowInForm(ws_.CurrentRow());
        }
        PrintCurrentBillCommand();
    });
    connect(form, &BillEntryForm::FindClicked, this, [this] {
        // A search from the form runs once the form is closed.
        if (form_) {
            form_->close();
        }
        if (!IsFormOpen()) {
            QMetaObject::invokeMethod(
                this, [this] { FastFindCommand(); }, Qt::QueuedConnection);
        }
    });
    connect(form, &BillEntryForm::CancelFindClicked, this, [this] { cancelSearch_ = true; });
    connect(form, &BillEntryForm::BrowsePathRequested, this,
            [this](int line) { BrowsePath(line); });
    connect(form, &BillEntryForm::Modified, this, [this] {
        ws_.ModifiedRecord = true;
        UpdateFormButtons();
    });
    ShowRowInForm(row);
    if (added) {
        ws_.ModifiedRecord = true;
        form->FocusClient();
        UpdateFormButtons();
    }
    prompts_.Exec(*form);
    ws_.ModifiedRecord = false;
    delete form;
}

void QuenbyMainWindow::ShowRowInForm(int row) {
    if (!form_ || !ws_.HasRow(row)) {
        return;
    }
    ws_.SetCurrentRow(row);
    const BillEntry entry = ws_.EntryOf(row);
    form_->ShowBill(entry, ClientItemText(entry.client));
    ws_.ModifiedRecord = false;
    if (billWindow_) {
        billWindow_->View().SetCurrentTableRow(row);
    }
    UpdateFormButtons();
}

void QuenbyMainWindow::UpdateFormButtons() {
    if (!form_) {
        return;
    }
    const int row = ws_.CurrentRow();
    form_->UpdateButtons(row > 1, row < ws_.Table().DataRowCount(), ws_.ModifiedRecord);
}

void QuenbyMainWindow::MoveTo(BillMove move) {
    if (ResolveUnsavedChanges() == Unsaved::Stop) {
        return;
    }
    const int target = ws_.MoveTarget(move, ws_.CurrentRow());
    if (target < 1 || target == ws_.CurrentRow()) {
        UpdateFormButtons();
        return;
    }
    ShowRowInForm(target);
}

void QuenbyMainWindow::FirstCommand() {
    MoveTo(BillMove::First);
}

void QuenbyMainWindow::PriorCommand() {
    MoveTo(BillMove::Prior);
}

void QuenbyMainWindow::NextCommand() {
    MoveTo(BillMove::Next);
}

void QuenbyMainWindow::LastCommand() {
    MoveTo(BillMove::Last);
}

void QuenbyMainWindow::BrowsePath(int line) {
    const std::optional<QString> chosen =
        prompts_.OpenFile({.title = QStringLiteral("Attach Itemized Statement Dialog"),
                           .folder = ws_.settings.ISDirectory,
                           .fileName = QStringLiteral("*.is5"),
                           .filter = QStringLiteral("IS5 Itemized Statement Files|*.is5"),
                           .mustExist = true});
    if (!chosen || !form_) {
        return;
    }
    // A longer path would be cut in the bill and name another file.
    if (chosen->size() > kISPathLength) {
        prompts_.Message(QStringLiteral("Attach Itemized Statement Dialog"),
                         QStringLiteral("The path of this file is longer than %1 characters and "
                                        "cannot be stored in the bill:\n%2")
                             .arg(kISPathLength)
                             .arg(*chosen),
                         QMessageBox::Ok, QMessageBox::Warning);
        return;
    }
    form_->SetPath(line, *chosen);
}

void QuenbyMainWindow::AddCommand() {
    if (!ws_.IsOpen() || ResolveUnsavedChanges() == Unsaved::Stop) {
        return;
    }
    BillAddOutcome added;
    if (!RunGuarded([&] { added = ws_.Add(); })) {
        return;
    }
    if (added.code != 0) {
        ShowError(added.code);
        return;
    }
    if (IsFormOpen()) {
        ShowRowInForm(added.row);
        ws_.ModifiedRecord = true;
        form_->FocusClient();
        UpdateFormButtons();
        return;
    }
    if (billWindow_) {
        billWindow_->View().SetCurrentTableRow(added.row);
    }
    OpenEntryForm(added.row, true);
}

bool QuenbyMainWindow::SaveBillCommand() {
    if (!form_) {
        return false;
    }
    const BillEntry entry = form_->Entry();
    BillSaveOutcome outcome;
    if (!RunGuarded([&] { outcome = ws_.SaveBill(ws_.CurrentRow(), entry); })) {
        return false;
    }
    if (outcome.kind == BillSaveOutcome::Refused) {
        if (outcome.code != 0) {
            ShowError(outcome.code);
        } else if (!outcome.message.isEmpty()) {
            prompts_.Message(QStringLiteral("Billing Entry Form"), outcome.message, QMessageBox::Ok,
                             QMessageBox::Warning);
        }
        return false;
    }
    int row = outcome.row;
    if (outcome.kind == BillSaveOutcome::Conflict) {
        ShowError(11100);
        kiv5::ui::CompareDialog dialog(QStringLiteral("Income Record Conflict"),
                                       outcome.conflict.recNo, outcome.conflict.stored,
                                       outcome.conflict.edited, this);
        const bool keepEdited = prompts_.Exec(dialog) == kiv5::ui::CompareDialog::KeepRight;
        if (!RunGuarded([&] { row = ws_.ResolveConflict(outcome.conflict, keepEdited); })) {
            return false;
        }
    }
    ShowRowInForm(row);
    return true;
}

void QuenbyMainWindow::DeleteCommand() {
    const int row = ws_.CurrentRow();
    if (!ws_.IsOpen() || !ws_.HasRow(row)) {
        return;
    }
    if (prompts_.Message(QStringLiteral("Delete Warning!"),
                         QStringLiteral("Are You Sure You Want To Delete This Record?"),
                         QMessageBox::Yes | QMessageBox::No,
                         QMessageBox::Warning) != QMessageBox::Yes) {
        return;
    }
    BillDeleteOutcome outcome;
    if (!RunGuarded([&] { outcome = ws_.Delete(row, IsFormOpen()); })) {
        return;
    }
    if (outcome.conflict) {
        ShowError(9999);
        if (IsFormOpen()) {
            ShowRowInForm(row);
            return;
        }
    }
    if (outcome.closeForm && form_) {
        form_->CloseNow();
        return;
    }
    if (outcome.next > 0) {
        if (IsFormOpen()) {
            ShowRowInForm(outcome.next);
        } else if (billWindow_) {
            billWindow_->View().SetCurrentTableRow(outcome.next);
        }
    }
}

void QuenbyMainWindow::DeleteSelectedCommand() {
    if (!ws_.IsOpen()) {
        return;
    }
    kiv5::ui::WaitCursor wait;
    bool all = false;
    for (const int row : ws_.MarkedLiveRows()) {
        if (!all) {
            kiv5::ui::DeleteRecordDialog dialog(
                {{QStringLiteral("Date"), ws_.Table().Cell(row, BillColumn::FullName)},
                 {QStringLiteral("Payor/Payee"),
                  ws_.Table().Cell(row, BillColumn::BalanceForward)}},
                this);
            const int answer = prompts_.Exec(dialog);
            if (answer == kiv5::ui::DeleteRecordDialog::Cancel) {
                break;
            }
            if (answer == kiv5::ui::DeleteRecordDialog::No) {
                continue;
            }
            all = answer == kiv5::ui::DeleteRecordDialog::All;
        }
        bool conflict = false;
        if (!RunGuarded([&] { conflict = ws_.DeleteSelectedRow(row); })) {
            break;
        }
        if (conflict) {
            ShowError(9999);
        }
    }
}

void QuenbyMainWindow::DisplayCommand() {
    if (!ws_.IsOpen() || IsFormOpen()) {
        return;
    }
    if (billWindow_ && billWindow_->View().CurrentTableRow() > 0) {
        ws_.SetCurrentRow(billWindow_->View().CurrentTableRow());
    }
    OpenEntryForm(ws_.CurrentRow());
}

void QuenbyMainWindow::FastFindCommand() {
    if (!ws_.IsOpen() || IsFormOpen()) {
        return;
    }
    const std::optional<QString> text = prompts_.Input(
        QStringLiteral("Fast Find"),
        QStringLiteral("Enter the text you wish to search for in the billing file."), QString());
    if (!text) {
        return;
    }
    cancelSearch_ = false;
    {
        kiv5::ui::WaitCursor wait;
        int from = 1;
        while (const std::optional<int> row = ws_.NextMatch(*text, from)) {
            OpenEntryForm(*row);
            // No client file: the form cannot open for any match.
            if (cancelSearch_ || !ws_.HasClientFile()) {
                break;
            }
            from = *row + 1;
        }
    }
    prompts_.Message(QStringLiteral("End of Search"), QStringLiteral("Search Complete"),
                     QMessageBox::Ok, QMessageBox::Information);
}

void QuenbyMainWindow::SetFilterCommand() {
    if (filterDialog_ || !ws_.IsOpen()) {
        return;
    }
    const std::optional<QStringList> clients = ClientListOrError();
    if (!clients) {
        return;
    }
    BillFilterDialog dialog(ws_.FilterCriteria(), *clients,
                            ClientItemText(ws_.FilterCriteria().ClientNo), this);
    filterDialog_ = &dialog;
    const int result = prompts_.Exec(dialog);
    filterDialog_ = nullptr;
    if (result != QDialog::Accepted) {
        return;
    }
    const BillFilterRec criteria = dialog.Criteria();
    RunWithProgress(QStringLiteral("Applying Filter to Billing Records"),
                    [&](const PercentProgress& progress) { ws_.SetFilter(criteria, progress); });
    UpdateMenuItems();
}

void QuenbyMainWindow::CancelFilterCommand() {
    if (!ws_.IsOpen()) {
        return;
    }
    RunWithProgress(QStringLiteral("Cancelling Bill Filter"),
                    [&](const PercentProgress& progress) { ws_.CancelFilter(progress); });
    UpdateMenuItems();
}

void QuenbyMainWindow::SelectAllCommand(bool selected) {
    if (!ws_.IsOpen()) {
        return;
    }
    // Both directions show the same text.
    RunWithProgress(QStringLiteral("Selecting All Bills"),
                    [&](const PercentProgress& progress) { ws_.SelectAll(selected, progress); });
}

void QuenbyMainWindow::SortByBalanceDueCommand() {
    if (!ws_.IsOpen()) {
        return;
    }
    RunWithProgress(QStringLiteral("Sorting Records"),
                    [&](const PercentProgress& progress) { ws_.SortByBalanceDue(progress); });
}

void QuenbyMainWindow::SortByNameCommand() {
    if (!ws_.IsOpen()) {
        return;
    }
    RunWithProgress(QStringLiteral("Sorting Records"),
                    [&](const PercentProgress& progress) { ws_.SortByName(progress); });
}

} // namespace kiv5::billing::ui
