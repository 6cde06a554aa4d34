#pragma once

// Runs the kiv5 executable as a separate process, as an administrator
// would, and keeps what it printed.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace kiv5::test {

struct ToolProcess {
    int code = -1;
    QString out;
    QString err;

    // The figure printed as "name: N"; -1 when there is none.
    int Figure(const QString& name) const {
        for (const QString& line : out.split(QLatin1Char('\n'))) {
            if (line.startsWith(name + QStringLiteral(": "))) {
                return line.mid(name.size() + 2).toInt();
            }
        }
        return -1;
    }
    QStringList Faults() const {
        QStringList faults;
        for (const QString& line : out.split(QLatin1Char('\n'))) {
            if (line.startsWith(QStringLiteral("FAULT: "))) {
                faults.append(line);
            }
        }
        return faults;
    }
};

inline ToolProcess RunToolProcess(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(-1);
    ToolProcess result;
    result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

} // namespace kiv5::test
