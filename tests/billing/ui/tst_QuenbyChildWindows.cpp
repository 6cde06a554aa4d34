#include "billing/ui/CalendarWindow.h"
#include "billing/ui/QuenbyActions.h"
#include "billing/ui/QuenbyChildWindows.h"
#include "billing/ui/QuenbyMainWindow.h"
#include "billing/ui/WorksheetPanel.h"
#include "billing/ui/WorksheetWindow.h"
#include "tests/billing/ui/BillingWindowFixtures.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QMdiArea>
#include <QPlainTextEdit>

using namespace kiv5;
using namespace kiv5::test;

namespace {

const QString kOpenStatementTitle = QStringLiteral("Open Itemized Statement File Dialog");

// A started window with the worksheet and the calendar built in.
struct QuenbyWithChildren : StartedQuenbyWindow {
    QuenbyWithChildren() { billing::ui::InstallChildWindows(window); }
};

billing::ui::WorksheetWindow* Worksheet(billing::ui::QuenbyMainWindow& window) {
    return qobject_cast<billing::ui::WorksheetWindow*>(window.WorksheetChild());
}

} // namespace

class TestQuenbyChildWindows : public QObject {
    Q_OBJECT

private slots:
    // The worksheet opens on a new statement in the statement folder; while it
    // is open the bill commands rest and it cannot be opened twice; closing
    // it gives them back.
    void worksheetOpensAndClosesInTheFrame() {
        BillingWindowFiles files;
        QuenbyWithChildren started;
        auto& a = started.window.Actions();
        const QString path = files.folder.Bills() + "smith.is5";
        started.prompts.ExpectOpenFile(kOpenStatementTitle, path)
            .ExpectQuestion(kOpenStatementTitle,
                            "smith.is5\nThis file does not exist.\nCreate the file?",
                            QMessageBox::Yes);
        QVERIFY(a.ItemizedStatement->isEnabled());
        a.ItemizedStatement->trigger();
        started.prompts.VerifyAllAnswered();
        QVERIFY(Worksheet(started.window));
        QVERIFY(QFileInfo::exists(path));
        QVERIFY(!a.ItemizedStatement->isEnabled());
        QVERIFY(!a.Add->isEnabled());
        QCOMPARE(started.window.findChild<QMdiArea*>()->subWindowList().size(), 2);

        Worksheet(started.window)->close();
        QTRY_VERIFY(!started.window.IsWorksheetOpen());
        QTRY_VERIFY(a.ItemizedStatement->isEnabled());
        QVERIFY(a.Add->isEnabled());
    }

    // A cancelled file dialog or a refused creation opens nothing; a damaged
    // statement is named and opens nothing either.
    void worksheetRefusals() {
        BillingWindowFiles files;
        QuenbyWithChildren started;
        auto& a = started.window.Actions();
        started.prompts.ExpectOpenFile(kOpenStatementTitle, std::nullopt);
        a.ItemizedStatement->trigger();
        started.prompts.ExpectOpenFile(kOpenStatementTitle, files.folder.Bills() + "new.is5")
            .ExpectQuestion(kOpenStatementTitle,
                            "new.is5\nThis file does not exist.\nCreate the file?",
                            QMessageBox::No);
        a.ItemizedStatement->trigger();
        QVERIFY(!QFileInfo::exists(files.folder.Bills() + "new.is5"));

        const QString broken = files.folder.Bills() + "broken.is5";
        BillingFolder::Write(broken, QByteArray(100, 'x'));
        started.prompts.ExpectOpenFile(kOpenStatementTitle, broken);
        started.prompts.ExpectQuestion("Error",
                                       "The file \"" + broken +
                                           "\" is damaged: its length of 100 bytes is not a "
                                           "whole number of 312-byte records.",
                                       QMessageBox::Ok);
        a.ItemizedStatement->trigger();
        started.prompts.VerifyAllAnswered();
        QVERIFY(!started.window.IsWorksheetOpen());
        QCOMPARE(BillingFolder::Read(broken), QByteArray(100, 'x'));
        QVERIFY(a.ItemizedStatement->isEnabled());
    }

    // Shorthand texts set while the worksheet is open reach its F keys.
    void shorthandChangesReachTheWorksheet() {
        BillingWindowFiles files;
        QuenbyWithChildren started;
        started.prompts.ExpectOpenFile(kOpenStatementTitle, files.folder.Bills() + "a.is5")
            .ExpectQuestion(kOpenStatementTitle,
                            "a.is5\nThis file does not exist.\nCreate the file?", QMessageBox::Yes);
        started.window.Actions().ItemizedStatement->trigger();
        billing::ui::WorksheetWindow* sheet = Worksheet(started.window);
        QVERIFY(sheet);
        sheet->Panel().descriptionEdit->clear();
        sheet->InsertShorthand(1);
        QCOMPARE(sheet->Panel().descriptionEdit->toPlainText(),
                 QString("Telephone conference with client"));

        QStringList texts = started.window.Workspace().ShorthandTexts();
        texts[1] = "Letter to opposing counsel";
        started.window.Workspace().SetShorthandTexts(texts);
        emit started.window.ShorthandChanged(texts);
        sheet->Panel().descriptionEdit->clear();
        sheet->InsertShorthand(2);
        QCOMPARE(sheet->Panel().descriptionEdit->toPlainText(),
                 QString("Letter to opposing counsel"));
    }

    // The calendar opens on the calendar of the billing files folder; its
    // search button runs the calendar's Find, which finds no calendar file
    // there yet.
    void calendarOpensAndSearches() {
        BillingWindowFiles files;
        QuenbyWithChildren started;
        auto& a = started.window.Actions();
        QVERIFY(!a.spdSearchCalendar->isEnabled());
        a.Calendar->trigger();
        QVERIFY(started.window.IsCalendarOpen());
        QVERIFY(qobject_cast<billing::ui::CalendarWindow*>(started.window.CalendarChild()));
        QVERIFY(a.spdSearchCalendar->isEnabled());
        QVERIFY(!a.Calendar->isEnabled());

        started.prompts.ExpectInput("Fast Find", QString("deposition")).ExpectErrorWindow(13010);
        a.spdSearchCalendar->trigger();
        started.prompts.VerifyAllAnswered();
    }
};

KIV5_WIDGET_TEST_MAIN(TestQuenbyChildWindows)
#include "tst_QuenbyChildWindows.moc"
