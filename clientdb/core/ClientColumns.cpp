#include "clientdb/core/ClientColumns.h"

#include "clientdb/core/ClientTable.h"
#include "common/core/StateTable.h"

#include <array>

namespace kiv5 {
namespace {

using K = ColumnKind;
using R = ColumnRole;

// Field columns take one width unit, (screen width - 40) div 16, when no
// setting holds their width.
// clang-format off
constexpr std::array<ColumnSpec, ClientCol::Count> kColumns = {{
    // Index, role, caption, label, kind, capacity, width, width setting, show setting, find, filter
    {0,  R::Data,   "",           "",             K::Text,    0,   PixelWidth(20), "ColumnWidth0",  "",              false, false},
    {1,  R::Mark,   "",           "",             K::Text,    0,   PixelWidth(20), "ColumnWidth1",  "",              false, false},
    {2,  R::Data,   "Client No.", "Client No.:",  K::Text,    8,   UnitWidth(1),   "ColumnWidth2",  "ShowClientNo",  true,  true},
    {3,  R::Data,   "Last Name",  "Last Name:",   K::Text,    64,  UnitWidth(1),   "ColumnWidth3",  "ShowLastName",  true,  true},
    {4,  R::Data,   "First Name", "First Name:",  K::Text,    64,  UnitWidth(1),   "ColumnWidth4",  "ShowFirstName", true,  true},
    {5,  R::Data,   "Company",    "Company:",     K::Text,    64,  UnitWidth(1),   "ColumnWidth5",  "ShowCompany",   true,  true},
    {6,  R::Data,   "Address 1",  "Address:",     K::Text,    64,  UnitWidth(1),   "ColumnWidth6",  "ShowAddress1",  true,  true},
    {7,  R::Data,   "Address 2",  "Adrs Line 2:", K::Text,    64,  UnitWidth(1),   "ColumnWidth7",  "ShowAddress2",  true,  true},
    {8,  R::Data,   "City",       "City:",        K::Text,    32,  UnitWidth(1),   "ColumnWidth8",  "ShowCity",      true,  true},
    // The record holds the state's code, the table its abbreviation.
    {9,  R::Data,   "State",      "State:",       K::Text,    0,   UnitWidth(1),   "ColumnWidth9",  "ShowState",     true,  true},
    {10, R::Data,   "ZIP",        "ZIP:",         K::Text,    10,  UnitWidth(1),   "ColumnWidth10", "ShowZipCode",   true,  true},
    {11, R::Data,   "Phone",      "Telephone:",   K::Text,    20,  UnitWidth(1),   "ColumnWidth11", "ShowPhone",     true,  true},
    {12, R::Data,   "Cell",       "Cell:",        K::Text,    20,  UnitWidth(1),   "ColumnWidth12", "ShowCell",      true,  true},
    {13, R::Data,   "Fax",        "Fax:",         K::Text,    20,  UnitWidth(1),   "ColumnWidth13", "ShowFax",       true,  true},
    {14, R::Data,   "EMail",      "eMail:",       K::Text,    128, UnitWidth(1),   "ColumnWidth14", "ShowEmail",     true,  true},
    {15, R::Data,   "Note 1",     "Note 1:",      K::Text,    64,  UnitWidth(1),   "ColumnWidth15", "ShowNote1",     true,  true},
    {16, R::Data,   "Note 2",     "Note 2:",      K::Text,    64,  UnitWidth(1),   "ColumnWidth16", "ShowNote2",     true,  true},
    // Memos longer than the record holds live in the memo file.
    {17, R::Data,   "Memo",       "Memo:",        K::Text,    255, UnitWidth(1),   "ColumnWidth17", "ShowMemo",      true,  true},
    // Stamps and the record number keep a stored width of -1.
    {18, R::Data,   "",           "",             K::Text,    0,   HiddenWidth(),  "ColumnWidth18", "",              false, false},
    {19, R::Data,   "",           "",             K::Text,    0,   HiddenWidth(),  "ColumnWidth19", "",              false, false},
    {20, R::RecNo,  "",           "",             K::Integer, 0,   HiddenWidth(),  "ColumnWidth20", "",              false, false},
    {21, R::Status, "",           "",             K::Integer, 0,   HiddenWidth(),  "",              "",              false, false},
}};
// clang-format on
static_assert(IsValidSchema(kColumns));

} // namespace

ColumnSchema ClientColumns() {
    return kColumns;
}

TableProfile ClientTableProfile(HeaderRowReset reset) {
    const TableRules rules{.Order = TextOrder::UpperAscending,
                           .ClickRule = HeaderClickRule::FlipLastThenSort,
                           .FindActiveRowsOnly = true};
    return MakeTableProfile(kColumns, rules, std::move(reset));
}

QString MakeCityStateZip(const QString& city, const QString& stateAbbreviation,
                         const QString& zipCode) {
    return city + QStringLiteral(", ") + stateAbbreviation + QStringLiteral("  ") + zipCode;
}

QStringList ClientCompareValues(const NameRec& rec) {
    const QString cityStateZip =
        MakeCityStateZip(rec.City, IntToStateAbbreviation(rec.State), rec.ZipCode);
    return {rec.ClientNo, rec.LastName, rec.FirstName, rec.Company, rec.Address1,
            rec.Address2, cityStateZip, rec.Phone,     rec.Cell,    rec.Fax,
            rec.EMail,    rec.Note1,    rec.Note2,     rec.Memo};
}

QList<CompareRow> ClientCompareRows(const NameRec& rec) {
    const QStringList values = ClientCompareValues(rec);
    QList<CompareRow> rows;
    for (const ColumnSpec& column : kColumns) {
        if (!column.HasLabel() || column.Index == ClientCol::State ||
            column.Index == ClientCol::ZipCode) {
            continue;
        }
        const QString caption = column.Index == ClientCol::City ? QStringLiteral("City/St/ZIP:")
                                                                : QString::fromUtf8(column.Label);
        rows.append({caption, values.value(rows.size()), column.Index == ClientCol::Memo});
    }
    return rows;
}

} // namespace kiv5
