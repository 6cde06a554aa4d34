#pragma once

// Runs kiv5 command lines in the test process and keeps what they print.

#include "tools/kiv5/Commands.h"

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

} // namespace kiv5::test
