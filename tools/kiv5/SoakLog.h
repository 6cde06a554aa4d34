#pragma once

// What one soak process did, one line per event, written as it happens so
// that the check can read it even when the process ended early.

#include <QFile>
#include <QList>
#include <QString>

namespace kiv5::tool {

struct SoakEvent {
    enum Kind { Add, Write, Conflict, Refused, Error, Operation };
    Kind kind = Operation;
    QString domain;
    int slot = 0;
    // Write: the version the writer had seen and the version it wrote.
    // Operation: the command's name in before; Error: the message in before.
    QString before;
    QString after;
};

class SoakLogWriter {
public:
    // Throws IoError when the log cannot be created.
    explicit SoakLogWriter(const QString& path);
    void Append(const SoakEvent& event);

private:
    QFile file_;
};

// Throws IoError when the log cannot be read.
QList<SoakEvent> ReadSoakLog(const QString& path);

} // namespace kiv5::tool
