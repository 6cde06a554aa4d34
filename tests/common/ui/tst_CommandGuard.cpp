#include "common/core/Exceptions.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/ProgressWindow.h"
#include "common/ui/WaitCursor.h"
#include "tests/uisupport/ScriptedPrompts.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QApplication>
#include <stdexcept>

using namespace kiv5;
using namespace kiv5::ui;
using kiv5::test::ScriptedPrompts;

// A command, given the tracker its progress windows open in.
using Command = std::function<void(ProgressTracker&)>;
Q_DECLARE_METATYPE(Command)

class TestCommandGuard : public QObject {
    Q_OBJECT

private slots:
    void errorsEndTheCommand_data() {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("message");
        QTest::newRow("file error") << Command([](ProgressTracker&) {
            WaitCursor wait;
            throw IoError("No space left on device");
        }) << "No space left on device";
        QTest::newRow("conversion error") << Command([](ProgressTracker& tracker) {
            WaitCursor wait;
            ScopedProgress progress(tracker, "Sorting");
            throw ConversionError("'12a' is not a valid integer value");
        }) << "'12a' is not a valid integer value";
        QTest::newRow("cursor set by hand") << Command([](ProgressTracker&) {
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
            throw IoError("Permission denied");
        }) << "Permission denied";
        QTest::newRow("other exception")
            << Command([](ProgressTracker&) { throw std::runtime_error("boom"); }) << "boom";
        QTest::newRow("not an exception") << Command([](ProgressTracker&) { throw 42; })
                                          << "The command ended with an unexpected error.";
    }
    void errorsEndTheCommand() {
        QFETCH(Command, command);
        QFETCH(QString, message);
        ScriptedPrompts prompts;
        prompts.ExpectQuestion("Error", message, QMessageBox::Ok);
        ProgressTracker tracker;
        QCursor* cursorWhenAsked = nullptr;
        bool finished = true;
        {
            finished = RunCommand(prompts, tracker, [&] { command(tracker); });
            cursorWhenAsked = QApplication::overrideCursor();
        }
        QVERIFY(!finished);
        QVERIFY(prompts.VerifyAllAnswered());
        QCOMPARE(prompts.Asked().first().icon, QMessageBox::Critical);
        QCOMPARE(cursorWhenAsked, nullptr);
        QCOMPARE(tracker.Current(), nullptr);
    }

    void cursorOfTheCallerStays() {
        ScriptedPrompts prompts;
        prompts.ExpectQuestion("Error", "Input/output error", QMessageBox::Ok);
        WaitCursor outer;
        ProgressTracker tracker;
        RunCommand(prompts, tracker, [] {
            WaitCursor inner;
            throw IoError("Input/output error");
        });
        QVERIFY(QApplication::overrideCursor() != nullptr);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QVERIFY(prompts.VerifyAllAnswered());
    }

    void progressWindowRemoved() {
        ScriptedPrompts prompts;
        prompts.ExpectQuestion("Error", "Disk full", QMessageBox::Ok);
        ProgressTracker tracker;
        QPointer<ProgressWindow> window;
        RunCommand(prompts, tracker, [&] {
            // As a command that keeps its window in a variable of its own.
            window = new ProgressWindow(tracker, "Packing PL5 File");
            window->show();
            throw IoError("Disk full");
        });
        QVERIFY(window.isNull());
        QVERIFY(prompts.VerifyAllAnswered());
    }

    // Two programs in one process: a failed command of one removes its own
    // progress windows, nested ones included, and leaves the other's open.
    void onlyItsOwnProgressWindowsRemoved() {
        ScriptedPrompts prompts;
        prompts.ExpectQuestion("Error", "Disk full", QMessageBox::Ok);
        ProgressTracker mine;
        ProgressTracker other;
        ProgressWindow othersWindow(other, "Refresh Screen From Database File");
        QPointer<ProgressWindow> outer;
        QPointer<ProgressWindow> inner;
        RunCommand(prompts, mine, [&] {
            outer = new ProgressWindow(mine, "Saving File");
            inner = new ProgressWindow(mine, "Sorting Records");
            throw IoError("Disk full");
        });
        QVERIFY(outer.isNull());
        QVERIFY(inner.isNull());
        QCOMPARE(mine.Current(), nullptr);
        QCOMPARE(ProgressWindow::Current(other), &othersWindow);
        QVERIFY(prompts.VerifyAllAnswered());
    }

    void tableShownAgain() {
        ScriptedPrompts prompts;
        prompts.ExpectQuestion("Error", "Disk full", QMessageBox::Ok);
        ProgressTracker tracker;
        QWidget table;
        table.show();
        auto* gone = new QWidget;
        bool cleanedUp = false;
        const bool finished = CommandGuard(prompts, tracker)
                                  .ReshowOnError(&table)
                                  .ReshowOnError(gone)
                                  .OnError([&] { cleanedUp = true; })
                                  .Run([&] {
                                      table.hide();
                                      table.setEnabled(false);
                                      delete gone;
                                      throw IoError("Disk full");
                                  });
        QVERIFY(!finished);
        QVERIFY(table.isVisible());
        QVERIFY(table.isEnabled());
        QVERIFY(cleanedUp);
        QVERIFY(prompts.VerifyAllAnswered());
    }

    void successAsksNothing() {
        ScriptedPrompts prompts;
        ProgressTracker tracker;
        QWidget table;
        bool cleanedUp = false;
        bool ran = false;
        const bool finished = CommandGuard(prompts, tracker)
                                  .ReshowOnError(&table)
                                  .OnError([&] { cleanedUp = true; })
                                  .Run([&] { ran = true; });
        QVERIFY(finished);
        QVERIFY(ran);
        QVERIFY(!cleanedUp);
        QVERIFY(!table.isVisible());
        QVERIFY(prompts.Asked().isEmpty());
    }

    void waitCursorScope() {
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        {
            WaitCursor wait;
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }
};

KIV5_WIDGET_TEST_MAIN(TestCommandGuard)
#include "tst_CommandGuard.moc"
