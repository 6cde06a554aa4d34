#include "books/ui/BooksRecords.h"

#include "books/core/LedgerLayout.h"
#include "books/ui/BooksViews.h"
#include "books/ui/LedgerFilterDialog.h"
#include "common/core/FastFind.h"
#include "common/ui/CompareDialog.h"
#include "common/ui/DeleteRecordDialog.h"
#include "common/ui/ErrorWindowSink.h"
#include "common/ui/ProgressWindow.h"
#include "common/ui/Prompts.h"
#include "common/ui/WaitCursor.h"

#include <QApplication>

namespace kiv5::books::ui {
namespace {

const QString kChangeTitle = QStringLiteral("Record Change Warning!");
const QString kChangeText = QStringLiteral("Do You Want To Save Your Changes To This Record?");

QMessageBox::StandardButton AskSaveChanges(kiv5::ui::Prompts& prompts) {
    return prompts.Message(kChangeTitle, kChangeText,
                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                           QMessageBox::Question);
}

} // namespace

BooksRecords::BooksRecords(BooksWorkspace& workspace, kiv5::ui::Prompts& prompts, BooksViews& views,
                           OfficeContext& context, QWidget* owner)
    : QObject(owner), ws_(workspace), prompts_(prompts), views_(views), context_(context),
      owner_(owner) {
    connect(&views_, &BooksViews::AddRequested, this, &BooksRecords::Add);
    connect(&views_, &BooksViews::DeleteRequested, this, &BooksRecords::Delete);
    connect(&views_, &BooksViews::FindRequested, this, &BooksRecords::FastFind);
    connect(&views_, &BooksViews::FilterRequested, this, &BooksRecords::SetFilter);
    connect(&views_, &BooksViews::SelectAllRequested, this, &BooksRecords::SelectAll);
    connect(&views_, &BooksViews::CancelFilterRequested, this, &BooksRecords::CancelFilter);
    connect(&views_, &BooksViews::DeleteSelectedRequested, this, &BooksRecords::DeleteSelected);
    connect(&views_, &BooksViews::EditRequested, this, &BooksRecords::Display);
}

bool BooksRecords::IsFormOpen() const {
    return form_ && form_->isVisible();
}

bool BooksRecords::Run(const std::function<void()>& command) {
    return views_.Guard().Run(command);
}

bool BooksRecords::RunWithProgress(const QString& text,
                                   const std::function<void(const PercentProgress&)>& call) {
    return views_.Guard().RunWithProgress(text, call);
}

void BooksRecords::ShowError(int code) {
    QApplication::beep();
    kiv5::ui::ShowErrorWindowSafely(prompts_, code);
}

std::optional<QStringList> BooksRecords::ClientListOrError() {
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

BooksRecords::Unsaved BooksRecords::ResolveUnsavedChanges(LedgerId id) {
    if (!IsFormOpen() || !ws_.ModifiedRecord) {
        return Unsaved::Proceed;
    }
    switch (AskSaveChanges(prompts_)) {
    case QMessageBox::Yes:
        return Save(id) ? Unsaved::Proceed : Unsaved::Stop;
    case QMessageBox::No:
        ws_.ModifiedRecord = false;
        return Unsaved::Proceed;
    default:
        return Unsaved::Stop;
    }
}

bool BooksRecords::AskToSaveOnClose(LedgerId id) {
    if (!ws_.ModifiedRecord) {
        return true;
    }
    switch (AskSaveChanges(prompts_)) {
    case QMessageBox::Yes:
        return Save(id);
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void BooksRecords::OpenEntryForm(LedgerId id, int row, bool added) {
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
        lists.parties = ledger.Parties();
    }
    LedgerEntryForm* form = CreateEntryForm(id, lists);
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

LedgerEntryForm* BooksRecords::CreateEntryForm(LedgerId id, const EntryFormLists& lists) {
    const LedgerKind& kind = ws_.LedgerOf(id).Kind();
    auto* form = new LedgerEntryForm(kind, lists, context_.errors, owner_);
    form_ = form;
    form->SetPrintCheckAvailable(kind.printCheck);
    form->SetCloseGuard([this, id] { return AskToSaveOnClose(id); });
    connect(form, &LedgerEntryForm::FirstClicked, this, [this, id] { First(id); });
    connect(form, &LedgerEntryForm::PriorClicked, this, [this, id] { Prior(id); });
    connect(form, &LedgerEntryForm::NextClicked, this, [this, id] { Next(id); });
    connect(form, &LedgerEntryForm::LastClicked, this, [this, id] { Last(id); });
    connect(form, &LedgerEntryForm::SaveClicked, this, [this, id] { Save(id); });
    connect(form, &LedgerEntryForm::DeleteClicked, this, [this, id] { Delete(id); });
    connect(form, &LedgerEntryForm::AddClicked, this, [this, id] { FormAdd(id); });
    connect(form, &LedgerEntryForm::CancelFindClicked, this, [this] { cancelSearch_ = true; });
    connect(form, &LedgerEntryForm::PrintCheckClicked, this, [this] { PrintCheck(); });
    connect(form, &LedgerEntryForm::Modified, this, [this, id] {
        ws_.ModifiedRecord = true;
        UpdateFormButtons(id);
    });
    connect(form, &LedgerEntryForm::PartyLeft, this, [this, id](const QString& party) {
        if (const auto fill = ws_.LedgerOf(id).EarlierPartyFill(party); fill && form_) {
            form_->FillFromParty(*fill);
        }
    });
    connect(form, &LedgerEntryForm::CategoryLeft, this, [this](const QString& category) {
        bool added = false;
        Run([&] { added = ws_.AddCategory(category); });
        if (added && form_) {
            form_->AddCategoryItem(category);
        }
    });
    return form;
}

void BooksRecords::PrintCheck() {
    // The values the form shows now, saved or not.
    if (form_ && checkPrinter_) {
        const LedgerEntry entry = form_->Entry();
        checkPrinter_({entry.number, entry.date.value_or(context_.Today()), entry.party,
                       entry.description, entry.amount},
                      form_);
    }
}

void BooksRecords::ShowRowInForm(LedgerId id, int row) {
    Ledger& ledger = ws_.LedgerOf(id);
    if (!form_ || !ledger.HasRow(row)) {
        return;
    }
    ledger.CurrentRow = row;
    form_->ShowEntry(ledger.EntryAt(row), ledger.PositionOf(row));
    ws_.ModifiedRecord = false;
    views_.ShowRow(id, row);
    UpdateFormButtons(id);
}

void BooksRecords::UpdateFormButtons(LedgerId id) {
    if (form_) {
        const Ledger& ledger = ws_.LedgerOf(id);
        form_->UpdateButtons(ledger.HasRowBefore(), ledger.HasRowAfter(), ws_.ModifiedRecord);
    }
}

void BooksRecords::MoveTo(LedgerId id, int row) {
    if (row < 1 || row == ws_.LedgerOf(id).CurrentRow) {
        return;
    }
    ShowRowInForm(id, row);
}

void BooksRecords::First(LedgerId id) {
    if (ResolveUnsavedChanges(id) == Unsaved::Proceed) {
        MoveTo(id, ws_.LedgerOf(id).First());
    }
}

void BooksRecords::Last(LedgerId id) {
    if (ResolveUnsavedChanges(id) == Unsaved::Proceed) {
        MoveTo(id, ws_.LedgerOf(id).Last());
    }
}

void BooksRecords::Next(LedgerId id) {
    if (ResolveUnsavedChanges(id) == Unsaved::Proceed) {
        MoveTo(id, ws_.LedgerOf(id).Next(ws_.LedgerOf(id).CurrentRow));
    }
}

void BooksRecords::Prior(LedgerId id) {
    if (ResolveUnsavedChanges(id) == Unsaved::Proceed) {
        MoveTo(id, ws_.LedgerOf(id).Prior(ws_.LedgerOf(id).CurrentRow));
    }
}

void BooksRecords::Add(LedgerId id) {
    if (!ws_.IsOpen() || ResolveUnsavedChanges(id) == Unsaved::Stop) {
        return;
    }
    AddOutcome added;
    if (!Run([&] { added = ws_.Add(id); })) {
        return;
    }
    if (added.code != 0) {
        ShowError(added.code);
    } else if (IsFormOpen()) {
        ShowAddedInForm(id, added.row);
    } else {
        views_.ShowRow(id, added.row);
        OpenEntryForm(id, added.row, true);
    }
}

void BooksRecords::ShowAddedInForm(LedgerId id, int row) {
    ShowRowInForm(id, row);
    ws_.ModifiedRecord = true;
    form_->FocusClient();
    UpdateFormButtons(id);
}

void BooksRecords::FormAdd(LedgerId id) {
    Add(id);
    if (IsFormOpen()) {
        ws_.ModifiedRecord = true;
        UpdateFormButtons(id);
    }
}

bool BooksRecords::Save(LedgerId id) {
    if (!form_) {
        return false;
    }
    Ledger& ledger = ws_.LedgerOf(id);
    const LedgerEntry entry = form_->Entry();
    RecordSaveOutcome outcome;
    if (!Run([&] { outcome = ws_.SaveRecord(id, ledger.CurrentRow, entry); })) {
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
                                       outcome.conflict.stored, outcome.conflict.edited, owner_);
        const bool keepEdited = prompts_.Exec(dialog) == kiv5::ui::CompareDialog::KeepRight;
        if (!Run([&] { row = ws_.ResolveConflict(id, outcome.conflict, keepEdited); })) {
            return false;
        }
    }
    ShowRowInForm(id, row);
    return true;
}

void BooksRecords::Delete(LedgerId id) {
    const int row = ws_.LedgerOf(id).CurrentRow;
    if (!ws_.IsOpen() || !ws_.LedgerOf(id).HasRow(row)) {
        return;
    }
    if (prompts_.Message(QStringLiteral("Delete Warning!"),
                         QStringLiteral("Are You Sure You Want To Delete This Record?"),
                         QMessageBox::Yes | QMessageBox::No,
                         QMessageBox::Question) != QMessageBox::Yes) {
        return;
    }
    RecordDeleteOutcome outcome;
    if (!Run([&] { outcome = ws_.Delete(id, row, IsFormOpen()); })) {
        return;
    }
    if (outcome.conflict) {
        ShowError(9999);
    }
    if (outcome.closeForm && form_) {
        form_->CloseNow();
    } else if (outcome.next > 0 && IsFormOpen()) {
        ShowRowInForm(id, outcome.next);
    } else if (outcome.next > 0) {
        views_.ShowRow(id, outcome.next);
    }
}

void BooksRecords::Display(LedgerId id) {
    Ledger& ledger = ws_.LedgerOf(id);
    if (const int shown = views_.CurrentRow(id); shown > 0) {
        ledger.CurrentRow = shown;
    }
    if (!IsFormOpen() && ledger.HasRow(ledger.CurrentRow)) {
        OpenEntryForm(id, ledger.CurrentRow);
    }
}

void BooksRecords::FastFind(LedgerId id) {
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

BooksRecords::Answer BooksRecords::AskDeleteRow(const Ledger& ledger, int row, bool& all) {
    if (all) {
        return Answer::Delete;
    }
    kiv5::ui::DeleteRecordDialog dialog(
        {{QStringLiteral("Date"), ledger.Table().Cell(row, LedgerColumn::Date)},
         {QStringLiteral("Payor/Payee"), ledger.Table().Cell(row, LedgerColumn::Party)}},
        owner_);
    switch (prompts_.Exec(dialog)) {
    case kiv5::ui::DeleteRecordDialog::Cancel:
        return Answer::Stop;
    case kiv5::ui::DeleteRecordDialog::No:
        return Answer::Skip;
    case kiv5::ui::DeleteRecordDialog::All:
        all = true;
        return Answer::Delete;
    default:
        return Answer::Delete;
    }
}

void BooksRecords::DeleteSelected(LedgerId id) {
    const Ledger& ledger = ws_.LedgerOf(id);
    kiv5::ui::WaitCursor wait;
    bool all = false;
    for (const int row : ledger.MarkedLiveRows()) {
        const Answer answer = AskDeleteRow(ledger, row, all);
        if (answer == Answer::Stop) {
            break;
        }
        if (answer == Answer::Skip) {
            continue;
        }
        bool conflict = false;
        if (!Run([&] { conflict = ws_.DeleteSelectedRow(id, row); })) {
            break;
        }
        if (conflict) {
            ShowError(9999);
        }
    }
}

void BooksRecords::SetFilter(LedgerId id) {
    if (filterDialog_ || !ws_.IsOpen()) {
        return;
    }
    const std::optional<QStringList> clients = ClientListOrError();
    if (!clients) {
        return;
    }
    const Ledger& ledger = ws_.LedgerOf(id);
    LedgerFilterDialog dialog(ledger.Kind(), ledger.Criteria(), *clients, ws_.AccountStrList(),
                              ws_.CategoryStrList(), prompts_, owner_);
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

void BooksRecords::CancelFilter(LedgerId id) {
    if (!ws_.IsOpen()) {
        return;
    }
    RunWithProgress(ws_.LedgerOf(id).Kind().cancellingFilterText,
                    [&](const PercentProgress& progress) { ws_.CancelFilter(id, progress); });
}

void BooksRecords::SelectAll(LedgerId id, bool selected) {
    if (!ws_.IsOpen()) {
        return;
    }
    const LedgerKind& kind = ws_.LedgerOf(id).Kind();
    RunWithProgress(
        selected ? kind.selectingAllText : kind.deselectingAllText,
        [&](const PercentProgress& progress) { ws_.SelectAll(id, selected, progress); });
}

} // namespace kiv5::books::ui
