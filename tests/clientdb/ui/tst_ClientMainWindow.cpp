#include "clientdb/core/ClientFile.h"
#include "clientdb/core/ClientSettings.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/core/NameRec.h"
#include "clientdb/ui/ClientFieldsPanel.h"
#include "clientdb/ui/ClientListView.h"
#include "clientdb/ui/ClientMainWindow.h"
#include "clientdb/ui/EntryForm.h"
#include "common/core/RecordFile.h"
#include "common/core/TextFile.h"
#include "common/ui/CompareDialog.h"
#include "common/ui/DeleteRecordDialog.h"
#include "common/ui/RecordTableView.h"
#include "tests/clientdb/ui/ClientWindowFixtures.h"
#include "tests/support/Support.h"
#include "tests/uisupport/ScriptedPrompts.h"
#include "tests/uisupport/WidgetLookup.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QSignalSpy>

using namespace kiv5;
using namespace kiv5::ui;
using namespace kiv5::test;

namespace {

const QString kForm = QStringLiteral("Name & Address Entry Form");
const QString kChange = QStringLiteral("Record Change Warning!");
const QString kChangeText = QStringLiteral("Do You Want To Save Your Changes To This Record?");
const QString kDeleteText =
    QStringLiteral("Are You Sure You Want To Permanently Delete This/These Record(s)?");
const QString kNetwork = QStringLiteral("Network Warning!");
const QString kSaveWarning =
    QStringLiteral("You may not want to use this command on networks. See relevant help topic "
                   "for more information. Click Ok to continue with save.");
const QString kPackWarning =
    QStringLiteral("Only use this command on networks if ALL other users are not using "
                   "Pellary5. See relevant help topic for more information.");

} // namespace

class TestClientMainWindow : public QObject {
    Q_OBJECT

private slots:
    void startUpOpensCommandLineFileBeforeAutoload() {
        TempFolder settings, data;
        WriteClients(data, {"Baker", "Adams"}, QStringLiteral("other.pl5"));
        WriteClients(data, {"Young", "Cole", "Ames"});
        WriteWindowSettings(settings, data.Folder(), QStringLiteral("other.pl5"));
        ScriptedPrompts prompts;
        ClientMainWindow window(prompts, QuietOptions({QStringLiteral("clients.pl5")}));
        window.StartUp();
        QCOMPARE(window.Workspace().FileName(), QString("clients.pl5"));
        QCOMPARE(window.windowTitle(), QString("Pellary5: clients.pl5"));
        const RecordTable& table = window.Workspace().Table();
        QCOMPARE(table.DataRowCount(), 3);
        QCOMPARE(table.Cell(1, ClientCol::LastName), QString("Ames"));
        QCOMPARE(window.Actions().MemoListLabel->text(), QString("MemoList:4; 4"));
        QVERIFY(window.Actions().AddName->isEnabled());
        QVERIFY(prompts.VerifyAllAnswered());
    }

    void autoloadOpensTheFileWithoutArguments_data() {
        QTest::addColumn<QString>("autoFile");
        QTest::addColumn<QString>("opened");
        QTest::newRow("autoload") << "clients.pl5"
                                  << "clients.pl5";
        QTest::newRow("none") << ""
                              << "";
    }
    void autoloadOpensTheFileWithoutArguments() {
        QFETCH(QString, autoFile);
        QFETCH(QString, opened);
        TempFolder settings, data;
        WriteClients(data, {"Young"});
        WriteWindowSettings(settings, data.Folder(), autoFile);
        ScriptedPrompts prompts;
        ClientMainWindow window(prompts, QuietOptions());
        window.StartUp();
        QCOMPARE(window.Workspace().FileName(), opened);
        QCOMPARE(window.Actions().Autoload->isChecked(), !autoFile.isEmpty());
        QCOMPARE(window.Actions().AddName->isEnabled(), !opened.isEmpty());
    }

    void addOpensTheFormAndSavesTheNewClient() {
        TempFolder settings, data;
        const QString path = WriteClients(data, {"Young", "Cole"});
        WriteWindowSettings(settings, data.Folder());
        ScriptedPrompts prompts;
        ClientMainWindow window(prompts, QuietOptions({QStringLiteral("clients.pl5")}));
        window.StartUp();
        prompts.ExpectDialog(kForm, [&](QDialog& dialog) {
            auto& form = static_cast<EntryForm&>(dialog);
            QVERIFY(window.IsFormOpen());
            QVERIFY(form.IsModified());
            TypeInto(form, ClientFieldsPanel::LastName, QStringLiteral("Newman"));
            ClickButton(form, QStringLiteral("Save"));
            QVERIFY(!form.IsModified());
            ClickButton(form, QStringLiteral("Close"));
        });
        window.Records().Add();
        QVERIFY(prompts.VerifyAllAnswered());
        const std::vector<NameRec> stored = StoredClients(path);
        QCOMPARE(int(stored.size()), 4);
        QCOMPARE(stored[3].LastName, QString("Newman"));
        QCOMPARE(stored[3].RecNo, 3);
        // With the form closed nothing is left to ask about.
        window.Records().First();
        QCOMPARE(window.CurrentRow(), 1);
        QVERIFY(prompts.VerifyAllAnswered());
    }

    void closingTheFormAsksAboutUnsavedChanges() {
        TempFolder settings, data;
        const QString path = WriteClients(data, {"Young", "Cole"});
        WriteWindowSettings(settings, data.Folder());
        ScriptedPrompts prompts;
        ClientMainWindow window(prompts, QuietOptions({QStringLiteral("clients.pl5")}));
        window.StartUp();
        window.TableView()->SetCurrentTableRow(RowOfLastName(window.Workspace().Table(), "Young"));
        prompts.ExpectDialog(kForm, [&](QDialog& dialog) {
            auto& form = static_cast<EntryForm&>(dialog);
            TypeInto(form, ClientFieldsPanel::LastName, QStringLiteral("Younger"));
            QVERIFY(form.IsModified());
            // Cancel keeps the form, No lets it go without saving.
            prompts.ExpectQuestion(kChange, kChangeText, QMessageBox::Cancel);
            ClickButton(form, QStringLiteral("Close"));
            QVERIFY(form.isVisible());
            prompts.ExpectQuestion(kChange, kChangeText, QMessageBox::No);
            ClickButton(form, QStringLiteral("Close"));
            QVERIFY(!form.isVisible());
        });
        window.Records().Display();
        QVERIFY(prompts.VerifyAllAnswered());
        QCOMPARE(StoredClients(path)[1].LastName, QString("Young"));
    }

    void savingTwiceInTheOpenFormChangesOneRecord() {
        TempFolder settings, data;
        const QString path = WriteClients(data, {"Young", "Cole", "Mills"});
        WriteWindowSettings(settings, data.Folder());
        ScriptedPrompts prompts;
        ClientMainWindow window(prompts, QuietOptions({QStringLiteral("clients.pl5")}));
        window.StartUp();
        window.TableView()->SetCurrentTableRow(RowOfLastName(window.Workspace().Table(), "Young"));
        prompts.ExpectDialog(kForm, [&](QDialog& dialog) {
            auto& form = static_cast<EntryForm&>(dialog);
            TypeInto(form, ClientFieldsPanel::LastName, QStringLiteral("Abbot"));
            ClickButton(form, QStringLiteral("Save"));
            // Sorted by last name, the record moved to the top.
            QCOMPARE(window.Workspace().CurrentRowNo, 1);
            TypeInto(form, ClientFieldsPanel::FirstName, QStringLiteral("Anna"));
            ClickButton(form, QStringLiteral("Save"));
            ClickButton(form, QStringLiteral("Close"));
        });
        window.Records().Display();
        QVERIFY(prompts.VerifyAllAnswered());
        const std::vector<NameRec> stored = StoredClients(path);
        QCOMPARE(stored[1].LastName, QString("Abbot"));
        QCOMPARE(stored[1].FirstName, QString("Anna"));
        QCOMPARE(stored[2].LastName, QString("Cole"));
        QCOMPARE(stored[3].LastName, QString("Mills"));
    }

    void validationKeepsTheFormContents_data() {
        QTest::addColumn<QString>("clientNo");
        QTest::addColumn<QString>("lastName");
        QTest::addColumn<int>("code");
        QTest::newRow("no number") << ""
                                   << "Young" << 11060;
        QTest::newRow("taken number") << "C2"
                                      << "Young" << 11070;
        QTest::newRow("no last name") << "C1"
                                      << "" << 11110;
    }
    void validationKeepsTheFormContents() {
        QFETCH(QString, clientNo);
        QFETCH(QString, lastName);
        QFETCH(int, code);
        TempFolder settings, data;
        const QString path = WriteClients(data, {"Young", "Cole"});
        WriteWindowSettings(settings, data.Folder());
        ScriptedPrompts prompts;
        ClientMainWindow window(prompts, QuietOptions({QStringLiteral("clients.pl5")}));
        window.StartUp();
        window.TableView()->SetCurrentTableRow(RowOfLastName(window.Workspace().Table(), "Young"));
        prompts.ExpectDialog(kForm, [&](QDialog& dialog) {
            auto& form = static_cast<EntryForm&>(dialog);
            TypeInto(form, ClientFieldsPanel::ClientNo, clientNo);
            TypeInto(form, ClientFieldsPanel::LastName, lastName);
            prompts.ExpectErrorWindow(code);
            ClickButton(form, QStringLiteral("Save"));
            QVERIFY(form.IsModified());
            QCOMPARE(form.Entry().Text(ClientCol::LastName), lastName);
            prompts.ExpectQuestion(kChange, kChangeText, QMessageBox::No);
            ClickButton(form, QStringLiteral("Close"));
        });
        window.Records().Display();
        QVERIFY(prompts.VerifyAllAnswered());
        QCOMPARE(StoredClients(path)[1].LastName, QString("Young"));
    }

    void twoWindowsOverOneFolder() {
        TempFolder settings, data;
        const QString path = WriteClients(data, {"Young", "Cole"});
        WriteWindowSettings(settings, data.Folder());
        StartedWindow a, b;

        // B adds two clients; A's refresh shows them, and A's own add takes
        // the slot after them.
        for (int i = 0; i < 2; ++i) {
            b.prompts.ExpectDialog(kForm, [&](QDialog& dialog) {
                TypeSaveAndClose(dialog, ClientFieldsPanel::LastName,
                                 QStringLiteral("Bee%1").arg(i));
            });
            b.window.Records().Add();
        }
        a.window.RefreshCommand();
        QCOMPARE(a.window.Workspace().Table().DataRowCount(), 4);
        QVERIFY(RowOfLastName(a.window.Workspace().Table(), "Bee1") > 0);

        // B saves Young after A read it: A's save of Young conflicts, and
        // keeping A's version writes it to Young's slot.
        b.window.TableView()->SetCurrentTableRow(
            RowOfLastName(b.window.Workspace().Table(), "Young"));
        b.prompts.ExpectDialog(kForm, [&](QDialog& dialog) {
            TypeSaveAndClose(dialog, ClientFieldsPanel::FirstName, QStringLiteral("FromB"));
        });
        b.window.Records().Display();
        QCOMPARE(StoredClients(path)[1].FirstName, QString("FromB"));

        a.window.TableView()->SetCurrentTableRow(
            RowOfLastName(a.window.Workspace().Table(), "Young"));
        a.prompts.ExpectDialog(kForm, [&](QDialog& dialog) {
            auto& form = static_cast<EntryForm&>(dialog);
            TypeInto(form, ClientFieldsPanel::FirstName, QStringLiteral("FromA"));
            a.prompts.ExpectErrorWindow(11100);
            a.prompts.ExpectDialog(QStringLiteral("Record Comparison Conflict"),
                                   CompareDialog::KeepRight);
            ClickButton(form, QStringLiteral("Save"));
            ClickButton(form, QStringLiteral("Close"));
        });
        a.window.Records().Display();
        QVERIFY(a.prompts.VerifyAllAnswered());
        QVERIFY(b.prompts.VerifyAllAnswered());
        const std::vector<NameRec> stored = StoredClients(path);
        QCOMPARE(int(stored.size()), 5);
        QCOMPARE(stored[1].FirstName, QString("FromA"));
        QCOMPARE(stored[1].RecNo, 1);
    }

    void deleteSelectedWithAll() {
        TempFolder settings, data;
        const QString path = WriteClients(data, {"Ames", "Baker", "Cole", "Dunn"});
        WriteWindowSettings(settings, data.Folder());
        ScriptedPrompts prompts;
        ClientMainWindow window(prompts, QuietOptions({QStringLiteral("clients.pl5")}));
        window.StartUp();
        RecordTable& table = window.Workspace().Table();
        for (const char* name : {"Baker", "Cole", "Dunn"}) {
            table.SetCell(RowOfLastName(table, name), ClientCol::Mark, QStringLiteral("X"));
        }
        prompts.ExpectDialog(QStringLiteral("Delete Record Dialog"), DeleteRecordDialog::No)
            .ExpectDialog(QStringLiteral("Delete Record Dialog"), DeleteRecordDialog::All)
            .ExpectQuestion(QStringLiteral("Delete Warning!"), kDeleteText, QMessageBox::Yes);
        window.Records().DeleteSelected();
        QVERIFY(prompts.VerifyAllAnswered());
        const std::vector<NameRec> stored = StoredClients(path);
        QCOMPARE(stored[1].Status, 0);
        QCOMPARE(stored[2].Status, 0);
        QCOMPARE(stored[3].Status, -2);
        QCOMPARE(stored[4].Status, -2);
    }

    void networkWarningsGuardWholeFileCommands() {
        TempFolder settings, data;
        const QString path = WriteClients(data, {"Ames", "Baker"});
        WriteWindowSettings(settings, data.Folder());
        ScriptedPrompts prompts;
        ClientMainWindow window(prompts, QuietOptions({QStringLiteral("clients.pl5")}));
        window.StartUp();

        // A cancelled save under a new name keeps the open file.
        prompts.ExpectSaveFile(QStringLiteral("Save File Dialog"), data.Path("copy.pl5"))
            .ExpectQuestion(kNetwork, kSaveWarning, QMessageBox::Cancel);
        window.SaveAsCommand();
        QCOMPARE(window.Workspace().FileName(), QString("clients.pl5"));
        QVERIFY(!data.Exists("copy.pl5"));

        prompts.ExpectSaveFile(QStringLiteral("Save File Dialog"), data.Path("copy.pl5"))
            .ExpectQuestion(kNetwork, kSaveWarning, QMessageBox::Ok);
        window.SaveAsCommand();
        QCOMPARE(window.Workspace().FileName(), data.Path("copy.pl5"));
        QCOMPARE(int(StoredClients(data.Path("copy.pl5")).size()), 3);

        // Pack drops the deleted client and ends with the file closed.
        window.Workspace().Table().SetCell(RowOfLastName(window.Workspace().Table(), "Ames"),
                                           ClientCol::Status, QStringLiteral("-2"));
        prompts.ExpectQuestion(kNetwork, kPackWarning, QMessageBox::Ok).ExpectErrorWindow(11090);
        window.PackCommand();
        QVERIFY(prompts.VerifyAllAnswered());
        QVERIFY(!window.Workspace().IsOpen());
        QCOMPARE(window.windowTitle(), QString("Pellary5: "));
        const std::vector<NameRec> packed = StoredClients(data.Path("copy.pl5"));
        QCOMPARE(int(packed.size()), 2);
        QCOMPARE(packed[1].LastName, QString("Baker"));
        QCOMPARE(int(StoredClients(path).size()), 3);
    }

    void filterAndListView() {
        TempFolder settings, data;
        WriteClients(data, {"Smith", "GOLDSMITH", "Jones"});
        WriteWindowSettings(settings, data.Folder(), {}, true);
        ScriptedPrompts prompts;
        ClientMainWindow window(prompts, QuietOptions({QStringLiteral("clients.pl5")}));
        window.StartUp();
        QVERIFY(window.ListView());
        QCOMPARE(int(window.ListView()->Entries().size()), 3);
        prompts.ExpectDialog(QStringLiteral("Name & Address Filter Form"), [](QDialog& dialog) {
            auto* panel = dialog.findChild<ClientFieldsPanel*>();
            panel->Edit(ClientFieldsPanel::LastName)->setText(QStringLiteral("smi"));
            ClickButton(dialog, QStringLiteral("Apply"));
        });
        window.SetFilterCommand();
        QStringList names;
        for (const ListEntry& entry : window.ListView()->Entries()) {
            names.append(entry.text);
            QVERIFY(entry.Selected);
        }
        QCOMPARE(names, QStringList({"GOLDSMITH, First2", "Smith, First1"}));
        window.CancelFilterCommand();
        QCOMPARE(int(window.ListView()->Entries().size()), 3);

        // A plain click in the list marks that client only.
        emit window.ListView()->EntryClicked(2, Qt::NoModifier);
        const RecordTable& table = window.Workspace().Table();
        QCOMPARE(table.Cell(RowOfLastName(table, "Smith"), ClientCol::Mark), QString("X"));
        QCOMPARE(table.Cell(RowOfLastName(table, "Jones"), ClientCol::Mark), QString());
        QCOMPARE(window.CurrentRow(), RowOfLastName(table, "Smith"));
        QVERIFY(prompts.VerifyAllAnswered());
    }

    void fastFindOpensEachMatchUntilCancelled() {
        TempFolder settings, data;
        WriteClients(data, {"Smith", "Jones", "Smithers"});
        WriteWindowSettings(settings, data.Folder());
        ScriptedPrompts prompts;
        ClientMainWindow window(prompts, QuietOptions({QStringLiteral("clients.pl5")}));
        window.StartUp();
        QStringList seen;
        const auto look = [&](QDialog& dialog) {
            seen.append(static_cast<EntryForm&>(dialog).Entry().Text(ClientCol::LastName));
            ClickButton(dialog, QStringLiteral("Close"));
        };
        prompts.ExpectInput(QStringLiteral("Fast Find"), QStringLiteral("smith"))
            .ExpectDialog(kForm, look)
            .ExpectDialog(kForm, look)
            .ExpectInformation(QStringLiteral("End of Search"), QStringLiteral("Search Complete"));
        window.Records().FastFind();
        QCOMPARE(seen, QStringList({"Smith", "Smithers"}));

        prompts.ExpectInput(QStringLiteral("Fast Find"), QStringLiteral("smith"))
            .ExpectDialog(
                kForm, [](QDialog& dialog) { ClickButton(dialog, QStringLiteral("Cancel Find")); });
        window.Records().FastFind();
        QVERIFY(prompts.VerifyAllAnswered());
    }

    void exitWhoseMemoWriteFailsAsks_data() {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("closed");
        QTest::newRow("stay") << QList<int>{QMessageBox::Cancel} << false;
        QTest::newRow("exit anyway") << QList<int>{QMessageBox::Ignore} << true;
        QTest::newRow("retry, then exit")
            << QList<int>{QMessageBox::Retry, QMessageBox::Ignore} << true;
    }
    void exitWhoseMemoWriteFailsAsks() {
        QFETCH(QList<int>, answers);
        QFETCH(bool, closed);
        TempFolder settings, data;
        WriteClients(data, {"Ames"});
        WriteWindowSettings(settings, data.Folder());
        ScriptedPrompts prompts;
        ClientMainWindow window(prompts, QuietOptions({QStringLiteral("clients.pl5")}));
        window.show();
        QFile::remove(data.Path("clients.mem"));
        QVERIFY(QDir().mkpath(data.Path("clients.mem")));
        const QByteArray clients = data.ReadBytes("clients.pl5");
        const QString text =
            QStringLiteral(
                "The memo lines could not be written, so the memos changed since the file was "
                "saved "
                "would be lost:\nCannot create \"%1\": Filename refers to a directory\n\nRetry to "
                "try again, Ignore to exit anyway, Cancel to stay in Pellary5.")
                .arg(data.Path("clients.mem"));
        for (const int answer : answers) {
            prompts.ExpectQuestion(QStringLiteral("Exit"), text,
                                   static_cast<QMessageBox::StandardButton>(answer));
        }
        window.close();
        QVERIFY(prompts.VerifyAllAnswered());
        const AskedQuestion& asked = prompts.Asked().constLast();
        QCOMPARE(asked.buttons, QMessageBox::Retry | QMessageBox::Ignore | QMessageBox::Cancel);
        QCOMPARE(window.isVisible(), !closed);
        QCOMPARE(data.ReadBytes("clients.pl5"), clients);
        QVERIFY(QFileInfo(data.Path("clients.mem")).isDir());
    }

    void exitKeepsMemoAutoloadBackupAndSettings() {
        TempFolder settings, data;
        WriteClients(data, {"Ames"});
        WriteWindowSettings(settings, data.Folder(), {}, false, true);
        {
            ScriptedPrompts prompts;
            ClientMainWindow window(prompts, QuietOptions({QStringLiteral("clients.pl5")}));
            window.StartUp();
            window.ToggleAutoloadCommand();
            window.Workspace().SetMemoLine(1, QStringLiteral("kept line"));
            window.close();
            QVERIFY(prompts.VerifyAllAnswered());
        }
        QVERIFY(data.Exists("clients_bkp_0.txt"));
        QVERIFY(data.Exists("clients_bkp_0.mem"));
        QCOMPARE(ReadTextLines(data.Path("clients.mem")).value(1), QString("kept line"));
        SettingsStore store = ClientSettingsStore();
        QVERIFY(store.Load());
        QCOMPARE(store.ReadText("AutoFileName").value_or(QString()), QString("clients.pl5"));
        QCOMPARE(store.ReadInteger("BackupCounter").value_or(-1), 1);
    }
};

KIV5_WIDGET_TEST_MAIN(TestClientMainWindow)
#include "tst_ClientMainWindow.moc"
