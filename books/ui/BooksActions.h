#pragma once

#include "books/core/LedgerKind.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

namespace kiv5::books::ui {

// The commands of one ledger's menu ("&Income" or "&Expense").
struct LedgerActions {
    QMenu* menu = nullptr;
    QAction* add = nullptr;
    QAction* del = nullptr;
    QAction* display = nullptr;
    QAction* find = nullptr;
    QAction* setFilter = nullptr;
    QAction* cancelFilter = nullptr;
    QAction* selectAll = nullptr;
    QAction* selectNone = nullptr;
};

// Every menu item of the bookkeeping main window.
struct BooksActions {
    QMenu* fileMenu = nullptr;
    QAction* New = nullptr;
    QAction* Open = nullptr;
    QAction* SaveAs = nullptr;
    QAction* Close = nullptr;
    QAction* ExportTxt = nullptr;
    QAction* MakeBackup = nullptr;
    QAction* RestoreBackup = nullptr;
    QAction* Exit = nullptr;
    QAction* HistorySeparator = nullptr;
    QAction* Refresh = nullptr;
    LedgerActions income;
    LedgerActions expense;
    QAction* SetFilter = nullptr;
    QAction* CancelFilter = nullptr;
    QAction* SelectAll = nullptr;
    QAction* SelectNone = nullptr;
    QAction* Pack = nullptr;
    QAction* Autoload = nullptr;
    QAction* AutomaticBackup = nullptr;
    QAction* SetFont = nullptr;
    QAction* CheckAlignment = nullptr;
    QAction* DirectorySu5 = nullptr;
    QAction* DirectoryPl5 = nullptr;
    QAction* SetPl5File = nullptr;
    QAction* AccountEditor = nullptr;
    QAction* CategoryEditor = nullptr;
    QAction* Tile = nullptr;
    QAction* Cascade = nullptr;
    QAction* Contents = nullptr;
    QAction* About = nullptr;

    LedgerActions& Of(LedgerId id) { return id == LedgerId::Income ? income : expense; }
};

// Builds the menu bar of the window.
BooksActions CreateBooksActions(QMainWindow& window);

} // namespace kiv5::books::ui
