#pragma once

// The itemized statement document: a statement file's entries as rows of
// date, description line and hours (a description takes one row per wrapped
// line), closed by a blank row and "Total Hours", in pages of 54 rows of
// page template 1.

#include "billing/core/BillInputs.h"
#include "billing/core/BillPeriod.h"
#include "billing/core/TemplateDocument.h"
#include "common/core/Answers.h"
#include "common/core/ErrorSink.h"

#include <vector>

namespace kiv5::billing {

inline constexpr int kStatementTemplatePage = 1;
inline constexpr int kStatementRowsPerPage = 54;
// The blank row and the "Total Hours" row after the entries.
inline constexpr int kStatementClosingRows = 2;

struct StatementRow {
    QString date;
    QString text;
    QString hours;

    bool operator==(const StatementRow&) const = default;
};

// The rows the entries of a statement take: for each live line (status 0)
// in the period, the number of lines of its description, at least one.
// Without the closing rows.
int CountStatementRows(BillInputs& inputs, const StatementSource& source, const BillPeriod& period);

// The rows of the complete statement of a file: every live dated line and
// the closing rows. Nothing when the file is found neither at its path nor
// in the statement folder.
std::optional<int> CountCompleteStatementRows(BillInputs& inputs, const QString& path);

// Pages of a statement of rowCount rows: 54 rows a page.
int StatementPageCount(int rowCount);

class StatementDocument {
public:
    // ascending: the direction of the date column's sort flag, read and
    // never turned over.
    StatementDocument(BillInputs& inputs, TAnswer& answers, ErrorSink errors, bool ascending);

    // The rows of the lines of the period, by date in the flag's direction.
    // A statement found neither at path nor in the statement folder reports
    // 12040 and leaves no rows.
    void CalcTempIS(const QString& path, const BillPeriod& period);
    // Entries 0-174 and 199 of template 1 for page `page` of `pages`.
    void CalcIS(const QString& path, const QString& name, int page, int pages, int rowCount);
    // CalcTempIS, then each page of rowCount rows into the document.
    void AddStatementToDocument(const QString& path, const QString& name, const BillPeriod& period,
                                int rowCount, TemplateDocument& document);

    const std::vector<StatementRow>& Rows() const { return rows_; }

private:
    BillInputs& inputs_;
    TAnswer& answers_;
    ErrorSink errors_;
    bool ascending_;
    std::vector<StatementRow> rows_;
};

} // namespace kiv5::billing
