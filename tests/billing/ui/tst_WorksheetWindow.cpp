#include "billing/core/BillingSettings.h"
#include "billing/core/CalendarFile.h"
#include "billing/ui/ClientSelector.h"
#include "billing/ui/WorksheetPanel.h"
#include "billing/ui/WorksheetWindow.h"
#include "clientdb/core/NameRec.h"
#include "common/core/RecordFile.h"
#include "common/core/RecordSlot.h"
#include "common/ui/CompareDialog.h"
#include "common/ui/OrvDate.h"
#include "common/ui/RecordTableModel.h"
#include "common/ui/RecordTableView.h"
#include "common/ui/SelectDateDialog.h"
#include "tests/support/Support.h"
#include "tests/uisupport/ScriptedPrompts.h"
#include "tests/uisupport/WidgetLookup.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

using namespace kiv5;
using namespace kiv5::billing;
using namespace kiv5::billing::ui;

namespace {

constexpr double kMarch7 = 40609;
const QString kSaveTitle = "Save Changes Warning";
const QString kSaveText = "Do you want to save your changes to this record?";

StatementEntry Entry(DayCount date, const QString& text) {
    return {date, text, "1.5", "150"};
}

ISRec StoredLine(const QString& path, int slot) {
    return ReadRecordAtSlot<ISRec>(path, slot);
}

// A statement of three lines (3/1 First, 3/2 Second, 3/3 Third), settings
// naming the folder, a client file of two clients, and a worksheet on it.
struct Worksheet {
    explicit Worksheet(const QStringList& shorthand = {}) {
        settings.HourlyRate = 2'000'000;
        settings.ISDirectory = folder.Folder();
        settings.FilesDirectory = folder.Folder();
        settings.PL5Directory = folder.Folder();
        settings.PL5FileName = "kiv5.pl5";
        settings.ISColumnWidth = {20, 80, 300, 90, 90, -1, -1, -1, -1};
        {
            StatementWorkspace writer(settings, context);
            writer.Open(Path());
            writer.SaveToTable(1, Entry(kMarch7 - 6, "First"));
            writer.SaveToTable(writer.Add(), Entry(kMarch7 - 5, "Second"));
            writer.SaveToTable(writer.Add(), Entry(kMarch7 - 4, "Third"));
        }
        context.now = context.now.addSecs(60);
        ws.Open(Path());
        window = std::make_unique<WorksheetWindow>(ws, shorthand, prompts, context);
        window->resize(900, 500);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    QString Path() const { return folder.Path("s.is5"); }
    WorksheetPanel& Panel() { return window->Panel(); }
    QString Description() { return Panel().descriptionEdit->toPlainText(); }
    void Settle() { QCoreApplication::processEvents(); }

    test::TempFolder folder;
    test::TestContext context;
    BillingSettings settings;
    StatementWorkspace ws{settings, context};
    test::ScriptedPrompts prompts;
    std::unique_ptr<WorksheetWindow> window;
};

void WriteClients(const test::TempFolder& folder) {
    QByteArray bytes = EncodeRecord(NameRec{});
    for (const auto& [number, last] : {std::pair{"C-1", "Adams"}, std::pair{"c-2", "Brown"}}) {
        NameRec client;
        client.ClientNo = number;
        client.LastName = last;
        client.FirstName = "Ann";
        bytes += EncodeRecord(client);
    }
    folder.WriteBytes("kiv5.pl5", bytes);
}

} // namespace

class TestWorksheetWindow : public QObject {
    Q_OBJECT

private slots:
    void opensOnTheLastLine() {
        Worksheet sheet;
        QCOMPARE(sheet.window->windowTitle(), QString("Itemized Statement Worksheet - s.is5"));
        QCOMPARE(sheet.ws.CurrentRow, 3);
        QCOMPARE(sheet.window->View().CurrentTableRow(), 3);
        QCOMPARE(sheet.Description(), QString("Third"));
        QCOMPARE(sheet.Panel().timeEdit->text(), QString("1.50"));
        QCOMPARE(sheet.Panel().rateEdit->text(), QString("150.00"));
        QCOMPARE(sheet.Panel().dateEdit->date(), QDate(2011, 3, 3));
        const auto& model = sheet.window->View().Model();
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("Date ^"));
        QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QString("Description"));
        QCOMPARE(model.headerData(3, Qt::Horizontal).toString(), QString("Time Spent (hrs)"));
        QVERIFY(sheet.window->View().isColumnHidden(7));
        QCOMPARE(sheet.window->View().columnWidth(2), 300);
    }

    void menusAndKeys() {
        Worksheet sheet;
        QStringList menu;
        for (QAction* action : sheet.window->Menu().actions()) {
            menu << action->text() + "=" + action->shortcut().toString();
        }
        QCOMPARE(sheet.window->Menu().title(), QString("&Itemized Statement Wrksht"));
        QCOMPARE(menu, QStringList({"&First=Ctrl+Home", "P&rior=PgUp", "&Next=PgDown",
                                    "&Last=Ctrl+End", "&Delete=Ctrl+Del", "&Add=Ctrl+Alt+A",
                                    "&Send to Table=Ctrl+Alt+T", "Fas&t Find=Ctrl+Alt+F"}));
        QStringList popup;
        for (QAction* action : sheet.window->PopupMenu().actions()) {
            if (!action->isSeparator()) {
                popup << action->text() + "=" + action->shortcut().toString();
            }
        }
        QCOMPARE(popup.mid(5, 3),
                 QStringList({"&Add=Ctrl+A", "&Send to Table=Ctrl+T", "Fas&t Find=Ctrl+F"}));
        QCOMPARE(popup.mid(8, 1), QStringList({"Insert F&1=F1"}));
        QCOMPARE(popup.mid(17),
                 QStringList({"Insert F1&0=F10", "Insert F11=F11", "Insert F12=F12"}));
        QCOMPARE(sheet.Panel().insertButton->toolTip(),
                 QString("<Ctrl><Alt><A> - Insert a blank row in the table"));
        QCOMPARE(sheet.Panel().deleteButton->toolTip(),
                 QString("<CTRL><Del> - Delete the currently selected row in the table"));
        QCOMPARE(sheet.Panel().importButton->toolTip(), QString("Import calendar entries"));
    }

    void navigationAsksOnlyItsOwnQuestion_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("stored");
        QTest::newRow("yes stores the panel") << int(QMessageBox::Yes) << "Third, edited";
        QTest::newRow("no drops it") << int(QMessageBox::No) << "Third";
    }
    void navigationAsksOnlyItsOwnQuestion() {
        QFETCH(int, answer);
        QFETCH(QString, stored);
        Worksheet sheet;
        sheet.Panel().descriptionEdit->setFocus();
        sheet.Panel().descriptionEdit->moveCursor(QTextCursor::End);
        QTest::keyClicks(sheet.Panel().descriptionEdit, ", edited");
        QVERIFY(sheet.ws.ModifiedPanel);
        sheet.prompts.ExpectQuestion(kSaveTitle, kSaveText,
                                     static_cast<QMessageBox::StandardButton>(answer));
        QTest::mouseClick(sheet.Panel().priorButton, Qt::LeftButton);
        QVERIFY(sheet.prompts.VerifyAllAnswered());
        QCOMPARE(sheet.Description(), QString("Second"));
        QCOMPARE(StoredLine(sheet.Path(), 2).ServiceDescription, stored);
        QCOMPARE(StoredLine(sheet.Path(), 1).ServiceDescription, QString("Second"));
        // Without changes nothing is asked.
        QTest::mouseClick(sheet.Panel().firstButton, Qt::LeftButton);
        QCOMPARE(sheet.Description(), QString("First"));
        QTest::mouseClick(sheet.Panel().priorButton, Qt::LeftButton);
        QCOMPARE(sheet.ws.CurrentRow, 1);
        QTest::mouseClick(sheet.Panel().lastButton, Qt::LeftButton);
        QCOMPARE(sheet.Description(), stored);
        QVERIFY(sheet.prompts.VerifyAllAnswered());
    }

    void clickingARowAsksTooAndKeepsTheClickedLine() {
        Worksheet sheet;
        QTest::keyClicks(sheet.Panel().descriptionEdit, "Zeta ");
        sheet.Panel().dateEdit->setDate(QDate(2011, 3, 5));
        sheet.prompts.ExpectQuestion(kSaveTitle, kSaveText, QMessageBox::Yes);
        kiv5::ui::RecordTableView& view = sheet.window->View();
        const QRect cell = view.visualRect(view.model()->index(0, 2));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
        sheet.Settle();
        QVERIFY(sheet.prompts.VerifyAllAnswered());
        QCOMPARE(sheet.Description(), QString("First"));
        QCOMPARE(sheet.ws.Table().Cell(3, ISColumn::ServiceDescription), QString("Zeta Third"));
    }

    void keyFiltersAndReplacements() {
        Worksheet sheet;
        sheet.Panel().timeEdit->clear();
        QTest::keyClicks(sheet.Panel().timeEdit, "12a.5x-");
        QCOMPARE(sheet.Panel().timeEdit->text(), QString("12.5-"));
        sheet.Panel().descriptionEdit->setFocus();
        sheet.Panel().descriptionEdit->clear();
        QTest::keyClicks(sheet.Panel().descriptionEdit, "a/b{c}\\d");
        QCOMPARE(sheet.Panel().descriptionEdit->palette().color(QPalette::Base),
                 QColor(192, 192, 192));
        sheet.Panel().rateEdit->setFocus();
        QCOMPARE(sheet.Description(), QString("a-b(c)-d"));
        QCOMPARE(sheet.Panel().descriptionEdit->palette().color(QPalette::Base), QColor(Qt::white));
        QTest::keyClicks(sheet.Panel().descriptionEdit, QString(300, 'x'));
        QCOMPARE(sheet.Description().size(), 255);
    }

    void shorthandKeysReplaceTheDescription_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("description");
        QTest::newRow("F1") << int(Qt::Key_F1) << "Telephone conference";
        QTest::newRow("F5 empty clears") << int(Qt::Key_F5) << "";
        QTest::newRow("F12 cut to 64") << int(Qt::Key_F12) << QString(64, 'w');
    }
    void shorthandKeysReplaceTheDescription() {
        QFETCH(int, key);
        QFETCH(QString, description);
        QStringList texts(12);
        texts[0] = "Telephone conference";
        texts[11] = QString(70, 'w');
        Worksheet sheet(texts);
        sheet.Panel().descriptionEdit->setFocus();
        QVERIFY(!sheet.ws.ModifiedPanel);
        QTest::keyClick(sheet.Panel().descriptionEdit, static_cast<Qt::Key>(key));
        QCOMPARE(sheet.Description(), description);
        QVERIFY(sheet.ws.ModifiedPanel);
    }

    void saveToTableStoresTypedSlash() {
        Worksheet sheet;
        sheet.Panel().descriptionEdit->setFocus();
        sheet.Panel().descriptionEdit->clear();
        QTest::keyClicks(sheet.Panel().descriptionEdit, "Letter to A/B {draft}");
        QTest::keyClick(sheet.window.get(), Qt::Key_T, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(StoredLine(sheet.Path(), 2).ServiceDescription, QString("Letter to A-B (draft)"));
        QVERIFY(!sheet.ws.ModifiedPanel);
    }

    void conflictShowsTheComparison_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("keep mine") << kiv5::ui::CompareDialog::KeepRight << "Mine"
                                   << "Mine";
        QTest::newRow("keep theirs") << kiv5::ui::CompareDialog::KeepLeft << "Theirs"
                                     << "Theirs";
        QTest::newRow("cancel") << kiv5::ui::CompareDialog::Cancelled << "Theirs"
                                << "Theirs";
    }
    void conflictShowsTheComparison() {
        QFETCH(int, choice);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        Worksheet sheet;
        {
            StatementWorkspace theirs(sheet.settings, sheet.context);
            theirs.Open(sheet.Path());
            sheet.context.now = sheet.context.now.addSecs(60);
            theirs.SaveToTable(3, Entry(kMarch7 - 4, "Theirs"));
        }
        sheet.context.now = sheet.context.now.addSecs(60);
        sheet.Panel().descriptionEdit->setPlainText("Mine");
        sheet.prompts.ExpectErrorWindow(11100).ExpectDialog("Income Record Conflict",
                                                            [choice](QDialog&) { return choice; });
        sheet.window->SaveToTable();
        QVERIFY(sheet.prompts.VerifyAllAnswered());
        QCOMPARE(StoredLine(sheet.Path(), 2).ServiceDescription, stored);
        QCOMPARE(sheet.Description(), shown);
    }

    void deleteAsksAndRefusesTheLastLine() {
        Worksheet sheet;
        sheet.prompts.ExpectQuestion("Delete Warning!",
                                     "Are You Sure You Want To Delete This Item?", QMessageBox::No);
        sheet.window->DeleteLine();
        QCOMPARE(StoredLine(sheet.Path(), 2).Status, 0);
        for (int k = 0; k < 2; ++k) {
            sheet.prompts.ExpectQuestion(
                "Delete Warning!", "Are You Sure You Want To Delete This Item?", QMessageBox::Yes);
            QTest::keyClick(sheet.window.get(), Qt::Key_Delete, Qt::ControlModifier);
        }
        QCOMPARE(StoredLine(sheet.Path(), 2).Status, -2);
        QCOMPARE(StoredLine(sheet.Path(), 1).Status, -2);
        QCOMPARE(sheet.Description(), QString("First"));
        const QByteArray before = sheet.folder.ReadBytes("s.is5");
        sheet.prompts
            .ExpectQuestion("Delete Warning!", "Are You Sure You Want To Delete This Item?",
                            QMessageBox::Yes)
            .ExpectErrorWindow(11130);
        sheet.window->DeleteLine();
        QVERIFY(sheet.prompts.VerifyAllAnswered());
        QCOMPARE(sheet.folder.ReadBytes("s.is5"), before);
        QCOMPARE(sheet.Description(), QString("First"));
    }

    void addStoresABlankLineAtOnce() {
        Worksheet sheet;
        QTest::keyClick(sheet.window.get(), Qt::Key_A, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(sheet.ws.CurrentRow, 4);
        QCOMPARE(StoredLine(sheet.Path(), 3).RecNo, 3);
        QCOMPARE(sheet.Description(), QString());
        QCOMPARE(sheet.Panel().timeEdit->text(), QString());
        QCOMPARE(sheet.Panel().rateEdit->text(), QString("200"));
        QCOMPARE(sheet.Panel().dateEdit->date(), QDate(2011, 3, 3));
        QVERIFY(sheet.Panel().descriptionEdit->hasFocus());
    }

    void fastFindWalksTheMatches() {
        Worksheet sheet;
        sheet.prompts.ExpectInput("Find Dialog", QString("ir"))
            .ExpectQuestion("Search Results Dialog", "Continue Searching?", QMessageBox::Yes)
            .ExpectQuestion("Search Results Dialog", "Continue Searching?", QMessageBox::Yes)
            .ExpectInformation("Search Complete Dialog", "Done!");
        sheet.window->FastFind();
        QVERIFY(sheet.prompts.VerifyAllAnswered());
        QCOMPARE(sheet.prompts.Asked()[0].text, QString("Enter the text you're searching for."));
        QCOMPARE(sheet.Description(), QString("Third"));
        sheet.prompts.ExpectInput("Find Dialog", QString("Sec"))
            .ExpectQuestion("Search Results Dialog", "Continue Searching?", QMessageBox::No)
            .ExpectInformation("Search Complete Dialog", "Done!");
        sheet.window->FastFind();
        QCOMPARE(sheet.Description(), QString("Second"));
    }

    void importAsksDateAndClient() {
        Worksheet sheet;
        WriteClients(sheet.folder);
        DayRec day;
        day.SlotText[18] = "Meeting";
        day.SlotHours[18] = 2;
        day.SlotClientNo[18] = "C-1";
        WriteDay(CalendarFilePath(sheet.folder.Folder()), day, kMarch7 - 1);
        QString text;
        QStringList clients;
        sheet.prompts
            .ExpectDialog("Select Date Dialog",
                          [&](QDialog& dialog) {
                              auto* date = test::FindNamed<QDateEdit>(dialog, "dtpDate");
                              QCOMPARE(date->date(), QDate(2011, 2, 7));
                              text = static_cast<kiv5::ui::SelectDateDialog&>(dialog).Text();
                              test::ClickButton(dialog, "OK");
                          })
            .ExpectDialog("Client Selector", [&](QDialog& dialog) {
                auto& selector = static_cast<ClientSelector&>(dialog);
                for (int k = 0; k < selector.List().count(); ++k) {
                    clients << selector.List().itemText(k);
                }
                QCOMPARE(selector.List().currentIndex(), -1);
                selector.List().setCurrentIndex(0);
                test::ClickButton(dialog, "OK");
            });
        sheet.window->ImportCalendar();
        QVERIFY(sheet.prompts.VerifyAllAnswered());
        QCOMPARE(
            text,
            QString("Select or enter the date after which calendar entries will be imported."));
        QCOMPARE(clients, QStringList({"Adams, Ann - C-1", "Brown, Ann - c-2"}));
        QCOMPARE(StoredLine(sheet.Path(), 3).ServiceDescription, QString("Meeting"));
        QCOMPARE(sheet.ws.Table().DataRowCount(), 4);
    }

    void importWithoutCalendarReports13010() {
        Worksheet sheet;
        const QByteArray before = sheet.folder.ReadBytes("s.is5");
        sheet.prompts.ExpectDialog("Select Date Dialog",
                                   [](QDialog& dialog) { test::ClickButton(dialog, "Cancel"); });
        sheet.window->ImportCalendar();
        QVERIFY(sheet.prompts.VerifyAllAnswered());
        sheet.prompts
            .ExpectDialog("Select Date Dialog",
                          [](QDialog& dialog) { test::ClickButton(dialog, "OK"); })
            .ExpectDialog("Client Selector", QDialog::Accepted)
            .ExpectErrorWindow(13010);
        sheet.window->ImportCalendar();
        QVERIFY(sheet.prompts.VerifyAllAnswered());
        QCOMPARE(sheet.folder.ReadBytes("s.is5"), before);
    }

    void chooseStatementFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("chosen");
        QTest::newRow("existing") << "s.is5" << -1 << true;
        QTest::newRow("new, created") << "new.is5" << int(QMessageBox::Yes) << true;
        QTest::newRow("new, not created") << "new.is5" << int(QMessageBox::No) << false;
        QTest::newRow("no such folder") << "none/new.is5" << -2 << false;
    }
    void chooseStatementFile() {
        QFETCH(QString, name);
        QFETCH(int, answer);
        QFETCH(bool, chosen);
        test::TempFolder folder;
        folder.WriteBytes("s.is5", QByteArray(312, '\0'));
        test::ScriptedPrompts prompts;
        const QString title = "Open Itemized Statement File Dialog";
        prompts.ExpectOpenFile(title, folder.Path(name));
        if (answer == -2) {
            prompts.ExpectInformation(title, folder.Path(name) +
                                                 "\nPath does not exist.\nCheck the path and "
                                                 "try again.");
        } else if (answer != -1) {
            prompts.ExpectQuestion(title, "new.is5\nThis file does not exist.\nCreate the file?",
                                   static_cast<QMessageBox::StandardButton>(answer));
        }
        const std::optional<QString> path = ChooseStatementFile(prompts, folder.Folder());
        QVERIFY(prompts.VerifyAllAnswered());
        QCOMPARE(path.has_value(), chosen);
        const kiv5::ui::FileDialogRequest& request = prompts.Asked()[0].file;
        QCOMPARE(request.fileName, QString("*.IS5"));
        QCOMPARE(request.filter, QString("IS5 Itemized Statement Files|*.IS5"));
        QCOMPARE(request.defaultExtension, QString("is5"));
        QCOMPARE(request.folder, folder.Folder());
        QVERIFY(!folder.Exists("new.is5"));
    }

    void closeWritesBackupTextAndWidths() {
        Worksheet sheet;
        QSignalSpy closed(sheet.window.get(), &WorksheetWindow::Closed);
        sheet.window->View().setColumnWidth(2, 333);
        sheet.window->close();
        QCOMPARE(closed.count(), 1);
        QVERIFY(!sheet.ws.IsOpen());
        QCOMPARE(sheet.settings.ISColumnWidth[2], 333);
        QCOMPARE(sheet.folder.ReadBytes("s.txt").count('\n'), 3);
    }

    void restoreFromBackupText() {
        Worksheet sheet;
        QTest::keyClick(sheet.window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(sheet.folder.Exists("s.txt"));
        sheet.window->SaveToTable();
        sheet.prompts.ExpectQuestion(
            "Delete Warning!", "Are You Sure You Want To Delete This Item?", QMessageBox::Yes);
        sheet.window->DeleteLine();
        sheet.prompts.ExpectOpenFile("Open IS Backup Dialog", sheet.folder.Path("s.txt"));
        QTest::keyClick(sheet.window.get(), Qt::Key_Y, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(sheet.prompts.VerifyAllAnswered());
        const test::AskedQuestion& asked = sheet.prompts.Asked().last();
        QCOMPARE(asked.file.filter, QString("IS5 Backup Files|*.txt"));
        QCOMPARE(asked.file.fileName, QString("*.txt"));
        QCOMPARE(asked.file.folder, sheet.folder.Folder());
        QCOMPARE(StoredLine(sheet.Path(), 2).Status, 0);
        QCOMPARE(sheet.Description(), QString("Third"));
    }
};

KIV5_WIDGET_TEST_MAIN(TestWorksheetWindow)
#include "tst_WorksheetWindow.moc"
