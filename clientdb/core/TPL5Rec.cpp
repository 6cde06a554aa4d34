#include "clientdb/core/TPL5Rec.h"

#include "clientdb/core/ClientTable.h"
#include "common/core/StateTable.h"

#include <QMimeData>

namespace kiv5 {
namespace {

struct ClipboardColumn {
    int column;
    QString TPL5Rec::*field;
    int capacity;
};

const std::array<ClipboardColumn, 12> kColumns = {{
    {ClientCol::LastName, &TPL5Rec::LastName, 64},
    {ClientCol::FirstName, &TPL5Rec::FirstName, 64},
    {ClientCol::Company, &TPL5Rec::Company, 64},
    {ClientCol::Address1, &TPL5Rec::Address1, 64},
    {ClientCol::Address2, &TPL5Rec::Address2, 64},
    {ClientCol::City, &TPL5Rec::City, 32},
    {ClientCol::State, &TPL5Rec::State, 2},
    {ClientCol::ZipCode, &TPL5Rec::ZipCode, 10},
    {ClientCol::Phone, &TPL5Rec::Phone, 20},
    {ClientCol::Cell, &TPL5Rec::Cell, 20},
    {ClientCol::Note1, &TPL5Rec::Note1, 64},
    {ClientCol::Note2, &TPL5Rec::Note2, 64},
}};

// The first capacity characters, without a lone half of a surrogate pair at
// the cut.
QString CutToCapacity(const QString& text, int capacity) {
    QString cut = text.left(capacity);
    if (!cut.isEmpty() && cut.back().isHighSurrogate()) {
        cut.chop(1);
    }
    return cut;
}

bool IsDataRow(const RecordTable& table, int row) {
    return row >= 1 && row < table.RowCount();
}

} // namespace

TPL5Rec MakeTPL5Rec(const RecordTable& table, int row) {
    TPL5Rec rec;
    if (!IsDataRow(table, row)) {
        return rec;
    }
    for (const ClipboardColumn& c : kColumns) {
        rec.*c.field = CutToCapacity(table.Cell(row, c.column), c.capacity);
    }
    return rec;
}

QString ClientClipboardText(const TPL5Rec& rec) {
    const QLatin1String crlf("\r\n");
    QString text = rec.LastName + QStringLiteral(", ") + rec.FirstName + crlf;
    if (!rec.Company.isEmpty()) {
        text += rec.Company + crlf;
    }
    text += rec.Address1 + crlf;
    if (!rec.Address2.isEmpty()) {
        text += rec.Address2 + crlf;
    }
    text += rec.City + QStringLiteral(", ") + rec.State + QStringLiteral("  ") + rec.ZipCode + crlf;
    return text;
}

QByteArray EncodeTPL5Rec(const TPL5Rec& rec) {
    return EncodeRecord(rec);
}

std::optional<TPL5Rec> DecodeTPL5Rec(QByteArrayView bytes) {
    if (bytes.size() != kTPL5RecSize) {
        return std::nullopt;
    }
    return DecodeRecord<TPL5Rec>(bytes);
}

void PasteTPL5Rec(RecordTable& table, int row, const TPL5Rec& rec) {
    if (!IsDataRow(table, row)) {
        return;
    }
    for (const ClipboardColumn& c : kColumns) {
        table.SetCell(row, c.column, rec.*c.field);
    }
    // Foreign bytes may carry any two characters; the table holds only
    // abbreviations the state table knows.
    if (StateAbbreviationToInt(rec.State) < 0) {
        table.SetCell(row, ClientCol::State, QString());
    }
}

QMimeData* MakeClientMimeData(const TPL5Rec& rec) {
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kClientMimeType), EncodeTPL5Rec(rec));
    data->setText(ClientClipboardText(rec));
    return data;
}

std::optional<TPL5Rec> ClientFromMimeData(const QMimeData& data) {
    const QString type = QString::fromLatin1(kClientMimeType);
    if (!data.hasFormat(type)) {
        return std::nullopt;
    }
    return DecodeTPL5Rec(data.data(type));
}

bool HasBrokenClientRecord(const QMimeData& data) {
    const QString type = QString::fromLatin1(kClientMimeType);
    return data.hasFormat(type) && data.data(type).size() != kTPL5RecSize;
}

QString BrokenClipboardText(const QMimeData& data) {
    return QStringLiteral("The clipboard holds a client record of %1 bytes instead of %2. It was "
                          "not made by this version of Pellary5 and is not pasted.")
        .arg(data.data(QString::fromLatin1(kClientMimeType)).size())
        .arg(kTPL5RecSize);
}

} // namespace kiv5
