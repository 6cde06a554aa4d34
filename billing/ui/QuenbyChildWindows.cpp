#include "billing/ui/QuenbyChildWindows.h"

#include "billing/core/CalendarFile.h"
#include "billing/core/CalendarWorkspace.h"
#include "billing/core/StatementWorkspace.h"
#include "billing/ui/CalendarWindow.h"
#include "billing/ui/QuenbyMainWindow.h"
#include "billing/ui/WorksheetWindow.h"

#include <QAction>

#include <memory>

namespace kiv5::billing::ui {
namespace {

// Asks for the statement file and opens it; a damaged file throws before
// any window is made, and the main window's guard reports it.
QWidget* OpenWorksheet(QuenbyMainWindow& main) {
    BillingWorkspace& billing = main.Workspace();
    const auto path = ChooseStatementFile(main.Prompts(), billing.settings.ISDirectory);
    if (!path) {
        return nullptr;
    }
    auto sheet = std::make_unique<StatementWorkspace>(billing.settings, main.Context());
    sheet->Open(*path);
    auto* window =
        new WorksheetWindow(*sheet, billing.ShorthandTexts(), main.Prompts(), main.Context());
    // A child of the window outlives the window's own widgets.
    sheet.release()->setParent(window);
    QObject::connect(&main, &QuenbyMainWindow::ShorthandChanged, window,
                     &WorksheetWindow::SetShorthand);
    return window;
}

QWidget* OpenCalendar(QuenbyMainWindow& main) {
    BillingWorkspace& billing = main.Workspace();
    auto calendar = std::make_unique<CalendarWorkspace>(
        CalendarFilePath(billing.settings.FilesDirectory), main.Context());
    auto* window = new CalendarWindow(*calendar, billing.settings, main.Prompts(), main.Context());
    calendar.release()->setParent(window);
    return window;
}

// The print buttons of the open worksheet and calendar: the statement as
// filed, and the calendar's current date after a changed day is stored.
void ConnectPrintButtons(QuenbyMainWindow& window) {
    const QuenbyActions& a = window.Actions();
    QObject::connect(a.spdPrintStatement, &QAction::triggered, &window, [&window] {
        QWidget* sheet = window.WorksheetChild();
        if (const auto* ws =
                sheet ? sheet->findChild<StatementWorkspace*>(QString(), Qt::FindDirectChildrenOnly)
                      : nullptr) {
            window.PrintStatementCommand(ws->Path());
        }
    });
    const auto printCalendar = [&window](CalendarPageKind kind) {
        auto* calendar = qobject_cast<CalendarWindow*>(window.CalendarChild());
        const auto* ws =
            calendar
                ? calendar->findChild<CalendarWorkspace*>(QString(), Qt::FindDirectChildrenOnly)
                : nullptr;
        if (ws && calendar->StoreDayIfModified()) {
            window.PrintCalendarCommand(kind, ws->CurrentQDate());
        }
    };
    QObject::connect(a.spdPrintDaily, &QAction::triggered, &window,
                     [printCalendar] { printCalendar(CalendarPageKind::Day); });
    QObject::connect(a.spdPrintWeekly, &QAction::triggered, &window,
                     [printCalendar] { printCalendar(CalendarPageKind::Week); });
    QObject::connect(a.spdPrintMonthly, &QAction::triggered, &window,
                     [printCalendar] { printCalendar(CalendarPageKind::Month); });
}

} // namespace

void InstallChildWindows(QuenbyMainWindow& window) {
    window.SetOpenWorksheetHook(OpenWorksheet);
    window.SetOpenCalendarHook(OpenCalendar);
    QObject::connect(window.Actions().spdSearchCalendar, &QAction::triggered, &window, [&window] {
        if (auto* calendar = qobject_cast<CalendarWindow*>(window.CalendarChild())) {
            calendar->Find();
        }
    });
    ConnectPrintButtons(window);
}

} // namespace kiv5::billing::ui
