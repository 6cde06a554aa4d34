#include "tests/billing/ui/BillingWindowFixtures.h"
#include "tests/uisupport/WidgetLookup.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QToolBar>

using namespace kiv5;
using namespace kiv5::billing;
using namespace kiv5::test;

namespace {

const QString kNetworkWarning =
    "This command should not be used on networks when users at other stations may be using the "
    "same files. See relevant help topic for more information.";

// Fills the filter dialog's full name and applies it.
auto FilterByFullName(const QString& text) {
    return [text](QDialog& dialog) {
        auto* edit = FindNamed<QLineEdit>(dialog, "edtFullName");
        QVERIFY(edit);
        edit->setText(text);
        ClickButton(dialog, "Apply Filter");
    };
}

} // namespace

class TestQuenbyMainWindow : public QObject {
    Q_OBJECT

private slots:
    void startUpOpensTheArgumentWhateverItsCase() {
        BillingWindowFiles files;
        StartedQuenbyWindow started("KIV5.QY5");
        auto& window = started.window;
        QCOMPARE(window.windowTitle().toLower(), QStringLiteral("quenby5: kiv5.qy5"));
        QCOMPARE(ShownNames(window), (QStringList{"Brown, Cy", "Jones, Bob", "Smith, Ann"}));
        QVERIFY(window.Actions().Add->isEnabled());
        QVERIFY(window.BillWindow()->addAction_->isEnabled());
        QVERIFY(!window.Actions().CancelFilter->isEnabled());
        QCOMPARE(window.BillWindow()->windowTitle(), QStringLiteral("Billing Window"));
        QCOMPARE(window.findChild<QMdiArea*>()->subWindowList().size(), 1);
        QVERIFY(started.prompts.VerifyAllAnswered());
    }

    void anArgumentThatDoesNotReadLeavesNoFileOpen() {
        BillingWindowFiles files;
        BillingFolder::Write(files.folder.DataFile(), QByteArray(100, 'x'));
        const auto before = files.folder.Snapshot();
        ScriptedPrompts prompts;
        prompts.ExpectQuestion("Error",
                               "The file \"" + files.folder.DataFile() +
                                   "\" is damaged: its length of 100 bytes is not a whole number "
                                   "of 2416-byte records.",
                               QMessageBox::Ok);
        billing::ui::QuenbyMainWindow window(prompts, QuietQuenbyOptions({"kiv5.qy5"}));
        window.StartUp();
        QVERIFY(prompts.VerifyAllAnswered());
        QCOMPARE(window.windowTitle(), QStringLiteral("Quenby5: "));
        QVERIFY(!window.Actions().Add->isEnabled());
        QCOMPARE(files.folder.Snapshot(), before);
    }

    void withoutAFileOnlyTheFileFreeCommandsAreOn() {
        BillingWindowFiles files;
        StartedQuenbyWindow started{QString()};
        auto& a = started.window.Actions();
        QCOMPARE(started.window.windowTitle(), QStringLiteral("Quenby5: "));
        for (QAction* action : {a.Add, a.Delete, a.Display, a.FastFind, a.Save, a.SetFilter,
                                a.CancelFilter, a.SelectAll, a.SelectNone, a.SaveAs, a.Close,
                                a.SetPl5File, a.SetSu5File, a.spdSortByBalance, a.spdSortByName}) {
            QVERIFY2(!action->isEnabled(), qPrintable(action->text()));
        }
        for (QAction* action : {a.New, a.Open, a.Exit, a.SetHourlyRate, a.SetShorthandText,
                                a.SetFont, a.AutomaticBackup}) {
            QVERIFY2(action->isEnabled(), qPrintable(action->text()));
        }
        QVERIFY(!started.window.BillWindow()->findAction_->isEnabled());
        // The further windows and the prints stay off until they are built.
        for (QAction* action : {a.ItemizedStatement, a.Calendar, a.PrintCurrentBill,
                                a.PeriodicBilling, a.spdOpenStatement, a.spdOpenCalendar}) {
            QVERIFY2(!action->isEnabled(), qPrintable(action->text()));
        }
    }

    void billingWindowTexts() {
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        QStringList captions;
        for (QAction* action : started.window.BillWindow()->ToolBar().actions()) {
            captions.append(action->text());
        }
        QCOMPARE(captions,
                 (QStringList{"Add", "Del", "Find", "Select All", "Deselect", "Filter", "Cancel"}));
        QStringList headings;
        for (const int column : {0, 1, 2, 3, 4, 5, 6, 25, 35, 36, 37}) {
            headings.append(Heading(started.window, column));
        }
        // Loading sorts by name without turning its flag over.
        QCOMPARE(headings,
                 (QStringList{"", "Client No.", "FULL NAME v", "Last Bill", "Balance Forward",
                              "Description", "Amount", "IS Path", "Note", "Interest", "Rate"}));
        auto* bill = started.window.BillWindow();
        QCOMPARE(bill->deleteCurrentMenu_->text(), QStringLiteral("&Delete Current Bill"));
        QCOMPARE(bill->deleteSelectedMenu_->text(), QStringLiteral("Delete &Selected Bills"));
        QCOMPARE(bill->editMenu_->text(), QStringLiteral("&Edit"));
    }

    void headerClicksSortThenFlip() {
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        auto& view = started.window.BillWindow()->View();
        view.SortByHeader(BillColumn::FullName);
        QCOMPARE(Heading(started.window, BillColumn::FullName), QStringLiteral("FULL NAME ^"));
        QCOMPARE(ShownNames(started.window),
                 (QStringList{"Brown, Cy", "Jones, Bob", "Smith, Ann"}));
        view.SortByHeader(BillColumn::FullName);
        QCOMPARE(Heading(started.window, BillColumn::FullName), QStringLiteral("FULL NAME v"));
        QCOMPARE(ShownNames(started.window),
                 (QStringList{"Smith, Ann", "Jones, Bob", "Brown, Cy"}));
    }

    void sortByBalanceDueThenByName() {
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        started.window.Actions().spdSortByBalance->trigger();
        QCOMPARE(ShownNames(started.window),
                 (QStringList{"Brown, Cy", "Smith, Ann", "Jones, Bob"}));
        // Whatever the flag was: a second time gives the same order.
        started.window.Actions().spdSortByBalance->trigger();
        QCOMPARE(ShownNames(started.window),
                 (QStringList{"Brown, Cy", "Smith, Ann", "Jones, Bob"}));
        started.window.Actions().spdSortByName->trigger();
        QCOMPARE(ShownNames(started.window),
                 (QStringList{"Brown, Cy", "Jones, Bob", "Smith, Ann"}));
        QVERIFY(started.prompts.VerifyAllAnswered());
    }

    void filterWithoutAClientFileReports11150() {
        BillingWindowFiles files(false);
        StartedQuenbyWindow started;
        const auto before = files.folder.Snapshot();
        started.prompts.ExpectErrorWindow(11150);
        started.window.Actions().SetFilter->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QVERIFY(!started.window.Workspace().FilterActive());
        QCOMPARE(files.folder.Snapshot(), before);
    }

    void filterNarrowsAndCancelShowsAllAgain() {
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        auto& window = started.window;
        started.prompts.ExpectDialog("Filter Billing Records Form", FilterByFullName("smith"));
        window.Actions().SetFilter->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(ShownNames(window), QStringList{"Smith, Ann"});
        QCOMPARE(files.folder.StoredBill(2).Status, -1);
        QCOMPARE(files.folder.StoredBill(1).Status, 0);
        QCOMPARE(window.BillWindow()->filterAction_->text(), QStringLiteral("Filter On"));
        QVERIFY(window.Actions().CancelFilter->isEnabled());
        QVERIFY(window.BillWindow()->cancelAction_->isEnabled());

        window.Actions().CancelFilter->trigger();
        QCOMPARE(ShownNames(window), (QStringList{"Brown, Cy", "Jones, Bob", "Smith, Ann"}));
        QCOMPARE(files.folder.StoredBill(2).Status, 0);
        QCOMPARE(window.BillWindow()->filterAction_->text(), QStringLiteral("Filter"));
        QVERIFY(!window.Actions().CancelFilter->isEnabled());
    }

    void aBadCriterionWritesNothingAndLeavesTheFilterOff() {
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        const auto before = files.folder.Snapshot();
        started.prompts
            .ExpectDialog("Filter Billing Records Form",
                          [](QDialog& dialog) {
                              FindNamed<QLineEdit>(dialog, "edtFullName")->setText("smith");
                              FindNamed<QLineEdit>(dialog, "edtDate")->setText("13/2011");
                              ClickButton(dialog, "Apply Filter");
                          })
            .ExpectQuestion("Error",
                            "The Last Billing Date criterion \"13/2011\" cannot be used: enter "
                            "YYYY or MM/YYYY or MM/DD/YYYY.",
                            QMessageBox::Ok);
        started.window.Actions().SetFilter->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(files.folder.Snapshot(), before);
        QCOMPARE(ShownNames(started.window).size(), 3);
        QVERIFY(!started.window.Workspace().FilterActive());
        QCOMPARE(started.window.BillWindow()->filterAction_->text(), QStringLiteral("Filter"));
    }

    void filterDialogShowsTheLastCriteria() {
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        started.prompts.ExpectDialog("Filter Billing Records Form", [](QDialog& dialog) {
            FindNamed<QComboBox>(dialog, "cmbxClient")->setEditText("Smith, Al - 104");
            ClickButton(dialog, "Apply Filter");
        });
        started.prompts.ExpectDialog("Filter Billing Records Form", [](QDialog& dialog) {
            auto* clients = FindNamed<QComboBox>(dialog, "cmbxClient");
            QCOMPARE(clients->currentText(), QStringLiteral("Smith, Al - 104"));
            // Sorted, though the client file holds them otherwise.
            QCOMPARE(clients->itemText(0), QStringLiteral("Jones, Bob - 7"));
            QCOMPARE(clients->count(), 3);
            QStringList labels = LabelTexts(dialog);
            QCOMPARE(labels, (QStringList{"Client Name/Number", "Full Name", "Last Billing Date",
                                          "Balance Forward", "Description", "Amount",
                                          "Itemized Statement Path", "Note", "Charge Interest",
                                          "Interest Rate"}));
            ClickButton(dialog, "Cancel");
        });
        started.window.SetFilterCommand();
        QCOMPARE(ShownNames(started.window), QStringList{"Brown, Cy"});
        started.window.SetFilterCommand();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(ShownNames(started.window), QStringList{"Brown, Cy"});
    }

    void deleteAsksFirst_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("status");
        QTest::newRow("yes") << int(QMessageBox::Yes) << -2;
        QTest::newRow("no") << int(QMessageBox::No) << 0;
    }
    void deleteAsksFirst() {
        QFETCH(int, answer);
        QFETCH(int, status);
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        MakeCurrent(started.window, RowOfName(started.window, "Jones, Bob"));
        started.prompts.ExpectQuestion("Delete Warning!",
                                       "Are You Sure You Want To Delete This Record?",
                                       QMessageBox::StandardButton(answer));
        started.window.Actions().Delete->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(files.folder.StoredBill(2).Status, status);
        QCOMPARE(ShownNames(started.window).contains("Jones, Bob"), status == 0);
    }

    void deleteSelectedAsksPerBill() {
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        auto& ws = started.window.Workspace();
        for (const char* name : {"Brown, Cy", "Smith, Ann"}) {
            ws.ToggleMark(RowOfName(started.window, name));
        }
        QStringList asked;
        started.prompts.ExpectDialog("Delete Record Dialog", [&asked](QDialog& dialog) {
            asked = LabelTexts(dialog);
            return 7; // No
        });
        started.prompts.ExpectDialog("Delete Record Dialog", 6); // Yes
        started.window.BillWindow()->deleteSelectedMenu_->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QVERIFY(asked.contains("Do you wish to delete the following record?"));
        QVERIFY(asked.contains("Brown, Cy"));
        QVERIFY(asked.contains("990.00"));
        QCOMPARE(files.folder.StoredBill(3).Status, 0);
        QCOMPARE(files.folder.StoredBill(1).Status, -2);
    }

    void hourlyRate_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("shown");
        QTest::newRow("amount") << "1,125.5" << 0 << "1,125.50";
        QTest::newRow("not a number") << "lots" << 21202 << "250.00";
    }
    void hourlyRate() {
        QFETCH(QString, typed);
        QFETCH(int, error);
        QFETCH(QString, shown);
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        started.window.Workspace().SetHourlyRate("250");
        started.prompts.ExpectInput("Default Attorney Fee Rate", typed);
        if (error != 0) {
            started.prompts.ExpectErrorWindow(error);
        }
        started.window.Actions().SetHourlyRate->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(started.prompts.Asked().first().text,
                 QStringLiteral("Enter the default attorney fee rate."));
        QCOMPARE(started.prompts.Asked().first().initial, QStringLiteral("250.00"));
        QCOMPARE(started.window.Workspace().HourlyRateText(), shown);
    }

    void shorthandDialogKeepsOkAndDropsCancel_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("ok") << true;
        QTest::newRow("cancel") << false;
    }
    void shorthandDialogKeepsOkAndDropsCancel() {
        QFETCH(bool, ok);
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        QString f1;
        started.prompts.ExpectDialog("Shorthand Dialog", [ok, &f1](QDialog& dialog) {
            f1 = FindNamed<QLineEdit>(dialog, "edtShorthand1")->text();
            FindNamed<QLineEdit>(dialog, "edtShorthand5")->setText("Court appearance");
            return ok ? QDialog::Accepted : QDialog::Rejected;
        });
        started.window.Actions().SetShorthandText->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(f1, QStringLiteral("Telephone conference with client"));
        QCOMPARE(started.window.Workspace().ShorthandText(5),
                 ok ? QStringLiteral("Court appearance") : QString());
    }

    void newAsksForTheNameFirst() {
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        const auto before = files.folder.Snapshot();
        started.prompts.ExpectSaveFile("Save As", std::nullopt);
        started.window.Actions().New->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(ShownNames(started.window).size(), 3);
        QCOMPARE(started.window.windowTitle().toLower(), QStringLiteral("quenby5: kiv5.qy5"));
        QCOMPARE(files.folder.Snapshot(), before);
    }

    void saveAsAsksAboutTheRealDataFile() {
        BillingWindowFiles files;
        files.folder.WriteBills({Bill("1", "Other, One", 100)}, "other");
        StartedQuenbyWindow started;
        const auto before = files.folder.Snapshot();
        // Chosen in another folder: the bills would still go to the billing
        // files folder, where "other.bil" exists.
        started.prompts.ExpectSaveFile("Save As", files.folder.temp.Path("other.qy5"))
            .ExpectQuestion("Confirm Save As",
                            files.folder.DataFile("other") +
                                " already exists.\nDo you want to replace it?",
                            QMessageBox::No);
        started.window.Actions().SaveAs->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(files.folder.Snapshot(), before);
        QCOMPARE(started.window.windowTitle().toLower(), QStringLiteral("quenby5: kiv5.qy5"));
    }

    void saveAsWarnsBeforeTheNameChanges() {
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        const auto before = files.folder.Snapshot();
        started.prompts.ExpectSaveFile("Save As", files.folder.Bills() + "new.qy5")
            .ExpectQuestion("Network Warning!", kNetworkWarning, QMessageBox::Cancel);
        started.window.Actions().SaveAs->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(files.folder.Snapshot(), before);
        QCOMPARE(started.window.windowTitle().toLower(), QStringLiteral("quenby5: kiv5.qy5"));

        started.prompts.ExpectSaveFile("Save As", files.folder.Bills() + "new.qy5")
            .ExpectQuestion("Network Warning!", kNetworkWarning, QMessageBox::Ok);
        started.window.Actions().SaveAs->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(started.window.windowTitle(), QStringLiteral("Quenby5: new.qy5"));
        QCOMPARE(BillingFolder::Read(files.folder.DataFile("new")).size(), 3 * 2416);
    }

    void closeWithoutACalendarFileStillBacksUpAndCloses() {
        BillingWindowFiles files;
        files.folder.WriteSettings(true);
        StartedQuenbyWindow started;
        started.window.Actions().Close->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(started.window.windowTitle(), QStringLiteral("Quenby5: "));
        QVERIFY(ShownNames(started.window).isEmpty());
        QVERIFY(QFile::exists(files.folder.Bills() + "kiv5_bil_1.txt"));
        QVERIFY(!started.window.Actions().Add->isEnabled());
    }

    void settingsAreWrittenWhenTheProgramEnds() {
        BillingWindowFiles files;
        {
            StartedQuenbyWindow started;
            auto& ws = started.window.Workspace();
            QCOMPARE(ws.SetHourlyRate("175"), 0);
            QStringList texts = ws.ShorthandTexts();
            texts[4] = QString(70, QLatin1Char('y'));
            ws.SetShorthandTexts(texts);
            started.window.close();
            QVERIFY(started.prompts.VerifyAllAnswered());
        }
        BillingSettings read = BuiltInBillingSettings(1044);
        SettingsStore store = BillingSettingsStore();
        QVERIFY(ReadTheIniFile(read, store, 1044));
        QCOMPARE(read.HourlyRate, qint64(175) * 10000);
        QCOMPARE(read.ShortHandArray[4], QString(64, QLatin1Char('y')));
        QCOMPARE(read.ShortHandArray[0], QStringLiteral("Telephone conference with client"));
        QCOMPARE(read.History.Entries().size(), 1);
    }

    void worksheetHookOpensAChildWindowOnce() {
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        auto& a = started.window.Actions();
        QVERIFY(!a.ItemizedStatement->isEnabled());
        int made = 0;
        started.window.SetOpenWorksheetHook([&made](billing::ui::QuenbyMainWindow&) {
            ++made;
            auto* widget = new QWidget;
            widget->setWindowTitle("Itemized Statement");
            return widget;
        });
        QVERIFY(a.ItemizedStatement->isEnabled());
        a.ItemizedStatement->trigger();
        QCOMPARE(made, 1);
        QVERIFY(started.window.IsWorksheetOpen());
        QVERIFY(!a.ItemizedStatement->isEnabled());
        // The bill commands rest while the worksheet is open.
        QVERIFY(!a.Add->isEnabled());
        QCOMPARE(started.window.findChild<QMdiArea*>()->subWindowList().size(), 2);
    }
};

KIV5_WIDGET_TEST_MAIN(TestQuenbyMainWindow)
#include "tst_QuenbyMainWindow.moc"
