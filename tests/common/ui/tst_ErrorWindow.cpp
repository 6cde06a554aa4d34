#include "common/core/ErrorSink.h"
#include "common/ui/ErrorDialog.h"
#include "common/ui/ErrorWindowSink.h"
#include "common/ui/QtPrompts.h"
#include "common/ui/WaitCursor.h"
#include "tests/uisupport/ModalAnswer.h"
#include "tests/uisupport/ScriptedPrompts.h"
#include "tests/uisupport/WidgetLookup.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <stdexcept>

using namespace kiv5;
using namespace kiv5::ui;
using kiv5::test::FindNamed;
using kiv5::test::ScriptedPrompts;

Q_DECLARE_METATYPE(kiv5::Program)

namespace {

const QString Message1106 =
    "1106-You cannot save a client record that has a blank Client No. field. Either complete the "
    "Client No field or delete this client record.";
const QString Message1501 = "1501-The selected directory does not exist, or the user does not "
                            "have access to the directory. ";

QString LabelText(QWidget& window, const char* name) {
    auto* label = FindNamed<QLabel>(window, name);
    return label != nullptr ? label->text() : QStringLiteral("<missing>");
}

} // namespace

class TestErrorWindow : public QObject {
    Q_OBJECT

private slots:
    void texts_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<bool>("help");
        const QString hint2 = "You can probably click OK and continue. If this error persists, "
                              "restart Scrivo5. ";
        QTest::newRow("blank client number")
            << Program::Client << 11060 << Message1106 << "" << false;
        QTest::newRow("unidentified with hint")
            << Program::Client << 21182 << "Unidentified error -  2118" << hint2 << false;
        QTest::newRow("delete conflict rounds up")
            << Program::Client << 9999 << "Unidentified error -  1000"
            << "" << false;
        QTest::newRow("client folder has help")
            << Program::Client << 15010 << Message1501 << "" << true;
        QTest::newRow("billing folder has help")
            << Program::Billing << 15010 << Message1501 << "" << true;
        QTest::newRow("bookkeeping folder has none")
            << Program::Bookkeeping << 15010 << Message1501 << "" << false;
        QTest::newRow("bookkeeping wording")
            << Program::Bookkeeping << 21182 << "Unidentified error -  2118"
            << "You can probably click OK and continue. If this error persists, restart "
               "Sumora5. "
            << false;
    }
    void texts() {
        QFETCH(Program, program);
        QFETCH(int, code);
        QFETCH(QString, message);
        QFETCH(QString, hint);
        QFETCH(bool, help);
        ErrorDialog dialog(program, code, {});
        QCOMPARE(dialog.windowTitle(), QString("Error/Warning Dialog"));
        QCOMPARE(LabelText(dialog, "lblLocation"),
                 QString("Error Location / Specific Information:"));
        QCOMPARE(LabelText(dialog, "lblCauses"),
                 QString("Potential Causes / General Information:"));
        QCOMPARE(LabelText(dialog, "lblMessage"), message);
        QCOMPARE(LabelText(dialog, "lblHint"), hint);
        QCOMPARE(FindNamed<QPushButton>(dialog, "btnHelp")->isVisibleTo(&dialog), help);
        auto* ok = FindNamed<QPushButton>(dialog, "btnOK");
        QVERIFY(ok->isVisibleTo(&dialog));
        QVERIFY(ok->isDefault());
        QCOMPARE(FindNamed<QCheckBox>(dialog, "chkDontShow")->text(),
                 QString("Don't show this message any more."));
        QCOMPARE(LabelText(dialog, "lblReinstate"),
                 QString("You can reinstate error messages at any time from the Options menu"));
    }

    void hintWithAngleBracketsShowsAsTyped() {
        ErrorDialog dialog(Program::Client, 11243, {});
        auto* hint = FindNamed<QLabel>(dialog, "lblHint");
        QCOMPARE(hint->textFormat(), Qt::PlainText);
        QVERIFY(hint->text().endsWith("<CTRL><ALT><DEL>."));
    }

    void helpOpensTheTopic() {
        QList<int> topics;
        ErrorDialog dialog(Program::Client, 15010, [&](int topic) { topics.append(topic); });
        dialog.show();
        QTest::mouseClick(FindNamed<QPushButton>(dialog, "btnHelp"), Qt::LeftButton);
        QCOMPARE(topics, QList<int>{505});
        QVERIFY(dialog.isVisible());
    }

    void arrowCursorWhileOpen() {
        WaitCursor wait;
        {
            ErrorDialog dialog(Program::Client, 11060, {});
            dialog.show();
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
            dialog.close();
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
            dialog.show();
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
        }
        // Destroyed while open: the command's cursor is back all the same.
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }

    void okClosesTheRealWindow() {
        QtPrompts prompts(Program::Client);
        QString shownTitle;
        QString shownMessage;
        test::WhenModalShown([&](QWidget& modal) {
            shownTitle = modal.windowTitle();
            shownMessage = LabelText(modal, "lblMessage");
            QTest::mouseClick(FindNamed<QPushButton>(modal, "btnOK"), Qt::LeftButton);
        });
        prompts.ShowErrorWindow(11060);
        QCOMPARE(shownTitle, QString("Error/Warning Dialog"));
        QCOMPARE(shownMessage, Message1106);
    }

    void sinkShowsCodesThroughThePrompts() {
        ScriptedPrompts prompts;
        const ErrorSink sink = MakeErrorWindowSink(prompts);
        prompts.ExpectErrorWindow(11060).ExpectErrorWindow(9999);
        sink.ErrorWindow(11060);
        sink.ErrorWindow(9999);
        QVERIFY(prompts.VerifyAllAnswered());
        QCOMPARE(prompts.ErrorCodes(), (QList<int>{11060, 9999}));
    }

    // Two programs in one process: each one's codes reach its own prompts.
    void sinksOfTwoProgramsStayApart() {
        ScriptedPrompts first;
        ScriptedPrompts second;
        const ErrorSink firstSink = MakeErrorWindowSink(first);
        const ErrorSink secondSink = MakeErrorWindowSink(second);
        first.ExpectErrorWindow(11060);
        second.ExpectErrorWindow(9999);
        secondSink.ErrorWindow(9999);
        firstSink.ErrorWindow(11060);
        QVERIFY(first.VerifyAllAnswered());
        QVERIFY(second.VerifyAllAnswered());
        QCOMPARE(first.ErrorCodes(), QList<int>{11060});
        QCOMPARE(second.ErrorCodes(), QList<int>{9999});
    }

    void fallbackBoxWhenTheWindowFails() {
        ScriptedPrompts prompts;
        const ErrorSink sink = MakeErrorWindowSink(prompts);
        prompts.ExpectErrorWindow(11060, [] { throw std::runtime_error("no window"); })
            .ExpectInformation("Error", "Unknown Error in ErrorWindow");
        sink.ErrorWindow(11060);
        QVERIFY(prompts.VerifyAllAnswered());
        QCOMPARE(prompts.Asked().last().icon, QMessageBox::Critical);
    }

    void fallbackFailingToo() {
        // Neither window can be shown: ErrorWindow still returns.
        struct BrokenPrompts : ScriptedPrompts {
            QMessageBox::StandardButton Message(const QString&, const QString&,
                                                QMessageBox::StandardButtons, QMessageBox::Icon,
                                                QMessageBox::StandardButton) override {
                throw std::runtime_error("no message box either");
            }
            void ShowErrorWindow(int) override { throw std::bad_alloc(); }
        } prompts;
        const ErrorSink sink = MakeErrorWindowSink(prompts);
        sink.ErrorWindow(11060);
        QVERIFY(prompts.VerifyAllAnswered());
    }
};

KIV5_WIDGET_TEST_MAIN(TestErrorWindow)
#include "tst_ErrorWindow.moc"
