#include "common/ui/AboutBox.h"
#include "common/ui/ProgramVersion.h"
#include "tests/uisupport/ModalAnswer.h"
#include "tests/uisupport/ScriptedPrompts.h"
#include "tests/uisupport/WidgetLookup.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QLabel>
#include <QPushButton>

using namespace kiv5;
using namespace kiv5::ui;
using kiv5::test::FindNamed;

Q_DECLARE_METATYPE(kiv5::Program)

namespace {

void DeleteDeferred() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestAboutBox : public QObject {
    Q_OBJECT

private slots:
    void versionLines_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("line");
        QTest::newRow("client") << Program::Client << "Pellary5"
                                << " Pellary5 - KIV Version 5.21; PL5 Version 5.09";
        QTest::newRow("bookkeeping") << Program::Bookkeeping << "Sumora5"
                                     << " Sumora5 - Version 5.06";
        QTest::newRow("billing") << Program::Billing << "Quenby5"
                                 << " Quenby5 - Version 5.15";
    }
    void versionLines() {
        QFETCH(Program, program);
        QFETCH(QString, title);
        QFETCH(QString, line);
        QCOMPARE(VersionLine(program), line);
        AboutBox box(program);
        QCOMPARE(FindNamed<QLabel>(box, "lblProductName")->text(), title);
        QCOMPARE(FindNamed<QLabel>(box, "lblVersion")->text(), line);
        QVERIFY(!FindNamed<QLabel>(box, "imgProgramIcon")->pixmap().isNull());
    }

    void formatVersion_data() {
        QTest::addColumn<double>("version");
        QTest::addColumn<QString>("text");
        QTest::newRow("two decimals") << 5.21 << "5.21";
        QTest::newRow("leading zero decimal") << 5.09 << "5.09";
        QTest::newRow("trailing zero") << 5.10 << "5.1";
        QTest::newRow("whole") << 6.0 << "6";
        QTest::newRow("rounded") << 5.006 << "5.01";
        QTest::newRow("below one") << 0.5 << ".5";
        QTest::newRow("ten") << 10.0 << "10";
    }
    void formatVersion() {
        QFETCH(double, version);
        QFETCH(QString, text);
        QCOMPARE(FormatVersion(version), text);
    }

    void okCloses() {
        AboutBox box(Program::Client);
        auto* ok = FindNamed<QPushButton>(box, "btnOK");
        QVERIFY(ok->isDefault());
        test::WhenModalShown([](QWidget& modal) {
            QTest::mouseClick(FindNamed<QPushButton>(modal, "btnOK"), Qt::LeftButton);
        });
        QCOMPARE(box.exec(), int(QDialog::Accepted));
    }

    void creditsOnDoubleClick_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("picture") << "imgProgramIcon";
        QTest::newRow("title") << "lblProductName";
        QTest::newRow("credits area") << "pnlInfo";
    }
    void creditsOnDoubleClick() {
        QFETCH(QString, target);
        AboutBox box(Program::Billing);
        box.show();
        auto* credits = FindNamed<QLabel>(box, "lblCredits");
        QVERIFY(!credits->isVisible());
        QTest::mouseDClick(FindNamed(box, target), Qt::LeftButton, {}, QPoint(4, 4));
        QVERIFY(credits->isVisible());
        QVERIFY(!credits->text().isEmpty());
    }

    void splashClosesOnTheThirdTick() {
        QPointer<AboutBox> splash = new AboutBox(Program::Client);
        splash->MakeSplash();
        splash->show();
        QVERIFY(splash->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!FindNamed<QPushButton>(*splash, "btnOK")->isVisible());
        QVERIFY(!splash->Timer().isActive());
        splash->StartTimer();
        QVERIFY(splash->Timer().isActive());
        QCOMPARE(splash->Timer().interval(), 1000);
        splash->Timer1Timer();
        splash->Timer1Timer();
        DeleteDeferred();
        QVERIFY(splash && splash->isVisible());
        QCOMPARE(splash->TimeCount(), 2);
        splash->Timer1Timer();
        DeleteDeferred();
        QVERIFY(splash.isNull());
    }

    void splashGoesWhileTheModalBoxStays() {
        QPointer<AboutBox> splash = ShowSplash(Program::Bookkeeping);
        AboutBox about(Program::Bookkeeping);
        bool aboutStayed = false;
        test::WhenModalShown([&](QWidget& modal) {
            QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 10000);
            aboutStayed = modal.isVisible() && about.TimeCount() == 0 && !about.Timer().isActive();
            QTest::mouseClick(FindNamed<QPushButton>(modal, "btnOK"), Qt::LeftButton);
        });
        about.exec();
        QVERIFY(splash.isNull());
        QVERIFY(aboutStayed);
    }

    void aboutThroughThePrompts() {
        test::ScriptedPrompts prompts;
        prompts.ExpectDialog("About Quenby5", [](QDialog& dialog) {
            QVERIFY(FindNamed<QPushButton>(dialog, "btnOK")->isVisible());
            QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        });
        ShowAboutBox(prompts, Program::Billing);
        QVERIFY(prompts.VerifyAllAnswered());
    }
};

KIV5_WIDGET_TEST_MAIN(TestAboutBox)
#include "tst_AboutBox.moc"
