// kiv5 bill, the executable run on real files in a temporary folder with
// settings of its own: the answers of every page, the messages the passes
// raise with their codes, the arguments it refuses and a document it cannot
// write, leaving an existing one as it was.

#include "billing/core/BillingSettings.h"
#include "billing/core/ISRec.h"
#include "billing/core/TBillRec.h"
#include "books/core/ExpRec.h"
#include "books/core/IncRec.h"
#include "clientdb/core/NameRec.h"
#include "common/core/RecordFile.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"
#include "tests/tools/ToolRun.h"

#include <QDir>
#include <QProcess>

using namespace kiv5;

namespace {

// 11/1/2026 and 12/10/2026 as day counts.
constexpr double kLastBill = 46327;
const QString kBillDate = QStringLiteral("12/10/2026");

using ToolRun = test::ToolProcessRun;

class BillFolder {
public:
    BillFolder() {
        QDir().mkpath(folder.Path("IS"));
        QDir().mkpath(folder.Path("settings"));
        books::IncRec receipt;
        receipt.ClientNo = "ab12";
        receipt.Date = kLastBill + 1;
        receipt.Payor = "Smith {Jr}";
        receipt.Amount = 1'000'000;
        WriteAllRecords(folder.Path("set.inc"), std::vector{receipt});
        WriteAllRecords(folder.Path("set.exp"), std::vector<books::ExpRec>{});
        NameRec client;
        client.ClientNo = "AB12";
        client.FirstName = "Kevin";
        client.LastName = "Jones";
        client.Address1 = "12 Elm Street";
        client.City = "Columbus";
        client.State = 35;
        client.ZipCode = "43206";
        WriteAllRecords(folder.Path("clients.pl5"), std::vector{NameRec{}, client});
        billing::ISRec line;
        line.ServiceDate = kLastBill + 2;
        line.ServiceDescription = "Call with client";
        line.TimeSpent = 1.5;
        line.HourlyRate = 2'000'000;
        WriteAllRecords(folder.Path("IS/Jones.is5"), std::vector{line});
        bill.ClientNo = "AB12";
        bill.FullName = "Kevin Jones";
        bill.LastBill = kLastBill;
        bill.ISPath[0] = "C:\\Quenby5\\IS\\Jones.is5"; // found in the statement folder
        bill.Note = "Thank you";
        WriteBill();

        BillingSettings settings = BuiltInBillingSettings(1280);
        settings.CaptionLine = {"Hollis & Barr", "12 Main {St}", "", "", "555-0142"};
        settings.ISDirectory = folder.Path("IS/");
        SettingsStore store = BillingSettingsStore(folder.Path("settings"));
        WriteTheIniFile(settings, store, ErrorSink());
    }

    void WriteBill() const { WriteAllRecords(folder.Path("bills.bil"), std::vector{bill}); }

    QStringList Arguments() const {
        return {"bill",      folder.Path("bills.bil"),
                "--record",  "1",
                "--date",    kBillDate,
                "--clients", folder.Path("clients.pl5"),
                "--books",   folder.Path("set"),
                "--out",     folder.Path("bill.rtf")};
    }

    ToolRun Run(const QStringList& arguments) const {
        return test::RunToolWithoutDisplay(KIV5_TOOL_PATH, arguments, folder.Path("settings"),
                                           60000);
    }

    test::TempFolder folder;
    billing::TBillRec bill;
};

const QString k11150 =
    "kiv5 bill: error 11150: 1115-No PL5 File Set. There is no link set to a Pellary5 file. Use "
    "the Options menu's Set Default Directory to let Quenby5 know where the PL5 files are located "
    "and also the Set PL5 File command to set a link to a specific file. ";

} // namespace

class TestBillCommand : public QObject {
    Q_OBJECT

private slots:
    void answersOfEveryPage() {
        BillFolder files;
        const ToolRun run = files.Run(files.Arguments() << "--answers");
        QCOMPARE(run.messages, QStringList());
        QCOMPARE(run.code, 0);
        const QStringList expected = {
            "1\t0\tHollis & Barr",
            "1\t1\t12 Main \\{St\\}",
            "1\t4\t555-0142",
            "1\t5\tKevin Jones",
            "1\t6\t12 Elm Street",
            "1\t7\tColumbus, OH  43206",
            "1\t10\t1",
            "1\t11\t1",
            "1\t13\t\\b Credit Balance Forward\\b0 ",
            "1\t14\t          0.00",
            "1\t21\t\\b Payments/Credits\\b0 :",
            "1\t28\t11/2/2026",
            "1\t29\tSmith \\{Jr\\}",
            "1\t30\t        100.00",
            "1\t37\t\\b Charges/Debits:\\b0 ",
            "1\t49\t\\b Other Items:\\b0 ",
            "1\t61\tSee attached itemized statement",
            "1\t63\t        300.00",
            "1\t69\t\\b Balance Due\\b0 ",
            "1\t71\t        200.00",
            "1\t92\tThank you",
            "1\t97\tDecember 10, 2026",
            "2\t0\t11/3/2026",
            "2\t1\tCall with client",
            "2\t2\t1.50",
            "2\t7\tTotal Hours",
            "2\t8\t1.50",
            "2\t172\tJones.is5",
            "2\t173\t1",
            "2\t174\t1",
            "2\t199\tKevin Jones",
        };
        QCOMPARE(run.out, expected);
        const QByteArray rtf = files.folder.ReadBytes("bill.rtf");
        QVERIFY(rtf.startsWith("{\\rtf1"));
        QVERIFY(rtf.contains("\\page "));
        QVERIFY(rtf.contains("Smith \\{Jr\\}"));
    }

    void withoutAnswersSaysWhereTheBillIs() {
        BillFolder files;
        const ToolRun run = files.Run(files.Arguments());
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, QStringList{"Bill written to " +
                                      QDir::toNativeSeparators(files.folder.Path("bill.rtf"))});
    }

    void messagesOfThePasses_data() {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QStringList>("messages");
        const QString income = "kiv5 bill: error 12010: 1201-Sumora5 income file not found.";
        QTest::newRow("income file missing") << "income" << QStringList{income, income};
        const QString box = "kiv5 bill: Bad Itemized Statement Path: Could not find file: "
                            "C:\\Quenby5\\IS\\Gone.is5";
        QTest::newRow("statement missing") << "statement" << QStringList{box, box};
        QTest::newRow("client file missing") << "client file" << QStringList{k11150};
        QTest::newRow("client not found")
            << "client"
            << QStringList{"kiv5 bill: error 11120: 1112-CalcBill. Client number not found in "
                           "PL5 file. "};
    }
    void messagesOfThePasses() {
        QFETCH(QString, situation);
        QFETCH(QStringList, messages);
        BillFolder files;
        QStringList arguments = files.Arguments();
        if (situation == "income") {
            QVERIFY(QFile::remove(files.folder.Path("set.inc")));
        } else if (situation == "statement") {
            files.bill.ISPath[0] = "C:\\Quenby5\\IS\\Gone.is5";
            files.WriteBill();
        } else if (situation == "client file") {
            arguments[arguments.indexOf("--clients") + 1] = files.folder.Path("none.pl5");
        } else {
            files.bill.ClientNo = "ZZ99";
            files.WriteBill();
        }
        const ToolRun run = files.Run(arguments);
        QCOMPARE(run.messages, messages);
        QCOMPARE(run.code, 0);
        QVERIFY(files.folder.ReadBytes("bill.rtf").startsWith("{\\rtf1"));
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("change");
        QTest::addColumn<QString>("message");
        QTest::newRow("record 0") << QStringList{"--record", "0"}
                                  << "kiv5 bill: --record \"0\" is not a record number (1, 2, ...)";
        QTest::newRow("record beyond the file")
            << QStringList{"--record", "2"}
            << "kiv5 bill: \"BILLS\" holds 1 bills; there is no "
               "record 2";
        QTest::newRow("date") << QStringList{"--date", "13/45/2026"}
                              << "kiv5 bill: --date \"13/45/2026\" is not a date (M/D/YYYY)";
        QTest::newRow("unknown option")
            << QStringList{"--pdf", "x"} << "kiv5 bill: unknown option --pdf";
        QTest::newRow("output is a folder")
            << QStringList{"--out", "FOLDER"} << "kiv5 bill: Cannot create \"FOLDER\"";
    }
    void refusals() {
        QFETCH(QStringList, change);
        QFETCH(QString, message);
        BillFolder files;
        const QByteArray before = "{\\rtf1 an earlier document}";
        files.folder.WriteBytes("bill.rtf", before);
        QDir().mkpath(files.folder.Path("folder.rtf/inside"));
        QStringList arguments = files.Arguments();
        const QString value = change[1] == "FOLDER" ? files.folder.Path("folder.rtf") : change[1];
        const qsizetype at = arguments.indexOf(change[0]);
        if (at >= 0) {
            arguments[at + 1] = value;
        } else {
            arguments << change[0] << value;
        }
        const ToolRun run = files.Run(arguments);
        QCOMPARE(run.code, 2);
        QVERIFY(!run.messages.isEmpty());
        message.replace("BILLS", QDir::toNativeSeparators(files.folder.Path("bills.bil")));
        message.replace("FOLDER", QDir::toNativeSeparators(files.folder.Path("folder.rtf")));
        QVERIFY2(run.messages.first().startsWith(message), qPrintable(run.messages.first()));
        QCOMPARE(files.folder.ReadBytes("bill.rtf"), before);
        QVERIFY(QFileInfo(files.folder.Path("folder.rtf/inside")).isDir());
        QCOMPARE(QDir(files.folder.Path("folder.rtf"))
                     .entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"inside"});
    }
};

KIV5_CORE_TEST_MAIN(TestBillCommand)
#include "tst_BillCommand.moc"
