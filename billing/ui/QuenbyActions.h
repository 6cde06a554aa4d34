#pragma once

// Every menu item and tool button of the billing main window, and the rules
// that enable them.

#include <QAction>
#include <QList>
#include <QMainWindow>
#include <QMenu>

class QToolBar;

namespace kiv5::billing::ui {

struct QuenbyActions {
    QMenu* fileMenu = nullptr;
    QAction* New = nullptr;
    QAction* Open = nullptr;
    QAction* SaveAs = nullptr;
    QAction* Close = nullptr;
    QAction* PeriodicBilling = nullptr;
    QAction* ExportTxt = nullptr;
    QAction* MakeBillingBackup = nullptr;
    QAction* MakeCalendarBackup = nullptr;
    QAction* RestoreBillingBackup = nullptr;
    QAction* RestoreCalendarBackup = nullptr;
    QAction* Exit = nullptr;
    QAction* HistorySeparator = nullptr;

    QAction* Add = nullptr;
    QAction* Delete = nullptr;
    QAction* Display = nullptr;
    QAction* FastFind = nullptr;
    QAction* Save = nullptr;
    QAction* PrintCurrentBill = nullptr;
    QAction* SetFilter = nullptr;
    QAction* CancelFilter = nullptr;
    QAction* SelectAll = nullptr;
    QAction* SelectNone = nullptr;

    QAction* AutomaticBackup = nullptr;
    QAction* SetHourlyRate = nullptr;
    QAction* SetShorthandText = nullptr;
    QAction* SetBillingCaption = nullptr;
    QAction* SetFont = nullptr;
    QAction* SetWordProcessor = nullptr;
    // Every print also written as PDF; checked while on.
    QAction* WritePdf = nullptr;
    QAction* DirectoryQy5 = nullptr;
    QAction* DirectoryIs5 = nullptr;
    QAction* DirectorySu5 = nullptr;
    QAction* DirectoryPl5 = nullptr;
    QAction* SetPl5File = nullptr;
    QAction* SetSu5File = nullptr;

    QAction* ItemizedStatement = nullptr;
    QAction* Calendar = nullptr;
    QAction* Tile = nullptr;
    QAction* Cascade = nullptr;

    QAction* Contents = nullptr;
    QAction* About = nullptr;

    // The main tool bar, by hint.
    QToolBar* toolBar = nullptr;
    QAction* spdNew = nullptr;
    QAction* spdOpen = nullptr;
    QAction* spdClose = nullptr;
    QAction* spdPrintBill = nullptr;
    QAction* spdPrintStatement = nullptr;
    QAction* spdPrintDaily = nullptr;
    QAction* spdPrintWeekly = nullptr;
    QAction* spdPrintMonthly = nullptr;
    QAction* spdOpenStatement = nullptr;
    QAction* spdOpenCalendar = nullptr;
    QAction* spdSearchCalendar = nullptr;
    QAction* spdSortByBalance = nullptr;
    QAction* spdSortByName = nullptr;
    QAction* spdCloseWindow = nullptr;
    QAction* spdExit = nullptr;
};

// Builds the menu bar and the tool bar of the window.
QuenbyActions CreateQuenbyActions(QMainWindow& window);

// What the enabled rules depend on.
struct QuenbyState {
    bool fileOpen = false;
    bool filterActive = false;
    bool worksheetOpen = false;
    bool calendarOpen = false;
    // Whether the worksheet and calendar windows and the print commands are
    // built into this program; their items stay off until they are.
    bool worksheetAvailable = false;
    bool calendarAvailable = false;
    bool printAvailable = false;
};

// Enables every item by the rules of the main window.
void ApplyEnabledRules(QuenbyActions& actions, const QuenbyState& state);

} // namespace kiv5::billing::ui
