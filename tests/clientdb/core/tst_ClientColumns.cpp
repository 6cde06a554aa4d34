#include "clientdb/core/ClientColumns.h"
#include "common/core/StateTable.h"
#include "tests/support/TestMain.h"

using namespace kiv5;

namespace {

NameRec Client() {
    NameRec rec;
    rec.ClientNo = "A-100";
    rec.LastName = "Doe";
    rec.FirstName = "Jane";
    rec.Company = "Doe & Partners";
    rec.Address1 = "12 Main St.";
    rec.Address2 = "Suite 4";
    rec.City = "Springfield";
    rec.State = StateAbbreviationToInt("IL");
    rec.ZipCode = "62701";
    rec.Phone = "(217) 555-0100";
    rec.Cell = "(217) 555-0101";
    rec.Fax = "(217) 555-0102";
    rec.EMail = "jane@example.com";
    rec.Note1 = "first note";
    rec.Note2 = "second note";
    rec.Memo = "line one | line two";
    return rec;
}

} // namespace

class TestClientColumns : public QObject {
    Q_OBJECT

private slots:
    void compareRows() {
        const QList<CompareRow> rows = ClientCompareRows(Client());
        QStringList captions;
        QStringList values;
        for (const CompareRow& row : rows) {
            captions << row.caption;
            values << row.value;
            QCOMPARE(row.wrap, row.caption == QLatin1String("Memo:"));
        }
        QCOMPARE(captions, (QStringList{"Client No.:", "Last Name:", "First Name:", "Company:",
                                        "Address:", "Adrs Line 2:", "City/St/ZIP:", "Telephone:",
                                        "Cell:", "Fax:", "eMail:", "Note 1:", "Note 2:", "Memo:"}));
        QCOMPARE(values, (QStringList{"A-100", "Doe", "Jane", "Doe & Partners", "12 Main St.",
                                      "Suite 4", "Springfield, IL  62701", "(217) 555-0100",
                                      "(217) 555-0101", "(217) 555-0102", "jane@example.com",
                                      "first note", "second note", "line one | line two"}));
    }

    void cityStateZip_data() {
        QTest::addColumn<QString>("city");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("zip");
        QTest::addColumn<QString>("line");
        QTest::newRow("all") << "Albany" << StateAbbreviationToInt("NY") << "12207"
                             << "Albany, NY  12207";
        QTest::newRow("no state") << "Albany" << -1 << "12207"
                                  << "Albany,   12207";
        QTest::newRow("empty") << "" << -1 << ""
                               << ",   ";
    }
    void cityStateZip() {
        QFETCH(QString, city);
        QFETCH(int, state);
        QFETCH(QString, zip);
        NameRec rec;
        rec.City = city;
        rec.State = state;
        rec.ZipCode = zip;
        QTEST(ClientCompareRows(rec).at(6).value, "line");
    }
};

KIV5_CORE_TEST_MAIN(TestClientColumns)
#include "tst_ClientColumns.moc"
