#include "clientdb/core/SendLaserLabels.h"

#include "clientdb/core/ClientTable.h"
#include "clientdb/core/NameRec.h"
#include "common/core/Misc.h"
#include "common/core/RtfEscape.h"

namespace kiv5 {
namespace {

constexpr int kLastLabelSlot = 150;

struct LabelSheet {
    int templatePage;
    int labelsPerPage;
    int slotsPerLabel;
    int addressOffset; // the first slot of the address block within a label
    const char* fileName;
};

constexpr LabelSheet kSheet5160{0, 30, 4, 0, kLaserLabelsFileName};
constexpr LabelSheet kSheet5163{1, 10, 8, 4, kLaserLabels2FileName};

void FillReturnAddress(TAnswer& answers, int page, int first, const ReturnAddress& address) {
    answers.SetAnswer(page, first, EscapeRtf(address.ReturnName));
    answers.SetAnswer(page, first + 1, EscapeRtf(address.ReturnAdrs1));
    answers.SetAnswer(page, first + 2, EscapeRtf(address.ReturnAdrs2));
    answers.SetAnswer(page, first + 3, EscapeRtf(address.ReturnAdrs3));
}

QString SendLabels(const LabelSheet& sheet, const ClientDocumentSource& source, TAnswer& answers) {
    const QList<int> rows = ActiveClientRows(source.table);
    const int page = sheet.templatePage;
    const auto fill = [&](int pageNo) {
        answers.ClearSlots(page, 0, kLastLabelSlot);
        const qsizetype first = static_cast<qsizetype>(pageNo) * sheet.labelsPerPage;
        const qsizetype last = std::min<qsizetype>(rows.size(), first + sheet.labelsPerPage);
        for (qsizetype i = first; i < last; ++i) {
            const int label = static_cast<int>(i - first);
            const int base = label * sheet.slotsPerLabel;
            if (sheet.addressOffset > 0) {
                FillReturnAddress(answers, page, base, source.returnAddress);
            }
            const QStringList block = AddressBlock(source.table, rows[i]);
            for (int line = 0; line < block.size(); ++line) {
                answers.SetAnswer(page, base + sheet.addressOffset + line, EscapeRtf(block[line]));
            }
        }
    };
    return WriteClientDocument(source, answers, page, PagesFor(rows.size(), sheet.labelsPerPage),
                               fill, QString::fromLatin1(sheet.fileName));
}

} // namespace

QStringList AddressBlock(const RecordTable& table, int row) {
    const QString& first = table.Cell(row, ClientCol::FirstName);
    const QString& last = table.Cell(row, ClientCol::LastName);
    const QString name = first.isEmpty() ? last : first + QLatin1Char(' ') + last;
    QStringList block;
    for (const QString& line :
         {name, table.Cell(row, ClientCol::Address1), table.Cell(row, ClientCol::Address2)}) {
        if (!line.isEmpty()) {
            block.append(line);
        }
    }
    block.append(table.Cell(row, ClientCol::City) + QStringLiteral(", ") +
                 table.Cell(row, ClientCol::State) + QStringLiteral("  ") +
                 table.Cell(row, ClientCol::ZipCode));
    return block;
}

QList<int> ActiveClientRows(const RecordTable& table) {
    QList<int> rows;
    for (int row = 1; row < table.RowCount(); ++row) {
        if (ParseInteger(table.Cell(row, ClientCol::Status)) == kStatusActive) {
            rows.append(row);
        }
    }
    return rows;
}

QString SendLaserLabels(const ClientDocumentSource& source, TAnswer& answers) {
    return SendLabels(kSheet5160, source, answers);
}

QString SendLaserLabels2(const ClientDocumentSource& source, TAnswer& answers) {
    return SendLabels(kSheet5163, source, answers);
}

} // namespace kiv5
