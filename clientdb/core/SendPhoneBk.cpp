#include "clientdb/core/SendPhoneBk.h"

#include "clientdb/core/ClientTable.h"
#include "common/core/DateTime.h"
#include "common/core/Misc.h"
#include "common/core/RtfEscape.h"

#include <algorithm>

namespace kiv5 {
namespace {

constexpr int kTemplatePage = 2;
constexpr int kEntriesPerPage = 150;
constexpr int kLastSlot = 325;
constexpr int kFileNameSlot = 300;
constexpr int kDateSlot = 301;
constexpr int kPageNoSlot = 302;
constexpr int kPageCountSlot = 303;

} // namespace

int PhoneBookPageCount(int rowCount) {
    return std::max(1, (rowCount + kEntriesPerPage - 1) / kEntriesPerPage);
}

QString SendPhoneBk(const ClientDocumentSource& source, TAnswer& answers) {
    const RecordTable& table = source.table;
    const int pages = PhoneBookPageCount(table.RowCount());
    const QString fileName = EscapeRtf(FileNamePart(source.FileName));
    const QString date = EscapeRtf(MakeTextDate(source.context.Today()));
    const auto fill = [&](int page) {
        answers.ClearSlots(kTemplatePage, 0, kLastSlot);
        answers.SetAnswer(kTemplatePage, kFileNameSlot, fileName);
        answers.SetAnswer(kTemplatePage, kDateSlot, date);
        answers.SetAnswer(kTemplatePage, kPageNoSlot, QString::number(page + 1));
        answers.SetAnswer(kTemplatePage, kPageCountSlot, QString::number(pages));
        // The header row takes the first page's first place, so that page
        // holds one client less.
        const int first = std::max(1, page * kEntriesPerPage);
        const int end = std::min(table.RowCount(), (page + 1) * kEntriesPerPage);
        for (int row = first; row < end; ++row) {
            const int entry = row - first;
            answers.SetAnswer(kTemplatePage, 2 * entry,
                              EscapeRtf(table.Cell(row, ClientCol::LastName) +
                                        QStringLiteral(", ") +
                                        table.Cell(row, ClientCol::FirstName)));
            answers.SetAnswer(kTemplatePage, 2 * entry + 1,
                              EscapeRtf(table.Cell(row, ClientCol::Phone)));
        }
    };
    return WriteClientDocument(source, answers, kTemplatePage, pages, fill,
                               QString::fromLatin1(kPhoneBookFileName));
}

} // namespace kiv5
