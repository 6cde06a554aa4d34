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

} // namespace

void InstallChildWindows(QuenbyMainWindow& window) {
    window.SetOpenWorksheetHook(OpenWorksheet);
    window.SetOpenCalendarHook(OpenCalendar);
    QObject::connect(window.Actions().spdSearchCalendar, &QAction::triggered, &window, [&window] {
        if (auto* calendar = qobject_cast<CalendarWindow*>(window.CalendarChild())) {
            calendar->Find();
        }
    });
}

} // namespace kiv5::billing::ui
