// The record commands of the bookkeeping main window and the entry form.

#include "books/core/LedgerLayout.h"
#include "books/ui/BooksMainWindow.h"
#include "books/ui/LedgerFilterDialog.h"
#include "common/core/FastFind.h"
#include "common/ui/CompareDialog.h"
#include "common/ui/DeleteRecordDialog.h"
#include "common/ui/ProgressWindow.h"
#include "common/ui/Prompts.h"
#include "common/ui/RecordTableView.h"
#include "common/ui/WaitCursor.h"

namespace kiv5::books::ui {
namespace {

const QString kChangeTitle = QStringLiteral("Record Change Warning!");
const QString kChangeText = QStringLiteral("Do You Want To Save Your Changes To This Record?");

} // namespace

std::optional<QStringList> BooksMainWindow::ClientListOrError() {
    std::optional<QStringList> clients;
    if (!ws_.HasClientFile()) {
        ShowError(11160);
        return clients;
    }
    if (!RunWithProgress(
            QStringLiteral("Building Client List"),
            [&](const PercentProgress& progress) { clients = ws_.ClientListItems(progress); })) {
        return std::nullopt;
    }
    return clients;
}

BooksMainWindow::Unsaved BooksMainWindow::ResolveUnsavedChanges(LedgerId id) {
    if (!IsFormOpen() || !ws_.ModifiedRecord) {
        return Unsaved::Proceed;
    }
    switch (prompts_.Message(kChangeTitle, kChangeText,
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                             QMessageBox::Question)) {
    case QMessageBox::Yes:
        return SaveRecordCommand(id) ? Unsaved::Proceed : Unsaved::Stop;
    case QMessageBox::No:
        ws_.ModifiedRecord = false;
        return Unsaved::Proceed;
    default:
        return Unsaved::Stop;
    }
}

bool BooksMainWindow::AskToSaveOnClose(LedgerId id) {
    if (!ws_.ModifiedRecord) {
        return true;
    }
    switch (prompts_.Message(kChangeTitle, kChangeText,
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                             QMessageBox::Question)) {
    case QMessageBox::Yes:
        return SaveRecordCommand(id);
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void BooksMainWindow::OpenEntryForm(LedgerId id, int row, bool added) {
    Ledger& ledger = ws_.LedgerOf(id);
    if (IsFormOpen() || !ledger.HasRow(row)) {
        return;
    }
    const std::optional<QStringList> clients = ClientListOrError();
    if (!clients) {
        return;
    }
    EntryFormLists lists{*clients, {}, ws_.CategoryStrList(), ws_.AccountStrList()};
    {
        kiv5::ui::ScopedProgress progress(context_.progress,
                                          QStringLiteral("Building Payor/Payee List"));
        for (int r = 1; r < ledger.Table().RowCount(); ++r) {
            lists.parties.append(ledger.Table().Cell(r, LedgerColumn::Party));
        }
    }
    auto* form = new LedgerEntryForm(ledger.Kind(), lists, context_.errors, this);
    form_ = form;
    form->SetPrintCheckAvailable(ledger.Kind().printCheck);
    form->SetCloseGuard([this, id] { return AskToSaveOnClose(id); });
    connect(form, &LedgerEntryForm::FirstClicked, this, [this, id] { FirstCommand(id); });
    connect(form, &LedgerEntryForm::PriorClicked, this, [this, id] { PriorCommand(id); });
    connect(form, &LedgerEntryForm::NextClicked, this, [this, id] { NextCommand(id); });
    connect(form, &LedgerEntryForm::LastClicked, this, [this, id] { LastCommand(id); });
    connect(form, &LedgerEntryForm::SaveClicked, this, [this, id] { SaveRecordCommand(id); });
    connect(form, &LedgerEntryForm::DeleteClicked, this, [this, id] { DeleteCommand(id); });
    connect(form, &LedgerEntryForm::AddClicked, this, [this, id] { FormAdd(id); });
    connect(form, &LedgerEntryForm::CancelFindClicked, this, [this] { cancelSearch_ = true; });
    connect(form, &LedgerEntryForm::PrintCheckClicked, this, [this, id] {
        // The values the form shows now, saved or not.
        if (form_ && checkPrinter_) {
            const LedgerEntry entry = form_->Entry();
            checkPrinter_({entry.number, entry.date.value_or(context_.Today()), entry.party,
                           entry.description, entry.amount},
                          form_);
        }
    });
    connect(form, &LedgerEntryForm::Modified, this, [this, id] {
        ws_.ModifiedRecord = true;
        UpdateFormButtons(id);
    });
    connect(form, &LedgerEntryForm::PartyLeft, this, [this, id](const QString& party) {
        const Ledger& l = ws_.LedgerOf(id);
        if (const auto fill = EarlierPartyRow(l.Table(), l.CurrentRow, party); fill && form_) {
            form_->FillFromParty(*fill);
        }
    });
    connect(form, &LedgerEntryForm::CategoryLeft, this, [this](const QString& category) {
        bool added = false;
        RunGuarded([&] { added = ws_.AddCategory(category); });
        if (added && form_) {
            form_->AddCategoryItem(category);
        }
    });
    ledger.CurrentRow = row;
    ShowRowInForm(id, row);
    if (added) {
        ws_.ModifiedRecord = true;
        form->FocusClient();
        UpdateFormButtons(id);
    }
    prompts_.Exec(*form);
    ws_.ModifiedRecord = false;
    delete form;
}

void BooksMainWindow::ShowRowInForm(LedgerId id, int row) {
    Ledger& ledger = ws_.LedgerOf(id);
    if (!form_ || !ledger.HasRow(row)) {
        return;
    }
    ledger.CurrentRow = row;
    form_->ShowEntry(EntryOfRow(ledger.Table(), row),
                     ledger.Table().Cell(row, LedgerColumn::Position).toInt());
    ws_.ModifiedRecord = false;
    if (LedgerWindow* window = WindowOf(id)) {
        window->View().SetCurrentTableRow(row);
    }
    UpdateFormButtons(id);
}

void BooksMainWindow::UpdateFormButtons(LedgerId id) {
    if (!form_) {
        return;
    }
    const Ledger& ledger = ws_.LedgerOf(id);
    form_->UpdateButtons(ledger.CurrentRow > 1, ledger.CurrentRow < ledger.Table().DataRowCount(),
                         ws_.ModifiedRecord);
}

void BooksMainWindow::MoveTo(LedgerId id, int row) {
    Ledger& ledger = ws_.LedgerOf(id);
    if (row < 1 || row == ledger.CurrentRow) {
        return;
    }
    ShowRowInForm(id, row);
    ws_.ModifiedRecord = false;
    UpdateFormButtons(id);
}

void BooksMainWindow::FirstCommand(LedgerId id) {
    if (ResolveUnsavedChanges(id) == Unsaved::Proceed) {
        MoveTo(id, ws_.LedgerOf(id).First());
    }
}

void BooksMainWindow::LastCommand(LedgerId id) {
    if (ResolveUnsavedChanges(id) == Unsaved::Proceed) {
        MoveTo(id, ws_.LedgerOf(id).Last());
    }
}

void BooksMainWindow::NextCommand(LedgerId id) {
    if (ResolveUnsavedChanges(id) == Unsaved::Proceed) {
        MoveTo(id, ws_.LedgerOf(id).Next(ws_.LedgerOf(id).CurrentRow));
    }
}

void BooksMainWindow::PriorCommand(LedgerId id) {
    if (ResolveUnsavedChanges(id) == Unsaved::Proceed) {
        MoveTo(id, ws_.LedgerOf(id).Prior(ws_.LedgerOf(id).CurrentRow));
    }
}

void BooksMainWindow::AddCommand(LedgerId id) {
    if (!ws_.IsOpen() || ResolveUnsavedChanges(id) == Unsaved::Stop) {
        return;
    }
    AddOutcome added;
    if (!RunGuarded([&] { added = ws_.Add(id); })) {
        return;
    }
    if (added.code != 0) {
        ShowError(added.code);
        return;
    }
    if (IsFormOpen()) {
        ShowRowInForm(id, added.row);
        ws_.ModifiedRecord = true;
        form_->FocusClient();
        UpdateFormButtons(id);
        return;
    }
    if (LedgerWindow* window = WindowOf(id)) {
        window->View().SetCurrentTableRow(added.row);
    }
    OpenEntryForm(id, added.row, true);
}

void BooksMainWindow::FormAdd(LedgerId id) {
    AddCommand(id);
    if (IsFormOpen()) {
        ws_.ModifiedRecord = true;
        UpdateFormButtons(id);
    }
}

bool BooksMainWindow::SaveRecordCommand(LedgerId id) {
    if (!form_) {
        return false;
    }
    Ledger& ledger = ws_.LedgerOf(id);
    const LedgerEntry entry = form_->Entry();
    RecordSaveOutcome outcome;
    if (!RunGuarded([&] { outcome = ws_.SaveRecord(id, ledger.CurrentRow, entry); })) {
        return false;
    }
    if (outcome.kind == RecordSaveOutcome::Refused) {
        if (outcome.code != 0) {
            ShowError(outcome.code);
        }
        return false;
    }
    int row = outcome.row;
    if (outcome.kind == RecordSaveOutcome::Conflict) {
        ShowError(11100);
        kiv5::ui::CompareDialog dialog(ledger.Kind().conflictTitle, outcome.conflict.storedRecNo,
                                       outcome.conflict.stored, outcome.conflict.edited, this);
        const bool keepEdited = prompts_.Exec(dialog) == kiv5::ui::CompareDialog::KeepRight;
        if (!RunGuarded([&] { row = ws_.ResolveConflict(id, outcome.conflict, keepEdited); })) {
            return false;
        }
    }
    ShowRowInForm(id, row);
    return true;
}

void BooksMainWindow::DeleteCommand(LedgerId id) {
    Ledger& ledger = ws_.LedgerOf(id);
    const int row = ledger.CurrentRow;
    if (!ws_.IsOpen() || !ledger.HasRow(row)) {
        return;
    }
    if (prompts_.Message(QStringLiteral("Delete Warning!"),
                         QStringLiteral("Are You Sure You Want To Delete This Record?"),
                         QMessageBox::Yes | QMessageBox::No,
                         QMessageBox::Question) != QMessageBox::Yes) {
        return;
    }
    RecordDeleteOutcome outcome;
    if (!RunGuarded([&] { outcome = ws_.Delete(id, row, IsFormOpen()); })) {
        return;
    }
    if (outcome.conflict) {
        ShowError(9999);
    }
    if (outcome.closeForm && form_) {
        form_->CloseNow();
        return;
    }
    if (outcome.next > 0) {
        if (IsFormOpen()) {
            ShowRowInForm(id, outcome.next);
        } else if (LedgerWindow* window = WindowOf(id)) {
            window->View().SetCurrentTableRow(outcome.next);
        }
    }
}

void BooksMainWindow::DisplayCommand(LedgerId id) {
    Ledger& ledger = ws_.LedgerOf(id);
    if (LedgerWindow* window = WindowOf(id); window && window->View().CurrentTableRow() > 0) {
        ledger.CurrentRow = window->View().CurrentTableRow();
    }
    if (!IsFormOpen() && ledger.HasRow(ledger.CurrentRow)) {
        OpenEntryForm(id, ledger.CurrentRow);
    }
}

void BooksMainWindow::FastFindCommand(LedgerId id) {
    Ledger& ledger = ws_.LedgerOf(id);
    const std::optional<QString> text =
        prompts_.Input(QStringLiteral("Fast Find"), ledger.Kind().findPrompt, QString());
    if (!text) {
        return;
    }
    cancelSearch_ = false;
    {
        kiv5::ui::WaitCursor wait;
        int from = 1;
        while (const std::optional<int> row =
                   NextMatch(ledger.Table(), ledger.Profile(), *text, from)) {
            OpenEntryForm(id, *row);
            if (cancelSearch_ || !ws_.HasClientFile()) {
                break;
            }
            from = *row + 1;
        }
    }
    prompts_.Message(QStringLiteral("End of Search"), ledger.Kind().searchCompleteText,
                     QMessageBox::Ok, QMessageBox::Information);
}

void BooksMainWindow::DeleteSelectedCommand(LedgerId id) {
    Ledger& ledger = ws_.LedgerOf(id);
    kiv5::ui::WaitCursor wait;
    bool all = false;
    for (const int row : ledger.MarkedLiveRows()) {
        if (!all) {
            kiv5::ui::DeleteRecordDialog dialog(
                {{QStringLiteral("Date"), ledger.Table().Cell(row, LedgerColumn::Date)},
                 {QStringLiteral("Payor/Payee"), ledger.Table().Cell(row, LedgerColumn::Party)}},
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
        if (!RunGuarded([&] { conflict = ws_.DeleteSelectedRow(id, row); })) {
            break;
        }
        if (conflict) {
            ShowError(9999);
        }
    }
}

void BooksMainWindow::SetFilterCommand(LedgerId id) {
    if (filterDialog_ || !ws_.IsOpen()) {
        return;
    }
    const std::optional<QStringList> clients = ClientListOrError();
    if (!clients) {
        return;
    }
    Ledger& ledger = ws_.LedgerOf(id);
    LedgerFilterDialog dialog(ledger.Kind(), ledger.Criteria(), *clients, ws_.AccountStrList(),
                              ws_.CategoryStrList(), prompts_, this);
    filterDialog_ = &dialog;
    const int result = prompts_.Exec(dialog);
    filterDialog_ = nullptr;
    if (result != QDialog::Accepted) {
        return;
    }
    const FilterRec criteria = dialog.Criteria();
    RunWithProgress(ledger.Kind().applyingFilterText, [&](const PercentProgress& progress) {
        ws_.SetFilter(id, criteria, progress);
    });
}

void BooksMainWindow::CancelFilterCommand(LedgerId id) {
    if (!ws_.IsOpen()) {
        return;
    }
    RunWithProgress(ws_.LedgerOf(id).Kind().cancellingFilterText,
                    [&](const PercentProgress& progress) { ws_.CancelFilter(id, progress); });
}

void BooksMainWindow::SelectAllCommand(LedgerId id, bool selected) {
    if (!ws_.IsOpen()) {
        return;
    }
    const LedgerKind& kind = ws_.LedgerOf(id).Kind();
    RunWithProgress(
        selected ? kind.selectingAllText : kind.deselectingAllText,
        [&](const PercentProgress& progress) { ws_.SelectAll(id, selected, progress); });
}

} // namespace kiv5::books::ui
