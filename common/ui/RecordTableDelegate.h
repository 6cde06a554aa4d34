#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QStyledItemDelegate>

namespace kiv5::ui {

class RecordTableView;

// The background of a data cell: the current row, a marked row striped by
// its position, or the grey of every other row.
QColor RowBackground(bool current, bool marked, int position);
// The ledgers' rule: the current row light blue, a marked row silver, the
// others money green at odd positions and white at even ones.
QColor LedgerRowBackground(bool current, bool marked, int position);

// Every row striped by position; the current row light blue.
QColor StripedRowBackground(bool current, int position);

// The position that stripes marked rows: the table row of the top visible
// row plus the number of shown rows from it down to and including this one.
int RowPosition(int topTableRow, int topProxyRow, int proxyRow);

// Where a cell's text sits across its cell.
enum class CellPlacement { Left, Centred, Money };

// The left edge of a text of this width in the cell: 1 px in from the left;
// centred, but at the left edge when wider than the cell; money 2 px in from
// the right.
int TextLeft(const QRect& cell, int textWidth, CellPlacement placement);

// A money cell as it is drawn, "$ 1,234.50"; a text that is no amount is
// drawn as it stands.
QString MoneyText(const QString& cell);
// A percentage cell as it is drawn, "7.50%"; a text that is no number is
// drawn as it stands.
QString PercentText(const QString& cell);

// Paints the cells of a record table view: colours by current row, mark and
// position, text 4 px below the top of the cell.
class RecordTableDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit RecordTableDelegate(RecordTableView& view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    RecordTableView& view_;
};

} // namespace kiv5::ui
