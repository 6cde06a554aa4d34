#include "billing/ui/QuenbyActions.h"
#include "billing/ui/ShorthandDialog.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

using namespace kiv5::billing::ui;

namespace {

// Every item of the menus and the tool bar by a short name.
QMap<QString, QAction*> ItemsOf(QuenbyActions& a) {
    return {{"New", a.New},
            {"Open", a.Open},
            {"SaveAs", a.SaveAs},
            {"Close", a.Close},
            {"PeriodicBilling", a.PeriodicBilling},
            {"ExportTxt", a.ExportTxt},
            {"MakeBillingBackup", a.MakeBillingBackup},
            {"MakeCalendarBackup", a.MakeCalendarBackup},
            {"RestoreBillingBackup", a.RestoreBillingBackup},
            {"RestoreCalendarBackup", a.RestoreCalendarBackup},
            {"Exit", a.Exit},
            {"Add", a.Add},
            {"Delete", a.Delete},
            {"Display", a.Display},
            {"FastFind", a.FastFind},
            {"Save", a.Save},
            {"PrintCurrentBill", a.PrintCurrentBill},
            {"SetFilter", a.SetFilter},
            {"CancelFilter", a.CancelFilter},
            {"SelectAll", a.SelectAll},
            {"SelectNone", a.SelectNone},
            {"AutomaticBackup", a.AutomaticBackup},
            {"SetHourlyRate", a.SetHourlyRate},
            {"SetShorthandText", a.SetShorthandText},
            {"SetBillingCaption", a.SetBillingCaption},
            {"SetFont", a.SetFont},
            {"SetWordProcessor", a.SetWordProcessor},
            {"DirectoryQy5", a.DirectoryQy5},
            {"DirectoryIs5", a.DirectoryIs5},
            {"DirectorySu5", a.DirectorySu5},
            {"DirectoryPl5", a.DirectoryPl5},
            {"SetPl5File", a.SetPl5File},
            {"SetSu5File", a.SetSu5File},
            {"ItemizedStatement", a.ItemizedStatement},
            {"Calendar", a.Calendar},
            {"Tile", a.Tile},
            {"Cascade", a.Cascade},
            {"Contents", a.Contents},
            {"About", a.About},
            {"spdNew", a.spdNew},
            {"spdOpen", a.spdOpen},
            {"spdClose", a.spdClose},
            {"spdPrintBill", a.spdPrintBill},
            {"spdPrintStatement", a.spdPrintStatement},
            {"spdPrintDaily", a.spdPrintDaily},
            {"spdPrintWeekly", a.spdPrintWeekly},
            {"spdPrintMonthly", a.spdPrintMonthly},
            {"spdOpenStatement", a.spdOpenStatement},
            {"spdOpenCalendar", a.spdOpenCalendar},
            {"spdSearchCalendar", a.spdSearchCalendar},
            {"spdSortByBalance", a.spdSortByBalance},
            {"spdSortByName", a.spdSortByName},
            {"spdCloseWindow", a.spdCloseWindow},
            {"spdExit", a.spdExit}};
}

QStringList EnabledItems(QuenbyActions& a) {
    QStringList enabled;
    const QMap<QString, QAction*> items = ItemsOf(a);
    for (auto it = items.begin(); it != items.end(); ++it) {
        if (it.value()->isEnabled()) {
            enabled.append(it.key());
        }
    }
    return enabled;
}

// What is on whatever the state: commands that need no billing file.
const QStringList kAlwaysOn = {"About",
                               "AutomaticBackup",
                               "Cascade",
                               "Contents",
                               "DirectoryIs5",
                               "DirectoryPl5",
                               "DirectoryQy5",
                               "DirectorySu5",
                               "Exit",
                               "MakeCalendarBackup",
                               "New",
                               "Open",
                               "RestoreBillingBackup",
                               "RestoreCalendarBackup",
                               "SetFont",
                               "SetHourlyRate",
                               "SetShorthandText",
                               "SetWordProcessor",
                               "Tile",
                               "spdCloseWindow",
                               "spdExit",
                               "spdNew",
                               "spdOpen"};

const QStringList kWithFile = {"Close",    "ExportTxt",        "MakeBillingBackup",
                               "SaveAs",   "SetPl5File",       "SetSu5File",
                               "spdClose", "spdSortByBalance", "spdSortByName"};

const QStringList kBillCommands = {"Add",  "Delete",    "Display",   "FastFind",
                                   "Save", "SetFilter", "SelectAll", "SelectNone"};

QStringList Sorted(QStringList items) {
    items.sort();
    return items;
}

} // namespace

class TestQuenbyActions : public QObject {
    Q_OBJECT

private slots:
    void captionsAndShortcuts_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("key");
        const auto row = [](const char* item, const char* caption, QKeySequence key) {
            QTest::newRow(item) << QString(item) << QString(caption) << key;
        };
        row("New", "&New", QKeySequence(Qt::CTRL | Qt::Key_N));
        row("Open", "&Open", QKeySequence(Qt::CTRL | Qt::Key_O));
        row("SaveAs", "Save &As", {});
        row("Close", "&Close", {});
        row("PeriodicBilling", "Print &Periodic Billing", {});
        row("ExportTxt", "&Export TXT File", {});
        row("MakeBillingBackup", "Make &Billing Backup", {});
        row("MakeCalendarBackup", "Make Ca&lendar Backup", {});
        row("RestoreBillingBackup", "&Restore From Billing Backup", {});
        row("RestoreCalendarBackup", "Res&tore From Calendar Backup", {});
        row("Exit", "E&xit", {});
        row("Add", "&Add", QKeySequence(Qt::CTRL | Qt::Key_A));
        row("Delete", "&Delete", QKeySequence(Qt::CTRL | Qt::Key_D));
        row("Display", "D&isplay", QKeySequence(Qt::CTRL | Qt::Key_R));
        row("FastFind", "&Fast Find", QKeySequence(Qt::CTRL | Qt::Key_F));
        row("Save", "Sa&ve", QKeySequence(Qt::CTRL | Qt::Key_B));
        row("PrintCurrentBill", "&Preview/Print Current Bill", QKeySequence(Qt::CTRL | Qt::Key_P));
        row("SetFilter", "Set &Filter", QKeySequence(Qt::CTRL | Qt::Key_M));
        row("CancelFilter", "&Cancel Filter", QKeySequence(Qt::CTRL | Qt::Key_E));
        row("SelectAll", "&Select All", QKeySequence(Qt::CTRL | Qt::Key_S));
        row("SelectNone", "Select &None", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_N));
        row("AutomaticBackup", "A&utomatic Backup", {});
        row("SetHourlyRate", "Set &Hourly Rate", QKeySequence(Qt::CTRL | Qt::Key_H));
        row("SetShorthandText", "Set Shorthand Text", QKeySequence(Qt::CTRL | Qt::Key_J));
        row("SetBillingCaption", "S&et Billing Caption", {});
        row("SetFont", "Set &Font", {});
        row("SetWordProcessor", "&Set Word Processor", {});
        row("DirectoryQy5", "&Quenby QY5 Files", {});
        row("DirectoryIs5", "&Itemized Statement IS5 Files", {});
        row("DirectorySu5", "S&umora SU5 Files", {});
        row("DirectoryPl5", "&Pellary5 PL5 Files", {});
        row("SetPl5File", "Set Pellary5 &PL5 File", {});
        row("SetSu5File", "Set Sumora5 &SU5 File", {});
        row("ItemizedStatement", "&Itemized Statement", QKeySequence(Qt::CTRL | Qt::Key_I));
        row("Calendar", "&Calendar", QKeySequence(Qt::CTRL | Qt::Key_C));
        row("Tile", "&Tile", {});
        row("Cascade", "C&ascade", {});
        row("Contents", "&Table of Contents", {});
        row("About", "&About", {});
    }
    void captionsAndShortcuts() {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, key);
        QMainWindow window;
        QuenbyActions a = CreateQuenbyActions(window);
        QAction* action = ItemsOf(a).value(item);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->shortcut(), key);
    }

    void menusInOrder() {
        QMainWindow window;
        CreateQuenbyActions(window);
        QStringList menus;
        for (QAction* menu : window.menuBar()->actions()) {
            menus.append(menu->text());
        }
        QCOMPARE(menus, (QStringList{"&File", "&Actions", "&Options", "&Window", "&Help"}));
    }

    void toolBarHintsInOrder() {
        QMainWindow window;
        QuenbyActions a = CreateQuenbyActions(window);
        QStringList hints;
        for (QAction* action : a.toolBar->actions()) {
            if (!action->isSeparator()) {
                hints.append(action->toolTip());
            }
        }
        QCOMPARE(hints, (QStringList{"New billing file", "Open billing file", "Close billing file",
                                     "Preview/Print the current bill",
                                     "Preview/Print the complete itemized statement",
                                     "Preview/Print the daily calendar",
                                     "Preview/Print the weekly calendar",
                                     "Preview/Print the monthly calendar",
                                     "Open itemized statement file", "Open calendar",
                                     "Search for calendar entries", "Sort bills by balance due",
                                     "Sort by name", "Close active window", "Exit Quenby5"}));
    }

    void enabledRules_data() {
        QTest::addColumn<bool>("fileOpen");
        QTest::addColumn<bool>("filterActive");
        QTest::addColumn<bool>("worksheetOpen");
        QTest::addColumn<bool>("calendarOpen");
        QTest::addColumn<bool>("available");
        QTest::addColumn<QStringList>("extra");
        QTest::newRow("no file") << false << false << false << false << false << QStringList{};
        QTest::newRow("file open")
            << true << false << false << false << false << kWithFile + kBillCommands;
        QTest::newRow("filtering") << true << true << false << false << false
                                   << kWithFile + kBillCommands + QStringList{"CancelFilter"};
        QTest::newRow("filter without file")
            << false << true << false << false << false << QStringList{};
        QTest::newRow("windows not built yet")
            << true << false << true << true << false << kWithFile;
        QTest::newRow("all built, nothing open")
            << true << false << false << false << true
            << kWithFile + kBillCommands + QStringList{"PrintCurrentBill",  "spdPrintBill",
                                                       "PeriodicBilling",   "SetBillingCaption",
                                                       "ItemizedStatement", "spdOpenStatement",
                                                       "Calendar",          "spdOpenCalendar"};
        QTest::newRow("worksheet and calendar open")
            << true << false << true << true << true
            << kWithFile + QStringList{"spdPrintBill",      "PeriodicBilling",
                                       "SetBillingCaption", "spdPrintStatement",
                                       "spdSearchCalendar", "spdPrintDaily",
                                       "spdPrintWeekly",    "spdPrintMonthly"};
    }
    void enabledRules() {
        QFETCH(bool, fileOpen);
        QFETCH(bool, filterActive);
        QFETCH(bool, worksheetOpen);
        QFETCH(bool, calendarOpen);
        QFETCH(bool, available);
        QFETCH(QStringList, extra);
        QMainWindow window;
        QuenbyActions a = CreateQuenbyActions(window);
        ApplyEnabledRules(a, {.fileOpen = fileOpen,
                              .filterActive = filterActive,
                              .worksheetOpen = worksheetOpen,
                              .calendarOpen = calendarOpen,
                              .worksheetAvailable = available,
                              .calendarAvailable = available,
                              .printAvailable = available});
        QCOMPARE(EnabledItems(a), Sorted(kAlwaysOn + extra));
    }

    void shorthandDialogShowsAndCutsTexts() {
        const QString seventy(70, QLatin1Char('x'));
        ShorthandDialog dialog({"Telephone call with client", "", seventy});
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Shorthand Dialog"));
        QCOMPARE(dialog.edits.size(), 12);
        QCOMPARE(dialog.edits[0]->text(), QStringLiteral("Telephone call with client"));
        QCOMPARE(dialog.edits[2]->text(), seventy.left(64));
        QCOMPARE(dialog.edits[11]->text(), QString());
        dialog.edits[4]->setText("Research");
        const QStringList texts = dialog.Texts();
        QCOMPARE(texts.size(), 12);
        QCOMPARE(texts[4], QStringLiteral("Research"));
        QCOMPARE(texts[2].size(), 64);
        QStringList labels;
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            labels.append(label->text());
        }
        QCOMPARE(labels.mid(0, 3), (QStringList{"Function Key", "Shorthand Text", "<F1>"}));
        QCOMPARE(labels.last(), QStringLiteral("<F12>"));
    }
};

KIV5_WIDGET_TEST_MAIN(TestQuenbyActions)
#include "tst_QuenbyActions.moc"
