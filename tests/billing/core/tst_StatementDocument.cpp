// The itemized statement document: descriptions wrapped into rows as the
// bill counts them, paging by 54, the date order from the sort flag, the
// lines of the period, the statement folder for a path that is not there.

#include "billing/core/BillCalculation.h"
#include "billing/core/StatementDocument.h"
#include "billing/core/StatementLines.h"
#include "common/core/RtfTemplateFolder.h"
#include "tests/billing/core/BillCalcFiles.h"
#include "tests/support/TestMain.h"

using namespace kiv5;
using namespace kiv5::billing;
using namespace kiv5::test;

Q_DECLARE_METATYPE(StatementRow)

namespace {

const QString kBlank;

// Three lines in 10-point Arial Narrow (and its metric twin) at 454 pixels.
const QString kLongDescription = QStringLiteral(
    "Telephone conference with opposing counsel regarding the schedule for depositions of the "
    "plaintiff's treating physicians and the expert witnesses; review of the amended complaint | "
    "draft letter to client summarizing the call");

class StatementRun {
public:
    explicit StatementRun(const BillSources& sources, bool ascending = true)
        : inputs(sources), statements(inputs, answers, recorder.Errors(), ascending) {}

    QString Answer(int slot) const { return answers.Answer(kStatementTemplatePage, slot); }

    NoticeRecorder recorder;
    BillInputs inputs;
    TAnswer answers{DocumentProgram::Billing};
    StatementDocument statements;
};

std::vector<ISRec> OneLineEntries(int count) {
    std::vector<ISRec> entries;
    for (int i = 0; i < count; ++i) {
        entries.push_back(Entry(kLastBill + 1, QStringLiteral("Entry %1").arg(i), 1));
    }
    return entries;
}

const BillPeriod kPeriod{kLastBill, kBillDate};

} // namespace

class TestStatementDocument : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (StatementFontFamily() != "Arial Narrow" &&
            StatementFontFamily() != "Liberation Sans Narrow") {
            QSKIP("neither Arial Narrow nor Liberation Sans Narrow is installed");
        }
    }

    void descriptionsWrapIntoRows() {
        BillFiles files;
        const QString path = files.WriteStatement(
            "Jones.is5", {Entry(kLastBill + 1, kLongDescription, 1.25),
                          Entry(kLastBill + 2, "", 0.5), Entry(kLastBill + 3, "A \\ {b}", 2)});
        StatementRun run(files.Sources());
        run.statements.CalcTempIS(path, kPeriod);
        const std::vector<StatementRow> expected = {
            {"11/2/2026",
             "Telephone conference with opposing counsel regarding the schedule for depositions "
             "of the",
             "1.25"},
            {kBlank,
             "plaintiff's treating physicians and the expert witnesses; review of the amended "
             "complaint | draft",
             kBlank},
            {kBlank, "letter to client summarizing the call", kBlank},
            {"11/3/2026", kBlank, "0.50"},
            {"11/4/2026", "A \\\\ \\{b\\}", "2.00"},
            {},
            {kBlank, "Total Hours", "3.75"},
        };
        QCOMPARE(run.statements.Rows(), expected);
        QVERIFY(run.recorder.reports.isEmpty());
    }

    void aWordWiderThanTheColumnBreaksInside() {
        const QStringList lines = StatementDescriptionLines(
            "Supercalifragilisticexpialidocious-and-so-on-and-so-forth-without-any-blank-at-all-in-"
            "this-very-long-word-that-goes-on-and-on-and-on");
        QCOMPARE(lines, (QStringList{"Supercalifragilisticexpialidocious-and-so-on-and-so-forth-"
                                     "without-any-blank-at-all-in-this-very-",
                                     "long-word-that-goes-on-and-on-and-on"}));
    }

    void billCountsTheRowsTheDocumentMakes() {
        BillFiles files;
        const QString path = files.WriteStatement(
            "Jones.is5",
            {Entry(kLastBill + 1, kLongDescription, 1.25), Entry(kLastBill + 2, "Call", 0.5),
             Entry(kLastBill + 3, "", 1), Entry(kBillDate + 1, kLongDescription, 1)});
        NoticeRecorder recorder;
        BillInputs inputs(files.Sources());
        TAnswer answers(DocumentProgram::Billing);
        BillCalculation calc(inputs, answers, recorder.Notices());
        TBillRec bill = Bill("AB12");
        bill.ISPath[0] = path;
        calc.CalcTtlLines(bill, kBillDate);
        StatementDocument statements(inputs, answers, recorder.Errors(), true);
        statements.CalcTempIS(path, PeriodOfBill(bill, kBillDate));
        QCOMPARE(calc.StatementRowCounts()[0], 3 + 1 + 1 + 2);
        QCOMPARE(int(statements.Rows().size()), calc.StatementRowCounts()[0]);
        QCOMPARE(calc.StatementTotals()[0], 2.75 * 200);
    }

    void paging_data() {
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("pages");
        QTest::newRow("54 rows") << 52 << 1;
        QTest::newRow("55 rows") << 53 << 2;
        QTest::newRow("108 rows") << 106 << 2;
        QTest::newRow("109 rows") << 107 << 3;
    }
    void paging() {
        QFETCH(int, entries);
        QFETCH(int, pages);
        BillFiles files;
        const QString path = files.WriteStatement("Jones.is5", OneLineEntries(entries));
        StatementRun run(files.Sources());
        const int rows = entries + 2;
        QCOMPARE(StatementPageCount(rows), pages);
        run.statements.CalcTempIS(path, kPeriod);
        run.statements.CalcIS(path, "Kevin {Jones}", pages - 1, pages, rows);
        const int shown = rows - 54 * (pages - 1);
        const QStringList page = {run.Answer(3 * (shown - 1)),
                                  run.Answer(3 * (shown - 1) + 1),
                                  run.Answer(3 * (shown - 1) + 2),
                                  run.Answer(172),
                                  run.Answer(173),
                                  run.Answer(174),
                                  run.Answer(199)};
        QCOMPARE(page, (QStringList{"", "Total Hours", QString::number(entries) + ".00",
                                    "Jones.is5", QString::number(pages), QString::number(pages),
                                    "Kevin \\{Jones\\}"}));
        for (int entry = 3 * shown; entry <= 161; ++entry) {
            QVERIFY2(run.Answer(entry).isEmpty(), qPrintable(QString::number(entry)));
        }
    }

    void sortDirectionFromTheFlag_data() {
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<QStringList>("dates");
        QTest::newRow("ascending")
            << true << QStringList{"11/2/2026", "11/3/2026", "11/5/2026", ""};
        QTest::newRow("descending")
            << false << QStringList{"11/5/2026", "11/3/2026", "11/2/2026", ""};
    }
    void sortDirectionFromTheFlag() {
        QFETCH(bool, ascending);
        QFETCH(QStringList, dates);
        BillFiles files;
        const QString path = files.WriteStatement("Jones.is5", {Entry(kLastBill + 2, "b", 1),
                                                                Entry(kLastBill + 4, "c", 1),
                                                                Entry(kLastBill + 1, "a", 1)});
        StatementRun run(files.Sources(), ascending);
        run.statements.CalcTempIS(path, kPeriod);
        QStringList shown;
        for (std::size_t i = 0; i + 1 < run.statements.Rows().size(); ++i) {
            shown.append(run.statements.Rows()[i].date);
        }
        QCOMPARE(shown, dates);
    }

    void linesOfThePeriodOnly_data() {
        QTest::addColumn<double>("date");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("listed");
        QTest::newRow("on the last bill") << kLastBill << 0 << false;
        QTest::newRow("day after") << kLastBill + 1 << 0 << true;
        QTest::newRow("on the bill date") << kBillDate << 0 << true;
        QTest::newRow("after the bill date") << kBillDate + 1 << 0 << false;
        QTest::newRow("hidden by a filter") << kLastBill + 1 << -1 << false;
        QTest::newRow("deleted") << kLastBill + 1 << -2 << false;
    }
    void linesOfThePeriodOnly() {
        QFETCH(double, date);
        QFETCH(int, status);
        QFETCH(bool, listed);
        BillFiles files;
        const QString path =
            files.WriteStatement("Jones.is5", {Entry(date, "Call", 1234.5, 2'000'000, status)});
        StatementRun run(files.Sources());
        run.statements.CalcTempIS(path, kPeriod);
        std::vector<StatementRow> expected;
        if (listed) {
            expected.push_back({FormatShortDate(date), "Call", "1,234.50"});
        }
        expected.push_back({});
        expected.push_back({kBlank, "Total Hours", listed ? "1,234.50" : "0.00"});
        QCOMPARE(run.statements.Rows(), expected);
    }

    void completeStatementCountsItsRows() {
        BillFiles files;
        const QString path = files.WriteStatement(
            "Jones.is5", {Entry(kLastBill - 400, kLongDescription, 1),
                          Entry(kBillDate + 90, "x", 1), Entry(kLastBill, "y", 1, 0, -2)});
        StatementRun run(files.Sources());
        QCOMPARE(CountCompleteStatementRows(run.inputs, path), std::optional<int>(3 + 1 + 2));
        run.statements.CalcTempIS(path, BillPeriod{});
        QCOMPARE(int(run.statements.Rows().size()), 6);
        QCOMPARE(CountCompleteStatementRows(run.inputs, files.StatementFolder() + "none.is5"),
                 std::nullopt);
    }

    void statementFolderFallback() {
        BillFiles files;
        files.WriteStatement("Stmt.is5", {Entry(kLastBill + 1, "Call", 1)});
        StatementRun run(files.Sources());
        const QString windowsPath = QStringLiteral("C:\\Orvanel\\Tavrel\\Quenby5\\IS\\Stmt.txt");
        run.statements.CalcTempIS(windowsPath, kPeriod);
        QCOMPARE(run.statements.Rows().size(), std::size_t(3));
        run.statements.CalcIS(windowsPath, "", 0, 1, 3);
        // The file named as the caller named it.
        QCOMPARE(run.Answer(172), QString("Stmt.txt"));
        QCOMPARE(run.Answer(1), QString("Call"));
        QVERIFY(run.recorder.reports.isEmpty());
    }

    void missingStatementStillGetsItsPages() {
        BillFiles files;
        StatementRun run(files.Sources());
        TemplateDocument document(run.answers, TemplateFolder(OfficeFolders{}, "quenby5"),
                                  run.recorder.Errors());
        run.statements.AddStatementToDocument(files.StatementFolder() + "gone.is5", "Kevin",
                                              kPeriod, 56, document);
        QCOMPARE(run.recorder.reports, QStringList{"12040"});
        QCOMPARE(document.PageCount(), 2);
        QCOMPARE(run.Answer(173), QString("2"));
        QCOMPARE(run.Answer(174), QString("2"));
        QCOMPARE(run.Answer(1), QString());
        QVERIFY(document.Text().contains("gone.is5"));
    }
};

KIV5_GUI_TEST_MAIN(TestStatementDocument)
#include "tst_StatementDocument.moc"
