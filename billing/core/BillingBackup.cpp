#include "billing/core/BillingBackup.h"

#include "billing/core/BillEntry.h"
#include "billing/core/BillMoney.h"
#include "billing/core/BillRow.h"
#include "billing/core/BillingFile.h"
#include "common/core/DateTime.h"
#include "common/core/Exceptions.h"
#include "common/core/FileSet.h"
#include "common/core/Misc.h"
#include "common/core/TextFile.h"

#include <QDir>

namespace kiv5::billing {
namespace {

constexpr std::array kExportColumns = {
    BillColumn::ClientNo,         BillColumn::FullName,
    BillColumn::LastBill,         BillColumn::BalanceForward,
    BillColumn::FirstDescription, BillColumn::FirstAmount,
    BillColumn::FirstISPath,      BillColumn::Note,
    BillColumn::Interest,         BillColumn::InterestRate,
};

void Tell(const StepProgress& progress, const QString& text, qint64 done, qint64 total) {
    if (progress) {
        progress(text, total > 0 ? static_cast<int>(done * 100 / total) : 0);
    }
}

QString BackupRowLine(const RecordTable& table, int row) {
    QStringList cells;
    cells.reserve(BillColumn::Count);
    for (const QString& cell : table.Row(row)) {
        cells.append(WithoutTabs(cell));
    }
    return cells.join(QLatin1Char('\t'));
}

[[noreturn]] void RefuseLine(const QString& path, int line, const QString& why) {
    throw ConversionError(QStringLiteral("Line %1 of the billing backup \"%2\" %3; nothing was "
                                         "restored.")
                              .arg(line)
                              .arg(QDir::toNativeSeparators(path), why));
}

// Fills row k from backup line k, refusing a line the bill record could not
// hold.
void FillRowFromBackupLine(RecordTable& table, int row, const QString& line, const QString& path,
                           const QString& stamp) {
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (fields.size() < BillColumn::Count) {
        RefuseLine(path, row,
                   QStringLiteral("holds %1 fields where a bill has %2")
                       .arg(fields.size())
                       .arg(BillColumn::Count));
    }
    QStringList& cells = table.Row(row);
    for (int column = 0; column <= BillColumn::InterestRate; ++column) {
        cells[column] = fields[column];
    }
    cells[BillColumn::PostTime] = stamp;
    cells[BillColumn::PullTime] = stamp;
    cells[BillColumn::RecNo] = QString::number(row);
    cells[BillColumn::Status] = fields.last().trimmed();
    const std::optional<int> status = TryParseInteger(cells[BillColumn::Status]);
    if (!status || *status < -2 || *status > 0) {
        RefuseLine(path, row, QStringLiteral("holds no bill status at its end"));
    }
    if (!TryParseDateTime(cells[BillColumn::LastBill])) {
        RefuseLine(path, row, QStringLiteral("holds no last billing date"));
    }
    // The balance in column 4, the amounts in 6, 8, ..., 24.
    for (int column = BillColumn::BalanceForward; column <= BillColumn::FirstAmount + 18;
         column += 2) {
        if (!TryMoneyUnits(cells[column])) {
            RefuseLine(path, row, QStringLiteral("holds an amount that is no number"));
        }
    }
    if (!TryParseFloat(RemoveCommasAndSigns(cells[BillColumn::InterestRate].isEmpty()
                                                ? QStringLiteral("0")
                                                : cells[BillColumn::InterestRate]))) {
        RefuseLine(path, row, QStringLiteral("holds an interest rate that is no number"));
    }
    table.ApplyStatusHeight(row);
}

} // namespace

int NextBackupCounter(int counter) {
    return counter >= kBackupGenerations || counter < 0 ? 1 : counter + 1;
}

BillingBackupFiles BillingBackupFilesFor(const QString& billingFileName, int counter) {
    const QString stem =
        FolderPart(billingFileName) + StripExtension(FileNamePart(billingFileName));
    const QString c = QString::number(counter);
    return {stem + QLatin1Char('_') + c + QStringLiteral(".bkp"),
            stem + QStringLiteral("_bil_") + c + QStringLiteral(".txt")};
}

BillingBackupFiles MakeBillingBackup(const RecordTable& table, const QString& billingFileName,
                                     int counter, const StepProgress& progress) {
    const QString text = QStringLiteral("Making Billing Backup");
    const BillingBackupFiles files = BillingBackupFilesFor(billingFileName, counter);
    QStringList rows;
    const int count = table.DataRowCount();
    rows.reserve(count);
    for (int row = 1; row <= count; ++row) {
        rows.append(BackupRowLine(table, row));
        Tell(progress, text, row, count);
    }
    FileSetWriter set(files.listing);
    WriteTextLines(set.Stage(files.listing), LinkFileLines(billingFileName, {}, {}).mid(0, 3));
    WriteTextLines(set.Stage(files.rows), rows);
    set.Commit();
    return files;
}

BackupName SplitBackupName(const QString& chosen) {
    const QString stem = StripExtension(FileNamePart(chosen));
    const qsizetype at = stem.lastIndexOf(QLatin1Char('_'));
    const QString counter = at < 0 ? QString() : stem.mid(at + 1);
    if (!TryParseInteger(counter)) {
        throw ConversionError(QStringLiteral("\"%1\" is no billing backup: its name does not end "
                                             "in \"_\" and the backup number.")
                                  .arg(QDir::toNativeSeparators(chosen)));
    }
    return {FolderPart(chosen) + stem.left(at), counter};
}

RestoredBilling ReadBillingBackup(const QString& chosen, const Clock& clock,
                                  const StepProgress& progress) {
    const BackupName name = SplitBackupName(chosen);
    const QString path =
        name.base + QStringLiteral("_bil_") + name.counter + QStringLiteral(".txt");
    const QString listing = name.base + QLatin1Char('_') + name.counter + QStringLiteral(".bkp");
    // A backup whose writing was cut short is finished before it is read.
    RecoverFileSet(listing, {listing, path});
    const QStringList lines = ReadTextLines(path);
    const QString stamp = FormatDateTime(clock.Now(), Midnight::Omit);
    RestoredBilling restored{MakeBillTable(), name.base + QStringLiteral(".qy5")};
    restored.table.SetRowCount(static_cast<int>(lines.size()) + 1);
    for (qsizetype k = 0; k < lines.size(); ++k) {
        FillRowFromBackupLine(restored.table, static_cast<int>(k + 1), lines[k], path, stamp);
        Tell(progress, QStringLiteral("Reading Billing Backup"), k + 1, lines.size());
    }
    return restored;
}

void ExportBills(const QString& path, const RecordTable& table, bool onlySelected,
                 const StepProgress& progress) {
    const QString text = QStringLiteral("Exporting Tabbed ASCII File");
    QStringList lines = {QStringLiteral("Client No\tFull Name\tLast Bill\tBalance Forward\t"
                                        "Description\tAmount\tIS Path\tNote\tInterest\tRate")};
    const int count = table.DataRowCount();
    for (int row = 1; row <= count; ++row) {
        if (!onlySelected || table.Cell(row, BillColumn::Mark) == QLatin1String("X")) {
            QStringList cells;
            for (const int column : kExportColumns) {
                cells.append(WithoutTabs(table.Cell(row, column)));
            }
            lines.append(cells.join(QLatin1Char('\t')));
        }
        Tell(progress, text, row, count);
    }
    WriteTextLines(path, lines);
}

} // namespace kiv5::billing
