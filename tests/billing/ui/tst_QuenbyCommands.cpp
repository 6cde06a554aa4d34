#include "billing/core/TBillRec.h"
#include "tests/billing/ui/BillingWindowFixtures.h"
#include "tests/uisupport/WidgetLookup.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QDir>
#include <QLineEdit>
#include <QToolButton>

using namespace kiv5;
using namespace kiv5::billing;
using namespace kiv5::test;
using kiv5::billing::ui::BillEntryForm;

namespace {

const QString kFindPrompt = "Enter the text you wish to search for in the billing file.";

QStringList Lines(const QString& path) {
    return QString::fromLatin1(BillingFolder::Read(path)).split("\r\n", Qt::SkipEmptyParts);
}

QString FolderMessage(const QString& path) {
    return "Cannot replace \"" + path + "\": it is a folder, not a file";
}

} // namespace

class TestQuenbyCommands : public QObject {
    Q_OBJECT

private slots:
    void exportAsksAllOrSelected_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("lines");
        QTest::newRow("only selected, none marked") << int(QMessageBox::Yes) << 1;
        QTest::newRow("all") << int(QMessageBox::No) << 4;
    }
    void exportAsksAllOrSelected() {
        QFETCH(int, answer);
        QFETCH(int, lines);
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        const QString target = files.folder.temp.Path("bills.txt");
        started.prompts.ExpectSaveFile("Export TXT File", target)
            .ExpectQuestion("Save All or Only Selected Records",
                            "Do you want to save only selected records?",
                            QMessageBox::StandardButton(answer));
        started.window.Actions().ExportTxt->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(started.prompts.Asked().first().file.fileName, files.folder.Bills() + "kiv5.txt");
        const QStringList written = Lines(target);
        QCOMPARE(written.size(), lines);
        QCOMPARE(written.first(), QStringLiteral("Client No\tFull Name\tLast Bill\tBalance "
                                                 "Forward\tDescription\tAmount\tIS Path\tNote\t"
                                                 "Interest\tRate"));
    }

    void selectAllAndNoneWriteTheMarks() {
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        started.window.Actions().SelectAll->trigger();
        for (int recNo = 1; recNo <= 3; ++recNo) {
            QVERIFY(files.folder.StoredBill(recNo).Selected);
        }
        started.window.BillWindow()->deselectAction_->trigger();
        for (int recNo = 1; recNo <= 3; ++recNo) {
            QVERIFY(!files.folder.StoredBill(recNo).Selected);
        }
        QVERIFY(started.prompts.VerifyAllAnswered());
    }

    void fastFindOpensTheFormPerMatchThenSaysComplete_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("visited");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("two matches") << "smith" << QStringList{"Smith, Ann"} << false;
        QTest::newRow("by number") << "104" << QStringList{"Brown, Cy"} << false;
        QTest::newRow("retainer, cancelled at the first")
            << "retainer" << QStringList{"Brown, Cy"} << true;
        QTest::newRow("nothing") << "zzz" << QStringList{} << false;
    }
    void fastFindOpensTheFormPerMatchThenSaysComplete() {
        QFETCH(QString, text);
        QFETCH(QStringList, visited);
        QFETCH(bool, cancel);
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        QStringList seen;
        started.prompts.ExpectInput("Fast Find", text);
        for (int i = 0; i < visited.size(); ++i) {
            started.prompts.ExpectDialog("Billing Entry Form", [&seen, cancel](QDialog& dialog) {
                BillEntryForm& form = AsForm(dialog);
                seen.append(form.fullNameEdit->text());
                if (cancel) {
                    form.cancelFindButton->click();
                } else {
                    form.close();
                }
            });
        }
        started.prompts.ExpectInformation("End of Search", "Search Complete");
        started.window.BillWindow()->findAction_->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(started.prompts.Asked().first().text, kFindPrompt);
        QCOMPARE(seen, visited);
    }

    void billingBackupAndRestoreRoundTrip() {
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        auto& window = started.window;
        window.Actions().MakeBillingBackup->trigger();
        QVERIFY(QFile::exists(files.folder.Bills() + "kiv5_1.bkp"));
        QVERIFY(QFile::exists(files.folder.Bills() + "kiv5_bil_1.txt"));
        QCOMPARE(window.Workspace().settings.BackupCounter, 2);
        // A bill changes after the backup; the restore brings back all three.
        MakeCurrent(window, RowOfName(window, "Jones, Bob"));
        started.prompts.ExpectQuestion(
            "Delete Warning!", "Are You Sure You Want To Delete This Record?", QMessageBox::Yes);
        window.Actions().Delete->trigger();
        QCOMPARE(ShownNames(window).size(), 2);
        started.prompts.ExpectOpenFile("Restore From Billing Backup",
                                       files.folder.Bills() + "kiv5_1.bkp");
        window.Actions().RestoreBillingBackup->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(ShownNames(window), (QStringList{"Brown, Cy", "Jones, Bob", "Smith, Ann"}));
        QCOMPARE(files.folder.StoredBill(2).Status, 0);
        QCOMPARE(files.folder.StoredBill(2).FullName, QStringLiteral("Jones, Bob"));
    }

    void aFolderInTheBackupsPlaceChangesNothing_data() {
        QTest::addColumn<QString>("blocked");
        QTest::newRow("listing") << "kiv5_1.bkp";
        QTest::newRow("rows (second file)") << "kiv5_bil_1.txt";
    }
    void aFolderInTheBackupsPlaceChangesNothing() {
        QFETCH(QString, blocked);
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        QDir().mkpath(files.folder.Bills() + blocked);
        const auto before = files.folder.Snapshot();
        const int counter = started.window.Workspace().settings.BackupCounter;
        started.prompts.ExpectQuestion("Error", FolderMessage(files.folder.Bills() + blocked),
                                       QMessageBox::Ok);
        started.window.Actions().MakeBillingBackup->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(files.folder.Snapshot(), before);
        QCOMPARE(started.window.Workspace().settings.BackupCounter, counter);
    }

    void aFolderInTheDataFilesPlaceFailsSaveAsAndKeepsTheOpenFile_data() {
        QTest::addColumn<QString>("blocked");
        QTest::newRow("link file") << "new.qy5";
        QTest::newRow("data file") << "new.bil";
    }
    void aFolderInTheDataFilesPlaceFailsSaveAsAndKeepsTheOpenFile() {
        QFETCH(QString, blocked);
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        QDir().mkpath(files.folder.Bills() + blocked);
        const auto before = files.folder.Snapshot();
        started.prompts.ExpectSaveFile("Save As", files.folder.Bills() + "new.qy5");
        if (blocked.endsWith(".bil")) {
            started.prompts.ExpectQuestion("Confirm Save As",
                                           files.folder.Bills() + blocked +
                                               " already exists.\nDo you want to replace it?",
                                           QMessageBox::Yes);
        }
        started.prompts.ExpectQuestion(
            "Network Warning!",
            "This command should not be used on networks when users at other stations may be "
            "using the same files. See relevant help topic for more information.",
            QMessageBox::Ok);
        started.prompts.ExpectQuestion("Error", FolderMessage(files.folder.Bills() + blocked),
                                       QMessageBox::Ok);
        started.window.Actions().SaveAs->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(files.folder.Snapshot(), before);
        QCOMPARE(started.window.windowTitle().toLower(), QStringLiteral("quenby5: kiv5.qy5"));
        QCOMPARE(ShownNames(started.window).size(), 3);
    }

    void restoreCalendarBackupListsTheCalendarBackups() {
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        started.prompts.ExpectOpenFile("Load Calendar File Dialog", std::nullopt);
        started.window.Actions().RestoreCalendarBackup->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        const kiv5::ui::FileDialogRequest& asked = started.prompts.Asked().first().file;
        QCOMPARE(asked.fileName, QStringLiteral("orvcal5.txt_*"));
        QCOMPARE(asked.folder, files.folder.Bills());
    }

    void linkingABookkeepingSetChecksItsLedgers() {
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        const auto before = files.folder.Snapshot();
        const QString set = files.folder.temp.Path("other.su5");
        BillingFolder::Write(set,
                             "other.inc\r\nother.exp\r\nother.acc\r\nother.cat\r\nkiv5.pl5\r\n");
        started.prompts.ExpectOpenFile("Set SU5 File Dialog", set).ExpectErrorWindow(12010);
        started.window.Actions().SetSu5File->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(started.window.Workspace().settings.SU5FileName, QStringLiteral("kiv5.su5"));
        QCOMPARE(files.folder.Snapshot(), before);
    }

    void linkingAClientFileRewritesTheLinkFile() {
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        const QString other = files.folder.temp.Path("others.pl5");
        QFile::copy(files.folder.Clients() + "kiv5.pl5", other);
        started.prompts.ExpectOpenFile("Set PL5 File Dialog", other);
        started.window.Actions().SetPl5File->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(started.window.Workspace().settings.PL5Directory, files.folder.temp.Folder());
        const QStringList link = Lines(files.folder.Bills() + "kiv5.qy5");
        QCOMPARE(link.size(), 5);
        QVERIFY(link[3].endsWith("others.pl5"));
    }

    void automaticBackupIsAToggle() {
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        QAction* toggle = started.window.Actions().AutomaticBackup;
        QVERIFY(!toggle->isChecked());
        toggle->trigger();
        QVERIFY(toggle->isChecked());
        QVERIFY(started.window.Workspace().settings.AutomaticBackupFlag);
    }

    void aRefusedDeleteFromTheFormShowsTheStoredBill() {
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        auto& window = started.window;
        TBillRec other = files.folder.StoredBill(2);
        other.FullName = "Jones, Robert";
        other.PostTime = other.PullTime = Day(2020, 1, 1);
        files.folder.StoreBill(other);
        MakeCurrent(window, RowOfName(window, "Jones, Bob"));
        QString shown;
        started.prompts
            .ExpectDialog("Billing Entry Form",
                          [&shown](QDialog& dialog) {
                              BillEntryForm& form = AsForm(dialog);
                              form.deleteButton->click();
                              shown = form.fullNameEdit->text();
                              form.CloseNow();
                          })
            .ExpectQuestion("Delete Warning!", "Are You Sure You Want To Delete This Record?",
                            QMessageBox::Yes)
            .ExpectErrorWindow(9999);
        window.Actions().Display->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(shown, QStringLiteral("Jones, Robert"));
        QCOMPARE(files.folder.StoredBill(2).Status, 0);
        QVERIFY(ShownNames(window).contains("Jones, Robert"));
    }

    void reopenFromTheHistory() {
        BillingWindowFiles files;
        files.folder.WriteBills({Bill("1", "Other, One", 100)}, "other");
        StartedQuenbyWindow started;
        started.prompts.ExpectOpenFile("Open File Dialog", files.folder.Bills() + "other.qy5");
        started.window.Actions().Open->trigger();
        QCOMPARE(started.window.windowTitle(), QStringLiteral("Quenby5: other.qy5"));
        QCOMPARE(ShownNames(started.window), QStringList{"Other, One"});
        // The history items follow the fixed commands of the File menu.
        QList<QAction*> items = started.window.Actions().fileMenu->actions();
        const auto separator = items.indexOf(started.window.Actions().HistorySeparator);
        QVERIFY(items.size() > separator + 2);
        QVERIFY(items[separator + 1]->text().startsWith("&1 "));
        QVERIFY(items[separator + 2]->text().startsWith("&2 "));
        QVERIFY(items[separator + 2]->text().toLower().endsWith("kiv5.qy5"));
        items[separator + 2]->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(ShownNames(started.window).size(), 3);
    }
};

KIV5_WIDGET_TEST_MAIN(TestQuenbyCommands)
#include "tst_QuenbyCommands.moc"
