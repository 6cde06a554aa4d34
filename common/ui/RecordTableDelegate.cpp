#include "common/ui/RecordTableDelegate.h"

#include "common/core/Misc.h"
#include "common/core/NumberFormat.h"
#include "common/core/RecordTable.h"
#include "common/ui/ActiveRowsProxy.h"
#include "common/ui/RecordTableModel.h"
#include "common/ui/RecordTableView.h"

#include <QPainter>

namespace kiv5::ui {
namespace {

constexpr int TextTopGap = 4;
constexpr int LeftGap = 1;
constexpr int MoneyRightGap = 2;

QColor Background(RowColouring colouring, bool current, bool marked, int position) {
    switch (colouring) {
    case RowColouring::LedgerStriped:
        return LedgerRowBackground(current, marked, position);
    case RowColouring::Striped:
        return StripedRowBackground(current, position);
    case RowColouring::MarkedStriped:
        break;
    }
    return RowBackground(current, marked, position);
}

} // namespace

QColor RowBackground(bool current, bool marked, int position) {
    if (current)
        return QColor(166, 202, 240);
    if (marked)
        return position % 2 != 0 ? QColor(192, 220, 192) : QColor(Qt::white);
    return QColor(192, 192, 192);
}

QColor LedgerRowBackground(bool current, bool marked, int position) {
    if (current)
        return QColor(166, 202, 240);
    if (marked)
        return QColor(192, 192, 192);
    return position % 2 != 0 ? QColor(192, 220, 192) : QColor(Qt::white);
}

QColor StripedRowBackground(bool current, int position) {
    if (current)
        return QColor(166, 202, 240);
    return position % 2 != 0 ? QColor(192, 220, 192) : QColor(Qt::white);
}

int RowPosition(int topTableRow, int topProxyRow, int proxyRow) {
    return topTableRow + (proxyRow - topProxyRow + 1);
}

int TextLeft(const QRect& cell, int textWidth, CellPlacement placement) {
    switch (placement) {
    case CellPlacement::Centred:
        if (textWidth > cell.width())
            return cell.left();
        return cell.left() + (cell.width() - textWidth) / 2;
    case CellPlacement::Money:
        return cell.left() + cell.width() - MoneyRightGap - textWidth;
    case CellPlacement::Left:
        break;
    }
    return cell.left() + LeftGap;
}

QString MoneyText(const QString& cell) {
    const std::optional<double> value = TryParseFloat(RemoveCommasAndSigns(cell));
    if (!value)
        return cell;
    return QStringLiteral("$ ") + FormatMoney(*value);
}

QString PercentText(const QString& cell) {
    const std::optional<double> value = TryParseFloat(RemoveCommasAndSigns(cell));
    if (!value)
        return cell;
    const double signedValue = cell.contains(QLatin1Char('-')) ? -*value : *value;
    return FormatNumber("%7.2n", signedValue).trimmed() + QLatin1Char('%');
}

RecordTableDelegate::RecordTableDelegate(RecordTableView& view)
    : QStyledItemDelegate(&view), view_(view) {}

void RecordTableDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const ActiveRowsProxy& proxy = view_.Proxy();
    const RecordTableModel& model = proxy.Model();
    const RecordTableLook& look = model.Look();
    const RecordTable& table = model.Table();
    const int tableRow = proxy.TableRowAt(index.row());
    if (tableRow < 1)
        return;
    const int column = index.column();
    const bool current = index.row() == view_.currentIndex().row();
    const QRect& cell = option.rect;

    if (column == look.indicatorColumn) {
        painter->fillRect(cell, current ? QColor(Qt::red) : option.palette.color(QPalette::Button));
    } else {
        const bool marked = look.markColumn >= 0 && look.markColumn < table.ColumnCount() &&
                            table.Cell(tableRow, look.markColumn) == QLatin1String("X");
        const int topProxyRow = qMax(0, view_.rowAt(0));
        const int position = RowPosition(proxy.TableRowAt(topProxyRow), topProxyRow, index.row());
        painter->fillRect(cell, Background(look.rowColouring, current, marked, position));
    }

    const QString& stored = table.Cell(tableRow, column);
    if (stored.isEmpty())
        return;
    CellPlacement placement = CellPlacement::Left;
    QString money;
    if (look.moneyColumns.contains(column)) {
        money = MoneyText(stored);
        placement = CellPlacement::Money;
    } else if (look.percentColumns.contains(column)) {
        money = PercentText(stored);
        placement = CellPlacement::Money;
    } else if (look.centredColumns.contains(column)) {
        placement = CellPlacement::Centred;
    }
    const QString& text = placement == CellPlacement::Money ? money : stored;
    const QFontMetrics& metrics = option.fontMetrics;
    const int left = TextLeft(cell, metrics.horizontalAdvance(text), placement);
    painter->save();
    painter->setClipRect(cell);
    painter->setFont(option.font);
    painter->setPen(Qt::black);
    painter->drawText(QPoint(left, cell.top() + TextTopGap + metrics.ascent()), text);
    painter->restore();
}

QSize RecordTableDelegate::sizeHint(const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    // Rows have a fixed height; this only answers the odd caller.
    Q_UNUSED(index);
    return QSize(option.fontMetrics.averageCharWidth() * 8,
                 option.fontMetrics.height() + 2 * TextTopGap);
}

} // namespace kiv5::ui
