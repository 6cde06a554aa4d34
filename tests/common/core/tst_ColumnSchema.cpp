#include "billing/core/BillColumns.h"
#include "billing/core/ISRec.h"
#include "billing/core/TBillRec.h"
#include "billing/core/WorksheetColumns.h"
#include "books/core/ExpRec.h"
#include "books/core/IncRec.h"
#include "books/core/LedgerColumns.h"
#include "clientdb/core/ClientColumns.h"
#include "clientdb/core/NameRec.h"
#include "tests/support/TestMain.h"

#include <array>

using namespace kiv5;

namespace {

// The capacity the record codec gives field `name`; -1 when there is none.
template <class R> int CodecCapacity(const QString& name) {
    for (const auto& field : RecordLayout<R>::kFields) {
        if (name == QLatin1String(field.name)) {
            return field.capacity;
        }
    }
    return -1;
}

struct TableUnderTest {
    ColumnSchema columns;
    TableProfile profile;
    int (*capacity)(const QString&);
};

TableUnderTest Table(const QString& name) {
    if (name == QLatin1String("client")) {
        return {ClientColumns(), ClientTableProfile(), CodecCapacity<NameRec>};
    }
    if (name == QLatin1String("income")) {
        return {books::IncomeColumns(), books::BookkeepingTableProfile(),
                CodecCapacity<books::IncRec>};
    }
    if (name == QLatin1String("expense")) {
        return {books::ExpenseColumns(),
                MakeTableProfile(books::ExpenseColumns(), TableRules{.MinimumSortRows = 2}),
                CodecCapacity<books::ExpRec>};
    }
    if (name == QLatin1String("bill")) {
        return {billing::BillColumns(), billing::BillTableProfile(),
                CodecCapacity<billing::TBillRec>};
    }
    return {billing::WorksheetColumns(), billing::WorksheetTableProfile(),
            CodecCapacity<billing::ISRec>};
}

// One letter per column: T text, I integer, D date, M money.
QString KindLetters(const TableProfile& profile) {
    QString letters;
    for (const ColumnKind kind : profile.Kinds) {
        letters += QLatin1Char("TIDM"[static_cast<int>(kind)]);
    }
    return letters;
}

QList<int> Range(int first, int last) {
    QList<int> out;
    for (int column = first; column <= last; ++column) {
        out << column;
    }
    return out;
}

// Bill columns 5-24 hold ten description and amount pairs.
QStringList BillFields() {
    QStringList fields = {"Selected", "ClientNo", "FullName", "LastBill", "BalanceForward"};
    for (int line = 0; line < billing::kBillLines; ++line) {
        fields << "Description"
               << "Amount";
    }
    for (int line = 0; line < billing::kBillLines; ++line) {
        fields << "ISPath";
    }
    fields << "Note"
           << "Interest"
           << "InterestRate"
           << "PostTime"
           << "PullTime"
           << "RecNo"
           << "Status";
    return fields;
}

QStringList LedgerFields(const char* number, const char* party) {
    return {"Selected", number, "Date",   "ClientNo", party,      "Description", "Category",
            "Account",  "Code", "Amount", "PostTime", "PullTime", "RecNo",       "Status"};
}

} // namespace

class TestColumnSchema : public QObject {
    Q_OBJECT

private slots:
    // The profiles the tables had before they were described by schemas.
    void profiles_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("mark");
        QTest::addColumn<int>("recNo");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<QList<int>>("find");
        QTest::addColumn<bool>("upperAscending");
        QTest::addColumn<bool>("flipLastThenSort");
        QTest::addColumn<int>("minimumSortRows");
        QTest::addColumn<bool>("findExact");
        QTest::addColumn<bool>("findActiveOnly");
        QTest::newRow("client") << "client" << 1 << 20 << 21 << "TTTTTTTTTTTTTTTTTTTTII"
                                << Range(2, 17) << true << true << 0 << false << true;
        QTest::newRow("income") << "income" << 0 << 12 << 13 << "TTDTTTTTTMTTIT" << Range(1, 9)
                                << false << false << 2 << false << false;
        QTest::newRow("expense") << "expense" << 0 << 12 << 13 << "TTDTTTTTTMTTIT" << Range(1, 9)
                                 << false << false << 2 << false << false;
        QTest::newRow("bill") << "bill" << 0 << 40 << 41
                              << "TTTDMTMTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTMTTIT"
                              << (Range(1, 6) << 25 << 35 << 36 << 37) << false << false << 0
                              << false << false;
        QTest::newRow("worksheet") << "worksheet" << 0 << 7 << 8 << "TDTMMTTII" << Range(1, 4)
                                   << false << false << 0 << true << true;
    }
    void profiles() {
        QFETCH(QString, table);
        QFETCH(QString, kinds);
        QFETCH(QList<int>, find);
        const TableProfile p = Table(table).profile;
        QCOMPARE(p.ColumnCount, kinds.size());
        QTEST(p.MarkColumn, "mark");
        QTEST(p.RecNoColumn, "recNo");
        QTEST(p.StatusColumn, "status");
        QCOMPARE(KindLetters(p), kinds);
        QCOMPARE(QList<int>(p.FindColumns.begin(), p.FindColumns.end()), find);
        QTEST(p.Order == TextOrder::UpperAscending, "upperAscending");
        QTEST(p.ClickRule == HeaderClickRule::FlipLastThenSort, "flipLastThenSort");
        QTEST(p.MinimumSortRows, "minimumSortRows");
        QTEST(p.FindCaseRule == FindCase::Exact, "findExact");
        QTEST(p.FindActiveRowsOnly, "findActiveOnly");
    }

    // Each column names the record field it shows; a text column holds what
    // the field holds, every other column no capacity.
    void capacities_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("client") << "client"
                                << QStringList{"",          "Selected", "ClientNo", "LastName",
                                               "FirstName", "Company",  "Address1", "Address2",
                                               "City",      "State",    "ZipCode",  "Phone",
                                               "Cell",      "Fax",      "EMail",    "Note1",
                                               "Note2",     "Memo",     "PostTime", "PullTime",
                                               "RecNo",     "Status"};
        QTest::newRow("income") << "income" << LedgerFields("RecordNo", "Payor");
        QTest::newRow("expense") << "expense" << LedgerFields("CheckNo", "Payee");
        QTest::newRow("bill") << "bill" << BillFields();
        QTest::newRow("worksheet")
            << "worksheet" << QStringList{"Selected",  "ServiceDate", "ServiceDescription",
                                          "TimeSpent", "HourlyRate",  "PostTime",
                                          "PullTime",  "RecNo",       "Status"};
    }
    void capacities() {
        QFETCH(QString, table);
        QFETCH(QStringList, fields);
        const TableUnderTest t = Table(table);
        QCOMPARE(static_cast<qsizetype>(t.columns.size()), fields.size());
        for (const ColumnSpec& column : t.columns) {
            const QString& field = fields.at(column.Index);
            const int expected = field.isEmpty() ? 0 : t.capacity(field);
            QVERIFY2(expected >= 0, qPrintable(field));
            QVERIFY2(column.Capacity == expected,
                     qPrintable(QStringLiteral("column %1: %2, %3 holds %4")
                                    .arg(column.Index)
                                    .arg(column.Capacity)
                                    .arg(field)
                                    .arg(expected)));
        }
    }

    // Header captions as the tables show them, column=caption.
    void captions_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("client") << "client"
                                << QStringList{
                                       "2=Client No.", "3=Last Name", "4=First Name", "5=Company",
                                       "6=Address 1",  "7=Address 2", "8=City",       "9=State",
                                       "10=ZIP",       "11=Phone",    "12=Cell",      "13=Fax",
                                       "14=EMail",     "15=Note 1",   "16=Note 2",    "17=Memo"};
        QTest::newRow("income") << "income"
                                << QStringList{"1=Rec No.", "2=Date",        "3=Client",
                                               "4=Payor",   "5=Description", "6=Category",
                                               "7=Account", "8=Code",        "9=Amount"};
        QTest::newRow("expense") << "expense"
                                 << QStringList{"1=Check No.", "2=Date",        "3=Client",
                                                "4=Payee",     "5=Description", "6=Category",
                                                "7=Account",   "8=Code",        "9=Amount"};
        QTest::newRow("bill") << "bill" << QStringList{"1=Client No.",  "2=Full Name",
                                                       "3=Last Bill",   "4=Balance Forward",
                                                       "5=Description", "6=Amount",
                                                       "25=IS Path",    "35=Note",
                                                       "36=Interest",   "37=Rate"};
        QTest::newRow("worksheet")
            << "worksheet"
            << QStringList{"1=Date", "2=Description", "3=Time Spent (hrs)", "4=Hourly Rate"};
    }
    void captions() {
        QFETCH(QString, table);
        const QStringList all = ColumnCaptions(Table(table).columns);
        QStringList named;
        for (qsizetype column = 0; column < all.size(); ++column) {
            if (!all[column].isEmpty()) {
                named << QStringLiteral("%1=%2").arg(column).arg(all[column]);
            }
        }
        QTEST(named, "captions");
    }

    // Width settings are the table's prefix and the column number.
    void widthSettings_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QList<int>>("kept");
        QTest::newRow("client") << "client"
                                << "ColumnWidth" << Range(0, 20);
        QTest::newRow("income") << "income"
                                << "IColumnWidth" << Range(0, 13);
        QTest::newRow("expense") << "expense"
                                 << "EColumnWidth" << Range(0, 13);
        QTest::newRow("bill") << "bill"
                              << "BColumnWidth" << (Range(0, 6) << 25 << 35 << 36 << 37);
        QTest::newRow("worksheet") << "worksheet"
                                   << "ISColumnWidth" << Range(0, 4);
    }
    void widthSettings() {
        QFETCH(QString, table);
        QFETCH(QString, prefix);
        QList<int> kept;
        for (const ColumnSpec& column : Table(table).columns) {
            if (column.KeepsWidth()) {
                kept << column.Index;
                QCOMPARE(QString::fromLatin1(column.WidthSetting),
                         prefix + QString::number(column.Index));
            }
        }
        QTEST(kept, "kept");
    }

    void widthRules_data() {
        QTest::addColumn<int>("measure");
        QTest::addColumn<int>("amount");
        QTest::addColumn<int>("pixels");
        QTest::newRow("hidden") << 0 << 0 << -1;
        QTest::newRow("fixed") << 1 << 20 << 20;
        QTest::newRow("one unit") << 2 << 1 << 77;
        QTest::newRow("five units") << 2 << 5 << 385;
    }
    void widthRules() {
        QFETCH(int, measure);
        QFETCH(int, amount);
        const ColumnWidthRule rule{static_cast<ColumnWidthRule::Measure>(measure), amount};
        QTEST(rule.Pixels(77), "pixels");
    }

    void validSchemas() {
        using R = ColumnRole;
        constexpr std::array<ColumnSpec, 3> good = {{{.Index = 0, .Role = R::Mark},
                                                     {.Index = 1, .Role = R::RecNo},
                                                     {.Index = 2, .Role = R::Status}}};
        constexpr std::array<ColumnSpec, 3> gap = {{{.Index = 0, .Role = R::Mark},
                                                    {.Index = 2, .Role = R::RecNo},
                                                    {.Index = 3, .Role = R::Status}}};
        constexpr std::array<ColumnSpec, 3> twice = {{{.Index = 0, .Role = R::Mark},
                                                      {.Index = 0, .Role = R::RecNo},
                                                      {.Index = 2, .Role = R::Status}}};
        constexpr std::array<ColumnSpec, 3> twoMarks = {{{.Index = 0, .Role = R::Mark},
                                                         {.Index = 1, .Role = R::Mark},
                                                         {.Index = 2, .Role = R::Status}}};
        constexpr std::array<ColumnSpec, 2> noRecNo = {
            {{.Index = 0, .Role = R::Mark}, {.Index = 1, .Role = R::Status}}};
        QVERIFY(IsValidSchema(good));
        QVERIFY(!IsValidSchema(gap));
        QVERIFY(!IsValidSchema(twice));
        QVERIFY(!IsValidSchema(twoMarks));
        QVERIFY(!IsValidSchema(noRecNo));
    }
};

KIV5_CORE_TEST_MAIN(TestColumnSchema)
#include "tst_ColumnSchema.moc"
