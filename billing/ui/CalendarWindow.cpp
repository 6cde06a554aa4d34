#include "billing/ui/CalendarWindow.h"

#include "billing/core/BillingSettings.h"
#include "billing/ui/ClientSelector.h"
#include "common/core/Misc.h"
#include "common/core/OfficeContext.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/ErrorWindowSink.h"
#include "common/ui/Prompts.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextCharFormat>
#include <QToolButton>
#include <QVBoxLayout>

namespace kiv5::billing::ui {
namespace {

const QColor kLabelShade(192, 192, 192);
// The inactive caption gradient of the classic desktop scheme.
const QColor kCellShade(215, 228, 242);

// Editors no longer than what the day record keeps, per column.
class LimitedTextDelegate : public QStyledItemDelegate {
public:
    LimitedTextDelegate(QMap<int, int> limits, QObject* parent)
        : QStyledItemDelegate(parent), limits_(std::move(limits)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor);
            line && limits_.contains(index.column())) {
            line->setMaxLength(limits_.value(index.column()));
        }
        return editor;
    }

private:
    QMap<int, int> limits_;
};

// A table of 48 slot rows with the time labels in column 0 and the shading.
QTableWidget* MakeSlotTable(QWidget* parent, int columns, const QString& name) {
    auto* table = new QTableWidget(kDaySlots, columns, parent);
    table->setObjectName(name);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setWordWrap(false);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                           QAbstractItemView::SelectedClicked);
    for (int slot = 0; slot < kDaySlots; ++slot) {
        const bool shaded = IsShadedSlot(slot);
        auto* label = new QTableWidgetItem(SlotLabel(slot));
        label->setFlags(Qt::ItemIsEnabled);
        label->setBackground(shaded ? kLabelShade : parent->palette().color(QPalette::Window));
        table->setItem(slot, 0, label);
        for (int column = 1; column < columns; ++column) {
            auto* cell = new QTableWidgetItem;
            cell->setBackground(shaded ? kCellShade : parent->palette().color(QPalette::Base));
            table->setItem(slot, column, cell);
        }
    }
    return table;
}

const std::array<const char*, 7> kDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                              "Thursday", "Friday", "Saturday"};

struct MoveButtonInfo {
    CalendarMove move;
    const char* text;
    const char* hint;
    const char* name;
};

constexpr std::array kMoveButtons = {
    MoveButtonInfo{CalendarMove::Today, "Today", "Go to today", "btnToday"},
    MoveButtonInfo{CalendarMove::BackYear, "<Y", "Back one year", "btnBackYear"},
    MoveButtonInfo{CalendarMove::BackMonth, "<M", "Back one month", "btnBackMonth"},
    MoveButtonInfo{CalendarMove::BackWeek, "<W", "Back one week", "btnBackWeek"},
    MoveButtonInfo{CalendarMove::BackDay, "<D", "Back one day", "btnBackDay"},
    MoveButtonInfo{CalendarMove::ForwardDay, "D>", "Forward one day", "btnForwardDay"},
    MoveButtonInfo{CalendarMove::ForwardWeek, "W>", "Forward one week", "btnForwardWeek"},
    MoveButtonInfo{CalendarMove::ForwardMonth, "M>", "Forward one month", "btnForwardMonth"},
    MoveButtonInfo{CalendarMove::ForwardYear, "Y>", "Forward one year", "btnForwardYear"},
};

} // namespace

CalendarWindow::CalendarWindow(CalendarWorkspace& workspace, const BillingSettings& settings,
                               kiv5::ui::Prompts& prompts, OfficeContext& context, QWidget* parent)
    : QMainWindow(parent), ws_(workspace), settings_(settings), prompts_(prompts),
      context_(context) {
    setObjectName(QStringLiteral("frmCalendar"));
    setWindowTitle(QStringLiteral("Calendar"));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabViews"));
    tabs_->addTab(MakeDayView(), QStringLiteral("Day View"));
    MakeWeekView();
    MakeMonthView();
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(MakeDatePanel());
    layout->addWidget(tabs_, 1);
    setCentralWidget(central);
    MakeMenus();
    RefreshAll();
    ScrollDayViewTo(kFirstWorkingSlot);
    weekTable_->scrollToItem(weekTable_->item(kFirstWorkingSlot, 0),
                             QAbstractItemView::PositionAtTop);
    ws_.DayModified = false;
    connect(tabs_, &QTabWidget::currentChanged, this, &CalendarWindow::ChangeTab);
}

QWidget* CalendarWindow::MakeDatePanel() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    datePanel_ = new QLabel(panel);
    datePanel_->setObjectName(QStringLiteral("pnlDate"));
    datePanel_->setAlignment(Qt::AlignCenter);
    QFont font = datePanel_->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 2);
    datePanel_->setFont(font);
    monthCalendar_ = new QCalendarWidget(panel);
    monthCalendar_->setObjectName(QStringLiteral("mcCalendar"));
    monthCalendar_->setFirstDayOfWeek(Qt::Sunday);
    monthCalendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    connect(monthCalendar_, &QCalendarWidget::clicked, this, &CalendarWindow::ClickDate);
    connect(monthCalendar_, &QCalendarWidget::currentPageChanged, this,
            [this](int year, int month) { Run([&] { ApplyBoldDays(year, month); }); });
    auto* buttons = new QHBoxLayout;
    for (const MoveButtonInfo& entry : kMoveButtons) {
        auto* button = new QToolButton(panel);
        button->setText(QString::fromLatin1(entry.text));
        button->setToolTip(QString::fromLatin1(entry.hint));
        button->setObjectName(QString::fromLatin1(entry.name));
        const CalendarMove move = entry.move;
        connect(button, &QToolButton::clicked, this, [this, move] { Move(move); });
        buttons->addWidget(button);
        moveButtons_.append(button);
    }
    column->addWidget(datePanel_);
    column->addWidget(monthCalendar_);
    column->addLayout(buttons);
    column->addStretch();
    return panel;
}

QWidget* CalendarWindow::MakeDayView() {
    auto* page = new QWidget(this);
    dayTable_ = MakeSlotTable(page, 4, QStringLiteral("sgDay"));
    dayTable_->setHorizontalHeaderLabels({QStringLiteral("Time"), QStringLiteral("Description"),
                                          QStringLiteral("Client No"),
                                          QStringLiteral("Length (Hrs)")});
    dayTable_->setItemDelegate(new LimitedTextDelegate(
        {{TextColumn, kSlotTextLength}, {ClientColumn, kClientNoLength}, {LengthColumn, 16}},
        dayTable_));
    const int unit = dayTable_->horizontalHeader()->defaultSectionSize();
    dayTable_->setColumnWidth(TextColumn, 6 * unit);
    dayTable_->setColumnWidth(LengthColumn, unit * 9 / 10);
    dayTable_->installEventFilter(this);
    connect(dayTable_, &QTableWidget::itemChanged, this, [this] {
        if (!filling_) {
            ws_.DayModified = true;
        }
    });
    connect(dayTable_, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        if (column == ClientColumn) {
            ChooseClient(row);
        }
    });
    notes_ = new QPlainTextEdit(page);
    notes_->setObjectName(QStringLiteral("memNotes"));
    notes_->setFixedHeight(70);
    connect(notes_, &QPlainTextEdit::textChanged, this, [this] {
        if (notes_->toPlainText().size() > kDayNotesLength) {
            notes_->setPlainText(notes_->toPlainText().left(kDayNotesLength));
            notes_->moveCursor(QTextCursor::End);
        }
        if (!filling_) {
            ws_.DayModified = true;
        }
    });
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(dayTable_, 1);
    layout->addWidget(new QLabel(QStringLiteral("Notes:"), page));
    layout->addWidget(notes_);
    return page;
}

void CalendarWindow::MakeWeekView() {
    weekTable_ = MakeSlotTable(this, 8, QStringLiteral("sgWeek"));
    weekTable_->setItemDelegate(new LimitedTextDelegate({{1, kSlotTextLength},
                                                         {2, kSlotTextLength},
                                                         {3, kSlotTextLength},
                                                         {4, kSlotTextLength},
                                                         {5, kSlotTextLength},
                                                         {6, kSlotTextLength},
                                                         {7, kSlotTextLength}},
                                                        weekTable_));
    weekTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    weekTable_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
    connect(weekTable_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!filling_ && item->column() > 0) {
            StoreWeekCell(item->column());
        }
    });
    tabs_->addTab(weekTable_, QStringLiteral("Week View"));
}

void CalendarWindow::MakeMonthView() {
    monthTable_ = new QTableWidget(6, 8, this);
    monthTable_->setObjectName(QStringLiteral("sgMonth"));
    monthTable_->verticalHeader()->hide();
    monthTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    monthTable_->setWordWrap(true);
    monthTable_->horizontalHeader()->setFixedHeight(24);
    monthTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    monthTable_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    monthTable_->setColumnWidth(0, 40);
    monthTable_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    connect(monthTable_, &QTableWidget::cellDoubleClicked, this, &CalendarWindow::OpenMonthCell);
    tabs_->addTab(monthTable_, QStringLiteral("Month View"));
}

void CalendarWindow::MakeMenus() {
    menu_ = menuBar()->addMenu(QStringLiteral("&Calendar"));
    QAction* find = menu_->addAction(QStringLiteral("&Find"));
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_F));
    find->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(find, &QAction::triggered, this, &CalendarWindow::Find);
    addAction(find);
    auto* popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("pmnuCalendar"));
    popup->addAction(find);
    for (QTableWidget* table : {dayTable_, weekTable_, monthTable_}) {
        table->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(
            table, &QWidget::customContextMenuRequested, this,
            [popup, table](const QPoint& at) { popup->popup(table->viewport()->mapToGlobal(at)); });
    }
}

QToolButton* CalendarWindow::MoveButton(CalendarMove move) const {
    for (std::size_t k = 0; k < kMoveButtons.size(); ++k) {
        if (kMoveButtons[k].move == move) {
            return moveButtons_.value(static_cast<qsizetype>(k));
        }
    }
    return nullptr;
}

bool CalendarWindow::Run(const std::function<void()>& command) {
    return kiv5::ui::RunCommand(prompts_, context_.progress, command);
}

void CalendarWindow::RefreshAll() {
    const QDate date = ws_.CurrentQDate();
    datePanel_->setText(MakeTextDate(ws_.CurrentDate()));
    {
        const QSignalBlocker block(monthCalendar_);
        monthCalendar_->setSelectedDate(date);
        monthCalendar_->setCurrentPage(date.year(), date.month());
    }
    Run([&] {
        ApplyBoldDays(date.year(), date.month());
        FillDayView();
        FillWeekView();
        FillMonthView(QDate(date.year(), date.month(), 1));
    });
}

void CalendarWindow::ApplyBoldDays(int year, int month) {
    monthCalendar_->setDateTextFormat(QDate(), QTextCharFormat());
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (const int day : ws_.BoldDays(year, month)) {
        monthCalendar_->setDateTextFormat(QDate(year, month, day), bold);
    }
}

void CalendarWindow::FillDayView() {
    filling_ = true;
    const DayEntries entries = RecordToDayView(ws_.CurrentDay());
    for (int slot = 0; slot < kDaySlots; ++slot) {
        const auto k = static_cast<std::size_t>(slot);
        dayTable_->item(slot, TextColumn)->setText(entries.text[k]);
        dayTable_->item(slot, ClientColumn)->setText(entries.clientNo[k]);
        dayTable_->item(slot, LengthColumn)->setText(entries.length[k]);
    }
    notes_->setPlainText(entries.notes);
    filling_ = false;
}

void CalendarWindow::FillWeekView() {
    filling_ = true;
    weekStart_ = ws_.WeekStart();
    const std::array<DayRec, 7> days = ws_.WeekDays(weekStart_);
    QStringList captions = {QStringLiteral("Time")};
    for (int k = 0; k < 7; ++k) {
        captions << WeekColumnCaption(weekStart_.addDays(k));
        for (int slot = 0; slot < kDaySlots; ++slot) {
            weekTable_->item(slot, k + 1)
                ->setText(
                    days[static_cast<std::size_t>(k)].SlotText[static_cast<std::size_t>(slot)]);
        }
    }
    weekTable_->setHorizontalHeaderLabels(captions);
    filling_ = false;
}

void CalendarWindow::FillMonthView(const QDate& month) {
    shownMonth_ = month;
    QStringList captions = {MonthCaption(month.month())};
    for (const char* name : kDayNames) {
        captions << QString::fromLatin1(name);
    }
    monthTable_->setHorizontalHeaderLabels(captions);
    monthTable_->clearContents();
    const std::vector<DayRec> days = ws_.MonthDays(month.year(), month.month());
    for (const MonthCell& cell : MonthCells(month.year(), month.month())) {
        auto* item = new QTableWidgetItem(
            MonthCellText(cell.day, days[static_cast<std::size_t>(cell.day - 1)]));
        item->setData(Qt::UserRole, cell.day);
        item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
        monthTable_->setItem(cell.row - 1, cell.column, item);
    }
}

DayEntries CalendarWindow::DayViewEntries() const {
    DayEntries entries;
    for (int slot = 0; slot < kDaySlots; ++slot) {
        const auto k = static_cast<std::size_t>(slot);
        entries.text[k] = dayTable_->item(slot, TextColumn)->text();
        entries.clientNo[k] = dayTable_->item(slot, ClientColumn)->text();
        entries.length[k] = dayTable_->item(slot, LengthColumn)->text();
    }
    entries.notes = notes_->toPlainText();
    return entries;
}

bool CalendarWindow::StoreDayIfModified() {
    if (!ws_.DayModified) {
        return true;
    }
    const QDate date = ws_.CurrentQDate();
    return Run([&] {
        ws_.StoreDay(DayViewEntries());
        ApplyBoldDays(monthCalendar_->yearShown(), monthCalendar_->monthShown());
        if (shownMonth_ == QDate(date.year(), date.month(), 1)) {
            FillMonthView(shownMonth_);
        }
    });
}

void CalendarWindow::Move(CalendarMove move) {
    if (!StoreDayIfModified()) {
        return;
    }
    Run([&] { ws_.Move(move); });
    RefreshAll();
}

void CalendarWindow::ClickDate(const QDate& date) {
    if (date == ws_.CurrentQDate() && !ws_.DayModified) {
        return;
    }
    if (!StoreDayIfModified()) {
        return;
    }
    Run([&] { ws_.GoTo(DateToDayCount(date)); });
    RefreshAll();
}

void CalendarWindow::OpenMonthCell(int row, int column) {
    const QTableWidgetItem* item = monthTable_->item(row, column);
    if (!item || !item->data(Qt::UserRole).isValid()) {
        return;
    }
    if (!StoreDayIfModified()) {
        return;
    }
    const QDate day = shownMonth_.addDays(item->data(Qt::UserRole).toInt() - 1);
    Run([&] { ws_.GoTo(DateToDayCount(day)); });
    RefreshAll();
    tabs_->setCurrentIndex(DayTab);
}

void CalendarWindow::ChooseClient(int row) {
    if (row < 0 || row >= kDaySlots) {
        return;
    }
    QStringList clients;
    if (!Run([&] { clients = BuildClientSelectorList(settings_, context_.progress, this); })) {
        return;
    }
    ClientSelector selector(clients, dayTable_->item(row, ClientColumn)->text(), this);
    if (prompts_.Exec(selector) != QDialog::Accepted || selector.ClientNo().isEmpty()) {
        return;
    }
    dayTable_->item(row, ClientColumn)->setText(selector.ClientNo().left(kClientNoLength));
    ws_.DayModified = true;
}

void CalendarWindow::ChangeTab(int index) {
    if (!StoreDayIfModified()) {
        return;
    }
    Run([&] {
        switch (index) {
        case DayTab:
            ws_.ReloadDay();
            FillDayView();
            break;
        case WeekTab:
            FillWeekView();
            break;
        case MonthTab:
            FillMonthView(shownMonth_);
            break;
        default:
            break;
        }
    });
}

void CalendarWindow::StoreWeekCell(int column) {
    std::array<QString, kDaySlots> texts;
    for (int slot = 0; slot < kDaySlots; ++slot) {
        texts[static_cast<std::size_t>(slot)] = weekTable_->item(slot, column)->text();
    }
    const QDate day = weekStart_.addDays(column - 1);
    Run([&] {
        ws_.StoreWeekColumn(day, texts);
        ApplyBoldDays(monthCalendar_->yearShown(), monthCalendar_->monthShown());
    });
}

void CalendarWindow::ScrollDayViewTo(int slot) {
    dayTable_->scrollToItem(dayTable_->item(slot, 0), QAbstractItemView::PositionAtTop);
}

void CalendarWindow::Find() {
    const std::optional<QString> text =
        prompts_.Input(QStringLiteral("Fast Find"),
                       QStringLiteral("Enter the text you wish to search for in the billing file."),
                       ws_.LastSearch);
    if (!text || !StoreDayIfModified()) {
        return;
    }
    CalendarFindOutcome outcome;
    if (!Run([&] { outcome = ws_.Find(*text); })) {
        return;
    }
    switch (outcome.kind) {
    case CalendarFindOutcome::NoFile:
        QApplication::beep();
        kiv5::ui::ShowErrorWindowSafely(prompts_, 13010);
        return;
    case CalendarFindOutcome::NotFound:
        prompts_.Inform(QStringLiteral("End of Search"), QStringLiteral("Search Complete"));
        return;
    case CalendarFindOutcome::Found:
        break;
    }
    RefreshAll();
    tabs_->setCurrentIndex(DayTab);
    if (outcome.slot >= 0) {
        dayTable_->setCurrentCell(outcome.slot, TextColumn);
        dayTable_->scrollToItem(dayTable_->item(outcome.slot, TextColumn));
    } else {
        ScrollDayViewTo(kFirstWorkingSlot);
    }
}

bool CalendarWindow::eventFilter(QObject* watched, QEvent* event) {
    // An open editor takes its own Enter (it commits the edit).
    if (watched == dayTable_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (dayTable_->currentColumn() == ClientColumn) {
                ChooseClient(dayTable_->currentRow());
            } else {
                StoreDayIfModified();
            }
            return true;
        }
    }
    if (watched == dayTable_ && event->type() == QEvent::FocusOut) {
        QWidget* next = QApplication::focusWidget();
        if (!next || !dayTable_->isAncestorOf(next)) {
            StoreDayIfModified();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CalendarWindow::closeEvent(QCloseEvent* event) {
    if (!closed_) {
        StoreDayIfModified();
        closed_ = true;
        emit Closed();
    }
    event->accept();
}

} // namespace kiv5::billing::ui
