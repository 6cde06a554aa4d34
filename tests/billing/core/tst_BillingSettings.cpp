#include "billing/core/BillingSettings.h"
#include "common/core/Folders.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <QDir>

using namespace kiv5;

namespace {

const QString kFile = QStringLiteral("Orvanel/Quenby5/Params.conf");

void MakeEmptyStore(const test::TempFolder& base) {
    QDir(base.Folder()).mkpath(QStringLiteral("Orvanel/Quenby5"));
    base.WriteBytes(kFile, {});
}

} // namespace

class TestBillingSettings : public QObject {
    Q_OBJECT

private slots:
    void missingStoreKeepsStartUpValues() {
        test::TempFolder base;
        SettingsStore store = BillingSettingsStore(base.Folder());
        test::ErrorRecorder errors;
        BillingSettings s = BuiltInBillingSettings(1300);
        QVERIFY(!ReadTheIniFile(s, store, 1300));
        QVERIFY(errors.codes.isEmpty());
        QCOMPARE(s.HourlyRate, qint64(2500000));
        QCOMPARE(s.PL5Directory, QString());
        QCOMPARE(s.SU5FileName, QString());
        QCOMPARE(s.ISDirectory, UsualFolder(QStringLiteral("Quenby5")) + QStringLiteral("IS/"));
        QCOMPARE(s.FilesDirectory, UsualFolder(QStringLiteral("Quenby5")));
        QCOMPARE(s.WordProcessor, QStringLiteral("WINWORD.EXE"));
        QCOMPARE(s.TableFontSize, 8);
        QCOMPARE(s.BColumnWidth[0], 20);
        QCOMPARE(s.BColumnWidth[25], 128); // x = (1300 - 20) div 10
        QCOMPARE(s.BColumnWidth[7], -1);
        QCOMPARE(s.ISColumnWidth[2], 320); // y = (1300 - 20) div 4
        QCOMPARE(s.ISColumnWidth[5], -1);
        QVERIFY(!base.Exists(kFile));
    }

    void firstStartWithEmptyStore_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("width");
        // w = (1300 - 20) div 20 = 64, v = (1300 - 20) div 8 = 160
        QTest::newRow("B0") << "BColumnWidth0" << 20;
        QTest::newRow("B1") << "BColumnWidth1" << 64;
        QTest::newRow("B37") << "BColumnWidth37" << 64;
        QTest::newRow("B2") << "BColumnWidth2" << 192;
        QTest::newRow("B35") << "BColumnWidth35" << 192;
        QTest::newRow("IS0") << "ISColumnWidth0" << 20;
        QTest::newRow("IS4") << "ISColumnWidth4" << 160;
        QTest::newRow("IS2") << "ISColumnWidth2" << 800;
    }
    void firstStartWithEmptyStore() {
        QFETCH(QString, name);
        QFETCH(int, width);
        test::TempFolder base;
        MakeEmptyStore(base);
        SettingsStore store = BillingSettingsStore(base.Folder());
        BillingSettings s = BuiltInBillingSettings(1300);
        QVERIFY(ReadTheIniFile(s, store, 1300));
        SettingsStore saved = BillingSettingsStore(base.Folder());
        QVERIFY(saved.Load());
        QCOMPARE(saved.ReadInteger(name), width);
        QCOMPARE(saved.ReadCurrency(QStringLiteral("HourlyRate")), qint64(2000000));
        QCOMPARE(s.HourlyRate, qint64(2000000));
        QCOMPARE(s.PL5Directory, UsualFolder(QStringLiteral("Pellary5")));
        QCOMPARE(s.SU5FileName, QStringLiteral("kiv5.su5"));
        QVERIFY(!saved.Contains(QStringLiteral("BColumnWidth7")));
        QVERIFY(!saved.Contains(QStringLiteral("ISColumnWidth5")));
        const QStringList names = saved.Names();
        // + 1: WritePdfFlag, after the caption lines.
        QCOMPARE(names.size(), 10 + 5 + 1 + 11 + 5 + 4 + 10 + 12);
        QCOMPARE(saved.ReadFlag(QStringLiteral("WritePdfFlag")), false);
        QCOMPARE(names.first(), QStringLiteral("PL5FileName"));
        QCOMPARE(names.indexOf(QStringLiteral("HistoryCount")),
                 names.indexOf(QStringLiteral("ShortHandArray1")) - 10);
        QCOMPARE(names.last(), QStringLiteral("ShortHandArray12"));
    }

    void roundTrip() {
        test::TempFolder base;
        SettingsStore store = BillingSettingsStore(base.Folder());
        BillingSettings s = BuiltInBillingSettings(1280);
        s.HourlyRate = 1234567; // 123.4567
        s.CaptionLine[4] = QStringLiteral("Attorneys at Law ");
        s.BColumnWidth[25] = 333;
        s.BColumnWidth[7] = 55; // not kept
        s.ISColumnWidth[3] = -1;
        s.ShortHandArray[11] = QStringLiteral("Telephone conference with client");
        s.History.Add(QStringLiteral("/data/billing/2024.qy5"));
        test::ErrorRecorder errors;
        QVERIFY(WriteTheIniFile(s, store, errors));
        QVERIFY(errors.codes.isEmpty());

        BillingSettings again = BuiltInBillingSettings(1280);
        QVERIFY(ReadTheIniFile(again, store, 1280));
        QCOMPARE(again.HourlyRate, qint64(1234567));
        QCOMPARE(again.CaptionLine[4], QStringLiteral("Attorneys at Law "));
        QCOMPARE(again.BColumnWidth[25], 333);
        QCOMPARE(again.BColumnWidth[7], -1);
        QCOMPARE(again.ISColumnWidth[3], -1);
        QCOMPARE(again.ShortHandArray[11], s.ShortHandArray[11]);
        QCOMPARE(again.History.Entries(), s.History.Entries());
    }

    void longShortHandIsCut() {
        test::TempFolder base;
        SettingsStore store = BillingSettingsStore(base.Folder());
        store.WriteText(QStringLiteral("ShortHandArray3"), QString(70, u'x'));
        store.WriteText(QStringLiteral("ISDirectory"), QStringLiteral("/data/is"));
        store.WriteInteger(QStringLiteral("HourlyRate"), 150); // wrong kind
        store.Save();
        BillingSettings s = BuiltInBillingSettings(1280);
        QVERIFY(ReadTheIniFile(s, store, 1280));
        QCOMPARE(s.ShortHandArray[2], QString(64, u'x'));
        QCOMPARE(s.ISDirectory, QStringLiteral("/data/is/"));
        QCOMPARE(s.HourlyRate, qint64(2000000));
    }

    void unwritableStoreAtExit() {
        test::TempFolder base;
        base.WriteBytes(QStringLiteral("Orvanel"), "not a folder");
        SettingsStore store = BillingSettingsStore(base.Folder());
        test::ErrorRecorder errors;
        QVERIFY(!WriteTheIniFile(BuiltInBillingSettings(1280), store, errors));
        QCOMPARE(errors.codes, QList<int>{15010});
    }
};

KIV5_CORE_TEST_MAIN(TestBillingSettings)
#include "tst_BillingSettings.moc"
