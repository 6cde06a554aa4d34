#include "books/core/BooksWorkspace.h"
#include "books/core/LedgerLayout.h"
#include "common/core/Exceptions.h"
#include "common/core/Misc.h"
#include "tests/books/core/BooksFixtures.h"
#include "tests/support/TestMain.h"

using namespace kiv5;
using namespace kiv5::books;
using namespace kiv5::test;

class TestBooksBackup : public QObject {
    Q_OBJECT

private slots:
    void backupGenerationsCycle() {
        QCOMPARE(NextBackupCounter(0), 1);
        QCOMPARE(NextBackupCounter(30), 31);
        QCOMPARE(NextBackupCounter(31), 1);
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("kiv5.su5"));
        QStringList written;
        for (int k = 0; k < 33; ++k) {
            written.append(FileNamePart(ws.Backup().listing));
        }
        QCOMPARE(written.first(), QStringLiteral("kiv5_0.bkp"));
        QCOMPARE(written[31], QStringLiteral("kiv5_31.bkp"));
        QCOMPARE(written[32], QStringLiteral("kiv5_1.bkp"));
        QCOMPARE(ws.settings.BackupCounter, 2);
    }

    void backupAndRestoreRoundTrip() {
        BooksSetFolder set;
        auto receipts = ThreeReceipts();
        receipts[0].Status = -2;
        receipts[0].Selected = true;
        set.WriteSet("kiv5", receipts, TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("kiv5.su5"));
        FilterRec criteria;
        criteria.Payxx = "Jones";
        ws.SetFilter(LedgerId::Income, criteria);
        ws.settings.BackupCounter = 4;
        const BackupFiles files = ws.Backup();
        QCOMPARE(ReadTextLines(files.listing),
                 (QStringList{set.BooksFile("kiv5.inc"), set.BooksFile("kiv5.exp"),
                              set.BooksFile("kiv5.acc"), set.BooksFile("kiv5.cat")}));
        QCOMPARE(ReadTextLines(files.income).value(0),
                 QStringLiteral("\t2\t12/5/2010\t\tJones, Bob\t\tFees\tBank\t\t25.50\t0"));
        QCOMPARE(ReadTextLines(files.income).value(1),
                 QStringLiteral("X\t1\t2/1/2011\t\tSmith, Ann\t\tFees\tBank\t\t100.00\t-2"));

        QFile::remove(set.BooksFile("kiv5.inc"));
        ws.Close();
        ws.Restore(files.listing);
        QCOMPARE(ws.FileName(), set.BooksFile("kiv5.su5"));
        const auto stored = ReadAllRecords<IncRec>(set.BooksFile("kiv5.inc"));
        QCOMPARE(stored.size(), std::size_t(3));
        QCOMPARE(stored[0].RecordNo, QStringLiteral("2"));
        QCOMPARE(stored[0].RecNo, 1);
        QCOMPARE(stored[1].Status, -2);
        QCOMPARE(stored[2].Status, -1);
        QCOMPARE(stored[2].Amount, qint64(12345600));
        QCOMPARE(stored[2].PostTime, DateTimeToDayCount(context.now));
        QCOMPARE(ReadAllRecords<ExpRec>(set.BooksFile("kiv5.exp")).size(), std::size_t(2));
        QCOMPARE(ReadTextLines(set.BooksFile("kiv5.acc")), (QStringList{"Bank", "Bank Two"}));
    }

    void restoreFromAFolderWithUnderscores() {
        BooksSetFolder set;
        set.WriteSet("my_set", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("my_set.su5"));
        QDir().mkpath(set.temp.Folder() + "old_backups");
        ws.settings.BackupCounter = 12;
        const BackupFiles files = ws.Backup();
        const QString moved = set.temp.Folder() + "old_backups/";
        for (const QString& file :
             {files.listing, files.income, files.expense, files.accounts, files.categories}) {
            QVERIFY(QFile::rename(file, moved + FileNamePart(file)));
        }
        ws.Close();
        ws.Restore(moved + "my_set_12.bkp");
        QCOMPARE(ws.FileName(), moved + "my_set.su5");
        QCOMPARE(ReadAllRecords<IncRec>(set.BooksFile("my_set.inc")).size(), std::size_t(3));
    }

    void restoreFailuresLeaveEverything_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("no backup number") << "name";
        QTest::newRow("missing expense lines") << "missing";
        QTest::newRow("short backup line") << "short";
        QTest::newRow("folder in the expense file's place") << "folder";
        QTest::newRow("amount that is no number") << "amount";
        QTest::newRow("date that is no date") << "date";
    }
    void restoreFailuresLeaveEverything() {
        QFETCH(QString, damage);
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("kiv5.su5"));
        ws.settings.BackupCounter = 3;
        const BackupFiles files = ws.Backup();
        QString chosen = files.listing;
        if (damage == "name") {
            chosen = set.BooksFile("kiv5_x.bkp");
        } else if (damage == "missing") {
            QFile::remove(files.expense);
        } else if (damage == "short") {
            WriteTextLines(files.income, {"X\t1\t2"});
        } else if (damage == "amount") {
            WriteTextLines(files.expense, {"\t1\t1/2/2011\t\t\t\t\t\t\tlots\t0"});
        } else if (damage == "date") {
            WriteTextLines(files.income, {"\t1\tsoon\t\t\t\t\t\t\t1.00\t0"});
        } else {
            QFile::remove(set.BooksFile("kiv5.exp"));
            QDir().mkpath(set.BooksFile("kiv5.exp"));
        }
        const auto before = set.Snapshot();
        try {
            ws.Restore(chosen);
            QFAIL("the restore went through");
        } catch (const Kiv5Error& error) {
            QVERIFY2(damage == "name" || damage == "folder" || error.Message().contains("_3.txt"),
                     qPrintable(error.Message()));
        }
        QCOMPARE(set.Snapshot(), before);
        QCOMPARE(ws.Income().Table().DataRowCount(), 3);
    }

    void exportWritesBothHeadings_data() {
        QTest::addColumn<bool>("onlySelected");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("all") << false
                             << QStringList{
                                    "Inc Rec No\tDate\tClient No.\tPayor\tDescription\tCategory\t"
                                    "Account\tCode\tAmount",
                                    "2\t12/5/2010\t\tJones, Bob\t\tFees\tBank\t\t25.50",
                                    "1\t2/1/2011\t\tSmith, Ann\t\tFees\tBank\t\t100.00",
                                    "3\t3/2/2011\t\tBrown, Cy\t\tFees\tBank\t\t1,234.56",
                                    "Check No\tDate\tClient No.\tPayee\tDescription\tCategory\t"
                                    "Account\tCode\tAmount",
                                    "101\t1/3/2011\t\tLandlord\t\tFees\tBank\t\t900.00",
                                    "102\t1/9/2011\t\tPhone Co\t\tFees\tBank\t\t45.99"};
        QTest::newRow("none selected")
            << true
            << QStringList{"Inc Rec No\tDate\tClient No.\tPayor\tDescription\tCategory\t"
                           "Account\tCode\tAmount",
                           "Check No\tDate\tClient No.\tPayee\tDescription\tCategory\t"
                           "Account\tCode\tAmount"};
    }
    void exportWritesBothHeadings() {
        QFETCH(bool, onlySelected);
        QFETCH(QStringList, lines);
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        TestContext context;
        BooksWorkspace ws(1044, context);
        set.Configure(ws);
        ws.Open(set.BooksFile("kiv5.su5"));
        ws.Export(set.BooksFile("out.txt"), onlySelected);
        QCOMPARE(ReadTextLines(set.BooksFile("out.txt")), lines);
        QVERIFY(set.Read(set.BooksFile("out.txt")).contains("\r\n"));
    }
};

KIV5_CORE_TEST_MAIN(TestBooksBackup)
#include "tst_BooksBackup.moc"
