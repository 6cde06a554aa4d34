#include "clientdb/core/ClientSettings.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <QDir>

using namespace kiv5;

namespace {

const QString kFile = QStringLiteral("Orvanel/Pellary5/Params.conf");

void MakeEmptyStore(const test::TempFolder& base) {
    QDir(base.Folder()).mkpath(QStringLiteral("Orvanel/Pellary5"));
    base.WriteBytes(kFile, {});
}

QStringList ExpectedReadOrder() {
    QStringList names = {"AutoFileName",        "WordProcessor",   "FilesDirectory",
                         "AutomaticBackupFlag", "DisplayListView", "ClientSubNo",
                         "BackupCounter"};
    for (int i = 0; i <= 20; ++i) {
        names << QStringLiteral("ColumnWidth%1").arg(i);
    }
    names << QStringList{"ShowClientNo", "ShowLastName", "ShowFirstName", "ShowCompany",
                         "ShowAddress1", "ShowAddress2", "ShowCity",      "ShowState",
                         "ShowZipCode",  "ShowPhone",    "ShowCell",      "ShowFax",
                         "ShowEmail",    "ShowNote1",    "ShowNote2",     "ShowMemo"};
    names << QStringList{"TableFontName", "TableFontSize", "TableFontBold", "TableFontItalic",
                         "ListFontName",  "ListFontSize",  "ReturnName",    "ReturnAdrs1",
                         "ReturnAdrs2",   "ReturnAdrs3",   "HistoryCount"};
    for (int i = 0; i < MAXHISTORY; ++i) {
        names << QStringLiteral("History%1").arg(i);
    }
    names << QStringLiteral("UpgradeHost");
    return names;
}

} // namespace

class TestClientSettings : public QObject {
    Q_OBJECT

private slots:
    void firstStartWithEmptyStore() {
        test::TempFolder base;
        MakeEmptyStore(base);
        test::ErrorRecorder errors;
        SettingsStore store = ClientSettingsStore(base.Folder());
        ClientSettings s = BuiltInClientSettings(1280);
        QVERIFY(ReadTheIniFile(s, store, 1280, errors));
        QVERIFY(errors.codes.isEmpty());

        SettingsStore saved = ClientSettingsStore(base.Folder());
        QVERIFY(saved.Load());
        QCOMPARE(saved.Names(), ExpectedReadOrder());
        for (int column = 2; column <= 17; ++column) {
            QCOMPARE(saved.ReadInteger(QStringLiteral("ColumnWidth%1").arg(column)), 77);
            QCOMPARE(s.ColumnWidth[column], 77);
        }
        QCOMPARE(saved.ReadInteger(QStringLiteral("ColumnWidth0")), 20);
        QCOMPARE(saved.ReadInteger(QStringLiteral("ColumnWidth20")), -1);
        QCOMPARE(saved.ReadText(QStringLiteral("AutoFileName")), QStringLiteral("kiv5.pl5"));
        QCOMPARE(saved.ReadText(QStringLiteral("WordProcessor")), QStringLiteral("winword.exe"));
        QCOMPARE(saved.ReadText(QStringLiteral("ReturnName")), QString());
        QCOMPARE(saved.ReadInteger(QStringLiteral("HistoryCount")), 0);
        QCOMPARE(s.AutoFileName, QStringLiteral("kiv5.pl5"));
        QCOMPARE(s.TableFontSize, 10);
        QCOMPARE(s.ColumnWidth[0], 20);
        QCOMPARE(s.ColumnWidth[21], -1); // not kept in the store
        QVERIFY(s.History.IsEmpty());
    }

    void missingStoreKeepsBuiltIns() {
        test::TempFolder base;
        test::ErrorRecorder errors;
        SettingsStore store = ClientSettingsStore(base.Folder());
        ClientSettings s = BuiltInClientSettings(1280);
        s.History.Add(QStringLiteral("/data/kept.pl5"));
        QVERIFY(!ReadTheIniFile(s, store, 1280, errors));
        QCOMPARE(errors.codes, QList<int>{30010});
        QCOMPARE(s.AutoFileName, QString());
        QCOMPARE(s.ColumnWidth[2], 78);
        QCOMPARE(s.History.Count(), 1);
        QVERIFY(!base.Exists(kFile));
    }

    void storedValuesAreRead() {
        test::TempFolder base;
        SettingsStore store = ClientSettingsStore(base.Folder());
        store.WriteText(QStringLiteral("autofilename"), QStringLiteral("/data/office.pl5"));
        store.WriteText(QStringLiteral("FilesDirectory"), QStringLiteral("/data/clients"));
        store.WriteFlag(QStringLiteral("SHOWEMAIL"), false);
        store.WriteInteger(QStringLiteral("ShowMemo"), 0);
        store.WriteText(QStringLiteral("TableFontSize"), QStringLiteral("twelve"));
        store.WriteInteger(QStringLiteral("ListFontBold"), 1);
        store.WriteText(QStringLiteral("ReturnAdrs2"), QStringLiteral("Suite 5  "));
        store.WriteInteger(QStringLiteral("HistoryCount"), 1);
        store.WriteText(QStringLiteral("History0"), QStringLiteral("/data/office.pl5"));
        store.Save();

        test::ErrorRecorder errors;
        ClientSettings s = BuiltInClientSettings(1280);
        QVERIFY(ReadTheIniFile(s, store, 1280, errors));
        QCOMPARE(s.AutoFileName, QStringLiteral("/data/office.pl5"));
        QCOMPARE(s.FilesDirectory, QStringLiteral("/data/clients/"));
        QVERIFY(!s.ShowColumn[14]);
        QVERIFY(!s.ShowColumn[17]);
        QVERIFY(s.ShowColumn[13]);
        QCOMPARE(s.TableFontSize, 10); // wrong kind: the default, written
        QCOMPARE(store.ReadInteger(QStringLiteral("TableFontSize")), 10);
        QVERIFY(!s.ListFontBold); // written at exit only
        QCOMPARE(s.ReturnAdrs2, QStringLiteral("Suite 5  "));
        QCOMPARE(s.History.Entries(), QStringList{QStringLiteral("/data/office.pl5")});
        QVERIFY(errors.codes.isEmpty());
    }

    void writeAtExit() {
        test::TempFolder base;
        SettingsStore store = ClientSettingsStore(base.Folder());
        ClientSettings s = BuiltInClientSettings(1024);
        s.ShowColumn[14] = false;
        s.ListFontBold = true;
        s.ClientSubNo = 41;
        s.History.Add(QStringLiteral("/data/a.pl5"));
        s.History.Add(QStringLiteral("/data/b.pl5"));
        test::ErrorRecorder errors;
        QVERIFY(WriteTheIniFile(s, store, errors));
        QVERIFY(errors.codes.isEmpty());

        SettingsStore back = ClientSettingsStore(base.Folder());
        QVERIFY(back.Load());
        QVERIFY(back.Names().contains(QStringLiteral("ShowEMail")));
        QVERIFY(!back.Names().contains(QStringLiteral("ShowEmail")));
        QCOMPARE(back.ReadFlag(QStringLiteral("ListFontBold")), true);
        QCOMPARE(back.ReadFlag(QStringLiteral("ListFontItalic")), false);
        QCOMPARE(back.ReadInteger(QStringLiteral("ColumnWidth2")), 62);
        QVERIFY(!back.Contains(QStringLiteral("ColumnWidth21")));
        QCOMPARE(back.ReadText(QStringLiteral("History0")), QStringLiteral("/data/b.pl5"));
        QCOMPARE(back.ReadText(QStringLiteral("History8")), QString());

        ClientSettings again = BuiltInClientSettings(1024);
        QVERIFY(ReadTheIniFile(again, back, 1024, errors));
        QVERIFY(!again.ShowColumn[14]);
        QCOMPARE(again.ClientSubNo, 41);
        QCOMPARE(again.History.Entries(), s.History.Entries());
        QVERIFY(!again.ListFontBold);
    }

    void writeKeepsOtherValues() {
        test::TempFolder base;
        SettingsStore store = ClientSettingsStore(base.Folder());
        store.WriteText(QStringLiteral("OtherValue"), QStringLiteral("http://example.org"));
        store.WriteInteger(QStringLiteral("HistoryCount"), 5);
        store.Save();
        test::ErrorRecorder errors;
        QVERIFY(WriteTheIniFile(BuiltInClientSettings(1280), store, errors));
        QVERIFY(errors.codes.isEmpty());
        SettingsStore back = ClientSettingsStore(base.Folder());
        QVERIFY(back.Load());
        QCOMPARE(back.ReadText(QStringLiteral("OtherValue")), QStringLiteral("http://example.org"));
        QCOMPARE(back.ReadInteger(QStringLiteral("HistoryCount")), 0);
    }

    void upgradeHostIsReadAndWrittenBack() {
        test::TempFolder base;
        MakeEmptyStore(base);
        test::ErrorRecorder errors;
        SettingsStore store = ClientSettingsStore(base.Folder());
        ClientSettings s = BuiltInClientSettings(1280);
        QVERIFY(ReadTheIniFile(s, store, 1280, errors));
        QCOMPARE(s.UpgradeHost, QString());
        QVERIFY(store.Contains(QStringLiteral("UpgradeHost")));

        store.WriteText(QStringLiteral("upgradehost"),
                        QStringLiteral("https://updates.example.org"));
        store.Save();
        SettingsStore again = ClientSettingsStore(base.Folder());
        ClientSettings read = BuiltInClientSettings(1280);
        QVERIFY(ReadTheIniFile(read, again, 1280, errors));
        QCOMPARE(read.UpgradeHost, QStringLiteral("https://updates.example.org"));
        QVERIFY(WriteTheIniFile(read, again, errors));
        SettingsStore back = ClientSettingsStore(base.Folder());
        QVERIFY(back.Load());
        QCOMPARE(back.ReadText(QStringLiteral("UpgradeHost")),
                 QStringLiteral("https://updates.example.org"));
        QVERIFY(errors.codes.isEmpty());
    }

    void unwritableStoreAtExit() {
        test::TempFolder base;
        base.WriteBytes(QStringLiteral("Orvanel"), "not a folder");
        SettingsStore store = ClientSettingsStore(base.Folder());
        test::ErrorRecorder errors;
        QVERIFY(!WriteTheIniFile(BuiltInClientSettings(1280), store, errors));
        QCOMPARE(errors.codes, QList<int>{15010});
        QCOMPARE(base.ReadBytes(QStringLiteral("Orvanel")), QByteArray("not a folder"));
    }
};

KIV5_CORE_TEST_MAIN(TestClientSettings)
#include "tst_ClientSettings.moc"
