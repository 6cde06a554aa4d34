// "Check Alignment": the offset from the settings, kept on OK, left alone on
// Cancel, and a test page printed with the values being tried.

#include "books/checks/CheckAlignmentDialog.h"
#include "books/checks/PrintCheck.h"
#include "books/core/BooksSettings.h"
#include "tests/books/checks/CheckTestSupport.h"
#include "tests/support/Support.h"
#include "tests/uisupport/ScriptedPrompts.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QDir>
#include <QFileInfo>

using namespace kiv5;
using namespace kiv5::ui;

namespace {

BooksSettings Settings(const QString& folder, qint32 x, qint32 y) {
    BooksSettings settings = BuiltInBooksSettings(1280);
    settings.FilesDirectory = folder;
    settings.CheckOffsetX = x;
    settings.CheckOffsetY = y;
    return settings;
}

} // namespace

class TestCheckAlignmentDialog : public QObject {
    Q_OBJECT

private slots:
    void okKeepsTheOffset_data() {
        QTest::addColumn<double>("right");
        QTest::addColumn<double>("down");
        QTest::addColumn<qint32>("x");
        QTest::addColumn<qint32>("y");
        QTest::newRow("right and up") << 0.12 << -0.3 << 12 << -30;
        QTest::newRow("held to one inch") << 2.5 << -1.75 << 100 << -100;
        QTest::newRow("back to none") << 0.0 << 0.0 << 0 << 0;
    }
    void okKeepsTheOffset() {
        QFETCH(double, right);
        QFETCH(double, down);
        QFETCH(qint32, x);
        QFETCH(qint32, y);
        test::TempFolder folder;
        test::TestContext context;
        test::RecordingOpen open;
        BooksSettings settings = Settings(folder.Folder(), 25, -5);
        test::ScriptedPrompts prompts;
        prompts.ExpectDialog(kCheckAlignmentTitle, [&](QDialog& dialog) {
            auto& alignment = static_cast<CheckAlignmentDialog&>(dialog);
            QCOMPARE(alignment.Right()->value(), 0.25);
            QCOMPARE(alignment.Down()->value(), -0.05);
            alignment.Right()->setValue(right);
            alignment.Down()->setValue(down);
            alignment.accept();
        });
        QVERIFY(RunCheckAlignment(settings, prompts, open.MakeLauncher(), context, nullptr,
                                  test::NoPrinter()));
        QVERIFY(prompts.VerifyAllAnswered());
        QCOMPARE(settings.CheckOffsetX, x);
        QCOMPARE(settings.CheckOffsetY, y);
    }

    void cancelLeavesTheSettings() {
        test::TempFolder folder;
        test::TestContext context;
        test::RecordingOpen open;
        BooksSettings settings = Settings(folder.Folder(), 25, -5);
        test::ScriptedPrompts prompts;
        prompts.ExpectDialog(kCheckAlignmentTitle, [&](QDialog& dialog) {
            static_cast<CheckAlignmentDialog&>(dialog).Right()->setValue(0.5);
            return QDialog::Rejected;
        });
        QVERIFY(!RunCheckAlignment(settings, prompts, open.MakeLauncher(), context, nullptr,
                                   test::NoPrinter()));
        QCOMPARE(settings.CheckOffsetX, 25);
        QCOMPARE(settings.CheckOffsetY, -5);
    }

    void testPageUsesTheValuesBeingTried() {
        test::TempFolder folder;
        test::TestContext context;
        test::RecordingOpen open;
        BooksSettings settings = Settings(folder.Folder(), 0, 0);
        const QString path = folder.Path(kCheckTestPageFileName);
        test::ScriptedPrompts prompts;
        prompts.ExpectDialog(kCheckAlignmentTitle, [&](QDialog& dialog) {
            auto& alignment = static_cast<CheckAlignmentDialog&>(dialog);
            alignment.Right()->setValue(0.3);
            prompts.ExpectInformation(kPrintCheckTitle,
                                      "No printer is set up. The check was written to\n" +
                                          QDir::toNativeSeparators(path) +
                                          "\nand opened; print it from there.");
            QTest::mouseClick(alignment.TestPageButton(), Qt::LeftButton);
            QVERIFY(dialog.isVisible());
            dialog.reject();
        });
        RunCheckAlignment(settings, prompts, open.MakeLauncher(), context, nullptr,
                          test::NoPrinter());
        QVERIFY(prompts.VerifyAllAnswered());
        QCOMPARE(open.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
        QCOMPARE(settings.CheckOffsetX, 0);
        if (test::HasPdfToText()) {
            // The check number of the top stub stands at 1.38 + 0.30 inches.
            QVERIFY(std::abs(test::WordLeft(path, "1001") - 1.68 * 72) < 1.0);
        }
    }

    void testPageOnThePrinter() {
        test::TempFolder folder;
        test::TempFolder spool;
        test::TestContext context;
        test::RecordingOpen open;
        BooksSettings settings = Settings(folder.Folder(), 10, 10);
        test::ScriptedPrompts prompts;
        prompts.ExpectDialog(kCheckAlignmentTitle, [&](QDialog& dialog) {
            QTest::mouseClick(static_cast<CheckAlignmentDialog&>(dialog).TestPageButton(),
                              Qt::LeftButton);
            return QDialog::Rejected;
        });
        RunCheckAlignment(settings, prompts, open.MakeLauncher(), context, nullptr,
                          test::PdfPrinter(spool.Path("printed.pdf")));
        QVERIFY(prompts.VerifyAllAnswered());
        QVERIFY(spool.ReadBytes("printed.pdf").startsWith("%PDF"));
        QCOMPARE(QDir(folder.Folder()).entryList(QDir::Files), QStringList{});
    }
};

KIV5_WIDGET_TEST_MAIN(TestCheckAlignmentDialog)
#include "tst_CheckAlignmentDialog.moc"
