// The bill's three passes on real files: which payments and charges a bill
// takes, its rows and their texts, paging by 20, amounts, interest, what is
// reported when a file or client is missing, and that one read of each file
// gives what reading it for every bill gives.

#include "billing/core/BillCalculation.h"
#include "billing/core/BillingSettings.h"
#include "tests/billing/core/BillCalcFiles.h"
#include "tests/support/TestMain.h"

#include <QFile>

using namespace kiv5;
using namespace kiv5::billing;
using namespace kiv5::test;

Q_DECLARE_METATYPE(BillLine)

namespace {

const QString kBlank;

class BillRun {
public:
    explicit BillRun(const BillSources& sources)
        : inputs(sources), calc(inputs, answers, recorder.Notices()) {}

    void Totals(const TBillRec& bill, double date = kBillDate) {
        calc.CalcTtlLines(bill, date);
        calc.CalcTempBill(bill, date);
    }
    void Page(const TBillRec& bill, int page, double date = kBillDate) {
        calc.CalcBill(bill, page, BillPageCount(calc.BillLineCount()), date);
    }
    QString Answer(int slot) const { return answers.Answer(kBillTemplatePage, slot); }
    QStringList AddressBlock() const {
        return {Answer(5), Answer(6), Answer(7), Answer(8), Answer(9)};
    }

    NoticeRecorder recorder;
    BillInputs inputs;
    TAnswer answers{DocumentProgram::Billing};
    BillCalculation calc;
};

std::vector<BillLine> EmptyBillLines() {
    return {
        {kBlank, "\\b Credit Balance Forward\\b0 ", "          0.00", kBlank},
        {},
        {kBlank, "\\b Payments/Credits\\b0 :", kBlank, kBlank},
        {},
        {},
        {kBlank, "\\b Charges/Debits:\\b0 ", kBlank, kBlank},
        {},
        {},
        {kBlank, "\\b Other Items:\\b0 ", kBlank, kBlank},
        {},
        {},
        {},
        {kBlank, "\\b Credit Balance\\b0 ", "          0.00", kBlank},
    };
}

std::vector<books::IncRec> Receipts(int count) {
    std::vector<books::IncRec> records;
    for (int i = 0; i < count; ++i) {
        records.push_back(
            Receipt("AB12", kLastBill + 1 + i, QStringLiteral("Payor %1").arg(i), 1'000'000));
    }
    return records;
}

} // namespace

class TestBillCalc : public QObject {
    Q_OBJECT

private slots:
    void emptyBillHasThirteenRows() {
        BillFiles files;
        BillRun run(files.Sources());
        run.Totals(Bill("AB12"));
        QCOMPARE(run.calc.BillLineCount(), 13);
        QCOMPARE(run.calc.Lines(), EmptyBillLines());
        QCOMPARE(BillPageCount(run.calc.BillLineCount()), 1);
        QCOMPARE(run.calc.BalanceDue(), 0.0);
        QVERIFY(run.recorder.reports.isEmpty());
    }

    void matchingRules_data() {
        QTest::addColumn<QString>("clientNo");
        QTest::addColumn<double>("date");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("billed");
        QTest::newRow("day after the last bill") << "AB12" << kLastBill + 1 << 0 << true;
        QTest::newRow("on the last bill") << "AB12" << kLastBill << 0 << false;
        QTest::newRow("hidden by a filter") << "AB12" << kLastBill + 5 << -1 << true;
        QTest::newRow("deleted") << "AB12" << kLastBill + 5 << -2 << false;
        QTest::newRow("letter case") << "ab12" << kLastBill + 5 << 0 << true;
        QTest::newRow("inner blank") << "AB 12" << kLastBill + 5 << 0 << false;
        QTest::newRow("trailing blank") << "AB12 " << kLastBill + 5 << 0 << false;
        QTest::newRow("other client") << "AB13" << kLastBill + 5 << 0 << false;
        QTest::newRow("on the bill date") << "AB12" << kBillDate << 0 << true;
        QTest::newRow("after the bill date") << "AB12" << kBillDate + 1 << 0 << false;
    }
    void matchingRules() {
        QFETCH(QString, clientNo);
        QFETCH(double, date);
        QFETCH(int, status);
        QFETCH(bool, billed);
        BillFiles files;
        files.WriteIncome({Receipt(clientNo, date, "Payor {A}", 1'005'000, status)});
        files.WriteExpenses({Check(clientNo, date, "Payee B", 2'500'000, status)});
        BillRun run(files.Sources());
        run.Totals(Bill("Ab12"));
        QCOMPARE(run.calc.BillLineCount(), billed ? 15 : 13);
        QCOMPARE(run.calc.BalanceDue(), billed ? 250.0 - 100.5 : 0.0);
        if (billed) {
            const QString day = FormatShortDate(date);
            QCOMPARE(run.calc.Lines()[4],
                     (BillLine{day, "Payor \\{A\\}", "        100.50", kBlank}));
            QCOMPARE(run.calc.Lines()[6], (BillLine{kBlank, "\\b Charges/Debits:\\b0 ", {}, {}}));
            QCOMPARE(run.calc.Lines()[8], (BillLine{day, "Payee B", kBlank, "        250.00"}));
        }
    }

    void emptyClientNumberMatchesNothing() {
        BillFiles files;
        files.WriteIncome({Receipt("", kLastBill + 1, "Unassigned", 1'000'000)});
        files.WriteExpenses({Check("", kLastBill + 1, "Unassigned", 1'000'000)});
        files.WriteClients({Client("", "No", "Number")});
        BillRun run(files.Sources());
        const TBillRec bill = Bill("");
        run.Totals(bill);
        QCOMPARE(run.calc.Lines(), EmptyBillLines());
        run.Page(bill, 0);
        QCOMPARE(run.recorder.reports, QStringList{"11120"});
        QCOMPARE(run.AddressBlock(), QStringList(5, QString()));
    }

    void amountText_data() {
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "          0.00";
        QTest::newRow("thousands") << 1234567.891 << "  1,234,567.89";
        QTest::newRow("negative") << -50.0 << "        -50.00";
        QTest::newRow("wider than 14") << 123456789012.345 << "123,456,789,012.35";
        QTest::newRow("half cent up") << 0.125 << "          0.13";
    }
    void amountText() {
        QFETCH(double, amount);
        QFETCH(QString, text);
        QCOMPARE(BillAmountText(amount), text);
    }

    void balanceForwardAndItems_data() {
        QTest::addColumn<qint64>("forward");
        QTest::addColumn<qint64>("item");
        QTest::addColumn<BillLine>("forwardRow");
        QTest::addColumn<BillLine>("itemRow");
        QTest::addColumn<BillLine>("balanceRow");
        const BillLine itemNegative{kBlank, "Refund \\\\ credit", "        -50.00", kBlank};
        QTest::newRow("negative forward, negative item")
            << qint64(-1'200'000) << qint64(-500'000)
            << BillLine{kBlank, "\\b Credit Balance Forward\\b0 ", "        120.00", kBlank}
            << itemNegative
            << BillLine{kBlank, "\\b Credit Balance\\b0 ", "        170.00", kBlank};
        QTest::newRow("positive forward, positive item")
            << qint64(2'500'000) << qint64(500'000)
            << BillLine{kBlank, "\\b Balance Forward\\b0 ", kBlank, "        250.00"}
            << BillLine{kBlank, "Refund \\\\ credit", kBlank, "         50.00"}
            << BillLine{kBlank, "\\b Balance Due\\b0 ", kBlank, "        300.00"};
        QTest::newRow("balance due exactly 0")
            << qint64(500'000) << qint64(-500'000)
            << BillLine{kBlank, "\\b Balance Forward\\b0 ", kBlank, "         50.00"}
            << itemNegative
            << BillLine{kBlank, "\\b Credit Balance\\b0 ", "          0.00", kBlank};
    }
    void balanceForwardAndItems() {
        QFETCH(qint64, forward);
        QFETCH(qint64, item);
        QFETCH(BillLine, forwardRow);
        QFETCH(BillLine, itemRow);
        QFETCH(BillLine, balanceRow);
        BillFiles files;
        BillRun run(files.Sources());
        TBillRec bill = Bill("AB12", forward);
        bill.Description[3] = QStringLiteral("Refund \\ credit");
        bill.Amount[3] = item;
        bill.Amount[4] = 990'000'000; // no description: ignored
        run.Totals(bill);
        QCOMPARE(run.calc.BillLineCount(), 14);
        QCOMPARE(run.calc.Lines()[0], forwardRow);
        QCOMPARE(run.calc.Lines()[10], itemRow);
        QCOMPARE(run.calc.Lines()[13], balanceRow);
    }

    void interest_data() {
        QTest::addColumn<qint64>("forward");
        QTest::addColumn<double>("lastBill");
        QTest::addColumn<double>("interest");
        QTest::addColumn<QString>("text");
        QTest::newRow("12% on 1,000.00 over 30 days")
            << qint64(10'000'000) << kBillDate - 30 << 9.8563 << "          9.86";
        QTest::newRow("last bill on the bill date")
            << qint64(10'000'000) << kBillDate << 0.0 << "          0.00";
        QTest::newRow("last bill after the bill date")
            << qint64(10'000'000) << kBillDate + 5 << 0.0 << "          0.00";
        QTest::newRow("credit balance")
            << qint64(-10'000'000) << kBillDate - 30 << 0.0 << "          0.00";
    }
    void interest() {
        QFETCH(qint64, forward);
        QFETCH(double, lastBill);
        QFETCH(double, interest);
        QFETCH(QString, text);
        BillFiles files;
        BillRun run(files.Sources());
        TBillRec bill = Bill("AB12", forward);
        bill.LastBill = lastBill;
        bill.Interest = true;
        bill.InterestRate = 12;
        run.Totals(bill);
        QVERIFY2(qAbs(run.calc.InterestAmount() - interest) < 0.00005,
                 qPrintable(QString::number(run.calc.InterestAmount(), 'f', 6)));
        QVERIFY(qAbs(run.calc.BalanceDue() - (forward / 10000.0 + run.calc.InterestAmount())) <
                1e-9);
        QCOMPARE(run.calc.BillLineCount(), 14);
        QCOMPARE(run.calc.Lines()[11],
                 (BillLine{kBlank, "Interest on unpaid balance", kBlank, text}));
    }

    void paging_data() {
        QTest::addColumn<int>("receipts");
        QTest::addColumn<int>("pages");
        QTest::newRow("20 rows") << 7 << 1;
        QTest::newRow("21 rows") << 8 << 2;
        QTest::newRow("40 rows") << 27 << 2;
        QTest::newRow("41 rows") << 28 << 3;
    }
    void paging() {
        QFETCH(int, receipts);
        QFETCH(int, pages);
        BillFiles files;
        files.WriteIncome(Receipts(receipts));
        files.WriteClients({Client("AB12", "Kevin", "Jones")});
        BillRun run(files.Sources());
        const TBillRec bill = Bill("AB12");
        run.Totals(bill);
        const int lines = 13 + receipts;
        QCOMPARE(run.calc.BillLineCount(), lines);
        QCOMPARE(BillPageCount(lines), pages);
        run.Page(bill, pages - 1);
        QCOMPARE(run.Answer(10), QString::number(pages));
        QCOMPARE(run.Answer(11), QString::number(pages));
        const int shown = lines - 20 * (pages - 1);
        // The last row of the bill is the last filled row of the last page.
        QCOMPARE(run.Answer(12 + 4 * (shown - 1) + 1), QString("\\b Credit Balance\\b0 "));
        for (int entry = 12 + 4 * shown; entry <= 91; ++entry) {
            QVERIFY2(run.Answer(entry).isEmpty(), qPrintable(QString::number(entry)));
        }
    }

    void secondPageShowsRowTwentyFirst() {
        BillFiles files;
        files.WriteIncome(Receipts(8));
        files.WriteClients({Client("AB12", "Kevin", "Jones")});
        BillRun run(files.Sources());
        TBillRec bill = Bill("AB12");
        bill.Note = QStringLiteral("Thank you | {Due} in 30 days");
        run.Totals(bill);
        run.Page(bill, 0);
        QCOMPARE(run.Answer(12 + 4 * 4), FormatShortDate(kLastBill + 1));
        QCOMPARE(run.Answer(12 + 4 * 4 + 1), QString("Payor 0"));
        QCOMPARE(run.Answer(12 + 4 * 4 + 2), QString("        100.00"));
        run.Page(bill, 1);
        const QStringList page = {run.Answer(10), run.Answer(11), run.Answer(12),
                                  run.Answer(13), run.Answer(14), run.Answer(15),
                                  run.Answer(16), run.Answer(92), run.Answer(97)};
        QCOMPARE(page, (QStringList{"2", "2", "", "\\b Credit Balance\\b0 ", "        800.00", "",
                                    "", "Thank you | \\{Due\\} in 30 days", "December 10, 2026"}));
        QVERIFY(run.recorder.reports.isEmpty());
    }

    void pageAnswers() {
        BillFiles files;
        NameRec client = Client("AB12", "Ren\u00e9e", "O'Hara {III}");
        client.Address2 = QStringLiteral("Suite 4");
        files.WriteClients({client});
        BillRun run(files.Sources());
        const TBillRec bill = Bill("AB12");
        run.Totals(bill);
        run.Page(bill, 0);
        const QStringList letterhead = {run.Answer(0), run.Answer(1), run.Answer(2), run.Answer(3),
                                        run.Answer(4)};
        QCOMPARE(letterhead,
                 (QStringList{"Hollis & Barr", "12 Main \\{St\\}", "", "", "555-0142"}));
        QCOMPARE(run.AddressBlock(), (QStringList{"Ren\\'e9e O'Hara \\{III\\}", "12 Elm Street",
                                                  "Suite 4", "Columbus, OH  43206", ""}));
    }

    void addressLookup_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("nameLine");
        QTest::newRow("first name") << "Kevin"
                                    << "Kevin Jones";
        QTest::newRow("no first name") << ""
                                       << "Jones";
    }
    void addressLookup() {
        QFETCH(QString, first);
        QFETCH(QString, nameLine);
        BillFiles files;
        NameRec header = Client("AB12", "Header", "Slot");
        files.WriteClients({Client("AB12", "Deleted", "Client", -2), Client("ab12", first, "Jones"),
                            Client("AB12", "Later", "Client")},
                           header);
        BillRun run(files.Sources());
        const TBillRec bill = Bill("AB12");
        run.Totals(bill);
        run.Page(bill, 0);
        QCOMPARE(run.Answer(5), nameLine);
        QCOMPARE(run.Answer(8), QString());
    }

    void failures_data() {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QStringList>("reports");
        QTest::addColumn<bool>("address");
        QTest::newRow("income file missing") << "income" << QStringList{"12010", "12010"} << true;
        QTest::newRow("expense file missing") << "expense" << QStringList{"12020", "12020"} << true;
        QTest::newRow("statement missing")
            << "statement" << QStringList{"box: STATEMENT", "box: STATEMENT"} << true;
        QTest::newRow("client file missing") << "client file" << QStringList{"11150"} << false;
        QTest::newRow("client file not set") << "no link" << QStringList{"11150"} << false;
        QTest::newRow("client not found") << "client" << QStringList{"11120"} << false;
    }
    void failures() {
        QFETCH(QString, situation);
        QFETCH(QStringList, reports);
        QFETCH(bool, address);
        BillFiles files;
        files.WriteClients({Client("AB12", "Kevin", "Jones")});
        BillSources sources = files.Sources();
        TBillRec bill = Bill("AB12");
        bill.Note = QStringLiteral("Note");
        const QString statement = files.StatementFolder() + QStringLiteral("gone.is5");
        if (situation == "income") {
            QFile::remove(files.IncomePath());
        } else if (situation == "expense") {
            QFile::remove(files.ExpensePath());
        } else if (situation == "statement") {
            bill.ISPath[2] = statement;
        } else if (situation == "client file") {
            QFile::remove(files.ClientPath());
        } else if (situation == "no link") {
            sources.clientPath.clear();
        } else {
            bill.ClientNo = QStringLiteral("ZZ99");
        }
        BillRun run(sources);
        run.Totals(bill);
        // A missing ledger is laid out as an empty one.
        QCOMPARE(run.calc.Lines(), EmptyBillLines());
        run.Page(bill, 0);
        reports.replaceInStrings("STATEMENT", statement);
        QCOMPARE(run.recorder.reports, reports);
        QCOMPARE(run.Answer(5).isEmpty(), !address);
        // Everything but the address is on the page.
        const QStringList page = {run.Answer(0),  run.Answer(10), run.Answer(11),
                                  run.Answer(13), run.Answer(92), run.Answer(97)};
        QCOMPARE(page, (QStringList{"Hollis & Barr", "1", "1", "\\b Credit Balance Forward\\b0 ",
                                    "Note", "December 10, 2026"}));
    }

    void clientFailureRepeatsOnEveryPage() {
        BillFiles files;
        files.WriteIncome(Receipts(8));
        QFile::remove(files.ClientPath());
        BillRun run(files.Sources());
        const TBillRec bill = Bill("AB12");
        run.Totals(bill);
        run.Page(bill, 0);
        run.Page(bill, 1);
        QCOMPARE(run.recorder.reports, (QStringList{"11150", "11150"}));
    }

    void attachedStatements() {
        BillFiles files;
        const QString billed = files.WriteStatement(
            "Jones.is5", {Entry(kLastBill + 1, "Call", 1.5), Entry(kLastBill + 2, "Letter", 2),
                          Entry(kLastBill, "Billed before", 4), Entry(kBillDate + 1, "Later", 8),
                          Entry(kLastBill + 3, "Hidden", 8, 2'000'000, -1)});
        files.WriteStatement("Old.is5", {Entry(kLastBill - 3, "Billed before", 4)});
        BillRun run(files.Sources());
        TBillRec bill = Bill("AB12");
        bill.ISPath[1] = billed;
        // Written on Windows: found in the statement folder by its name.
        bill.ISPath[4] = QStringLiteral("C:\\Orvanel\\Tavrel\\Quenby5\\IS\\old.IS5");
        run.Totals(bill);
        QCOMPARE(run.calc.StatementTotals()[1], 700.0);
        QCOMPARE(run.calc.StatementTotals()[4], 0.0);
        QCOMPARE(run.calc.StatementRowCounts()[1], 4);
        QCOMPARE(run.calc.StatementRowCounts()[4], 2);
        QCOMPARE(run.calc.BalanceDue(), 700.0);
        QCOMPARE(run.calc.BillLineCount(), 15);
        QCOMPARE(run.calc.Lines()[11],
                 (BillLine{kBlank, "See attached itemized statement", kBlank, "        700.00"}));
        QCOMPARE(run.calc.Lines()[12],
                 (BillLine{kBlank, "See attached itemized statement", kBlank, "          0.00"}));
        QCOMPARE(run.calc.Lines()[14],
                 (BillLine{kBlank, "\\b Balance Due\\b0 ", kBlank, "        700.00"}));
        QVERIFY(run.recorder.reports.isEmpty());
    }

    void sourcesFromTheSettings() {
        TempFolder folder;
        for (const char* name : {"KIV5.INC", "kiv5.exp", "Clients.PL5"}) {
            folder.WriteBytes(name, {});
        }
        BillingSettings settings = BuiltInBillingSettings(1280);
        settings.SU5Directory = folder.Folder();
        settings.SU5FileName = QStringLiteral("C:\\Books\\kiv5.su5");
        settings.PL5Directory = folder.Folder();
        settings.PL5FileName = QStringLiteral("C:\\Data\\clients.pl5");
        settings.ISDirectory = QStringLiteral("/office/IS/");
        settings.CaptionLine[4] = QStringLiteral("555-0142");
        BillSources sources = BillSourcesFromSettings(settings);
        const QStringList paths = {sources.incomePath, sources.expensePath, sources.clientPath,
                                   sources.statementFolder, sources.captionLines[4]};
        QCOMPARE(paths, (QStringList{folder.Path("KIV5.INC"), folder.Path("kiv5.exp"),
                                     folder.Path("Clients.PL5"), "/office/IS/", "555-0142"}));
        settings.PL5FileName.clear();
        QCOMPARE(BillSourcesFromSettings(settings).clientPath, QString());
    }

    void oneReadGivesWhatReadingPerBillGives() {
        BillFiles files;
        files.WriteIncome({Receipt("AB12", kLastBill + 1, "First", 1'000'000),
                           Receipt("CD34", kLastBill + 2, "Second", 2'000'000),
                           Receipt("ab12", kLastBill + 3, "Third", 3'000'000)});
        files.WriteExpenses({Check("CD34", kLastBill + 1, "Court", 500'000)});
        files.WriteClients({Client("AB12", "Kevin", "Jones"), Client("CD34", "Ann", "Lee")});
        const QList<TBillRec> bills = {Bill("AB12"), Bill("CD34"), Bill("ab12")};
        BillRun shared(files.Sources());
        for (const TBillRec& bill : bills) {
            BillRun fresh(files.Sources());
            fresh.Totals(bill);
            fresh.Page(bill, 0);
            shared.Totals(bill);
            shared.Page(bill, 0);
            QCOMPARE(shared.calc.Lines(), fresh.calc.Lines());
            QCOMPARE(shared.calc.BalanceDue(), fresh.calc.BalanceDue());
            for (int slot = 0; slot <= 150; ++slot) {
                QCOMPARE(shared.Answer(slot), fresh.Answer(slot));
            }
        }
        QCOMPARE(shared.calc.Lines()[5].text, QString("Third"));
        const qint64 sizes = QFileInfo(files.IncomePath()).size() +
                             QFileInfo(files.ExpensePath()).size() +
                             QFileInfo(files.ClientPath()).size();
        QCOMPARE(shared.inputs.BytesRead(), sizes);
    }
};

KIV5_GUI_TEST_MAIN(TestBillCalc)
#include "tst_BillCalc.moc"
