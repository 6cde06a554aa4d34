#pragma once

// "Calendar": the day, week and month views of the appointment calendar,
// the month calendar with the days that hold entries in bold, the date panel
// and the move buttons. The window only wires: the days are the workspace's,
// the questions the prompts'. Every action that shows another day first
// stores a day whose entries were changed, so nothing typed is dropped.
// It needs no main window; closing it stores a changed day and says Closed.

#include "billing/core/CalendarWorkspace.h"

#include <QDate>
#include <QMainWindow>

class QCalendarWidget;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTabWidget;
class QTableWidget;
class QToolButton;

namespace kiv5 {
struct BillingSettings;
struct OfficeContext;
} // namespace kiv5

namespace kiv5::ui {
class Prompts;
}

namespace kiv5::billing::ui {

class CalendarWindow : public QMainWindow {
    Q_OBJECT

public:
    enum Tab { DayTab = 0, WeekTab = 1, MonthTab = 2 };
    // Day view columns.
    enum DayColumn { TimeColumn = 0, TextColumn = 1, ClientColumn = 2, LengthColumn = 3 };

    // The settings name the client file of the client selector. All must
    // outlive the window.
    CalendarWindow(CalendarWorkspace& workspace, const BillingSettings& settings,
                   kiv5::ui::Prompts& prompts, OfficeContext& context, QWidget* parent = nullptr);

    QTableWidget& DayTable() const { return *dayTable_; }
    QTableWidget& WeekTable() const { return *weekTable_; }
    QTableWidget& MonthTable() const { return *monthTable_; }
    QPlainTextEdit& Notes() const { return *notes_; }
    QCalendarWidget& MonthCalendar() const { return *monthCalendar_; }
    QLabel& DatePanel() const { return *datePanel_; }
    QTabWidget& Tabs() const { return *tabs_; }
    QMenu& Menu() const { return *menu_; }
    QToolButton* MoveButton(CalendarMove move) const;
    // The first day of the month the month view shows.
    QDate ShownMonth() const { return shownMonth_; }

    // Commands, as buttons, clicks and menus run them.
    void Move(CalendarMove move);
    void ClickDate(const QDate& date);
    void OpenMonthCell(int row, int column);
    void ChooseClient(int row);
    void Find();
    // Stores the day view when it was changed; false when storing failed.
    bool StoreDayIfModified();

signals:
    void Closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* MakeDatePanel();
    QWidget* MakeDayView();
    void MakeWeekView();
    void MakeMonthView();
    void MakeMenus();
    void RefreshAll();
    void FillDayView();
    void FillWeekView();
    void FillMonthView(const QDate& month);
    void ApplyBoldDays(int year, int month);
    void ChangeTab(int index);
    void StoreWeekCell(int column);
    DayEntries DayViewEntries() const;
    void ScrollDayViewTo(int slot);
    bool Run(const std::function<void()>& command);

    CalendarWorkspace& ws_;
    const BillingSettings& settings_;
    kiv5::ui::Prompts& prompts_;
    OfficeContext& context_;
    QLabel* datePanel_ = nullptr;
    QCalendarWidget* monthCalendar_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableWidget* dayTable_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;
    QTableWidget* weekTable_ = nullptr;
    QTableWidget* monthTable_ = nullptr;
    QMenu* menu_ = nullptr;
    QList<QToolButton*> moveButtons_;
    QDate weekStart_;
    QDate shownMonth_;
    bool filling_ = false;
    bool closed_ = false;
};

} // namespace kiv5::billing::ui
