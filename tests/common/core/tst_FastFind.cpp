#include "billing/core/BillColumns.h"
#include "billing/core/WorksheetColumns.h"
#include "books/core/LedgerColumns.h"
#include "clientdb/core/ClientColumns.h"
#include "common/core/FastFind.h"
#include "tests/support/TestMain.h"

using namespace kiv5;

namespace {

TableProfile ProfileNamed(const QString& name) {
    if (name == QLatin1String("client")) {
        return ClientTableProfile();
    }
    if (name == QLatin1String("bookkeeping")) {
        return books::BookkeepingTableProfile();
    }
    if (name == QLatin1String("billing")) {
        return billing::BillTableProfile();
    }
    return billing::WorksheetTableProfile();
}

// One data row: text in one column, the given status.
RecordTable OneRow(const TableProfile& profile, int column, const QString& text,
                   const QString& status) {
    RecordTable table = profile.MakeTable();
    table.SetRowCount(2);
    table.SetCell(1, profile.StatusColumn, status);
    table.SetCell(1, column, text);
    return table;
}

} // namespace

class TestFastFind : public QObject {
    Q_OBJECT

private slots:
    void matching_data() {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("search");
        QTest::addColumn<bool>("matches");
        QTest::addColumn<bool>("opened");
        QTest::newRow("client: inside a name, any case") << "client" << 3 << "McSmithers"
                                                         << "0"
                                                         << "smith" << true << true;
        QTest::newRow("client: client number") << "client" << 2 << "11030701"
                                               << "0"
                                               << "0307" << true << true;
        QTest::newRow("client: memo is searched") << "client" << 17 << "call | later"
                                                  << "0"
                                                  << "| LATER" << true << true;
        QTest::newRow("client: mark not searched") << "client" << 1 << "X"
                                                   << "0"
                                                   << "x" << false << false;
        QTest::newRow("client: stamps not searched") << "client" << 18 << "3/7/2011 9:30:00 AM"
                                                     << "0"
                                                     << "2011" << false << false;
        QTest::newRow("client: deleted row not opened") << "client" << 3 << "Smith"
                                                        << "-2"
                                                        << "smith" << true << false;
        QTest::newRow("client: filtered row not opened") << "client" << 3 << "Smith"
                                                         << "-1"
                                                         << "smith" << true << false;
        QTest::newRow("client: accented capitals") << "client" << 8 << "Montr\u00e9al"
                                                   << "0"
                                                   << "r\u00c9a" << true << true;
        QTest::newRow("client: empty text") << "client" << 3 << "Smith"
                                            << "0"
                                            << "" << false << false;
        QTest::newRow("client: longer than the cell") << "client" << 3 << "Smi"
                                                      << "0"
                                                      << "smith" << false << false;
        QTest::newRow("bookkeeping: deleted row opened") << "bookkeeping" << 4 << "Acme Supply"
                                                         << "-2"
                                                         << "supply" << true << true;
        QTest::newRow("bookkeeping: amount") << "bookkeeping" << 9 << "1,234.50"
                                             << "0"
                                             << "1,234" << true << true;
        QTest::newRow("bookkeeping: stamps not searched")
            << "bookkeeping" << 10 << "3/7/2011 9:30:00 AM"
            << "0"
            << "9:30" << false << false;
        QTest::newRow("billing: statement path") << "billing" << 25 << "/srv/is/smith.is5"
                                                 << "-1"
                                                 << "SMITH.IS5" << true << true;
        QTest::newRow("billing: second path not searched") << "billing" << 26 << "/srv/is/smith.is5"
                                                           << "0"
                                                           << "smith" << false << false;
        QTest::newRow("billing: interest") << "billing" << 36 << "Y"
                                           << "0"
                                           << "y" << true << true;
        QTest::newRow("billing: second description not searched") << "billing" << 7 << "Filing fee"
                                                                  << "0"
                                                                  << "fee" << false << false;
        QTest::newRow("worksheet: as typed") << "worksheet" << 2 << "Call with Smith"
                                             << "0"
                                             << "Smith" << true << true;
        QTest::newRow("worksheet: case counts") << "worksheet" << 2 << "Call with Smith"
                                                << "0"
                                                << "smith" << false << false;
        QTest::newRow("worksheet: deleted line not opened") << "worksheet" << 2 << "Smith"
                                                            << "-2"
                                                            << "Smith" << true << false;
    }
    void matching() {
        QFETCH(QString, profile);
        QFETCH(int, column);
        QFETCH(QString, cell);
        QFETCH(QString, status);
        QFETCH(QString, search);
        QFETCH(bool, matches);
        QFETCH(bool, opened);
        const TableProfile p = ProfileNamed(profile);
        const RecordTable table = OneRow(p, column, cell, status);
        QCOMPARE(RowMatches(table, p, search, 1), matches);
        QCOMPARE(NextMatch(table, p, search, 1).has_value(), opened);
        QCOMPARE(RowsToOpen(table, p, search).size(), opened ? 1u : 0u);
    }

    void walksRowsInOrder() {
        const TableProfile p = ClientTableProfile();
        RecordTable table = p.MakeTable();
        const QStringList names = {"Smith", "Jones", "smithers", "Smithe", "Goldsmith"};
        const QStringList statuses = {"0", "0", "-2", "0", "0"};
        table.SetRowCount(6);
        for (int row = 1; row <= 5; ++row) {
            table.SetCell(row, 3, names[row - 1]);
            table.SetCell(row, 21, statuses[row - 1]);
        }
        QCOMPARE(RowsToOpen(table, p, QStringLiteral("smith")), (std::vector<int>{1, 4, 5}));
        QCOMPARE(NextMatch(table, p, QStringLiteral("smith"), 0), std::optional<int>(1));
        QCOMPARE(NextMatch(table, p, QStringLiteral("smith"), 2), std::optional<int>(4));
        QCOMPARE(NextMatch(table, p, QStringLiteral("smith"), 6), std::nullopt);
        QVERIFY(!RowMatches(table, p, QStringLiteral("smith"), 0));
        QVERIFY(!RowMatches(table, p, QStringLiteral("smith"), 6));
    }
};

KIV5_CORE_TEST_MAIN(TestFastFind)
#include "tst_FastFind.moc"
