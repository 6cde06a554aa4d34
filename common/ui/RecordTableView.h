#pragma once

#include "common/core/ProgressTracker.h"

#include <QPointer>
#include <QTableView>
#include <vector>

class QMenu;

namespace kiv5::ui {

class ActiveRowsProxy;
class Prompts;
class RecordTableModel;

// The table window of a program: the shown rows of its record table, one
// fixed height for all rows, whole-row single selection, a header click
// sorts the table, a click in the mark column toggles the current mark.
class RecordTableView : public QTableView {
    Q_OBJECT

public:
    // Sorting shows its progress window through the program's tracker.
    RecordTableView(RecordTableModel& model, Prompts& prompts, ProgressTracker& progress,
                    QWidget* parent = nullptr);

    RecordTableModel& Model() const { return model_; }
    ActiveRowsProxy& Proxy() const { return *proxy_; }

    // The table's current row; 0 = none.
    int CurrentTableRow() const;
    // Selects the row and scrolls to it; a hidden row or 0 clears the current row.
    void SetCurrentTableRow(int tableRow);
    // Reloads the model, keeping the current row on the same record when the
    // record is still there (found by its record number), else near its
    // old place.
    void Reload();
    // One fixed height for every row.
    void SetRowHeight(int pixels);
    // -1 hides a column; columns without an entry stay as they are.
    void SetColumnWidths(const std::vector<int>& widths);
    // Hidden columns give -1.
    std::vector<int> ColumnWidths() const;
    // The pop-up menu of the table; null for none. The view does not own it.
    void SetContextMenu(QMenu* menu);

    // What a click on the header cell of a column does: sort the table by it
    // under the "Sorting Records" progress, the view disabled meanwhile.
    void SortByHeader(int column);

signals:
    // A left or middle click in the mark column of a data row toggled the
    // mark of the current row.
    void MarkToggled(int tableRow);
    // A header click sorted the table.
    void Sorted(int column);
    void EditRequested();
    // Any click in the table.
    void TableClicked();
    void CurrentRowChanged(int tableRow);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    // The record number of the current row as the table holds it now.
    QString CurrentRecNo() const;
    void ReloadKeeping(int tableRow, const QString& recNo);
    int FindRecord(int hint, const QString& recNo) const;
    int NearestShownRow(int tableRow) const;
    void ToggleCurrentMark();

    RecordTableModel& model_;
    Prompts& prompts_;
    ProgressTracker& progress_;
    ActiveRowsProxy* proxy_;
    QPointer<QMenu> menu_;
    // The current row as it was when it became current.
    int currentRow_ = 0;
    QString currentRecNo_;
};

} // namespace kiv5::ui
