// The check alignment kept in the bookkeeping settings: hundredths of an
// inch, 0 when missing, read and written with the other keys.

#include "books/core/BooksSettings.h"
#include "books/core/CheckPage.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

using namespace kiv5;

class TestCheckOffsetSettings : public QObject {
    Q_OBJECT

private slots:
    void missingKeysAreWrittenAsZero() {
        test::TempFolder base;
        SettingsStore store = BooksSettingsStore(base.Folder());
        store.WriteText(QStringLiteral("AutoFileName"), QString());
        store.Save();
        BooksSettings s = BuiltInBooksSettings(1280);
        s.CheckOffsetX = 7;
        QVERIFY(ReadTheIniFile(s, store, 1280));
        QCOMPARE(s.CheckOffsetX, 0);
        QCOMPARE(s.CheckOffsetY, 0);
        SettingsStore saved = BooksSettingsStore(base.Folder());
        QVERIFY(saved.Load());
        QCOMPARE(saved.ReadInteger(QStringLiteral("CheckOffsetX")), 0);
        QCOMPARE(saved.ReadInteger(QStringLiteral("CheckOffsetY")), 0);
    }

    void writtenAndReadBack() {
        test::TempFolder base;
        SettingsStore store = BooksSettingsStore(base.Folder());
        BooksSettings s = BuiltInBooksSettings(1280);
        s.CheckOffsetX = -12;
        s.CheckOffsetY = 25;
        test::ErrorRecorder errors;
        QVERIFY(WriteTheIniFile(s, store, errors));
        BooksSettings again = BuiltInBooksSettings(1280);
        QVERIFY(ReadTheIniFile(again, store, 1280));
        QCOMPARE(again.CheckOffsetX, -12);
        QCOMPARE(again.CheckOffsetY, 25);
        const books::CheckOffset offset =
            books::CheckOffsetFromHundredths(again.CheckOffsetX, again.CheckOffsetY);
        QCOMPARE(offset.x, -0.12);
        QCOMPARE(offset.y, 0.25);
    }

    void namesWithoutRegardToCase() {
        test::TempFolder base;
        SettingsStore store = BooksSettingsStore(base.Folder());
        store.WriteInteger(QStringLiteral("checkoffsetx"), 40);
        store.Save();
        BooksSettings s = BuiltInBooksSettings(1280);
        QVERIFY(ReadTheIniFile(s, store, 1280));
        QCOMPARE(s.CheckOffsetX, 40);
    }
};

KIV5_CORE_TEST_MAIN(TestCheckOffsetSettings)
#include "tst_CheckOffsetSettings.moc"
