#include "books/core/BooksSettings.h"
#include "common/core/Folders.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <QDir>

using namespace kiv5;

namespace {

const QString kFile = QStringLiteral("Orvanel/Sumora5/Params.conf");

void MakeEmptyStore(const test::TempFolder& base) {
    QDir(base.Folder()).mkpath(QStringLiteral("Orvanel/Sumora5"));
    base.WriteBytes(kFile, {});
}

} // namespace

class TestBooksSettings : public QObject {
    Q_OBJECT

private slots:
    void missingStoreIsSilent() {
        test::TempFolder base;
        SettingsStore store = BooksSettingsStore(base.Folder());
        test::ErrorRecorder errors;
        BooksSettings s = BuiltInBooksSettings(1280);
        QVERIFY(!ReadTheIniFile(s, store, 1280));
        QVERIFY(errors.codes.isEmpty());
        QCOMPARE(s.AutoFileName, QString());
        QCOMPARE(s.PL5FileName, QString());
        QCOMPARE(s.WordProcessor, QStringLiteral("WINWORD.EXE"));
        QCOMPARE(s.FilesDirectory, UsualFolder(QStringLiteral("Sumora5")));
        QCOMPARE(s.TableFontSize, 8);
        QCOMPARE(s.IColumnWidth[0], 20);
        QCOMPARE(s.IColumnWidth[9], 126);
        QCOMPARE(s.EColumnWidth[1], 126);
        QCOMPARE(s.EColumnWidth[10], -1);
        QCOMPARE(s.IColumnWidth[13], -1);
        QVERIFY(s.AutomaticBackupFlag);
        QVERIFY(!base.Exists(kFile));
    }

    void firstStartWithEmptyStore() {
        test::TempFolder base;
        MakeEmptyStore(base);
        SettingsStore store = BooksSettingsStore(base.Folder());
        BooksSettings s = BuiltInBooksSettings(1300);
        QVERIFY(ReadTheIniFile(s, store, 1300));

        SettingsStore saved = BooksSettingsStore(base.Folder());
        QVERIFY(saved.Load());
        QStringList expected = {"AutoFileName",  "PL5FileName",    "PL5Directory",
                                "WordProcessor", "FilesDirectory", "AutomaticBackupFlag",
                                "BackupCounter"};
        for (const char* prefix : {"IColumnWidth", "EColumnWidth"}) {
            for (int i = 0; i < BOOKSCOLUMNS; ++i) {
                expected << QString::fromLatin1(prefix) + QString::number(i);
            }
        }
        expected << QStringList{"TableFontName",   "TableFontSize", "TableFontBold",
                                "TableFontItalic", "CheckOffsetX",  "CheckOffsetY",
                                "HistoryCount"};
        for (int i = 0; i < MAXHISTORY; ++i) {
            expected << QStringLiteral("History%1").arg(i);
        }
        QCOMPARE(saved.Names(), expected);
        QCOMPARE(s.AutoFileName, QStringLiteral("kiv5.su5"));
        QCOMPARE(s.PL5FileName, QStringLiteral("kiv5.pl5"));
        QCOMPARE(s.PL5Directory, UsualFolder(QStringLiteral("Pellary5")));
        QCOMPARE(s.IColumnWidth[0], 20);
        QCOMPARE(s.IColumnWidth[1], 98); // (1300 - 20) div 13
        QCOMPARE(s.EColumnWidth[13], 98);
        QCOMPARE(saved.ReadInteger(QStringLiteral("EColumnWidth13")), 98);
        QCOMPARE(s.TableFontSize, 10);
    }

    void clientSubNoIsWrittenNotRead() {
        test::TempFolder base;
        SettingsStore store = BooksSettingsStore(base.Folder());
        store.WriteInteger(QStringLiteral("ClientSubNo"), 12);
        store.Save();
        BooksSettings s = BuiltInBooksSettings(1280);
        QVERIFY(ReadTheIniFile(s, store, 1280));
        QCOMPARE(store.ReadInteger(QStringLiteral("ClientSubNo")), 12);
        test::ErrorRecorder errors;
        QVERIFY(WriteTheIniFile(s, store, errors));
        QVERIFY(errors.codes.isEmpty());
        SettingsStore back = BooksSettingsStore(base.Folder());
        QVERIFY(back.Load());
        QCOMPARE(back.ReadInteger(QStringLiteral("ClientSubNo")), 0);
    }

    void writeAtExit() {
        test::TempFolder base;
        SettingsStore store = BooksSettingsStore(base.Folder());
        BooksSettings s = BuiltInBooksSettings(1280);
        s.PL5FileName = QStringLiteral("/data/clients/office.pl5");
        s.PL5Directory = QStringLiteral("/data/clients");
        s.TableFontItalic = true;
        s.History.Add(QStringLiteral("/data/books/2024.su5"));
        test::ErrorRecorder errors;
        QVERIFY(WriteTheIniFile(s, store, errors));
        QVERIFY(errors.codes.isEmpty());

        BooksSettings again = BuiltInBooksSettings(1280);
        QVERIFY(ReadTheIniFile(again, store, 1280));
        QCOMPARE(again.PL5FileName, QStringLiteral("office.pl5"));
        QCOMPARE(again.PL5Directory, QStringLiteral("/data/clients/"));
        QVERIFY(again.TableFontItalic);
        QCOMPARE(again.IColumnWidth, s.IColumnWidth);
        QCOMPARE(again.History.Entries(), s.History.Entries());
        QCOMPARE(again.AutoFileName, QString()); // written empty: no autoload
    }

    void unwritableStoreAtExit() {
        test::TempFolder base;
        base.WriteBytes(QStringLiteral("Orvanel"), "not a folder");
        SettingsStore store = BooksSettingsStore(base.Folder());
        test::ErrorRecorder errors;
        QVERIFY(!WriteTheIniFile(BuiltInBooksSettings(1280), store, errors));
        QCOMPARE(errors.codes, QList<int>{15010});
    }
};

KIV5_CORE_TEST_MAIN(TestBooksSettings)
#include "tst_BooksSettings.moc"
