#include "billing/core/BillingSettings.h"
#include "billing/core/CalendarFile.h"
#include "billing/ui/CalendarWindow.h"
#include "billing/ui/ClientSelector.h"
#include "clientdb/core/NameRec.h"
#include "tests/support/Support.h"
#include "tests/uisupport/ScriptedPrompts.h"
#include "tests/uisupport/WidgetLookup.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextCharFormat>
#include <QToolButton>

using namespace kiv5;
using namespace kiv5::billing;
using namespace kiv5::billing::ui;

namespace {

constexpr double kMarch7 = 40609; // Monday

void StoreOn(const QString& path, DayCount date, int slot, const QString& text,
             const QString& client = {}) {
    DayRec day = ReadDay(path, date, Clock());
    day.SlotText[static_cast<std::size_t>(slot)] = text;
    day.SlotClientNo[static_cast<std::size_t>(slot)] = client;
    WriteDay(path, day, date);
}

struct Calendar {
    Calendar() {
        settings.FilesDirectory = folder.Folder();
        settings.PL5Directory = folder.Folder();
        settings.PL5FileName = "kiv5.pl5";
        StoreOn(Path(), kMarch7 - 1, 20, "Sunday brunch");
        StoreOn(Path(), kMarch7 + 3, 18, "Hearing", "C-1");
        ws = std::make_unique<CalendarWorkspace>(Path(), context);
        window = std::make_unique<CalendarWindow>(*ws, settings, prompts, context);
        window->resize(1100, 700);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    QString Path() const { return CalendarFilePath(folder.Folder()); }
    QString Stored(DayCount date, int slot) const {
        return ReadDay(Path(), date, Clock()).SlotText[static_cast<std::size_t>(slot)];
    }
    void Type(int slot, const QString& text, int column = CalendarWindow::TextColumn) {
        window->DayTable().item(slot, column)->setText(text);
    }
    QString Header(QTableWidget& table, int column) {
        return table.horizontalHeaderItem(column)->text();
    }

    test::TempFolder folder;
    test::TestContext context;
    BillingSettings settings;
    test::ScriptedPrompts prompts;
    std::unique_ptr<CalendarWorkspace> ws;
    std::unique_ptr<CalendarWindow> window;
};

void WriteClients(const test::TempFolder& folder) {
    QByteArray bytes = EncodeRecord(NameRec{});
    for (const auto& [number, last] : {std::pair{"C-1", "Adams"}, std::pair{"C-12", "Brown"}}) {
        NameRec client;
        client.ClientNo = number;
        client.LastName = last;
        client.FirstName = "Ann";
        bytes += EncodeRecord(client);
    }
    folder.WriteBytes("kiv5.pl5", bytes);
}

} // namespace

class TestCalendarWindow : public QObject {
    Q_OBJECT

private slots:
    void opensOnTodaysDayView() {
        Calendar calendar;
        CalendarWindow& window = *calendar.window;
        QCOMPARE(window.windowTitle(), QString("Calendar"));
        QCOMPARE(window.DatePanel().text(), QString("March 7, 2011"));
        QCOMPARE(window.Tabs().currentIndex(), int(CalendarWindow::DayTab));
        QCOMPARE(window.Tabs().tabText(1), QString("Week View"));
        QCOMPARE(window.Tabs().tabText(2), QString("Month View"));
        QTableWidget& day = window.DayTable();
        QCOMPARE(calendar.Header(day, 0), QString("Time"));
        QCOMPARE(calendar.Header(day, 1), QString("Description"));
        QCOMPARE(calendar.Header(day, 2), QString("Client No"));
        QCOMPARE(calendar.Header(day, 3), QString("Length (Hrs)"));
        QCOMPARE(day.item(0, 0)->text(), QString("MidN"));
        QCOMPARE(day.item(24, 0)->text(), QString("Noon"));
        QCOMPARE(day.item(47, 0)->text(), QString("11:30"));
        QCOMPARE(day.rowAt(0), 16);
        QCOMPARE(day.item(15, 0)->background().color(), QColor(192, 192, 192));
        QCOMPARE(day.item(15, 1)->background().color(), QColor(215, 228, 242));
        QCOMPARE(day.item(36, 2)->background().color(), QColor(215, 228, 242));
        QVERIFY(day.item(16, 1)->background().color() != QColor(215, 228, 242));
        QCOMPARE(day.columnWidth(1), 6 * day.horizontalHeader()->defaultSectionSize());
        QTableWidget& week = window.WeekTable();
        QCOMPARE(calendar.Header(week, 1), QString("Sun - 3/6/2011"));
        QCOMPARE(calendar.Header(week, 7), QString("Sat - 3/12/2011"));
        QCOMPARE(week.item(20, 1)->text(), QString("Sunday brunch"));
        QCOMPARE(week.item(18, 5)->text(), QString("Hearing"));
        QTableWidget& month = window.MonthTable();
        QCOMPARE(calendar.Header(month, 0), QString("MAR"));
        QCOMPARE(calendar.Header(month, 1), QString("Sunday"));
        QCOMPARE(calendar.Header(month, 7), QString("Saturday"));
        QCOMPARE(month.item(0, 3)->text(), QString("1  "));
        QCOMPARE(month.item(1, 5)->text(), QString("10  Hearing; "));
        QVERIFY(!month.item(0, 1));
        const QCalendarWidget& picker = window.MonthCalendar();
        QCOMPARE(picker.selectedDate(), QDate(2011, 3, 7));
        QCOMPARE(picker.dateTextFormat(QDate(2011, 3, 10)).fontWeight(), int(QFont::Bold));
        QCOMPARE(picker.dateTextFormat(QDate(2011, 3, 6)).fontWeight(), int(QFont::Bold));
        QVERIFY(picker.dateTextFormat(QDate(2011, 3, 7)).fontWeight() != int(QFont::Bold));
        QCOMPARE(window.MoveButton(CalendarMove::Today)->toolTip(), QString("Go to today"));
        QCOMPARE(window.MoveButton(CalendarMove::ForwardMonth)->toolTip(),
                 QString("Forward one month"));
        QCOMPARE(window.Menu().title(), QString("&Calendar"));
        QCOMPARE(window.Menu().actions().first()->text(), QString("&Find"));
        QCOMPARE(window.Menu().actions().first()->shortcut().toString(), QString("Ctrl+Alt+F"));
    }

    // Whatever shows another day first stores the typed one.
    void typedAppointmentSurvives_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QDate>("after");
        QTest::newRow("forward one day") << "forward" << QDate(2011, 3, 8);
        QTest::newRow("back one week") << "back week" << QDate(2011, 2, 28);
        QTest::newRow("today") << "today" << QDate(2011, 3, 7);
        QTest::newRow("week tab") << "tab" << QDate(2011, 3, 7);
        QTest::newRow("month calendar click") << "click" << QDate(2011, 3, 20);
        QTest::newRow("month cell") << "month cell" << QDate(2011, 3, 10);
        QTest::newRow("find") << "find" << QDate(2011, 3, 6);
        QTest::newRow("enter") << "enter" << QDate(2011, 3, 7);
        QTest::newRow("close") << "close" << QDate(2011, 3, 7);
    }
    void typedAppointmentSurvives() {
        QFETCH(QString, action);
        QFETCH(QDate, after);
        Calendar calendar;
        CalendarWindow& window = *calendar.window;
        calendar.Type(30, "Typed appointment");
        calendar.Type(30, "2", CalendarWindow::LengthColumn);
        window.Notes().setPlainText("Bring files");
        QVERIFY(calendar.ws->DayModified);
        if (action == "forward") {
            QTest::mouseClick(window.MoveButton(CalendarMove::ForwardDay), Qt::LeftButton);
        } else if (action == "back week") {
            QTest::mouseClick(window.MoveButton(CalendarMove::BackWeek), Qt::LeftButton);
        } else if (action == "today") {
            QTest::mouseClick(window.MoveButton(CalendarMove::Today), Qt::LeftButton);
        } else if (action == "tab") {
            window.Tabs().setCurrentIndex(CalendarWindow::WeekTab);
            QCOMPARE(window.WeekTable().item(30, 2)->text(), QString("Typed appointment"));
        } else if (action == "click") {
            window.ClickDate(QDate(2011, 3, 20));
        } else if (action == "month cell") {
            window.Tabs().setCurrentIndex(CalendarWindow::MonthTab);
            window.OpenMonthCell(1, 5);
            QCOMPARE(window.Tabs().currentIndex(), int(CalendarWindow::DayTab));
            QCOMPARE(window.DayTable().item(18, 1)->text(), QString("Hearing"));
        } else if (action == "find") {
            calendar.prompts.ExpectInput("Fast Find", QString("brunch"));
            window.Find();
            QCOMPARE(window.DayTable().currentRow(), 20);
        } else if (action == "enter") {
            window.DayTable().setFocus();
            window.DayTable().setCurrentCell(30, 1);
            QTest::keyClick(&window.DayTable(), Qt::Key_Return);
        } else if (action == "close") {
            QSignalSpy closed(&window, &CalendarWindow::Closed);
            window.close();
            QCOMPARE(closed.count(), 1);
        }
        QVERIFY(calendar.prompts.VerifyAllAnswered());
        QCOMPARE(calendar.ws->CurrentQDate(), after);
        const DayRec stored = ReadDay(calendar.Path(), kMarch7, Clock());
        QCOMPARE(stored.SlotText[30], QString("Typed appointment"));
        QCOMPARE(stored.SlotHours[30], 2.0);
        QCOMPARE(stored.DayNotes, QString("Bring files"));
        QVERIFY(!calendar.ws->DayModified);
        if (after == QDate(2011, 3, 7)) {
            QCOMPARE(window.DayTable().item(30, 1)->text(), QString("Typed appointment"));
        }
    }

    void clientColumnOpensTheSelector_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("preselected");
        QTest::newRow("number of a client") << "c-12" << 1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("no such client") << "C-" << -1;
    }
    void clientColumnOpensTheSelector() {
        QFETCH(QString, stored);
        QFETCH(int, preselected);
        Calendar calendar;
        WriteClients(calendar.folder);
        CalendarWindow& window = *calendar.window;
        calendar.Type(22, stored, CalendarWindow::ClientColumn);
        calendar.ws->DayModified = false;
        window.DayTable().setFocus();
        window.DayTable().setCurrentCell(22, CalendarWindow::ClientColumn);
        QStringList entries;
        calendar.prompts.ExpectDialog("Client Selector", [&](QDialog& dialog) {
            auto& selector = static_cast<ClientSelector&>(dialog);
            QCOMPARE(test::LabelTexts(dialog), QStringList({"Select Client"}));
            QCOMPARE(selector.List().currentIndex(), preselected);
            for (int k = 0; k < selector.List().count(); ++k) {
                entries << selector.List().itemText(k);
            }
            selector.List().setCurrentIndex(0);
            test::ClickButton(dialog, "OK");
        });
        QTest::keyClick(&window.DayTable(), Qt::Key_Return);
        QVERIFY(calendar.prompts.VerifyAllAnswered());
        QCOMPARE(entries, QStringList({"Adams, Ann - C-1", "Brown, Ann - C-12"}));
        QCOMPARE(window.DayTable().item(22, CalendarWindow::ClientColumn)->text(), QString("C-1"));
        QVERIFY(calendar.ws->DayModified);
        QCOMPARE(ReadDay(calendar.Path(), kMarch7, Clock()).SlotClientNo[22], QString());
    }

    void weekCellIsStoredWhenCommitted() {
        Calendar calendar;
        CalendarWindow& window = *calendar.window;
        window.Tabs().setCurrentIndex(CalendarWindow::WeekTab);
        window.WeekTable().item(18, 5)->setText("Hearing, moved");
        window.WeekTable().item(19, 6)->setText("Friday call");
        QCOMPARE(calendar.Stored(kMarch7 + 3, 18), QString("Hearing, moved"));
        QCOMPARE(ReadDay(calendar.Path(), kMarch7 + 3, Clock()).SlotClientNo[18], QString("C-1"));
        QCOMPARE(calendar.Stored(kMarch7 + 4, 19), QString("Friday call"));
        QCOMPARE(QFileInfo(calendar.Path()).size(), 3 * 4232);
        QCOMPARE(window.MonthCalendar().dateTextFormat(QDate(2011, 3, 11)).fontWeight(),
                 int(QFont::Bold));
    }

    void editorsAreLimited() {
        Calendar calendar;
        QTableWidget& day = calendar.window->DayTable();
        day.setFocus();
        day.setCurrentCell(20, CalendarWindow::TextColumn);
        day.editItem(day.item(20, CalendarWindow::TextColumn));
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        QCOMPARE(editor->maxLength(), 64);
        day.setCurrentCell(20, CalendarWindow::ClientColumn);
        day.editItem(day.item(20, CalendarWindow::ClientColumn));
        editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        QCOMPARE(editor->maxLength(), 8);
        calendar.window->Notes().setPlainText(QString(300, 'n'));
        QCOMPARE(calendar.window->Notes().toPlainText().size(), 255);
    }

    void monthViewCells() {
        Calendar calendar;
        CalendarWindow& window = *calendar.window;
        window.Tabs().setCurrentIndex(CalendarWindow::MonthTab);
        // An empty cell does nothing.
        window.OpenMonthCell(0, 1);
        QCOMPARE(window.Tabs().currentIndex(), int(CalendarWindow::MonthTab));
        QCOMPARE(calendar.ws->CurrentQDate(), QDate(2011, 3, 7));
        // January 2011 starts on a Saturday and needs six week rows.
        for (int k = 0; k < 2; ++k) {
            QTest::mouseClick(window.MoveButton(CalendarMove::BackMonth), Qt::LeftButton);
        }
        QCOMPARE(window.ShownMonth(), QDate(2011, 1, 1));
        QCOMPARE(calendar.Header(window.MonthTable(), 0), QString("JAN"));
        QCOMPARE(window.MonthTable().item(0, 7)->text(), QString("1  "));
        QCOMPARE(window.MonthTable().item(5, 2)->text(), QString("31  "));
        QCOMPARE(window.DatePanel().text(), QString("January 7, 2011"));
    }

    void findReportsWhatItFound() {
        Calendar calendar;
        CalendarWindow& window = *calendar.window;
        calendar.prompts.ExpectInput("Fast Find", QString("hearing"))
            .ExpectInformation("End of Search", "Search Complete");
        window.Find();
        QVERIFY(calendar.prompts.VerifyAllAnswered());
        QCOMPARE(calendar.prompts.Asked()[0].text,
                 QString("Enter the text you wish to search for in the billing file."));
        QCOMPARE(calendar.ws->CurrentQDate(), QDate(2011, 3, 7));
        calendar.prompts.ExpectInput("Fast Find", std::nullopt);
        window.Find();
        QCOMPARE(calendar.prompts.Asked()[2].initial, QString("hearing"));
        QVERIFY(QFile::remove(calendar.Path()));
        calendar.prompts.ExpectInput("Fast Find", QString("x")).ExpectErrorWindow(13010);
        window.Find();
        QVERIFY(calendar.prompts.VerifyAllAnswered());
    }
};

KIV5_WIDGET_TEST_MAIN(TestCalendarWindow)
#include "tst_CalendarWindow.moc"
