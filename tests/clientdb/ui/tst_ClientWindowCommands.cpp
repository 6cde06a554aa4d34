// The main window's commands as the user meets them: every menu item and
// tool-bar button with its caption, shortcut, hint and enabled state, and
// the questions of the entry form's moves.

#include "clientdb/core/ClientTable.h"
#include "clientdb/ui/EntryForm.h"
#include "tests/clientdb/ui/ClientWindowFixtures.h"
#include "tests/uisupport/WidgetLookup.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <functional>

using namespace kiv5;
using namespace kiv5::ui;
using namespace kiv5::test;

namespace {

const QString kChange = QStringLiteral("Record Change Warning!");
const QString kChangeText = QStringLiteral("Do You Want To Save Your Changes To This Record?");

// The action reached through the menu bar by captions, e.g.
// {"&File", "&Print", "&Phone Book"}.
QAction* MenuAction(QMainWindow& window, const QStringList& path) {
    QList<QAction*> actions = window.menuBar()->actions();
    QAction* found = nullptr;
    for (const QString& caption : path) {
        found = nullptr;
        for (QAction* action : actions) {
            if (action->text() == caption) {
                found = action;
            }
        }
        if (!found) {
            return nullptr;
        }
        actions = found->menu() ? found->menu()->actions() : QList<QAction*>{};
    }
    return found;
}

QAction* ToolButton(QMainWindow& window, const QString& caption) {
    for (QToolBar* bar : window.findChildren<QToolBar*>()) {
        for (QAction* action : bar->actions()) {
            if (action->text() == caption) {
                return action;
            }
        }
    }
    return nullptr;
}

enum class Enabled { Always, WithFile, Never };

bool ExpectedEnabled(Enabled rule, bool fileOpen) {
    return rule == Enabled::Always || (rule == Enabled::WithFile && fileOpen);
}

// Runs the check on a window started without a file, then on one started
// with a file of one client.
void ForBothStates(const std::function<void(ClientMainWindow&, bool)>& check) {
    TempFolder settings, data;
    WriteClients(data, {"Ames"});
    WriteWindowSettings(settings, data.Folder());
    for (const bool fileOpen : {false, true}) {
        ScriptedPrompts prompts;
        ClientMainWindow window(
            prompts, QuietOptions(fileOpen ? QStringList{"clients.pl5"} : QStringList{}));
        window.StartUp();
        QCOMPARE(window.Workspace().IsOpen(), fileOpen);
        check(window, fileOpen);
    }
}

// The form with the named client, then a change of its last name.
void ChangeInForm(QDialog& dialog) {
    TypeInto(static_cast<EntryForm&>(dialog), ClientFieldsPanel::LastName,
             QStringLiteral("Changed"));
}

QString ShownLastName(ClientMainWindow& window) {
    const RecordTable& table = window.Workspace().Table();
    return table.Cell(window.Workspace().CurrentRowNo, ClientCol::LastName);
}

} // namespace

Q_DECLARE_METATYPE(Enabled)

class TestClientWindowCommands : public QObject {
    Q_OBJECT

private slots:
    void menuItems_data() {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<Enabled>("enabled");
        const auto row = [](const QStringList& path, const QKeySequence& shortcut = {},
                            Enabled enabled = Enabled::Always) {
            QTest::newRow(qPrintable(path.join(QLatin1Char('/')))) << path << shortcut << enabled;
        };
        row({"&File", "&New"});
        row({"&File", "&Open"});
        row({"&File", "Save &As"});
        row({"&File", "&Close"});
        row({"&File", "&Print", "&Phone Book"});
        row({"&File", "&Print", "&Full Printout"});
        row({"&File", "&Print", "&Laser Address Labels", "&30 per page (Avery 5160)"});
        row({"&File", "&Print", "&Laser Address Labels", "&10 per page (Avery 5163)"});
        row({"&File", "&Printer Setup"});
        row({"&File", "&Export TXT File"});
        row({"&File", "Make &Backup"});
        row({"&File", "&Restore From Backup"});
        row({"&File", "E&xit"});
        row({"&Actions", "&Add Name"}, QKeySequence("Ctrl+A"), Enabled::WithFile);
        row({"&Actions", "&Delete Selected Name(s)"}, QKeySequence("Ctrl+D"), Enabled::WithFile);
        row({"&Actions", "Display Current &Record"}, QKeySequence("Ctrl+R"));
        row({"&Actions", "&Fast Find"}, QKeySequence("Ctrl+F"));
        row({"&Actions", "F&irst"}, QKeySequence("Ctrl+Home"));
        row({"&Actions", "&Last"}, QKeySequence("Ctrl+End"));
        row({"&Actions", "S&et Filter"}, QKeySequence("Ctrl+M"));
        row({"&Actions", "&Cancel Filter"}, QKeySequence("Ctrl+E"));
        row({"&Actions", "&Select All"}, QKeySequence("Ctrl+S"));
        row({"&Actions", "Select &None"}, QKeySequence("Ctrl+N"));
        row({"&Actions", "&Copy"}, QKeySequence("Ctrl+C"));
        row({"&Actions", "&Paste"}, QKeySequence("Ctrl+V"));
        row({"&Actions", "&Refresh"}, QKeySequence("F9"));
        row({"&Options", "&Pack"}, {}, Enabled::WithFile);
        row({"&Options", "&Autoload This File"}, {}, Enabled::WithFile);
        row({"&Options", "Automatic &Backup"});
        // The table view exists from the start, with or without a file.
        row({"&Options", "&Hide/Show Columns"});
        row({"&Options", "&Fonts", "&List View"});
        row({"&Options", "&Fonts", "&Table View"});
        row({"&Options", "D&isplay List View"});
        row({"&Options", "&Set Word Processor"});
        row({"&Options", "Set &Default Directory"});
        row({"&Options", "Set Avery 5163 &Return Adrs"});
        row({"&Window", "&Tile"});
        row({"&Window", "&Cascade"});
        row({"&Help", "&Table of Contents"}, QKeySequence("F1"));
        row({"&Help", "&Manual"});
        row({"&Help", "&About"});
        row({"&Help", "&Download Upgrade"});
    }
    void menuItems() {
        QFETCH(QStringList, path);
        QFETCH(QKeySequence, shortcut);
        QFETCH(Enabled, enabled);
        ForBothStates([&](ClientMainWindow& window, bool fileOpen) {
            QAction* action = MenuAction(window, path);
            QVERIFY2(action, qPrintable(path.join(QLatin1Char('/'))));
            QCOMPARE(action->shortcut(), shortcut);
            QCOMPARE(action->isEnabled(), ExpectedEnabled(enabled, fileOpen));
        });
    }

    void toolBarButtons_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<Enabled>("enabled");
        const auto row = [](const QString& caption, const QString& hint, Enabled enabled) {
            QTest::newRow(qPrintable(caption)) << caption << hint << enabled;
        };
        row("Add", "Add a name <Ctrl><A>", Enabled::WithFile);
        row("Exit", "Exit", Enabled::Always);
        row("Find", "Fast Find <Ctrl><F>", Enabled::WithFile);
        row("Del", "Delete selected name(s) <Ctrl><D>", Enabled::WithFile);
        row("Hide Table Columns", "Hide or show columns in the Table view", Enabled::Always);
        row("Copy", "Copy current name into Windows clipboard", Enabled::WithFile);
        row("Filter", "Filter names", Enabled::WithFile);
        row("Cancel Filter", "Cancel filter", Enabled::WithFile);
        row("Paste", "Paste from clipboard to Pellary5", Enabled::WithFile);
    }
    void toolBarButtons() {
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(Enabled, enabled);
        ForBothStates([&](ClientMainWindow& window, bool fileOpen) {
            QAction* action = ToolButton(window, caption);
            QVERIFY(action);
            QCOMPARE(action->toolTip(), hint);
            QCOMPARE(action->isEnabled(), ExpectedEnabled(enabled, fileOpen));
        });
    }

    void memoListLabelAndCaption() {
        TempFolder settings, data;
        WriteClients(data, {"Ames", "Baker"});
        WriteWindowSettings(settings, data.Folder());
        ScriptedPrompts prompts;
        ClientMainWindow window(prompts, QuietOptions({"clients.pl5"}));
        window.StartUp();
        auto* label = window.findChild<QLabel*>(QStringLiteral("lblMemoList"));
        QVERIFY(label);
        QCOMPARE(label->text(), QString("MemoList:3; 3"));
        QVERIFY(label->styleSheet().contains(QStringLiteral("black")));
        QCOMPARE(window.windowTitle(), QString("Pellary5: clients.pl5"));
        window.CloseFileCommand();
        QCOMPARE(label->text(), QString("MemoList:0; 1"));
        QVERIFY(label->styleSheet().contains(QStringLiteral("red")));
        QCOMPARE(window.windowTitle(), QString("Pellary5: "));
    }

    // A move with unsaved changes asks first. Cancel stays; Yes saves and
    // moves; No moves without saving; No on a client whose number was
    // emptied shows 11080, which stops First, Last and Next while Prior
    // goes on.
    void movesAskAboutUnsavedChanges_data() {
        QTest::addColumn<QString>("move");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("emptyNumber");
        QTest::addColumn<QString>("shownAfter");
        QTest::addColumn<QString>("storedName");
        // The form starts on Baker (the second of Ames, Baker, Cole).
        QTest::newRow("next, cancel") << "Next" << int(QMessageBox::Cancel) << false << "Changed"
                                      << "Baker";
        QTest::newRow("next, yes") << "Next" << int(QMessageBox::Yes) << false << "Cole"
                                   << "Changed";
        QTest::newRow("next, no") << "Next" << int(QMessageBox::No) << false << "Cole"
                                  << "Baker";
        QTest::newRow("prior, no") << "Prior" << int(QMessageBox::No) << false << "Ames"
                                   << "Baker";
        QTest::newRow("first, no") << "First" << int(QMessageBox::No) << false << "Ames"
                                   << "Baker";
        QTest::newRow("last, no") << "Last" << int(QMessageBox::No) << false << "Cole"
                                  << "Baker";
        QTest::newRow("next, no, empty number")
            << "Next" << int(QMessageBox::No) << true << "Changed"
            << "Baker";
        QTest::newRow("first, no, empty number")
            << "First" << int(QMessageBox::No) << true << "Changed"
            << "Baker";
        QTest::newRow("last, no, empty number")
            << "Last" << int(QMessageBox::No) << true << "Changed"
            << "Baker";
        QTest::newRow("prior, no, empty number")
            << "Prior" << int(QMessageBox::No) << true << "Ames"
            << "Baker";
    }
    void movesAskAboutUnsavedChanges() {
        QFETCH(QString, move);
        QFETCH(int, answer);
        QFETCH(bool, emptyNumber);
        QFETCH(QString, shownAfter);
        QFETCH(QString, storedName);
        TempFolder settings, data;
        const QString path = WriteClients(data, {"Ames", "Baker", "Cole"});
        WriteWindowSettings(settings, data.Folder());
        ScriptedPrompts prompts;
        ClientMainWindow window(prompts, QuietOptions({"clients.pl5"}));
        window.StartUp();
        if (emptyNumber) {
            // A client whose number is empty in the table (a new one never
            // saved) cannot be left unsaved without a word.
            window.Workspace().Table().SetCell(RowOfLastName(window.Workspace().Table(), "Baker"),
                                               ClientCol::ClientNo, {});
        }
        MakeCurrent(window, "Baker");
        QString shown;
        prompts.ExpectDialog(kEntryFormTitle, [&](QDialog& dialog) {
            ChangeInForm(dialog);
            prompts.ExpectQuestion(kChange, kChangeText,
                                   static_cast<QMessageBox::StandardButton>(answer));
            if (emptyNumber) {
                prompts.ExpectErrorWindow(11080);
            }
            ClickButton(dialog, move == QStringLiteral("Next")    ? QStringLiteral(">")
                                : move == QStringLiteral("Prior") ? QStringLiteral("<")
                                                                  : move);
            shown = static_cast<EntryForm&>(dialog).Entry().Text(ClientCol::LastName);
            if (shown == QStringLiteral("Changed")) {
                // Still on the changed client: leave it without saving.
                window.Records().CloseFormNow();
            } else {
                ClickButton(dialog, QStringLiteral("Close"));
            }
        });
        window.Records().Display();
        QVERIFY(prompts.VerifyAllAnswered());
        QCOMPARE(shown, shownAfter);
        QCOMPARE(StoredClients(path)[2].LastName, storedName);
    }

    // Clearing the state and leaving the field sets it back to none, and the
    // saved record holds -1.
    void stateClearedToNone() {
        TempFolder settings, data;
        const QString path = WriteClients(data, {"Ames"});
        QCOMPARE(StoredClients(path)[1].State, 32);
        WriteWindowSettings(settings, data.Folder());
        ScriptedPrompts prompts;
        ClientMainWindow window(prompts, QuietOptions({"clients.pl5"}));
        window.StartUp();
        MakeCurrent(window, "Ames");
        prompts.ExpectDialog(kEntryFormTitle, [&](QDialog& dialog) {
            auto& form = static_cast<EntryForm&>(dialog);
            QLineEdit* state = form.Fields()->StateList()->lineEdit();
            state->setFocus();
            state->selectAll();
            QTest::keyClick(state, Qt::Key_Backspace);
            form.Fields()->Edit(ClientFieldsPanel::City)->setFocus();
            QCOMPARE(state->text(), QString());
            QCOMPARE(form.Entry().state, -1);
            ClickButton(dialog, QStringLiteral("Save"));
            QCOMPARE(state->text(), QString());
            ClickButton(dialog, QStringLiteral("Close"));
        });
        window.Records().Display();
        QVERIFY(prompts.VerifyAllAnswered());
        QCOMPARE(StoredClients(path)[1].State, -1);
    }

    // First on the first client after No stays there and asks nothing more
    // (the form's own First button is disabled there; the command comes
    // from the menu's shortcut).
    void firstOnTheFirstClientAfterNo() {
        TempFolder settings, data;
        const QString path = WriteClients(data, {"Ames", "Baker"});
        WriteWindowSettings(settings, data.Folder());
        ScriptedPrompts prompts;
        ClientMainWindow window(prompts, QuietOptions({"clients.pl5"}));
        window.StartUp();
        MakeCurrent(window, "Ames");
        prompts.ExpectDialog(kEntryFormTitle, [&](QDialog& dialog) {
            ChangeInForm(dialog);
            prompts.ExpectQuestion(kChange, kChangeText, QMessageBox::No);
            window.Records().First();
            // Nothing moves, the change stays on screen, and no further
            // question comes.
            QCOMPARE(ShownLastName(window), QString("Ames"));
            QCOMPARE(static_cast<EntryForm&>(dialog).Entry().Text(ClientCol::LastName),
                     QString("Changed"));
            QVERIFY(!window.Workspace().ModifiedRecord);
            window.Records().First();
            ClickButton(dialog, QStringLiteral("Close"));
        });
        window.Records().Display();
        QVERIFY(prompts.VerifyAllAnswered());
        QCOMPARE(StoredClients(path)[1].LastName, QString("Ames"));
    }
};

KIV5_WIDGET_TEST_MAIN(TestClientWindowCommands)
#include "tst_ClientWindowCommands.moc"
