#pragma once

#include "common/core/DateTime.h"
#include "common/core/ErrorSink.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

namespace kiv5::test {

// Records every code raised through ErrorWindow while it lives.
class ErrorRecorder {
public:
    ErrorRecorder() : sink_([this](int code) { codes.append(code); }) {}
    QList<int> codes;

private:
    ScopedErrorSink sink_;
};

// Fixes the clock for stamps and "today" while it lives.
class FixedClock {
public:
    explicit FixedClock(const QDateTime& at)
        : previous_(SetClock([this] { return now; })), now(at) {}
    ~FixedClock() { SetClock(std::move(previous_)); }
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

private:
    ClockFunction previous_;

public:
    QDateTime now;
};

// A temporary folder with helpers for the files a test reads and writes.
class TempFolder {
public:
    TempFolder();
    bool IsValid() const { return dir_.isValid(); }
    // The folder with a trailing separator.
    QString Folder() const;
    QString Path(const QString& name) const;
    void WriteBytes(const QString& name, const QByteArray& bytes) const;
    QByteArray ReadBytes(const QString& name) const;
    bool Exists(const QString& name) const;

private:
    QTemporaryDir dir_;
};

} // namespace kiv5::test
