#include "billing/ui/QuenbyActions.h"

#include "common/ui/MenuItems.h"

#include <QMenuBar>
#include <QToolBar>

namespace kiv5::billing::ui {
namespace {

QAction* Item(QMenu* menu, const QString& caption, const QKeySequence& key = {}) {
    return kiv5::ui::AddMenuItem(menu, caption, key);
}

QKeySequence Ctrl(Qt::Key key) {
    return QKeySequence(Qt::CTRL | key);
}

QAction* Tool(QToolBar* bar, const QString& text, const QString& hint, const QString& name) {
    QAction* action = kiv5::ui::AddToolButton(bar, text, hint);
    action->setObjectName(name);
    return action;
}

void CreateFileMenu(QMenuBar* bar, QuenbyActions& a) {
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    a.fileMenu = file;
    a.New = Item(file, QStringLiteral("&New"), Ctrl(Qt::Key_N));
    a.Open = Item(file, QStringLiteral("&Open"), Ctrl(Qt::Key_O));
    a.SaveAs = Item(file, QStringLiteral("Save &As"));
    a.Close = Item(file, QStringLiteral("&Close"));
    file->addSeparator();
    a.PeriodicBilling = Item(file, QStringLiteral("Print &Periodic Billing"));
    file->addSeparator();
    a.ExportTxt = Item(file, QStringLiteral("&Export TXT File"));
    a.MakeBillingBackup = Item(file, QStringLiteral("Make &Billing Backup"));
    a.MakeCalendarBackup = Item(file, QStringLiteral("Make Ca&lendar Backup"));
    a.RestoreBillingBackup = Item(file, QStringLiteral("&Restore From Billing Backup"));
    a.RestoreCalendarBackup = Item(file, QStringLiteral("Res&tore From Calendar Backup"));
    file->addSeparator();
    a.Exit = Item(file, QStringLiteral("E&xit"));
    a.HistorySeparator = file->addSeparator();
}

void CreateActionsMenu(QMenuBar* bar, QuenbyActions& a) {
    QMenu* actions = bar->addMenu(QStringLiteral("&Actions"));
    a.Add = Item(actions, QStringLiteral("&Add"), Ctrl(Qt::Key_A));
    a.Delete = Item(actions, QStringLiteral("&Delete"), Ctrl(Qt::Key_D));
    a.Display = Item(actions, QStringLiteral("D&isplay"), Ctrl(Qt::Key_R));
    a.FastFind = Item(actions, QStringLiteral("&Fast Find"), Ctrl(Qt::Key_F));
    a.Save = Item(actions, QStringLiteral("Sa&ve"), Ctrl(Qt::Key_B));
    a.PrintCurrentBill =
        Item(actions, QStringLiteral("&Preview/Print Current Bill"), Ctrl(Qt::Key_P));
    actions->addSeparator();
    a.SetFilter = Item(actions, QStringLiteral("Set &Filter"), Ctrl(Qt::Key_M));
    a.CancelFilter = Item(actions, QStringLiteral("&Cancel Filter"), Ctrl(Qt::Key_E));
    a.SelectAll = Item(actions, QStringLiteral("&Select All"), Ctrl(Qt::Key_S));
    a.SelectNone =
        Item(actions, QStringLiteral("Select &None"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_N));
}

void CreateOptionsMenu(QMenuBar* bar, QuenbyActions& a) {
    QMenu* options = bar->addMenu(QStringLiteral("&Options"));
    a.AutomaticBackup = kiv5::ui::AddMenuToggle(options, QStringLiteral("A&utomatic Backup"));
    a.SetHourlyRate = Item(options, QStringLiteral("Set &Hourly Rate"), Ctrl(Qt::Key_H));
    a.SetShorthandText = Item(options, QStringLiteral("Set Shorthand Text"), Ctrl(Qt::Key_J));
    a.SetBillingCaption = Item(options, QStringLiteral("S&et Billing Caption"));
    a.SetFont = Item(options, QStringLiteral("Set &Font"));
    a.SetWordProcessor = Item(options, QStringLiteral("&Set Word Processor"));
    a.WritePdf = kiv5::ui::AddMenuToggle(options, QStringLiteral("Also &Write PDF Files"));
    QMenu* folders = options->addMenu(QStringLiteral("Set &Default Directories"));
    a.DirectoryQy5 = Item(folders, QStringLiteral("&Quenby QY5 Files"));
    a.DirectoryIs5 = Item(folders, QStringLiteral("&Itemized Statement IS5 Files"));
    a.DirectorySu5 = Item(folders, QStringLiteral("S&umora SU5 Files"));
    a.DirectoryPl5 = Item(folders, QStringLiteral("&Pellary5 PL5 Files"));
    a.SetPl5File = Item(options, QStringLiteral("Set Pellary5 &PL5 File"));
    a.SetSu5File = Item(options, QStringLiteral("Set Sumora5 &SU5 File"));
}

void CreateWindowAndHelpMenus(QMenuBar* bar, QuenbyActions& a) {
    QMenu* windows = bar->addMenu(QStringLiteral("&Window"));
    a.ItemizedStatement = Item(windows, QStringLiteral("&Itemized Statement"), Ctrl(Qt::Key_I));
    a.Calendar = Item(windows, QStringLiteral("&Calendar"), Ctrl(Qt::Key_C));
    a.Tile = Item(windows, QStringLiteral("&Tile"));
    a.Cascade = Item(windows, QStringLiteral("C&ascade"));

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    a.Contents = Item(help, QStringLiteral("&Table of Contents"));
    a.About = Item(help, QStringLiteral("&About"));
}

void CreateToolBar(QMainWindow& window, QuenbyActions& a) {
    QToolBar* bar = window.addToolBar(QStringLiteral("Quenby5"));
    bar->setObjectName(QStringLiteral("mainToolBar"));
    bar->setMovable(false);
    a.toolBar = bar;
    a.spdNew = Tool(bar, QStringLiteral("New"), QStringLiteral("New billing file"),
                    QStringLiteral("spdNew"));
    a.spdOpen = Tool(bar, QStringLiteral("Open"), QStringLiteral("Open billing file"),
                     QStringLiteral("spdOpen"));
    a.spdClose = Tool(bar, QStringLiteral("Close"), QStringLiteral("Close billing file"),
                      QStringLiteral("spdClose"));
    bar->addSeparator();
    a.spdPrintBill =
        Tool(bar, QStringLiteral("Bill"), QStringLiteral("Preview/Print the current bill"),
             QStringLiteral("spdPrintBill"));
    a.spdPrintStatement = Tool(bar, QStringLiteral("Statement"),
                               QStringLiteral("Preview/Print the complete itemized statement"),
                               QStringLiteral("spdPrintStatement"));
    a.spdPrintDaily =
        Tool(bar, QStringLiteral("Day"), QStringLiteral("Preview/Print the daily calendar"),
             QStringLiteral("spdPrintDaily"));
    a.spdPrintWeekly =
        Tool(bar, QStringLiteral("Week"), QStringLiteral("Preview/Print the weekly calendar"),
             QStringLiteral("spdPrintWeekly"));
    a.spdPrintMonthly =
        Tool(bar, QStringLiteral("Month"), QStringLiteral("Preview/Print the monthly calendar"),
             QStringLiteral("spdPrintMonthly"));
    bar->addSeparator();
    a.spdOpenStatement =
        Tool(bar, QStringLiteral("IS"), QStringLiteral("Open itemized statement file"),
             QStringLiteral("spdOpenStatement"));
    a.spdOpenCalendar = Tool(bar, QStringLiteral("Calendar"), QStringLiteral("Open calendar"),
                             QStringLiteral("spdOpenCalendar"));
    a.spdSearchCalendar =
        Tool(bar, QStringLiteral("Search"), QStringLiteral("Search for calendar entries"),
             QStringLiteral("spdSearchCalendar"));
    bar->addSeparator();
    a.spdSortByBalance =
        Tool(bar, QStringLiteral("Balance"), QStringLiteral("Sort bills by balance due"),
             QStringLiteral("spdSortByBalance"));
    a.spdSortByName = Tool(bar, QStringLiteral("Name"), QStringLiteral("Sort by name"),
                           QStringLiteral("spdSortByName"));
    bar->addSeparator();
    a.spdCloseWindow =
        Tool(bar, QStringLiteral("Close Window"), QStringLiteral("Close active window"),
             QStringLiteral("spdCloseWindow"));
    a.spdExit = Tool(bar, QStringLiteral("Exit"), QStringLiteral("Exit Quenby5"),
                     QStringLiteral("spdExit"));
}

void Enable(std::initializer_list<QAction*> actions, bool enabled) {
    for (QAction* action : actions) {
        action->setEnabled(enabled);
    }
}

} // namespace

QuenbyActions CreateQuenbyActions(QMainWindow& window) {
    QuenbyActions a;
    QMenuBar* bar = window.menuBar();
    CreateFileMenu(bar, a);
    CreateActionsMenu(bar, a);
    CreateOptionsMenu(bar, a);
    CreateWindowAndHelpMenus(bar, a);
    CreateToolBar(window, a);
    return a;
}

void ApplyEnabledRules(QuenbyActions& a, const QuenbyState& s) {
    const bool billCommands = s.fileOpen && !s.worksheetOpen;
    Enable({a.Add, a.Delete, a.Display, a.FastFind, a.Save, a.SetFilter, a.SelectAll, a.SelectNone},
           billCommands);
    a.PrintCurrentBill->setEnabled(billCommands && s.printAvailable);
    a.CancelFilter->setEnabled(s.fileOpen && s.filterActive);
    Enable({a.SetPl5File, a.SetSu5File, a.SaveAs, a.Close, a.spdClose, a.ExportTxt,
            a.MakeBillingBackup, a.spdSortByBalance, a.spdSortByName},
           s.fileOpen);
    a.spdPrintBill->setEnabled(s.fileOpen && s.printAvailable);
    a.PeriodicBilling->setEnabled(s.fileOpen && s.printAvailable);
    Enable({a.SetBillingCaption, a.WritePdf}, s.printAvailable);

    a.spdOpenStatement->setEnabled(s.worksheetAvailable && !s.worksheetOpen);
    a.ItemizedStatement->setEnabled(s.worksheetAvailable && !s.worksheetOpen);
    a.spdPrintStatement->setEnabled(s.printAvailable && s.worksheetOpen);

    a.spdOpenCalendar->setEnabled(s.calendarAvailable && !s.calendarOpen);
    a.Calendar->setEnabled(s.calendarAvailable && !s.calendarOpen);
    a.spdSearchCalendar->setEnabled(s.calendarAvailable && s.calendarOpen);
    Enable({a.spdPrintDaily, a.spdPrintWeekly, a.spdPrintMonthly},
           s.printAvailable && s.calendarOpen);
}

} // namespace kiv5::billing::ui
