#include "books/core/BookkeepingSet.h"
#include "common/core/Misc.h"
#include "common/ui/HelpWindow.h"
#include "tests/books/ui/BooksWindowFixtures.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolBar>

using namespace kiv5;
using namespace kiv5::books;
using namespace kiv5::test;

namespace {

const QString kSaveAsWarning =
    "This command should not be used on networks when users at other stations may be using the "
    "same files. See relevant help topic for more information.";
const QString kPackWarning = "Only use this command on networks if ALL other users are NOT using "
                             "Sumora5. See relevant help topic for more information.";

} // namespace

class TestBooksMainWindow : public QObject {
    Q_OBJECT

private slots:
    void startUpOpensTheArgumentWhateverItsCase() {
        BooksWindowSet files;
        StartedBooksWindow started("KIV5.SU5");
        auto& window = started.window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Sumora5: kiv5.su5"));
        QCOMPARE(window.Workspace().Income().Table().DataRowCount(), 3);
        QVERIFY(window.Actions().income.menu->menuAction()->isEnabled());
        QVERIFY(window.Actions().Pack->isEnabled());
        QVERIFY(window.WindowOf(LedgerId::Income)->addAction_->isEnabled());
        const auto subWindows = window.findChild<QMdiArea*>()->subWindowList();
        QCOMPARE(subWindows.size(), 2);
        QCOMPARE(window.WindowOf(LedgerId::Income)->windowTitle(),
                 QStringLiteral("Income/Receipts"));
        QCOMPARE(window.WindowOf(LedgerId::Expense)->windowTitle(),
                 QStringLiteral("Expenses/Disbursements"));
        QVERIFY(started.prompts.VerifyAllAnswered());
    }

    void withoutASetTheSetCommandsAreOff() {
        BooksWindowSet files;
        StartedBooksWindow started{QString()};
        auto& a = started.window.Actions();
        QCOMPARE(started.window.windowTitle(), QStringLiteral("Sumora5: "));
        for (QAction* action : {a.income.menu->menuAction(), a.expense.menu->menuAction(),
                                a.SetFilter, a.CancelFilter, a.SelectAll, a.SelectNone, a.Pack,
                                a.Autoload, a.AccountEditor, a.CategoryEditor}) {
            QVERIFY2(!action->isEnabled(), qPrintable(action->text()));
        }
        QVERIFY(a.Refresh->isEnabled());
        QVERIFY(a.AutomaticBackup->isCheckable());
        QVERIFY(!started.window.WindowOf(LedgerId::Expense)->findAction_->isEnabled());
    }

    void menuShortcuts_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("key");
        QTest::newRow("refresh") << "Refresh"
                                 << "&Refresh" << QKeySequence(Qt::Key_F9);
        QTest::newRow("income add") << "inc add"
                                    << "&Add" << QKeySequence(Qt::CTRL | Qt::Key_A);
        QTest::newRow("income delete") << "inc del"
                                       << "&Delete" << QKeySequence(Qt::CTRL | Qt::Key_D);
        QTest::newRow("income display") << "inc display"
                                        << "D&isplay" << QKeySequence(Qt::CTRL | Qt::Key_R);
        QTest::newRow("income find") << "inc find"
                                     << "&Fast Find" << QKeySequence(Qt::CTRL | Qt::Key_F);
        QTest::newRow("expense add") << "exp add"
                                     << "&Add" << QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_A);
        QTest::newRow("expense delete")
            << "exp del"
            << "&Delete" << QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_D);
        QTest::newRow("expense display")
            << "exp display"
            << "D&isplay" << QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_R);
        QTest::newRow("expense find")
            << "exp find"
            << "&Fast Find" << QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_F);
        QTest::newRow("set filter") << "SetFilter"
                                    << "Set &Filter" << QKeySequence(Qt::CTRL | Qt::Key_M);
        QTest::newRow("cancel filter") << "CancelFilter"
                                       << "&Cancel Filter" << QKeySequence(Qt::CTRL | Qt::Key_E);
        QTest::newRow("select all") << "SelectAll"
                                    << "&Select All" << QKeySequence(Qt::CTRL | Qt::Key_S);
        QTest::newRow("select none") << "SelectNone"
                                     << "Select &None" << QKeySequence(Qt::CTRL | Qt::Key_N);
        QTest::newRow("contents") << "Contents"
                                  << "&Table of Contents" << QKeySequence(Qt::Key_F1);
        QTest::newRow("autoload") << "Autoload"
                                  << "&Autoload This File" << QKeySequence();
        QTest::newRow("pl5 folder") << "DirectoryPl5"
                                    << "&PL5 Files" << QKeySequence();
    }
    void menuShortcuts() {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, key);
        BooksWindowSet files;
        StartedBooksWindow started{QString()};
        auto& a = started.window.Actions();
        const QMap<QString, QAction*> items = {
            {"Refresh", a.Refresh},           {"inc add", a.income.add},
            {"inc del", a.income.del},        {"inc display", a.income.display},
            {"inc find", a.income.find},      {"exp add", a.expense.add},
            {"exp del", a.expense.del},       {"exp display", a.expense.display},
            {"exp find", a.expense.find},     {"SetFilter", a.SetFilter},
            {"CancelFilter", a.CancelFilter}, {"SelectAll", a.SelectAll},
            {"SelectNone", a.SelectNone},     {"Contents", a.Contents},
            {"Autoload", a.Autoload},         {"DirectoryPl5", a.DirectoryPl5}};
        QAction* action = items.value(item);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->shortcut(), key);
    }

    void ledgerWindowTexts_data() {
        QTest::addColumn<int>("ledger");
        QTest::addColumn<QStringList>("hints");
        QTest::addColumn<QStringList>("headings");
        QTest::newRow("income") << int(LedgerId::Income)
                                << QStringList{"Add income or receipt <Ctrl><A>",
                                               "Delete this income record <Ctrl><D>",
                                               "Fast Find <Ctrl><F>",
                                               "Filter income",
                                               "Select All",
                                               "Select None",
                                               "Cancel filter"}
                                << QStringList{"",      "Rec No.",     "DATE v",   "Client",
                                               "Payor", "Description", "Category", "Account",
                                               "Code",  "Amount"};
        QTest::newRow("expense") << int(LedgerId::Expense)
                                 << QStringList{"Add a expense or disbursement <Shift><Ctrl><A>",
                                                "Delete this expense <Shift> <Ctrl><D>",
                                                "Fast Find <Shift><Ctrl><F>",
                                                "Filter expenses",
                                                "Select All",
                                                "Select None",
                                                "Cancel filter"}
                                 << QStringList{"",      "Check No.",   "DATE v",   "Client",
                                                "Payee", "Description", "Category", "Account",
                                                "Code",  "Amount"};
    }
    void ledgerWindowTexts() {
        QFETCH(int, ledger);
        QFETCH(QStringList, hints);
        QFETCH(QStringList, headings);
        BooksWindowSet files;
        StartedBooksWindow started;
        const LedgerId id = LedgerId(ledger);
        QStringList shownHints;
        for (QAction* action : started.window.WindowOf(id)->ToolBar().actions()) {
            shownHints.append(action->toolTip());
        }
        QCOMPARE(shownHints, hints);
        QStringList shown;
        for (int column = 0; column <= LedgerColumn::Amount; ++column) {
            shown.append(Heading(started.window, id, column));
        }
        QCOMPARE(shown, headings);
    }

    void headerClicksSortThenFlip() {
        BooksWindowSet files;
        StartedBooksWindow started;
        auto& view = started.window.WindowOf(LedgerId::Income)->View();
        view.SortByHeader(LedgerColumn::Date);
        QCOMPARE(Heading(started.window, LedgerId::Income, LedgerColumn::Date),
                 QStringLiteral("DATE ^"));
        view.SortByHeader(LedgerColumn::Number);
        QCOMPARE(Heading(started.window, LedgerId::Income, LedgerColumn::Number),
                 QStringLiteral("REC NO.^"));
        view.SortByHeader(LedgerColumn::Number);
        QCOMPARE(Heading(started.window, LedgerId::Income, LedgerColumn::Number),
                 QStringLiteral("REC NO.v"));
        QCOMPARE(started.window.Workspace().Income().Table().Cell(1, LedgerColumn::Number),
                 QStringLiteral("3"));
    }

    void aOneRecordTableDoesNotSort() {
        BooksSetFolder set;
        set.WriteSet("kiv5", {ThreeReceipts()[0]}, TwoChecks());
        WriteBooksSettings(set);
        StartedBooksWindow started;
        QCOMPARE(Heading(started.window, LedgerId::Income, LedgerColumn::Date),
                 QStringLiteral("Date"));
        started.window.WindowOf(LedgerId::Income)->View().SortByHeader(LedgerColumn::Date);
        QCOMPARE(Heading(started.window, LedgerId::Income, LedgerColumn::Date),
                 QStringLiteral("Date"));
    }

    void newAsksForTheNameFirst() {
        BooksWindowSet files;
        StartedBooksWindow started;
        const auto before = files.set.Snapshot();
        started.prompts.ExpectSaveFile("Save As", std::nullopt);
        started.window.NewCommand();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(started.window.Workspace().Income().Table().DataRowCount(), 3);
        QCOMPARE(started.window.windowTitle(), QStringLiteral("Sumora5: kiv5.su5"));
        QCOMPARE(files.set.Snapshot(), before);

        WriteTextLines(files.set.BooksFile("default.cat"), {"Rent"});
        started.prompts.ExpectSaveFile("Save As", files.set.BooksFile("fresh.su5"));
        started.window.NewCommand();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(started.window.windowTitle(), QStringLiteral("Sumora5: fresh.su5"));
        QCOMPARE(started.window.Workspace().CategoryStrList(), QStringList{"Rent"});
    }

    void saveAsWarnsAboutNetworks() {
        BooksWindowSet files;
        StartedBooksWindow started;
        const auto before = files.set.Snapshot();
        started.prompts.ExpectSaveFile("Save As", files.set.BooksFile("copy.su5"))
            .ExpectQuestion("Network Warning!", kSaveAsWarning, QMessageBox::Cancel);
        QVERIFY(!started.window.SaveAsCommand());
        QCOMPARE(files.set.Snapshot(), before);
        QCOMPARE(started.window.windowTitle(), QStringLiteral("Sumora5: kiv5.su5"));
        started.prompts.ExpectSaveFile("Save As", files.set.BooksFile("copy.su5"))
            .ExpectQuestion("Network Warning!", kSaveAsWarning, QMessageBox::Ok);
        QVERIFY(started.window.SaveAsCommand());
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(started.window.windowTitle(), QStringLiteral("Sumora5: copy.su5"));
        QVERIFY(files.set.temp.Exists("Sumora5/copy.inc"));
    }

    // Help ▸ Table of Contents (F1) shows the program's own help window;
    // Help ▸ About shows the about box of Sumora5.
    void helpAndAbout() {
        BooksWindowSet files;
        StartedBooksWindow started;
        started.window.Actions().Contents->trigger();
        kiv5::ui::HelpWindow* help = started.window.findChild<kiv5::ui::HelpWindow*>();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        started.prompts.ExpectDialog("About Sumora5", QDialog::Accepted);
        started.window.Actions().About->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
    }

    // OK packs and closes the set; Cancel leaves every file and the open set.
    void packWarnsThenCloses_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("ok") << true;
        QTest::newRow("cancel") << false;
    }
    void packWarnsThenCloses() {
        QFETCH(bool, ok);
        BooksWindowSet files;
        StartedBooksWindow started;
        const auto before = files.set.Snapshot();
        started.prompts.ExpectQuestion("Network Warning!", kPackWarning,
                                       ok ? QMessageBox::Ok : QMessageBox::Cancel);
        if (ok) {
            started.prompts.ExpectErrorWindow(11090);
        }
        started.window.PackCommand();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(started.window.Workspace().IsOpen(), !ok);
        QCOMPARE(started.window.windowTitle(),
                 ok ? QStringLiteral("Sumora5: ") : QStringLiteral("Sumora5: kiv5.su5"));
        if (!ok) {
            QCOMPARE(files.set.Snapshot(), before);
        }
    }

    void openShowsABrokenSetByName() {
        BooksWindowSet files;
        WriteTextLines(files.set.BooksFile("short.su5"), {"only one line"});
        StartedBooksWindow started;
        const auto before = files.set.Snapshot();
        started.prompts.ExpectOpenFile("Open File Dialog", files.set.BooksFile("short.su5"))
            .ExpectInformation("Error", "The set file \"" + files.set.BooksFile("short.su5") +
                                            "\" holds 1 lines; a bookkeeping set file holds "
                                            "five.");
        started.window.OpenCommand();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(files.set.Snapshot(), before);
        QCOMPARE(started.window.windowTitle(), QStringLiteral("Sumora5: kiv5.su5"));
    }

    void exportAsksAboutSelectedRecords() {
        BooksWindowSet files;
        StartedBooksWindow started;
        started.prompts.ExpectSaveFile("Export TXT File", files.set.BooksFile("out.txt"))
            .ExpectQuestion("Save All or Only Selected Records",
                            "Do you want to save only selected records?", QMessageBox::Yes);
        started.window.ExportCommand();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(ReadTextLines(files.set.BooksFile("out.txt")).size(), 2);
    }

    void restoreFromBackup() {
        BooksWindowSet files;
        StartedBooksWindow started;
        started.window.MakeBackupCommand();
        QFile::remove(files.set.BooksFile("kiv5.inc"));
        started.prompts.ExpectOpenFile("Load Backup File Dialog",
                                       files.set.BooksFile("kiv5_0.bkp"));
        started.window.RestoreCommand();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(ReadAllRecords<IncRec>(files.set.BooksFile("kiv5.inc")).size(), std::size_t(3));
    }

    void exitMakesTheAutomaticBackup() {
        BooksWindowSet files;
        {
            StartedBooksWindow started;
            started.window.Workspace().settings.AutomaticBackupFlag = true;
            started.window.ToggleAutoloadCommand();
            started.window.close();
        }
        QVERIFY(files.set.temp.Exists("Sumora5/kiv5_0.bkp"));
        BooksSettings read = BuiltInBooksSettings(1044);
        SettingsStore store = BooksSettingsStore();
        QVERIFY(ReadTheIniFile(read, store, 1044));
        QCOMPARE(read.BackupCounter, 1);
        QCOMPARE(FileNamePart(read.AutoFileName), QStringLiteral("kiv5.su5"));
    }

    void autoloadOpensWithoutTheSetFile() {
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        QFile::remove(set.BooksFile("kiv5.su5"));
        WriteBooksSettings(set, set.BooksFile("kiv5.su5"));
        StartedBooksWindow started{QString()};
        QCOMPARE(started.window.windowTitle(), QStringLiteral("Sumora5: kiv5.su5"));
        QVERIFY(started.window.Actions().Autoload->isChecked());
    }
};

KIV5_WIDGET_TEST_MAIN(TestBooksMainWindow)
#include "tst_BooksMainWindow.moc"
