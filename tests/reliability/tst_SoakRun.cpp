// Four users at once on one data folder, through the kiv5 executable as CI
// runs it: a small seeded soak that must find every add once, no damaged
// file, no lost update and no lock file left.

#include "tests/reliability/ToolProcess.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

using namespace kiv5::test;

class TestSoakRun : public QObject {
    Q_OBJECT

private slots:
    void fourUsersLoseNothing_data() {
        QTest::addColumn<QString>("seed");
        QTest::newRow("seed 7") << "7";
        QTest::newRow("seed 11") << "11";
    }
    void fourUsersLoseNothing() {
        QFETCH(QString, seed);
        TempFolder folder;
        const ToolProcess run =
            RunToolProcess(KIV5_TOOL_PATH, {"soak", folder.Path("soak"), "--processes", "4",
                                            "--ops", "60", "--seed", seed, "--clients", "12"});
        QVERIFY2(run.code == 0, qPrintable(run.out + run.err));
        QCOMPARE(run.Faults(), QStringList());
        QVERIFY(run.out.endsWith("soak passed\n"));
        QCOMPARE(run.Figure("processes"), 4);
        QCOMPARE(run.Figure("lost updates"), 0);
        QCOMPARE(run.Figure("failed commands"), 0);
        QCOMPARE(run.Figure("files checked"), 4);
        QVERIFY(run.Figure("operations") > 150);
        QVERIFY(run.Figure("adds checked") > 0);
        QVERIFY(run.Figure("writes checked") > 0);
        for (int worker = 1; worker <= 4; ++worker) {
            QVERIFY(folder.Exists(QStringLiteral("soak/soak-%1.log").arg(worker)));
        }
    }

    void wrongArgumentsAreRefused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no folder") << QStringList{"soak"} << "kiv5 soak: give exactly one folder";
        QTest::newRow("too many processes")
            << QStringList{"soak", "x", "--processes", "17"}
            << "kiv5 soak: --processes takes 1 to 16, --ops 1 to 1000000, and --seed, --clients "
               "and --worker whole numbers";
        QTest::newRow("text for a number")
            << QStringList{"soak", "x", "--ops", "many"}
            << "kiv5 soak: --processes takes 1 to 16, --ops 1 to 1000000, and --seed, --clients "
               "and --worker whole numbers";
    }
    void wrongArgumentsAreRefused() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const ToolProcess run = RunToolProcess(KIV5_TOOL_PATH, arguments);
        QCOMPARE(run.code, 2);
        QCOMPARE(run.err.section('\n', 0, 0), message);
        QVERIFY(run.err.contains("Usage: kiv5 soak FOLDER"));
    }
};

KIV5_CORE_TEST_MAIN(TestSoakRun)
#include "tst_SoakRun.moc"
