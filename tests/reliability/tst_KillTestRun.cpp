// Crash runs through the kiv5 executable: a child stopped at each file call
// of a whole-file write in turn, and children killed at random moments; after
// each, a fresh process must find every file old or new (pairs and sets of
// one generation, a half-done replacement finished) and kiv5 check nothing.

#include "tests/reliability/ToolProcess.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

using namespace kiv5::test;

class TestKillTestRun : public QObject {
    Q_OBJECT

private slots:
    void stopAtEveryFileCall_data() {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("client file and memo file")
            << QStringList{"--writes", "clients", "--clients", "5"};
        QTest::newRow("billing file and link file")
            << QStringList{"--writes", "bills", "--clients", "5"};
        // Call 65 falls between the set file's two renames.
        QTest::newRow("bookkeeping set, every eighth call")
            << QStringList{"--writes", "books", "--clients", "5", "--call-step", "8"};
        QTest::newRow("periodic billing: next billing file, link file, document, every third call")
            << QStringList{"--writes", "periodic", "--clients", "12", "--call-step", "3"};
    }
    void stopAtEveryFileCall() {
        QFETCH(QStringList, options);
        TempFolder folder;
        const ToolProcess run = RunToolProcess(
            KIV5_TOOL_PATH,
            QStringList{"kill-test", folder.Path("crash"), "--every-call"} + options);
        QVERIFY2(run.code == 0, qPrintable(run.out + run.err));
        QCOMPARE(run.Faults(), QStringList());
        QVERIFY(run.out.endsWith("kill test passed\n"));
        // The counting run completes; every other run stops at its call.
        QCOMPARE(run.Figure("completed"), 1);
        QCOMPARE(run.Figure("stopped at a file call"), run.Figure("runs") - 1);
        QVERIFY(run.Figure("runs") > 5);
        QCOMPARE(run.Figure("found old") + run.Figure("found new"), run.Figure("runs"));
        QVERIFY(run.Figure("found old") > 0);
        QVERIFY(run.Figure("found new") > 1);
        // Some stops fell between the renames of the pair or set, and the
        // fresh open finished the replacement.
        QVERIFY(run.Figure("replacements finished at open") > 0);
    }

    void killAtRandomMoments_data() {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("every kind") << QStringList{"--clients", "300", "--seed", "3"};
        QTest::newRow("periodic billing")
            << QStringList{"--writes", "periodic", "--clients", "60", "--seed", "4"};
    }
    void killAtRandomMoments() {
        QFETCH(QStringList, options);
        TempFolder folder;
        const ToolProcess run = RunToolProcess(
            KIV5_TOOL_PATH, QStringList{"kill-test", folder.Path("kill"), "--runs", "8"} + options);
        QVERIFY2(run.code == 0, qPrintable(run.out + run.err));
        QCOMPARE(run.Faults(), QStringList());
        QCOMPARE(run.Figure("runs"), 8);
        QCOMPARE(run.Figure("found old") + run.Figure("found new"), 8);
        QCOMPARE(run.Figure("killed") + run.Figure("completed"), 8);
        QCOMPARE(run.Figure("killed while writing") + run.Figure("killed after the write"),
                 run.Figure("killed"));
        // The kill is drawn over the write itself, so most land inside it.
        QVERIFY(run.Figure("killed while writing") > 0);
        QVERIFY(run.Figure("files checked") >= 8);
    }

    void wrongArgumentsAreRefused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no runs") << QStringList{"kill-test", "x"}
                                 << "kiv5 kill-test: give --runs N or --every-call";
        QTest::newRow("unknown write")
            << QStringList{"kill-test", "x", "--runs", "1", "--writes", "periodic,labels"}
            << "kiv5 kill-test: unknown write \"labels\"";
        QTest::newRow("text for a number")
            << QStringList{"kill-test", "x", "--runs", "some"}
            << "kiv5 kill-test: --runs, --clients, --ledger, --seed, --call-step, --seconds "
               "and --generation take whole numbers in range";
    }
    void wrongArgumentsAreRefused() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const ToolProcess run = RunToolProcess(KIV5_TOOL_PATH, arguments);
        QCOMPARE(run.code, 2);
        QCOMPARE(run.err.section('\n', 0, 0), message);
        QVERIFY(run.err.contains("Usage: kiv5 kill-test FOLDER"));
    }
};

KIV5_CORE_TEST_MAIN(TestKillTestRun)
#include "tst_KillTestRun.moc"
