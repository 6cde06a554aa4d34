#include "clientdb/core/SendFullPO.h"

#include "clientdb/core/ClientTable.h"
#include "clientdb/core/MemoDisplayLines.h"
#include "common/core/Misc.h"
#include "common/core/RtfEscape.h"

namespace kiv5 {
namespace {

constexpr int kTemplatePage = 3;

QString Field(const RecordTable& table, int row, int column) {
    return EscapeRtf(table.Cell(row, column));
}

QString FirstDataLine(const RecordTable& table, int row) {
    return QStringLiteral("\\pard\\tx1440\\tx3600\\tx7200\\tx9000\\b ") +
           Field(table, row, ClientCol::ClientNo) + QStringLiteral("\\tab ") +
           Field(table, row, ClientCol::LastName) + QStringLiteral(", ") +
           Field(table, row, ClientCol::FirstName) + QStringLiteral("\\b0\\tab ") +
           Field(table, row, ClientCol::Address1) + QStringLiteral("\\tab ") +
           Field(table, row, ClientCol::Phone) + QStringLiteral("\\tab ") +
           Field(table, row, ClientCol::EMail);
}

QString SecondDataLine(const RecordTable& table, int row) {
    return QStringLiteral("\\tab ") + Field(table, row, ClientCol::Company) +
           QStringLiteral("\\tab ") + Field(table, row, ClientCol::Address2) +
           QStringLiteral("\\tab ") + Field(table, row, ClientCol::Cell) +
           QStringLiteral("\\tab ") + Field(table, row, ClientCol::Note1);
}

QString ThirdDataLine(const RecordTable& table, int row) {
    return QStringLiteral("\\tab \\tab ") + Field(table, row, ClientCol::City) +
           QStringLiteral(", ") + Field(table, row, ClientCol::State) + QStringLiteral("  ") +
           Field(table, row, ClientCol::ZipCode) + QStringLiteral("\\tab ") +
           Field(table, row, ClientCol::Fax) + QStringLiteral("\\tab ") +
           Field(table, row, ClientCol::Note2);
}

} // namespace

QString ClientMemoText(const RecordTable& table, int row, const MemoList& memo) {
    const auto slot = TryParseInteger(table.Cell(row, ClientCol::RecNo));
    const QString line = slot ? memo.value(*slot) : QString();
    return line.isEmpty() ? table.Cell(row, ClientCol::Memo) : line;
}

QStringList FullPrintoutClientLines(const RecordTable& table, int row, const MemoList& memo) {
    QStringList lines{FirstDataLine(table, row), SecondDataLine(table, row),
                      ThirdDataLine(table, row)};
    const QString memoText = ClientMemoText(table, row, memo);
    if (memoText.isEmpty()) {
        lines << QString() << QString();
    } else {
        lines << QStringLiteral("\\b Memo:\\b0");
        for (const QString& line : MemoDisplayLines(memoText)) {
            lines << EscapeRtf(line);
        }
    }
    lines << QStringLiteral("\\qc ") + QString(150, QLatin1Char('-')) << QString();
    return lines;
}

QStringList FullPrintoutLines(const RecordTable& table, const MemoList& memo) {
    QStringList lines;
    for (int row = 1; row < table.RowCount(); ++row) {
        lines += FullPrintoutClientLines(table, row, memo);
    }
    return lines;
}

QString SendFullPO(const ClientDocumentSource& source, TAnswer& answers) {
    const QStringList lines = FullPrintoutLines(source.table, source.memo);
    const auto fill = [&](int page) {
        answers.ClearSlots(kTemplatePage, 0, kFullPrintoutLinesPerPage - 1);
        const qsizetype first = static_cast<qsizetype>(page) * kFullPrintoutLinesPerPage;
        for (int i = 0; i < kFullPrintoutLinesPerPage && first + i < lines.size(); ++i) {
            answers.SetAnswer(kTemplatePage, i, lines[first + i]);
        }
    };
    return WriteClientDocument(source, answers, kTemplatePage,
                               PagesFor(lines.size(), kFullPrintoutLinesPerPage), fill,
                               QString::fromLatin1(kFullPrintoutFileName));
}

} // namespace kiv5
