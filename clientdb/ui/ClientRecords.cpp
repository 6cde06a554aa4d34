#include "clientdb/ui/ClientRecords.h"

#include "clientdb/core/ClientColumns.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/core/TPL5Rec.h"
#include "clientdb/ui/ClientViews.h"
#include "common/core/FastFind.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/CompareDialog.h"
#include "common/ui/DeleteRecordDialog.h"
#include "common/ui/Prompts.h"

#include <QApplication>
#include <QClipboard>
#include <QMdiSubWindow>
#include <QMimeData>

namespace kiv5::ui {
namespace {

const QString kChangeTitle = QStringLiteral("Record Change Warning!");
const QString kChangeText = QStringLiteral("Do You Want To Save Your Changes To This Record?");
const QString kDeleteTitle = QStringLiteral("Delete Warning!");
const QString kDeleteText =
    QStringLiteral("Are You Sure You Want To Permanently Delete This/These Record(s)?");

} // namespace

ClientRecords::ClientRecords(ClientWorkspace& workspace, Prompts& prompts, ClientViews& views,
                             OfficeContext& context, QWidget* owner)
    : QObject(owner), ws_(workspace), prompts_(prompts), views_(views), context_(context),
      owner_(owner) {
    connect(&views_, &ClientViews::EditRequested, this, &ClientRecords::Display);
    connect(&views_, &ClientViews::CopyRequested, this, &ClientRecords::Copy);
    connect(&views_, &ClientViews::DeleteRequested, this, &ClientRecords::DeleteSelected);
    connect(&views_, &ClientViews::SelectThisRequested, this, &ClientRecords::SelectThis);
    connect(&views_, &ClientViews::ListClicked, this, &ClientRecords::ListClicked);
    connect(&views_, &ClientViews::CurrentRowChanged, this, [this](int row) {
        if (!IsFormOpen() && row > 0) {
            ws_.CurrentRowNo = row;
        }
    });
}

bool ClientRecords::IsFormOpen() const {
    return form_ && form_->isVisible();
}

bool ClientRecords::Run(const std::function<void()>& command) {
    return RunCommand(prompts_, context_.progress, command, views_.TableWindow());
}

void ClientRecords::ShowError(int code) {
    context_.ErrorWindow(code);
}

void ClientRecords::CreateEntryForm() {
    if (form_) {
        return;
    }
    form_ = new EntryForm(owner_);
    form_->SetCloseCheck([this] {
        return forceFormClose_ || ResolveUnsavedChanges(true, true) == Unsaved::Proceed;
    });
    const auto on = [this](void (EntryForm::*signal)(), void (ClientRecords::*command)()) {
        connect(form_, signal, this, command);
    };
    on(&EntryForm::FirstClicked, &ClientRecords::First);
    on(&EntryForm::PriorClicked, &ClientRecords::Prior);
    on(&EntryForm::NextClicked, &ClientRecords::Next);
    on(&EntryForm::LastClicked, &ClientRecords::Last);
    connect(form_, &EntryForm::SaveClicked, this, [this] { Save(); });
    on(&EntryForm::DeleteClicked, &ClientRecords::FormDelete);
    on(&EntryForm::AddClicked, &ClientRecords::FormAdd);
    on(&EntryForm::CopyClicked, &ClientRecords::Copy);
    on(&EntryForm::PasteClicked, &ClientRecords::Paste);
    connect(form_, &EntryForm::CancelFindClicked, this, [this] { cancelSearch_ = true; });
    connect(form_, &EntryForm::Modified, this, [this] {
        ws_.ModifiedRecord = true;
        UpdateFormButtons();
    });
}

void ClientRecords::OpenEntryForm(int row, bool newClient) {
    if (!ws_.HasRow(row)) {
        return;
    }
    CreateEntryForm();
    ws_.CurrentRowNo = row;
    views_.SetCurrentRow(row);
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

void ClientRecords::ShowRowInForm(int row) {
    if (!form_) {
        return;
    }
    form_->ShowEntry(ws_.EntryOf(row));
    ws_.ModifiedRecord = false;
    UpdateFormButtons();
}

void ClientRecords::UpdateFormButtons() {
    if (form_) {
        form_->SetModified(ws_.ModifiedRecord);
        form_->UpdateButtons(ws_.CurrentRowNo, ws_.Table().RowCount() - 1);
    }
}

void ClientRecords::CloseFormNow() {
    if (IsFormOpen()) {
        forceFormClose_ = true;
        form_->reject();
    }
}

ClientRecords::Unsaved ClientRecords::ResolveUnsavedChanges(bool stopOnEmptyNumber,
                                                            bool requireLastName) {
    if (!IsFormOpen() || !ws_.ModifiedRecord) {
        return Unsaved::Proceed;
    }
    switch (prompts_.Message(kChangeTitle, kChangeText,
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                             QMessageBox::Warning)) {
    case QMessageBox::Yes:
        // A save that fails keeps the changes on screen.
        return Save() ? Unsaved::Proceed : Unsaved::Stop;
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

void ClientRecords::MoveToRow(int row, bool centreList) {
    if (!ws_.HasRow(row)) {
        return;
    }
    views_.SetCurrentRow(row);
    ws_.CurrentRowNo = row;
    if (centreList) {
        views_.CentreListOn(row);
    }
    if (IsFormOpen()) {
        ShowRowInForm(row);
    }
    ws_.ModifiedRecord = false;
    UpdateFormButtons();
}

void ClientRecords::Add() {
    if (!ws_.IsOpen() || ResolveUnsavedChanges(true, false) == Unsaved::Stop) {
        return;
    }
    int row = 0;
    if (!Run([&] { row = ws_.Add(); })) {
        return;
    }
    views_.SetCurrentRow(row);
    if (!IsFormOpen()) {
        OpenEntryForm(row, true);
        return;
    }
    ShowRowInForm(row);
    ws_.ModifiedRecord = true;
    UpdateFormButtons();
    form_->FocusClientNo();
}

void ClientRecords::FormAdd() {
    if (ResolveUnsavedChanges(true, true) == Unsaved::Stop) {
        return;
    }
    ws_.ModifiedRecord = false;
    Add();
}

bool ClientRecords::Save() {
    if (!form_) {
        return false;
    }
    const int row = ws_.CurrentRowNo;
    SaveOutcome outcome;
    const bool saved = Run([&] {
        outcome = ws_.SaveRecord(row, form_->Entry());
        if (outcome.kind == SaveOutcome::Conflict) {
            ShowError(11100);
            CompareDialog dialog(QStringLiteral("Record Comparison Conflict"),
                                 outcome.save.stored.RecNo, ClientCompareRows(outcome.save.stored),
                                 ClientCompareRows(outcome.save.edited), owner_);
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
    views_.SetCurrentRow(outcome.row);
    ws_.CurrentRowNo = outcome.row;
    ShowRowInForm(outcome.row);
    emit CommandsChanged();
    return true;
}

bool ClientRecords::DeleteRow(int row, bool all) {
    if (!ws_.HasRow(row) ||
        (!all && prompts_.Message(kDeleteTitle, kDeleteText, QMessageBox::Yes | QMessageBox::No,
                                  QMessageBox::Warning) != QMessageBox::Yes)) {
        return false;
    }
    const int current = IsFormOpen() ? ws_.CurrentRowNo : std::max(views_.CurrentRow(), row);
    DeleteOutcome outcome;
    const bool deleted = Run([&] { outcome = ws_.Delete(row, current, IsFormOpen()); });
    if (outcome.conflict) {
        ShowError(9999);
    }
    if (outcome.next.closeForm) {
        CloseFormNow();
    } else if (outcome.next.row > 0) {
        views_.SetCurrentRow(outcome.next.row);
    }
    return deleted;
}

void ClientRecords::FormDelete() {
    DeleteRow(ws_.CurrentRowNo, false);
    if (!IsFormOpen()) {
        return;
    }
    if (ws_.Table().RowCount() < 3) {
        CloseFormNow();
        return;
    }
    const int row = views_.CurrentRow() > 0 ? views_.CurrentRow() : ws_.CurrentRowNo;
    ws_.CurrentRowNo = row;
    ShowRowInForm(row);
}

void ClientRecords::DeleteSelected() {
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
                                      owner_);
            const int answer = prompts_.Exec(dialog);
            if (answer == DeleteRecordDialog::No) {
                continue;
            }
            if (answer != DeleteRecordDialog::Yes && answer != DeleteRecordDialog::All) {
                break;
            }
            DeleteRow(row, false);
            all = answer == DeleteRecordDialog::All;
        } else {
            DeleteRow(row, true);
        }
        const int current = views_.CurrentRow();
        if (const int prior = PriorClientRow(table, current > 0 ? current : row); prior > 0) {
            views_.SetCurrentRow(prior);
            ws_.CurrentRowNo = prior;
        }
    }
    emit CommandsChanged();
}

void ClientRecords::MoveTo(int target) {
    if (target > 0 && target != ws_.CurrentRowNo) {
        MoveToRow(target, true);
    }
}

void ClientRecords::First() {
    if (ResolveUnsavedChanges(true, false) == Unsaved::Proceed) {
        MoveTo(FirstClientRow(ws_.Table()));
    }
}

void ClientRecords::Last() {
    if (ResolveUnsavedChanges(true, false) == Unsaved::Proceed) {
        MoveTo(LastClientRow(ws_.Table()));
    }
}

void ClientRecords::Next() {
    if (ResolveUnsavedChanges(true, false) == Unsaved::Proceed) {
        MoveToRow(NextClientRow(ws_.Table(), ws_.CurrentRowNo), false);
    }
}

void ClientRecords::Prior() {
    // Prior goes on after 11080, the other moves stop.
    if (ResolveUnsavedChanges(false, false) == Unsaved::Proceed) {
        const int from = IsFormOpen() ? ws_.CurrentRowNo : views_.CurrentRow();
        MoveToRow(PriorClientRow(ws_.Table(), from), false);
    }
}

void ClientRecords::Display() {
    const int row = views_.CurrentRow();
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

void ClientRecords::FastFind() {
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

void ClientRecords::Copy() {
    if (const int row = views_.CurrentRow(); ws_.HasRow(row)) {
        QApplication::clipboard()->setMimeData(MakeClientMimeData(MakeTPL5Rec(ws_.Table(), row)));
    }
}

void ClientRecords::Paste() {
    const int row = views_.CurrentRow();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!ws_.HasRow(row) || !data) {
        return;
    }
    if (HasBrokenClientRecord(*data)) {
        prompts_.Message(QStringLiteral("Paste"), BrokenClipboardText(*data), QMessageBox::Ok,
                         QMessageBox::Warning);
        return;
    }
    const std::optional<TPL5Rec> rec = ClientFromMimeData(*data);
    if (!rec) {
        return;
    }
    ws_.Paste(row, *rec);
    if (IsFormOpen() && ws_.CurrentRowNo == row) {
        // The pasted fields are unsaved changes of the record shown.
        ShowRowInForm(row);
        ws_.ModifiedRecord = true;
        form_->SetModified(true);
    }
}

void ClientRecords::SelectThis() {
    ws_.SelectRow(views_.CurrentRow());
}

void ClientRecords::ListClicked(int recNo, ListClick click, const QList<int>& range) {
    int row = 0;
    Run([&] { row = ws_.ClickListEntry(recNo, click, range); });
    if (row > 0) {
        views_.SetCurrentRow(row);
    }
}

} // namespace kiv5::ui
