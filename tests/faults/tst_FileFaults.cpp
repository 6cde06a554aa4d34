#include "common/core/Exceptions.h"
#include "common/core/FileFaults.h"
#include "common/core/FileIo.h"
#include "common/core/TextFile.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <sys/wait.h>
#include <unistd.h>

using namespace kiv5;

namespace {

const QByteArray kOld = "old content\r\n";
const QByteArray kNew = "new content\r\n";

// Runs body in a child process and returns its exit status (-1 when it did
// not exit normally).
template <class Body> int ExitStatusOf(Body body) {
    const pid_t child = ::fork();
    if (child == 0) {
        body();
        std::_Exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

class TestFileFaults : public QObject {
    Q_OBJECT

private slots:
    void unarmedCountsNothing() {
        test::TempFolder folder;
        WriteFileAtomically(folder.Path("a.txt"), kNew);
        QCOMPARE(CountedFileCalls(), 0);
        QVERIFY(!FileFaultFired());
    }

    void countsEveryCallOfAWholeFileWrite() {
        test::TempFolder folder;
        FileFaultScope count({}, true);
        WriteFileAtomically(folder.Path("a.txt"), kNew);
        QCOMPARE(ReadFileBytes(folder.Path("a.txt")), kNew);
        QList<FileCall> calls;
        for (const FileCallRecord& record : count.Trace()) {
            calls.append(record.call);
            QCOMPARE(record.path, folder.Path("a.txt"));
        }
        QCOMPARE(calls, (QList<FileCall>{FileCall::Open, FileCall::Write, FileCall::Flush,
                                         FileCall::Rename, FileCall::Open, FileCall::Read}));
        QCOMPARE(count.Calls(), 6);
        QVERIFY(!count.Fired());
    }

    void failedCallKeepsTheOldFile_data() {
        QTest::addColumn<int>("call");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("message");
        const QString create = QStringLiteral("Cannot create \"%1\": ");
        const QString write = QStringLiteral("Cannot write \"%1\": ");
        QTest::newRow("open EACCES") << 1 << EACCES << create + "Permission denied";
        QTest::newRow("write ENOSPC") << 2 << ENOSPC << write + "No space left on device";
        QTest::newRow("flush EIO") << 3 << EIO << write + "Input/output error";
        QTest::newRow("rename EACCES") << 4 << EACCES << write + "Permission denied";
    }

    void failedCallKeepsTheOldFile() {
        QFETCH(int, call);
        QFETCH(int, error);
        QFETCH(QString, message);
        test::TempFolder folder;
        folder.WriteBytes("a.txt", kOld);
        {
            FileFaultScope fault({.atCall = call, .error = error});
            try {
                WriteFileAtomically(folder.Path("a.txt"), kNew);
                QFAIL("no error reported");
            } catch (const IoError& e) {
                QCOMPARE(e.Message(), message.arg(QDir::toNativeSeparators(folder.Path("a.txt"))));
            }
            QVERIFY(fault.Fired());
        }
        QCOMPARE(folder.ReadBytes("a.txt"), kOld);
        QCOMPARE(QDir(folder.Folder()).entryList(QDir::Files), QStringList{"a.txt"});
    }

    void onlyTheArmedCallFailsUnlessPersistent_data() {
        QTest::addColumn<bool>("persistent");
        QTest::addColumn<bool>("secondFails");
        QTest::newRow("transient") << false << false;
        QTest::newRow("persistent") << true << true;
    }

    void onlyTheArmedCallFailsUnlessPersistent() {
        QFETCH(bool, persistent);
        QFETCH(bool, secondFails);
        test::TempFolder folder;
        FileFaultScope fault({.atCall = 1, .error = ENOSPC, .persistent = persistent});
        QVERIFY(!RemoveFile(folder.Path("gone")));
        QCOMPARE(!RemoveFile(folder.Path("gone")), secondFails);
    }

    void crashStopsTheProcessAtTheCall() {
        test::TempFolder folder;
        folder.WriteBytes("a.txt", kOld);
        const int status = ExitStatusOf([&] {
            ArmFileFaults({.atCall = 4, .action = FileFault::Action::Crash});
            WriteFileAtomically(folder.Path("a.txt"), kNew);
        });
        QCOMPARE(status, kSimulatedCrashExitCode);
        QCOMPARE(folder.ReadBytes("a.txt"), kOld);
    }

    void armsFromTheEnvironment_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("count");
        QTest::newRow("count") << "count:%1" << 0 << QByteArray("4");
        QTest::newRow("crash") << "crash:2" << kSimulatedCrashExitCode << QByteArray();
        QTest::newRow("fail") << "fail:1:ENOSPC" << 3 << QByteArray();
        QTest::newRow("malformed") << "fail:x" << 5 << QByteArray();
        QTest::newRow("unknown error") << "fail:1:EBADF" << 5 << QByteArray();
    }

    void armsFromTheEnvironment() {
        QFETCH(QString, value);
        QFETCH(int, status);
        QFETCH(QByteArray, count);
        test::TempFolder folder;
        const QString countFile = folder.Path("count");
        qputenv(kFileFaultVariable, QString(value).replace("%1", countFile).toUtf8());
        const int exitStatus = ExitStatusOf([&] {
            try {
                ArmFileFaultsFromEnvironment();
                WriteFileAtomically(folder.Path("a.txt"), kNew);
            } catch (const IoError& e) {
                std::_Exit(e.Message().contains("No space left on device") ? 3 : 5);
            }
            std::exit(0);
        });
        qunsetenv(kFileFaultVariable);
        QCOMPARE(exitStatus, status);
        if (!count.isEmpty()) {
            QCOMPARE(folder.ReadBytes("count"), count);
        }
    }
};

KIV5_CORE_TEST_MAIN(TestFileFaults)
#include "tst_FileFaults.moc"
