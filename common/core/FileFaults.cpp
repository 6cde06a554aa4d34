#include "common/core/FileFaults.h"

#include "common/core/Exceptions.h"

#include <QFile>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace kiv5 {
namespace {

// The one test hook of the suite that is process-wide state: see the header.
struct Plan {
    FileFault fault;
    qint64 calls = 0;
    bool fired = false;
    bool keepTrace = false;
    std::vector<FileCallRecord> trace;
    QString countFile;
};

std::mutex& PlanMutex() {
    static std::mutex mutex;
    return mutex;
}

Plan& ThePlan() {
    static Plan plan;
    return plan;
}

void WriteCountAtExit() {
    QString path;
    qint64 calls = 0;
    {
        const std::lock_guard lock(PlanMutex());
        path = ThePlan().countFile;
        calls = ThePlan().calls;
    }
    fault_detail::armed.store(false);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(QByteArray::number(calls));
    }
}

int ParseError(const QString& name) {
    if (name == QLatin1String("EIO")) {
        return EIO;
    }
    if (name == QLatin1String("ENOSPC")) {
        return ENOSPC;
    }
    if (name == QLatin1String("EACCES")) {
        return EACCES;
    }
    return 0;
}

} // namespace

std::atomic<bool> fault_detail::armed{false};

int fault_detail::Pass(FileCall call, const QString& path) {
    const std::lock_guard lock(PlanMutex());
    Plan& plan = ThePlan();
    const qint64 number = ++plan.calls;
    if (plan.keepTrace) {
        plan.trace.push_back({call, path});
    }
    const FileFault& fault = plan.fault;
    if (fault.atCall == 0 || number < fault.atCall ||
        (number > fault.atCall && !fault.persistent)) {
        return 0;
    }
    plan.fired = true;
    if (fault.action == FileFault::Action::Crash) {
        std::_Exit(kSimulatedCrashExitCode);
    }
    return fault.error;
}

QString FileCallName(FileCall call) {
    switch (call) {
    case FileCall::Open:
        return QStringLiteral("open");
    case FileCall::Read:
        return QStringLiteral("read");
    case FileCall::Write:
        return QStringLiteral("write");
    case FileCall::Flush:
        return QStringLiteral("flush");
    case FileCall::Resize:
        return QStringLiteral("resize");
    case FileCall::Rename:
        return QStringLiteral("rename");
    case FileCall::Remove:
        return QStringLiteral("remove");
    case FileCall::Lock:
        return QStringLiteral("lock");
    }
    return QString();
}

QString SystemErrorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

void ArmFileFaults(const FileFault& fault, bool keepTrace) {
    const std::lock_guard lock(PlanMutex());
    Plan& plan = ThePlan();
    plan.fault = fault;
    plan.calls = 0;
    plan.fired = false;
    plan.keepTrace = keepTrace;
    plan.trace.clear();
    fault_detail::armed.store(true);
}

void DisarmFileFaults() {
    fault_detail::armed.store(false);
}

qint64 CountedFileCalls() {
    const std::lock_guard lock(PlanMutex());
    return ThePlan().calls;
}

bool FileFaultFired() {
    const std::lock_guard lock(PlanMutex());
    return ThePlan().fired;
}

std::vector<FileCallRecord> FileCallTrace() {
    const std::lock_guard lock(PlanMutex());
    return ThePlan().trace;
}

bool ArmFileFaultsFromEnvironment() {
    const QString value = qEnvironmentVariable(kFileFaultVariable);
    if (value.isEmpty()) {
        return false;
    }
    const auto malformed = [&value] {
        return IoError(QStringLiteral("%1 is not understood: \"%2\"")
                           .arg(QLatin1String(kFileFaultVariable), value));
    };
    const qsizetype colon = value.indexOf(u':');
    const QString kind = value.left(colon);
    const QString rest = colon < 0 ? QString() : value.mid(colon + 1);
    if (kind == QLatin1String("count") && !rest.isEmpty()) {
        ArmFileFaults({});
        ThePlan().countFile = rest;
        std::atexit(WriteCountAtExit);
        return true;
    }
    const QStringList parts = rest.split(u':');
    bool ok = false;
    const qint64 atCall = parts.value(0).toLongLong(&ok);
    if (!ok || atCall < 1) {
        throw malformed();
    }
    if (kind == QLatin1String("crash") && parts.size() == 1) {
        ArmFileFaults({.atCall = atCall, .action = FileFault::Action::Crash});
        return true;
    }
    if (kind == QLatin1String("fail") && parts.size() <= 2) {
        const int error = parts.size() == 2 ? ParseError(parts[1]) : EIO;
        if (error == 0) {
            throw malformed();
        }
        ArmFileFaults({.atCall = atCall, .error = error});
        return true;
    }
    throw malformed();
}

} // namespace kiv5
