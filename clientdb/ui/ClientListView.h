#pragma once

#include <QAbstractScrollArea>
#include <QFont>
#include <QString>
#include <vector>

namespace kiv5::ui {

// One name of the list view: its text, whether it is selected, and the record
// number of its table row.
struct ListEntry {
    QString text;
    bool Selected = false;
    int LVRecNo = 0;
};

// The "List View": the names of the active clients in columns that fill the
// window from top to bottom, then left to right, scrolling sideways.
class ClientListView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit ClientListView(QWidget* parent = nullptr);

    void SetEntries(std::vector<ListEntry> entries, int tableRowCount);
    const std::vector<ListEntry>& Entries() const { return entries_; }
    void SetListFont(const QFont& font);
    QFont ListFont() const { return font_; }

    // The geometry of the current font and window.
    int CellHeight() const;
    int CellWidth() const;
    int RowsPerColumn() const;
    int VisibleColumns() const;
    // The entry at a point of the viewport, -1 for none.
    int EntryAt(const QPoint& point) const;
    QRect EntryRect(int index) const;
    // Scrolls so that the column of the entry at this position is centred.
    void CentreOn(int position);

signals:
    // A click on an entry with the keyboard modifiers held.
    void EntryClicked(int index, Qt::KeyboardModifiers modifiers);
    void EditRequested();
    void CopyRequested();
    void DeleteRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void UpdateScrollRange();

    std::vector<ListEntry> entries_;
    int tableRowCount_ = 1;
    QFont font_;
};

} // namespace kiv5::ui
