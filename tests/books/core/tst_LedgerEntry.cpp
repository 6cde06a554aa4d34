#include "books/core/LedgerEntry.h"
#include "books/core/LedgerLayout.h"
#include "books/core/LedgerRow.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

using namespace kiv5;
using namespace kiv5::books;

class TestLedgerEntry : public QObject {
    Q_OBJECT

private slots:
    void clientNumberOfText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("number");
        QTest::newRow("list item") << "Smith, Ann - 1042"
                                   << "1042";
        QTest::newRow("second separator kept") << "A - B - 7"
                                               << "B - 7";
        QTest::newRow("typed number") << " 1042 "
                                      << "1042";
        QTest::newRow("short typed number") << "7"
                                            << "7";
        QTest::newRow("empty") << ""
                               << "";
    }
    void clientNumberOfText() {
        QFETCH(QString, text);
        QFETCH(QString, number);
        QCOMPARE(ClientNumberOfText(text), number);
    }

    void exactItems_data() {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<bool>("client");
        QTest::addColumn<int>("index");
        const QStringList clients{"Smith, Ann - 10", "Smith, Ann - 104", "Jones, Bo - 1"};
        QTest::newRow("client exact, not a longer number") << clients << "10" << true << 0;
        QTest::newRow("client number ignoring case")
            << QStringList{"A, B - ab7"} << "AB7" << true << 0;
        QTest::newRow("client number not listed") << clients << "4" << true << -1;
        QTest::newRow("empty client number") << clients << "" << true << -1;
        const QStringList accounts{"Bank", "Bank Two"};
        QTest::newRow("account exact") << accounts << "Bank" << false << 0;
        QTest::newRow("account not contained") << accounts << "Ban" << false << -1;
    }
    void exactItems() {
        QFETCH(QStringList, items);
        QFETCH(QString, wanted);
        QFETCH(bool, client);
        QFETCH(int, index);
        QCOMPARE(client ? ClientItemOf(items, wanted) : AccountItemOf(items, wanted), index);
    }

    void amounts_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("errors");
        QTest::newRow("thousands") << "1234.5"
                                   << "1,234.50" << 0;
        QTest::newRow("negative") << "-12.5"
                                  << "-12.50" << 0;
        QTest::newRow("empty") << ""
                               << "0.00" << 0;
        QTest::newRow("two points") << "1.2.3"
                                    << "0.00" << 1;
    }
    void amounts() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, errors);
        test::ErrorRecorder recorder;
        QCOMPARE(ReformatAmount(typed, recorder), shown);
        QCOMPARE(recorder.codes.size(), errors);
        QVERIFY(IsAmountCharacter(u'7') && IsAmountCharacter(u'.') && IsAmountCharacter(u'-'));
        QVERIFY(!IsAmountCharacter(u'a') && !IsAmountCharacter(u','));
    }

    void nearestEarlierPartyWins() {
        RecordTable table = MakeLedgerTable();
        table.SetRowCount(5);
        const QStringList parties{"", "Acme", "acme", "Other", "ACME"};
        for (int row = 1; row <= 4; ++row) {
            table.SetCell(row, LedgerColumn::Party, parties[row]);
            table.SetCell(row, LedgerColumn::Description, QString::number(row));
        }
        QCOMPARE(EarlierPartyRow(table, 4, "ACME")->description, QStringLiteral("2"));
        QCOMPARE(EarlierPartyRow(table, 2, "Acme")->description, QStringLiteral("1"));
        QVERIFY(!EarlierPartyRow(table, 1, "Acme"));
    }

    void partyOfClientText() {
        QCOMPARE(PartyOfClientText("Smith, Ann - 1042"), QStringLiteral("Smith, Ann"));
        QCOMPARE(PartyOfClientText("1042"), QString());
    }
};

KIV5_CORE_TEST_MAIN(TestLedgerEntry)
#include "tst_LedgerEntry.moc"
