// The main window's commands on files and the clipboard, and its answers to
// bad input: each failure shows a clear message and leaves the files as
// they were.

#include "clientdb/core/ClientFile.h"
#include "clientdb/core/ClientSettings.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/core/SendLaserLabels.h"
#include "clientdb/core/TPL5Rec.h"
#include "clientdb/ui/ClientMainWindow.h"
#include "clientdb/ui/EntryForm.h"
#include "common/core/Folders.h"
#include "common/core/RtfTemplateFolder.h"
#include "common/core/TextFile.h"
#include "tests/clientdb/ui/ClientWindowFixtures.h"
#include "tests/uisupport/ScriptedPrompts.h"
#include "tests/uisupport/WidgetLookup.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QMdiSubWindow>
#include <QMimeData>
#include <unistd.h>

using namespace kiv5;
using namespace kiv5::ui;
using namespace kiv5::test;

namespace {

const QString kTemplates = QStringLiteral(KIV5_TEMPLATE_SOURCE_DIR);
const QString kError = QStringLiteral("Error");

// Every file of a folder with its bytes, to show that a command wrote
// nothing.
QMap<QString, QByteArray> Snapshot(const TempFolder& folder) {
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder.Folder()).entryList(QDir::Files)) {
        files.insert(name, folder.ReadBytes(name));
    }
    return files;
}

// The client file "clients.pl5" of the last names, and settings naming its
// folder.
void WriteFolder(const TempFolder& settings, const TempFolder& data, const QStringList& lastNames) {
    WriteClients(data, lastNames);
    WriteWindowSettings(settings, data.Folder());
}

} // namespace

class TestClientWindowFiles : public QObject {
    Q_OBJECT

private slots:
    void twoWindowsAddingAtOnceKeepBothClients() {
        TempFolder settings, data;
        const QString path = WriteClients(data, {"Ames", "Baker"});
        WriteWindowSettings(settings, data.Folder());
        StartedWindow a, b;

        // While A's new client is in its form, B adds one of its own.
        b.prompts.ExpectDialog(kEntryFormTitle, [&](QDialog& dialog) {
            TypeSaveAndClose(dialog, ClientFieldsPanel::LastName, QStringLiteral("FromB"));
        });
        a.prompts.ExpectDialog(kEntryFormTitle, [&](QDialog& dialog) {
            b.window.Records().Add();
            TypeSaveAndClose(dialog, ClientFieldsPanel::LastName, QStringLiteral("FromA"));
        });
        a.window.Records().Add();
        QVERIFY(a.prompts.VerifyAllAnswered());
        QVERIFY(b.prompts.VerifyAllAnswered());

        const std::vector<NameRec> stored = StoredClients(path);
        QCOMPARE(int(stored.size()), 5);
        QCOMPARE(stored[3].LastName, QString("FromA"));
        QCOMPARE(stored[3].RecNo, 3);
        QCOMPARE(stored[4].LastName, QString("FromB"));
        QCOMPARE(stored[4].RecNo, 4);
        QVERIFY(stored[3].ClientNo != stored[4].ClientNo);
        // B read A's slot in (still blank then) before taking the next one;
        // its refresh shows A's client.
        QCOMPARE(b.window.Workspace().Table().DataRowCount(), 4);
        b.window.RefreshCommand();
        QVERIFY(RowOfLastName(b.window.Workspace().Table(), "FromA") > 0);
    }

    void copyAndPaste() {
        TempFolder settings, data;
        WriteFolder(settings, data, {"Ames", "Baker"});
        StartedWindow w;
        RecordTable& table = w.window.Workspace().Table();
        const int ames = RowOfLastName(table, "Ames");
        table.SetCell(ames, ClientCol::Address1, QStringLiteral("12 Elm St"));
        table.SetCell(ames, ClientCol::Note1, QStringLiteral("note é"));
        MakeCurrent(w.window, "Ames");
        w.window.Records().Copy();

        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied);
        QCOMPARE(copied->data(QString::fromLatin1(kClientMimeType)).size(), kTPL5RecSize);
        // No company and no second address line: three lines.
        QCOMPARE(copied->text(), QStringLiteral("Ames, First1\r\n12 Elm St\r\nAlbany, ") +
                                     table.Cell(ames, ClientCol::State) + QStringLiteral("  \r\n"));

        MakeCurrent(w.window, "Baker");
        const int baker = RowOfLastName(table, "Baker");
        const QString clientNo = table.Cell(baker, ClientCol::ClientNo);
        w.window.Records().Paste();
        QCOMPARE(table.Cell(baker, ClientCol::LastName), QString("Ames"));
        QCOMPARE(table.Cell(baker, ClientCol::Address1), QString("12 Elm St"));
        QCOMPARE(table.Cell(baker, ClientCol::Note1), QString("note é"));
        QCOMPARE(table.Cell(baker, ClientCol::ClientNo), clientNo);
        QVERIFY(w.prompts.VerifyAllAnswered());
    }

    void pasteOfWhatIsNotOurs_data() {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("warning");
        const QString broken = QStringLiteral(
            "The clipboard holds a client record of %1 bytes instead of 545. It was not made by "
            "this version of Pellary5 and is not pasted.");
        QTest::newRow("plain text") << QByteArray() << QString();
        QTest::newRow("our format, too short") << QByteArray(100, 'x') << broken.arg(100);
        QTest::newRow("our format, too long")
            << QByteArray(kTPL5RecSize + 1, '\xff') << broken.arg(546);
    }
    void pasteOfWhatIsNotOurs() {
        QFETCH(QByteArray, record);
        QFETCH(QString, warning);
        TempFolder settings, data;
        WriteFolder(settings, data, {"Ames"});
        StartedWindow w;
        auto* mime = new QMimeData;
        mime->setText(QStringLiteral("Someone, Else\r\n"));
        if (!record.isEmpty()) {
            mime->setData(QString::fromLatin1(kClientMimeType), record);
        }
        QApplication::clipboard()->setMimeData(mime);
        const QStringList before = w.window.Workspace().Table().Row(1);
        if (!warning.isEmpty()) {
            w.prompts.ExpectInformation(QStringLiteral("Paste"), warning);
        }
        MakeCurrent(w.window, "Ames");
        w.window.Records().Paste();
        QCOMPARE(w.window.Workspace().Table().Row(1), before);
        QVERIFY(w.prompts.VerifyAllAnswered());
    }

    void restoreAsksBeforeReplacingAnotherFile_data() {
        QTest::addColumn<bool>("replace");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void restoreAsksBeforeReplacingAnotherFile() {
        QFETCH(bool, replace);
        TempFolder settings, data;
        WriteFolder(settings, data, {"Ames", "Baker"});
        StartedWindow w;
        w.window.MakeBackupCommand();
        QVERIFY(data.Exists("clients_bkp_0.txt"));
        // The backed-up file changes after the backup, and another file is
        // opened.
        WriteClients(data, {"Cole"});
        const QByteArray changed = data.ReadBytes("clients.pl5");
        const QString other = WriteClients(data, {"Dunn"}, QStringLiteral("other.pl5"));
        w.prompts.ExpectOpenFile(QStringLiteral("Open File Dialog"), other);
        w.window.OpenFileCommand();
        QCOMPARE(w.window.Workspace().FileName(), other);

        w.prompts
            .ExpectOpenFile(QStringLiteral("Load Backup File Dialog"),
                            data.Path("clients_bkp_0.txt"))
            .ExpectQuestion(QStringLiteral("Restore Warning!"),
                            QStringLiteral("The client file clients.pl5 already exists and is not "
                                           "the open file. Replace it with the backup?"),
                            replace ? QMessageBox::Yes : QMessageBox::No);
        w.window.RestoreCommand();
        QVERIFY(w.prompts.VerifyAllAnswered());
        if (replace) {
            QCOMPARE(w.window.Workspace().FileName(), QString("clients.pl5"));
            const std::vector<NameRec> restored = StoredClients(data.Path("clients.pl5"));
            QCOMPARE(int(restored.size()), 3);
            QCOMPARE(restored[1].LastName, QString("Ames"));
            QCOMPARE(restored[2].LastName, QString("Baker"));
            QCOMPARE(w.window.windowTitle(), QString("Pellary5: clients.pl5"));
        } else {
            QCOMPARE(w.window.Workspace().FileName(), other);
            QCOMPARE(data.ReadBytes("clients.pl5"), changed);
        }
        QCOMPARE(StoredClients(other).at(1).LastName, QString("Dunn"));
    }

    // Files that do not read, or commands that cannot write: a message, and
    // every file of the data folder as it was.
    void badInputLeavesTheFiles_data() {
        QTest::addColumn<QString>("what");
        // The message; %1 is the data folder, %2 the template folder.
        QTest::addColumn<QString>("message");
        QTest::newRow("client file of broken length")
            << "broken length"
            << "The file \"%1broken.pl5\" is damaged: its length of 2980 bytes is not a whole "
               "number of 992-byte records.";
        QTest::newRow("client file that is a folder")
            << "folder"
            << "Cannot open \"%1folder.pl5\": file to open is a directory";
        QTest::newRow("backup line with too few fields")
            << "short backup line"
            << "The backup file \"%1short_bkp_1.txt\" is damaged at line 1: '' is not a valid "
               "integer value";
        QTest::newRow("backup without its memo file")
            << "backup without memo"
            << "Cannot open \"%1clients_bkp_0.mem\": No such file or directory";
        QTest::newRow("template missing")
            << "no template"
            << "Cannot open \"%2PAGE0.RTF\": No such file or directory";
        QTest::newRow("read-only data folder")
            << "read-only"
            << "Cannot create \"%1clients_bkp_0.txt\": Permission denied";
    }
    void badInputLeavesTheFiles() {
        QFETCH(QString, what);
        QFETCH(QString, message);
        if (what == "read-only" && ::geteuid() == 0) {
            QSKIP("root writes into read-only folders");
        }
        TempFolder settings, data, noTemplates;
        WriteFolder(settings, data, {"Ames", "Baker"});
        StartedWindow w;
        w.window.Context().folders.templateFolder =
            what == "no template" ? noTemplates.Folder() : kTemplates;
        QString chosen;
        if (what == "broken length") {
            data.WriteBytes("broken.pl5", data.ReadBytes("clients.pl5") + "tail");
            data.WriteBytes("broken.mem", "\r\n\r\n\r\n");
            chosen = data.Path("broken.pl5");
        } else if (what == "folder") {
            QVERIFY(QDir(data.Folder()).mkdir("folder.pl5"));
            chosen = data.Path("folder.pl5");
        } else if (what == "short backup line") {
            data.WriteBytes("short_bkp_1.txt", "\tX\tC9\tSmith\r\n");
            data.WriteBytes("short_bkp_1.mem", "\r\n\r\n");
            chosen = data.Path("short_bkp_1.txt");
        } else if (what == "backup without memo") {
            w.window.MakeBackupCommand();
            QVERIFY(QFile::remove(data.Path("clients_bkp_0.mem")));
            chosen = data.Path("clients_bkp_0.txt");
        }
        const QMap<QString, QByteArray> before = Snapshot(data);
        const QStringList rowBefore = w.window.Workspace().Table().Row(1);
        const QString text = QString(message)
                                 .replace(QStringLiteral("%1"), data.Folder())
                                 .replace(QStringLiteral("%2"), noTemplates.Folder());

        if (what == "broken length" || what == "folder") {
            w.prompts.ExpectOpenFile(QStringLiteral("Open File Dialog"), chosen)
                .ExpectInformation(kError, text);
            w.window.OpenFileCommand();
            QVERIFY(!w.window.Workspace().IsOpen());
            QCOMPARE(w.window.windowTitle(), QString("Pellary5: "));
        } else if (what == "short backup line" || what == "backup without memo") {
            w.prompts.ExpectOpenFile(QStringLiteral("Load Backup File Dialog"), chosen)
                .ExpectInformation(kError, text);
            w.window.RestoreCommand();
            QCOMPARE(w.window.Workspace().FileName(), QString("clients.pl5"));
            QCOMPARE(w.window.Workspace().Table().Row(1), rowBefore);
        } else if (what == "no template") {
            w.prompts.ExpectInformation(kError, text);
            w.window.PrintLabels5160Command();
        } else if (what == "read-only") {
            QFile::setPermissions(data.Folder(), QFile::ReadOwner | QFile::ExeOwner);
            w.prompts.ExpectInformation(kError, text);
            w.window.MakeBackupCommand();
            QFile::setPermissions(data.Folder(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        QVERIFY(w.prompts.VerifyAllAnswered());
        QCOMPARE(Snapshot(data), before);
    }

    // The mark column is as wide as its setting; widths the user changed
    // are kept when the table view is closed, the others are written as
    // they were read; without the view its commands are off until the next
    // file brings it back.
    void closingTheTableViewKeepsItsWidths() {
        TempFolder settings, data;
        WriteFolder(settings, data, {"Ames"});
        {
            // One store writes the whole file.
            SettingsStore store = ClientSettingsStore();
            store.WriteText(QStringLiteral("FilesDirectory"), data.Folder());
            store.WriteInteger(QStringLiteral("ColumnWidth3"), 77);
            store.Save();
        }
        {
            StartedWindow w;
            RecordTableView* view = w.window.TableView();
            QCOMPARE(view->columnWidth(ClientCol::Mark), 20);
            QCOMPARE(view->columnWidth(ClientCol::LastName), 77);
            view->setColumnWidth(ClientCol::FirstName, 131);
            QVERIFY(w.window.Actions().HideShowColumns->isEnabled());
            w.window.Views().TableWindow()->close();
            QTRY_VERIFY(!w.window.TableView());
            QTRY_VERIFY(!w.window.Actions().HideShowColumns->isEnabled());
            QVERIFY(!w.window.Actions().ToolHideColumns->isEnabled());
            QCOMPARE(w.window.Workspace().settings.ColumnWidth[ClientCol::FirstName], 131);

            w.prompts.ExpectOpenFile(QStringLiteral("Open File Dialog"), data.Path("clients.pl5"));
            w.window.OpenFileCommand();
            QVERIFY(w.window.TableView());
            QVERIFY(w.window.Actions().HideShowColumns->isEnabled());
            QCOMPARE(w.window.TableView()->columnWidth(ClientCol::FirstName), 131);
            QVERIFY(w.prompts.VerifyAllAnswered());
        }
        SettingsStore store = ClientSettingsStore();
        store.Load();
        QCOMPARE(store.ReadInteger(QStringLiteral("ColumnWidth1")), std::optional<qint32>(20));
        QCOMPARE(store.ReadInteger(QStringLiteral("ColumnWidth3")), std::optional<qint32>(77));
        QCOMPARE(store.ReadInteger(QStringLiteral("ColumnWidth4")), std::optional<qint32>(131));
    }

    void hiddenMemoColumnStaysHiddenAcrossRuns() {
        TempFolder settings, data;
        WriteFolder(settings, data, {"Ames"});
        const auto setMemoShown = [](bool shown) {
            return [shown](QDialog& dialog) {
                for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
                    if (box->text() == QStringLiteral("Memo")) {
                        box->setChecked(shown);
                    }
                }
                ClickButton(dialog, QStringLiteral("OK"));
            };
        };
        int memoWidth = 0;
        {
            StartedWindow w;
            w.window.TableView()->setColumnWidth(ClientCol::Memo, 123);
            memoWidth = w.window.TableView()->columnWidth(ClientCol::Memo);
            w.prompts.ExpectDialog(QStringLiteral("Hide or Show Columns"), setMemoShown(false));
            w.window.Views().HideShowColumns();
            QVERIFY(w.window.TableView()->isColumnHidden(ClientCol::Memo));
            w.window.close();
            QVERIFY(w.prompts.VerifyAllAnswered());
        }
        StartedWindow w;
        QVERIFY(w.window.TableView()->isColumnHidden(ClientCol::Memo));
        QVERIFY(!w.window.TableView()->isColumnHidden(ClientCol::LastName));
        w.prompts.ExpectDialog(QStringLiteral("Hide or Show Columns"), setMemoShown(true));
        w.window.Views().HideShowColumns();
        QVERIFY(!w.window.TableView()->isColumnHidden(ClientCol::Memo));
        QCOMPARE(w.window.TableView()->columnWidth(ClientCol::Memo), memoWidth);
        QVERIFY(w.prompts.VerifyAllAnswered());
    }

    void missingDataFolderGivesWayToTheUsualOne() {
        TempFolder settings, data;
        const QString gone = data.Folder() + QStringLiteral("share/");
        WriteWindowSettings(settings, gone);
        const QString usual = UsualClientFolder();
        QDir(usual).removeRecursively();
        {
            ScriptedPrompts prompts;
            prompts.ExpectQuestion(QStringLiteral("Default Directory"),
                                   MissingDataFolderText(gone, usual), QMessageBox::Ok);
            ClientMainWindow window(prompts, QuietOptions());
            window.StartUp();
            QVERIFY(prompts.VerifyAllAnswered());
            QCOMPARE(window.Workspace().settings.FilesDirectory, usual);
            QVERIFY(QFileInfo(usual).isDir());
            // New files go to the usual folder; the stored one is never made.
            prompts.ExpectSaveFile(QStringLiteral("Save File Dialog"), usual + "fresh.pl5");
            window.NewFileCommand();
            QVERIFY(prompts.VerifyAllAnswered());
            QVERIFY(QFileInfo::exists(usual + "fresh.pl5"));
            QVERIFY(!QFileInfo::exists(gone));
        }
        // The stored folder stays in the settings for the next start.
        SettingsStore store = ClientSettingsStore();
        QVERIFY(store.Load());
        QCOMPARE(store.ReadText("FilesDirectory").value_or(QString()), gone);
        QDir(usual).removeRecursively();
    }
};

KIV5_WIDGET_TEST_MAIN(TestClientWindowFiles)
#include "tst_ClientWindowFiles.moc"
