#include "billing/core/BillColumns.h"
#include "billing/core/WorksheetColumns.h"
#include "books/core/LedgerColumns.h"
#include "clientdb/core/ClientColumns.h"
#include "common/core/Cp1252.h"
#include "common/core/DateTime.h"
#include "common/core/Exceptions.h"
#include "common/core/Misc.h"
#include "common/core/TableSort.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <QRandomGenerator>
#include <cmath>

using namespace kiv5;

namespace {

// Marks row 0 so that a test sees the reset happened.
void MarkHeaderRow(RecordTable& table) {
    QStringList cells;
    for (int column = 0; column < table.ColumnCount(); ++column) {
        cells << QStringLiteral("h%1").arg(column);
    }
    cells[table.StatusColumn()] = QStringLiteral("0");
    table.SetRow(0, cells);
}

TableProfile ProfileNamed(const QString& name) {
    if (name == QLatin1String("client")) {
        return ClientTableProfile(MarkHeaderRow);
    }
    if (name == QLatin1String("bookkeeping")) {
        return books::BookkeepingTableProfile(MarkHeaderRow);
    }
    if (name == QLatin1String("billing")) {
        return billing::BillTableProfile(MarkHeaderRow);
    }
    return billing::WorksheetTableProfile(MarkHeaderRow);
}

int ByteOrder(const QByteArray& a, const QByteArray& b) {
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

double Amount(const QString& cell) {
    return ParseFloat(RemoveCommasAndSigns(cell));
}

// The comparison of the table engine, read cell by cell: whether row s (a)
// and row s + gap (b) are to be exchanged.
bool ReferenceOutOfOrder(const TableProfile& profile, int column, bool ascending, const QString& a,
                         const QString& b) {
    switch (profile.Kind(column)) {
    case ColumnKind::Integer:
        return ascending ? ParseInteger(b) < ParseInteger(a) : ParseInteger(a) < ParseInteger(b);
    case ColumnKind::Date:
        return ascending ? ParseDate(b) < ParseDate(a) : ParseDate(b) > ParseDate(a);
    case ColumnKind::Money:
        return ascending ? Amount(b) < Amount(a) : Amount(a) < Amount(b);
    case ColumnKind::Text:
        break;
    }
    if (ascending && profile.Order == TextOrder::UpperAscending) {
        return ByteOrder(ToCp1252(UpperCaseText(a)), ToCp1252(UpperCaseText(b))) > 0;
    }
    const int order = ByteOrder(ToCp1252(a), ToCp1252(b));
    return ascending ? order > 0 : order < 0;
}

void ReferenceFinish(RecordTable& table, const TableProfile& profile, SortState& state, int c) {
    profile.ResetHeaderRow(table);
    state.SortedColumn = c;
    table.ApplyStatusHeights();
}

// The sort exactly as the engine describes it: exchange passes through row
// 0 at each gap until one exchanges nothing.
void ReferenceSort(RecordTable& table, const TableProfile& profile, SortState& state, int column,
                   QList<int>* progress) {
    const bool ascending = state.IsAscending(column);
    const int n = table.RowCount() - 1;
    int gap = 1;
    while (gap <= n) {
        gap *= 2;
    }
    try {
        while (gap > 1) {
            gap = (gap - 1) / 2;
            progress->append(static_cast<int>(std::nearbyint(double(n - gap) / n * 100)));
            bool exchanged = true;
            while (exchanged) {
                exchanged = false;
                for (int s = 1; s <= n - gap; ++s) {
                    if (ReferenceOutOfOrder(profile, column, ascending, table.Cell(s, column),
                                            table.Cell(s + gap, column))) {
                        table.SwapRows(s, s + gap);
                        exchanged = true;
                    }
                }
            }
        }
    } catch (...) {
        ReferenceFinish(table, profile, state, column);
        throw;
    }
    ReferenceFinish(table, profile, state, column);
}

// Small pools, so that ties are many.
const QStringList kTexts = {
    "adams",         "Adams",        "ADAMS",    "Baker",    "baker",     "",
    "\u00c9mile",    "\u00e9mile",   "Zo\u00eb", "zo\u00cb", "\u20acuro", "\u0160afr",
    "\u0161afr",     "ab",           "Ab",       "a b",      "Anderson",  "Andersonville",
    "andersonville", "Andersonvill", "\u00ff",   "\u0178",   "ma\u00dfe", "z"};
const QStringList kIntegers = {"-3", "0", "1", "2", "2", "7", " 7", "10", "12", "-10"};
const QStringList kDates = {"1/2/2011", "1/2/2011 10:00:00 AM", "12/31/1999", "2/29/2000",
                            "7/4/1776", "01/02/2011",           "3/1/2000",   "12/31/9999",
                            "1/1/100"};
const QStringList kMoney = {"1,234.50", "1234.5", "(12.00)", "-12", "0.00",  "-0",
                            "$ 5",      "5.00",   "12.0",    "0.1", "-0.10", "999,999.99"};
const QStringList kStatuses = {"0", "0", "0", "-1", "-2", "5"};

QString Pick(QRandomGenerator& random, const QStringList& pool) {
    return pool[random.bounded(static_cast<int>(pool.size()))];
}

QString RandomCell(QRandomGenerator& random, ColumnKind kind) {
    switch (kind) {
    case ColumnKind::Integer:
        return Pick(random, kIntegers);
    case ColumnKind::Date:
        return Pick(random, kDates);
    case ColumnKind::Money:
        return Pick(random, kMoney);
    case ColumnKind::Text:
        break;
    }
    return Pick(random, kTexts);
}

// Random rows with a unique tag in idColumn, so that tie order shows.
RecordTable RandomTable(const TableProfile& profile, int rows, int idColumn,
                        QRandomGenerator& random) {
    RecordTable table = profile.MakeTable();
    table.SetRowCount(rows + 1);
    for (int row = 1; row <= rows; ++row) {
        for (int column = 0; column < profile.ColumnCount; ++column) {
            table.SetCell(row, column, RandomCell(random, profile.Kind(column)));
        }
        if (profile.Kind(profile.StatusColumn) == ColumnKind::Text || random.bounded(2) == 0) {
            table.SetCell(row, profile.StatusColumn, Pick(random, kStatuses));
        }
        table.SetCell(row, idColumn, QStringLiteral("id%1").arg(row));
        table.SetHidden(row, random.bounded(2) == 0);
    }
    table.SetRow(0, QStringList(profile.ColumnCount, QStringLiteral("old")));
    return table;
}

QStringList Dump(const RecordTable& table) {
    QStringList lines;
    for (int row = 0; row < table.RowCount(); ++row) {
        lines << table.Row(row).join(QLatin1Char('|')) +
                     (table.IsHidden(row) ? QStringLiteral(" hidden") : QString());
    }
    return lines;
}

RecordTable TableOf(const TableProfile& profile, int column, const QStringList& cells) {
    RecordTable table = profile.MakeTable();
    table.SetRowCount(static_cast<int>(cells.size()) + 1);
    for (int row = 1; row <= cells.size(); ++row) {
        table.SetCell(row, profile.RecNoColumn, QString::number(row));
        table.SetCell(row, profile.StatusColumn, QStringLiteral("0"));
        table.SetCell(row, column, cells[row - 1]);
    }
    return table;
}

QStringList ColumnOf(const RecordTable& table, int column) {
    QStringList cells;
    for (int row = 1; row < table.RowCount(); ++row) {
        cells << table.Cell(row, column);
    }
    return cells;
}

} // namespace

class TestTableSort : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        clock_ = std::make_unique<test::FixedClock>(QDateTime(QDate(2011, 3, 7), QTime(9, 30)));
    }
    void cleanupTestCase() { clock_.reset(); }

    // The fast sort against the literal one: same rows, same tie order, same
    // hidden flags, same progress.
    void matchesLiteralAlgorithm_data() {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("idColumn");
        QTest::newRow("client last name") << "client" << 3 << 16;
        QTest::newRow("client number as text") << "client" << 2 << 16;
        QTest::newRow("client record number") << "client" << 20 << 16;
        QTest::newRow("client status") << "client" << 21 << 16;
        QTest::newRow("bookkeeping date") << "bookkeeping" << 2 << 5;
        QTest::newRow("bookkeeping amount") << "bookkeeping" << 9 << 5;
        QTest::newRow("bookkeeping position") << "bookkeeping" << 12 << 5;
        QTest::newRow("bookkeeping payor") << "bookkeeping" << 4 << 5;
        QTest::newRow("billing last bill") << "billing" << 3 << 35;
        QTest::newRow("billing balance") << "billing" << 4 << 35;
        QTest::newRow("billing rate") << "billing" << 37 << 35;
        QTest::newRow("billing name") << "billing" << 2 << 35;
        QTest::newRow("worksheet date") << "worksheet" << 1 << 2;
        QTest::newRow("worksheet time") << "worksheet" << 3 << 2;
    }
    void matchesLiteralAlgorithm() {
        QFETCH(QString, profile);
        QFETCH(int, column);
        QFETCH(int, idColumn);
        const TableProfile p = ProfileNamed(profile);
        QRandomGenerator random(static_cast<quint32>(column * 7919 + idColumn));
        for (const int rows : {0, 1, 2, 3, 5, 8, 31, 64, 100, 257}) {
            for (const bool ascending : {true, false}) {
                const RecordTable original = RandomTable(p, rows, idColumn, random);
                RecordTable expected = original;
                RecordTable actual = original;
                SortState expectedState(p);
                SortState actualState(p);
                expectedState.AscendFlag[column] = ascending;
                actualState.AscendFlag[column] = ascending;
                if (rows < p.MinimumSortRows) {
                    QVERIFY(!SortColumnShell(actual, p, actualState, column));
                    QCOMPARE(Dump(actual), Dump(original));
                    continue;
                }
                QList<int> expectedProgress;
                QList<int> actualProgress;
                ReferenceSort(expected, p, expectedState, column, &expectedProgress);
                QVERIFY(SortColumnShell(actual, p, actualState, column,
                                        [&](int percent) { actualProgress.append(percent); }));
                const QString where = QStringLiteral("%1 rows %2").arg(rows).arg(ascending);
                QVERIFY2(Dump(actual) == Dump(expected), qPrintable(where));
                QCOMPARE(actualProgress, expectedProgress);
                QCOMPARE(actualState.SortedColumn, column);
            }
        }
    }

    void tiesAndTextOrder_data() {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("client up: cases tie, order kept")
            << "client" << 3 << true << QStringList{"adams", "Adams", "ADAMS"}
            << QStringList{"adams", "Adams", "ADAMS"};
        QTest::newRow("client up: cases tie, other order kept")
            << "client" << 3 << true << QStringList{"Adams", "adams"}
            << QStringList{"Adams", "adams"};
        QTest::newRow("client down: small letters first")
            << "client" << 3 << false << QStringList{"Adams", "adams"}
            << QStringList{"adams", "Adams"};
        QTest::newRow("client up: accents by capitals")
            << "client" << 3 << true << QStringList{"\u00e9mile", "Zed", "\u00c9mile", "emile"}
            << QStringList{"emile", "Zed", "\u00c9mile", "\u00e9mile"};
        QTest::newRow("bookkeeping up: capitals first")
            << "bookkeeping" << 4 << true << QStringList{"adams", "Adams", "baker"}
            << QStringList{"Adams", "adams", "baker"};
        QTest::newRow("bookkeeping up: Windows-1252 byte order")
            << "bookkeeping" << 4 << true << QStringList{"\u00e9", "\u20ac", "z", "Z"}
            << QStringList{"Z", "z", "\u20ac", "\u00e9"};
        QTest::newRow("billing down: exact")
            << "billing" << 2 << false << QStringList{"Adams", "adams", "B"}
            << QStringList{"adams", "B", "Adams"};
        QTest::newRow("prefix sorts first")
            << "billing" << 2 << true << QStringList{"Andersonville", "Anderson", "Andersonvill"}
            << QStringList{"Anderson", "Andersonvill", "Andersonville"};
        // Equal amounts and days: the gaps leave them in the order shown.
        QTest::newRow("money ignores separators and signs")
            << "bookkeeping" << 9 << true
            << QStringList{"1,234.50", "(3.00)", "1234.5", "-4", "$ 2"}
            << QStringList{"-4", "(3.00)", "$ 2", "1234.5", "1,234.50"};
        QTest::newRow("dates by day, time ignored")
            << "bookkeeping" << 2 << false
            << QStringList{"1/2/2011 10:00:00 AM", "12/31/1999", "1/2/2011", "3/1/2011"}
            << QStringList{"3/1/2011", "1/2/2011", "1/2/2011 10:00:00 AM", "12/31/1999"};
        QTest::newRow("integers by value")
            << "client" << 20 << true << QStringList{"10", "9", "-1", "100"}
            << QStringList{"-1", "9", "10", "100"};
    }
    void tiesAndTextOrder() {
        QFETCH(QString, profile);
        QFETCH(int, column);
        QFETCH(bool, ascending);
        QFETCH(QStringList, cells);
        QFETCH(QStringList, expected);
        const TableProfile p = ProfileNamed(profile);
        RecordTable table = TableOf(p, column, cells);
        SortState state(p);
        state.AscendFlag[column] = ascending;
        QVERIFY(SortColumnShell(table, p, state, column));
        QCOMPARE(ColumnOf(table, column), expected);
    }

    void oneDataRowResetsRowZero() {
        const TableProfile p = ClientTableProfile(MarkHeaderRow);
        RecordTable table = TableOf(p, 3, {"Smith"});
        table.SetRow(0, QStringList(22, QStringLiteral("left over")));
        table.SetHidden(1, true);
        SortState state(p);
        QVERIFY(SortColumnShell(table, p, state, 3));
        QCOMPARE(table.Cell(1, 3), QStringLiteral("Smith"));
        QCOMPARE(table.Cell(0, 3), QStringLiteral("h3"));
        QVERIFY(!table.IsHidden(1));
        QCOMPARE(state.SortedColumn, 3);
    }

    void emptyTableStillResetsRowZero() {
        const TableProfile p = ClientTableProfile(MarkHeaderRow);
        RecordTable table = p.MakeTable();
        SortState state(p);
        QVERIFY(SortColumnShell(table, p, state, 20));
        QCOMPARE(table.Cell(0, 5), QStringLiteral("h5"));
        QCOMPARE(table.RowCount(), 1);
    }

    void withoutResetRowZeroIsBlank() {
        const TableProfile p = billing::BillTableProfile();
        RecordTable table = TableOf(p, 2, {"B", "A"});
        table.SetRow(0, QStringList(42, QStringLiteral("x")));
        SortState state(p);
        QVERIFY(SortColumnShell(table, p, state, 2));
        QCOMPARE(table.Row(0), QStringList(42));
    }

    void headerClicks_data() {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QList<bool>>("ascending");
        QTest::newRow("client: last name twice")
            << "client" << QList<int>{3, 3} << QList<bool>{true, false};
        QTest::newRow("client: three times alternates")
            << "client" << QList<int>{3, 3, 3} << QList<bool>{true, false, true};
        QTest::newRow("client: back to a column sorts it the other way")
            << "client" << QList<int>{3, 4, 3} << QList<bool>{true, true, false};
        QTest::newRow("bookkeeping: twice alternates")
            << "bookkeeping" << QList<int>{4, 4} << QList<bool>{true, false};
        QTest::newRow("bookkeeping: back to a column keeps its turn")
            << "bookkeeping" << QList<int>{4, 5, 4} << QList<bool>{true, true, false};
        QTest::newRow("billing: twice alternates")
            << "billing" << QList<int>{2, 2} << QList<bool>{true, false};
    }
    void headerClicks() {
        QFETCH(QString, profile);
        QFETCH(QList<int>, clicks);
        QFETCH(QList<bool>, ascending);
        const TableProfile p = ProfileNamed(profile);
        RecordTable table = p.MakeTable();
        table.SetRowCount(4);
        const QStringList values = {"b", "c", "a"};
        for (int row = 1; row <= 3; ++row) {
            for (int column = 0; column < p.ColumnCount; ++column) {
                table.SetCell(row, column, values[row - 1]);
            }
            table.SetCell(row, p.RecNoColumn, QString::number(row));
            table.SetCell(row, p.StatusColumn, QStringLiteral("0"));
        }
        SortState state(p);
        for (int i = 0; i < clicks.size(); ++i) {
            const int column = clicks[i];
            QVERIFY(SortByHeaderClick(table, p, state, column));
            const QStringList expected =
                ascending[i] ? QStringList{"a", "b", "c"} : QStringList{"c", "b", "a"};
            QVERIFY2(ColumnOf(table, column) == expected, qPrintable(QString::number(i)));
            QCOMPARE(state.SortedColumn, column);
        }
    }

    void bookkeepingFlipsAfterSorting() {
        const TableProfile p = books::BookkeepingTableProfile(MarkHeaderRow);
        RecordTable table = TableOf(p, 2, {"3/1/2011", "1/1/2011"});
        SortState state(p);
        QVERIFY(SortByHeaderClick(table, p, state, 2));
        QCOMPARE(ColumnOf(table, 2), (QStringList{"1/1/2011", "3/1/2011"}));
        QVERIFY(!state.AscendFlag[2]);
        // A command's sort uses the flag as it stands and leaves it.
        QVERIFY(SortColumnShell(table, p, state, 2));
        QCOMPARE(ColumnOf(table, 2), (QStringList{"3/1/2011", "1/1/2011"}));
        QVERIFY(!state.AscendFlag[2]);
    }

    void bookkeepingNeedsTwoRows() {
        const TableProfile p = books::BookkeepingTableProfile(MarkHeaderRow);
        RecordTable table = TableOf(p, 2, {"3/1/2011"});
        table.SetRow(0, QStringList(14, QStringLiteral("untouched")));
        SortState state(p);
        QVERIFY(!SortByHeaderClick(table, p, state, 2));
        QVERIFY(!SortColumnShell(table, p, state, 2));
        QVERIFY(state.AscendFlag[2]);
        QCOMPARE(state.SortedColumn, SortState::NoColumn);
        QCOMPARE(table.Cell(0, 2), QStringLiteral("untouched"));
    }

    void progressOncePerGap_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<int>>("expected");
        // Gaps 63, 31, 15, 7, 3, 1.
        QTest::newRow("100") << 100 << QList<int>{37, 69, 85, 93, 97, 99};
        // Gaps 3, 1.
        QTest::newRow("4") << 4 << QList<int>{25, 75};
        // Gap 0: the row is compared with itself.
        QTest::newRow("1") << 1 << QList<int>{100};
        QTest::newRow("0") << 0 << QList<int>{};
    }
    void progressOncePerGap() {
        QFETCH(int, rows);
        QFETCH(QList<int>, expected);
        const TableProfile p = ClientTableProfile(MarkHeaderRow);
        RecordTable table = p.MakeTable();
        table.SetRowCount(rows + 1);
        for (int row = 1; row <= rows; ++row) {
            table.SetCell(row, 20, QString::number((row * 37) % 101));
        }
        SortState state(p);
        QList<int> progress;
        QVERIFY(
            SortColumnShell(table, p, state, 20, [&](int percent) { progress.append(percent); }));
        QCOMPARE(progress, expected);
    }

    void badCellAbortsBeforeReordering_data() {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("bad");
        QTest::newRow("integer, letters") << "client" << 20 << "12a";
        QTest::newRow("integer, empty") << "client" << 21 << "";
        QTest::newRow("integer, too large") << "billing" << 40 << "99999999999";
        QTest::newRow("date, no date") << "bookkeeping" << 2 << "soon";
        QTest::newRow("date, impossible day") << "billing" << 3 << "2/30/2011";
        QTest::newRow("money, letters") << "bookkeeping" << 9 << "12.5x";
        QTest::newRow("money, empty") << "billing" << 37 << "";
        QTest::newRow("money, sign only") << "billing" << 6 << "$";
    }
    void badCellAbortsBeforeReordering() {
        QFETCH(QString, profile);
        QFETCH(int, column);
        QFETCH(QString, bad);
        const TableProfile p = ProfileNamed(profile);
        const QStringList cells = p.Kind(column) == ColumnKind::Date
                                      ? QStringList{"3/2/2011", "1/2/2011", bad, "2/2/2011"}
                                      : QStringList{"9", "5", bad, "7"};
        RecordTable table = TableOf(p, column, cells);
        table.SetHidden(1, true);
        table.SetRow(0, QStringList(p.ColumnCount, QStringLiteral("left over")));
        SortState state(p);
        QVERIFY_THROWS_EXCEPTION(ConversionError, SortColumnShell(table, p, state, column));
        QCOMPARE(ColumnOf(table, column), cells);
        if (column != p.RecNoColumn) {
            QCOMPARE(ColumnOf(table, p.RecNoColumn), (QStringList{"1", "2", "3", "4"}));
        }
        QCOMPARE(table.Cell(0, 1), QStringLiteral("h1"));
        QCOMPARE(state.SortedColumn, column);
        if (column != p.StatusColumn) {
            QVERIFY(!table.IsHidden(1));
        }
    }

    void upperCase_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ascii") << "abc XYZ 19"
                               << "ABC XYZ 19";
        QTest::newRow("latin-1 letters") << "\u00e0\u00e9\u00fe\u00f0"
                                         << "\u00c0\u00c9\u00de\u00d0";
        QTest::newRow("division sign stays") << "\u00f7"
                                             << "\u00f7";
        QTest::newRow("sharp s and micro stay") << "\u00df\u00b5"
                                                << "\u00df\u00b5";
        QTest::newRow("letters of 0x80-0x9F") << "\u0161\u0153\u017e\u00ff"
                                              << "\u0160\u0152\u017d\u0178";
        QTest::newRow("outside the code page stays") << "\u03b1"
                                                     << "\u03b1";
    }
    void upperCase() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(UpperCaseText(text), expected);
    }

private:
    std::unique_ptr<test::FixedClock> clock_;
};

KIV5_CORE_TEST_MAIN(TestTableSort)
#include "tst_TableSort.moc"
