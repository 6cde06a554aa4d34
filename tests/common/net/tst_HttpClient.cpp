#include "common/net/HttpClient.h"
#include "tests/support/Support.h"
#include "tests/support/TestHttpServer.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QTcpServer>
#include <QTest>

using namespace kiv5;
using namespace kiv5::net;
using namespace kiv5::test;

namespace {

constexpr std::chrono::milliseconds kShortTimeout{300};

QByteArray Pattern(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i) {
        bytes[i] = char(i * 7 + i / 251);
    }
    return bytes;
}

// An address where nothing listens: a port just given back.
QString ClosedBase() {
    QTcpServer probe;
    probe.listen(QHostAddress(QHostAddress::LocalHost));
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}

QStringList FolderEntries(const TempFolder& folder) {
    return QDir(folder.Folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

class TestHttpClient : public QObject {
    Q_OBJECT

private slots:
    void fetchStartReadsAtMostTheBytesAsked_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("short") << QByteArray("5.22\r\n") << QByteArray("5.22\r\n");
        QTest::newRow("exactly 23") << QByteArray(23, 'x') << QByteArray(23, 'x');
        QTest::newRow("longer is cut") << (QByteArray("6.00") + QByteArray(5000, ' '))
                                       << (QByteArray("6.00") + QByteArray(19, ' '));
        QTest::newRow("empty") << QByteArray() << QByteArray();
    }
    void fetchStartReadsAtMostTheBytesAsked() {
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, expected);
        TestHttpServer server;
        server.Serve("/v.txt", body);
        HttpClient client;
        const FetchResult result = client.FetchStart(QUrl(server.Base() + "/v.txt"), 23);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(result.status, 200);
        QCOMPARE(result.body, expected);
        QCOMPARE(server.requests.size(), 1);
        QCOMPARE(server.requests[0].method, QByteArray("GET"));
        QCOMPARE(server.requests[0].path, QByteArray("/v.txt"));
        QCOMPARE(server.requests[0].userAgent, QByteArray("KIV5"));
    }

    void fetchStartFailures_data() {
        QTest::addColumn<QString>("base");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("error");
        QTest::newRow("not found")
            << QString() << 404 << QString("The server answered 404 Not Found.");
        QTest::newRow("stalled") << QString("stall") << 0
                                 << QString("The server did not answer within 0.3 seconds.");
        QTest::newRow("nobody listening") << ClosedBase() << 0 << QString();
    }
    void fetchStartFailures() {
        QFETCH(QString, base);
        QFETCH(int, status);
        QFETCH(QString, error);
        TestHttpServer server;
        TestHttpResponse stall;
        stall.stall = true;
        server.Serve("/stall", stall);
        HttpClient client;
        client.SetTimeout(kShortTimeout);
        const QString url = base.startsWith("http") ? base + "/v.txt"
                            : base == "stall"       ? server.Base() + "/stall"
                                                    : server.Base() + "/missing";
        const FetchResult result = client.FetchStart(QUrl(url), 23);
        QVERIFY(!result.ok);
        QCOMPARE(result.status, status);
        QCOMPARE(result.Answered(), status != 0);
        QVERIFY(result.body.isEmpty());
        if (!error.isEmpty()) {
            QCOMPARE(result.error, error);
        } else {
            QVERIFY(!result.error.isEmpty());
        }
    }

    // A server sending a byte at a time cannot hold a fetch longer than the
    // timeout, though each byte comes in time.
    void fetchStartGivesUpOnATricklingServer() {
        TestHttpServer server;
        TestHttpResponse trickle;
        trickle.body = "5.22                   ";
        trickle.trickleMs = 60;
        server.Serve("/v.txt", trickle);
        HttpClient client;
        client.SetTimeout(kShortTimeout);
        const FetchResult result = client.FetchStart(QUrl(server.Base() + "/v.txt"), 23);
        QVERIFY(!result.ok);
        QCOMPARE(result.status, 200);
        QCOMPARE(result.error, QString("The server did not answer within 0.3 seconds."));
    }

    // A download waits the timeout for each piece, not for the whole.
    void downloadGoesOnWhilePiecesComeInTime() {
        TestHttpServer server;
        TestHttpResponse trickle;
        // 1.5 seconds in all, a piece every 50 ms.
        trickle.body = "012345678901234567890123456789";
        trickle.trickleMs = 50;
        server.Serve("/setup.exe", trickle);
        TempFolder folder;
        HttpClient client;
        client.SetTimeout(std::chrono::milliseconds(500));
        const HttpOutcome out =
            client.Download(QUrl(server.Base() + "/setup.exe"), folder.Path("setup.exe"));
        QVERIFY2(out.ok, qPrintable(out.error));
        QCOMPARE(folder.ReadBytes("setup.exe"), trickle.body);
    }

    void downloadWritesTheWholeBodyAndReportsProgress_data() {
        QTest::addColumn<bool>("announce");
        QTest::newRow("length announced") << true;
        QTest::newRow("no length") << false;
    }
    void downloadWritesTheWholeBodyAndReportsProgress() {
        QFETCH(bool, announce);
        const QByteArray body = Pattern(300000);
        TestHttpServer server;
        TestHttpResponse response;
        response.body = body;
        response.announced = announce ? -2 : -1;
        server.Serve("/setup.exe", response);
        TempFolder folder;
        folder.WriteBytes("setup.exe", "an earlier download");
        QList<QPair<qint64, qint64>> steps;
        HttpClient client;
        const HttpOutcome out =
            client.Download(QUrl(server.Base() + "/setup.exe"), folder.Path("setup.exe"),
                            [&steps](qint64 received, qint64 total) {
                                steps.append({received, total});
                            });
        QVERIFY2(out.ok, qPrintable(out.error));
        QCOMPARE(out.received, qint64(body.size()));
        QCOMPARE(folder.ReadBytes("setup.exe"), body);
        QCOMPARE(FolderEntries(folder), QStringList{"setup.exe"});
        QVERIFY(!steps.isEmpty());
        QCOMPARE(steps.last().first, qint64(body.size()));
        for (const auto& step : steps) {
            QCOMPARE(step.second, announce ? qint64(body.size()) : qint64(-1));
        }
    }

    // A failed download leaves the earlier file as it was and no partial file.
    void downloadFailureLeavesTheTargetAsItWas_data() {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("error");
        QTest::newRow("not found")
            << QByteArray("/missing") << 404 << QString("The server answered 404 Not Found.");
        QTest::newRow("server error") << QByteArray("/error") << 500
                                      << QString("The server answered 500 Internal Server Error.");
        QTest::newRow("stalled") << QByteArray("/stall") << 0
                                 << QString("The server did not answer within 0.3 seconds.");
        QTest::newRow("stalled after the head")
            << QByteArray("/slow") << 200
            << QString("The server did not answer within 0.3 seconds.");
        QTest::newRow("nobody listening") << QByteArray() << 0 << QString();
    }
    void downloadFailureLeavesTheTargetAsItWas() {
        QFETCH(QByteArray, path);
        QFETCH(int, status);
        QFETCH(QString, error);
        TestHttpServer server;
        TestHttpResponse failing;
        failing.status = 500;
        failing.body = "broken";
        server.Serve("/error", failing);
        TestHttpResponse stall;
        stall.stall = true;
        server.Serve("/stall", stall);
        // The head and a first piece, then silence: the connection stays open.
        TestHttpResponse slow;
        slow.body = Pattern(5000);
        slow.announced = 10000;
        slow.hold = true;
        server.Serve("/slow", slow);
        TempFolder folder;
        folder.WriteBytes("setup.exe", "an earlier download");
        HttpClient client;
        client.SetTimeout(kShortTimeout);
        const QString url = path.isEmpty() ? ClosedBase() + "/setup.exe"
                                           : server.Base() + QString::fromLatin1(path);
        const HttpOutcome out = client.Download(QUrl(url), folder.Path("setup.exe"));
        QVERIFY(!out.ok);
        QCOMPARE(out.status, status);
        if (!error.isEmpty()) {
            QCOMPARE(out.error, error);
        } else {
            QVERIFY(!out.error.isEmpty());
        }
        QCOMPARE(folder.ReadBytes("setup.exe"), QByteArray("an earlier download"));
        QCOMPARE(FolderEntries(folder), QStringList{"setup.exe"});
    }

    void downloadShorterThanAnnouncedFails() {
        TestHttpServer server;
        TestHttpResponse cut;
        cut.body = Pattern(4000);
        cut.sendOnly = 1500;
        server.Serve("/setup.exe", cut);
        TempFolder folder;
        HttpClient client;
        client.SetTimeout(kShortTimeout);
        const HttpOutcome out =
            client.Download(QUrl(server.Base() + "/setup.exe"), folder.Path("setup.exe"));
        QVERIFY(!out.ok);
        QCOMPARE(out.status, 200);
        QCOMPARE(out.announced, qint64(4000));
        QVERIFY(!out.error.isEmpty());
        QVERIFY(FolderEntries(folder).isEmpty());
    }

    void downloadIntoAFolderInTheTargetsPlaceFails() {
        TestHttpServer server;
        server.Serve("/setup.exe", Pattern(1000));
        TempFolder folder;
        QVERIFY(QDir(folder.Folder()).mkdir("setup.exe"));
        HttpClient client;
        const HttpOutcome out =
            client.Download(QUrl(server.Base() + "/setup.exe"), folder.Path("setup.exe"));
        QVERIFY(!out.ok);
        QVERIFY(out.error.contains(folder.Path("setup.exe")));
        QVERIFY(QFileInfo(folder.Path("setup.exe")).isDir());
        QCOMPARE(FolderEntries(folder), QStringList{"setup.exe"});
    }

    void downloadIntoAMissingFolderFailsWithoutAsking() {
        TestHttpServer server;
        server.Serve("/setup.exe", Pattern(1000));
        TempFolder folder;
        HttpClient client;
        const QString target = folder.Path("gone/setup.exe");
        const HttpOutcome out = client.Download(QUrl(server.Base() + "/setup.exe"), target);
        QVERIFY(!out.ok);
        QVERIFY(out.error.startsWith(target + " cannot be created"));
        QVERIFY(server.requests.isEmpty());
        QVERIFY(FolderEntries(folder).isEmpty());
    }
};

KIV5_CORE_TEST_MAIN(TestHttpClient)
#include "tst_HttpClient.moc"
