#include "billing/core/CalendarBackup.h"

#include "billing/core/CalendarBackupLine.h"
#include "billing/core/CalendarFile.h"
#include "common/core/Exceptions.h"
#include "common/core/FileLock.h"
#include "common/core/Misc.h"
#include "common/core/RecordFile.h"
#include "common/core/TextFile.h"

#include <QDir>

namespace kiv5::billing {
namespace {

void Tell(const StepProgress& progress, const QString& text, qint64 done, qint64 total) {
    if (progress) {
        progress(text, total > 0 ? static_cast<int>(done * 100 / total) : 0);
    }
}

} // namespace

QString CalendarBackupPath(const QString& filesDirectory, int counter) {
    return SlashAtEnd(filesDirectory) + QStringLiteral("orvcal5.txt_") + QString::number(counter);
}

QString MakeCalendarBackup(const QString& filesDirectory, int counter,
                           const StepProgress& progress) {
    const QString text = QStringLiteral("Making Calendar Backup");
    const std::vector<DayRec> days = ReadAllRecords<DayRec>(CalendarFilePath(filesDirectory));
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(days.size()));
    for (std::size_t k = 0; k < days.size(); ++k) {
        lines.append(CalendarBackupLine(days[k], static_cast<qint64>(k)));
        Tell(progress, text, static_cast<qint64>(k + 1), static_cast<qint64>(days.size()));
    }
    const QString path = CalendarBackupPath(filesDirectory, counter);
    WriteTextLines(path, lines);
    return path;
}

void RestoreCalendarBackup(const QString& chosen, const QString& filesDirectory,
                           const OfficeContext& context, const StepProgress& progress) {
    const QString text = QStringLiteral("Restoring Calendar Backup");
    const QStringList lines = ReadTextLines(chosen);
    std::vector<DayRec> days;
    days.reserve(static_cast<std::size_t>(lines.size()));
    for (qsizetype k = 0; k < lines.size(); ++k) {
        try {
            days.push_back(ParseCalendarBackupLine(lines[k], context));
        } catch (const ConversionError& error) {
            throw ConversionError(
                QStringLiteral("Line %1 of the calendar backup \"%2\" cannot be read (%3); the "
                               "calendar was not changed.")
                    .arg(k + 1)
                    .arg(QDir::toNativeSeparators(chosen), error.Message()));
        }
        Tell(progress, text, k + 1, lines.size());
    }
    const QString path = CalendarFilePath(filesDirectory);
    AppendLock lock(path);
    RecordFileWriter writer(path, RecordLayout<DayRec>::kSize);
    for (const DayRec& day : days) {
        writer.WriteRecord(day);
    }
    writer.Commit();
}

} // namespace kiv5::billing
