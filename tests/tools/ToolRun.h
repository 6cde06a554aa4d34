#pragma once

// Runs kiv5 command lines in the test process, or the kiv5 executable as a
// separate process, and keeps what they print.

#include "tools/kiv5/Commands.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace kiv5::test {

struct ToolResult {
    int code = -1;
    QString out;
    QString err;

    QStringList OutLines() const { return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

// The run dates what it writes by the clock given (the system's by default).
inline ToolResult RunTool(const QStringList& arguments, const Clock& clock = {}) {
    ToolResult result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    tool::CommandIo io{out, err};
    result.code = tool::Run(arguments, io, clock);
    out.flush();
    err.flush();
    return result;
}

// A run of the executable without a display (the document commands make a
// GUI application of their own for the fonts), its settings under
// settingsFolder.
struct ToolProcessRun {
    int code = -1; // -1 when it did not finish in time
    QStringList out;
    QStringList messages; // the lines the command writes to standard error

    // Qt's own warnings (a missing runtime folder) are not the command's.
    static QStringList CommandLines(const QByteArray& err) {
        QStringList lines;
        for (const QString& line : QString::fromUtf8(err).split('\n', Qt::SkipEmptyParts)) {
            if (line.startsWith(QStringLiteral("kiv5 "))) {
                lines.append(line);
            }
        }
        return lines;
    }
};

inline ToolProcessRun RunToolWithoutDisplay(const QString& program, const QStringList& arguments,
                                            const QString& settingsFolder, int timeoutMs) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), settingsFolder);
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    ToolProcessRun run;
    if (!process.waitForFinished(timeoutMs)) {
        return run;
    }
    run.code = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    run.messages = ToolProcessRun::CommandLines(process.readAllStandardError());
    return run;
}

} // namespace kiv5::test
