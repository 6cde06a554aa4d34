#pragma once

#include "clientdb/core/ClientDocument.h"
#include "clientdb/core/ClientWorkspace.h"
#include "clientdb/ui/ClientActions.h"
#include "clientdb/ui/ClientRecords.h"
#include "clientdb/ui/ClientViews.h"
#include "clientdb/ui/UpgradeController.h"
#include "common/core/Answers.h"
#include "common/core/OfficeContext.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/Launcher.h"
#include "common/ui/ProgramHelp.h"
#include "common/ui/RecordTableView.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

class QLabel;
class QMdiArea;
class QMdiSubWindow;

namespace kiv5::ui {

class Prompts;
class RecordTableModel;

struct ClientStartOptions {
    // The program's arguments without the program name; the first one is
    // the client file to open.
    QStringList arguments;
    bool splash = true;
    // The launcher the documents and the manual are opened with.
    LaunchPlatform launchPlatform = LaunchPlatform::System();
};

// "Pellary5": the client database's main window. It wires menus, tool bar,
// the entry form and the two views to the workspace, asks the questions the
// commands need and shows what came of them; the views follow the
// workspace's signals.
class ClientMainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit ClientMainWindow(Prompts& prompts, ClientStartOptions options = {},
                              QWidget* parent = nullptr);
    ~ClientMainWindow() override;

    ClientWorkspace& Workspace() { return ws_; }
    OfficeContext& Context() { return context_; }
    const ClientActions& Actions() const { return actions_; }
    ClientViews& Views() const { return *views_; }
    ClientRecords& Records() const { return *records_; }
    RecordTableView* TableView() const { return views_->TableView(); }
    ClientListView* ListView() const { return views_->ListView(); }
    EntryForm* Form() const { return records_->Form(); }
    bool IsFormOpen() const { return records_->IsFormOpen(); }
    // The table's current row, 0 when there is none.
    int CurrentRow() const { return views_->CurrentRow(); }

    // What the first showing does; runs once.
    void StartUp();

    // File commands.
    void OpenFileCommand();
    void ReopenCommand(int historyIndex);
    bool SaveAsCommand(SaveMode mode = SaveMode::SaveAs);
    void NewFileCommand();
    void CloseFileCommand();
    void PackCommand();
    void RefreshCommand();
    void ExportCommand();
    void MakeBackupCommand();
    void RestoreCommand();
    void PrinterSetupCommand();
    void PrintPhoneBookCommand();
    void PrintFullPrintoutCommand();
    void PrintLabels5160Command();
    void PrintLabels5163Command();

    // Filter and selection.
    void SetFilterCommand();
    void CancelFilterCommand();
    void SelectAllCommand();
    void SelectNoneCommand();

    // Options.
    void ToggleListViewCommand();
    void ToggleAutoloadCommand();
    void ToggleAutomaticBackupCommand();
    void SetWordProcessorCommand();
    void SetDefaultDirectoryCommand();
    void SetReturnAddressCommand();

    // Help.
    void ContentsCommand();
    // The program's help window at a topic; 0 shows the contents.
    void ShowHelp(int topic);
    void ManualCommand();
    void AboutCommand();

    void UpdateCommands();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectActions();

    // Steps.
    void OpenFile(const QString& name, const QString& progressText);
    void AddToHistory(const QString& name);
    void RebuildHistoryMenu();
    // Exit: the memo lines, the auto-load name and the automatic backup;
    // false when the user chose to stay.
    bool ExitSteps();
    // A guard that shows the table window again when the command fails.
    CommandGuard Guard();
    bool RunGuarded(const std::function<void()>& command);
    // Runs a workspace call under a progress window of that text.
    bool RunWithProgress(const QString& text,
                         const std::function<void(const PercentProgress&)>& call);

    void WriteDocument(const std::function<QString(const ClientDocumentSource&, TAnswer&)>& build);
    void ShowError(int code);

    Prompts& prompts_;
    ClientStartOptions options_;
    OfficeContext context_;
    ProgramHelp help_;
    ClientWorkspace ws_;
    ClientActions actions_;
    Launcher launcher_;
    UpgradeController upgrade_;
    std::unique_ptr<TAnswer> answers_;
    QMdiArea* mdi_ = nullptr;
    QLabel* logo_ = nullptr;
    ClientViews* views_ = nullptr;
    ClientRecords* records_ = nullptr;
    bool started_ = false;
    bool exited_ = false;
};

} // namespace kiv5::ui
