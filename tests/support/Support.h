#pragma once

#include "common/core/Clock.h"
#include "common/core/ErrorSink.h"
#include "common/core/OfficeContext.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

namespace kiv5::test {

// An error sink that records every code reported to it. Hand `sink` (or the
// recorder itself) to the code under test.
class ErrorRecorder {
public:
    ErrorRecorder() : sink([this](int code) { codes.append(code); }) {}
    ErrorRecorder(const ErrorRecorder&) = delete;
    ErrorRecorder& operator=(const ErrorRecorder&) = delete;
    operator const ErrorSink&() const { return sink; }

    QList<int> codes;
    ErrorSink sink;
};

// A clock that shows `now`, which the test may move. Hand `clock` (or the
// fixed clock itself) to the code under test.
class FixedClock {
public:
    explicit FixedClock(const QDateTime& at) : now(at), clock([this] { return now; }) {}
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;
    operator const Clock&() const { return clock; }

    QDateTime now;
    Clock clock;
};

// A context of a test's own: the clock shows `now`, codes are recorded,
// folders are the installed ones unless the test sets them.
class TestContext : public OfficeContext {
public:
    explicit TestContext(const QDateTime& at = QDateTime(QDate(2011, 3, 7), QTime(9, 30)))
        : now(at) {
        clock = Clock([this] { return now; });
        errors = ErrorSink([this](int code) { codes.append(code); });
    }

    QDateTime now;
    QList<int> codes;
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
