#include "common/core/Exceptions.h"
#include "common/ui/ProgressWindow.h"
#include "tests/uisupport/WidgetLookup.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

using namespace kiv5;
using namespace kiv5::ui;

class TestProgressWindow : public QObject {
    Q_OBJECT

    ProgressTracker tracker_;

private slots:
    void shownAtZero() {
        ScopedProgress progress(tracker_, "Packing PL5 File");
        ProgressWindow* window = progress.Window();
        QVERIFY(window != nullptr);
        QCOMPARE(ProgressWindow::Current(tracker_), window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QString("Progress Dialog"));
        QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        auto* text = test::FindNamed<QLabel>(*window, "lblProgress");
        QCOMPARE(text->text(), QString("Packing PL5 File"));
        QVERIFY(text->alignment().testFlag(Qt::AlignHCenter));
        auto* bar = test::FindNamed<QProgressBar>(*window, "pbrProgressBar");
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 100);
        QCOMPARE(bar->value(), 0);
        const QPoint middle = QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY((window->frameGeometry().center() - middle).manhattanLength() <= 2);
    }

    void positions_data() {
        QTest::addColumn<QList<int>>("steps");
        QTest::addColumn<int>("shown");
        QTest::newRow("one step") << QList<int>{37} << 37;
        QTest::newRow("full bar") << QList<int>{50, 100} << 100;
        QTest::newRow("above the range") << QList<int>{150} << 100;
        QTest::newRow("below the range") << QList<int>{20, -5} << 0;
        QTest::newRow("back down") << QList<int>{80, 10} << 10;
    }
    void positions() {
        QFETCH(QList<int>, steps);
        QFETCH(int, shown);
        ScopedProgress progress(tracker_, "Applying Filter to Names");
        for (int step : steps)
            progress.SetPosition(step);
        QCOMPARE(progress.Window()->Position(), shown);
    }

    void removedOnException() {
        QPointer<ProgressWindow> window;
        try {
            ScopedProgress progress(tracker_, "Refresh Screen From Database File");
            window = progress.Window();
            progress.SetPosition(40);
            throw IoError("Disk full");
        } catch (const IoError&) {
        }
        QVERIFY(window.isNull());
        QCOMPARE(ProgressWindow::Current(tracker_), nullptr);
    }

    void removedBelowHundred() {
        QPointer<ProgressWindow> window;
        {
            ScopedProgress progress(tracker_, "Cancelling Filter");
            window = progress.Window();
            progress.SetPosition(99);
        }
        QVERIFY(window.isNull());
    }

    void callbackDrivesTheBar() {
        std::function<void(int)> callback;
        {
            ScopedProgress progress(tracker_, "Sorting");
            callback = progress.Callback();
            callback(25);
            QCOMPARE(progress.Window()->Position(), 25);
        }
        callback(60); // the window is gone: nothing happens
        QCOMPARE(ProgressWindow::Current(tracker_), nullptr);
    }

    // The window opened last is the current one; closing it makes the one
    // below current again.
    void nestedWindows() {
        ScopedProgress outer(tracker_, "Saving File");
        {
            ScopedProgress inner(tracker_, "Sorting Records");
            QCOMPARE(ProgressWindow::Current(tracker_), inner.Window());
        }
        QCOMPARE(ProgressWindow::Current(tracker_), outer.Window());
    }

    void windowRemovedByOthers() {
        ScopedProgress progress(tracker_, "Packing PL5 File");
        delete ProgressWindow::Current(tracker_);
        progress.SetPosition(50);
        QVERIFY(progress.Window() == nullptr);
    }
};

KIV5_WIDGET_TEST_MAIN(TestProgressWindow)
#include "tst_ProgressWindow.moc"
