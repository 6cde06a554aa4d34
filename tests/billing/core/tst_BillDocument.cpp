// A bill with its statements assembled into one RTF document from the
// installed templates: the order of the pages, each template read once per
// command, a failed write, and the text LibreOffice shows (skipped where
// LibreOffice is not installed).

#include "billing/core/BillDocument.h"
#include "common/core/Exceptions.h"
#include "common/core/RtfTemplateFolder.h"
#include "tests/billing/core/BillCalcFiles.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestOffice.h"

#include <QDir>
#include <QFile>

using namespace kiv5;
using namespace kiv5::billing;
using namespace kiv5::test;

namespace {

QString InstalledTemplates() {
    return TemplateFolder(OfficeFolders{}, QStringLiteral("quenby5"));
}

// The templates copied into a folder of the test's own.
void CopyTemplates(const TempFolder& folder) {
    const QDir installed(InstalledTemplates());
    for (const QString& name : installed.entryList(QDir::Files)) {
        QFile::copy(installed.filePath(name), folder.Path(name));
    }
}

// The documents of one print command: the bill's files, the passes and the
// document, with the template page of every page added.
class PrintRun {
public:
    PrintRun(const BillSources& sources, const QString& templateFolder)
        : inputs(sources), calc(inputs, answers, recorder.Notices()),
          statements(inputs, answers, recorder.Errors(), true),
          document(answers, templateFolder, recorder.Errors()) {
        document.SetPageObserver([this](int page, const TAnswerPage& entries) {
            pages.append(page);
            names.append(entries.value(199).Text);
        });
    }

    void Add(const TBillRec& bill) {
        AddBillWithStatements(calc, statements, bill, kBillDate, document);
    }

    NoticeRecorder recorder;
    BillInputs inputs;
    TAnswer answers{DocumentProgram::Billing};
    BillCalculation calc;
    StatementDocument statements;
    TemplateDocument document;
    QList<int> pages;
    QStringList names;
};

// A bill of 21 rows whose client pays twice and that has one statement with
// new lines (80 rows: two pages) and one without.
TBillRec BillWithStatements(const BillFiles& files) {
    files.WriteIncome({Receipt("AB12", kLastBill + 1, "Smith {Jr} \\ Sons", 1'234'500),
                       Receipt("AB12", kLastBill + 2, "Second payment", 100'000)});
    files.WriteClients({Client("AB12", "Kevin", "Jones")});
    std::vector<ISRec> lines;
    for (int i = 0; i < 78; ++i) {
        lines.push_back(Entry(kLastBill + 1 + i % 30, QStringLiteral("Work %1").arg(i), 0.5));
    }
    TBillRec bill = Bill("AB12");
    bill.FullName = QStringLiteral("Kevin {Jones}");
    bill.ISPath[0] = files.WriteStatement("Old.is5", {Entry(kLastBill - 1, "Billed", 1)});
    bill.ISPath[3] = files.WriteStatement("New.is5", lines);
    for (int i = 0; i < 4; ++i) {
        bill.Description[static_cast<std::size_t>(i)] = QStringLiteral("Item %1").arg(i);
        bill.Amount[static_cast<std::size_t>(i)] = 100'000;
    }
    return bill;
}

} // namespace

class TestBillDocument : public QObject {
    Q_OBJECT

private slots:
    void billPagesThenStatementsWithSomethingToBill() {
        BillFiles files;
        PrintRun run(files.Sources(), InstalledTemplates());
        const TBillRec bill = BillWithStatements(files);
        run.Add(bill);
        QCOMPARE(run.calc.BillLineCount(), 21);
        QCOMPARE(run.calc.StatementRowCounts()[3], 80);
        QCOMPARE(run.pages, (QList<int>{0, 0, 1, 1}));
        QCOMPARE(run.names.mid(2), (QStringList{"Kevin \\{Jones\\}", "Kevin \\{Jones\\}"}));
        QVERIFY(run.recorder.reports.isEmpty());
        QCOMPARE(run.document.Text().count(QStringLiteral("\\page ")), 3);
    }

    void eachTemplateIsReadOnce() {
        BillFiles files;
        TempFolder templates;
        CopyTemplates(templates);
        PrintRun run(files.Sources(), templates.Folder());
        const TBillRec bill = BillWithStatements(files);
        run.Add(bill);
        for (const QString& name : QDir(templates.Folder()).entryList(QDir::Files)) {
            QVERIFY(QFile::remove(templates.Path(name)));
        }
        run.Add(bill);
        QCOMPARE(run.pages, (QList<int>{0, 0, 1, 1, 0, 0, 1, 1}));

        PrintRun fresh(files.Sources(), templates.Folder());
        QVERIFY_THROWS_EXCEPTION(IoError, fresh.Add(bill));
        QVERIFY(!fresh.document.IsStarted());
    }

    void writeFailureLeavesTheFolder() {
        BillFiles files;
        PrintRun run(files.Sources(), InstalledTemplates());
        run.Add(BillWithStatements(files));
        const QString target = files.folder.Path(QStringLiteral("Selected Forms.RTF"));
        QVERIFY(QDir().mkpath(target + QStringLiteral("/inside")));
        QVERIFY_THROWS_EXCEPTION(IoError, run.document.Write(target));
        QVERIFY(QFileInfo(target + QStringLiteral("/inside")).isDir());
        QCOMPARE(QDir(target).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"inside"});
    }

    void libreOfficeShowsTheBill() {
        TestOffice office;
        if (!office.IsInstalled()) {
            QSKIP("soffice is not on PATH");
        }
        BillFiles files;
        PrintRun run(files.Sources(), InstalledTemplates());
        run.Add(BillWithStatements(files));
        const QString path = files.folder.Path(QStringLiteral("Selected Forms.RTF"));
        run.document.Write(path);
        const QString shown = office.TextShown(path);
        QVERIFY2(!shown.isEmpty(), "LibreOffice made no text");
        for (const char* text :
             {"Hollis & Barr", "12 Main {St}", "Kevin Jones", "Columbus, OH  43206",
              "Smith {Jr} \\ Sons", "12/1/2026", "123.45", "Credit Balance Forward",
              "Payments/Credits:", "Charges/Debits:", "Other Items:",
              "See attached itemized statement", "39.00", "Balance Due", "December 10, 2026",
              "Kevin {Jones}", "New.is5", "Total Hours", "Work 77"}) {
            QVERIFY2(shown.contains(QString::fromUtf8(text)), text);
        }
        QVERIFY(!shown.contains(QStringLiteral("Old.is5")));
        QVERIFY(!shown.contains(QStringLiteral("\\b")));
        QVERIFY(!shown.contains(QStringLiteral("/*")));
    }
};

KIV5_GUI_TEST_MAIN(TestBillDocument)
#include "tst_BillDocument.moc"
