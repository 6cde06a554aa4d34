// Periodic billing on an open billing file: the next period's records read
// back, the order of the printed bills, the checks that stop it before
// anything is written, the overwrite question, and a failing write that
// leaves every file as it was.

#include "billing/core/NextPeriodBills.h"
#include "common/core/Exceptions.h"
#include "common/core/FileIo.h"
#include "common/core/FileSet.h"
#include "common/core/TextFile.h"
#include "tests/billing/core/BillPrintFixtures.h"
#include "tests/support/TestMain.h"

#include <cmath>
#include <limits>

using namespace kiv5;
using namespace kiv5::billing;
using namespace kiv5::test;

Q_DECLARE_METATYPE(kiv5::billing::PeriodicCheck::Kind)

namespace {

using Kind = PeriodicCheck::Kind;

// Eve's balance with 34 days of 8 % interest on 300.00.
const qint64 kEveCarried = std::llround((300.0 + 34 * (8.0 / 100 * 300.0 / 365.25)) * 10000);

} // namespace

class TestPeriodicBilling : public QObject {
    Q_OBJECT

private slots:
    void nextPeriodRecordsCarryEachPrintedBill() {
        PrintDesk desk;
        const QString next = desk.folder.File(QStringLiteral("july.qy5"));
        QCOMPARE(desk.jobs.CheckPeriodicBilling().kind, Kind::Ok);
        QCOMPARE(desk.jobs.CheckNextPeriodName(next).kind, Kind::Ok);

        QList<int> progress;
        const PeriodicOutcome outcome = desk.jobs.RunPeriodicBilling(
            next, kMarch7, [&progress](int percent) { progress.append(percent); });

        QVERIFY(outcome.Written());
        QCOMPARE(outcome.bills, 3);
        QCOMPARE(progress, QList<int>({33, 66, 100}));
        QCOMPARE(outcome.print.documentPath, desk.folder.Document());
        QVERIFY(!outcome.print.pdf);
        const std::vector<TBillRec> stored = desk.folder.StoredBills(QStringLiteral("july"));
        QCOMPARE(stored.size(), std::size_t{3});
        const QStringList names{"Alice Adams", "Bob Brown", "Eve Evans"};
        const QStringList numbers{"A1", "B2", "E5"};
        const QList<qint64> carried{4'825'000, 1'500'000, kEveCarried};
        for (std::size_t k = 0; k < stored.size(); ++k) {
            const TBillRec& bill = stored[k];
            const auto i = static_cast<qsizetype>(k);
            QCOMPARE(bill.FullName, names[i]);
            QCOMPARE(bill.ClientNo, numbers[i]);
            QCOMPARE(bill.BalanceForward, carried[i]);
            QCOMPARE(bill.LastBill, kMarch7);
            QCOMPARE(bill.RecNo, static_cast<qint32>(k + 1));
            QVERIFY(bill.Selected);
            QCOMPARE(bill.Status, 0);
            QCOMPARE(bill.PostTime, 0.0);
            QCOMPARE(bill.PullTime, 0.0);
            QVERIFY(bill.Note.isEmpty());
            for (std::size_t line = 0; line < kBillLines; ++line) {
                QVERIFY(bill.Description[line].isEmpty());
                QCOMPARE(bill.Amount[line], qint64{0});
            }
        }
        QCOMPARE(stored[0].ISPath[2], desk.folder.alicePath);
        QVERIFY(stored[2].Interest);
        QCOMPARE(stored[2].InterestRate, 8.0);
        QCOMPARE(
            ReadTextLines(desk.folder.File(QStringLiteral("july.qy5"))),
            QStringList({desk.folder.File(QStringLiteral("july.bil")),
                         desk.folder.File(QStringLiteral("july.qy5")),
                         desk.folder.File(QStringLiteral("july.cal")), "kiv5.pl5", "kiv5.su5"}));
        // The old period stays open and unchanged.
        QCOMPARE(desk.ws.FileName(), desk.folder.File(QStringLiteral("june.qy5")));
        QCOMPARE(desk.folder.StoredBills(QStringLiteral("june")).size(), std::size_t{5});
        QVERIFY(desk.boxes.isEmpty());
        QVERIFY(desk.context.codes.isEmpty());
    }

    void billsPrintInTableOrderEachWithItsStatements() {
        PrintDesk desk;
        desk.jobs.RunPeriodicBilling(desk.folder.File(QStringLiteral("july.qy5")), kMarch7);

        const QString text = DocumentText(desk.folder.Document());
        const qsizetype alice = text.indexOf(QLatin1String("Alice Adams"));
        const qsizetype statement = text.indexOf(QLatin1String("alice.is5"));
        const qsizetype bob = text.indexOf(QLatin1String("Bob Brown"));
        const qsizetype eve = text.indexOf(QLatin1String("Eve Evans"));
        QVERIFY(alice >= 0);
        QVERIFY(alice < statement);
        QVERIFY(statement < bob);
        QVERIFY(bob < eve);
        QVERIFY(!text.contains(QLatin1String("Carol Clark")));
        QVERIFY(!text.contains(QLatin1String("Dan Dole")));
        QVERIFY(text.contains(QLatin1String("Drafting")));
        QVERIFY(!text.contains(QLatin1String("Billed before")));
        QCOMPARE(text.count(QLatin1String("\\page")), 3);
    }

    // Each case leaves every file as it was and tells why.
    void checksStopBeforeAnythingIsWritten_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("nextName");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("path");

        QTest::newRow("no marked bill") << "unmark"
                                        << "july.qy5" << Kind::NoMarkedBill << "";
        QTest::newRow("income file missing")
            << "no income"
            << "july.qy5" << Kind::MissingFile << "Sumora5/kiv5.inc";
        QTest::newRow("expense file missing")
            << "no expenses"
            << "july.qy5" << Kind::MissingFile << "Sumora5/kiv5.exp";
        QTest::newRow("statement missing")
            << "no statement"
            << "july.qy5" << Kind::MissingFile << "Quenby5/IS/alice.is5";
        QTest::newRow("the open file") << ""
                                       << "june.qy5" << Kind::SameAsOpenFile << "Quenby5/june.bil";
        QTest::newRow("the open file chosen elsewhere")
            << ""
            << "../june.qy5" << Kind::SameAsOpenFile << "Quenby5/june.bil";
    }

    void checksStopBeforeAnythingIsWritten() {
        QFETCH(QString, setup);
        QFETCH(QString, nextName);
        QFETCH(Kind, kind);
        QFETCH(QString, path);
        PrintDesk desk;
        const PrintFolder& folder = desk.folder;
        if (setup == QLatin1String("unmark")) {
            // Select None leaves the bill hidden by the filter marked.
            for (int row = 1; row < desk.ws.Table().RowCount(); ++row) {
                desk.ws.Table().SetCell(row, BillColumn::Mark, QString());
            }
        } else if (setup == QLatin1String("no income")) {
            QFile::remove(folder.Books() + QStringLiteral("kiv5.inc"));
        } else if (setup == QLatin1String("no expenses")) {
            QFile::remove(folder.Books() + QStringLiteral("kiv5.exp"));
        } else if (setup == QLatin1String("no statement")) {
            QFile::remove(folder.alicePath);
        }
        folder.Write(folder.Document(), "old document");
        const auto before = folder.Snapshot();
        const QString next = folder.File(nextName);
        const QString expectedPath = path.isEmpty() ? QString() : folder.temp.Folder() + path;

        const PeriodicCheck early = kind == Kind::SameAsOpenFile
                                        ? desk.jobs.CheckNextPeriodName(next)
                                        : desk.jobs.CheckPeriodicBilling();
        const PeriodicOutcome outcome = desk.jobs.RunPeriodicBilling(next, kMarch7);

        QCOMPARE(early.kind, kind);
        QCOMPARE(early.path, expectedPath);
        QCOMPARE(outcome.check.kind, kind);
        QCOMPARE(outcome.check.path, expectedPath);
        QVERIFY(!outcome.Written());
        QCOMPARE(folder.Snapshot(), before);
        QVERIFY(desk.boxes.isEmpty());
        QVERIFY(desk.context.codes.isEmpty());
    }

    void checkTexts_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("no marked bill")
            << Kind::NoMarkedBill
            << "No bill is marked for periodic billing. Mark the bills to print with an \"X\" "
               "first.\nNothing was printed and no file was written.";
        QTest::newRow("missing file")
            << Kind::MissingFile
            << "Could not find file: /q/kiv5.inc\nPeriodic billing needs it for the marked bills. "
               "Nothing was printed and no file was written.";
        QTest::newRow("open file") << Kind::SameAsOpenFile
                                   << "/q/kiv5.inc holds the bills of the open billing file and "
                                      "cannot become the next periodic billing file. Choose "
                                      "another name.";
        QTest::newRow("overwrite") << Kind::NeedsOverwriteQuestion
                                   << "/q/kiv5.inc already exists.\nDo you want to replace it?";
        QTest::newRow("ok") << Kind::Ok << "";
    }

    void checkTexts() {
        QFETCH(Kind, kind);
        QFETCH(QString, text);
        QCOMPARE((PeriodicCheck{kind, QStringLiteral("/q/kiv5.inc")}.Text()), text);
    }

    void existingNextFileIsAskedAboutThenReplaced() {
        PrintDesk desk;
        desk.folder.Write(desk.folder.File(QStringLiteral("july.bil")), QByteArray(2416 * 7, 'x'));
        // Chosen in another folder: the data file in the billing files folder is
        // the one replaced.
        const QString next = desk.folder.temp.Folder() + QStringLiteral("july.qy5");

        const PeriodicCheck check = desk.jobs.CheckNextPeriodName(next);

        QCOMPARE(check.kind, Kind::NeedsOverwriteQuestion);
        QCOMPARE(check.Text(), desk.folder.File(QStringLiteral("july.bil")) +
                                   QStringLiteral(" already exists.\nDo you want to replace it?"));
        QVERIFY(desk.jobs.RunPeriodicBilling(next, kMarch7).Written());
        QCOMPARE(desk.folder.StoredBills(QStringLiteral("july")).size(), std::size_t{3});
        QVERIFY(QFileInfo::exists(desk.folder.File(QStringLiteral("july.qy5"))));
    }

    void balanceOutOfRangeStopsBeforeWriting() {
        PrintDesk desk;
        // Two items of 500,000,000,000,000.000.00: the sum is more than a bill holds.
        RecordTable& table = desk.ws.Table();
        table.SetCell(2, BillColumn::FirstAmount, QStringLiteral("500,000,000,000,000.00"));
        table.SetCell(2, BillColumn::FirstDescription + 2, QStringLiteral("More"));
        table.SetCell(2, BillColumn::FirstAmount + 2, QStringLiteral("500,000,000,000,000.00"));
        const auto before = desk.folder.Snapshot();

        const PeriodicOutcome outcome =
            desk.jobs.RunPeriodicBilling(desk.folder.File(QStringLiteral("july.qy5")), kMarch7);

        QVERIFY(!outcome.Written());
        QVERIFY(outcome.check.IsOk());
        QCOMPARE(outcome.message,
                 QStringLiteral("The balance due of Bob Brown (client B2) is not an amount a bill "
                                "can carry forward. Check the bill's amounts and its "
                                "statements.\nNothing was printed and no file was written."));
        QCOMPARE(desk.folder.Snapshot(), before);
    }

    void carriedBalanceUnits_data() {
        QTest::addColumn<double>("balance");
        QTest::addColumn<bool>("carried");
        QTest::addColumn<qint64>("units");
        QTest::newRow("cents") << 482.5 << true << qint64{4'825'000};
        QTest::newRow("rounded") << 302.23408625 << true << qint64{3'022'341};
        QTest::newRow("credit") << -12.345 << true << qint64{-123'450};
        QTest::newRow("largest") << 9.1e14 << true << qint64{9'100'000'000'000'000'000};
        QTest::newRow("too large") << 9.2e14 << false << qint64{0};
        QTest::newRow("too small") << -9.3e14 << false << qint64{0};
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << false << qint64{0};
        QTest::newRow("not a number")
            << std::numeric_limits<double>::quiet_NaN() << false << qint64{0};
    }

    void carriedBalanceUnits() {
        QFETCH(double, balance);
        QFETCH(bool, carried);
        QFETCH(qint64, units);
        const std::optional<qint64> result = CarriedBalanceUnits(balance);
        QCOMPARE(result.has_value(), carried);
        if (carried) {
            QCOMPARE(*result, units);
        }
    }

    // The data file, the link file and the document go in as one: a folder in
    // the place of any of them fails the command and leaves every file.
    // A periodic billing cut off between its renames is finished when the
    // next period is opened: its document too, not only the data and link.
    void crashBetweenRenamesIsFinishedAtNextOpen_data() {
        QTest::addColumn<int>("renames");
        for (int renames = 0; renames <= 2; ++renames) {
            QTest::addRow("after %d renames", renames) << renames;
        }
    }

    void crashBetweenRenamesIsFinishedAtNextOpen() {
        QFETCH(int, renames);
        PrintDesk desk;
        const PrintFolder& folder = desk.folder;
        const QString next = folder.File(QStringLiteral("july.qy5"));
        QVERIFY(desk.jobs.RunPeriodicBilling(next, kMarch7).Written());
        const QString data = folder.File(QStringLiteral("july.bil"));
        const QByteArray bills = ReadFileBytes(data);
        const QStringList link = ReadTextLines(next);
        {
            FileSetWriter set(data);
            WriteFileAtomically(set.Stage(data), bills);
            WriteTextLines(set.Stage(next), link);
            WriteFileAtomically(set.Stage(folder.Document()), "new document");
            set.SimulateCrashAfterRenames(renames);
            set.Commit();
        }
        QVERIFY(QFileInfo::exists(FileSetJournalPath(data)));

        TestContext context;
        BillingWorkspace reopened(1280, context);
        folder.Configure(reopened);
        reopened.Open(next);

        QCOMPARE(ReadFileBytes(folder.Document()), QByteArray("new document"));
        QCOMPARE(ReadFileBytes(data), bills);
        const QStringList leftovers = QDir(folder.Files()).entryList({QStringLiteral("*.kiv5-*")});
        QCOMPARE(leftovers, QStringList());
    }

    void failedWriteLeavesEveryFile_data() {
        QTest::addColumn<QString>("blocked");
        QTest::newRow("link file") << "july.qy5";
        QTest::newRow("document") << "june - Selected Forms.RTF";
        QTest::newRow("data file") << "july.bil";
    }

    void failedWriteLeavesEveryFile() {
        QFETCH(QString, blocked);
        PrintDesk desk;
        const PrintFolder& folder = desk.folder;
        for (const QString& name : {QStringLiteral("july.bil"), QStringLiteral("july.qy5"),
                                    QStringLiteral("june - Selected Forms.RTF")}) {
            folder.Write(folder.File(name), "old " + name.toLatin1());
        }
        QFile::remove(folder.File(blocked));
        QVERIFY(QDir().mkpath(folder.File(blocked)));
        const auto before = folder.Snapshot();

        QVERIFY_THROWS_EXCEPTION(IoError, desk.jobs.RunPeriodicBilling(
                                              folder.File(QStringLiteral("july.qy5")), kMarch7));

        QCOMPARE(folder.Snapshot(), before);
        QVERIFY(QFileInfo(folder.File(blocked)).isDir());
    }
};

KIV5_GUI_TEST_MAIN(TestPeriodicBilling)
#include "tst_PeriodicBilling.moc"
