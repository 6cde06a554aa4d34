// The client record on the clipboard: its 545 bytes, its text form and what
// pasting does with foreign or broken data.

#include "clientdb/core/ClientTable.h"
#include "clientdb/core/TPL5Rec.h"
#include "tests/support/TestMain.h"

#include <QMimeData>
#include <QTest>

using namespace kiv5;

namespace {

RecordTable TableWithClient() {
    RecordTable table = MakeClientTable();
    const int row = table.AppendRow();
    const QList<std::pair<int, QString>> cells = {
        {ClientCol::ClientNo, "C1"},
        {ClientCol::LastName, "Müller"},
        {ClientCol::FirstName, "Zoë"},
        {ClientCol::Company, "Acme"},
        {ClientCol::Address1, "1 Elm St"},
        {ClientCol::Address2, "Suite 5"},
        {ClientCol::City, "Reno"},
        {ClientCol::State, "NV"},
        {ClientCol::ZipCode, "89501"},
        {ClientCol::Phone, "(775) 555-0100"},
        {ClientCol::Cell, "(775) 555-0101"},
        {ClientCol::Fax, "fax"},
        {ClientCol::EMail, "mail"},
        {ClientCol::Note1, "n1"},
        {ClientCol::Note2, "n2"},
        {ClientCol::Memo, "memo"},
    };
    for (const auto& [column, text] : cells) {
        table.SetCell(row, column, text);
    }
    return table;
}

} // namespace

class TestTPL5Rec : public QObject {
    Q_OBJECT

private slots:
    void bytesRoundTrip() {
        const RecordTable table = TableWithClient();
        const TPL5Rec rec = MakeTPL5Rec(table, 1);
        const QByteArray bytes = EncodeTPL5Rec(rec);
        QCOMPARE(bytes.size(), 545);
        QCOMPARE(bytes.at(0), '\0'); // Selected stays clear
        QCOMPARE(bytes.at(1), char(6));
        QCOMPARE(bytes.mid(2, 6), QByteArray("M\xfcller"));
        const std::optional<TPL5Rec> back = DecodeTPL5Rec(bytes);
        QVERIFY(back);
        QCOMPARE(back->LastName, QString("Müller"));
        QCOMPARE(back->FirstName, QString("Zoë"));
        QCOMPARE(back->State, QString("NV"));
        QCOMPARE(back->Note2, QString("n2"));
    }

    void pasteTakesOnlyTheClipboardColumns() {
        const RecordTable from = TableWithClient();
        RecordTable to = MakeClientTable();
        const int row = to.AppendRow();
        to.SetCell(row, ClientCol::ClientNo, "C2");
        to.SetCell(row, ClientCol::Fax, "keep fax");
        to.SetCell(row, ClientCol::Memo, "keep memo");
        PasteTPL5Rec(to, row, *DecodeTPL5Rec(EncodeTPL5Rec(MakeTPL5Rec(from, 1))));
        for (int column = 0; column < ClientCol::Count; ++column) {
            const bool carried = (column >= ClientCol::LastName && column <= ClientCol::Cell) ||
                                 column == ClientCol::Note1 || column == ClientCol::Note2;
            if (carried) {
                QCOMPARE(to.Cell(row, column), from.Cell(1, column));
            }
        }
        QCOMPARE(to.Cell(row, ClientCol::ClientNo), QString("C2"));
        QCOMPARE(to.Cell(row, ClientCol::Fax), QString("keep fax"));
        QCOMPARE(to.Cell(row, ClientCol::Memo), QString("keep memo"));
        QCOMPARE(to.Cell(row, ClientCol::EMail), QString());
    }

    void textForm_data() {
        QTest::addColumn<QString>("company");
        QTest::addColumn<QString>("address2");
        QTest::addColumn<QString>("text");
        QTest::newRow("all lines") << "Acme"
                                   << "Suite 5"
                                   << "Müller, Zoë\r\nAcme\r\n1 Elm St\r\nSuite 5\r\n"
                                      "Reno, NV  89501\r\n";
        QTest::newRow("no company, no second line")
            << ""
            << ""
            << "Müller, Zoë\r\n1 Elm St\r\nReno, NV  89501\r\n";
    }
    void textForm() {
        QFETCH(QString, company);
        QFETCH(QString, address2);
        QFETCH(QString, text);
        RecordTable table = TableWithClient();
        table.SetCell(1, ClientCol::Company, company);
        table.SetCell(1, ClientCol::Address2, address2);
        QCOMPARE(ClientClipboardText(MakeTPL5Rec(table, 1)), text);
    }

    void longTextsAreCut() {
        RecordTable table = TableWithClient();
        table.SetCell(1, ClientCol::City, QString(40, 'c'));
        table.SetCell(1, ClientCol::ZipCode, QStringLiteral("12345-67890"));
        const TPL5Rec rec = MakeTPL5Rec(table, 1);
        QCOMPARE(rec.City, QString(32, 'c'));
        QCOMPARE(rec.ZipCode, QString("12345-6789"));
        QCOMPARE(EncodeTPL5Rec(rec).size(), 545);
    }

    void foreignData_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("decodes");
        QTest::addColumn<QString>("state");
        QByteArray good = EncodeTPL5Rec(MakeTPL5Rec(TableWithClient(), 1));
        QTest::newRow("ours") << good << true << "NV";
        QTest::newRow("one byte short") << good.left(544) << false << "";
        QTest::newRow("one byte long") << good + 'x' << false << "";
        QTest::newRow("empty") << QByteArray() << false << "";
        QByteArray badLength = good;
        badLength[1] = char(200); // last name length above its 64
        QTest::newRow("length byte above capacity") << badLength << true << "NV";
        QByteArray badState = good;
        badState[359] = char(2);
        badState[360] = 'Z';
        badState[361] = 'Z';
        QTest::newRow("unknown state") << badState << true << "";
    }
    void foreignData() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, decodes);
        QFETCH(QString, state);
        QMimeData data;
        data.setData(QString::fromLatin1(kClientMimeType), bytes);
        const std::optional<TPL5Rec> rec = ClientFromMimeData(data);
        QCOMPARE(bool(rec), decodes);
        QCOMPARE(HasBrokenClientRecord(data), !decodes);
        if (!rec) {
            QVERIFY(BrokenClipboardText(data).contains(QString::number(bytes.size())));
            return;
        }
        QVERIFY(rec->LastName.size() <= 64);
        RecordTable table = MakeClientTable();
        table.AppendRow();
        PasteTPL5Rec(table, 1, *rec);
        QCOMPARE(table.Cell(1, ClientCol::State), state);
    }

    void plainTextIsNotOurs() {
        QMimeData data;
        data.setText(QStringLiteral("Müller, Zoë\r\n"));
        QVERIFY(!ClientFromMimeData(data));
        QVERIFY(!HasBrokenClientRecord(data));
        const std::unique_ptr<QMimeData> ours(
            MakeClientMimeData(MakeTPL5Rec(TableWithClient(), 1)));
        QVERIFY(ours->hasText());
        QVERIFY(ClientFromMimeData(*ours));
    }

    void rowsOutsideTheTableAreLeftAlone() {
        RecordTable table = TableWithClient();
        const QStringList before = table.Row(1);
        PasteTPL5Rec(table, 0, TPL5Rec{});
        PasteTPL5Rec(table, 2, TPL5Rec{});
        QCOMPARE(table.Row(1), before);
        QCOMPARE(table.RowCount(), 2);
        QCOMPARE(MakeTPL5Rec(table, 5).LastName, QString());
    }
};

KIV5_GUI_TEST_MAIN(TestTPL5Rec)
#include "tst_TPL5Rec.moc"
