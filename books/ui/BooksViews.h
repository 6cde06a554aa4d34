#pragma once

#include "books/core/BooksWorkspace.h"
#include "books/ui/LedgerWindow.h"
#include "common/core/ProgressTracker.h"
#include "common/ui/CommandGuard.h"

#include <QObject>
#include <QPointer>

class QMdiArea;
class QWidget;

namespace kiv5::ui {
class Prompts;
} // namespace kiv5::ui

namespace kiv5::books::ui {

// The two ledger windows, "Income/Receipts" and "Expenses/Disbursements",
// side by side in the main window's work area: their creation, table font
// and column widths. They follow the workspace's signals; what the user asks
// of them is passed on as a signal naming the ledger.
class BooksViews : public QObject {
    Q_OBJECT

public:
    BooksViews(BooksWorkspace& workspace, kiv5::ui::Prompts& prompts, ProgressTracker& progress,
               QMdiArea& area, QWidget* owner);

    LedgerWindow* WindowOf(LedgerId id) const;

    // Both windows with their stored widths and the table font, tiled.
    void CreateWindows();
    void Tile();
    void Cascade();
    // The windows' commands follow whether a set is open.
    void SetCommandsEnabled(bool enabled);
    // Makes the row current in its ledger's window.
    void ShowRow(LedgerId id, int row);
    // The row current in the ledger's window, 0 when none is.
    int CurrentRow(LedgerId id) const;

    // Keeps the widths of the shown columns in the settings.
    void StoreColumnWidths();
    // Set Font: asks for the table font of both windows.
    void ChooseTableFont();
    // The guard of a command: when it fails, both windows are shown again.
    kiv5::ui::CommandGuard Guard() const;

signals:
    void AddRequested(kiv5::books::LedgerId id);
    void DeleteRequested(kiv5::books::LedgerId id);
    void FindRequested(kiv5::books::LedgerId id);
    void FilterRequested(kiv5::books::LedgerId id);
    void SelectAllRequested(kiv5::books::LedgerId id, bool selected);
    void CancelFilterRequested(kiv5::books::LedgerId id);
    void DeleteSelectedRequested(kiv5::books::LedgerId id);
    void EditRequested(kiv5::books::LedgerId id);

private:
    void Connect(LedgerId id);
    void ApplyTableFont();

    BooksWorkspace& ws_;
    kiv5::ui::Prompts& prompts_;
    ProgressTracker& progress_;
    QMdiArea& area_;
    QPointer<LedgerWindow> income_;
    QPointer<LedgerWindow> expense_;
};

} // namespace kiv5::books::ui
