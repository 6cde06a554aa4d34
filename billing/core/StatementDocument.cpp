#include "billing/core/StatementDocument.h"

#include "billing/core/BillNotices.h"
#include "billing/core/StatementRow.h"
#include "billing/core/WorksheetColumns.h"
#include "common/core/Misc.h"
#include "common/core/NumberFormat.h"
#include "common/core/RtfEscape.h"
#include "common/core/TableSort.h"

#include <utility>

namespace kiv5::billing {
namespace {

constexpr int kFileNameEntry = 172;
constexpr int kPageNumberEntry = 173;
constexpr int kPageCountEntry = 174;
constexpr int kClientNameEntry = 199;

// The lines as the worksheet's table holds them, sorted by date.
RecordTable SortedStatementTable(const StatementSource& source, bool ascending) {
    RecordTable table = MakeStatementTable();
    table.SetRowCount(static_cast<int>(source.lines.size()) + 1);
    for (std::size_t k = 0; k < source.lines.size(); ++k) {
        ConvertISRecToStringGrid(table, source.lines[k], static_cast<int>(k) + 1);
    }
    table.Permute(ShellSortOrder(table, WorksheetTableProfile(), ISColumn::ServiceDate, ascending));
    return table;
}

QString HoursText(const char* pattern, double hours) {
    return TrimLeadSpaces(FormatNumber(pattern, hours));
}

} // namespace

int CountStatementRows(BillInputs& inputs, const StatementSource& source,
                       const BillPeriod& period) {
    int rows = 0;
    for (const ISRec& line : source.lines) {
        if (line.Status == 0 && period.Contains(line.ServiceDate)) {
            rows += static_cast<int>(inputs.DescriptionLines(line.ServiceDescription).size());
        }
    }
    return rows;
}

std::optional<int> CountCompleteStatementRows(BillInputs& inputs, const QString& path) {
    const StatementSource& source = inputs.Statement(path);
    if (!source.Found()) {
        return std::nullopt;
    }
    return CountStatementRows(inputs, source, BillPeriod{}) + kStatementClosingRows;
}

int StatementPageCount(int rowCount) {
    return rowCount / kStatementRowsPerPage + (rowCount % kStatementRowsPerPage != 0 ? 1 : 0);
}

StatementDocument::StatementDocument(BillInputs& inputs, TAnswer& answers, ErrorSink errors,
                                     bool ascending)
    : inputs_(inputs), answers_(answers), errors_(std::move(errors)), ascending_(ascending) {}

void StatementDocument::CalcTempIS(const QString& path, const BillPeriod& period) {
    rows_.clear();
    const StatementSource& source = inputs_.Statement(path);
    if (!source.Found()) {
        errors_.ErrorWindow(kErrorNoStatementFile);
        return;
    }
    const RecordTable table = SortedStatementTable(source, ascending_);
    double total = 0;
    for (int row = 1; row < table.RowCount(); ++row) {
        const QString& date = table.Cell(row, ISColumn::ServiceDate);
        if (!table.IsActive(row) || !period.Contains(ParseDate(date))) {
            continue;
        }
        const double hours = Str2Float_2(table.Cell(row, ISColumn::TimeSpent), errors_);
        total += hours;
        const QStringList& lines =
            inputs_.DescriptionLines(table.Cell(row, ISColumn::ServiceDescription));
        rows_.push_back({date, EscapeRtf(lines.value(0)), HoursText("%5.2n", hours)});
        for (qsizetype k = 1; k < lines.size(); ++k) {
            rows_.push_back({{}, EscapeRtf(lines[k]), {}});
        }
    }
    rows_.push_back({});
    rows_.push_back({{}, QStringLiteral("Total Hours"), HoursText("%7.2n", total)});
}

void StatementDocument::CalcIS(const QString& path, const QString& name, int page, int pages,
                               int rowCount) {
    answers_.ClearSlots(kStatementTemplatePage, 0, kPageCountEntry);
    answers_.SetAnswer(kStatementTemplatePage, kClientNameEntry, EscapeRtf(name));
    answers_.SetAnswer(kStatementTemplatePage, kPageNumberEntry, QString::number(page + 1));
    answers_.SetAnswer(kStatementTemplatePage, kPageCountEntry, QString::number(pages));
    answers_.SetAnswer(kStatementTemplatePage, kFileNameEntry, EscapeRtf(FileNamePart(path)));
    const int first = page * kStatementRowsPerPage;
    for (int k = 0; k < kStatementRowsPerPage; ++k) {
        const int row = first + k;
        if (row >= rowCount || row >= static_cast<int>(rows_.size())) {
            break;
        }
        const StatementRow& cells = rows_[static_cast<std::size_t>(row)];
        answers_.SetAnswer(kStatementTemplatePage, 3 * k, cells.date);
        answers_.SetAnswer(kStatementTemplatePage, 3 * k + 1, cells.text);
        answers_.SetAnswer(kStatementTemplatePage, 3 * k + 2, cells.hours);
    }
}

void StatementDocument::AddStatementToDocument(const QString& path, const QString& name,
                                               const BillPeriod& period, int rowCount,
                                               TemplateDocument& document) {
    const int pages = StatementPageCount(rowCount);
    CalcTempIS(path, period);
    for (int page = 0; page < pages; ++page) {
        CalcIS(path, name, page, pages, rowCount);
        document.AddPage(kStatementTemplatePage);
    }
}

} // namespace kiv5::billing
