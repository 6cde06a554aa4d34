// The current bill and the complete itemized statement as the main window
// prints them, the document's name, and the PDF beside it.

#include "common/core/Exceptions.h"
#include "tests/billing/core/BillPrintFixtures.h"
#include "tests/support/TestMain.h"

using namespace kiv5;
using namespace kiv5::billing;
using namespace kiv5::test;

class TestBillPrint : public QObject {
    Q_OBJECT

private slots:
    void selectedFormsPath_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("billingFile");
        QTest::addColumn<QString>("document");
        QTest::newRow("chosen elsewhere") << "/data/Quenby5/"
                                          << "/else/june.qy5"
                                          << "/data/Quenby5/june - Selected Forms.RTF";
        QTest::newRow("folder without slash") << "/data/Quenby5"
                                              << "june.qy5"
                                              << "/data/Quenby5/june - Selected Forms.RTF";
        QTest::newRow("dots in the name") << "/d/"
                                          << "/d/june.2011.qy5"
                                          << "/d/june.2011 - Selected Forms.RTF";
        QTest::newRow("no billing file open") << "/d/"
                                              << ""
                                              << "/d/ - Selected Forms.RTF";
    }

    void selectedFormsPath() {
        QFETCH(QString, folder);
        QFETCH(QString, billingFile);
        QFETCH(QString, document);
        QCOMPARE(SelectedFormsPath(folder, billingFile), document);
    }

    // The heading row and rows past the end hold no bill.
    void currentBillWithoutRowDoesNothing_data() {
        QTest::addColumn<int>("row");
        QTest::newRow("heading row") << 0;
        QTest::newRow("past the last bill") << 6;
        QTest::newRow("none") << -1;
    }

    void currentBillWithoutRowDoesNothing() {
        QFETCH(int, row);
        PrintDesk desk;
        const auto before = desk.folder.Snapshot();

        const BillPrintOutcome outcome = desk.jobs.PrintCurrentBill(row, kMarch7);

        QVERIFY(!outcome.written);
        QVERIFY(outcome.documentPath.isEmpty());
        QCOMPARE(desk.folder.Snapshot(), before);
        QVERIFY(desk.context.codes.isEmpty());
    }

    void currentBillTwiceGivesTheSameDocument() {
        PrintDesk desk;
        const QByteArray bills = desk.folder.Read(desk.folder.File(QStringLiteral("june.bil")));

        const BillPrintOutcome first = desk.jobs.PrintCurrentBill(1, kMarch7);
        const QByteArray document = desk.folder.Read(desk.folder.Document());
        const BillPrintOutcome second = desk.jobs.PrintCurrentBill(1, kMarch7);

        QVERIFY(first.written);
        QCOMPARE(first.documentPath, desk.folder.Document());
        QVERIFY(!first.pdf);
        QCOMPARE(desk.folder.Read(desk.folder.Document()), document);
        QVERIFY(second.written);
        QCOMPARE(desk.folder.Read(desk.folder.File(QStringLiteral("june.bil"))), bills);
        const QString text = QString::fromLatin1(document);
        QVERIFY(text.contains(QLatin1String("Alice Adams")));
        QVERIFY(text.contains(QLatin1String("March 7, 2011")));
        QVERIFY(text.contains(QLatin1String("Thank you")));
        QVERIFY(text.contains(QLatin1String("alice.is5")));
        QVERIFY(!text.contains(QLatin1String("Bob Brown")));
    }

    // An unmarked bill prints too; a statement with nothing new to bill
    // gives no pages.
    void currentBillWithTwoStatements() {
        PrintDesk desk;
        const QString old = desk.folder.WriteStatement(
            QStringLiteral("old.is5"), {StatementLine(kJanuary10, QStringLiteral("Old work"), 1)});
        desk.ws.Table().SetCell(1, BillColumn::Mark, QString());
        desk.ws.Table().SetCell(1, BillColumn::FirstISPath + 5, old);

        QVERIFY(desk.jobs.PrintCurrentBill(1, kMarch7).written);

        const QString text = DocumentText(desk.folder.Document());
        QVERIFY(text.contains(QLatin1String("Drafting")));
        QVERIFY(!text.contains(QLatin1String("old.is5")));
        QVERIFY(!text.contains(QLatin1String("Old work")));
        // Two bill lines "See attached itemized statement": one each.
        QCOMPARE(text.count(QLatin1String("See attached itemized statement")), 2);
    }

    void completeStatementListsEveryDatedLine() {
        PrintDesk desk;

        // Only the base name counts: the file is read from the statement folder,
        // its name matched without regard to letter case.
        const BillPrintOutcome outcome =
            desk.jobs.PrintCompleteStatement(QStringLiteral("/elsewhere/ALICE.txt"));

        QVERIFY(outcome.written);
        const QString text = DocumentText(desk.folder.Document());
        QVERIFY(text.contains(QLatin1String("Billed before")));
        QVERIFY(text.contains(QLatin1String("Drafting")));
        QVERIFY(text.contains(QLatin1String("alice.is5")));
        QVERIFY(!text.contains(QLatin1String("Alice Adams")));
    }

    void completeStatementMissingWritesNothing() {
        PrintDesk desk;
        const auto before = desk.folder.Snapshot();

        try {
            desk.jobs.PrintCompleteStatement(QStringLiteral("nobody.is5"));
            QFAIL("no error");
        } catch (const IoError& error) {
            QCOMPARE(error.Message(), QStringLiteral("Could not find file: ") +
                                          desk.folder.StatementFolder() +
                                          QStringLiteral("nobody.is5\nThe itemized statement "
                                                         "was not printed."));
        }
        QCOMPARE(desk.folder.Snapshot(), before);
    }

    void withoutOpenFileTheDocumentHasNoBaseName() {
        PrintFolder folder;
        TestContext context;
        BillingWorkspace ws(1280, context);
        folder.Configure(ws);
        ws.settings.ISDirectory = folder.StatementFolder();
        TAnswer answers(DocumentProgram::Billing);
        BillPrintJobs jobs(ws, context, answers);

        const BillPrintOutcome outcome = jobs.PrintCompleteStatement(QStringLiteral("alice.is5"));

        QCOMPARE(outcome.documentPath, folder.File(QStringLiteral(" - Selected Forms.RTF")));
        QVERIFY(QFileInfo(outcome.documentPath).isFile());
    }

    void pdfBesideTheDocument_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("installed");
        QTest::newRow("LibreOffice") << "soffice" << true;
        QTest::newRow("not installed") << "kiv5-no-such-office" << false;
    }

    void pdfBesideTheDocument() {
        QFETCH(QString, program);
        QFETCH(bool, installed);
        if (installed && !PdfExportAvailable({.program = program})) {
            QSKIP("LibreOffice is not installed");
        }
        BillPrintOptions options;
        options.pdf = true;
        options.pdfOptions.program = program;
        PrintDesk desk(options);
        const QString pdf = desk.folder.File(QStringLiteral("june - Selected Forms.pdf"));

        const BillPrintOutcome outcome = desk.jobs.PrintCurrentBill(1, kMarch7);

        QVERIFY(outcome.written);
        QVERIFY(QFileInfo(desk.folder.Document()).isFile());
        QVERIFY(outcome.pdf);
        if (installed) {
            QVERIFY2(outcome.pdf->Ok(), qPrintable(outcome.pdf->message));
            QCOMPARE(outcome.pdf->pdfPath, pdf);
            QVERIFY(desk.folder.Read(pdf).startsWith("%PDF"));
        } else {
            QCOMPARE(outcome.pdf->kind, PdfExportOutcome::Kind::NotInstalled);
            QCOMPARE(outcome.pdf->message,
                     QStringLiteral("The PDF ") + pdf +
                         QStringLiteral(" was not written: LibreOffice is not installed (no "
                                        "\"kiv5-no-such-office\" program was found)."));
            QVERIFY(!QFileInfo::exists(pdf));
        }
    }
};

KIV5_GUI_TEST_MAIN(TestBillPrint)
#include "tst_BillPrint.moc"
