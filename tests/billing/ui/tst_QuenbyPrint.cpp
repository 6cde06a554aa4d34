// The current bill, the complete itemized statement, the calendar pages and
// the PDF option as the billing window runs them.

#include "billing/core/BillPrintTexts.h"
#include "billing/core/CalendarFile.h"
#include "billing/core/DayRec.h"
#include "billing/core/StatementWorkspace.h"
#include "billing/ui/BillingCaptionDialog.h"
#include "billing/ui/CalendarWindow.h"
#include "common/core/PdfExport.h"
#include "tests/billing/ui/QuenbyPrintFixtures.h"
#include "tests/uisupport/WidgetLookup.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

using namespace kiv5;
using namespace kiv5::billing;
using namespace kiv5::test;

namespace {

QString FolderMessage(const QString& path) {
    return "Cannot create \"" + path + "\": Filename refers to a directory";
}

// PATH without LibreOffice while it lives.
class NoOfficeOnPath {
public:
    NoOfficeOnPath() : saved_(qgetenv("PATH")) {
        qputenv("PATH", QFile::encodeName(empty_.Folder()));
    }
    ~NoOfficeOnPath() { qputenv("PATH", saved_); }

private:
    QByteArray saved_;
    TempFolder empty_;
};

} // namespace

class TestQuenbyPrint : public QObject {
    Q_OBJECT

private slots:
    // Letterhead and PDF need no file; the bill prints need one, the menu
    // item also a closed worksheet; the statement and calendar buttons their
    // windows.
    void printItemsFollowTheWindows() {
        PrintFiles files;
        const auto enabled = [](billing::ui::QuenbyActions& a) {
            QStringList on;
            const QList<QPair<QString, QAction*>> items = {
                {"PrintCurrentBill", a.PrintCurrentBill},
                {"spdPrintBill", a.spdPrintBill},
                {"PeriodicBilling", a.PeriodicBilling},
                {"SetBillingCaption", a.SetBillingCaption},
                {"WritePdf", a.WritePdf},
                {"spdPrintStatement", a.spdPrintStatement},
                {"spdPrintDaily", a.spdPrintDaily},
                {"spdPrintWeekly", a.spdPrintWeekly},
                {"spdPrintMonthly", a.spdPrintMonthly}};
            for (const auto& [name, action] : items) {
                if (action->isEnabled()) {
                    on << name;
                }
            }
            return on;
        };
        PrintWindow none{QString()};
        QCOMPARE(enabled(none.window.Actions()), (QStringList{"SetBillingCaption", "WritePdf"}));

        PrintWindow print;
        billing::ui::QuenbyActions& a = print.window.Actions();
        const QStringList withFile = {"PrintCurrentBill", "spdPrintBill", "PeriodicBilling",
                                      "SetBillingCaption", "WritePdf"};
        QCOMPARE(enabled(a), withFile);
        print.prompts.ExpectOpenFile("Open Itemized Statement File Dialog", files.Statement());
        print.window.OpenWorksheetCommand();
        print.window.OpenCalendarCommand();
        QCOMPARE(enabled(a), (QStringList{"spdPrintBill", "PeriodicBilling", "SetBillingCaption",
                                          "WritePdf", "spdPrintStatement", "spdPrintDaily",
                                          "spdPrintWeekly", "spdPrintMonthly"}));
        QVERIFY(print.prompts.VerifyAllAnswered());
    }

    // The bill of the current row with its statement, opened in the word
    // processor from the billing files folder; the letterhead set a moment
    // before is on it.
    void currentBillIsWrittenAndOpened() {
        PrintFiles files;
        PrintWindow print;
        print.prompts.ExpectDialog("Billing Caption", [](QDialog& dialog) {
            auto& caption = static_cast<billing::ui::BillingCaptionDialog&>(dialog);
            caption.Edit(0)->setText("Tavrel Law Office");
            caption.Edit(4)->setText("(217) 555-0100");
            ClickButton(dialog, "OK");
        });
        print.window.Actions().SetBillingCaption->trigger();
        MakeCurrent(print.window, RowOfName(print.window, "Smith, Ann"));
        const QByteArray bills = BillingFolder::Read(files.folder.DataFile());

        QVERIFY(print.window.Actions().PrintCurrentBill->isEnabled());
        print.window.Actions().PrintCurrentBill->trigger();

        QVERIFY(print.prompts.VerifyAllAnswered());
        const QString text = files.DocumentText();
        QVERIFY(text.startsWith("{\\rtf"));
        for (const char* expected : {"Smith", "Tavrel Law Office", "(217) 555-0100",
                                     "March 7, 2011", "Drafting", "smith.is5"}) {
            QVERIFY2(text.contains(expected), expected);
        }
        QVERIFY(!text.contains("Billed before"));
        QVERIFY(!text.contains("Jones"));
        QCOMPARE(print.started.size(), 1);
        QCOMPARE(print.started[0].program, QStringLiteral("writer"));
        QCOMPARE(print.started[0].arguments, (QStringList{"--view", files.Document()}));
        QCOMPARE(QDir(print.started[0].folder), QDir(files.folder.Bills()));
        // Printing changes no bill; no PDF unless asked for.
        QCOMPARE(BillingFolder::Read(files.folder.DataFile()), bills);
        QVERIFY(!QFileInfo::exists(PdfPathFor(files.Document())));
    }

    void toolButtonAndMenuItemPrintTheSameBill() {
        PrintFiles files;
        PrintWindow print;
        MakeCurrent(print.window, RowOfName(print.window, "Jones, Bob"));
        print.window.Actions().PrintCurrentBill->trigger();
        const QByteArray first = BillingFolder::Read(files.Document());
        QFile::remove(files.Document());
        print.window.Actions().spdPrintBill->trigger();
        QVERIFY(!first.isEmpty());
        QCOMPARE(BillingFolder::Read(files.Document()), first);
        QCOMPARE(print.started.size(), 2);
    }

    // The form's print button prints the stored bill: a changed bill is
    // saved first (Yes) or its changes given up (No), and the form shows what
    // was printed; Cancel prints nothing and keeps the changes.
    void entryFormPrintsTheShownBill_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("printedName");
        QTest::newRow("save first") << int(QMessageBox::Yes) << "Smith, Anne";
        QTest::newRow("as stored") << int(QMessageBox::No) << "Smith, Ann";
        QTest::newRow("cancelled") << int(QMessageBox::Cancel) << QString();
    }
    void entryFormPrintsTheShownBill() {
        QFETCH(int, answer);
        QFETCH(QString, printedName);
        PrintFiles files;
        PrintWindow print;
        MakeCurrent(print.window, RowOfName(print.window, "Smith, Ann"));
        print.prompts.ExpectDialog("Billing Entry Form", [&](QDialog& dialog) {
            billing::ui::BillEntryForm& form = AsForm(dialog);
            QVERIFY(form.printButton->isEnabled());
            form.fullNameEdit->setText("Smith, Anne");
            emit form.fullNameEdit->textEdited("Smith, Anne");
            print.prompts.ExpectQuestion("Record Change Warning!",
                                         "Do You Want To Save Your Changes To This Record?",
                                         QMessageBox::StandardButton(answer));
            form.printButton->click();
            QCOMPARE(form.fullNameEdit->text(),
                     printedName.isEmpty() ? QStringLiteral("Smith, Anne") : printedName);
            if (answer == QMessageBox::Cancel) {
                // Still changed: closing asks again.
                print.prompts.ExpectQuestion("Record Change Warning!",
                                             "Do You Want To Save Your Changes To This Record?",
                                             QMessageBox::No);
            }
            form.close();
        });
        print.window.Actions().Display->trigger();
        QVERIFY(print.prompts.VerifyAllAnswered());
        if (printedName.isEmpty()) {
            QVERIFY(!QFileInfo::exists(files.Document()));
            QVERIFY(print.started.isEmpty());
        } else {
            QVERIFY(files.DocumentText().contains(printedName));
            QCOMPARE(print.started.size(), 1);
        }
    }

    // A billing file without bills has only the heading row: nothing is
    // printed, nothing opened.
    void currentBillWithoutDataRowDoesNothing() {
        PrintFiles files;
        files.folder.WriteBills({});
        PrintWindow print;
        const auto before = files.folder.Snapshot();
        print.window.Actions().PrintCurrentBill->trigger();
        print.window.PrintCurrentBillCommand();
        QVERIFY(print.prompts.VerifyAllAnswered());
        QCOMPARE(files.folder.Snapshot(), before);
        QVERIFY(print.started.isEmpty());
    }

    // A statement named on the bill that is not there: its box once, though
    // both passes of the bill meet it, and the bill still printed.
    void missingStatementIsSaidAndBillPrinted() {
        PrintFiles files;
        QFile::remove(files.Statement());
        PrintWindow print;
        MakeCurrent(print.window, RowOfName(print.window, "Smith, Ann"));
        print.prompts.ExpectQuestion("Bad Itemized Statement Path",
                                     "Could not find file: " + files.Statement(), QMessageBox::Ok);
        print.window.PrintCurrentBillCommand();
        QVERIFY(print.prompts.VerifyAllAnswered());
        QVERIFY(files.DocumentText().contains("Smith"));
        QCOMPARE(print.started.size(), 1);
    }

    // A folder where the document goes: the message, nothing opened, the
    // billing files as they were.
    void documentThatCannotBeWritten() {
        PrintFiles files;
        PrintWindow print;
        QVERIFY(QDir().mkpath(files.Document()));
        const auto before = files.folder.Snapshot();
        MakeCurrent(print.window, 1);
        print.prompts.ExpectQuestion("Error", FolderMessage(files.Document()), QMessageBox::Ok);
        print.window.PrintCurrentBillCommand();
        QVERIFY(print.prompts.VerifyAllAnswered());
        QVERIFY(print.started.isEmpty());
        QCOMPARE(files.folder.Snapshot(), before);
    }

    // Off by default; the menu item turns it on, shows the check and keeps
    // it with the settings.
    void pdfOptionIsKeptInSettings() {
        PrintFiles files;
        {
            PrintWindow print;
            QAction* item = print.window.Actions().WritePdf;
            QCOMPARE(item->text(), QStringLiteral("Also &Write PDF Files"));
            QVERIFY(item->isEnabled());
            QVERIFY(!item->isChecked());
            QVERIFY(!print.window.Workspace().settings.WritePdfFlag);
            item->trigger();
            QVERIFY(item->isChecked());
            QVERIFY(print.window.Workspace().settings.WritePdfFlag);
        }
        PrintWindow again;
        QVERIFY(again.window.Actions().WritePdf->isChecked());
    }

    // Without LibreOffice the RTF is still written and opened, and the
    // window says why there is no PDF.
    void pdfWithoutLibreOfficeIsSaid() {
        PrintFiles files;
        PrintWindow print;
        print.window.Actions().WritePdf->trigger();
        MakeCurrent(print.window, RowOfName(print.window, "Smith, Ann"));
        const QString pdf = files.folder.Bills() + "kiv5 - Selected Forms.pdf";
        print.prompts.ExpectQuestion(
            "PDF Not Written",
            "The PDF " + pdf +
                " was not written: LibreOffice is not installed (no \"soffice\" program was "
                "found).",
            QMessageBox::Ok);
        {
            NoOfficeOnPath noOffice;
            print.window.PrintCurrentBillCommand();
        }
        QVERIFY(print.prompts.VerifyAllAnswered());
        QVERIFY(files.DocumentText().contains("Smith"));
        QVERIFY(!QFileInfo::exists(pdf));
        QCOMPARE(print.started.size(), 1);
    }

    void pdfBesideTheBill() {
        if (!PdfExportAvailable()) {
            QSKIP("LibreOffice is not installed");
        }
        PrintFiles files;
        PrintWindow print;
        print.window.Actions().WritePdf->trigger();
        MakeCurrent(print.window, RowOfName(print.window, "Smith, Ann"));
        print.window.PrintCurrentBillCommand();
        QVERIFY(print.prompts.VerifyAllAnswered());
        QVERIFY(BillingFolder::Read(PdfPathFor(files.Document())).startsWith("%PDF"));
        QCOMPARE(print.started.size(), 1);
    }

    // The statement open in the worksheet, every dated line, no client name.
    // Its dates in the order of the worksheet's date column flag.
    void completeStatementOfTheWorksheet_data() {
        QTest::addColumn<bool>("ascending");
        QTest::newRow("oldest first") << true;
        QTest::newRow("newest first") << false;
    }
    void completeStatementOfTheWorksheet() {
        QFETCH(bool, ascending);
        PrintFiles files;
        PrintWindow print;
        QVERIFY(!print.window.Actions().spdPrintStatement->isEnabled());
        print.prompts.ExpectOpenFile("Open Itemized Statement File Dialog", files.Statement());
        print.window.OpenWorksheetCommand();
        auto* sheet = print.window.WorksheetChild()->findChild<StatementWorkspace*>();
        QVERIFY(sheet);
        if (!ascending) {
            sheet->Sort().FlipFlag(ISColumn::ServiceDate);
        }
        QVERIFY(print.window.Actions().spdPrintStatement->isEnabled());
        print.window.Actions().spdPrintStatement->trigger();
        QVERIFY(print.prompts.VerifyAllAnswered());
        const QString text = files.DocumentText();
        QVERIFY(text.contains("Billed before"));
        QVERIFY(text.contains("Drafting"));
        QCOMPARE(text.indexOf("Billed before") < text.indexOf("Drafting"), ascending);
        QVERIFY(!text.contains("Smith"));
        QCOMPARE(print.started.size(), 1);
    }

    void calendarPages_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("heading");
        QTest::newRow("day") << "spdPrintDaily"
                             << "Monday - March 7, 2011";
        QTest::newRow("week") << "spdPrintWeekly"
                              << "Week Beginning March 6, 2011";
        QTest::newRow("month") << "spdPrintMonthly"
                               << "March 2011";
    }
    // The calendar's current date (today, 7 March 2011), with the day a
    // note was typed into before the print.
    void calendarPages() {
        QFETCH(QString, button);
        QFETCH(QString, heading);
        PrintFiles files;
        PrintWindow print;
        DayRec day;
        day.SlotText[18] = "Hearing at court";
        WriteDay(CalendarFilePath(files.folder.Bills()), day, Day(2011, 3, 7));
        print.window.OpenCalendarCommand();
        auto* calendar = qobject_cast<billing::ui::CalendarWindow*>(print.window.CalendarChild());
        QVERIFY(calendar);
        calendar->Notes().setPlainText("Call Ann\nFile brief");
        auto* action = print.window.findChild<QAction*>(button);
        QVERIFY(action);
        QVERIFY(action->isEnabled());
        action->trigger();
        QVERIFY(print.prompts.VerifyAllAnswered());
        const QString text = files.DocumentText();
        QVERIFY2(text.contains(heading), qPrintable(heading));
        QVERIFY(text.contains("Hearing at court"));
        if (button != "spdPrintMonthly") {
            QVERIFY(text.contains("Call Ann"));
        }
        QCOMPARE(print.started.size(), 1);
    }

    // No calendar file yet: said once, and the empty page still printed.
    void calendarPageWithoutCalendarFile() {
        PrintFiles files;
        PrintWindow print;
        print.window.OpenCalendarCommand();
        const QString path = CalendarFilePath(files.folder.Bills());
        print.prompts.ExpectQuestion("Calendar", "Could not find file: " + path, QMessageBox::Ok);
        print.window.PrintCalendarCommand(CalendarPageKind::Week, kPrintDay);
        QVERIFY(print.prompts.VerifyAllAnswered());
        QVERIFY(QFileInfo(files.Document()).isFile());
        QCOMPARE(print.started.size(), 1);
    }

    // With no billing file open the document has no base name.
    void calendarPageWithoutBillingFile() {
        PrintFiles files;
        PrintWindow print{QString()};
        WriteDay(CalendarFilePath(files.folder.Bills()), DayRec{}, Day(2011, 3, 7));
        print.window.PrintCalendarCommand(CalendarPageKind::Month, kPrintDay);
        QVERIFY(print.prompts.VerifyAllAnswered());
        QVERIFY(QFileInfo(files.folder.Bills() + " - Selected Forms.RTF").isFile());
    }
};

KIV5_WIDGET_TEST_MAIN(TestQuenbyPrint)
#include "tst_QuenbyPrint.moc"
