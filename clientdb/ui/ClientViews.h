#pragma once

#include "clientdb/core/ClientWorkspace.h"
#include "clientdb/ui/ClientListView.h"
#include "common/core/ProgressTracker.h"
#include "common/ui/RecordTableView.h"

#include <QList>
#include <QMdiSubWindow>
#include <QObject>
#include <QPointer>

class QMdiArea;
class QWidget;

namespace kiv5::ui {

class Prompts;
class RecordTableModel;

// The client program's two document windows, "Table View" and "List View":
// their creation in the main window's work area, fonts, column widths and
// list clicks. They follow the workspace's signals; what the user asks of
// them (edit, copy, delete, a click on a list entry) is passed on as a signal.
class ClientViews : public QObject {
    Q_OBJECT

public:
    ClientViews(ClientWorkspace& workspace, Prompts& prompts, ProgressTracker& progress,
                QMdiArea& area, QWidget* owner);

    RecordTableView* TableView() const { return tableView_; }
    ClientListView* ListView() const { return listView_; }
    QMdiSubWindow* TableWindow() const { return tableWindow_; }

    void CreateTableView();
    void CreateListView();
    // Closes the list view (its setting stays as it is).
    void CloseListView();
    // Closes both and opens them anew, the list only when it is displayed.
    void RecreateViews();

    // The table's current row, 0 when there is none.
    int CurrentRow() const;
    void SetCurrentRow(int row);
    // Scrolls the list so that the row's entry is in the middle.
    void CentreListOn(int row);
    // Forgets the anchor of Shift-clicks (a file was closed).
    void ForgetListAnchor() { lastListClick_ = -1; }

    // Keeps the widths of the visible columns in the settings.
    void StoreColumnWidths();
    // Options commands; each asks through the prompts.
    void HideShowColumns();
    void ChooseTableFont();
    void ChooseListFont();

signals:
    void EditRequested();
    void CopyRequested();
    void DeleteRequested();
    void SelectThisRequested();
    // A click on a list entry: the record number, the kind of click and, for
    // a range, the record numbers from the anchor to the entry.
    void ListClicked(int recNo, ListClick click, const QList<int>& range);
    void CurrentRowChanged(int row);
    // A document window was closed by the user (its close box, Ctrl+F4).
    void ViewClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CloseView(QPointer<QMdiSubWindow>& window);
    void ReloadViews();
    void RefreshListView();
    void ApplyTableFont();
    void ApplyListFont();
    void AddTableMenu(RecordTableView& view);
    void ListEntryClicked(int index, Qt::KeyboardModifiers modifiers);

    ClientWorkspace& ws_;
    Prompts& prompts_;
    ProgressTracker& progress_;
    QMdiArea& area_;
    QWidget* owner_;
    RecordTableModel* model_;
    QPointer<QMdiSubWindow> tableWindow_;
    QPointer<QMdiSubWindow> listWindow_;
    QPointer<RecordTableView> tableView_;
    QPointer<ClientListView> listView_;
    int lastListClick_ = -1;
};

} // namespace kiv5::ui
