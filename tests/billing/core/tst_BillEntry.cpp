#include "billing/core/BillEntry.h"
#include "billing/core/BillMoney.h"
#include "billing/core/BillRow.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

using namespace kiv5;
using namespace kiv5::billing;

class TestBillEntry : public QObject {
    Q_OBJECT

private slots:
    void clientNumberOfText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("name");
        QTest::newRow("list item") << "Doe, Jo - 12"
                                   << "12"
                                   << "Doe, Jo";
        QTest::newRow("name holding the separator") << "Smith - Jones, Ann - 77"
                                                    << "77"
                                                    << "Smith - Jones, Ann";
        QTest::newRow("typed number, trimmed and cut") << "  ABCDEFGHIJ  "
                                                       << "ABCDEFGH"
                                                       << "";
        QTest::newRow("long number after the separator") << "Roe, Al - 123456789"
                                                         << "12345678"
                                                         << "Roe, Al";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
    }
    void clientNumberOfText() {
        QFETCH(QString, text);
        QFETCH(QString, number);
        QFETCH(QString, name);
        QCOMPARE(ClientNumberOfText(text), number);
        QCOMPARE(NameOfClientText(text), name);
    }

    void sameClientNumber_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("same");
        QTest::newRow("ASCII case") << "ab-1"
                                    << "AB-1" << true;
        QTest::newRow("prefix") << "AB"
                                << "AB-1" << false;
        QTest::newRow("accented letters exactly") << "é1"
                                                  << "É1" << false;
    }
    void sameClientNumber() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, same);
        QCOMPARE(SameClientNumber(a, b), same);
    }

    void moneyTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("reads");
        QTest::addColumn<qint64>("units");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << "" << true << qint64{0} << "0.00";
        QTest::newRow("parentheses") << "($1,234.567)" << true << qint64{-12345700} << "-1,234.57";
        QTest::newRow("minus inside") << "12-5" << true << qint64{-1250000} << "-125.00";
        QTest::newRow("text") << "12x" << false << qint64{0} << "0.00";
        QTest::newRow("large amount")
            << "12345678901.23" << true << qint64{123456789012300} << "12,345,678,901.23";
        QTest::newRow("beyond the field") << "1e15" << false << qint64{0} << "0.00";
    }
    void moneyTexts() {
        QFETCH(QString, text);
        QFETCH(bool, reads);
        QFETCH(qint64, units);
        QFETCH(QString, shown);
        QCOMPARE(TryMoneyUnits(text).has_value(), reads);
        test::ErrorRecorder errors;
        QCOMPARE(MoneyUnitsOf(text, errors), units);
        QCOMPARE(errors.codes, reads ? QList<int>() : QList<int>{21202});
        QCOMPARE(ReformatMoneyText(text, errors), shown);
    }

    void rateAndKeys() {
        QVERIFY(IsFractionalRate(QStringLiteral("0.5")));
        QVERIFY(!IsFractionalRate(QStringLiteral("0")));
        QVERIFY(!IsFractionalRate(QStringLiteral("8")));
        QVERIFY(!IsFractionalRate(QStringLiteral("1")));
        QVERIFY(IsMoneyCharacter(QLatin1Char('7')));
        QVERIFY(IsMoneyCharacter(QLatin1Char('-')));
        QVERIFY(!IsMoneyCharacter(QLatin1Char('a')));
        QVERIFY(!IsMoneyCharacter(QChar(0x0663))); // Arabic-Indic three
        QCOMPARE(WithoutTabs(QStringLiteral("a\tb")), QStringLiteral("a b"));
    }

    void entryRoundTripsTheRow() {
        RecordTable table = MakeBillTable();
        table.SetRowCount(2);
        TBillRec bill;
        bill.ClientNo = QStringLiteral("A-1");
        bill.FullName = QStringLiteral("Adams, Bob");
        bill.LastBill = 40609;
        bill.Note = QStringLiteral("one | two");
        bill.Interest = true;
        bill.InterestRate = 7.5;
        ConvertBillRecToStringGrid(table, bill, 1, 1);
        const BillEntry entry = EntryOfBillRow(table, 1);
        QCOMPARE(entry.note, QStringLiteral("one\r\ntwo"));
        QCOMPARE(entry.client, QStringLiteral("A-1"));
        QCOMPARE(entry.interestRate, QStringLiteral("7.5"));
        QCOMPARE(entry.recNo, QStringLiteral("1"));
        QVERIFY(CheckBillEntry(entry).Passed());
        const QStringList before = table.Row(1);
        ApplyBillEntry(table, 1, entry);
        QCOMPARE(table.Row(1), before);
    }
};

KIV5_CORE_TEST_MAIN(TestBillEntry)
#include "tst_BillEntry.moc"
