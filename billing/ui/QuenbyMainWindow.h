#pragma once

#include "billing/core/BillPrintJobs.h"
#include "billing/core/BillingWorkspace.h"
#include "billing/core/CalendarPages.h"
#include "billing/ui/BillEntryForm.h"
#include "billing/ui/BillTableWindow.h"
#include "billing/ui/QuenbyActions.h"
#include "common/core/OfficeContext.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/Launcher.h"
#include "common/ui/ProgramHelp.h"
#include "common/ui/SortedItems.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

class QMdiArea;
class QMdiSubWindow;

namespace kiv5 {
class TAnswer;
}

namespace kiv5::ui {
class Prompts;
}

namespace kiv5::billing::ui {

class QuenbyMainWindow;

// Makes one of the further child windows (the itemized statement worksheet,
// the calendar) for the frame; the main window adds it as a sub-window and
// keeps its items off while it is open. Until a hook is set, the window's
// menu item and tool button stay disabled.
using OpenWorksheetHook = std::function<QWidget*(QuenbyMainWindow& window)>;
using OpenCalendarHook = std::function<QWidget*(QuenbyMainWindow& window)>;

struct QuenbyStartOptions {
    // The program's arguments without the program name; the first one is
    // the billing file to open.
    QStringList arguments;
    bool splash = true;
    // How the word processor is started; tests record instead.
    kiv5::ui::LaunchPlatform launchPlatform = kiv5::ui::LaunchPlatform::System();
};

// "Quenby5: ": the billing main window. It wires menus, the tool bars, the
// billing window, the entry form and the dialogs to the workspace, asks the
// questions the commands need and shows what came of them.
class QuenbyMainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit QuenbyMainWindow(kiv5::ui::Prompts& prompts, QuenbyStartOptions options = {},
                              QWidget* parent = nullptr);
    ~QuenbyMainWindow() override;

    BillingWorkspace& Workspace() { return ws_; }
    OfficeContext& Context() { return context_; }
    kiv5::ui::Prompts& Prompts() { return prompts_; }
    QuenbyActions& Actions() { return actions_; }
    QMdiArea& Frame() const { return *mdi_; }
    BillTableWindow* BillWindow() const { return billWindow_; }
    BillEntryForm* Form() const { return form_; }
    bool IsFormOpen() const;
    const QFont& TableFont() const { return tableFont_; }

    // The integrator's hooks for the further child windows.
    void SetOpenWorksheetHook(OpenWorksheetHook hook);
    void SetOpenCalendarHook(OpenCalendarHook hook);
    // The print commands (bill, statement, calendars, periodic billing,
    // billing caption) turn on once they exist.
    void SetPrintCommandsAvailable(bool available);
    bool IsWorksheetOpen() const { return !worksheet_.isNull(); }
    bool IsCalendarOpen() const { return !calendar_.isNull(); }
    QWidget* WorksheetChild() const { return worksheet_; }
    QWidget* CalendarChild() const { return calendar_; }

    void StartUp();

    // File commands.
    void NewCommand();
    void OpenCommand();
    void ReopenCommand(int historyIndex);
    bool SaveAsCommand();
    void CloseCommand();
    void ExportCommand();
    void MakeBillingBackupCommand();
    void MakeCalendarBackupCommand();
    void RestoreBillingBackupCommand();
    void RestoreCalendarBackupCommand();

    // Bill commands.
    void AddCommand();
    bool SaveBillCommand();
    void DeleteCommand();
    void DeleteSelectedCommand();
    void DisplayCommand();
    void FirstCommand();
    void PriorCommand();
    void NextCommand();
    void LastCommand();
    void FastFindCommand();
    void SetFilterCommand();
    void CancelFilterCommand();
    void SelectAllCommand(bool selected);
    void SortByBalanceDueCommand();
    void SortByNameCommand();

    // Print commands: each writes the billing file's "Selected Forms" RTF
    // (and its PDF when that option is on) and opens it.
    void PrintCurrentBillCommand();
    void PeriodicBillingCommand();
    // The statement open in the worksheet, its dates in the worksheet's
    // date order.
    void PrintStatementCommand(const QString& statementPath);
    // The day, week or month of the calendar's current date.
    void PrintCalendarCommand(CalendarPageKind kind, const QDate& current);
    void SetBillingCaptionCommand();
    void ToggleWritePdfCommand();

    // Options, windows and help.
    void ToggleAutomaticBackupCommand();
    void SetHourlyRateCommand();
    void SetShorthandTextCommand();
    void SetFontCommand();
    void SetWordProcessorCommand();
    void SetDefaultDirectoryCommand(int kind);
    void SetPl5FileCommand();
    void SetSu5FileCommand();
    void OpenWorksheetCommand();
    void OpenCalendarCommand();
    void CloseActiveWindowCommand();
    void ShowHelp(int topic);
    void AboutCommand();

    void UpdateMenuItems();

signals:
    // The shorthand texts were set; an open worksheet takes them.
    void ShorthandChanged(const QStringList& texts);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectActions();
    void ConnectBillWindow();
    void CreateBillWindow();
    void ApplyTableFont();
    void StoreColumnWidths();
    void RebuildHistoryMenu();
    void ShowError(int code);
    void ShowBackupFailures(const AutomaticBackupOutcome& outcome);
    kiv5::ui::CommandGuard Guard();
    bool RunGuarded(const std::function<void()>& command);
    bool RunWithSteps(const std::function<void(const StepProgress&)>& call);
    bool RunWithProgress(const QString& text,
                         const std::function<void(const PercentProgress&)>& call);
    // The name of a new or saved-as file, with the overwrite question asked
    // about its data file.
    std::optional<QString> AskBillingFileName();
    void AfterFileChange();
    // Writes the PDF beside a finished document when asked to, then opens
    // the document.
    void FinishDocument(const BillPrintOutcome& outcome);
    void CreateAnswerStore();
    bool HasAnswerStore();
    bool StatementDatesAscending() const;
    BillPrintJobs PrintJobs();
    void Warn(const QString& title, const QString& text);
    QWidget* OpenChild(const std::function<QWidget*(QuenbyMainWindow&)>& hook,
                       QPointer<QWidget>& child);

    // The entry form.
    enum class Unsaved { Proceed, Stop };
    Unsaved ResolveUnsavedChanges();
    bool AskToSaveOnClose();
    std::optional<QStringList> ClientListOrError();
    // The list item of a client number in the list last read; empty when
    // no item has exactly that number.
    QString ClientItemText(const QString& clientNo) const;
    void OpenEntryForm(int row, bool added = false);
    void ShowRowInForm(int row);
    void UpdateFormButtons();
    void MoveTo(BillMove move);
    void BrowsePath(int line);
    void ShowStoredAfterConflict(int row);

    kiv5::ui::Prompts& prompts_;
    QuenbyStartOptions options_;
    OfficeContext context_;
    kiv5::ui::ProgramHelp help_;
    kiv5::ui::Launcher launcher_;
    BillingWorkspace ws_;
    QuenbyActions actions_;
    QMdiArea* mdi_ = nullptr;
    QPointer<QMdiSubWindow> billSub_;
    QPointer<BillTableWindow> billWindow_;
    QPointer<BillEntryForm> form_;
    QPointer<QDialog> filterDialog_;
    QPointer<QWidget> worksheet_;
    QPointer<QWidget> calendar_;
    OpenWorksheetHook worksheetHook_;
    OpenCalendarHook calendarHook_;
    bool printAvailable_ = false;
    // The client list as last read, and sorted as the pick lists show it.
    QStringList clients_;
    kiv5::ui::SortedListCache sortedClients_;
    QFont tableFont_;
    // The answer store of the documents; none when it could not be made.
    std::unique_ptr<TAnswer> answers_;
    bool cancelSearch_ = false;
    bool started_ = false;
    bool exited_ = false;
};

} // namespace kiv5::billing::ui
