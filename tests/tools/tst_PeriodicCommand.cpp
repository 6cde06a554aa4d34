// kiv5 periodic, the executable run on real files in a temporary folder with
// settings of its own: the next period's file read back with kiv5 dump, the
// link file, what stops it before anything is written, and a failing write
// that leaves every file as it was.

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
#include <QDirIterator>
#include <QMap>
#include <QProcess>

using namespace kiv5;

namespace {

// 11/1/2026 as a day count; the billing date.
constexpr double kLastBill = 46327;
const QString kBillDate = QStringLiteral("12/10/2026");

using ToolRun = test::ToolProcessRun;

NameRec Client(const QString& number, const QString& first, const QString& last) {
    NameRec client;
    client.ClientNo = number;
    client.FirstName = first;
    client.LastName = last;
    return client;
}

billing::TBillRec Bill(const QString& number, const QString& name, qint64 balanceUnits,
                       bool marked) {
    billing::TBillRec bill;
    bill.Selected = marked;
    bill.ClientNo = number;
    bill.FullName = name;
    bill.LastBill = kLastBill;
    bill.BalanceForward = balanceUnits;
    bill.Description[0] = QStringLiteral("Filing");
    bill.Amount[0] = 250'000;
    bill.Note = QStringLiteral("Old note");
    return bill;
}

class PeriodicFolder {
public:
    PeriodicFolder() {
        QDir().mkpath(folder.Path("IS"));
        QDir().mkpath(folder.Path("settings"));
        books::IncRec receipt;
        receipt.ClientNo = "ab12";
        receipt.Date = kLastBill + 1;
        receipt.Payor = "Smith";
        receipt.Amount = 1'000'000;
        WriteAllRecords(folder.Path("set.inc"), std::vector{receipt});
        WriteAllRecords(folder.Path("set.exp"), std::vector<books::ExpRec>{});
        WriteAllRecords(folder.Path("clients.pl5"),
                        std::vector{NameRec{}, Client("AB12", "Kevin", "Jones"),
                                    Client("CD34", "Ann", "Baker"), Client("EF56", "Zoe", "Cole")});
        billing::ISRec line;
        line.ServiceDate = kLastBill + 2;
        line.ServiceDescription = "Call with client";
        line.TimeSpent = 1.5;
        line.HourlyRate = 2'000'000;
        WriteAllRecords(folder.Path("IS/Jones.is5"), std::vector{line});
        // In file order Jones, Cole, Baker; by name Ann Baker, Kevin Jones,
        // Zoe Cole. Cole is not marked.
        billing::TBillRec jones = Bill("AB12", "Kevin Jones", 500'000, true);
        jones.ISPath[0] = "C:\\Quenby5\\IS\\Jones.is5"; // found in the statement folder
        jones.Interest = true;
        jones.InterestRate = 7.5;
        bills = {jones, Bill("EF56", "Zoe Cole", 0, false),
                 Bill("CD34", "Ann Baker", -100'000, true)};
        WriteAllRecords(folder.Path("june.bil"), bills);

        BillingSettings settings = BuiltInBillingSettings(1280);
        settings.ISDirectory = folder.Path("IS/");
        SettingsStore store = BillingSettingsStore(folder.Path("settings"));
        WriteTheIniFile(settings, store, ErrorSink());
    }

    QStringList Arguments() const {
        return {"periodic",  folder.Path("june.bil"),    "--date",  kBillDate,
                "--next",    folder.Path("july.bil"),    "--books", folder.Path("set"),
                "--clients", folder.Path("clients.pl5"), "--out",   folder.Path("june.rtf")};
    }

    ToolRun Run(const QStringList& arguments) const {
        return test::RunToolWithoutDisplay(KIV5_TOOL_PATH, arguments, folder.Path("settings"),
                                           240000);
    }

    QMap<QString, QByteArray> Snapshot() const {
        QMap<QString, QByteArray> files;
        QDirIterator it(folder.Folder(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (!path.contains("/settings/")) {
                QFile file(path);
                file.open(QIODevice::ReadOnly);
                files.insert(path, file.readAll());
            }
        }
        return files;
    }

    test::TempFolder folder;
    std::vector<billing::TBillRec> bills;
};

// The cells of a dumped bill: slot, mark, number, name, last bill, balance,
// description 1 and amount 1, statement path 1, note, interest, rate, both
// stamps (0, the day count's first day), record number, status.
QStringList Cells(const QString& line) {
    const QStringList cells = line.split('\t');
    if (cells.size() != 43) {
        return {QStringLiteral("%1 cells").arg(cells.size())};
    }
    return {cells[0],  cells[1],  cells[2],  cells[3],  cells[4],  cells[5],  cells[6],  cells[7],
            cells[26], cells[36], cells[37], cells[38], cells[39], cells[40], cells[41], cells[42]};
}

} // namespace

class TestPeriodicCommand : public QObject {
    Q_OBJECT

private slots:
    void nextPeriodFileReadBackWithDump() {
        PeriodicFolder files;
        const ToolRun run = files.Run(files.Arguments());
        QCOMPARE(run.messages, QStringList());
        QCOMPARE(run.code, 0);
        const QString native = QDir::toNativeSeparators(files.folder.Path("july.bil"));
        QCOMPARE(run.out,
                 QStringList({"2 bills printed; the next period's bills are in " + native + ".",
                              "Document written to " +
                                  QDir::toNativeSeparators(files.folder.Path("june.rtf")),
                              "Link file written to " +
                                  QDir::toNativeSeparators(files.folder.Path("july.qy5"))}));

        const ToolRun dump = files.Run({"dump", files.folder.Path("july.bil")});
        QCOMPARE(dump.code, 0);
        QCOMPARE(dump.out.size(), 2);
        // Baker: -10.00 + 25.00. Jones: 50.00 - 100.00 + 25.00 + 300.00, no
        // interest: the balance is a credit when interest is reckoned, before
        // the statements.
        QCOMPARE(Cells(dump.out[0]),
                 QStringList({"0", "X", "CD34", "Ann Baker", "12/10/2026", "15.00", "", "0.00", "",
                              "", "N", "0", "12/30/1899", "12/30/1899", "1", "0"}));
        QCOMPARE(Cells(dump.out[1]),
                 QStringList({"1", "X", "AB12", "Kevin Jones", "12/10/2026", "275.00", "", "0.00",
                              "C:\\Quenby5\\IS\\Jones.is5", "", "Y", "7.5", "12/30/1899",
                              "12/30/1899", "2", "0"}));
        QCOMPARE(files.folder.ReadBytes("july.qy5"),
                 (files.folder.Path("july.bil") + "\r\n" + files.folder.Path("july.qy5") + "\r\n" +
                  files.folder.Path("july.cal") + "\r\nclients.pl5\r\nset.su5\r\n")
                     .toUtf8());
        const QByteArray rtf = files.folder.ReadBytes("june.rtf");
        QVERIFY(rtf.startsWith("{\\rtf1"));
        QVERIFY(rtf.indexOf("Ann Baker") < rtf.indexOf("Kevin Jones"));
        QVERIFY(rtf.indexOf("Kevin Jones") < rtf.indexOf("Call with client"));
        QVERIFY(!rtf.contains("Zoe Cole"));
    }

    void refusedWritesNothing_data() {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("message");
        QTest::newRow("no marked bill")
            << "unmarked"
            << "kiv5 periodic: No bill is marked for periodic billing. Mark the bills to print "
               "with an \"X\" first.";
        QTest::newRow("expense file missing") << "expenses"
                                              << "kiv5 periodic: Could not find file: %1set.exp";
        QTest::newRow("statement missing")
            << "statement"
            << "kiv5 periodic: Could not find file: C:\\Quenby5\\IS\\Jones.is5";
        QTest::newRow("next file is the bill file")
            << "same"
            << "kiv5 periodic: %1june.bil holds the bills of the open billing file and "
               "cannot become the next periodic billing file. Choose another name.";
        QTest::newRow("balance too large")
            << "balance"
            << "kiv5 periodic: The balance due of Ann Baker (client CD34) is not an "
               "amount a bill can carry forward. Check the bill's amounts and its "
               "statements.";
    }

    void refusedWritesNothing() {
        QFETCH(QString, situation);
        QFETCH(QString, message);
        PeriodicFolder files;
        QStringList arguments = files.Arguments();
        if (situation == "unmarked") {
            for (billing::TBillRec& bill : files.bills) {
                bill.Selected = false;
            }
        } else if (situation == "expenses") {
            QFile::remove(files.folder.Path("set.exp"));
        } else if (situation == "statement") {
            QFile::remove(files.folder.Path("IS/Jones.is5"));
        } else if (situation == "same") {
            arguments[arguments.indexOf("--next") + 1] = files.folder.Path("june.bil");
        } else if (situation == "balance") {
            files.bills[2].BalanceForward = 9'000'000'000'000'000'000;
            files.bills[2].Amount[0] = 9'000'000'000'000'000'000;
        }
        WriteAllRecords(files.folder.Path("june.bil"), files.bills);
        const auto before = files.Snapshot();

        const ToolRun run = files.Run(arguments);

        QCOMPARE(run.code, 2);
        QCOMPARE(run.messages.value(0), message.replace("%1", files.folder.Folder()));
        QCOMPARE(files.Snapshot(), before);
    }

    void failedSecondWriteLeavesEveryFile() {
        PeriodicFolder files;
        files.folder.WriteBytes("july.bil", "old bills");
        files.folder.WriteBytes("june.rtf", "old document");
        QVERIFY(QDir().mkpath(files.folder.Path("july.qy5")));
        const auto before = files.Snapshot();

        const ToolRun run = files.Run(files.Arguments());

        QCOMPARE(run.code, 2);
        QCOMPARE(run.messages, QStringList{"kiv5 periodic: Cannot replace \"" +
                                           QDir::toNativeSeparators(files.folder.Path("july.qy5")) +
                                           "\": it is a folder, not a file"});
        QCOMPARE(files.Snapshot(), before);
    }

    void pdfBesideTheDocument() {
        PeriodicFolder files;
        const ToolRun run = files.Run(files.Arguments() << "--pdf");
        if (run.messages.value(0).contains("LibreOffice is not installed")) {
            QSKIP("LibreOffice is not installed");
        }
        QCOMPARE(run.messages, QStringList());
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out.value(3),
                 "PDF written to " + QDir::toNativeSeparators(files.folder.Path("june.pdf")));
        QVERIFY(files.folder.ReadBytes("june.pdf").startsWith("%PDF"));
    }
};

KIV5_CORE_TEST_MAIN(TestPeriodicCommand)
#include "tst_PeriodicCommand.moc"
