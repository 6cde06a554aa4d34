#include "common/core/TextFile.h"

#include "common/core/Cp1252.h"
#include "common/core/Exceptions.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw IoError(QStringLiteral("Cannot open \"%1\": %2")
                          .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw IoError(QStringLiteral("Cannot read \"%1\": %2")
                          .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    return SplitTextLines(bytes);
}

void WriteFileAtomically(const QString& path, QByteArrayView bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw IoError(QStringLiteral("Cannot create \"%1\": %2")
                          .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.commit()) {
        throw IoError(QStringLiteral("Cannot write \"%1\": %2")
                          .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
}

void WriteTextLines(const QString& path, const QStringList& lines) {
    WriteFileAtomically(path, JoinTextLines(lines));
}

} // namespace kiv5
