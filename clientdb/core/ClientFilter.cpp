#include "clientdb/core/ClientFilter.h"

#include "clientdb/core/ClientTable.h"
#include "common/core/StateTable.h"
#include "common/core/TableProfile.h"

#include <array>
#include <utility>

namespace kiv5 {
namespace {

bool IsDeleted(const RecordTable& table, int row) {
    return table.Status(row) == QLatin1String("-2");
}

void Report(const PercentProgress& progress, int row, int count) {
    if (progress && count > 0) {
        progress(static_cast<int>(qint64{row} * 100 / count));
    }
}

// The text criteria in the order they are tried, upper-cased once.
using TextCriterion = std::pair<int, QString>;

std::vector<TextCriterion> TextCriteria(const NameRec& rec) {
    const std::array<std::pair<int, const QString*>, 15> fields = {{
        {ClientCol::ClientNo, &rec.ClientNo},
        {ClientCol::LastName, &rec.LastName},
        {ClientCol::FirstName, &rec.FirstName},
        {ClientCol::Company, &rec.Company},
        {ClientCol::Address1, &rec.Address1},
        {ClientCol::Address2, &rec.Address2},
        {ClientCol::City, &rec.City},
        {ClientCol::ZipCode, &rec.ZipCode},
        {ClientCol::Phone, &rec.Phone},
        {ClientCol::Cell, &rec.Cell},
        {ClientCol::Fax, &rec.Fax},
        {ClientCol::EMail, &rec.EMail},
        {ClientCol::Note1, &rec.Note1},
        {ClientCol::Note2, &rec.Note2},
        {ClientCol::Memo, &rec.Memo},
    }};
    std::vector<TextCriterion> criteria;
    for (const auto& [column, text] : fields) {
        if (!text->isEmpty()) {
            criteria.emplace_back(column, UpperCaseText(*text));
        }
    }
    return criteria;
}

} // namespace

NameRec EmptyFilterRec() {
    NameRec rec;
    rec.State = -1;
    return rec;
}

void FilterNames(RecordTable& table, const NameRec& FilterRec, const PercentProgress& progress) {
    const std::vector<TextCriterion> criteria = TextCriteria(FilterRec);
    const bool byState = FilterRec.State != -1;
    const QString state = IntToStateAbbreviation(FilterRec.State);
    const int count = table.DataRowCount();
    for (int row = 1; row <= count; ++row) {
        if (!IsDeleted(table, row)) {
            bool fits = !byState || table.Cell(row, ClientCol::State) == state;
            for (const auto& [column, text] : criteria) {
                if (!fits) {
                    break;
                }
                fits = UpperCaseText(table.Cell(row, column)).contains(text);
            }
            if (fits) {
                table.SetCell(row, ClientCol::Mark, QStringLiteral("X"));
            } else {
                table.SetCell(row, ClientCol::Mark, QString());
                table.SetCell(row, ClientCol::Status, QString::number(kStatusFiltered));
                table.SetHidden(row, true);
            }
        }
        Report(progress, row, count);
    }
}

void FilterCancel(RecordTable& table, const PercentProgress& progress) {
    const int count = table.DataRowCount();
    for (int row = 1; row <= count; ++row) {
        if (!IsDeleted(table, row)) {
            table.SetCell(row, ClientCol::Mark, QString());
            if (table.Status(row) == QLatin1String("-1")) {
                table.SetCell(row, ClientCol::Status, QString::number(kStatusActive));
                table.ApplyStatusHeight(row);
            }
        }
        Report(progress, row, count);
    }
}

} // namespace kiv5
