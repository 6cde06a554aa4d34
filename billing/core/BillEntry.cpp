#include "billing/core/BillEntry.h"

#include "billing/core/BillMoney.h"
#include "billing/core/RemoveLineBreaksWithPipe.h"
#include "common/core/Misc.h"

namespace kiv5::billing {
namespace {

const QString kClientSeparator = QStringLiteral(" - ");

constexpr int DescriptionColumn(int line) {
    return BillColumn::FirstDescription + 2 * line;
}
constexpr int AmountColumn(int line) {
    return BillColumn::FirstAmount + 2 * line;
}
constexpr int ISPathColumn(int line) {
    return BillColumn::FirstISPath + line;
}

QString FieldText(const QString& text, int length) {
    return WithoutTabs(text).left(length);
}

} // namespace

BillEntry EntryOfBillRow(const RecordTable& table, int row) {
    const QStringList& cells = table.Row(row);
    BillEntry entry;
    entry.client = cells[BillColumn::ClientNo];
    entry.fullName = cells[BillColumn::FullName];
    if (const std::optional<DayCount> date = TryParseDateTime(cells[BillColumn::LastBill])) {
        entry.lastBill = *date;
    }
    entry.balanceForward = cells[BillColumn::BalanceForward];
    for (int line = 0; line < kBillLines; ++line) {
        const auto i = static_cast<std::size_t>(line);
        entry.description[i] = cells[DescriptionColumn(line)];
        entry.amount[i] = cells[AmountColumn(line)];
        entry.isPath[i] = cells[ISPathColumn(line)];
    }
    entry.note = RestoreCRLFFromPipe(cells[BillColumn::Note]);
    entry.interest = cells[BillColumn::Interest] == QLatin1String("Y");
    entry.interestRate = cells[BillColumn::InterestRate];
    entry.recNo = cells[BillColumn::RecNo];
    return entry;
}

EntryCheck CheckBillEntry(const BillEntry& entry) {
    if (!entry.lastBill) {
        return {11060, {}};
    }
    if (!TryMoneyUnits(entry.balanceForward)) {
        return {21202, {}};
    }
    for (const QString& amount : entry.amount) {
        if (!TryMoneyUnits(amount)) {
            return {21202, {}};
        }
    }
    if (!TryParseFloat(RemoveCommasAndSigns(entry.interestRate.isEmpty() ? QStringLiteral("0")
                                                                         : entry.interestRate))) {
        return {21182, {}};
    }
    for (int line = 0; line < kBillLines; ++line) {
        const QString& path = entry.isPath[static_cast<std::size_t>(line)];
        if (path.size() > kISPathLength) {
            return {0, QStringLiteral("The itemized statement path %1 has %2 characters; a bill "
                                      "keeps paths of at most %3 characters. Move the statement "
                                      "file to a shorter path and attach it again.")
                           .arg(line + 1)
                           .arg(path.size())
                           .arg(kISPathLength)};
        }
    }
    return {};
}

void ApplyBillEntry(RecordTable& table, int row, const BillEntry& entry) {
    QStringList& cells = table.Row(row);
    if (entry.clientEdited) {
        cells[BillColumn::ClientNo] = WithoutTabs(ClientNumberOfText(entry.client));
    }
    cells[BillColumn::FullName] = FieldText(entry.fullName, kFullNameLength);
    cells[BillColumn::LastBill] = FormatShortDate(entry.lastBill.value_or(0));
    cells[BillColumn::BalanceForward] = MoneyText(TryMoneyUnits(entry.balanceForward).value_or(0));
    for (int line = 0; line < kBillLines; ++line) {
        const auto i = static_cast<std::size_t>(line);
        cells[DescriptionColumn(line)] = FieldText(entry.description[i], kDescriptionLength);
        cells[AmountColumn(line)] = MoneyText(TryMoneyUnits(entry.amount[i]).value_or(0));
        cells[ISPathColumn(line)] = FieldText(entry.isPath[i], kISPathLength);
    }
    cells[BillColumn::Note] = FieldText(RemoveLineBreaksWithPipe(entry.note), kNoteLength);
    cells[BillColumn::Interest] = entry.interest ? QStringLiteral("Y") : QStringLiteral("N");
    cells[BillColumn::InterestRate] = WithoutTabs(entry.interestRate).trimmed();
}

QString ClientNumberOfText(const QString& text) {
    const qsizetype at = text.lastIndexOf(kClientSeparator);
    const QString number = at < 0 ? text : text.mid(at + kClientSeparator.size());
    return number.trimmed().left(kClientNoLength);
}

QString NameOfClientText(const QString& text) {
    const qsizetype at = text.lastIndexOf(kClientSeparator);
    return at < 0 ? QString() : text.left(at);
}

QString ClientNumberKey(const QString& clientNo) {
    QString key = clientNo;
    for (QChar& c : key) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            c = QChar(c.unicode() - 'a' + 'A');
        }
    }
    return key;
}

bool SameClientNumber(const QString& a, const QString& b) {
    return a.size() == b.size() && ClientNumberKey(a) == ClientNumberKey(b);
}

QString WithoutTabs(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return out;
}

bool IsFractionalRate(const QString& text) {
    const std::optional<double> rate = TryParseFloat(RemoveCommasAndSigns(text));
    return rate && *rate > 0 && *rate < 1;
}

} // namespace kiv5::billing
