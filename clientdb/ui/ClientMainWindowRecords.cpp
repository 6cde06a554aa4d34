// The client main window's record commands: the entry form, add, save,
// delete, navigation, fast find, the filter and the selection.

#include "clientdb/core/ClientColumns.h"
#include "clientdb/core/ClientFilter.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/ui/ClientMainWindow.h"
#include "clientdb/ui/EntryForm.h"
#include "clientdb/ui/FilterForm.h"
#include "common/core/FastFind.h"
#include "common/ui/CompareDialog.h"
#include "common/ui/DeleteRecordDialog.h"
#include "common/ui/ProgressWindow.h"
#include "common/ui/Prompts.h"

namespace kiv5::ui {
namespace {

const QString kChangeTitle = QStringLiteral("Record Change Warning!");
const QString kChangeText = QStringLiteral("Do You Want To Save Your Changes To This Record?");
const QString kDeleteTitle = QStringLiteral("Delete Warning!");
const QString kDeleteText =
    QStringLiteral("Are You Sure You Want To Permanently Delete This/These Record(s)?");

} // namespace

void ClientMainWindow::CreateEntryForm() {
    if (form_) {
        return;
    }
    form_ = new EntryForm(this);
    form_->SetCloseCheck([this] {
        return forceFormClose_ || ResolveUnsavedChanges(true, true) == Unsaved::Proceed;
    });
    const auto on = [this](void (EntryForm::*signal)(), std::function<void()> command) {
        connect(form_, signal, this, std::move(command));
    };
    on(&EntryForm::FirstClicked, [this] { FirstCommand(); });
    on(&EntryForm::PriorClicked, [this] { PriorCommand(); });
    on(&EntryForm::NextClicked, [this] { NextCommand(); });
    on(&EntryForm::LastClicked, [this] { LastCommand(); });
    on(&EntryForm::SaveClicked, [this] { SaveRecordCommand(); });
    on(&EntryForm::DeleteClicked, [this] { FormDelete(); });
    on(&EntryForm::AddClicked, [this] { FormAdd(); });
    on(&EntryForm::CopyClicked, [this] { CopyCommand(); });
    on(&EntryForm::PasteClicked, [this] { PasteCommand(); });
    on(&EntryForm::CancelFindClicked, [this] { cancelSearch_ = true; });
    on(&EntryForm::Modified, [this] {
        ws_.ModifiedRecord = true;
        UpdateFormButtons();
    });
}

void ClientMainWindow::OpenEntryForm(int row, bool newClient) {
    if (!ws_.HasRow(row)) {
        return;
    }
    CreateEntryForm();
    ws_.CurrentRowNo = row;
    SetCurrentRow(row);
    ShowRowInForm(row);
    if (newClient) {
        // A new client counts as changed until it is saved or the form closes.
        ws_.ModifiedRecord = true;
        UpdateFormButtons();
        form_->FocusClientNo();
    }
    prompts_.Exec(*form_);
    ws_.ModifiedRecord = false;
    forceFormClose_ = false;
}

void ClientMainWindow::ShowRowInForm(int row) {
    if (!form_) {
        return;
    }
    form_->ShowEntry(ws_.EntryOf(row));
    ws_.ModifiedRecord = false;
    UpdateFormButtons();
}

void ClientMainWindow::UpdateFormButtons() {
    if (form_) {
        form_->SetModified(ws_.ModifiedRecord);
        form_->UpdateButtons(ws_.CurrentRowNo, ws_.Table().RowCount() - 1);
    }
}

void ClientMainWindow::CloseFormNow() {
    if (IsFormOpen()) {
        forceFormClose_ = true;
        form_->reject();
    }
}

ClientMainWindow::Unsaved ClientMainWindow::ResolveUnsavedChanges(bool stopOnEmptyNumber,
                                                                  bool requireLastName) {
    if (!IsFormOpen() || !ws_.ModifiedRecord) {
        return Unsaved::Proceed;
    }
    switch (prompts_.Message(kChangeTitle, kChangeText,
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                             QMessageBox::Warning)) {
    case QMessageBox::Yes:
        // A save that fails keeps the changes on screen.
        return SaveRecordCommand() ? Unsaved::Proceed : Unsaved::Stop;
    case QMessageBox::No:
        if (!ws_.RowHasNumber(ws_.CurrentRowNo, requireLastName)) {
            ShowError(11080);
            return stopOnEmptyNumber ? Unsaved::Stop : Unsaved::Proceed;
        }
        ws_.ModifiedRecord = false;
        return Unsaved::Proceed;
    default:
        return Unsaved::Stop;
    }
}

void ClientMainWindow::SetCurrentRow(int row) {
    if (tableView_) {
        tableView_->SetCurrentTableRow(row);
    }
}

void ClientMainWindow::MoveToRow(int row, bool centreList) {
    if (!ws_.HasRow(row)) {
        return;
    }
    SetCurrentRow(row);
    ws_.CurrentRowNo = row;
    if (centreList && listView_) {
        const int recNo = ws_.Table().Cell(row, ClientCol::RecNo).toInt();
        const std::vector<ListEntry>& entries = listView_->Entries();
        const auto found = std::find_if(entries.begin(), entries.end(),
                                        [recNo](const ListEntry& e) { return e.LVRecNo == recNo; });
        if (found != entries.end()) {
            listView_->CentreOn(int(found - entries.begin()));
        }
    }
    if (IsFormOpen()) {
        ShowRowInForm(row);
    }
    ws_.ModifiedRecord = false;
    UpdateFormButtons();
}

void ClientMainWindow::AddCommand() {
    if (!ws_.IsOpen() || ResolveUnsavedChanges(true, false) == Unsaved::Stop) {
        return;
    }
    int row = 0;
    if (!RunGuarded([&] { row = ws_.Add(); })) {
        return;
    }
    SetCurrentRow(row);
    if (!IsFormOpen()) {
        OpenEntryForm(row, true);
        return;
    }
    ShowRowInForm(row);
    ws_.ModifiedRecord = true;
    UpdateFormButtons();
    form_->FocusClientNo();
}

void ClientMainWindow::FormAdd() {
    if (ResolveUnsavedChanges(true, true) == Unsaved::Stop) {
        return;
    }
    ws_.ModifiedRecord = false;
    AddCommand();
}

bool ClientMainWindow::SaveRecordCommand() {
    if (!form_) {
        return false;
    }
    const int row = ws_.CurrentRowNo;
    SaveOutcome outcome;
    const bool saved = RunGuarded([&] {
        outcome = ws_.SaveRecord(row, form_->Entry());
        if (outcome.kind == SaveOutcome::Conflict) {
            ShowError(11100);
            CompareDialog dialog(QStringLiteral("Record Comparison Conflict"),
                                 outcome.save.stored.RecNo, ClientCompareRows(outcome.save.stored),
                                 ClientCompareRows(outcome.save.edited), this);
            const bool keepEdited = prompts_.Exec(dialog) == CompareDialog::KeepRight;
            outcome.row = ws_.ResolveConflict(row, outcome.save, keepEdited);
        }
    });
    if (saved && outcome.kind == SaveOutcome::Refused && outcome.code != 0) {
        ShowError(outcome.code);
    }
    if (!saved || outcome.kind == SaveOutcome::Refused) {
        return false;
    }
    SetCurrentRow(outcome.row);
    ws_.CurrentRowNo = outcome.row;
    ShowRowInForm(outcome.row);
    UpdateCommands();
    return true;
}

bool ClientMainWindow::DeleteThisRecord(int row, bool all) {
    if (!ws_.HasRow(row) ||
        (!all && prompts_.Message(kDeleteTitle, kDeleteText, QMessageBox::Yes | QMessageBox::No,
                                  QMessageBox::Warning) != QMessageBox::Yes)) {
        return false;
    }
    const int current = IsFormOpen() ? ws_.CurrentRowNo : std::max(CurrentRow(), row);
    DeleteOutcome outcome;
    const bool deleted = RunGuarded([&] { outcome = ws_.Delete(row, current, IsFormOpen()); });
    if (outcome.conflict) {
        ShowError(9999);
    }
    if (outcome.next.closeForm) {
        CloseFormNow();
    } else if (outcome.next.row > 0) {
        SetCurrentRow(outcome.next.row);
    }
    return deleted;
}

void ClientMainWindow::FormDelete() {
    DeleteThisRecord(ws_.CurrentRowNo, false);
    if (!IsFormOpen()) {
        return;
    }
    if (ws_.Table().RowCount() < 3) {
        CloseFormNow();
        return;
    }
    const int row = CurrentRow() > 0 ? CurrentRow() : ws_.CurrentRowNo;
    ws_.CurrentRowNo = row;
    ShowRowInForm(row);
}

void ClientMainWindow::DeleteSelectedCommand() {
    if (!ws_.IsOpen()) {
        return;
    }
    const RecordTable& table = ws_.Table();
    bool all = false;
    for (int row = 1; row < table.RowCount(); ++row) {
        if (table.Cell(row, ClientCol::Mark) != QLatin1String("X") || !table.IsActive(row)) {
            continue;
        }
        if (!all) {
            DeleteRecordDialog dialog(MakeClientDeleteLines(table.Cell(row, ClientCol::LastName),
                                                            table.Cell(row, ClientCol::FirstName),
                                                            table.Cell(row, ClientCol::Company)),
                                      this);
            const int answer = prompts_.Exec(dialog);
            if (answer == DeleteRecordDialog::No) {
                continue;
            }
            if (answer != DeleteRecordDialog::Yes && answer != DeleteRecordDialog::All) {
                break;
            }
            DeleteThisRecord(row, false);
            all = answer == DeleteRecordDialog::All;
        } else {
            DeleteThisRecord(row, true);
        }
        if (const int prior = PriorClientRow(table, CurrentRow() > 0 ? CurrentRow() : row);
            prior > 0) {
            SetCurrentRow(prior);
            ws_.CurrentRowNo = prior;
        }
    }
    UpdateCommands();
}

void ClientMainWindow::FirstCommand() {
    if (ResolveUnsavedChanges(true, false) == Unsaved::Proceed) {
        if (const int target = FirstClientRow(ws_.Table());
            target > 0 && target != ws_.CurrentRowNo) {
            MoveToRow(target, true);
        }
    }
}

void ClientMainWindow::LastCommand() {
    if (ResolveUnsavedChanges(true, false) == Unsaved::Proceed) {
        if (const int target = LastClientRow(ws_.Table());
            target > 0 && target != ws_.CurrentRowNo) {
            MoveToRow(target, true);
        }
    }
}

void ClientMainWindow::NextCommand() {
    if (ResolveUnsavedChanges(true, false) == Unsaved::Proceed) {
        MoveToRow(NextClientRow(ws_.Table(), ws_.CurrentRowNo), false);
    }
}

void ClientMainWindow::PriorCommand() {
    if (ResolveUnsavedChanges(false, false) == Unsaved::Proceed) {
        const int from = IsFormOpen() ? ws_.CurrentRowNo : CurrentRow();
        MoveToRow(PriorClientRow(ws_.Table(), from), false);
    }
}

void ClientMainWindow::DisplayCurrentRecordCommand() {
    const int row = CurrentRow();
    if (row < 1) {
        return;
    }
    if (IsFormOpen()) {
        ws_.CurrentRowNo = row;
        ShowRowInForm(row);
        return;
    }
    OpenEntryForm(row);
}

void ClientMainWindow::FastFindCommand() {
    if (!ws_.IsOpen()) {
        return;
    }
    const std::optional<QString> text = prompts_.Input(
        QStringLiteral("Fast Find"), QStringLiteral("Enter the text you wish to search for"), {});
    if (!text) {
        return;
    }
    cancelSearch_ = false;
    int from = 1;
    while (const std::optional<int> row = NextMatch(ws_.Table(), ws_.Profile(), *text, from)) {
        OpenEntryForm(*row);
        if (cancelSearch_) {
            return;
        }
        from = *row + 1;
    }
    prompts_.Message(QStringLiteral("End of Search"), QStringLiteral("Search Complete"),
                     QMessageBox::Ok, QMessageBox::Information);
}

void ClientMainWindow::SetFilterCommand() {
    if (!ws_.IsOpen()) {
        return;
    }
    FilterForm form(ws_.FilterRec(), this);
    const int outcome = prompts_.Exec(form);
    if (outcome == FilterForm::Cancelled) {
        return;
    }
    const NameRec criteria = outcome == FilterForm::Applied ? form.Criteria() : ws_.FilterRec();
    RunWithProgress(QStringLiteral("Applying Filter to Names"),
                    [&](const auto& progress) { ws_.SetFilter(criteria, progress); });
}

void ClientMainWindow::CancelFilterCommand() {
    RunWithProgress(QStringLiteral("Cancelling Filter"),
                    [&](const auto& progress) { ws_.CancelFilter(progress); });
}

void ClientMainWindow::SelectAllCommand() {
    if (ws_.IsOpen()) {
        RunWithProgress(QStringLiteral("Selecting All Records"),
                        [&](const auto& progress) { ws_.SelectAll(true, progress); });
    }
}

void ClientMainWindow::SelectNoneCommand() {
    if (ws_.IsOpen()) {
        RunWithProgress(QStringLiteral("De-selecting All Records"),
                        [&](const auto& progress) { ws_.SelectAll(false, progress); });
    }
}

} // namespace kiv5::ui
