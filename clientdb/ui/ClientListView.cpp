#include "clientdb/ui/ClientListView.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>

namespace kiv5::ui {
namespace {

// A space, three capitalised words of 7, 7 and 8 letters and a space: the
// width every name gets.
const QString kCellSample = QStringLiteral(" Abcdefg Hijklmn Opqrstuv ");
const QColor kSelectedBackground(192, 192, 192);

} // namespace

ClientListView::ClientListView(QWidget* parent)
    : QAbstractScrollArea(parent), font_(QStringLiteral("Arial Narrow"), 10) {
    setWindowTitle(QStringLiteral("List View"));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setAutoFillBackground(true);
    QPalette p = viewport()->palette();
    p.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(p);
    setFocusPolicy(Qt::StrongFocus);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, viewport(),
            qOverload<>(&QWidget::update));
}

void ClientListView::SetEntries(std::vector<ListEntry> entries, int tableRowCount) {
    entries_ = std::move(entries);
    tableRowCount_ = std::max(tableRowCount, 1);
    UpdateScrollRange();
    viewport()->update();
}

void ClientListView::SetListFont(const QFont& font) {
    font_ = font;
    UpdateScrollRange();
    viewport()->update();
}

int ClientListView::CellHeight() const {
    return std::max(1, QFontMetrics(font_).boundingRect(QStringLiteral("Aq")).height());
}

int ClientListView::CellWidth() const {
    return std::max(1, QFontMetrics(font_).horizontalAdvance(kCellSample));
}

int ClientListView::RowsPerColumn() const {
    return std::max(1, viewport()->height() / CellHeight());
}

int ClientListView::VisibleColumns() const {
    return viewport()->width() / CellWidth();
}

void ClientListView::UpdateScrollRange() {
    const int range = (tableRowCount_ / RowsPerColumn()) * CellWidth() + CellWidth();
    horizontalScrollBar()->setRange(0, std::max(0, range - viewport()->width()));
    horizontalScrollBar()->setPageStep(std::max(1, VisibleColumns()) * CellWidth());
    horizontalScrollBar()->setSingleStep(CellWidth());
}

QRect ClientListView::EntryRect(int index) const {
    const int rows = RowsPerColumn();
    return QRect(index / rows * CellWidth() - horizontalScrollBar()->value(),
                 index % rows * CellHeight(), CellWidth(), CellHeight());
}

int ClientListView::EntryAt(const QPoint& point) const {
    if (point.y() < 0 || point.y() >= RowsPerColumn() * CellHeight()) {
        return -1;
    }
    const int column = (point.x() + horizontalScrollBar()->value()) / CellWidth();
    const int index = column * RowsPerColumn() + point.y() / CellHeight();
    return index >= 0 && index < static_cast<int>(entries_.size()) ? index : -1;
}

void ClientListView::CentreOn(int position) {
    const int scroll = (position / RowsPerColumn() - VisibleColumns() / 2) * CellWidth();
    horizontalScrollBar()->setValue(scroll);
}

void ClientListView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setFont(font_);
    const int rows = RowsPerColumn();
    const int firstColumn = horizontalScrollBar()->value() / CellWidth();
    // The visible columns and one more.
    const int lastColumn = firstColumn + VisibleColumns() + 1;
    const int count = static_cast<int>(entries_.size());
    for (int i = firstColumn * rows; i < count && i / rows <= lastColumn; ++i) {
        const QRect cell = EntryRect(i);
        const ListEntry& entry = entries_[static_cast<std::size_t>(i)];
        painter.fillRect(cell, entry.Selected ? kSelectedBackground : QColor(Qt::white));
        painter.setPen(Qt::black);
        painter.setClipRect(cell);
        painter.drawText(cell.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, entry.text);
        painter.setClipping(false);
    }
}

void ClientListView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRange();
}

void ClientListView::mousePressEvent(QMouseEvent* event) {
    const int index = EntryAt(event->position().toPoint());
    if (index >= 0 && event->button() == Qt::LeftButton) {
        emit EntryClicked(index, event->modifiers());
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void ClientListView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (EntryAt(event->position().toPoint()) >= 0) {
        emit EditRequested();
    }
}

void ClientListView::keyPressEvent(QKeyEvent* event) {
    QScrollBar* bar = horizontalScrollBar();
    const int page = std::max(1, VisibleColumns()) * CellWidth();
    switch (event->key()) {
    case Qt::Key_PageUp:
        bar->setValue(bar->value() - page);
        break;
    case Qt::Key_PageDown:
        bar->setValue(bar->value() + page);
        break;
    case Qt::Key_Home:
        bar->setValue(0);
        break;
    case Qt::Key_End:
        bar->setValue(bar->maximum());
        break;
    case Qt::Key_Delete:
        emit DeleteRequested();
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void ClientListView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(QStringLiteral("&Copy To Clipboard"), this, &ClientListView::CopyRequested);
    menu.addAction(QStringLiteral("&Delete Selected Record(s)"), this,
                   &ClientListView::DeleteRequested);
    menu.addAction(QStringLiteral("&Edit"), this, &ClientListView::EditRequested);
    menu.exec(event->globalPos());
}

} // namespace kiv5::ui
