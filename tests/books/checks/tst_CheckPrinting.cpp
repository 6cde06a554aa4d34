// "Print check" without a window: to the printer when one is set up,
// otherwise a PDF file in the files folder that is opened and announced.

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

books::CheckValues Values(const QString& number = QStringLiteral("1042")) {
    return {number, DateToDayCount(QDate(2011, 3, 7)), QStringLiteral("Hollis & Barr"),
            QStringLiteral("Filing fee"), QStringLiteral("1,234.56")};
}

CheckDestination Destination(const QString& folder) {
    return {folder, {}, folder};
}

QString Written(const QString& path) {
    return QStringLiteral("No printer is set up. The check was written to\n%1\nand opened; print "
                          "it from there.")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace

class TestCheckPrinting : public QObject {
    Q_OBJECT

private slots:
    void withoutPrinterWritesAndOpensPdf() {
        test::TempFolder folder;
        test::TestContext context;
        test::RecordingOpen open;
        const QString path = folder.Path("Check 1042.pdf");
        test::ScriptedPrompts prompts;
        prompts.ExpectInformation(kPrintCheckTitle, Written(path));
        QCOMPARE(PrintCheck(Values(), Destination(folder.Folder()), prompts, open.MakeLauncher(),
                            context, test::NoPrinter()),
                 CheckOutcome::WrittenToPdf);
        QVERIFY(prompts.VerifyAllAnswered());
        QCOMPARE(open.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
        QVERIFY(folder.ReadBytes("Check 1042.pdf").startsWith("%PDF"));
        QCOMPARE(context.codes, QList<int>{});
        if (test::HasPdfToText()) {
            const QString text = test::PdfText(path);
            QVERIFY(
                text.contains("One Thousand Two Hundred Thirty Four Dollars and Fifty Six Cents"));
            QCOMPARE(text.count("$1,234.56"), 3);
        }
    }

    void pdfThatCannotBeOpenedIsStillAnnounced() {
        test::TempFolder folder;
        test::TestContext context;
        test::RecordingOpen open;
        open.openResult = false;
        const QString path = folder.Path("Check 7.pdf");
        test::ScriptedPrompts prompts;
        prompts.ExpectInformation(kPrintCheckTitle,
                                  "No printer is set up. The check was written to\n" +
                                      QDir::toNativeSeparators(path) +
                                      "\nOpen it with a PDF viewer to print it.");
        QCOMPARE(PrintCheck(Values("7"), Destination(folder.Folder()), prompts, open.MakeLauncher(),
                            context, test::NoPrinter()),
                 CheckOutcome::WrittenToPdf);
        QVERIFY(prompts.VerifyAllAnswered());
        QVERIFY(QFileInfo(path).isFile());
    }

    void checkNumberIsCleanedIntoAFileName_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("file");
        QTest::newRow("separators and wildcards") << "10/42:a?"
                                                  << "Check 10_42_a_.pdf";
        QTest::newRow("dots and blanks at the end") << "12. "
                                                    << "Check 12.pdf";
        QTest::newRow("climbing out") << "../../x"
                                      << "Check .._.._x.pdf";
        QTest::newRow("empty") << ""
                               << "Check .pdf";
    }
    void checkNumberIsCleanedIntoAFileName() {
        QFETCH(QString, number);
        QFETCH(QString, file);
        test::TempFolder folder;
        test::TestContext context;
        test::RecordingOpen open;
        test::ScriptedPrompts prompts;
        prompts.ExpectInformation(kPrintCheckTitle, Written(folder.Path(file)));
        QCOMPARE(PrintCheck(Values(number), Destination(folder.Folder()), prompts,
                            open.MakeLauncher(), context, test::NoPrinter()),
                 CheckOutcome::WrittenToPdf);
        QVERIFY(prompts.VerifyAllAnswered());
        QCOMPARE(QDir(folder.Folder()).entryList(QDir::Files), QStringList{file});
    }

    void missingFilesFolderIsCreated() {
        test::TempFolder folder;
        test::TestContext context;
        test::RecordingOpen open;
        const QString files = folder.Path("Orvanel/Tavrel/Sumora5/");
        test::ScriptedPrompts prompts;
        prompts.ExpectInformation(kPrintCheckTitle, Written(files + "Check 1042.pdf"));
        QCOMPARE(PrintCheck(Values(), Destination(files), prompts, open.MakeLauncher(), context,
                            test::NoPrinter()),
                 CheckOutcome::WrittenToPdf);
        QVERIFY(QFileInfo(files + "Check 1042.pdf").isFile());
    }

    void pdfThatCannotBeWrittenLeavesAllAsItWas() {
        test::TempFolder folder;
        QDir(folder.Folder()).mkdir("Check 1042.pdf"); // a folder in the file's place
        folder.WriteBytes("Check 1042.pdf/keep.txt", "kept");
        test::TestContext context;
        test::RecordingOpen open;
        test::ScriptedPrompts prompts;
        prompts.ExpectQuestion(kPrintCheckTitle,
                               "No printer is set up, and the check could not be written as a "
                               "PDF file:\nCannot write \"" +
                                   QDir::toNativeSeparators(folder.Path("Check 1042.pdf")) +
                                   "\": Filename refers to a directory",
                               QMessageBox::Ok);
        QCOMPARE(PrintCheck(Values(), Destination(folder.Folder()), prompts, open.MakeLauncher(),
                            context, test::NoPrinter()),
                 CheckOutcome::Failed);
        QVERIFY(prompts.VerifyAllAnswered());
        QCOMPARE(open.opened, QList<QUrl>{});
        QCOMPARE(folder.ReadBytes("Check 1042.pdf/keep.txt"), QByteArray("kept"));
        QCOMPARE(QDir(folder.Folder()).entryList(QDir::Files), QStringList{});
    }

    void filesFolderThatIsAFile() {
        test::TempFolder folder;
        folder.WriteBytes("files", "not a folder");
        test::TestContext context;
        test::RecordingOpen open;
        test::ScriptedPrompts prompts;
        prompts.ExpectQuestion(kPrintCheckTitle,
                               "No printer is set up, and the check could not be written as a "
                               "PDF file:\nCannot create the folder \"" +
                                   QDir::toNativeSeparators(folder.Path("files/")) + "\"",
                               QMessageBox::Ok);
        QCOMPARE(PrintCheck(Values(), Destination(folder.Path("files/")), prompts,
                            open.MakeLauncher(), context, test::NoPrinter()),
                 CheckOutcome::Failed);
        QVERIFY(prompts.VerifyAllAnswered());
        QCOMPARE(folder.ReadBytes("files"), QByteArray("not a folder"));
    }

    void withPrinterPrintsWithoutAsking() {
        test::TempFolder folder;
        test::TempFolder spool;
        test::TestContext context;
        test::RecordingOpen open;
        test::ScriptedPrompts prompts;
        const QString printed = spool.Path("printed.pdf");
        QCOMPARE(PrintCheck(Values(), Destination(folder.Folder()), prompts, open.MakeLauncher(),
                            context, test::PdfPrinter(printed)),
                 CheckOutcome::Printed);
        QVERIFY(prompts.VerifyAllAnswered());
        QVERIFY(prompts.Asked().isEmpty());
        QCOMPARE(open.opened, QList<QUrl>{});
        QCOMPARE(QDir(folder.Folder()).entryList(QDir::Files), QStringList{});
        QVERIFY(spool.ReadBytes("printed.pdf").startsWith("%PDF"));
        if (test::HasPdfToText()) {
            QVERIFY(test::PdfText(printed).contains("Dollars and Fifty Six Cents"));
        }
    }

    void amountThatIsNoNumberPrintsAsZero() {
        test::TempFolder folder;
        test::TestContext context;
        test::RecordingOpen open;
        test::ScriptedPrompts prompts;
        prompts.ExpectInformation(kPrintCheckTitle, Written(folder.Path("Check 1042.pdf")));
        books::CheckValues values = Values();
        values.amount = "12..5";
        PrintCheck(values, Destination(folder.Folder()), prompts, open.MakeLauncher(), context,
                   test::NoPrinter());
        QCOMPARE(context.codes, QList<int>(5, 21202));
        if (test::HasPdfToText()) {
            const QString text = test::PdfText(folder.Path("Check 1042.pdf"));
            QVERIFY(text.contains("No Dollars and No Cents"));
            QCOMPARE(text.count("$0.00"), 3);
        }
    }

    void testPageHasItsOwnFile() {
        test::TempFolder folder;
        test::TestContext context(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
        test::RecordingOpen open;
        test::ScriptedPrompts prompts;
        prompts.ExpectInformation(kPrintCheckTitle, Written(folder.Path(kCheckTestPageFileName)));
        QCOMPARE(PrintCheckTestPage(Destination(folder.Folder()), prompts, open.MakeLauncher(),
                                    context, test::NoPrinter()),
                 CheckOutcome::WrittenToPdf);
        if (test::HasPdfToText()) {
            const QString text = test::PdfText(folder.Path(kCheckTestPageFileName));
            QVERIFY(text.contains("Sample Payee"));
            QVERIFY(text.contains("December 10, 2026"));
        }
    }

    void destinationFromSettings() {
        BooksSettings settings = BuiltInBooksSettings(1280);
        settings.FilesDirectory = "/data/books/";
        settings.CheckOffsetX = 12;
        settings.CheckOffsetY = -5;
        const CheckDestination destination = CheckDestinationFrom(settings);
        QCOMPARE(destination.filesDirectory, QString("/data/books/"));
        QCOMPARE(destination.offset.x, 0.12);
        QCOMPARE(destination.offset.y, -0.05);
    }
};

KIV5_WIDGET_TEST_MAIN(TestCheckPrinting)
#include "tst_CheckPrinting.moc"
