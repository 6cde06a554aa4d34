#include "billing/core/DayRec.h"
#include "billing/core/ISRec.h"
#include "billing/core/TBillRec.h"
#include "books/core/ExpRec.h"
#include "books/core/IncRec.h"
#include "clientdb/core/NameRec.h"
#include "common/core/TextFile.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"
#include "tests/tools/ToolRun.h"

#include <QFile>
#include <QtEndian>
#include <cstring>
#include <limits>

using namespace kiv5;
using namespace kiv5::test;

namespace {

constexpr double kStamp = 45659.5;

template <class R> QByteArray TwoRecords(R first, R second) {
    first.PostTime = first.PullTime = second.PostTime = second.PullTime = kStamp;
    return EncodeRecord(first) + EncodeRecord(second);
}

template <class R> R Numbered(qint32 recNo) {
    R record;
    record.RecNo = recNo;
    return record;
}

NameRec Client(qint32 slot) {
    NameRec rec;
    rec.ClientNo = QStringLiteral("C%1").arg(slot);
    rec.LastName = QStringLiteral("Last%1").arg(slot);
    rec.State = slot == 0 ? -1 : 35;
    rec.PostTime = rec.PullTime = kStamp;
    rec.RecNo = slot;
    return rec;
}

// A sound file of each kind: a client file of three slots with its memo
// file, and two records of every other kind.
void WriteSoundFiles(const TempFolder& folder) {
    folder.WriteBytes("clients.pl5",
                      EncodeRecord(Client(0)) + EncodeRecord(Client(1)) + EncodeRecord(Client(2)));
    WriteTextLines(folder.Path("clients.mem"), {"", "memo 1", ""});
    folder.WriteBytes("kiv5.inc",
                      TwoRecords(Numbered<books::IncRec>(1), Numbered<books::IncRec>(2)));
    folder.WriteBytes("kiv5.exp",
                      TwoRecords(Numbered<books::ExpRec>(1), Numbered<books::ExpRec>(2)));
    folder.WriteBytes("kiv5.bil",
                      TwoRecords(Numbered<billing::TBillRec>(1), Numbered<billing::TBillRec>(2)));
    folder.WriteBytes("obrien.is5",
                      TwoRecords(Numbered<billing::ISRec>(0), Numbered<billing::ISRec>(1)));
    folder.WriteBytes("orvcal5.cal", TwoRecords(billing::DayRec{}, billing::DayRec{}));
}

int RecordSize(const QString& name) {
    static const QMap<QString, int> sizes = {{"pl5", 992},  {"inc", 264}, {"exp", 264},
                                             {"bil", 2416}, {"is5", 312}, {"cal", 4232}};
    return sizes.value(name.section('.', -1));
}

// Overwrites bytes of a record of the file; offset -1 appends them instead.
void Patch(const TempFolder& folder, const QString& name, int slot, int offset,
           const QByteArray& bytes) {
    QByteArray content = folder.ReadBytes(name);
    if (offset < 0) {
        content += bytes;
    } else {
        content.replace(slot * RecordSize(name) + offset, bytes.size(), bytes);
    }
    folder.WriteBytes(name, content);
}

QByteArray Int32(qint32 value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray Double(double value) {
    QByteArray bytes(8, '\0');
    quint64 raw;
    std::memcpy(&raw, &value, sizeof raw);
    qToLittleEndian(raw, bytes.data());
    return bytes;
}

QByteArray Byte(int value) {
    return QByteArray(1, static_cast<char>(value));
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInfinity = std::numeric_limits<double>::infinity();

} // namespace

class TestCheck : public QObject {
    Q_OBJECT

private slots:
    void soundFilesAreOk() {
        TempFolder folder;
        WriteSoundFiles(folder);
        const QStringList names = {"clients.pl5", "kiv5.inc",   "kiv5.exp",
                                   "kiv5.bil",    "obrien.is5", "orvcal5.cal"};
        QStringList paths;
        QStringList expected;
        for (const QString& name : names) {
            paths << folder.Path(name);
            expected << folder.Path(name) +
                            (name == "clients.pl5" ? ": ok, 3 records" : ": ok, 2 records");
        }
        const ToolResult result = RunTool(QStringList{"check"} + paths);
        QCOMPARE(result.code, 0);
        QCOMPARE(result.OutLines(), expected);
    }

    void faults_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("fault");
        QTest::newRow("state code")
            << "clients.pl5" << 2 << 368 << Int32(77) << "slot 2: State: code 77 is outside -1..50";
        QTest::newRow("client text too long")
            << "clients.pl5" << 1 << 10 << Byte(65)
            << "slot 1: LastName: length byte above the field's capacity";
        QTest::newRow("client status")
            << "clients.pl5" << 1 << 988 << Int32(5) << "slot 1: Status: 5 is not 0, -1 or -2";
        QTest::newRow("NaN stamp")
            << "clients.pl5" << 1 << 968 << Double(kNaN) << "slot 1: PostTime: NaN is no date";
        QTest::newRow("stamp out of range")
            << "clients.pl5" << 2 << 976 << Double(1e7)
            << "slot 2: PullTime: 10000000 lies outside the dates 1/1/100 to 12/31/9999";
        QTest::newRow("income date")
            << "kiv5.inc" << 0 << 16 << Double(kNaN) << "slot 0: Date: NaN is no date";
        QTest::newRow("income length")
            << "kiv5.inc" << 0 << -1 << QByteArray(10, 'x')
            << "length: 538 bytes is not a whole number of 264-byte records (10 bytes after the "
               "last whole record)";
        QTest::newRow("expense code") << "kiv5.exp" << 1 << 229 << Byte(2)
                                      << "slot 1: Code: length byte above the field's capacity";
        QTest::newRow("bill status")
            << "kiv5.bil" << 1 << 2412 << Int32(-3) << "slot 1: Status: -3 is not 0, -1 or -2";
        QTest::newRow("statement path of a bill")
            << "kiv5.bil" << 0 << 832 + 2 * 129 << Byte(200)
            << "slot 0: ISPath[2]: length byte above the field's capacity";
        QTest::newRow("interest rate") << "kiv5.bil" << 0 << 2384 << Double(kInfinity)
                                       << "slot 0: InterestRate: inf is no number";
        QTest::newRow("service date")
            << "obrien.is5" << 1 << 8 << Double(3e6)
            << "slot 1: ServiceDate: 3000000 lies outside the dates 1/1/100 to 12/31/9999";
        QTest::newRow("calendar slot text")
            << "orvcal5.cal" << 0 << 16 + 3 * 65 << Byte(70)
            << "slot 0: SlotText[3]: length byte above the field's capacity";
        QTest::newRow("calendar length") << "orvcal5.cal" << 1 << 3136 + 47 * 8 << Double(kNaN)
                                         << "slot 1: SlotHours[47]: nan is no number";
    }
    void faults() {
        QFETCH(QString, name);
        QFETCH(int, slot);
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, fault);
        TempFolder folder;
        WriteSoundFiles(folder);
        Patch(folder, name, slot, offset, bytes);
        const QString path = folder.Path(name);
        const ToolResult result = RunTool({"check", path});
        QCOMPARE(result.code, 1);
        QCOMPARE(result.OutLines(), QStringList({path + ": " + fault, path + ": 1 fault"}));
    }

    void staleRecordNumbersAreNotices_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("notice");
        QTest::newRow("client: the slot")
            << "clients.pl5" << 2 << 984
            << "slot 2: RecNo: stored 9, the slot's record number is 2";
        QTest::newRow("income: the slot + 1")
            << "kiv5.inc" << 0 << 256 << "slot 0: RecNo: stored 9, the slot's record number is 1";
        QTest::newRow("bill: the slot + 1")
            << "kiv5.bil" << 1 << 2408 << "slot 1: RecNo: stored 9, the slot's record number is 2";
        QTest::newRow("statement: the slot")
            << "obrien.is5" << 1 << 304 << "slot 1: RecNo: stored 9, the slot's record number is 1";
    }
    void staleRecordNumbersAreNotices() {
        QFETCH(QString, name);
        QFETCH(int, slot);
        QFETCH(int, offset);
        QFETCH(QString, notice);
        TempFolder folder;
        WriteSoundFiles(folder);
        Patch(folder, name, slot, offset, Int32(9));
        const QString path = folder.Path(name);
        const ToolResult result = RunTool({"check", path});
        QCOMPARE(result.code, 0);
        QCOMPARE(result.OutLines().value(0), "notice: " + path + ": " + notice);
        QVERIFY(result.OutLines().value(1).startsWith(path + ": ok, "));
    }

    void memoFile_data() {
        QTest::addColumn<QString>("memoName");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("fault");
        QTest::newRow("missing") << "" << QStringList()
                                 << "slots 0-2: Memo: the memo file clients.mem is missing";
        QTest::newRow("short") << "clients.mem" << QStringList({"", "memo 1"})
                               << "slot 2: Memo: no line in the memo file clients.mem, which has "
                                  "2 lines";
        QTest::newRow("empty") << "clients.mem" << QStringList()
                               << "slots 0-2: Memo: no line in the memo file clients.mem, which "
                                  "has 0 lines";
        QTest::newRow("name in other letter case")
            << "CLIENTS.MEM" << QStringList({"", "", ""}) << "";
    }
    void memoFile() {
        QFETCH(QString, memoName);
        QFETCH(QStringList, lines);
        QFETCH(QString, fault);
        TempFolder folder;
        WriteSoundFiles(folder);
        QVERIFY(QFile::remove(folder.Path("clients.mem")));
        if (!memoName.isEmpty()) {
            WriteTextLines(folder.Path(memoName), lines);
        }
        const QString path = folder.Path("clients.pl5");
        const ToolResult result = RunTool({"check", path});
        if (fault.isEmpty()) {
            QCOMPARE(result.code, 0);
            QCOMPARE(result.OutLines(), QStringList({path + ": ok, 3 records"}));
        } else {
            QCOMPARE(result.code, 1);
            QCOMPARE(result.OutLines(), QStringList({path + ": " + fault, path + ": 1 fault"}));
        }
    }

    void everyFaultOfSeveralFiles() {
        TempFolder folder;
        WriteSoundFiles(folder);
        Patch(folder, "kiv5.bil", 0, 2412, Int32(7));
        Patch(folder, "kiv5.bil", 1, 80, Double(kNaN));
        const ToolResult result =
            RunTool({"check", folder.Path("kiv5.inc"), folder.Path("kiv5.bil")});
        QCOMPARE(result.code, 1);
        const QString bill = folder.Path("kiv5.bil");
        QCOMPARE(result.OutLines(),
                 QStringList({folder.Path("kiv5.inc") + ": ok, 2 records",
                              bill + ": slot 0: Status: 7 is not 0, -1 or -2",
                              bill + ": slot 1: LastBill: NaN is no date", bill + ": 2 faults"}));
    }

    void filesThatCannotBeChecked_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no file") << QStringList() << "give at least one file";
        QTest::newRow("unknown kind") << QStringList({"notes.txt"}) << "not a data file";
        QTest::newRow("missing file") << QStringList({"gone.inc"}) << "Cannot open";
        QTest::newRow("unknown option") << QStringList({"--deep"}) << "unknown option --deep";
    }
    void filesThatCannotBeChecked() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        TempFolder folder;
        WriteSoundFiles(folder);
        QStringList paths;
        for (const QString& argument : arguments) {
            paths << (argument.startsWith("--") ? argument : folder.Path(argument));
        }
        const ToolResult result = RunTool(QStringList{"check"} + paths);
        QCOMPARE(result.code, 2);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
    }
};

KIV5_CORE_TEST_MAIN(TestCheck)
#include "tst_Check.moc"
