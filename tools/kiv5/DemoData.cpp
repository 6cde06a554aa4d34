#include "tools/kiv5/DemoData.h"

#include "common/core/Clock.h"
#include "common/core/DateTime.h"
#include "common/core/Misc.h"
#include "common/core/StateTable.h"
#include "tools/kiv5/DemoNames.h"
#include "tools/kiv5/DemoRandom.h"

#include <algorithm>

namespace kiv5::tool {
namespace {

using demo::DemoPlace;

constexpr int kDeletedEvery = 17;
constexpr int kLongMemoEvery = 12;
constexpr int kLongMemoLength = 300;
constexpr int kMaxClientsPerDay = 50; // client numbers have two digits a day
constexpr qint64 kMinClientDays = 730;
constexpr int kLedgerDays = 182;
constexpr int kStatementDays = 30;

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

template <std::size_t N> QStringList TextList(const std::array<const char*, N>& items) {
    QStringList list;
    for (const char* item : items) {
        list.append(Text(item));
    }
    return list;
}

QString TwoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString ClientNumber(const QDate& day, int subNo) {
    return TwoDigits(day.year() % 100) + TwoDigits(day.month()) + TwoDigits(day.day()) +
           TwoDigits(subNo);
}

// A moment of that day: `from` hours plus a random part of `span` hours,
// whole seconds.
double MomentOf(const QDate& day, int from, int span, DemoRandom& random) {
    const int seconds = from * 3600 + random.Below(span * 3600);
    return DateTimeToDayCount(QDateTime(day, QTime::fromMSecsSinceStartOfDay(seconds * 1000)));
}

// Offices are closed at weekends: Saturday moves back, Sunday on.
QDate Weekday(const QDate& day) {
    if (day.dayOfWeek() == Qt::Saturday) {
        return day.addDays(-1);
    }
    if (day.dayOfWeek() == Qt::Sunday) {
        return day.addDays(1);
    }
    return day;
}

QDate TodayDate(const Clock& clock) {
    return clock.CurrentDateTime().date();
}

// Day `index` of `count` spread evenly over the `days` days before today.
QDate SpreadDay(const QDate& today, qint64 index, qint64 count, qint64 days) {
    return today.addDays(-days + index * days / std::max<qint64>(count, 1));
}

qint64 Cents(int cents) {
    return qint64{cents} * 100;
}

QString AsciiLetters(const QString& text) {
    QString out;
    // Accents go: "Björn" gives "bjorn".
    for (const QChar c : text.normalized(QString::NormalizationForm_D).toLower()) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            out += c;
        }
    }
    return out;
}

QString Phone(const DemoPlace& place, DemoRandom& random) {
    return QStringLiteral("(%1) 555-01%2").arg(Text(place.areaCode), TwoDigits(random.Below(100)));
}

// Memo lines follow one another from a random start, so none repeats.
QString DemoMemo(int slot, DemoRandom& random) {
    const int available = static_cast<int>(demo::kMemoLines.size());
    const int start = random.Below(available);
    int count = 0;
    if (slot % kLongMemoEvery == 5) {
        count = available;
    } else {
        const int roll = random.Below(10);
        count = roll < 4 ? 0 : roll < 8 ? random.Between(1, 2) : 3;
    }
    QString memo;
    for (int i = 0; i < count && memo.size() <= kLongMemoLength; ++i) {
        if (i > 0) {
            memo += QStringLiteral("\r\n");
        }
        memo += Text(demo::kMemoLines[static_cast<std::size_t>((start + i) % available)]);
    }
    return memo;
}

void FillPerson(NameRec& rec, DemoRandom& random) {
    rec.LastName = random.PickText(demo::kLastNames);
    rec.FirstName = random.PickText(demo::kFirstNames);
    if (random.Chance(15)) {
        rec.Company = random.PickText(demo::kCompanies);
    }
}

void FillAddress(NameRec& rec, const DemoPlace& place, DemoRandom& random) {
    rec.Address1 =
        QStringLiteral("%1 %2").arg(random.Between(10, 9899)).arg(random.PickText(demo::kStreets));
    if (random.Chance(25)) {
        rec.Address2 = random.PickText(demo::kSecondLines);
    }
    rec.City = Text(place.city);
    rec.State = StateAbbreviationToInt(Text(place.state));
    rec.ZipCode = Text(place.zip);
    if (random.Chance(10)) {
        rec.ZipCode += QStringLiteral("-%1").arg(random.Between(1000, 9999));
    }
}

void FillContact(NameRec& rec, const DemoPlace& place, bool firm, DemoRandom& random) {
    rec.Phone = Phone(place, random);
    if (!firm && random.Chance(70)) {
        rec.Cell = Phone(place, random);
    }
    if (firm && random.Chance(60)) {
        rec.Fax = Phone(place, random);
    }
    const QString domain = random.PickText(demo::kMailDomains);
    if (firm) {
        rec.EMail = QStringLiteral("office@%1.%2")
                        .arg(AsciiLetters(rec.LastName.section(QLatin1Char(' '), 0, 1)), domain);
    } else if (random.Chance(80)) {
        rec.EMail = QStringLiteral("%1.%2@%3")
                        .arg(AsciiLetters(rec.FirstName), AsciiLetters(rec.LastName), domain);
    }
    if (random.Chance(50)) {
        rec.Note1 = random.PickText(demo::kNotes1);
    }
    if (random.Chance(30)) {
        rec.Note2 = random.PickText(demo::kNotes2);
    }
}

DemoClient MakeClient(int slot, const QDate& added, int subNo, DemoRandom& random) {
    DemoClient client;
    NameRec& rec = client.record;
    const bool firm = random.Chance(20);
    if (firm) {
        rec.LastName = random.PickText(demo::kCompanies);
        rec.Company = rec.LastName;
    } else {
        FillPerson(rec, random);
    }
    const DemoPlace& place =
        random.Chance(75) ? random.Pick(demo::kLocalPlaces) : random.Pick(demo::kDistantPlaces);
    FillAddress(rec, place, random);
    FillContact(rec, place, firm, random);
    rec.ClientNo = ClientNumber(added, subNo);
    rec.Selected = random.Chance(5);
    rec.PostTime = MomentOf(added, 9, 8, random);
    rec.PullTime = rec.PostTime;
    rec.RecNo = slot;
    rec.Status = slot % kDeletedEvery == 0 ? kStatusDeleted : kStatusActive;
    client.memo = DemoMemo(slot, random);
    return client;
}

const NameRec& PickClient(const std::vector<const DemoClient*>& live, DemoRandom& random) {
    return live[static_cast<std::size_t>(random.Below(static_cast<int>(live.size())))]->record;
}

books::IncRec MakeReceipt(const NameRec& client, int k, const QDate& day, DemoRandom& random) {
    books::IncRec rec;
    rec.RecordNo = QString::number(1001 + k);
    rec.Date = DateToDayCount(day);
    rec.ClientNo = client.ClientNo;
    rec.Payor = DemoFullName(client).left(64);
    const int roll = random.Below(100);
    if (roll < 15) {
        rec.Category = QStringLiteral("Retainers");
        rec.Description = QStringLiteral("Retainer");
        rec.Account = QStringLiteral("Trust Account (IOLTA)");
        rec.Amount = Cents(random.Between(2, 20) * 25000);
    } else if (roll < 20) {
        rec.Category = QStringLiteral("Reimbursed Costs");
        rec.Description = QStringLiteral("Reimbursement of filing fee");
        rec.Account = QStringLiteral("Operating Account");
        rec.Amount = Cents(random.Between(1250, 45000));
    } else if (roll < 21) {
        rec.Category = QStringLiteral("Refunds");
        rec.Description = QStringLiteral("Refund of unused retainer");
        rec.Account = QStringLiteral("Trust Account (IOLTA)");
        rec.Amount = -Cents(random.Between(10000, 150000));
    } else {
        rec.Category = QStringLiteral("Legal Fees");
        rec.Description = random.PickText(demo::kIncomeDescriptions);
        rec.Account = QStringLiteral("Operating Account");
        rec.Amount = Cents(random.Between(7500, 480000));
    }
    rec.Code = random.PickText(std::array{"K", "C", "E", ""});
    rec.PostTime = MomentOf(day, 10, 7, random);
    rec.PullTime = rec.PostTime;
    rec.RecNo = k + 1;
    rec.Status = random.Chance(2) ? kStatusDeleted : kStatusActive;
    return rec;
}

} // namespace

QString DemoFullName(const NameRec& client) {
    return client.FirstName.isEmpty() ? client.LastName
                                      : client.FirstName + QLatin1Char(' ') + client.LastName;
}

std::vector<const DemoClient*> LiveClients(const std::vector<DemoClient>& clients) {
    std::vector<const DemoClient*> live;
    for (const DemoClient& client : clients) {
        if (client.record.Status == kStatusActive) {
            live.push_back(&client);
        }
    }
    return live;
}

std::vector<DemoClient> MakeDemoClients(int count, const Clock& clock, quint32 seed) {
    const QDate today = TodayDate(clock);
    DemoRandom random(seed);
    const qint64 days =
        std::max(kMinClientDays, (qint64{count} + kMaxClientsPerDay - 1) / kMaxClientsPerDay);
    std::vector<DemoClient> clients;
    clients.reserve(static_cast<std::size_t>(count));
    QDate lastDay;
    int subNo = 0;
    for (int slot = 1; slot <= count; ++slot) {
        const QDate added = SpreadDay(today, slot - 1, count, days);
        subNo = added == lastDay ? subNo + 1 : 0;
        lastDay = added;
        clients.push_back(MakeClient(slot, added, subNo, random));
    }
    return clients;
}

std::vector<books::IncRec> MakeDemoIncome(const std::vector<DemoClient>& clients, int count,
                                          const Clock& clock, quint32 seed) {
    const QDate today = TodayDate(clock);
    DemoRandom random(seed + 1);
    const auto live = LiveClients(clients);
    std::vector<books::IncRec> records;
    if (live.empty()) {
        return records;
    }
    records.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        const QDate day = Weekday(SpreadDay(today, k, count, kLedgerDays));
        records.push_back(MakeReceipt(PickClient(live, random), k, day, random));
    }
    return records;
}

std::vector<books::ExpRec> MakeDemoExpenses(const std::vector<DemoClient>& clients, int count,
                                            const Clock& clock, quint32 seed) {
    const QDate today = TodayDate(clock);
    DemoRandom random(seed + 2);
    const auto live = LiveClients(clients);
    std::vector<books::ExpRec> records;
    records.reserve(static_cast<std::size_t>(count));
    int checkNo = 2001;
    for (int k = 0; k < count; ++k) {
        const QDate day = Weekday(SpreadDay(today, k, count, kLedgerDays));
        const demo::DemoVendor& vendor = random.Pick(demo::kVendors);
        books::ExpRec rec;
        rec.Date = DateToDayCount(day);
        rec.Payee = Text(vendor.payee);
        rec.Category = Text(vendor.category);
        rec.Description = Text(vendor.description);
        if (vendor.forClient && !live.empty()) {
            const NameRec& client = PickClient(live, random);
            rec.ClientNo = client.ClientNo;
            rec.Description = (rec.Description + QStringLiteral(" - ") + client.LastName).left(64);
        }
        if (rec.Payee == QLatin1String("Petty cash")) {
            rec.Account = QStringLiteral("Petty Cash");
        } else if (random.Chance(20)) {
            rec.Account = QStringLiteral("Business Credit Card");
        } else {
            rec.Account = QStringLiteral("Operating Account");
            rec.CheckNo = QString::number(checkNo++);
        }
        rec.Amount = Cents(random.Between(vendor.minimumCents, vendor.maximumCents));
        rec.PostTime = MomentOf(day, 9, 8, random);
        rec.PullTime = rec.PostTime;
        rec.RecNo = k + 1;
        records.push_back(rec);
    }
    return records;
}

std::vector<billing::ISRec> MakeDemoStatement(int lines, qint64 hourlyRate, const Clock& clock,
                                              quint32 seed) {
    const QDate today = TodayDate(clock);
    DemoRandom random(seed + 3);
    std::vector<billing::ISRec> records;
    for (int slot = 0; slot < lines; ++slot) {
        const QDate day = Weekday(SpreadDay(today, slot, lines, kStatementDays));
        billing::ISRec rec;
        rec.ServiceDate = DateToDayCount(day);
        rec.ServiceDescription = random.PickText(demo::kServices);
        if (random.Chance(20)) {
            rec.ServiceDescription += QStringLiteral(" | ") + random.PickText(demo::kServices);
        }
        rec.TimeSpent = random.Between(1, 14) * 0.25;
        rec.HourlyRate = hourlyRate;
        rec.PostTime = MomentOf(day, 16, 2, random);
        rec.PullTime = rec.PostTime;
        rec.RecNo = slot;
        records.push_back(rec);
    }
    return records;
}

std::vector<const DemoClient*> DemoBillClients(const std::vector<DemoClient>& clients, int count) {
    const auto live = LiveClients(clients);
    const qint64 bills = std::min<qint64>(std::max(count, 0), qint64(live.size()));
    std::vector<const DemoClient*> billed;
    for (qint64 k = 0; k < bills; ++k) {
        billed.push_back(live[static_cast<std::size_t>(k * qint64(live.size()) / bills)]);
    }
    return billed;
}

std::vector<billing::TBillRec> MakeDemoBills(const std::vector<DemoClient>& clients, int count,
                                             const QStringList& statementPaths, const Clock& clock,
                                             quint32 seed) {
    const QDate today = TodayDate(clock);
    DemoRandom random(seed + 4);
    const auto billed = DemoBillClients(clients, count);
    const auto bills = static_cast<int>(billed.size());
    const QDate lastBill = QDate(today.year(), today.month(), 1).addMonths(-1);
    std::vector<billing::TBillRec> records;
    for (int k = 0; k < bills; ++k) {
        const NameRec& client = billed[static_cast<std::size_t>(k)]->record;
        billing::TBillRec rec;
        rec.ClientNo = client.ClientNo;
        rec.FullName = DemoFullName(client).left(64);
        rec.LastBill = DateToDayCount(lastBill);
        if (random.Chance(30)) {
            rec.BalanceForward = Cents(random.Between(5000, 250000));
        }
        rec.Description[0] = QStringLiteral("Professional services rendered");
        rec.Amount[0] = Cents(random.Between(25000, 600000));
        const int lines = random.Between(1, 4);
        for (int i = 1; i < lines; ++i) {
            rec.Description[static_cast<std::size_t>(i)] = random.PickText(demo::kBillLines);
            rec.Amount[static_cast<std::size_t>(i)] = Cents(random.Between(1500, 60000));
        }
        if (random.Chance(25)) {
            rec.Note = RemoveCRLFWithPipe(
                QStringLiteral("Payment plan agreed.\r\nSend a reminder on the 15th."));
        }
        if (random.Chance(20)) {
            rec.Interest = true;
            rec.InterestRate = random.Pick(std::array{8.0, 1.5, 12.0, 7.5});
        }
        rec.PostTime = MomentOf(lastBill.addDays(1), 11, 4, random);
        rec.PullTime = rec.PostTime;
        rec.RecNo = k + 1;
        records.push_back(rec);
    }
    for (qsizetype i = 0; i < statementPaths.size() && !records.empty(); ++i) {
        const auto bill = static_cast<std::size_t>(i) < records.size() ? std::size_t(i) : 0;
        auto& paths = records[bill].ISPath;
        *std::find(paths.begin(), paths.end(), QString()) = statementPaths[i];
    }
    return records;
}

std::vector<billing::DayRec> MakeDemoDays(const std::vector<DemoClient>& clients, int weeks,
                                          const Clock& clock, quint32 seed) {
    const QDate today = TodayDate(clock);
    DemoRandom random(seed + 5);
    const auto live = LiveClients(clients);
    const QDate start = today.addDays(-(today.dayOfWeek() % 7) - 7);
    const double stamp = TruncateToSecond(clock.Now());
    std::vector<billing::DayRec> days;
    for (int d = 0; d < weeks * 7; ++d) {
        const QDate date = start.addDays(d);
        if (date.dayOfWeek() == Qt::Saturday || date.dayOfWeek() == Qt::Sunday) {
            continue;
        }
        billing::DayRec day;
        day.Day = DateToDayCount(date);
        for (int slot = 16 + random.Below(4); slot < 35;) {
            const auto at = static_cast<std::size_t>(slot);
            int halfHours = 2;
            if (!live.empty() && random.Chance(75)) {
                const NameRec& client = PickClient(live, random);
                halfHours = random.Between(1, 4);
                day.SlotText[at] =
                    (random.PickText(demo::kAppointments) + QStringLiteral(" - ") + client.LastName)
                        .left(64);
                day.SlotClientNo[at] = client.ClientNo;
                day.SlotHours[at] = halfHours * 0.5;
            } else {
                day.SlotText[at] = random.PickText(demo::kOfficeEntries);
                day.SlotHours[at] = random.Chance(50) ? 1.0 : 0.0;
            }
            slot += halfHours + random.Between(1, 4);
        }
        if (random.Chance(20)) {
            day.DayNotes = random.PickText(demo::kDayNotes);
        }
        day.PostTime = stamp;
        day.PullTime = stamp;
        days.push_back(day);
    }
    return days;
}

QStringList DemoAccounts() {
    return TextList(demo::kAccounts);
}

QStringList DemoCategories() {
    return TextList(demo::kCategories);
}

QStringList DemoDefaultCategories() {
    return TextList(demo::kDefaultCategories);
}

} // namespace kiv5::tool
