#include "billing/core/PeriodicBilling.h"

#include "billing/core/BillPrintTexts.h"
#include "billing/core/BillingFile.h"
#include "billing/core/NextPeriodBills.h"
#include "common/core/Exceptions.h"
#include "common/core/FileSet.h"
#include "common/core/Misc.h"
#include "common/core/RecordFile.h"
#include "common/core/TextFile.h"

#include <QFileInfo>

namespace kiv5::billing {
namespace {

PeriodicCheck Check(PeriodicCheck::Kind kind, const QString& path = {}) {
    return PeriodicCheck{kind, path};
}

bool IsMarked(const RecordTable& table, int row) {
    return table.Cell(row, BillColumn::Mark) == QLatin1String("X") &&
           table.Status(row) != QLatin1String("-2");
}

// The same file, also when one name reaches it through a link.
bool SameFile(const QString& a, const QString& b) {
    const QFileInfo fa(a);
    const QFileInfo fb(b);
    if (fa.exists() && fb.exists()) {
        return fa.canonicalFilePath() == fb.canonicalFilePath();
    }
    return fa.absoluteFilePath() == fb.absoluteFilePath();
}

// The print document's name beside the data file, as a journal line names
// it; nothing else the journal says reaches another file.
bool IsDocumentLine(const QString& line) {
    return line.endsWith(FileNamePart(SelectedFormsPath({}, {})), Qt::CaseInsensitive) &&
           !line.contains(QLatin1Char('/')) && !line.contains(QLatin1Char('\\'));
}

// The new data file, its link file and the document, replaced together.
void WriteNextPeriod(const NextPeriodFiles& next, const std::vector<TBillRec>& bills,
                     const TemplateDocument& document, const QString& documentPath) {
    FileSetWriter set(next.dataFile);
    RecordFileWriter data(set.Stage(next.dataFile), RecordLayout<TBillRec>::kSize);
    for (const TBillRec& bill : bills) {
        data.WriteRecord(bill);
    }
    data.Commit();
    WriteTextLines(set.Stage(next.linkFile),
                   LinkFileLines(next.name, next.pl5FileName, next.su5FileName));
    document.Write(set.Stage(documentPath));
    set.Commit();
}

} // namespace

NextPeriodFiles NextPeriodFilesFor(const QString& filesDirectory, const QString& name,
                                   const QString& pl5FileName, const QString& su5FileName) {
    return NextPeriodFiles{name, BillDataPath(filesDirectory, name),
                           BillLinkPath(filesDirectory, name), pl5FileName, su5FileName};
}

QStringList BillingSetMembers(const QString& dataFile, const QString& linkFile) {
    QStringList members{dataFile, linkFile};
    const QString journal = FileSetJournalPath(dataFile);
    if (!QFileInfo(journal).isFile()) {
        return members;
    }
    try {
        for (const QString& line : ReadTextLines(journal)) {
            if (IsDocumentLine(line)) {
                members.append(FolderPart(dataFile) + line);
            }
        }
    } catch (const IoError&) {
        // The recovery reads the journal again and tells what fails.
    }
    return members;
}

QString PeriodicCheck::Text() const {
    switch (kind) {
    case Kind::Ok:
        return {};
    case Kind::NoMarkedBill:
        return NoMarkedBillText();
    case Kind::MissingFile:
        return MissingBillingInputText(path);
    case Kind::SameAsOpenFile:
        return SameAsOpenFileText(path);
    case Kind::NeedsOverwriteQuestion:
        return ReplaceNextPeriodFileQuestion(path);
    }
    return {};
}

QList<int> PeriodicBillRows(const RecordTable& table) {
    QList<int> rows;
    for (int row = 1; row < table.RowCount(); ++row) {
        if (IsMarked(table, row)) {
            rows.append(row);
        }
    }
    return rows;
}

PeriodicCheck CheckPeriodicInputs(const RecordTable& table, const BillSources& sources) {
    const QList<int> rows = PeriodicBillRows(table);
    if (rows.isEmpty()) {
        return Check(PeriodicCheck::Kind::NoMarkedBill);
    }
    for (const QString& ledger : {sources.incomePath, sources.expensePath}) {
        if (!QFileInfo(ledger).isFile()) {
            return Check(PeriodicCheck::Kind::MissingFile, ledger);
        }
    }
    for (const int row : rows) {
        for (int i = 0; i < kBillLines; ++i) {
            const QString path = table.Cell(row, BillColumn::FirstISPath + i);
            if (!path.isEmpty() && FindStatementFile(path, sources.statementFolder).isEmpty()) {
                return Check(PeriodicCheck::Kind::MissingFile, path);
            }
        }
    }
    return Check(PeriodicCheck::Kind::Ok);
}

PeriodicCheck CheckNextPeriodFile(const NextPeriodFiles& next, const QString& openDataFile) {
    if (!openDataFile.isEmpty() && SameFile(next.dataFile, openDataFile)) {
        return Check(PeriodicCheck::Kind::SameAsOpenFile, next.dataFile);
    }
    if (QFileInfo::exists(next.dataFile)) {
        return Check(PeriodicCheck::Kind::NeedsOverwriteQuestion, next.dataFile);
    }
    return Check(PeriodicCheck::Kind::Ok);
}

PeriodicOutcome RunPeriodicBilling(const RecordTable& table, const QString& openDataFile,
                                   const NextPeriodFiles& next, DayCount billDate,
                                   const BillPrintSetup& setup, TAnswer& answers,
                                   const BillNotices& notices,
                                   const std::function<void(int percent)>& progress) {
    PeriodicOutcome outcome;
    outcome.check = CheckPeriodicInputs(table, setup.sources);
    if (!outcome.check.IsOk()) {
        return outcome;
    }
    const PeriodicCheck nextCheck = CheckNextPeriodFile(next, openDataFile);
    if (nextCheck.kind == PeriodicCheck::Kind::SameAsOpenFile) {
        outcome.check = nextCheck;
        return outcome;
    }
    const QList<int> rows = PeriodicBillRows(table);
    BillPrintRun run(setup, answers, notices);
    std::vector<TBillRec> bills;
    bills.reserve(static_cast<std::size_t>(rows.size()));
    for (const int row : rows) {
        const TBillRec bill = PopulateBillRec(table, row, notices.errors);
        run.AddBill(bill, billDate);
        const std::optional<qint64> carried = CarriedBalanceUnits(run.BalanceDue());
        if (!carried) {
            outcome.message = BalanceOutOfRangeText(bill.FullName, bill.ClientNo);
            return outcome;
        }
        bills.push_back(
            NextPeriodBill(bill, billDate, *carried, static_cast<int>(bills.size()) + 1));
        if (progress) {
            progress(static_cast<int>(bills.size() * 100 / static_cast<std::size_t>(rows.size())));
        }
    }
    WriteNextPeriod(next, bills, run.Document(), setup.documentPath);
    outcome.bills = static_cast<int>(bills.size());
    outcome.print.written = true;
    outcome.print.documentPath = setup.documentPath;
    outcome.print.pdf = PdfIfAsked(setup, setup.documentPath);
    return outcome;
}

} // namespace kiv5::billing
