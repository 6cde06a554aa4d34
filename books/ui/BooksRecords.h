#pragma once

#include "books/core/BooksWorkspace.h"
#include "books/core/CheckPage.h"
#include "books/ui/LedgerEntryForm.h"
#include "common/core/OfficeContext.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QDialog;
class QWidget;

namespace kiv5::ui {
class Prompts;
}

namespace kiv5::books::ui {

class BooksViews;

// Prints a check of the values the expense form shows; the window's own
// prints it (to the default printer, else a PDF), tests put theirs.
using CheckPrinter = std::function<void(const CheckValues& values, QWidget* parent)>;

// The record commands of both ledgers: the entry form and its session (the
// save-changes question before every move), add, save with the comparison,
// delete, navigation, fast find, delete selected, the filters and select
// all. Each asks its questions, then calls the workspace.
class BooksRecords : public QObject {
    Q_OBJECT

public:
    BooksRecords(BooksWorkspace& workspace, kiv5::ui::Prompts& prompts, BooksViews& views,
                 OfficeContext& context, QWidget* owner);

    LedgerEntryForm* Form() const { return form_; }
    bool IsFormOpen() const;
    void SetCheckPrinter(CheckPrinter printer) { checkPrinter_ = std::move(printer); }

    void Add(LedgerId id);
    // False when nothing was saved (refused, failed); the changes stay shown.
    bool Save(LedgerId id);
    void Delete(LedgerId id);
    void Display(LedgerId id);
    void First(LedgerId id);
    void Last(LedgerId id);
    void Next(LedgerId id);
    void Prior(LedgerId id);
    void FastFind(LedgerId id);
    void DeleteSelected(LedgerId id);
    void SetFilter(LedgerId id);
    void CancelFilter(LedgerId id);
    void SelectAll(LedgerId id, bool selected);

private:
    enum class Unsaved { Proceed, Stop };
    Unsaved ResolveUnsavedChanges(LedgerId id);
    bool AskToSaveOnClose(LedgerId id);
    bool Run(const std::function<void()>& command);
    bool RunWithProgress(const QString& text,
                         const std::function<void(const PercentProgress&)>& call);
    void ShowError(int code);
    std::optional<QStringList> ClientListOrError();
    // added: the row is a new record, counted as changed until saved.
    void OpenEntryForm(LedgerId id, int row, bool added = false);
    LedgerEntryForm* CreateEntryForm(LedgerId id, const EntryFormLists& lists);
    void PrintCheck();
    void ShowRowInForm(LedgerId id, int row);
    void UpdateFormButtons(LedgerId id);
    void MoveTo(LedgerId id, int row);
    void FormAdd(LedgerId id);
    // Shows a new record in the open form, counted as changed.
    void ShowAddedInForm(LedgerId id, int row);
    // Delete Selected's question for one row; false ends the command.
    enum class Answer { Delete, Skip, Stop };
    Answer AskDeleteRow(const Ledger& ledger, int row, bool& all);

    BooksWorkspace& ws_;
    kiv5::ui::Prompts& prompts_;
    BooksViews& views_;
    OfficeContext& context_;
    QWidget* owner_;
    QPointer<LedgerEntryForm> form_;
    QPointer<QDialog> filterDialog_;
    CheckPrinter checkPrinter_;
    bool cancelSearch_ = false;
};

} // namespace kiv5::books::ui
