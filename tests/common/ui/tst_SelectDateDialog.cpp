#include "common/ui/OrvDate.h"
#include "common/ui/SelectDateDialog.h"
#include "tests/support/Support.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace kiv5;
using namespace kiv5::ui;

namespace {

template <typename T> T* Child(QWidget& dialog, const char* name) {
    T* child = dialog.findChild<T*>(QLatin1String(name));
    if (!child) {
        qFatal("no child %s", name);
    }
    return child;
}

} // namespace

class TestSelectDateDialog : public QObject {
    Q_OBJECT

private slots:
    void orvDateStartsPlain() {
        const Clock clock = Clock::FixedAt(QDateTime(QDate(2011, 3, 7), QTime(9, 30)));
        OrvDate picker(clock);
        QCOMPARE(picker.date(), QDate(2011, 3, 7));
        SelectDateDialog undated(QDate(), clock);
        QCOMPARE(Child<OrvDate>(undated, "dtpDate")->date(), QDate(2011, 3, 7));
        QCOMPARE(picker.text(), QStringLiteral("3/7/2011"));
        QVERIFY(picker.calendarPopup());
        for (const char* name : {"TOrder", "AType", "IOType"}) {
            QCOMPARE(picker.property(name).toInt(), 0);
        }
        for (const char* name : {"OFlag", "Modified"}) {
            QCOMPARE(picker.property(name).toBool(), false);
        }
        QVERIFY(picker.setProperty("IOType", 2));
        QCOMPARE(picker.IOType(), 2);
    }

    void result_data() {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("daysLater");
        QTest::newRow("ok as started") << true << 0;
        QTest::newRow("ok after a change") << true << 1;
        QTest::newRow("cancel") << false << 1;
    }
    void result() {
        QFETCH(bool, ok);
        QFETCH(int, daysLater);
        const QDate start(2011, 12, 30);
        SelectDateDialog dialog(start, Clock());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Select Date Dialog"));
        dialog.show();
        auto* picker = Child<OrvDate>(dialog, "dtpDate");
        QCOMPARE(picker->date(), start);
        if (daysLater > 0) {
            // The day section: the picker steps the date by whole days.
            picker->setCurrentSection(QDateTimeEdit::DaySection);
            QTest::keyClick(picker, Qt::Key_Up);
        }
        QTest::mouseClick(Child<QPushButton>(dialog, ok ? "btnOK" : "btnCancel"), Qt::LeftButton);
        if (ok) {
            QCOMPARE(dialog.SelectedDate(), std::optional<QDate>(start.addDays(daysLater)));
        } else {
            QCOMPARE(dialog.SelectedDate(), std::optional<QDate>());
        }
    }

    void textLine() {
        SelectDateDialog dialog(QDate(2011, 3, 7), Clock());
        QCOMPARE(Child<QLabel>(dialog, "lblText")->text(),
                 QStringLiteral("Use the drop-down combo box below to select the date that will "
                                "be printed at the top of each bill."));
        dialog.SetText(QStringLiteral("Import the calendar entries up to this date."));
        QCOMPARE(dialog.Text(), QStringLiteral("Import the calendar entries up to this date."));
    }
};

KIV5_WIDGET_TEST_MAIN(TestSelectDateDialog)
#include "tst_SelectDateDialog.moc"
