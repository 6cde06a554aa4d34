#pragma once

#include "books/core/BooksWorkspace.h"
#include "books/core/CheckPage.h"
#include "books/ui/BooksActions.h"
#include "books/ui/LedgerEntryForm.h"
#include "books/ui/LedgerWindow.h"
#include "common/core/OfficeContext.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/Launcher.h"
#include "common/ui/ProgramHelp.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>

class QMdiArea;
class QMdiSubWindow;

namespace kiv5::ui {
class Prompts;
}

namespace kiv5::books::ui {

// Prints a check of the values the expense form shows; the window's own
// prints it (to the default printer, else a PDF), tests put theirs.
using CheckPrinter = std::function<void(const CheckValues& values, QWidget* parent)>;

struct BooksStartOptions {
    // The program's arguments without the program name; the first one is
    // the set to open.
    QStringList arguments;
    bool splash = true;
    // The launcher a check PDF is opened with.
    kiv5::ui::LaunchPlatform launchPlatform = kiv5::ui::LaunchPlatform::System();
};

// "Sumora5: ": the bookkeeping main window. It wires menus, the two ledger
// windows and the entry form to the workspace, asks the questions the
// commands need and shows what came of them.
class BooksMainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit BooksMainWindow(kiv5::ui::Prompts& prompts, BooksStartOptions options = {},
                             QWidget* parent = nullptr);
    ~BooksMainWindow() override;

    BooksWorkspace& Workspace() { return ws_; }
    OfficeContext& Context() { return context_; }
    BooksActions& Actions() { return actions_; }
    LedgerWindow* WindowOf(LedgerId id) const;
    LedgerEntryForm* Form() const { return form_; }
    bool IsFormOpen() const;
    void SetCheckPrinter(CheckPrinter printer) { checkPrinter_ = std::move(printer); }

    void StartUp();

    // Set commands.
    void OpenCommand();
    void ReopenCommand(int historyIndex);
    void RefreshCommand();
    void NewCommand();
    bool SaveAsCommand();
    void CloseCommand();
    void PackCommand();
    void ExportCommand();
    void MakeBackupCommand();
    void RestoreCommand();
    void SetPl5FileCommand();

    // Record commands of one ledger.
    void AddCommand(LedgerId id);
    bool SaveRecordCommand(LedgerId id);
    void DeleteCommand(LedgerId id);
    void DisplayCommand(LedgerId id);
    void FirstCommand(LedgerId id);
    void LastCommand(LedgerId id);
    void NextCommand(LedgerId id);
    void PriorCommand(LedgerId id);
    void FastFindCommand(LedgerId id);
    void DeleteSelectedCommand(LedgerId id);
    void SetFilterCommand(LedgerId id);
    void CancelFilterCommand(LedgerId id);
    void SelectAllCommand(LedgerId id, bool selected);

    // Options and windows.
    void ToggleAutoloadCommand();
    void ToggleAutomaticBackupCommand();
    void SetFontCommand();
    void CheckAlignmentCommand();
    void SetDefaultDirectoryCommand(int kind);
    void AccountEditorCommand();
    void CategoryEditorCommand();
    void ShowHelp(int topic);
    void AboutCommand();

    void UpdateMenuItems();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectActions();
    void ConnectLedger(LedgerId id);
    void CreateChildWindows();
    void ApplyTableFont();
    void StoreColumnWidths();
    void RebuildHistoryMenu();
    // A guard that shows both ledger windows again when the command fails.
    kiv5::ui::CommandGuard Guard();
    bool RunGuarded(const std::function<void()>& command);
    // Runs a workspace call showing its steps in one progress window.
    bool RunWithSteps(const std::function<void(const StepProgress&)>& call);
    bool RunWithProgress(const QString& text,
                         const std::function<void(const PercentProgress&)>& call);
    // The name of a new or saved-as set, asked before anything changes.
    std::optional<QString> AskSetName();
    void ShowError(int code);
    void LoadSet(const std::function<void(const StepProgress&)>& load);
    void ExitSteps();

    // The entry form.
    enum class Unsaved { Proceed, Stop };
    Unsaved ResolveUnsavedChanges(LedgerId id);
    // added: the row is a new record, counted as changed until saved.
    void OpenEntryForm(LedgerId id, int row, bool added = false);
    void ShowRowInForm(LedgerId id, int row);
    void UpdateFormButtons(LedgerId id);
    void MoveTo(LedgerId id, int row);
    void FormAdd(LedgerId id);
    bool AskToSaveOnClose(LedgerId id);
    std::optional<QStringList> ClientListOrError();

    kiv5::ui::Prompts& prompts_;
    BooksStartOptions options_;
    OfficeContext context_;
    kiv5::ui::ProgramHelp help_;
    BooksWorkspace ws_;
    kiv5::ui::Launcher launcher_;
    BooksActions actions_;
    QMdiArea* mdi_ = nullptr;
    QPointer<QMdiSubWindow> incomeSub_;
    QPointer<QMdiSubWindow> expenseSub_;
    QPointer<LedgerWindow> incomeWindow_;
    QPointer<LedgerWindow> expenseWindow_;
    QPointer<LedgerEntryForm> form_;
    QPointer<QDialog> filterDialog_;
    CheckPrinter checkPrinter_;
    bool cancelSearch_ = false;
    bool started_ = false;
    bool exited_ = false;
};

} // namespace kiv5::books::ui
