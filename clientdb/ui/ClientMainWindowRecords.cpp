// The client main window's record commands: the entry form, add, save,
// delete, navigation, fast find, the filter and the selection.

#include "clientdb/core/AppendClient.h"
#include "clientdb/core/ClientEntry.h"
#include "clientdb/core/ClientFilter.h"
#include "clientdb/core/ClientNavigation.h"
#include "clientdb/core/ClientSaveRecord.h"
#include "clientdb/core/ClientSelection.h"
#include "clientdb/core/ClientSlot.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/core/ClientValidation.h"
#include "clientdb/ui/ClientListView.h"
#include "clientdb/ui/ClientMainWindow.h"
#include "clientdb/ui/EntryForm.h"
#include "clientdb/ui/FilterForm.h"
#include "common/core/FastFind.h"
#include "common/ui/ClientCompareRows.h"
#include "common/ui/CompareDialog.h"
#include "common/ui/DeleteRecordDialog.h"
#include "common/ui/ProgressWindow.h"
#include "common/ui/Prompts.h"
#include "common/ui/RecordTableModel.h"
#include "common/ui/RecordTableView.h"

namespace kiv5::ui {

void ClientMainWindow::CreateEntryForm() {
    if (form_) {
        return;
    }
    form_ = new EntryForm(this);
    form_->SetCloseCheck([this] { return FormMayClose(); });
    connect(form_, &EntryForm::FirstClicked, this, [this] { FirstCommand(); });
    connect(form_, &EntryForm::PriorClicked, this, [this] { PriorCommand(); });
    connect(form_, &EntryForm::NextClicked, this, [this] { NextCommand(); });
    connect(form_, &EntryForm::LastClicked, this, [this] { LastCommand(); });
    connect(form_, &EntryForm::SaveClicked, this, [this] { SaveRecordCommand(); });
    connect(form_, &EntryForm::DeleteClicked, this, [this] { FormDelete(); });
    connect(form_, &EntryForm::AddClicked, this, [this] { FormAdd(); });
    connect(form_, &EntryForm::CopyClicked, this, [this] { CopyCommand(); });
    connect(form_, &EntryForm::PasteClicked, this, [this] { PasteCommand(); });
    connect(form_, &EntryForm::CancelFindClicked, this,
            [this] { program_.CancelSearchFlag = true; });
    connect(form_, &EntryForm::Modified, this, [this] {
        program_.ModifiedRecord = true;
        UpdateFormButtons();
    });
}

void ClientMainWindow::OpenEntryForm(int row) {
    if (row < 1 || row >= program_.table.RowCount()) {
        return;
    }
    CreateEntryForm();
    program_.CurrentRowNo = row;
    SetCurrentRow(row);
    ShowRowInForm(row);
    prompts_.Exec(*form_);
    program_.ModifiedRecord = false;
    forceFormClose_ = false;
}

void ClientMainWindow::ShowRowInForm(int row) {
    if (!form_) {
        return;
    }
    form_->ShowEntry(GridRowToEntryForm(program_.table, row, program_.MemoList));
    program_.ModifiedRecord = false;
    UpdateFormButtons();
}

void ClientMainWindow::UpdateFormButtons() {
    if (form_) {
        form_->SetModified(program_.ModifiedRecord);
        form_->UpdateButtons(program_.CurrentRowNo, program_.table.RowCount() - 1);
    }
}

void ClientMainWindow::CloseFormNow() {
    if (IsFormOpen()) {
        forceFormClose_ = true;
        form_->reject();
    }
}

bool ClientMainWindow::FormMayClose() {
    if (forceFormClose_ || !program_.ModifiedRecord) {
        return true;
    }
    switch (AskSaveChanges()) {
    case QMessageBox::Yes:
        return SaveRecordCommand();
    case QMessageBox::No:
        if (!RowHasNumber(program_.CurrentRowNo, true)) {
            ShowError(11080);
            return false;
        }
        program_.ModifiedRecord = false;
        return true;
    default:
        return false;
    }
}

QMessageBox::StandardButton ClientMainWindow::AskSaveChanges() {
    return prompts_.Message(QStringLiteral("Record Change Warning!"),
                            QStringLiteral("Do You Want To Save Your Changes To This Record?"),
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                            QMessageBox::Warning);
}

bool ClientMainWindow::RowHasNumber(int row, bool requireLastName) const {
    const RecordTable& table = program_.table;
    if (row < 1 || row >= table.RowCount()) {
        return false;
    }
    if (table.Cell(row, ClientCol::ClientNo).trimmed().isEmpty()) {
        return false;
    }
    return !requireLastName || !table.Cell(row, ClientCol::LastName).trimmed().isEmpty();
}

ClientMainWindow::Unsaved ClientMainWindow::ResolveUnsavedChanges(bool stopOnEmptyNumber,
                                                                  bool requireLastName) {
    program_.AbortFlag = false;
    if (!IsFormOpen() || !program_.ModifiedRecord) {
        return Unsaved::Proceed;
    }
    switch (AskSaveChanges()) {
    case QMessageBox::Yes:
        // A save that fails keeps the changes on screen.
        return SaveRecordCommand() ? Unsaved::Proceed : Unsaved::Stop;
    case QMessageBox::No:
        if (!RowHasNumber(program_.CurrentRowNo, requireLastName)) {
            ShowError(11080);
            program_.AbortFlag = true;
            return stopOnEmptyNumber ? Unsaved::Stop : Unsaved::Proceed;
        }
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
    if (row < 1 || row >= program_.table.RowCount()) {
        return;
    }
    SetCurrentRow(row);
    program_.CurrentRowNo = row;
    if (centreList && listView_) {
        const int recNo = program_.table.Cell(row, ClientCol::RecNo).toInt();
        const std::vector<ListEntry>& entries = listView_->Entries();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].LVRecNo == recNo) {
                listView_->CentreOn(int(i));
                break;
            }
        }
    }
    if (IsFormOpen()) {
        ShowRowInForm(row);
    }
    program_.ModifiedRecord = false;
    UpdateFormButtons();
}

void ClientMainWindow::AddCommand() {
    if (!program_.IsOpen()) {
        return;
    }
    if (IsFormOpen() && program_.ModifiedRecord &&
        ResolveUnsavedChanges(true, false) == Unsaved::Stop) {
        return;
    }
    int row = 0;
    const bool added = RunGuarded([&] {
        row = AppendClient(program_.Files(), program_.table, program_.MemoList,
                           program_.settings.ClientSubNo, context_.clock)
                  .row;
    });
    ReloadTable();
    UpdateCommands();
    if (!added) {
        return;
    }
    SetCurrentRow(row);
    program_.CurrentRowNo = row;
    RefreshListView();
    if (IsFormOpen()) {
        ShowRowInForm(row);
        program_.ModifiedRecord = true;
        UpdateFormButtons();
        form_->FocusClientNo();
        return;
    }
    CreateEntryForm();
    SetCurrentRow(row);
    ShowRowInForm(row);
    // A new client counts as changed until it is saved or the form closes.
    program_.ModifiedRecord = true;
    UpdateFormButtons();
    form_->FocusClientNo();
    prompts_.Exec(*form_);
    program_.ModifiedRecord = false;
    forceFormClose_ = false;
}

void ClientMainWindow::FormAdd() {
    if (program_.ModifiedRecord && ResolveUnsavedChanges(true, true) == Unsaved::Stop) {
        return;
    }
    program_.ModifiedRecord = false;
    AddCommand();
}

bool ClientMainWindow::SaveRecordCommand() {
    if (!form_) {
        return false;
    }
    const int row = program_.CurrentRowNo;
    if (row < 1 || row >= program_.table.RowCount()) {
        return false;
    }
    const ClientEntry entry = form_->Entry();
    if (const int code = ValidateClientEntry(program_.table, row, entry); code != 0) {
        ShowError(code);
        return false;
    }
    int savedRow = row;
    const bool saved = RunGuarded([&] {
        const EntrySave save =
            SaveClientEntry(program_.Files(), program_.table, program_.profile, program_.sort, row,
                            entry, program_.MemoList, context_.clock);
        savedRow = save.row;
        if (save.conflict) {
            ShowError(11100);
            CompareDialog dialog(QStringLiteral("Record Comparison Conflict"), save.stored.RecNo,
                                 MakeClientCompareRows(ClientCompareValues(save.stored)),
                                 MakeClientCompareRows(ClientCompareValues(save.edited)), this);
            const int result = prompts_.Exec(dialog);
            savedRow = ResolveSaveConflict(program_.Files(), program_.table, program_.profile,
                                           program_.sort, row, save,
                                           result == CompareDialog::KeepRight, program_.MemoList);
        }
    });
    ReloadTable();
    RefreshListView();
    if (!saved) {
        return false;
    }
    if (savedRow < 1) {
        savedRow = row;
    }
    SetCurrentRow(savedRow);
    program_.CurrentRowNo = savedRow;
    ShowRowInForm(savedRow);
    UpdateCommands();
    return true;
}

bool ClientMainWindow::DeleteThisRecord(int row, bool all) {
    if (row < 1 || row >= program_.table.RowCount()) {
        return false;
    }
    if (!all &&
        prompts_.Message(
            QStringLiteral("Delete Warning!"),
            QStringLiteral("Are You Sure You Want To Permanently Delete This/These Record(s)?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning) != QMessageBox::Yes) {
        return false;
    }
    const int current = IsFormOpen() ? program_.CurrentRowNo : std::max(CurrentRow(), row);
    const bool deleted = RunGuarded([&] {
        if (DeleteClientRow(program_.Files().clientFile, program_.table, row, context_.clock)
                .conflict) {
            ShowError(9999);
        }
    });
    ReloadTable();
    const RowAfterDelete next = RowAfterDeletion(program_.table, current, IsFormOpen());
    if (next.closeForm) {
        CloseFormNow();
    } else if (next.row > 0) {
        SetCurrentRow(next.row);
        program_.CurrentRowNo = next.row;
    }
    RefreshListView();
    return deleted;
}

void ClientMainWindow::FormDelete() {
    DeleteThisRecord(program_.CurrentRowNo, false);
    if (!IsFormOpen()) {
        return;
    }
    if (program_.table.RowCount() < 3) {
        CloseFormNow();
        return;
    }
    const int row = CurrentRow() > 0 ? CurrentRow() : program_.CurrentRowNo;
    program_.CurrentRowNo = row;
    ShowRowInForm(row);
}

void ClientMainWindow::DeleteSelectedCommand() {
    if (!program_.IsOpen()) {
        return;
    }
    RecordTable& table = program_.table;
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
            program_.CurrentRowNo = prior;
        }
    }
    RefreshListView();
    UpdateCommands();
}

void ClientMainWindow::FirstCommand() {
    if (ResolveUnsavedChanges(true, false) == Unsaved::Stop) {
        return;
    }
    const int target = FirstClientRow(program_.table);
    if (target > 0 && target != program_.CurrentRowNo) {
        MoveToRow(target, true);
    }
}

void ClientMainWindow::LastCommand() {
    if (ResolveUnsavedChanges(true, false) == Unsaved::Stop) {
        return;
    }
    const int target = LastClientRow(program_.table);
    if (target > 0 && target != program_.CurrentRowNo) {
        MoveToRow(target, true);
    }
}

void ClientMainWindow::NextCommand() {
    if (ResolveUnsavedChanges(true, false) == Unsaved::Stop) {
        return;
    }
    const int target = NextClientRow(program_.table, program_.CurrentRowNo);
    if (target > 0) {
        MoveToRow(target, false);
    }
}

void ClientMainWindow::PriorCommand() {
    if (ResolveUnsavedChanges(false, false) == Unsaved::Stop) {
        return;
    }
    const int from = IsFormOpen() ? program_.CurrentRowNo : CurrentRow();
    const int target = PriorClientRow(program_.table, from);
    if (target > 0) {
        MoveToRow(target, false);
    }
}

void ClientMainWindow::DisplayCurrentRecordCommand() {
    const int row = CurrentRow();
    if (row < 1) {
        return;
    }
    if (IsFormOpen()) {
        program_.CurrentRowNo = row;
        ShowRowInForm(row);
        return;
    }
    OpenEntryForm(row);
}

void ClientMainWindow::FastFindCommand() {
    if (!program_.IsOpen()) {
        return;
    }
    const std::optional<QString> text = prompts_.Input(
        QStringLiteral("Fast Find"), QStringLiteral("Enter the text you wish to search for"), {});
    if (!text) {
        return;
    }
    program_.CancelSearchFlag = false;
    int from = 1;
    while (const std::optional<int> row =
               NextMatch(program_.table, program_.profile, *text, from)) {
        OpenEntryForm(*row);
        if (program_.CancelSearchFlag) {
            return;
        }
        from = *row + 1;
    }
    prompts_.Message(QStringLiteral("End of Search"), QStringLiteral("Search Complete"),
                     QMessageBox::Ok, QMessageBox::Information);
}

void ClientMainWindow::SetFilterCommand() {
    if (!program_.IsOpen()) {
        return;
    }
    FilterForm form(program_.FilterRec, this);
    const int outcome = prompts_.Exec(form);
    if (outcome == FilterForm::Cancelled) {
        return;
    }
    if (outcome == FilterForm::Applied) {
        program_.FilterRec = form.Criteria();
    }
    RunGuarded([&] {
        ScopedProgress progress(context_.progress, QStringLiteral("Applying Filter to Names"));
        FilterNames(program_.table, program_.FilterRec, progress.Callback());
    });
    ReloadTable();
    RefreshListView();
}

void ClientMainWindow::CancelFilterCommand() {
    RunGuarded([&] {
        ScopedProgress progress(context_.progress, QStringLiteral("Cancelling Filter"));
        FilterCancel(program_.table, progress.Callback());
    });
    ReloadTable();
    RefreshListView();
}

void ClientMainWindow::SelectAllCommand() {
    SelectAll(true);
}

void ClientMainWindow::SelectNoneCommand() {
    SelectAll(false);
}

void ClientMainWindow::SelectAll(bool selected) {
    if (!program_.IsOpen()) {
        return;
    }
    RunGuarded([&] {
        ScopedProgress progress(context_.progress,
                                selected ? QStringLiteral("Selecting All Records")
                                         : QStringLiteral("De-selecting All Records"));
        SelectAllRecords(program_.Files().clientFile, program_.table, program_.profile,
                         program_.sort, selected, progress.Callback());
    });
    ReloadTable();
    RefreshListView();
}

} // namespace kiv5::ui
