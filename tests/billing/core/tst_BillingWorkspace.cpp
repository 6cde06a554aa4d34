#include "billing/core/BillingFile.h"
#include "billing/core/BillingWorkspace.h"
#include "common/core/Exceptions.h"
#include "tests/billing/core/BillingWorkspaceFixtures.h"
#include "tests/support/TestMain.h"

#include <QSignalSpy>

using namespace kiv5;
using namespace kiv5::billing;
using namespace kiv5::test;

namespace {

std::vector<TBillRec> ThreeBills() {
    return {Bill("Carter, Ann", "C-3", 5000), Bill("Adams, Bob", "A-1", 125000),
            Bill("Baker, Cy", "B-2", -2500)};
}

} // namespace

class TestBillingWorkspace : public QObject {
    Q_OBJECT

private slots:
    void openReadsSortedByNameWithTheLastRowCurrent() {
        BillingFolder folder;
        folder.WriteBills("bills", ThreeBills());
        TestContext context;
        BillingWorkspace ws(1044, context);
        folder.Configure(ws);
        QSignalSpy files(&ws, &BillingWorkspace::FileChanged);
        ws.Open(QStringLiteral("/elsewhere/BILLS.QY5"));
        QVERIFY(ws.IsOpen());
        QCOMPARE(ws.Caption(), QStringLiteral("Quenby5: BILLS.QY5"));
        QCOMPARE(ws.Files().dataFile, folder.File("bills.bil"));
        QCOMPARE(ShownNames(ws.Table()), (QStringList{"Adams, Bob", "Baker, Cy", "Carter, Ann"}));
        QCOMPARE(ColumnOf(ws.Table(), BillColumn::RecNo), (QStringList{"2", "3", "1"}));
        QCOMPARE(ws.CurrentRow(), 3);
        QCOMPARE(ws.HeaderCaption(BillColumn::FullName), QStringLiteral("FULL NAME v"));
        QCOMPARE(ws.settings.History.Entry(0), QStringLiteral("/elsewhere/BILLS.QY5"));
        QCOMPARE(files.count(), 1);
    }

    void badInputLeavesEverything_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("message");
        QTest::newRow("billing file of broken length") << "broken bil"
                                                       << "broken.bil";
        QTest::newRow("billing file missing") << "missing bil"
                                              << "missing.bil";
        QTest::newRow("billing file is a folder") << "folder bil"
                                                  << "folder.bil";
    }
    void badInputLeavesEverything() {
        QFETCH(QString, damage);
        QFETCH(QString, message);
        BillingFolder folder;
        folder.WriteBills("bills", ThreeBills());
        folder.WriteBills("broken", ThreeBills());
        folder.Write(folder.File("broken.bil"), folder.Read(folder.File("broken.bil")).chopped(7));
        QDir(folder.Files()).mkdir(QStringLiteral("folder.bil"));
        TestContext context;
        BillingWorkspace ws(1044, context);
        folder.Configure(ws);
        ws.Open(folder.File("bills.qy5"));
        const QStringList before = ShownNames(ws.Table());
        const auto snapshot = folder.Snapshot();
        const QString name = damage.section(QLatin1Char(' '), 0, 0) + QStringLiteral(".qy5");
        try {
            ws.Open(folder.File(name));
            QFAIL("the open did not fail");
        } catch (const IoError& error) {
            QVERIFY2(error.Message().contains(message), qPrintable(error.Message()));
        }
        QCOMPARE(ws.FileName(), folder.File("bills.qy5"));
        QCOMPARE(ShownNames(ws.Table()), before);
        QCOMPARE(folder.Snapshot(), snapshot);
        QCOMPARE(ws.settings.History.Count(), 1);
    }

    void linkFileWithMissingLinesStillOpens() {
        BillingFolder folder;
        folder.WriteBills("bills", ThreeBills());
        folder.Write(folder.File("bills.qy5"), "bills.bil\r\n");
        const auto snapshot = folder.Snapshot();
        TestContext context;
        BillingWorkspace ws(1044, context);
        folder.Configure(ws);
        ws.Open(folder.File("bills.qy5"));
        QCOMPARE(ws.Table().DataRowCount(), 3);
        QCOMPARE(folder.Snapshot(), snapshot);
    }

    void wholeFileWritesFailingLeaveEverything_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("blocked");
        QTest::newRow("new: data file") << "new"
                                        << "fresh.bil";
        QTest::newRow("new: link file") << "new"
                                        << "fresh.qy5";
        QTest::newRow("save as: data file") << "save as"
                                            << "fresh.bil";
        QTest::newRow("save as: link file") << "save as"
                                            << "fresh.qy5";
        QTest::newRow("restore: data file") << "restore"
                                            << "saved.bil";
        QTest::newRow("billing backup: rows file") << "backup"
                                                   << "bills_bil_1.txt";
    }
    void wholeFileWritesFailingLeaveEverything() {
        QFETCH(QString, command);
        QFETCH(QString, blocked);
        BillingFolder folder;
        folder.WriteBills("bills", ThreeBills());
        TestContext context;
        BillingWorkspace ws(1044, context);
        folder.Configure(ws);
        ws.Open(folder.File("bills.qy5"));
        if (command == QLatin1String("restore")) {
            ws.settings.BackupCounter = 4;
            ws.MakeBillingBackup();
            QFile::rename(folder.File("bills_4.bkp"), folder.File("saved_4.bkp"));
            QFile::rename(folder.File("bills_bil_4.txt"), folder.File("saved_bil_4.txt"));
        }
        // A folder in the target's place fails the write even for root.
        QDir(folder.Files()).mkdir(blocked);
        const auto snapshot = folder.Snapshot();
        const int counter = ws.settings.BackupCounter;
        QVERIFY_THROWS_EXCEPTION(IoError, [&] {
            if (command == QLatin1String("new")) {
                ws.New(folder.File("fresh.qy5"));
            } else if (command == QLatin1String("save as")) {
                ws.SaveAs(folder.File("fresh.qy5"));
            } else if (command == QLatin1String("restore")) {
                ws.RestoreBillingBackup(folder.File("saved_4.bkp"));
            } else {
                ws.settings.BackupCounter = 1;
                ws.MakeBillingBackup();
            }
        }());
        QCOMPARE(folder.Snapshot(), snapshot);
        QCOMPARE(ws.FileName(), folder.File("bills.qy5"));
        QCOMPARE(ws.Table().DataRowCount(), 3);
        if (command != QLatin1String("backup")) {
            QCOMPARE(ws.settings.BackupCounter, counter);
        }
    }

    void newAndSaveAsBecomeCurrentAfterTheWrite() {
        BillingFolder folder;
        folder.WriteBills("bills", ThreeBills());
        TestContext context;
        BillingWorkspace ws(1044, context);
        folder.Configure(ws);
        ws.Open(folder.File("bills.qy5"));
        QVERIFY(!ws.DataFileExists(QStringLiteral("/any/where/next.qy5")));
        QVERIFY(ws.DataFileExists(QStringLiteral("/any/where/Bills.qy5")));
        QVERIFY(!WarnsAboutNetwork(BillingSaveMode::NewFile));
        QVERIFY(WarnsAboutNetwork(BillingSaveMode::SaveAs));
        QVERIFY(!WarnsAboutNetwork(BillingSaveMode::Restore));

        ws.SaveAs(folder.File("copy.qy5"));
        QCOMPARE(ws.FileName(), folder.File("copy.qy5"));
        QCOMPARE(folder.Read(folder.File("copy.bil")), folder.Read(folder.File("bills.bil")));
        QCOMPARE(QString::fromLatin1(folder.Read(folder.File("copy.qy5"))),
                 folder.File("copy.bil\r\n") + folder.File("copy.qy5\r\n") +
                     folder.File("copy.cal\r\n") + "kiv5.pl5\r\nkiv5.su5\r\n");

        ws.New(folder.File("empty.qy5"));
        QCOMPARE(ws.FileName(), folder.File("empty.qy5"));
        QCOMPARE(ws.Table().DataRowCount(), 0);
        QCOMPARE(folder.Read(folder.File("empty.bil")).size(), 0);
        QCOMPARE(ws.settings.History.Entries(),
                 (QStringList{folder.File("empty.qy5"), folder.File("copy.qy5"),
                              folder.File("bills.qy5")}));
    }

    void closeMakesTheAutomaticBackups_data() {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<bool>("calendar");
        QTest::addColumn<int>("counter");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<int>("counterAfter");
        QTest::newRow("fresh installation, no calendar")
            << true << false << 0 << QStringList{"bills_1.bkp", "bills_bil_1.txt"} << 2;
        QTest::newRow("with calendar at 31")
            << true << true << 31
            << QStringList{"bills_31.bkp", "bills_bil_31.txt", "orvcal5.txt_31"} << 1;
        QTest::newRow("automatic backup off") << false << true << 5 << QStringList{} << 5;
    }
    void closeMakesTheAutomaticBackups() {
        QFETCH(bool, automatic);
        QFETCH(bool, calendar);
        QFETCH(int, counter);
        QFETCH(QStringList, written);
        QFETCH(int, counterAfter);
        BillingFolder folder;
        folder.WriteBills("bills", ThreeBills());
        if (calendar) {
            folder.Write(folder.File("orvcal5.cal"), QByteArray());
        }
        TestContext context;
        BillingWorkspace ws(1044, context);
        folder.Configure(ws);
        ws.settings.AutomaticBackupFlag = automatic;
        ws.settings.BackupCounter = counter;
        ws.Open(folder.File("bills.qy5"));
        const auto before = folder.Snapshot();
        const AutomaticBackupOutcome outcome = ws.Close();
        QVERIFY(!ws.IsOpen());
        QCOMPARE(ws.Table().DataRowCount(), 0);
        QCOMPARE(outcome.failures, QStringList());
        QCOMPARE(outcome.calendarSkipped, automatic && !calendar);
        QStringList added;
        for (const QString& path : folder.Snapshot().keys()) {
            if (!before.contains(path)) {
                added.append(QFileInfo(path).fileName());
            }
        }
        added.sort();
        QCOMPARE(added, written);
        QCOMPARE(ws.settings.BackupCounter, counterAfter);
    }

    void aFailingBackupIsReportedAndCloseCompletes() {
        BillingFolder folder;
        folder.WriteBills("bills", ThreeBills());
        folder.Write(folder.File("orvcal5.cal"), QByteArray(17, 'x'));
        TestContext context;
        BillingWorkspace ws(1044, context);
        folder.Configure(ws);
        ws.settings.BackupCounter = 3;
        ws.Open(folder.File("bills.qy5"));
        const AutomaticBackupOutcome outcome = ws.Close();
        QVERIFY(!ws.IsOpen());
        QCOMPARE(outcome.failures.size(), 1);
        QVERIFY2(outcome.failures[0].contains(QStringLiteral("orvcal5.cal")),
                 qPrintable(outcome.failures[0]));
        QVERIFY(QFileInfo::exists(folder.File("bills_bil_3.txt")));
        QCOMPARE(ws.settings.BackupCounter, 4);
    }

    void linkingFiles() {
        BillingFolder folder;
        folder.WriteBills("bills", ThreeBills());
        TestContext context;
        BillingWorkspace ws(1044, context);
        folder.Configure(ws);
        ws.Open(folder.File("bills.qy5"));

        QDir(folder.temp.Folder()).mkpath(QStringLiteral("Other"));
        const QString other = folder.temp.Folder() + QStringLiteral("Other/office.pl5");
        ws.SetPL5File(other);
        QCOMPARE(ws.settings.PL5FileName, other);
        QCOMPARE(ws.settings.PL5Directory, folder.temp.Folder() + QStringLiteral("Other/"));
        QCOMPARE(QString::fromLatin1(folder.Read(folder.File("bills.qy5"))).split("\r\n")[3],
                 other);

        const auto before = folder.Snapshot();
        QCOMPARE(ws.SetSU5File(folder.Books() + QStringLiteral("kiv5.su5")), 12010);
        folder.Write(folder.Books() + QStringLiteral("kiv5.inc"), QByteArray());
        QCOMPARE(ws.SetSU5File(folder.Books() + QStringLiteral("kiv5.su5")), 12020);
        QCOMPARE(ws.settings.SU5FileName, QStringLiteral("kiv5.su5"));
        folder.Write(folder.Books() + QStringLiteral("kiv5.exp"), QByteArray(100, 'x'));
        try {
            ws.SetSU5File(folder.Books() + QStringLiteral("kiv5.su5"));
            QFAIL("a damaged expense file was linked");
        } catch (const IoError& error) {
            QVERIFY2(error.Message().contains(QStringLiteral("kiv5.exp")),
                     qPrintable(error.Message()));
        }
        QCOMPARE(ws.settings.SU5FileName, QStringLiteral("kiv5.su5"));
        folder.Write(folder.Books() + QStringLiteral("kiv5.exp"), QByteArray());
        QCOMPARE(ws.SetSU5File(folder.Books() + QStringLiteral("kiv5.su5")), 0);
        QCOMPARE(ws.settings.SU5FileName, folder.Books() + QStringLiteral("kiv5.su5"));
        QCOMPARE(QString::fromLatin1(folder.Read(folder.File("bills.qy5"))).split("\r\n")[4],
                 folder.Books() + QStringLiteral("kiv5.su5"));
        QCOMPARE(before.value(folder.File("bills.bil")), folder.Read(folder.File("bills.bil")));
    }

    void hourlyRate_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "300" << 0 << "300.00";
        QTest::newRow("separators and dollar") << "$1,234.5" << 0 << "1,234.50";
        QTest::newRow("text") << "abc" << 21202 << "250.00";
        QTest::newRow("beyond the money range") << "1e20" << 21202 << "250.00";
    }
    void hourlyRate() {
        QFETCH(QString, typed);
        QFETCH(int, code);
        QFETCH(QString, shown);
        TestContext context;
        BillingWorkspace ws(1044, context);
        QCOMPARE(ws.HourlyRateText(), QStringLiteral("250.00"));
        QCOMPARE(ws.SetHourlyRate(typed), code);
        QCOMPARE(ws.HourlyRateText(), shown);
        QCOMPARE(context.codes, QList<int>());
    }

    void settingsRoundTripThroughTheStore() {
        BillingFolder folder;
        TestContext context;
        {
            BillingWorkspace ws(1044, context);
            SettingsStore missing = BillingSettingsStore(folder.temp.Folder());
            QVERIFY(!ws.ReadSettings(missing));
            QCOMPARE(ws.HourlyRateText(), QStringLiteral("250.00"));
            ws.SetHourlyRate(QStringLiteral("175.25"));
            ws.SetShorthandTexts({QStringLiteral("Telephone call with client")});
            ws.SetDefaultDirectory(2, folder.Clients());
            SettingsStore store = BillingSettingsStore(folder.temp.Folder());
            QVERIFY(ws.WriteSettings(store));
        }
        BillingWorkspace ws(1044, context);
        SettingsStore store = BillingSettingsStore(folder.temp.Folder());
        QVERIFY(ws.ReadSettings(store));
        QCOMPARE(ws.HourlyRateText(), QStringLiteral("175.25"));
        QCOMPARE(ws.ShorthandText(1), QStringLiteral("Telephone call with client"));
        QCOMPARE(ws.settings.PL5Directory, folder.Clients());
        QCOMPARE(context.codes, QList<int>());
    }

    void shorthandTextsAreCutTo64() {
        TestContext context;
        BillingWorkspace ws(1044, context);
        ws.SetShorthandTexts({QString(70, QLatin1Char('a')), QString(), QStringLiteral("Call")});
        QCOMPARE(ws.ShorthandText(1), QString(64, QLatin1Char('a')));
        QCOMPARE(ws.ShorthandText(2), QString());
        QCOMPARE(ws.ShorthandText(3), QStringLiteral("Call"));
        QCOMPARE(ws.ShorthandText(13), QString());
        QCOMPARE(ws.ShorthandTexts().size(), 12);
        QCOMPARE(ws.SettingsToStore().ShortHandArray[2], QStringLiteral("Call"));
    }
};

KIV5_CORE_TEST_MAIN(TestBillingWorkspace)
#include "tst_BillingWorkspace.moc"
