#include "clientdb/core/ClientRow.h"

#include "clientdb/core/ClientTable.h"
#include "common/core/DateTime.h"
#include "common/core/Misc.h"
#include "common/core/StateTable.h"

namespace kiv5 {
namespace {

struct TextColumn {
    int column;
    QString NameRec::*field;
};

// Columns 2-8 and 10-17 in record order.
const std::array<TextColumn, 15> kTextColumns = {{
    {ClientCol::ClientNo, &NameRec::ClientNo},
    {ClientCol::LastName, &NameRec::LastName},
    {ClientCol::FirstName, &NameRec::FirstName},
    {ClientCol::Company, &NameRec::Company},
    {ClientCol::Address1, &NameRec::Address1},
    {ClientCol::Address2, &NameRec::Address2},
    {ClientCol::City, &NameRec::City},
    {ClientCol::ZipCode, &NameRec::ZipCode},
    {ClientCol::Phone, &NameRec::Phone},
    {ClientCol::Cell, &NameRec::Cell},
    {ClientCol::Fax, &NameRec::Fax},
    {ClientCol::EMail, &NameRec::EMail},
    {ClientCol::Note1, &NameRec::Note1},
    {ClientCol::Note2, &NameRec::Note2},
    {ClientCol::Memo, &NameRec::Memo},
}};

// A stamp that was stored damaged shows as an empty cell; reading that cell
// back gives 0 rather than blocking every later save of the row.
double ParseStamp(const QString& text) {
    return text.trimmed().isEmpty() ? 0.0 : ParseDateTime(text);
}

} // namespace

QString FormatClientStamp(double value) {
    return FormatDateTime(value, Midnight::Omit);
}

void ConvertNameRecToStringGrid(RecordTable& table, const NameRec& rec, int ARow, int ARecNo) {
    if (ARow == 0) {
        return;
    }
    table.SetCell(ARow, ClientCol::Mark, rec.Selected ? QStringLiteral("X") : QString());
    for (const TextColumn& text : kTextColumns) {
        table.SetCell(ARow, text.column, rec.*text.field);
    }
    table.SetCell(ARow, ClientCol::State, IntToStateAbbreviation(rec.State));
    table.SetCell(ARow, ClientCol::PostTime, FormatClientStamp(rec.PostTime));
    table.SetCell(ARow, ClientCol::PullTime, FormatClientStamp(rec.PullTime));
    table.SetCell(ARow, ClientCol::RecNo, QString::number(ARecNo));
    table.SetCell(ARow, ClientCol::Status, QString::number(rec.Status));
    table.ApplyStatusHeight(ARow);
}

NameRec PopulateNameRec(const RecordTable& table, int row) {
    NameRec rec;
    rec.Selected = table.Cell(row, ClientCol::Mark) == QLatin1String("X");
    for (const TextColumn& text : kTextColumns) {
        rec.*text.field = table.Cell(row, text.column);
    }
    rec.State = StateAbbreviationToInt(table.Cell(row, ClientCol::State));
    rec.PostTime = ParseStamp(table.Cell(row, ClientCol::PostTime));
    rec.PullTime = ParseStamp(table.Cell(row, ClientCol::PullTime));
    rec.RecNo = ParseInteger(table.Cell(row, ClientCol::RecNo));
    rec.Status = ParseInteger(table.Cell(row, ClientCol::Status));
    return rec;
}

} // namespace kiv5
