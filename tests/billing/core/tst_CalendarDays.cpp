#include "billing/core/CalendarBackupLine.h"
#include "billing/core/CalendarFile.h"
#include "common/core/Exceptions.h"
#include "common/core/RecordFile.h"
#include "tests/books/core/RecordBytes.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <limits>

using namespace kiv5;
using namespace kiv5::billing;

namespace {

const QDateTime kNow(QDate(2011, 3, 7), QTime(14, 5, 9));
const Clock kClock = Clock::FixedAt(kNow);
constexpr double kMarch7 = 40609;
const double kStamp = kMarch7 + (14 * 3600 + 5 * 60 + 9) / 86400.0;

DayRec Day(double date, const QString& text) {
    DayRec day;
    day.Day = date;
    day.SlotText[17] = text;
    day.SlotHours[17] = 1.5;
    day.SlotClientNo[17] = "C-12";
    day.DayNotes = "notes";
    day.PostTime = kStamp;
    day.PullTime = kStamp;
    return day;
}

} // namespace

class TestCalendarDays : public QObject {
    Q_OBJECT

private slots:
    void handMadeBytes() {
        QByteArray bytes(4232, '\0');
        test::PutDouble(bytes, 8, kMarch7);
        test::PutText(bytes, 16, "Midnight call");
        test::PutText(bytes, 16 + 47 * 65, "Late");
        test::PutDouble(bytes, 3136 + 8, 0.5);
        test::PutDouble(bytes, 3136 + 47 * 8, 2.25);
        test::PutText(bytes, 3520 + 47 * 9, "C-99");
        test::PutText(bytes, 3952, "Court day");
        test::PutDouble(bytes, 4208, kStamp);
        test::PutDouble(bytes, 4216, kStamp);
        test::PutInt32(bytes, 4224, 3);
        test::PutInt32(bytes, 4228, 0);
        const DayRec day = DecodeRecord<DayRec>(bytes);
        QCOMPARE(day.Day, kMarch7);
        QCOMPARE(day.SlotText[0], QString("Midnight call"));
        QCOMPARE(day.SlotText[47], QString("Late"));
        QCOMPARE(day.SlotHours[1], 0.5);
        QCOMPARE(day.SlotHours[47], 2.25);
        QCOMPARE(day.SlotClientNo[47], QString("C-99"));
        QCOMPARE(day.DayNotes, QString("Court day"));
        QCOMPARE(day.RecNo, 3);
        QCOMPARE(EncodeRecord(day), bytes);
    }

    void daysInTheFile() {
        test::TempFolder folder;
        const QString path = CalendarFilePath(folder.Folder());
        QCOMPARE(path, folder.Path("orvcal5.cal"));
        // No file yet: a blank day for the date asked, and no file made.
        DayRec blank = ReadDay(path, kMarch7 + 1, kClock);
        QCOMPARE(blank.Day, kMarch7 + 1);
        QCOMPARE(blank.SlotText[17], QString());
        QCOMPARE(blank.PostTime, kStamp);
        QVERIFY(!folder.Exists("orvcal5.cal"));

        WriteDay(path, Day(kMarch7, "first"), kMarch7);
        WriteDay(path, Day(kMarch7 + 1, "next day"), kMarch7 + 1);
        WriteDay(path, Day(kMarch7, "second"), kMarch7);
        QCOMPARE(folder.ReadBytes("orvcal5.cal").size(), 2 * 4232);
        QCOMPARE(ReadDay(path, kMarch7, kClock).SlotText[17], QString("second"));
        QCOMPARE(ReadDay(path, kMarch7 + 1, kClock).SlotText[17], QString("next day"));
        // A day never stored reads blank and keeps its own date.
        const DayRec never = ReadDay(path, kMarch7 + 2, kClock);
        QCOMPARE(never.Day, kMarch7 + 2);
        QCOMPARE(never.DayNotes, QString());
        // A day read blank and stored is found again under its date.
        WriteDay(path, never, never.Day);
        QCOMPARE(ReadDay(path, kMarch7 + 2, kClock).Day, kMarch7 + 2);
        QCOMPARE(folder.ReadBytes("orvcal5.cal").size(), 3 * 4232);
        QVERIFY(!folder.Exists("orvcal5.cal.lock"));
    }

    void dayIsStoredUnderTheDateGiven() {
        test::TempFolder folder;
        const QString path = folder.Path("orvcal5.cal");
        WriteDay(path, Day(kStamp, "with a time"), kMarch7);
        QCOMPARE(ReadDay(path, kMarch7, kClock).SlotText[17], QString("with a time"));
        const std::vector<DayRec> stored = ReadAllRecords<DayRec>(path);
        QCOMPARE(stored.size(), std::size_t(1));
        QCOMPARE(stored[0].Day, kMarch7);
    }

    void damagedCalendarFile() {
        test::TempFolder folder;
        folder.WriteBytes("orvcal5.cal", QByteArray(4232 + 1, '\0'));
        QVERIFY_THROWS_EXCEPTION(IoError, ReadDay(folder.Path("orvcal5.cal"), kMarch7, kClock));
        QVERIFY_THROWS_EXCEPTION(IoError,
                                 WriteDay(folder.Path("orvcal5.cal"), Day(kMarch7, ""), kMarch7));
        QCOMPARE(folder.ReadBytes("orvcal5.cal").size(), 4232 + 1);
    }

    void backupLine() {
        DayRec day = Day(kMarch7, "Deposition");
        day.Selected = true;
        day.SlotHours[3] = 0.25;
        day.Status = 0;
        const QStringList fields = CalendarBackupLine(day, 6).split('\t');
        QCOMPARE(fields.size(), 151);
        QCOMPARE(fields[0], QString("X"));
        QCOMPARE(fields[1], QString("3/7/2011"));
        QCOMPARE(fields.mid(2, 3), QStringList({"", "0", ""})); // slot 0: length 0 included
        QCOMPARE(fields.mid(2 + 3 * 3, 3), QStringList({"", "0.25", ""}));
        QCOMPARE(fields.mid(2 + 17 * 3, 3), QStringList({"Deposition", "1.5", "C-12"}));
        QCOMPARE(fields.mid(146), QStringList({"notes", "", "", "6", "0"}));
    }

    void backupLineRoundTrip() {
        DayRec day = Day(kMarch7, "Deposition");
        day.SlotHours[47] = 7.125;
        day.SlotText[0] = "tab\there";
        day.DayNotes = "line one\r\nline two";
        day.PostTime = kMarch7 - 30;
        day.RecNo = 0;
        const DayRec back =
            ParseCalendarBackupLine(CalendarBackupLine(day, 4), test::TestContext(kNow));
        QCOMPARE(back.Day, kMarch7);
        QCOMPARE(back.SlotText[17], QString("Deposition"));
        QCOMPARE(back.SlotClientNo[17], QString("C-12"));
        QCOMPARE(back.SlotHours[17], 1.5);
        QCOMPARE(back.SlotHours[47], 7.13); // read with Str2Float_2
        QCOMPARE(back.SlotText[0], QString("tab ~ here"));
        QCOMPARE(back.DayNotes, day.DayNotes);
        QCOMPARE(back.PostTime, kStamp);
        QCOMPARE(back.PullTime, kStamp);
        QCOMPARE(back.RecNo, 4);
        QCOMPARE(back.Status, 0);
    }

    void restoredTextsAreCut() {
        QStringList fields(151);
        fields[1] = "3/7/2011";
        fields[2] = QString(70, 't');
        fields[3] = "2";
        fields[4] = "123456789";
        fields[146] = QString(300, 'n');
        fields[149] = "0";
        const DayRec day = ParseCalendarBackupLine(fields.join('\t'), test::TestContext(kNow));
        QCOMPARE(day.SlotText[0], QString(64, 't'));
        QCOMPARE(day.SlotHours[0], 2.0);
        QCOMPARE(day.SlotClientNo[0], QString("12345678"));
        QCOMPARE(day.DayNotes.size(), 255);
        QCOMPARE(day.Selected, false);
    }

    void backupLinesThatDoNotRead_data() {
        QTest::addColumn<int>("fieldCount");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("error");
        QTest::newRow("empty line") << 1 << 0 << "" << -1;
        QTest::newRow("no position") << 149 << 0 << "" << -1;
        QTest::newRow("no status is enough") << 150 << 0 << "" << 0;
        QTest::newRow("date") << 151 << 1 << "yesterday" << -1;
        QTest::newRow("position") << 151 << 149 << "first" << -1;
        QTest::newRow("length") << 151 << 3 << "long" << 21202;
    }
    void backupLinesThatDoNotRead() {
        QFETCH(int, fieldCount);
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(int, error);
        QStringList fields(fieldCount);
        if (fieldCount > 1) {
            fields[1] = "3/7/2011";
        }
        if (fieldCount > 149) {
            fields[149] = "2";
        }
        fields[field] = text;
        test::TestContext context(kNow);
        if (error < 0) {
            QVERIFY_THROWS_EXCEPTION(ConversionError,
                                     ParseCalendarBackupLine(fields.join('\t'), context));
        } else {
            QCOMPARE(ParseCalendarBackupLine(fields.join('\t'), context).RecNo, 2);
            QCOMPARE(context.codes.value(0), error);
        }
    }

    void damagedDayValues() {
        DayRec day = Day(std::numeric_limits<double>::quiet_NaN(), "x");
        day.SlotHours[0] = std::numeric_limits<double>::infinity();
        const QStringList fields = CalendarBackupLine(day, 0).split('\t');
        QCOMPARE(fields[1], QString());
        QCOMPARE(fields.size(), 151);
    }
};

KIV5_CORE_TEST_MAIN(TestCalendarDays)
#include "tst_CalendarDays.moc"
