#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>

namespace kiv5::ui {

// Every menu item and tool-bar button of the client database's main window.
struct ClientActions {
    // File
    QAction* New = nullptr;
    QAction* Open = nullptr;
    QAction* SaveAs = nullptr;
    QAction* Close = nullptr;
    QAction* PrintPhoneBook = nullptr;
    QAction* PrintFullPrintout = nullptr;
    QAction* PrintLabels5160 = nullptr;
    QAction* PrintLabels5163 = nullptr;
    QAction* PrinterSetup = nullptr;
    QAction* ExportTxt = nullptr;
    QAction* MakeBackup = nullptr;
    QAction* RestoreBackup = nullptr;
    QAction* Exit = nullptr;
    // The separator after which the history items stand.
    QAction* HistorySeparator = nullptr;
    // Actions
    QAction* AddName = nullptr;
    QAction* DeleteSelected = nullptr;
    QAction* DisplayCurrentRecord = nullptr;
    QAction* FastFind = nullptr;
    QAction* First = nullptr;
    QAction* Last = nullptr;
    QAction* SetFilter = nullptr;
    QAction* CancelFilter = nullptr;
    QAction* SelectAll = nullptr;
    QAction* SelectNone = nullptr;
    QAction* Copy = nullptr;
    QAction* Paste = nullptr;
    QAction* Refresh = nullptr;
    // Options
    QAction* Pack = nullptr;
    QAction* Autoload = nullptr;
    QAction* AutomaticBackup = nullptr;
    QAction* HideShowColumns = nullptr;
    QAction* ListViewFont = nullptr;
    QAction* TableViewFont = nullptr;
    QAction* DisplayListView = nullptr;
    QAction* SetWordProcessor = nullptr;
    QAction* SetDefaultDirectory = nullptr;
    QAction* SetReturnAddress = nullptr;
    // Window
    QAction* Tile = nullptr;
    QAction* Cascade = nullptr;
    // Help
    QAction* Contents = nullptr;
    QAction* Manual = nullptr;
    QAction* About = nullptr;
    QAction* DownloadUpgrade = nullptr;
    // Tool bar
    QAction* ToolAdd = nullptr;
    QAction* ToolExit = nullptr;
    QAction* ToolFind = nullptr;
    QAction* ToolDelete = nullptr;
    QAction* ToolHideColumns = nullptr;
    QAction* ToolCopy = nullptr;
    QAction* ToolFilter = nullptr;
    QAction* ToolCancelFilter = nullptr;
    QAction* ToolPaste = nullptr;

    QMenu* FileMenu = nullptr;
    QToolBar* ToolBar = nullptr;
    QLabel* MemoListLabel = nullptr;
};

// Builds the menus and the tool bar into the window.
ClientActions CreateClientActions(QMainWindow& window);

} // namespace kiv5::ui
