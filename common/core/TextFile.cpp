#include "common/core/TextFile.h"

#include "common/core/Cp1252.h"

namespace kiv5 {

QStringList SplitTextLines(QByteArrayView bytes) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            qsizetype end = i;
            if (end > start && bytes[end - 1] == '\r') {
                --end;
            }
            lines.append(FromCp1252(bytes.sliced(start, end - start)));
            start = i + 1;
        }
    }
    if (start < bytes.size()) {
        lines.append(FromCp1252(bytes.sliced(start)));
    }
    return lines;
}

QByteArray JoinTextLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += ToCp1252(line);
        bytes += "\r\n";
    }
    return bytes;
}

QStringList ReadTextLines(const QString& path) {
    return SplitTextLines(ReadFileBytes(path));
}

void WriteTextLines(const QString& path, const QStringList& lines) {
    WriteFileAtomically(path, JoinTextLines(lines));
}

} // namespace kiv5
