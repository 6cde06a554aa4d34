// Which data folder a program works in when the stored one is missing, and
// which folders it may create.

#include "common/core/Folders.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace kiv5;

class TestFolders : public QObject {
    Q_OBJECT

private slots:
    void usableDataFolder_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("usedUsual");
        QTest::newRow("stored folder exists") << "exists/" << false;
        QTest::newRow("stored folder missing") << "share/gone/" << true;
        QTest::newRow("stored folder is a file") << "file/" << true;
        QTest::newRow("nothing stored") << "" << true;
        QTest::newRow("the usual folder, not made yet") << "usual/" << false;
    }
    void usableDataFolder() {
        QFETCH(QString, stored);
        QFETCH(bool, usedUsual);
        test::TempFolder root;
        QVERIFY(QDir(root.Folder()).mkdir("exists"));
        root.WriteBytes("file", "not a folder");
        const QString usual = root.Path("usual/");
        const QString storedPath = stored.isEmpty() ? QString() : root.Path(stored);
        const DataFolder chosen = UsableDataFolder(storedPath, usual);
        QCOMPARE(chosen.usedUsual, usedUsual);
        QCOMPARE(chosen.folder, usedUsual ? usual : storedPath);
        QVERIFY(QFileInfo(chosen.folder).isDir());
        if (usedUsual && stored == "share/gone/") {
            QVERIFY(!QFileInfo::exists(root.Path("share")));
        }
    }

    void onlyTheUsualFolderIsCreated() {
        test::TempFolder root;
        const QString usual = root.Path("usual/");
        QVERIFY(!EnsureDataFolder(root.Path("mount/share/"), usual));
        QVERIFY(!QFileInfo::exists(root.Path("mount")));
        QVERIFY(EnsureDataFolder(usual, usual));
        QVERIFY(QFileInfo(usual).isDir());
        QVERIFY(EnsureDataFolder(root.Folder(), usual));
        QVERIFY(MissingDataFolderText(root.Path("mount/"), usual).contains(usual));
    }
};

KIV5_CORE_TEST_MAIN(TestFolders)
#include "tst_Folders.moc"
