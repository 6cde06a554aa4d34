#include "clientdb/core/UpgradeVersion.h"
#include "tests/support/TestMain.h"

#include <QTest>

using namespace kiv5;

class TestUpgradeVersion : public QObject {
    Q_OBJECT

private slots:
    void releaseNumberReadsTheStartOfTheFile_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("number");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << QByteArray("5.22") << true << 5.22;
        QTest::newRow("line end") << QByteArray("5.22\r\n") << true << 5.22;
        QTest::newRow("padded to 23") << QByteArray("6                      ") << true << 6.0;
        QTest::newRow("blanks before") << QByteArray("   5.3") << true << 5.3;
        QTest::newRow("zero byte ends the text") << QByteArray("5.25\0garbage", 12) << true << 5.25;
        QTest::newRow("text after the 22nd character is not read")
            << (QByteArray(18, ' ') + "5.22" + "9 and more") << true << 5.22;
        QTest::newRow("23rd byte is cut from the text")
            << (QByteArray(21, ' ') + "57") << true << 5.0;
        QTest::newRow("comma") << QByteArray("5,22") << false << 0.0;
        QTest::newRow("words after the number") << QByteArray("5.22 released") << false << 0.0;
        QTest::newRow("html page") << QByteArray("<html><body>Not Found") << false << 0.0;
        QTest::newRow("empty") << QByteArray() << false << 0.0;
        QTest::newRow("infinite") << QByteArray("1e999") << false << 0.0;
        QTest::newRow("8-bit text") << QByteArray("5.22\xa0") << false << 0.0;
    }
    void releaseNumberReadsTheStartOfTheFile() {
        QFETCH(QByteArray, file);
        QFETCH(bool, number);
        QFETCH(double, value);
        const std::optional<double> release = ReleaseNumber(file);
        QCOMPARE(release.has_value(), number);
        if (number) {
            QCOMPARE(*release, value);
        }
    }

    void newerWhenTheHundredthsAreGreater_data() {
        QTest::addColumn<double>("release");
        QTest::addColumn<bool>("newer");
        QTest::newRow("5.22") << 5.22 << true;
        QTest::newRow("6") << 6.0 << true;
        QTest::newRow("5.21") << 5.21 << false;
        QTest::newRow("5.215") << 5.215 << false;
        QTest::newRow("5.2199") << 5.2199 << false;
        QTest::newRow("5.2") << 5.2 << false;
        QTest::newRow("negative") << -6.0 << false;
        QTest::newRow("huge") << 1e300 << true;
    }
    void newerWhenTheHundredthsAreGreater() {
        QFETCH(double, release);
        QFETCH(bool, newer);
        QCOMPARE(IsNewerRelease(release, 5.21), newer);
    }

    // The number and the comparison as the upgrade check uses them.
    void versionFilesAgainstTheRunningRelease_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("newer");
        QTest::newRow("5.22") << QByteArray("5.22                   ") << true;
        QTest::newRow("6") << QByteArray("6") << true;
        QTest::newRow("5.21") << QByteArray("5.21\r\n") << false;
        QTest::newRow("5.215") << QByteArray("5.215") << false;
    }
    void versionFilesAgainstTheRunningRelease() {
        QFETCH(QByteArray, file);
        QFETCH(bool, newer);
        const std::optional<double> release = ReleaseNumber(file);
        QVERIFY(release.has_value());
        QCOMPARE(IsNewerRelease(*release, 5.21), newer);
    }
};

KIV5_CORE_TEST_MAIN(TestUpgradeVersion)
#include "tst_UpgradeVersion.moc"
