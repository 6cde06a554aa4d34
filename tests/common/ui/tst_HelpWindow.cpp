#include "common/ui/HelpWindow.h"
#include "common/ui/ProgramHelp.h"
#include "tests/support/Support.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QDialog>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>

using namespace kiv5;
using namespace kiv5::ui;

namespace {

// A help folder with the contents page and one topic, which links back.
void WritePages(const test::TempFolder& help, const QString& under = {}) {
    help.WriteBytes(under + QStringLiteral("index.html"),
                    "<html><head><title>Contents</title></head><body>"
                    "<a href=\"706.html\">Setting the word processor</a></body></html>");
    help.WriteBytes(under + QStringLiteral("706.html"),
                    "<html><head><title>Word processor</title></head><body>"
                    "<p>Choose the program that opens the documents.</p>"
                    "<a href=\"index.html\">Contents</a></body></html>");
}

QString Shown(const HelpWindow& window) {
    return window.Browser()->toPlainText();
}

QPushButton* Button(HelpWindow& window, const char* name) {
    return window.findChild<QPushButton*>(QLatin1String(name));
}

} // namespace

class TestHelpWindow : public QObject {
    Q_OBJECT

private slots:
    void topicAndContents() {
        test::TempFolder help;
        WritePages(help);
        HelpWindow window(help.Folder());
        window.ShowTopic(706);
        QVERIFY(window.isVisible());
        QCOMPARE(window.Browser()->source(), QUrl::fromLocalFile(help.Path("706.html")));
        QVERIFY(Shown(window).contains(QStringLiteral("opens the documents")));
        QCOMPARE(window.windowTitle(), QStringLiteral("Help - Word processor"));

        window.ShowContents();
        QCOMPARE(window.Browser()->source(), QUrl::fromLocalFile(help.Path("index.html")));
        QVERIFY(Shown(window).contains(QStringLiteral("Setting the word processor")));
        QVERIFY(Button(window, "btnBack")->isEnabled());
        QTest::mouseClick(Button(window, "btnBack"), Qt::LeftButton);
        QCOMPARE(window.Browser()->source(), QUrl::fromLocalFile(help.Path("706.html")));
        QTest::mouseClick(Button(window, "btnContents"), Qt::LeftButton);
        QCOMPARE(window.Browser()->source(), QUrl::fromLocalFile(help.Path("index.html")));
    }

    void missingPages_data() {
        QTest::addColumn<bool>("folderExists");
        QTest::newRow("topic not installed") << true;
        QTest::newRow("no help folder") << false;
    }
    void missingPages() {
        QFETCH(bool, folderExists);
        test::TempFolder help;
        WritePages(help);
        HelpWindow window(folderExists ? help.Folder() : help.Path(QStringLiteral("none/")));
        window.ShowTopic(999);
        QCOMPARE(Shown(window), QStringLiteral("This help topic is not installed."));
        window.ShowContents();
        QCOMPARE(Shown(window) == QStringLiteral("This help topic is not installed."),
                 !folderExists);
    }

    void oneWindowReusedWithItsGeometry() {
        test::TempFolder root;
        QVERIFY(QDir().mkpath(root.Path(QStringLiteral("pellary5/help"))));
        WritePages(root, QStringLiteral("pellary5/help/"));
        ProgramHelp help(QStringLiteral("pellary5"), OfficeFolders{{}, root.Folder()});
        HelpWindow* first = &help.Window();
        first->ShowTopic(706);
        first->setGeometry(40, 50, 500, 400);
        const QRect placed = first->geometry();
        first->close();
        QVERIFY(!first->isVisible());

        help.Show(0);
        HelpWindow* second = &help.Window();
        QCOMPARE(second, first);
        QVERIFY(second->isVisible());
        QCOMPARE(Shown(*second).left(27), QStringLiteral("Setting the word processor"));
        QCOMPARE(second->geometry(), placed);
        delete second;
        QVERIFY(&help.Window() != first);
    }

    // Help asked for from a modal dialog is a window of that dialog, so the
    // dialog's modality does not block it; afterwards it is the program's again.
    void helpFromAModalDialogIsUsable() {
        test::TempFolder root;
        QVERIFY(QDir().mkpath(root.Path(QStringLiteral("pellary5/help"))));
        WritePages(root, QStringLiteral("pellary5/help/"));
        QWidget owner;
        ProgramHelp help(QStringLiteral("pellary5"), OfficeFolders{{}, root.Folder()}, &owner);
        QDialog dialog(&owner);
        bool blocked = true;
        QTimer::singleShot(0, &dialog, [&] {
            help.Show(706);
            HelpWindow& window = help.Window();
            QVERIFY(window.isVisible());
            QCOMPARE(window.parentWidget(), &dialog);
            QVERIFY(window.isWindow());
            blocked = QGuiApplication::modalWindow() != dialog.windowHandle() ||
                      window.windowHandle()->transientParent() != dialog.windowHandle();
            window.close();
            QVERIFY(!window.isVisible());
            QVERIFY(dialog.isVisible());
            dialog.accept();
        });
        dialog.exec();
        QVERIFY(!blocked);
        help.Show(0);
        QCOMPARE(help.Window().parentWidget(), &owner);
        QVERIFY(help.Window().isVisible());
    }

    // Each program has a window of its own, with its own pages.
    void programsDoNotShareTheWindow() {
        test::TempFolder root;
        for (const char* program : {"pellary5", "quenby5"}) {
            QVERIFY(QDir().mkpath(root.Path(QStringLiteral("%1/help").arg(program))));
            WritePages(root, QStringLiteral("%1/help/").arg(program));
        }
        const OfficeFolders folders{{}, root.Folder()};
        ProgramHelp client(QStringLiteral("pellary5"), folders);
        ProgramHelp billing(QStringLiteral("quenby5"), folders);
        QVERIFY(&client.Window() != &billing.Window());
        QCOMPARE(billing.Window().HelpFolder(), root.Folder() + QStringLiteral("quenby5/help/"));
    }
};

KIV5_WIDGET_TEST_MAIN(TestHelpWindow)
#include "tst_HelpWindow.moc"
