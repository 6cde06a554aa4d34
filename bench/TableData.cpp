#include "bench/TableData.h"

#include "common/core/DateTime.h"
#include "common/core/NumberFormat.h"
#include "common/core/StateTable.h"

#include <QStringList>
#include <array>
#include <random>

namespace kiv5::bench {
namespace {

const QStringList kLastNames = {
    "Smith",         "Johnson",   "Williams",    "Brown",       "Jones",      "Garcia",
    "Miller",        "Davis",     "Rodriguez",   "Martinez",    "Hernandez",  "Lopez",
    "Gonzalez",      "Wilson",    "Anderson",    "Thomas",      "Taylor",     "Moore",
    "Jackson",       "Martin",    "Lee",         "Perez",       "Thompson",   "White",
    "Harris",        "Sanchez",   "Clark",       "Ramirez",     "Lewis",      "Robinson",
    "Walker",        "Young",     "Allen",       "King",        "Wright",     "Scott",
    "Torres",        "Nguyen",    "Hill",        "Flores",      "Green",      "Adams",
    "Nelson",        "Baker",     "Hall",        "Rivera",      "Campbell",   "Mitchell",
    "Carter",        "Roberts",   "O'Brien",     "McDonald",    "MacLeod",    "van Buren",
    "de la Cruz",    "Pe\u00f1a", "M\u00fcller", "Bront\u00eb", "\u00c5berg", "\u0160imek",
    "Andersonville", "Anders",    "Smithson",    "Goldsmith",   "adams",      "smith",
    "Fitzgerald",    "Kowalski",  "Nakamura",    "O'Connor",    "Schmidt",    "Rossi",
    "Dubois",        "Novak",     "Ivanova",     "Kim"};
const QStringList kFirstNames = {
    "James",      "Mary",      "Robert",     "Patricia",  "John",         "Jennifer",
    "Michael",    "Linda",     "David",      "Elizabeth", "William",      "Barbara",
    "Richard",    "Susan",     "Joseph",     "Jessica",   "Thomas",       "Sarah",
    "Chlo\u00eb", "Jos\u00e9", "Ren\u00e9e", "Zo\u00eb",  "Fran\u00e7ois"};
const QStringList kStreets = {"Main St",   "Oak Ave", "Maple Dr",      "Cedar Ln",      "Elm St",
                              "Park Blvd", "Pine Rd", "Washington St", "Lake Shore Dr", "2nd Ave"};
const QStringList kCities = {"Springfield", "Riverside", "Franklin", "Greenville", "Bristol",
                             "Clinton",     "Fairview",  "Salem",    "Madison",    "Georgetown"};
const QStringList kCompanies = {"Acme Supply",  "Globex Corp.",      "Initech", "Umbrella LLC",
                                "Stark & Sons", "Wayne Enterprises", "Hooli",   "Vandelay Imports"};
const QStringList kDescriptions = {"Retainer",  "Consultation", "Court filing fee", "Deposition",
                                   "Copies",    "Settlement",   "Travel",           "Postage",
                                   "Mediation", "Research"};
const QStringList kCategories = {"Fees", "Costs", "Trust", "Office", "Travel", "Refund"};
const QStringList kAccounts = {"Operating", "Trust Account", "Savings", "Petty Cash"};

class Generator {
public:
    explicit Generator(quint32 seed) : engine_(seed) {}

    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(engine_);
    }
    bool Chance(int percent) { return Between(1, 100) <= percent; }
    const QString& Pick(const QStringList& list) {
        return list[Between(0, static_cast<int>(list.size()) - 1)];
    }
    QString Digits(int count) {
        QString out;
        for (int i = 0; i < count; ++i) {
            out += QChar('0' + Between(0, 9));
        }
        return out;
    }
    QString Phone() { return QStringLiteral("(%1) %2-%3").arg(Digits(3), Digits(3), Digits(4)); }
    QString Status() {
        const int roll = Between(1, 100);
        return roll <= 94 ? QStringLiteral("0")
                          : (roll <= 97 ? QStringLiteral("-1") : QStringLiteral("-2"));
    }
    // A day between 2005 and 2015, with a time of day for stamps.
    DayCount Day() { return DateToDayCount(QDate(2005, 1, 1)) + Between(0, 3652); }
    QString Stamp() { return FormatDateTime(Day() + Between(0, 86399) / 86400.0, Midnight::Show); }

private:
    std::mt19937 engine_;
};

void FillClient(RecordTable& table, int row, Generator& g) {
    const QString last = g.Pick(kLastNames);
    const QString first = g.Pick(kFirstNames);
    table.SetCell(row, 1, g.Chance(10) ? QStringLiteral("X") : QString());
    table.SetCell(row, 2, g.Digits(8));
    table.SetCell(row, 3, last);
    table.SetCell(row, 4, first);
    table.SetCell(row, 5, g.Chance(30) ? g.Pick(kCompanies) : QString());
    table.SetCell(row, 6, QStringLiteral("%1 %2").arg(g.Between(1, 9999)).arg(g.Pick(kStreets)));
    table.SetCell(row, 7,
                  g.Chance(20) ? QStringLiteral("Suite %1").arg(g.Between(1, 500)) : QString());
    table.SetCell(row, 8, g.Pick(kCities));
    table.SetCell(row, 9, IntToStateAbbreviation(g.Between(0, 50)));
    table.SetCell(row, 10, g.Digits(5));
    table.SetCell(row, 11, g.Phone());
    table.SetCell(row, 12, g.Chance(60) ? g.Phone() : QString());
    table.SetCell(row, 13, g.Chance(20) ? g.Phone() : QString());
    table.SetCell(row, 14,
                  QStringLiteral("%1.%2@example.com").arg(first.toLower(), last.toLower()));
    table.SetCell(row, 15,
                  g.Chance(30) ? QStringLiteral("Referred by ") + g.Pick(kLastNames) : QString());
    table.SetCell(row, 16, g.Chance(10) ? QStringLiteral("Prefers e-mail") : QString());
    table.SetCell(row, 17,
                  g.Chance(25) ? QStringLiteral("Called about ") + g.Pick(kDescriptions) +
                                     QStringLiteral(" | follow up")
                               : QString());
    table.SetCell(row, 18, g.Stamp());
    table.SetCell(row, 19, table.Cell(row, 18));
    table.SetCell(row, 20, QString::number(row));
    table.SetCell(row, 21, g.Status());
}

QString Amount(Generator& g) {
    const int magnitude = g.Between(0, 5);
    double value = g.Between(1, 99999) / 100.0;
    for (int i = 0; i < magnitude - 2; ++i) {
        value *= 10;
    }
    return FormatMoney(g.Chance(5) ? -value : value);
}

void FillIncome(RecordTable& table, int row, Generator& g) {
    table.SetCell(row, 0, g.Chance(10) ? QStringLiteral("X") : QString());
    table.SetCell(row, 1, QString::number(1000 + row));
    table.SetCell(row, 2, FormatShortDate(g.Day()));
    table.SetCell(row, 3, g.Digits(8));
    table.SetCell(row, 4, g.Pick(kFirstNames) + QLatin1Char(' ') + g.Pick(kLastNames));
    table.SetCell(row, 5, g.Pick(kDescriptions));
    table.SetCell(row, 6, g.Pick(kCategories));
    table.SetCell(row, 7, g.Pick(kAccounts));
    table.SetCell(row, 8, g.Chance(20) ? QStringLiteral("A") : QString());
    table.SetCell(row, 9, Amount(g));
    table.SetCell(row, 10, g.Stamp());
    table.SetCell(row, 11, table.Cell(row, 10));
    table.SetCell(row, 12, QString::number(row));
    table.SetCell(row, 13, g.Status());
}

} // namespace

RecordTable MakeClientTable(int rows, quint32 seed) {
    RecordTable table(22, 21);
    table.SetRowCount(rows + 1);
    Generator g(seed);
    for (int row = 1; row <= rows; ++row) {
        FillClient(table, row, g);
    }
    table.ApplyStatusHeights();
    return table;
}

RecordTable MakeLedgerTable(int rows, quint32 seed) {
    RecordTable table(14, 13);
    table.SetRowCount(rows + 1);
    Generator g(seed);
    for (int row = 1; row <= rows; ++row) {
        FillIncome(table, row, g);
    }
    table.ApplyStatusHeights();
    return table;
}

} // namespace kiv5::bench
