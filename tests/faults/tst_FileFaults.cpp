#include "common/core/Exceptions.h"
#include "common/core/FileFaults.h"
#include "common/core/FileIo.h"
#include "common/core/FileSet.h"
#include "common/core/RecordFile.h"
#include "common/core/StatusPatcher.h"
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

constexpr int kRecordSize = 8;

QByteArray Records(const QList<char>& fills) {
    QByteArray bytes;
    for (char fill : fills) {
        bytes += QByteArray(kRecordSize, fill);
    }
    return bytes;
}

// Writes records 1 and 2 over 'b' and 'c' and appends one, in one object.
void WriteInPlace(const QString& path, RecordFile::Mode mode) {
    RecordFile file(path, kRecordSize, mode);
    file.Seek(1);
    file.Write(Records({'x'}));
    file.Write(Records({'y'}));
    file.Append(Records({'z'}));
    file.Close();
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

    void failedWriteInPlacePutsTheOldRecordsBack_data() {
        QTest::addColumn<int>("call");
        QTest::addColumn<bool>("exists");
        // Calls: open, read (kept record 1), write, read (kept record 2),
        // write, write (append), flush.
        QTest::newRow("first write") << 3 << true;
        QTest::newRow("second write") << 5 << true;
        QTest::newRow("append") << 6 << true;
        QTest::newRow("close") << 7 << true;
        QTest::newRow("new file, close") << 5 << false;
    }

    void failedWriteInPlacePutsTheOldRecordsBack() {
        QFETCH(int, call);
        QFETCH(bool, exists);
        test::TempFolder folder;
        const QString path = folder.Path("records.dat");
        if (exists) {
            folder.WriteBytes("records.dat", Records({'a', 'b', 'c'}));
        }
        {
            FileFaultScope fault({.atCall = call, .error = EIO});
            QVERIFY_THROWS_EXCEPTION(IoError,
                                     WriteInPlace(path, exists ? RecordFile::Mode::ReadWrite
                                                               : RecordFile::Mode::OpenOrCreate));
            QVERIFY(fault.Fired());
        }
        if (exists) {
            QCOMPARE(folder.ReadBytes("records.dat"), Records({'a', 'b', 'c'}));
        } else {
            QVERIFY(!folder.Exists("records.dat"));
        }
        WriteInPlace(path, RecordFile::Mode::OpenOrCreate);
        QCOMPARE(folder.ReadBytes("records.dat"), Records({exists ? 'a' : '\0', 'x', 'y', 'z'}));
    }

    void failedPatchPutsTheOldFieldsBack_data() {
        QTest::addColumn<int>("call");
        // Calls: open, read, write, write, write, flush.
        QTest::newRow("second patch") << 4;
        QTest::newRow("third patch") << 5;
        QTest::newRow("close") << 6;
    }

    void failedPatchPutsTheOldFieldsBack() {
        QFETCH(int, call);
        test::TempFolder folder;
        const QByteArray before = Records({'\0', '\0', '\0'});
        folder.WriteBytes("records.dat", before);
        {
            FileFaultScope fault({.atCall = call, .error = ENOSPC});
            try {
                StatusPatcher patch(folder.Path("records.dat"), kRecordSize, 4);
                patch.WriteMark(1, true);
                patch.WriteStatus(2, -1);
                patch.WriteMark(3, true);
                patch.Close();
                QFAIL("no error reported");
            } catch (const IoError& e) {
                QVERIFY(e.Message().contains(SystemErrorText(ENOSPC)));
            }
        }
        QCOMPARE(folder.ReadBytes("records.dat"), before);
    }

    // A file opened only to read whose close fails was not written: the
    // message tells a read failure and the file stays as it was.
    void failedCloseOfAReadFileIsToldAsARead() {
        test::TempFolder folder;
        folder.WriteBytes("records.dat", Records({'a', 'b'}));
        const QString path = folder.Path("records.dat");
        const auto readAll = [&path] {
            RecordFile file(path, kRecordSize, RecordFile::Mode::Read);
            file.Read();
            file.Read();
            file.Close();
        };
        qint64 calls = 0;
        {
            FileFaultScope count;
            readAll();
            calls = count.Calls();
        }
        FileFaultScope fault({.atCall = calls, .error = EIO}, true);
        try {
            readAll();
            QFAIL("no error reported");
        } catch (const IoError& e) {
            QCOMPARE(fault.Trace().back().call, FileCall::Flush);
            QCOMPARE(e.Message(), QStringLiteral("Cannot read \"%1\": Input/output error")
                                      .arg(QDir::toNativeSeparators(path)));
        }
        QCOMPARE(folder.ReadBytes("records.dat"), Records({'a', 'b'}));
    }

    void setCleanupFailureKeepsTheJournalForTheNextOpen() {
        test::TempFolder folder;
        const QString a = folder.Path("a.dat");
        const QString b = folder.Path("b.dat");
        folder.WriteBytes("a.dat", kOld);
        folder.WriteBytes("b.dat", kOld);
        qint64 calls = 0;
        {
            // Count the calls of a replacement; its last removes the journal,
            // the one before it removes b's previous copy.
            FileFaultScope count;
            FileSetWriter set(a);
            WriteFileAtomically(set.Stage(a), kNew);
            WriteFileAtomically(set.Stage(b), kNew);
            set.Commit();
            calls = count.Calls();
        }
        folder.WriteBytes("a.dat", kOld);
        folder.WriteBytes("b.dat", kOld);
        {
            FileFaultScope fault({.atCall = calls - 1, .error = EACCES});
            FileSetWriter set(a);
            WriteFileAtomically(set.Stage(a), kNew);
            WriteFileAtomically(set.Stage(b), kNew);
            set.Commit();
        }
        QCOMPARE(folder.ReadBytes("a.dat"), kNew);
        QCOMPARE(folder.ReadBytes("b.dat"), kNew);
        QVERIFY(folder.Exists("a.dat.kiv5-set"));
        QVERIFY(RecoverFileSet(a, {a, b}));
        QCOMPARE(QDir(folder.Folder()).entryList(QDir::Files), (QStringList{"a.dat", "b.dat"}));
        QCOMPARE(folder.ReadBytes("b.dat"), kNew);
    }

    // The journal names the files recovery may rename and remove; a line
    // that is no member of the set (a damaged or foreign journal) is passed
    // over, so nothing outside the set is touched.
    void recoveryTouchesOnlyTheSetsMembers() {
        test::TempFolder folder;
        QVERIFY(QDir(folder.Folder()).mkdir("set"));
        const QString a = folder.Path("set/a.dat");
        const QString b = folder.Path("set/b.dat");
        folder.WriteBytes("set/a.dat", kOld);
        folder.WriteBytes("set/b.dat", kOld);
        folder.WriteBytes("set/a.dat.kiv5-new", kNew);
        folder.WriteBytes("outside.dat.kiv5-new", kNew);
        folder.WriteBytes("outside.dat.kiv5-old", kOld);
        folder.WriteBytes("set/c.dat.kiv5-new", kNew);
        folder.WriteBytes("set/a.dat.kiv5-set", "a.dat\r\n../outside.dat\r\nc.dat\r\n");
        QVERIFY(RecoverFileSet(a, {a, b}));
        QCOMPARE(folder.ReadBytes("set/a.dat"), kNew);
        QCOMPARE(folder.ReadBytes("set/b.dat"), kOld);
        QCOMPARE(QDir(folder.Folder()).entryList(QDir::Files),
                 (QStringList{"outside.dat.kiv5-new", "outside.dat.kiv5-old"}));
        QCOMPARE(QDir(folder.Path("set")).entryList(QDir::Files),
                 (QStringList{"a.dat", "b.dat", "c.dat.kiv5-new"}));
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
            // Runs after the count is written at exit and ends the child
            // there: a forked copy of a process with threads would show
            // their memory as leaked to the leak checker that comes next.
            std::atexit([] { std::_Exit(0); });
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
