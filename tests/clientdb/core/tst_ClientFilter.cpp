#include "ClientFixtures.h"

#include "clientdb/core/ClientFile.h"
#include "clientdb/core/ClientFilter.h"
#include "tests/support/TestMain.h"

using namespace kiv5;

namespace {

// Five clients, read in slot order: Smith (AL, memo of two lines), GOLDSMITH
// (no state), Jones (AK), smithers (deleted, marked) and Smithy (AL, hidden
// by an earlier filter).
RecordTable FilterFixture(const test::TempFolder& folder) {
    const ClientFiles files = ClientFilesFor(folder.Folder(), "clients.pl5");
    std::vector<NameRec> records{NameRec{}};
    const struct {
        const char* lastName;
        int state;
        int status;
    } clients[] = {{"Smith", 0, 0},
                   {"GOLDSMITH", -1, 0},
                   {"Jones", 1, 0},
                   {"smithers", 0, kStatusDeleted},
                   {"Smithy", 0, kStatusFiltered}};
    for (const auto& client : clients) {
        NameRec rec = test::FixtureClient(static_cast<int>(records.size()), client.status);
        rec.LastName = client.lastName;
        rec.State = client.state;
        rec.Selected = client.status == kStatusDeleted;
        records.push_back(rec);
    }
    records[1].Memo = "line one | line two";
    WriteAllRecords(files.clientFile, records);
    RecordTable table = MakeClientTable();
    ReadClientFile(files.clientFile, table);
    return table;
}

// Each row as its mark followed by its status: "X0", "-1", "X-2" ...
QString Outcome(const RecordTable& table) {
    QStringList rows;
    for (int row = 1; row < table.RowCount(); ++row) {
        rows.append(table.Cell(row, ClientCol::Mark) + table.Status(row));
        if (table.IsHidden(row) == table.IsActive(row)) {
            rows.last() += " (height wrong)";
        }
    }
    return rows.join(',');
}

NameRec Criteria(const QString& lastName, int state, const QString& memo = QString()) {
    NameRec rec = EmptyFilterRec();
    rec.LastName = lastName;
    rec.State = state;
    rec.Memo = memo;
    return rec;
}

} // namespace

class TestClientFilter : public QObject {
    Q_OBJECT

private slots:
    void filterNames_data() {
        QTest::addColumn<NameRec>("filter");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("nothing asked") << EmptyFilterRec() << "X0,X0,X0,X-2,X-1";
        QTest::newRow("part of a last name, any case") << Criteria("smi", -1) << "X0,X0,-1,X-2,X-1";
        QTest::newRow("state hides clients without one") << Criteria("", 0) << "X0,-1,-1,X-2,X-1";
        QTest::newRow("state and name both") << Criteria("gold", 0) << "-1,-1,-1,X-2,-1";
        QTest::newRow("memo across a line break")
            << Criteria("", -1, "ONE | LINE") << "X0,-1,-1,X-2,-1";
        QTest::newRow("a blank is a criterion") << Criteria(" ", -1) << "-1,-1,-1,X-2,-1";
        NameRec firstName = EmptyFilterRec();
        firstName.FirstName = "first3";
        QTest::newRow("first name") << firstName << "-1,-1,X0,X-2,-1";
        NameRec clientNo = EmptyFilterRec();
        clientNo.ClientNo = "c";
        QTest::newRow("client number") << clientNo << "X0,X0,X0,X-2,X-1";
    }
    void filterNames() {
        QFETCH(NameRec, filter);
        QFETCH(QString, outcome);
        test::TempFolder folder;
        RecordTable table = FilterFixture(folder);
        QList<int> progress;
        FilterNames(table, filter, [&](int percent) { progress.append(percent); });
        QCOMPARE(Outcome(table), outcome);
        QCOMPARE(progress, (QList<int>{20, 40, 60, 80, 100}));
    }

    void filtersNarrowUntilCancelled() {
        test::TempFolder folder;
        RecordTable table = FilterFixture(folder);
        FilterNames(table, Criteria("smi", -1));
        FilterNames(table, Criteria("", 0));
        QCOMPARE(Outcome(table), QString("X0,-1,-1,X-2,X-1"));
        QList<int> progress;
        FilterCancel(table, [&](int percent) { progress.append(percent); });
        QCOMPARE(Outcome(table), QString("0,0,0,X-2,0"));
        QCOMPARE(progress, (QList<int>{20, 40, 60, 80, 100}));
    }

    void emptyTable() {
        RecordTable table = MakeClientTable();
        QList<int> progress;
        FilterNames(table, Criteria("smi", 3), [&](int percent) { progress.append(percent); });
        FilterCancel(table, [&](int percent) { progress.append(percent); });
        QCOMPARE(table.RowCount(), 1);
        QVERIFY(progress.isEmpty());
    }
};

KIV5_CORE_TEST_MAIN(TestClientFilter)
#include "tst_ClientFilter.moc"
