#pragma once

#include "books/core/BooksWorkspace.h"
#include "books/ui/BooksActions.h"
#include "books/ui/BooksRecords.h"
#include "books/ui/BooksViews.h"
#include "books/ui/LedgerWindow.h"
#include "common/core/OfficeContext.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/Launcher.h"
#include "common/ui/ProgramHelp.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>

class QMdiArea;

namespace kiv5::ui {
class Prompts;
}

namespace kiv5::books::ui {

struct BooksStartOptions {
    // The program's arguments without the program name; the first one is
    // the set to open.
    QStringList arguments;
    bool splash = true;
    // The launcher a check PDF is opened with.
    kiv5::ui::LaunchPlatform launchPlatform = kiv5::ui::LaunchPlatform::System();
};

// "Sumora5: ": the bookkeeping main window. It wires the menus to the
// workspace, the ledger windows (BooksViews) and the record commands
// (BooksRecords); its own are the set commands and the options, each asking
// its questions and showing what came of it.
class BooksMainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit BooksMainWindow(kiv5::ui::Prompts& prompts, BooksStartOptions options = {},
                             QWidget* parent = nullptr);
    ~BooksMainWindow() override;

    BooksWorkspace& Workspace() { return ws_; }
    OfficeContext& Context() { return context_; }
    BooksActions& Actions() { return actions_; }
    BooksViews& Views() { return *views_; }
    BooksRecords& Records() { return *records_; }
    LedgerWindow* WindowOf(LedgerId id) const { return views_->WindowOf(id); }
    void SetCheckPrinter(CheckPrinter printer) { records_->SetCheckPrinter(std::move(printer)); }

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

    // Options and windows.
    void ToggleAutoloadCommand();
    void ToggleAutomaticBackupCommand();
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
    void ConnectLedgerActions(LedgerId id);
    // Both ledgers' command, income first.
    void ConnectBoth(QAction* action, void (BooksRecords::*command)(LedgerId));
    void RebuildHistoryMenu();
    bool RunGuarded(const std::function<void()>& command);
    // Runs a workspace call showing its steps in one progress window.
    bool RunWithSteps(const std::function<void(const StepProgress&)>& call);
    // The name of a new or saved-as set, asked before anything changes.
    std::optional<QString> AskSetName();
    void ShowError(int code);
    void LoadSet(const std::function<void(const StepProgress&)>& load);
    void ExitSteps();

    kiv5::ui::Prompts& prompts_;
    BooksStartOptions options_;
    OfficeContext context_;
    kiv5::ui::ProgramHelp help_;
    BooksWorkspace ws_;
    kiv5::ui::Launcher launcher_;
    BooksActions actions_;
    QMdiArea* mdi_ = nullptr;
    BooksViews* views_ = nullptr;
    BooksRecords* records_ = nullptr;
    bool started_ = false;
    bool exited_ = false;
};

} // namespace kiv5::books::ui
