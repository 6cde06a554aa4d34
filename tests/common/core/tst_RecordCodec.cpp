#include "common/core/Cp1252.h"
#include "common/core/Exceptions.h"
#include "common/core/RecordCodec.h"
#include "common/core/RecordFile.h"
#include "common/core/TextFile.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

using namespace kiv5;

namespace {

struct Sample {
    bool Flag = false;
    QString Name;
    qint32 Code = 0;
    double When = 0;
    qint64 Money = 0;
    std::array<QString, 10> Lines;
};

} // namespace

template <> struct kiv5::RecordLayout<Sample> {
    static constexpr int kSize = 96;
    static constexpr std::array kFields = {
        Field<Sample>("Flag", 0, &Sample::Flag),    Field<Sample>("Name", 1, &Sample::Name, 5),
        Field<Sample>("Code", 8, &Sample::Code),    Field<Sample>("When", 16, &Sample::When),
        Field<Sample>("Money", 24, &Sample::Money), Field<Sample>("Lines", 32, &Sample::Lines, 5),
    };
};
static_assert(IsValidLayout<Sample>());

namespace {
struct Misaligned {
    double When = 0;
};
struct Overlapping {
    QString A;
    QString B;
};
} // namespace
template <> struct kiv5::RecordLayout<Misaligned> {
    static constexpr int kSize = 16;
    static constexpr std::array kFields = {Field<Misaligned>("When", 4, &Misaligned::When)};
};
template <> struct kiv5::RecordLayout<Overlapping> {
    static constexpr int kSize = 16;
    static constexpr std::array kFields = {Field<Overlapping>("A", 0, &Overlapping::A, 8),
                                           Field<Overlapping>("B", 5, &Overlapping::B, 4)};
};
static_assert(!IsValidLayout<Misaligned>());
static_assert(!IsValidLayout<Overlapping>());
static_assert(FieldOffset<Sample>("Money") == 24);

class TestRecordCodec : public QObject {
    Q_OBJECT

private slots:
    void cp1252RoundTrip() {
        QString all;
        for (int b = 1; b < 256; ++b) {
            all += FromCp1252(QByteArray(1, static_cast<char>(b)));
        }
        QByteArray bytes = ToCp1252(all);
        QCOMPARE(bytes.size(), 255);
        for (int b = 1; b < 256; ++b) {
            QCOMPARE(static_cast<unsigned char>(bytes[b - 1]), static_cast<unsigned char>(b));
        }
        QCOMPARE(FromCp1252("\x80\x9f\xe9"), QString::fromUtf8("€Ÿé"));
        QCOMPARE(ToCp1252(QString::fromUtf8("a\u4e2db😀")), QByteArray("a?b?"));
    }

    void encodeLayout() {
        Sample s;
        s.Flag = true;
        s.Name = QString::fromUtf8("Éclairs"); // cut to five characters
        s.Code = -2;
        s.When = 40609.75;
        s.Money = -125000;
        s.Lines[9] = "last";
        const QByteArray bytes = EncodeRecord(s);
        QCOMPARE(bytes.size(), 96);
        QCOMPARE(bytes[0], '\1');
        QCOMPARE(bytes[1], '\5');
        QCOMPARE(bytes.mid(2, 5), QByteArray("\xc9"
                                             "clai"));
        QCOMPARE(bytes.mid(7, 1), QByteArray(1, '\0')); // padding is zero
        QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 8), -2);
        QCOMPARE(qFromLittleEndian<qint64>(bytes.constData() + 24), Q_INT64_C(-125000));
        QCOMPARE(bytes[32 + 9 * 6], '\4');
        const Sample back = DecodeRecord<Sample>(bytes);
        QCOMPARE(back.Name, QString::fromUtf8("Éclai"));
        QCOMPARE(back.When, 40609.75);
        QCOMPARE(back.Lines[9], QString("last"));
    }

    void overlongLengthByteIsClamped() {
        QByteArray bytes(96, '\0');
        bytes[1] = static_cast<char>(200);
        bytes.replace(2, 5, "abcde");
        bytes[32 + 6] = static_cast<char>(6);
        QCOMPARE(DecodeRecord<Sample>(bytes).Name, QString("abcde"));
        QCOMPARE(FindOverlongTexts<Sample>(bytes), QStringList({"Name", "Lines[1]"}));
    }

    void recordFileOperations() {
        test::TempFolder folder;
        const QString path = folder.Path("data.rec");
        Sample s;
        {
            RecordFile file(path, 96, RecordFile::Mode::OpenOrCreate);
            for (int i = 0; i < 3; ++i) {
                s.Code = i;
                QCOMPARE(file.Append(EncodeRecord(s)), qint64(i));
            }
            file.Close();
        }
        {
            RecordFile file(path, 96, RecordFile::Mode::ReadWrite);
            QCOMPARE(file.Count(), qint64(3));
            file.Seek(1);
            s.Code = 42;
            file.WriteRecord(s);
            file.Close();
        }
        const auto all = ReadAllRecords<Sample>(path);
        QCOMPARE(all.size(), std::size_t(3));
        QCOMPARE(all[1].Code, 42);
        QCOMPARE(all[2].Code, 2);
    }

    void recordFileFailures() {
        test::TempFolder folder;
        QVERIFY_THROWS_EXCEPTION(IoError,
                                 RecordFile(folder.Path("missing"), 96, RecordFile::Mode::Read));
        QVERIFY_THROWS_EXCEPTION(
            IoError, RecordFile(folder.Path("missing"), 96, RecordFile::Mode::ReadWrite));
        folder.WriteBytes("broken", QByteArray(100, 'x'));
        try {
            RecordFile file(folder.Path("broken"), 96, RecordFile::Mode::Read);
            QFAIL("a file of broken length was opened");
        } catch (const IoError& e) {
            QVERIFY(e.Message().contains("broken"));
            QVERIFY(e.Message().contains("100"));
            QVERIFY(e.Message().contains("96"));
        }
        QCOMPARE(folder.ReadBytes("broken"), QByteArray(100, 'x'));
    }

    void wholeFileWriteReplacesAtomically() {
        test::TempFolder folder;
        const QString path = folder.Path("data.rec");
        WriteAllRecords<Sample>(path, {Sample{}, Sample{}});
        QCOMPARE(folder.ReadBytes("data.rec").size(), 192);
        {
            RecordFileWriter writer(path, 96);
            writer.WriteRecord(Sample{});
            // Not committed: the old file stays.
        }
        QCOMPARE(folder.ReadBytes("data.rec").size(), 192);
        QVERIFY_THROWS_EXCEPTION(IoError, WriteAllRecords<Sample>(folder.Path("no/such/x"), {}));
    }

    void textLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList({"a", "b"});
        QTest::newRow("lf") << QByteArray("a\nb") << QStringList({"a", "b"});
        QTest::newRow("empty lines") << QByteArray("\r\n\r\nx\r\n") << QStringList({"", "", "x"});
        QTest::newRow("cp1252") << QByteArray("caf\xe9\r\n")
                                << QStringList({QString::fromUtf8("café")});
        QTest::newRow("nothing") << QByteArray() << QStringList();
    }
    void textLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        test::TempFolder folder;
        folder.WriteBytes("t.txt", bytes);
        QCOMPARE(ReadTextLines(folder.Path("t.txt")), lines);
        WriteTextLines(folder.Path("u.txt"), lines);
        QCOMPARE(ReadTextLines(folder.Path("u.txt")), lines);
        QCOMPARE(folder.ReadBytes("u.txt").count("\r\n"), lines.size());
    }
};

KIV5_CORE_TEST_MAIN(TestRecordCodec)
#include "tst_RecordCodec.moc"
