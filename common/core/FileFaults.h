#pragma once

// The fault gate every call of the file layer (FileIo.h) passes first. A test
// arms it to fail the N-th call with a chosen system error, or to stop the
// process there as a crash would, and counts the calls a command makes.
// Unarmed, the gate is one relaxed load and a predictable branch.
//
//     FileFaultScope count;                       // count only
//     workspace.Save(...);
//     const qint64 calls = count.Calls();
//
//     FileFaultScope fail({.atCall = 3, .error = ENOSPC});
//     workspace.Save(...);                        // call 3 fails
//
// The plan is process-wide on purpose: a simulated crash stops the whole
// process, and a child process is armed through its environment
// (ArmFileFaultsFromEnvironment). Production code never arms it.

#include <QString>
#include <atomic>
#include <cerrno>
#include <vector>

namespace kiv5 {

enum class FileCall : quint8 { Open, Read, Write, Flush, Resize, Rename, Remove, Lock };

QString FileCallName(FileCall call);

struct FileFault {
    enum class Action : quint8 {
        Fail,  // the call fails with `error` as the system would report it
        Crash, // the process ends at once, nothing flushed or cleaned up
    };
    // 1-based number of the call to hit; 0 counts only.
    qint64 atCall = 0;
    Action action = Action::Fail;
    // EIO, ENOSPC, EACCES ... for Action::Fail.
    int error = EIO;
    // Every call from atCall on fails too, as on a full disk.
    bool persistent = false;
};

// Exit status of a process stopped by Action::Crash.
inline constexpr int kSimulatedCrashExitCode = 86;

struct FileCallRecord {
    FileCall call;
    QString path;
};

namespace fault_detail {
extern std::atomic<bool> armed;
int Pass(FileCall call, const QString& path);
} // namespace fault_detail

// Returns 0 when the call may go ahead, or the system error it must fail
// with. Does not return when the armed fault is a crash.
inline int FileCallGate(FileCall call, const QString& path) {
    if (!fault_detail::armed.load(std::memory_order_relaxed)) [[likely]] {
        return 0;
    }
    return fault_detail::Pass(call, path);
}

// The system's text for an error number, as file errors are reported.
QString SystemErrorText(int error);

// Arms the gate (counting from zero, forgetting an earlier plan).
void ArmFileFaults(const FileFault& fault, bool keepTrace = false);
void DisarmFileFaults();
// Calls that passed the gate since it was armed.
qint64 CountedFileCalls();
// True once the armed call was reached.
bool FileFaultFired();
// The calls seen since arming, when armed with keepTrace.
std::vector<FileCallRecord> FileCallTrace();

// Arms for the lifetime of the object; disarms when it goes.
class FileFaultScope {
public:
    explicit FileFaultScope(const FileFault& fault = {}, bool keepTrace = false) {
        ArmFileFaults(fault, keepTrace);
    }
    ~FileFaultScope() { DisarmFileFaults(); }
    FileFaultScope(const FileFaultScope&) = delete;
    FileFaultScope& operator=(const FileFaultScope&) = delete;

    qint64 Calls() const { return CountedFileCalls(); }
    bool Fired() const { return FileFaultFired(); }
    std::vector<FileCallRecord> Trace() const { return FileCallTrace(); }
};

// For a child process a test starts: reads KIV5_FILE_FAULT and arms the gate.
//   count:PATH          count; the number is written to PATH at exit
//   fail:N[:ERROR]      call N fails (ERROR one of EIO, ENOSPC, EACCES; EIO)
//   crash:N             the process stops at call N (exit status 86)
// Returns false when the variable is unset; throws IoError when it is
// malformed.
bool ArmFileFaultsFromEnvironment();
inline constexpr const char* kFileFaultVariable = "KIV5_FILE_FAULT";

} // namespace kiv5
