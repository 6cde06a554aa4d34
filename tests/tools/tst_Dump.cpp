#include "billing/core/DayRec.h"
#include "billing/core/ISRec.h"
#include "billing/core/TBillRec.h"
#include "books/core/ExpRec.h"
#include "books/core/IncRec.h"
#include "common/core/RecordFile.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"
#include "tests/tools/ToolRun.h"

#include <QtEndian>
#include <cstring>

using namespace kiv5;
using namespace kiv5::test;

namespace {

constexpr int kClientSize = 992;

// Client records laid out by hand, byte by byte, without the codec.
void PutText(QByteArray& bytes, int offset, const QByteArray& text) {
    bytes[offset] = static_cast<char>(text.size());
    std::memcpy(bytes.data() + offset + 1, text.constData(), static_cast<std::size_t>(text.size()));
}

void PutInt32(QByteArray& bytes, int offset, qint32 value) {
    qToLittleEndian(value, bytes.data() + offset);
}

void PutDouble(QByteArray& bytes, int offset, double value) {
    quint64 raw;
    std::memcpy(&raw, &value, sizeof raw);
    qToLittleEndian(raw, bytes.data() + offset);
}

QByteArray HandWrittenHeader() {
    QByteArray bytes(kClientSize, '\0');
    PutText(bytes, 1, "25010200");
    PutInt32(bytes, 368, -1);
    PutDouble(bytes, 968, 45659.5);
    PutDouble(bytes, 976, 45659.5);
    return bytes;
}

QByteArray HandWrittenClient() {
    QByteArray bytes(kClientSize, '\x7f'); // bytes after each text carry no meaning
    bytes[0] = 1;
    PutText(bytes, 1, "25010201");
    PutText(bytes, 10, "O'Brien");
    PutText(bytes, 75, "Ren\xe9"); // Windows-1252 e acute
    PutText(bytes, 140, "");
    PutText(bytes, 205, "12 High Street");
    PutText(bytes, 270, "Suite 4");
    PutText(bytes, 335, "Columbus");
    PutInt32(bytes, 368, 35); // OH
    PutText(bytes, 372, "43215");
    PutText(bytes, 383, "(614) 555-0101");
    PutText(bytes, 404, "");
    PutText(bytes, 425, "");
    PutText(bytes, 446, "rene@example.com");
    PutText(bytes, 575, "C:\\Files\\Obrien");
    PutText(bytes, 640, "");
    PutText(bytes, 705, "First\tline\r\nSecond | line \\ end");
    PutDouble(bytes, 968, 45659.0 + 10.0 / 24.0);
    PutDouble(bytes, 976, 45659.0);
    PutInt32(bytes, 984, 7); // stale: the dump shows the slot
    PutInt32(bytes, 988, -1);
    return bytes;
}

QString Line(qint64 slot, const QStringList& cells) {
    return QString::number(slot) + QLatin1Char('\t') + cells.join(QLatin1Char('\t'));
}

QStringList Blanks(int count) {
    return QStringList(count, QString());
}

} // namespace

class TestDump : public QObject {
    Q_OBJECT

private slots:
    void clientFileWrittenByHand() {
        TempFolder folder;
        folder.WriteBytes("hand.pl5", HandWrittenHeader() + HandWrittenClient());
        const ToolResult result = RunTool({"dump", folder.Path("hand.pl5")});
        QCOMPARE(result.code, 0);
        QCOMPARE(result.err, QString());
        QStringList header = Blanks(22);
        header[2] = "25010200";
        header[18] = header[19] = "1/2/2025 12:00:00 PM";
        header[20] = header[21] = "0";
        const QStringList client = {"",
                                    "X",
                                    "25010201",
                                    "O'Brien",
                                    QString::fromUtf8("René"),
                                    "",
                                    "12 High Street",
                                    "Suite 4",
                                    "Columbus",
                                    "OH",
                                    "43215",
                                    "(614) 555-0101",
                                    "",
                                    "",
                                    "rene@example.com",
                                    "C:\\Files\\Obrien",
                                    "",
                                    "First\\tline\\nSecond | line \\ end",
                                    "1/2/2025 10:00:00 AM",
                                    "1/2/2025",
                                    "1",
                                    "-1"};
        QCOMPARE(result.OutLines(), QStringList({Line(0, header), Line(1, client)}));
        // UTF-8 on the way out.
        QVERIFY(result.out.toUtf8().contains("Ren\xc3\xa9"));
    }

    void ledgerFiles_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("income") << "kiv5.inc";
        QTest::newRow("expenses, any letter case") << "KIV5.EXP";
    }
    void ledgerFiles() {
        QFETCH(QString, name);
        books::IncRec rec;
        rec.RecordNo = "1001";
        rec.Date = 45659;
        rec.ClientNo = "25010201";
        rec.Payor = "Ren\u00e9 O'Brien";
        rec.Description = "Retainer";
        rec.Category = "Retainers";
        rec.Account = "Trust Account";
        rec.Code = "K";
        rec.Amount = -12345000; // -1,234.50
        rec.PostTime = rec.PullTime = 45659.75;
        rec.RecNo = 9; // stale
        TempFolder folder;
        // Both ledgers share one layout.
        folder.WriteBytes(name, EncodeRecord(rec) + EncodeRecord(books::IncRec{}));
        const ToolResult result = RunTool({"dump", folder.Path(name)});
        QCOMPARE(result.code, 0);
        const QStringList first = {"",
                                   "1001",
                                   "1/2/2025",
                                   "25010201",
                                   rec.Payor,
                                   "Retainer",
                                   "Retainers",
                                   "Trust Account",
                                   "K",
                                   "-1,234.50",
                                   "1/2/2025 6:00:00 PM",
                                   "1/2/2025 6:00:00 PM",
                                   "1",
                                   "0"};
        const QStringList second = {"",
                                    "",
                                    "12/30/1899",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "0.00",
                                    "12/30/1899 12:00:00 AM",
                                    "12/30/1899 12:00:00 AM",
                                    "2",
                                    "0"};
        QCOMPARE(result.OutLines(), QStringList({Line(0, first), Line(1, second)}));
    }

    void billFile() {
        billing::TBillRec rec;
        rec.ClientNo = "25010201";
        rec.FullName = "Ren\u00e9 O'Brien";
        rec.LastBill = 45659;
        rec.BalanceForward = 1000000;
        rec.Description[0] = "Professional services";
        rec.Amount[0] = 25000000;
        rec.ISPath[0] = "/data/Quenby5/IS/obrien.is5";
        rec.Note = "Call first | then mail";
        rec.Interest = true;
        rec.InterestRate = 7.5;
        rec.PostTime = rec.PullTime = 45660;
        rec.RecNo = 0;
        rec.Status = -2;
        TempFolder folder;
        folder.WriteBytes("kiv5.bil", EncodeRecord(rec));
        const ToolResult result = RunTool({"dump", folder.Path("kiv5.bil")});
        QCOMPARE(result.code, 0);
        const QStringList cells = result.OutLines().value(0).split('\t');
        QCOMPARE(cells.size(), 43);
        QCOMPARE(cells.mid(0, 8), QStringList({"0", "", "25010201", rec.FullName, "1/2/2025",
                                               "100.00", "Professional services", "2,500.00"}));
        QCOMPARE(cells[26], rec.ISPath[0]);
        QCOMPARE(cells.mid(36), QStringList({"Call first | then mail", "Y", "7.5", "1/3/2025",
                                             "1/3/2025", "1", "-2"}));
    }

    void statementFile() {
        billing::ISRec rec;
        rec.ServiceDate = 45659;
        rec.ServiceDescription = "Draft motion | review";
        rec.TimeSpent = 1.5;
        rec.HourlyRate = 2500000;
        rec.PostTime = rec.PullTime = 45659.5;
        rec.RecNo = 5; // used as it stands
        TempFolder folder;
        folder.WriteBytes("obrien.is5", EncodeRecord(rec));
        const ToolResult result = RunTool({"dump", folder.Path("obrien.is5")});
        QCOMPARE(result.code, 0);
        QCOMPARE(result.OutLines(),
                 QStringList(
                     {Line(0, {"", "1/2/2025", "Draft motion | review", "          1.50", "250.00",
                               "1/2/2025 12:00:00 PM", "1/2/2025 12:00:00 PM", "5", "0"})}));
    }

    void calendarFile() {
        billing::DayRec day;
        day.Day = 45659;
        day.SlotText[18] = "Hearing\tCourt 3";
        day.SlotHours[18] = 1.5;
        day.SlotClientNo[18] = "25010201";
        day.DayNotes = "Bring file\r\nCall clerk";
        day.PostTime = day.PullTime = 45659.5;
        TempFolder folder;
        folder.WriteBytes("orvcal5.cal", EncodeRecord(billing::DayRec{}) + EncodeRecord(day));
        const ToolResult result = RunTool({"dump", folder.Path("orvcal5.cal")});
        QCOMPARE(result.code, 0);
        const QStringList lines = result.OutLines();
        QCOMPARE(lines.size(), 2);
        const QStringList cells = lines[1].split('\t');
        QCOMPARE(cells.size(), 1 + 151);
        QCOMPARE(cells.mid(0, 3), QStringList({"1", "", "1/2/2025"}));
        QCOMPARE(cells.mid(3 + 3 * 18, 3), QStringList({"Hearing ~ Court 3", "1.5", "25010201"}));
        QCOMPARE(cells.mid(3 + 3 * 17, 3), QStringList({"", "0", ""})); // 0 in shortest form
        QCOMPARE(cells.mid(147), QStringList({"Bring file | Call clerk", "", "", "1", "0"}));
    }

    void refusals_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown kind") << "notes.txt" << QByteArray("x") << "not a data file";
        QTest::newRow("missing file") << "" << QByteArray() << "Cannot open";
        QTest::newRow("broken length")
            << "kiv5.inc" << QByteArray(264 + 10, '\0') << "not a whole number of 264-byte";
    }
    void refusals() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        TempFolder folder;
        if (!name.isEmpty()) {
            folder.WriteBytes(name, bytes);
        }
        const ToolResult result =
            RunTool({"dump", folder.Path(name.isEmpty() ? QStringLiteral("gone.pl5") : name)});
        QCOMPARE(result.code, 2);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QCOMPARE(result.out, QString());
    }
};

KIV5_CORE_TEST_MAIN(TestDump)
#include "tst_Dump.moc"
