#pragma once

// A ledger's child window: a tool bar over the table of its records. The
// income and the expense window are two of these, told apart by their
// LedgerKind; the window only reports what was asked of it.

#include "books/core/Ledger.h"
#include "common/ui/RecordTableLook.h"

#include <QAction>
#include <QWidget>

class QToolBar;

namespace kiv5 {
class ProgressTracker;
}

namespace kiv5::ui {
class Prompts;
class RecordTableModel;
class RecordTableView;
} // namespace kiv5::ui

namespace kiv5::books::ui {

// Captions, alignment and colours of a ledger table.
kiv5::ui::RecordTableLook LedgerLook(LedgerId id);

class LedgerWindow : public QWidget {
    Q_OBJECT

public:
    LedgerWindow(Ledger& ledger, kiv5::ui::Prompts& prompts, ProgressTracker& progress,
                 QWidget* parent = nullptr);

    Ledger& Model() const { return ledger_; }
    kiv5::ui::RecordTableView& View() const { return *view_; }
    QToolBar& ToolBar() const { return *toolBar_; }

    // The table changed wholesale; the current row follows the ledger's.
    void Reload();
    void RowChanged(int row);
    // The seven tool buttons.
    void SetCommandsEnabled(bool enabled);
    void SetTableFont(const QFont& font);

    QAction* addAction_ = nullptr;
    QAction* deleteAction_ = nullptr;
    QAction* findAction_ = nullptr;
    QAction* filterAction_ = nullptr;
    QAction* selectAction_ = nullptr;
    QAction* deselectAction_ = nullptr;
    QAction* cancelAction_ = nullptr;

signals:
    void AddRequested();
    void DeleteRequested();
    void FindRequested();
    void FilterRequested();
    void SelectAllRequested(bool selected);
    void CancelFilterRequested();
    void DeleteSelectedRequested();
    void EditRequested();

private:
    QAction* AddTool(const QString& text, const QString& hint, const QString& name);

    Ledger& ledger_;
    QToolBar* toolBar_ = nullptr;
    kiv5::ui::RecordTableModel* model_ = nullptr;
    kiv5::ui::RecordTableView* view_ = nullptr;
};

} // namespace kiv5::books::ui
