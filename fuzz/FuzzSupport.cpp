#include "fuzz/FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace kiv5::fuzz {
namespace {

QTemporaryDir& ScratchDir() {
    // One folder for the life of the fuzzing process.
    static QTemporaryDir dir;
    if (!dir.isValid()) {
        qFatal("fuzz: cannot create a scratch folder");
    }
    return dir;
}

} // namespace

QList<QByteArray> SplitParts(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QByteArrayView separator(kPartSeparator);
    QList<QByteArray> parts;
    qsizetype start = 0;
    for (qsizetype at = input.indexOf(separator); at >= 0; at = input.indexOf(separator, start)) {
        parts.append(input.mid(start, at - start));
        start = at + separator.size();
    }
    parts.append(input.mid(start));
    return parts;
}

QByteArray JoinParts(const QList<QByteArray>& parts) {
    return parts.join(QByteArrayView(kPartSeparator));
}

QString FreshFolder() {
    QDir dir(ScratchDir().path());
    for (const QFileInfo& entry :
         dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (entry.isDir() && !entry.isSymLink()) {
            QDir(entry.filePath()).removeRecursively();
        } else {
            QFile::remove(entry.filePath());
        }
    }
    return ScratchDir().path() + QLatin1Char('/');
}

QString WriteScratchFile(const QString& name, const QByteArray& bytes) {
    const QString path = ScratchDir().filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        qFatal("fuzz: cannot write the scratch file %s", qPrintable(path));
    }
    return path;
}

namespace {

struct Quiet : OfficeContext {
    Quiet() {
        clock = Clock::FixedAt(QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
        errors = ErrorSink([](int) {});
    }
};

} // namespace

const OfficeContext& QuietContext() {
    static const Quiet context;
    return context;
}

} // namespace kiv5::fuzz
