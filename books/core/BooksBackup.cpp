#include "books/core/BooksBackup.h"

#include "books/core/LedgerKind.h"
#include "books/core/LedgerLayout.h"
#include "books/core/LedgerRow.h"
#include "common/core/Exceptions.h"
#include "common/core/Misc.h"
#include "common/core/TextFile.h"

#include <QDir>

namespace kiv5::books {
namespace {

const QChar kTab(u'\t');

void Report(const StepProgress& progress, const QString& text, qint64 done, qint64 total) {
    if (progress) {
        progress(text, total > 0 ? static_cast<int>(done * 100 / total) : 100);
    }
}

QStringList BackupLines(const RecordTable& table, const StepProgress& progress,
                        const QString& text) {
    QStringList lines;
    const int rows = table.DataRowCount();
    lines.reserve(rows);
    for (int row = 1; row <= rows; ++row) {
        lines.append(BackupLine(table, row));
        Report(progress, text, row, rows);
    }
    return lines;
}

// A date, amount or status that does not read stops the restore before
// anything is written, naming the file and the line.
void CheckBackupFields(const QStringList& fields, const QString& path, int line) {
    const auto refuse = [&](const QString& what, const QString& text) {
        throw IoError(QStringLiteral("Line %1 of the backup file \"%2\" holds %3 \"%4\".")
                          .arg(line)
                          .arg(QDir::toNativeSeparators(path), what, text));
    };
    if (!TryParseDateTime(fields[LedgerColumn::Date])) {
        refuse(QStringLiteral("no date but"), fields[LedgerColumn::Date]);
    }
    if (!TryParseFloat(RemoveCommasAndSigns(fields[LedgerColumn::Amount]))) {
        refuse(QStringLiteral("no amount but"), fields[LedgerColumn::Amount]);
    }
    const QString status = fields.mid(10).join(kTab);
    if (status != QLatin1String("0") && status != QLatin1String("-1") &&
        status != QLatin1String("-2")) {
        refuse(QStringLiteral("no status but"), status);
    }
}

RecordTable RestoredTable(const QString& path, const Clock& clock, const StepProgress& progress,
                          const QString& text) {
    const QStringList lines = ReadTextLines(path);
    const QString now = FormatDateTime(clock.Now(), Midnight::Show);
    RecordTable table = MakeLedgerTable();
    table.SetRowCount(static_cast<int>(lines.size()) + 1);
    for (int row = 1; row <= lines.size(); ++row) {
        const QStringList fields = lines[row - 1].split(kTab);
        if (fields.size() < 11) {
            throw IoError(QStringLiteral("Line %1 of the backup file \"%2\" holds %3 fields; a "
                                         "backup line holds 11.")
                              .arg(row)
                              .arg(QDir::toNativeSeparators(path))
                              .arg(fields.size()));
        }
        CheckBackupFields(fields, path, row);
        QStringList& cells = table.Row(row);
        for (int column = LedgerColumn::Mark; column <= LedgerColumn::Amount; ++column) {
            cells[column] = fields[column];
        }
        cells[LedgerColumn::PostTime] = now;
        cells[LedgerColumn::PullTime] = now;
        cells[LedgerColumn::Position] = QString::number(row);
        cells[LedgerColumn::Status] = fields.mid(10).join(kTab);
        table.ApplyStatusHeight(row);
        Report(progress, text, row, lines.size());
    }
    return table;
}

void AppendExportRows(QStringList& lines, const RecordTable& table, bool onlySelected,
                      const StepProgress& progress, const QString& text) {
    const int rows = table.DataRowCount();
    for (int row = 1; row <= rows; ++row) {
        if (!onlySelected || table.Cell(row, LedgerColumn::Mark) == QLatin1String("X")) {
            lines.append(table.Row(row).mid(LedgerColumn::Number, 9).join(kTab));
        }
        Report(progress, text, row, rows);
    }
}

} // namespace

int NextBackupCounter(int counter) {
    const int next = counter + 1;
    return next > kBackupGenerations ? 1 : next;
}

BackupFiles BackupFilesFor(const QString& folder, const QString& base, int generation) {
    const QString at = SlashAtEnd(folder) + base;
    const QString k = QString::number(generation);
    return {at + QStringLiteral("_") + k + QStringLiteral(".bkp"),
            at + QStringLiteral("_inc_") + k + QStringLiteral(".txt"),
            at + QStringLiteral("_exp_") + k + QStringLiteral(".txt"),
            at + QStringLiteral("_acc_") + k + QStringLiteral(".txt"),
            at + QStringLiteral("_cat_") + k + QStringLiteral(".txt")};
}

QString BackupLine(const RecordTable& table, int row) {
    const QStringList& cells = table.Row(row);
    QStringList fields = cells.mid(LedgerColumn::Mark, 10);
    fields.append(cells[LedgerColumn::Status]);
    return fields.join(kTab);
}

BackupFiles MakeBooksBackup(const BooksBackupSource& source, const QString& folder,
                            const QString& base, int generation, const StepProgress& progress) {
    const BackupFiles files = BackupFilesFor(folder, base, generation);
    WriteTextLines(files.listing, source.dataFiles);
    WriteTextLines(files.income, BackupLines(source.income, progress, IncomeKind().backupText));
    WriteTextLines(files.expense, BackupLines(source.expense, progress, ExpenseKind().backupText));
    WriteTextLines(files.accounts, source.accounts);
    WriteTextLines(files.categories, source.categories);
    return files;
}

RestoredBooks ReadBooksBackup(const QString& chosen, const Clock& clock,
                              const StepProgress& progress) {
    // Base name and generation come from the file's own name, so underscores
    // in its folder (or in the base name) do not matter.
    const QString name = StripExtension(FileNamePart(chosen));
    const qsizetype underscore = name.lastIndexOf(QLatin1Char('_'));
    const auto generation =
        underscore > 0 ? TryParseInteger(name.mid(underscore + 1)) : std::optional<int>();
    if (!generation || *generation < 0) {
        throw ConversionError(QStringLiteral("\"%1\" is not the name of a backup: it must be the "
                                             "set's name, \"_\" and a backup number, as in "
                                             "kiv5_3.bkp.")
                                  .arg(FileNamePart(chosen)));
    }
    const QString folder = FolderPart(chosen);
    const QString base = name.left(underscore);
    const BackupFiles files = BackupFilesFor(folder, base, *generation);
    RestoredBooks restored{
        RestoredTable(files.income, clock, progress, IncomeKind().restoreText),
        RestoredTable(files.expense, clock, progress, ExpenseKind().restoreText),
        ReadTextLines(files.accounts),
        ReadTextLines(files.categories),
        folder + base + QStringLiteral(".su5"),
    };
    return restored;
}

void ExportBooks(const QString& path, const RecordTable& income, const RecordTable& expense,
                 bool onlySelected, const StepProgress& progress) {
    const QString text = QStringLiteral("Exporting Tabbed ASCII File");
    QStringList lines;
    lines.append(IncomeKind().exportHeading.join(kTab));
    AppendExportRows(lines, income, onlySelected, progress, text);
    lines.append(ExpenseKind().exportHeading.join(kTab));
    AppendExportRows(lines, expense, onlySelected, progress, text);
    WriteTextLines(path, lines);
}

} // namespace kiv5::books
