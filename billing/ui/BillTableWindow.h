#pragma once

// "Billing Window": the bill table under its tool bar. The window only
// reports what was asked of it; the main window runs the commands.

#include "common/core/ProgressTracker.h"
#include "common/ui/RecordTableLook.h"

#include <QAction>
#include <QWidget>

class QLabel;
class QToolBar;

namespace kiv5 {
class RecordTable;
struct TableProfile;
struct SortState;
} // namespace kiv5

namespace kiv5::ui {
class Prompts;
class RecordTableModel;
class RecordTableView;
} // namespace kiv5::ui

namespace kiv5::billing::ui {

// Captions, alignment and colours of the bill table.
kiv5::ui::RecordTableLook BillTableLook();

class BillTableWindow : public QWidget {
    Q_OBJECT

public:
    BillTableWindow(RecordTable& table, const TableProfile& profile, SortState& sort,
                    kiv5::ui::Prompts& prompts, ProgressTracker& progress,
                    QWidget* parent = nullptr);

    kiv5::ui::RecordTableView& View() const { return *view_; }
    kiv5::ui::RecordTableModel& Model() const { return *model_; }
    QToolBar& ToolBar() const { return *toolBar_; }

    // The table changed wholesale; the current row stays on its bill.
    void Reload();
    void RowChanged(int row);
    // Add, Del, Find, Filter, Select All and Deselect.
    void SetCommandsEnabled(bool enabled);
    // "Filter On" on red while a filter is in force; "Cancel" only then.
    void SetFilterActive(bool active, bool fileOpen);
    bool FilterShownActive() const { return filterActive_; }
    void SetTableFont(const QFont& font);

    QAction* addAction_ = nullptr;
    QAction* deleteAction_ = nullptr;
    QAction* findAction_ = nullptr;
    QAction* selectAction_ = nullptr;
    QAction* deselectAction_ = nullptr;
    QAction* filterAction_ = nullptr;
    QAction* cancelAction_ = nullptr;
    QAction* deleteCurrentMenu_ = nullptr;
    QAction* deleteSelectedMenu_ = nullptr;
    QAction* editMenu_ = nullptr;

signals:
    void AddRequested();
    void DeleteRequested();
    void FindRequested();
    void FilterRequested();
    void SelectAllRequested(bool selected);
    void CancelFilterRequested();
    void DeleteSelectedRequested();
    void EditRequested();
    void CurrentRowChanged(int row);

private:
    QAction* AddTool(const QString& text, const QString& hint, const QString& name);

    QToolBar* toolBar_ = nullptr;
    kiv5::ui::RecordTableModel* model_ = nullptr;
    kiv5::ui::RecordTableView* view_ = nullptr;
    bool filterActive_ = false;
};

} // namespace kiv5::billing::ui
