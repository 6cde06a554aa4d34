#include "clientdb/core/MemoList.h"

#include "clientdb/core/ClientTable.h"
#include "clientdb/core/NameRec.h"
#include "common/core/Misc.h"
#include "common/core/TextFile.h"

#include <QFileInfo>
#include <algorithm>

namespace kiv5 {

MemoList ReadMemoFile(const QString& path, int slotCount) {
    MemoList memo;
    if (QFileInfo::exists(path)) {
        memo = ReadTextLines(path);
    }
    while (memo.size() < slotCount) {
        memo.append(QString());
    }
    return memo;
}

void WriteMemoFile(const QString& path, const MemoList& memo) {
    // A line break inside a line would shift every later slot's memo.
    MemoList lines;
    lines.reserve(memo.size());
    for (const QString& line : memo) {
        lines.append(EncodeMemo(line));
    }
    WriteTextLines(path, lines);
}

QString EncodeMemo(const QString& text) {
    QString crlf = text;
    crlf.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    crlf.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    crlf.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    crlf.replace(QChar::LineSeparator, QLatin1Char('\n'));
    crlf.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return RemoveCRLFWithPipe(crlf);
}

void StoreMemoOverflow(RecordTable& table, int row, const QString& memoText, MemoList& memo) {
    const QString encoded = EncodeMemo(memoText);
    table.SetCell(row, ClientCol::Memo, encoded);
    const int slot = ParseInteger(table.Cell(row, ClientCol::RecNo));
    if (slot < 0 || slot >= std::max<qsizetype>(memo.size(), table.RowCount())) {
        return;
    }
    while (memo.size() <= slot) {
        memo.append(QString());
    }
    memo[slot] = encoded.size() > kMemoCapacity ? encoded : QString();
}

QString EntryFormMemo(const RecordTable& table, int row, const MemoList& memo) {
    const auto slot = TryParseInteger(table.Cell(row, ClientCol::RecNo));
    const QString line = slot ? memo.value(*slot) : QString();
    return RestoreCRLFFromPipe(line.isEmpty() ? table.Cell(row, ClientCol::Memo) : line);
}

} // namespace kiv5
