#include "tools/kiv5/SoakLog.h"

#include "common/core/Exceptions.h"

#include <QDir>
#include <array>

namespace kiv5::tool {
namespace {

constexpr std::array kKindNames = {"add", "write", "conflict", "refused", "error", "op"};

// Tokens and messages are kept on one line of tab-separated fields.
QString Flat(QString text) {
    return text.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), u' ');
}

[[noreturn]] void Fail(const QFile& file) {
    throw IoError(QStringLiteral("Cannot use the soak log \"%1\": %2")
                      .arg(QDir::toNativeSeparators(file.fileName()), file.errorString()));
}

} // namespace

SoakLogWriter::SoakLogWriter(const QString& path) : file_(path) {
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        Fail(file_);
    }
}

void SoakLogWriter::Append(const SoakEvent& event) {
    const QString line =
        QStringList{QLatin1String(kKindNames[std::size_t(event.kind)]), event.domain,
                    QString::number(event.slot), Flat(event.before), Flat(event.after)}
            .join(QLatin1Char('\t')) +
        QLatin1Char('\n');
    if (file_.write(line.toUtf8()) < 0 || !file_.flush()) {
        Fail(file_);
    }
}

QList<SoakEvent> ReadSoakLog(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Fail(file);
    }
    QList<SoakEvent> events;
    for (const QByteArray& bytes : file.readAll().split('\n')) {
        const QStringList fields = QString::fromUtf8(bytes).split(QLatin1Char('\t'));
        if (fields.size() != 5) {
            continue;
        }
        SoakEvent event;
        for (std::size_t k = 0; k < kKindNames.size(); ++k) {
            if (fields[0] == QLatin1String(kKindNames[k])) {
                event.kind = static_cast<SoakEvent::Kind>(k);
            }
        }
        event.domain = fields[1];
        event.slot = fields[2].toInt();
        event.before = fields[3];
        event.after = fields[4];
        events.append(event);
    }
    return events;
}

} // namespace kiv5::tool
