#include "clientdb/core/ClientSettings.h"
#include "clientdb/ui/ClientMainWindow.h"
#include "clientdb/ui/UpgradeController.h"
#include "clientdb/ui/UpgradeDialog.h"
#include "common/core/ProgressTracker.h"
#include "common/ui/Launcher.h"
#include "tests/clientdb/ui/ClientWindowFixtures.h"
#include "tests/support/Support.h"
#include "tests/support/TestHttpServer.h"
#include "tests/uisupport/ScriptedPrompts.h"
#include "tests/uisupport/WidgetLookup.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTcpServer>
#include <QTest>

using namespace kiv5;
using namespace kiv5::ui;
using namespace kiv5::test;

namespace {

const QString kStatus = QStringLiteral("Upgrade Status Dialog");
const QString kAvailability = QStringLiteral("Upgrade Availability Dialog");
const QString kDialog = QStringLiteral(" Download Update Dialog");
const QString kUnable = QStringLiteral("Unable to connect and check upgrade status.");
const QString kQuestion = QStringLiteral(
    "A newer version of KIV5 is available for download. Click Yes to download and install the "
    "update. Click No to skip the update and start KIV5. IMPORTANT: You may encounter a minute "
    "or two delay during installation. Be patient and allow the InstallShield Wizard to "
    "progress normally. Installation is not finished until you see and click on the Wizard's "
    "Finish button. ");
const QString kNewerText = QStringLiteral(
    "A newer version of KIV5 is available for download. Click on the Download Upgrade button "
    "above to start the download process. ");
const QString kNotNewerText = QStringLiteral(
    "A newer version of KIV5 is NOT available for download. Click on the Close button below to "
    "exit this dialog box. ");
const QString kUnableToContact = QStringLiteral(
    "KIV5 was unable to contact the web site upgrade location because either (1) a free "
    "upgrade is no longer available or (2) there is a problem with the connection and you "
    "should try again later. ");
const QString kNoHostText = QStringLiteral(
    "No upgrade host is configured, so KIV5 cannot check for a newer version. The upgrade host "
    "is the setting UpgradeHost of Pellary5, for example https://updates.example.org. ");
const QString kFailedText = QStringLiteral(
    "An error occurred during the download, Click on the Close button below to exit this dialog "
    "box and try the download some other time. ");
const QString kStartUpFailed = QStringLiteral(
    "An error occurred during the download. KIV5 starts without the update; try the download "
    "some other time with Help, Download Upgrade.\n\n");

QString DownloadedText(const TempFolder& data) {
    return QStringLiteral("The download was successfully completed. (1) You must now exit KIV5, "
                          "(2) remove KIV5 in Control Panel, and (3) double-click on the "
                          "downloaded file to begin the installation. The path to the file "
                          "is %1.")
        .arg(QDir::toNativeSeparators(QDir::cleanPath(data.Folder())));
}

const QByteArray kVersionPath = "/_upgrades/setupkiv5.txt";
const QByteArray kInstallerPath = "/_upgrades/setupkiv5.exe";

QByteArray Installer(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i) {
        bytes[i] = char(i % 253);
    }
    return bytes;
}

QString ClosedBase() {
    QTcpServer probe;
    probe.listen(QHostAddress(QHostAddress::LocalHost));
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}

// How the upgrade host answers in a test.
enum class Host { Serving, NotConfigured, NobodyListening };

// A controller over a local upgrade host, a data folder and a launcher that
// records what it was asked to open.
struct Upgrade {
    explicit Upgrade(const std::optional<QSslConfiguration>& tls = std::nullopt)
        : server(tls), launcher([](const QString&, const QString&) {},
                                LaunchPlatform{[](const QString&) { return QString(); },
                                               [](const QString&, const QStringList&,
                                                  const QString&) { return LAUNCH_OK; },
                                               [this](const QUrl& url) {
                                                   opened.append(url);
                                                   return openResult;
                                               }}),
          controller(
              prompts, settings, launcher, progress,
              [this](int topic) { helpTopics.append(topic); }, &window) {
        settings.UpgradeHost = server.Base();
        settings.FilesDirectory = data.Folder();
        controller.SetTimeout(std::chrono::milliseconds(300));
        window.show();
    }

    void Use(Host host) {
        if (host == Host::NotConfigured) {
            settings.UpgradeHost.clear();
        } else if (host == Host::NobodyListening) {
            settings.UpgradeHost = ClosedBase();
        }
    }

    QStringList DataFiles() const {
        return QDir(data.Folder())
            .entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot);
    }

    TestHttpServer server;
    TempFolder data;
    ClientSettings settings;
    ScriptedPrompts prompts;
    ProgressTracker progress;
    QList<QUrl> opened;
    bool openResult = true;
    Launcher launcher;
    QWidget window;
    QList<int> helpTopics;
    UpgradeController controller;
};

TestHttpResponse Status(int status) {
    TestHttpResponse response;
    response.status = status;
    response.body = "<html>error</html>";
    return response;
}

TestHttpResponse Stalling() {
    TestHttpResponse response;
    response.stall = true;
    return response;
}

struct DialogState {
    QString result;
    bool check = false;
    bool download = false;
};

DialogState StateOf(QDialog& dialog) {
    return {FindNamed<QLabel>(dialog, "lblResults")->text(),
            !FindNamed<QPushButton>(dialog, "btnCheck")->isHidden(),
            !FindNamed<QPushButton>(dialog, "btnDownload")->isHidden()};
}

void Click(QDialog& dialog, const char* name) {
    QPushButton* button = FindNamed<QPushButton>(dialog, QString::fromLatin1(name));
    QVERIFY(button);
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class TestUpgradeController : public QObject {
    Q_OBJECT

private slots:
    // Without a "Yes" nothing is downloaded; only a host that cannot be
    // reached is reported.
    void startUpCheck_data() {
        QTest::addColumn<int>("host");
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<int>("requests");
        const int serving = int(Host::Serving);
        QTest::newRow("newer, No") << serving << QByteArray("5.22") << 200 << kQuestion << 1;
        QTest::newRow("newer 6, No") << serving << QByteArray("6\r\n") << 200 << kQuestion << 1;
        QTest::newRow("same") << serving << QByteArray("5.21                   ") << 200
                              << QString() << 1;
        QTest::newRow("5.215") << serving << QByteArray("5.215") << 200 << QString() << 1;
        QTest::newRow("unparsable") << serving << QByteArray("5,22") << 200 << QString() << 1;
        QTest::newRow("not found") << serving << QByteArray() << 404 << QString() << 1;
        QTest::newRow("stalled") << serving << QByteArray() << 0 << kUnable << 1;
        QTest::newRow("no host") << int(Host::NotConfigured) << QByteArray("5.22") << 200
                                 << QString() << 0;
        QTest::newRow("nobody listening")
            << int(Host::NobodyListening) << QByteArray() << 200 << kUnable << 0;
    }
    void startUpCheck() {
        QFETCH(int, host);
        QFETCH(QByteArray, version);
        QFETCH(int, status);
        QFETCH(QString, asked);
        QFETCH(int, requests);
        Upgrade u;
        if (status == 0) {
            u.server.Serve(kVersionPath, Stalling());
        } else if (status == 200) {
            u.server.Serve(kVersionPath, version);
        }
        u.server.Serve(kInstallerPath, Installer(1000));
        u.Use(Host(host));
        if (asked == kQuestion) {
            u.prompts.ExpectQuestion(kAvailability, kQuestion, QMessageBox::No);
        } else if (!asked.isEmpty()) {
            u.prompts.ExpectInformation(kStatus, asked);
        }
        u.controller.CheckAtStartUp();
        QVERIFY(u.prompts.VerifyAllAnswered());
        QCOMPARE(u.server.requests.size(), requests);
        for (const TestHttpRequest& request : u.server.requests) {
            QCOMPARE(request.path, kVersionPath);
            QCOMPARE(request.userAgent, QByteArray("KIV5"));
        }
        QVERIFY(u.DataFiles().isEmpty());
        QVERIFY(u.opened.isEmpty());
        QCoreApplication::processEvents();
        QVERIFY(u.window.isVisible());
    }

    // A file fetched over plain http:// is saved but never started.
    void startUpYesOverHttpSavesAndTellsWhere() {
        Upgrade u;
        u.server.Serve(kVersionPath, "5.22");
        const QByteArray installer = Installer(200000);
        u.server.Serve(kInstallerPath, installer);
        u.prompts.ExpectQuestion(kAvailability, kQuestion, QMessageBox::Yes)
            .ExpectInformation(kStatus, DownloadedText(u.data));
        u.controller.CheckAtStartUp();
        QVERIFY(u.prompts.VerifyAllAnswered());
        QCOMPARE(u.data.ReadBytes("setupkiv5.exe"), installer);
        QCOMPARE(u.DataFiles(), QStringList{"setupkiv5.exe"});
        QVERIFY(u.opened.isEmpty());
        QVERIFY(u.progress.Current() == nullptr);
        QCoreApplication::processEvents();
        QVERIFY(u.window.isVisible());
    }

    void startUpYesOverHttpsOpensTheInstaller_data() {
        QTest::addColumn<bool>("opens");
        QTest::newRow("opened: the window closes") << true;
        QTest::newRow("not opened: says where it is") << false;
    }
    void startUpYesOverHttpsOpensTheInstaller() {
        QFETCH(bool, opens);
        TempFolder keys;
        const std::optional<QSslConfiguration> tls = TestHttpServer::LocalTls(keys.Folder());
        if (!tls) {
            QSKIP("No TLS support or no openssl command to make a certificate");
        }
        Upgrade u(tls);
        QVERIFY(u.settings.UpgradeHost.startsWith("https://"));
        u.openResult = opens;
        u.server.Serve(kVersionPath, "5.22");
        const QByteArray installer = Installer(70000);
        u.server.Serve(kInstallerPath, installer);
        u.prompts.ExpectQuestion(kAvailability, kQuestion, QMessageBox::Yes);
        if (!opens) {
            u.prompts.ExpectInformation(kStatus, DownloadedText(u.data));
        }
        u.controller.CheckAtStartUp();
        QVERIFY(u.prompts.VerifyAllAnswered());
        QCOMPARE(u.data.ReadBytes("setupkiv5.exe"), installer);
        QCOMPARE(u.opened, QList<QUrl>{QUrl::fromLocalFile(u.data.Path("setupkiv5.exe"))});
        QCoreApplication::processEvents();
        QCOMPARE(u.window.isVisible(), !opens);
    }

    // A failed download keeps an earlier file, starts nothing and says why.
    void startUpYesWithAFailedDownload_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not found") << 404 << QString("The server answered 404 Not Found.");
        QTest::newRow("stalled") << 0 << QString("The server did not answer within 0.3 seconds.");
    }
    void startUpYesWithAFailedDownload() {
        QFETCH(int, status);
        QFETCH(QString, reason);
        Upgrade u;
        u.server.Serve(kVersionPath, "5.22");
        u.server.Serve(kInstallerPath, status == 0 ? Stalling() : Status(status));
        u.data.WriteBytes("setupkiv5.exe", "an earlier download");
        u.prompts.ExpectQuestion(kAvailability, kQuestion, QMessageBox::Yes)
            .ExpectInformation(kStatus, kStartUpFailed + reason);
        u.controller.CheckAtStartUp();
        QVERIFY(u.prompts.VerifyAllAnswered());
        QCOMPARE(u.data.ReadBytes("setupkiv5.exe"), QByteArray("an earlier download"));
        QCOMPARE(u.DataFiles(), QStringList{"setupkiv5.exe"});
        QVERIFY(u.opened.isEmpty());
        QVERIFY(u.progress.Current() == nullptr);
        QCoreApplication::processEvents();
        QVERIFY(u.window.isVisible());
    }

    void dialogStartsWithOnlyCheckAvailability() {
        Upgrade u;
        u.prompts.ExpectDialog(kDialog, [&u](QDialog& dialog) {
            QStringList labels = LabelTexts(dialog);
            QCOMPARE(labels.value(0),
                     QString("(1) Establish your Internet connection. (2) Then press the \"Check "
                             "Availability\" button below. Make sure to establish your Internet "
                             "connection BEFORE pressing the button."));
            QCOMPARE(labels.value(1), QString("Results:"));
            const DialogState state = StateOf(dialog);
            QCOMPARE(state.result, QString());
            QVERIFY(state.check);
            QVERIFY(!state.download);
            QCOMPARE(FindNamed<QPushButton>(dialog, "btnCheck")->text(),
                     QString("Check Availability"));
            QCOMPARE(FindNamed<QPushButton>(dialog, "btnDownload")->text(),
                     QString("Download Upgrade"));
            QVERIFY(FindButton(dialog, "Close"));
            Click(dialog, "btnHelp");
            QCOMPARE(u.helpTopics, QList<int>{110});
            Click(dialog, "btnClose");
            QVERIFY(!dialog.isVisible());
        });
        u.controller.DownloadCommand();
        QVERIFY(u.prompts.VerifyAllAnswered());
        QVERIFY(u.server.requests.isEmpty());
    }

    void checkAvailability_data() {
        QTest::addColumn<int>("host");
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("check");
        QTest::addColumn<bool>("download");
        const int serving = int(Host::Serving);
        QTest::newRow("newer") << serving << QByteArray("5.22") << 200 << kNewerText << false
                               << true;
        QTest::newRow("same") << serving << QByteArray("5.21") << 200 << kNotNewerText << false
                              << false;
        QTest::newRow("unparsable")
            << serving << QByteArray("5,22") << 200 << kUnableToContact << false << false;
        QTest::newRow("not found")
            << serving << QByteArray() << 404 << kUnableToContact << false << false;
        QTest::newRow("no host") << int(Host::NotConfigured) << QByteArray() << 200 << kNoHostText
                                 << false << false;
        // The box, and the dialog as it was.
        QTest::newRow("nobody listening")
            << int(Host::NobodyListening) << QByteArray() << 200 << QString() << true << false;
        QTest::newRow("stalled") << serving << QByteArray() << 0 << QString() << true << false;
    }
    void checkAvailability() {
        QFETCH(int, host);
        QFETCH(QByteArray, version);
        QFETCH(int, status);
        QFETCH(QString, result);
        QFETCH(bool, check);
        QFETCH(bool, download);
        Upgrade u;
        if (status == 0) {
            u.server.Serve(kVersionPath, Stalling());
        } else if (status == 200) {
            u.server.Serve(kVersionPath, version);
        }
        u.Use(Host(host));
        u.prompts.ExpectDialog(kDialog, [&](QDialog& dialog) {
            if (result.isEmpty()) {
                u.prompts.ExpectInformation(kStatus, kUnable);
            }
            Click(dialog, "btnCheck");
            const DialogState state = StateOf(dialog);
            QCOMPARE(state.result, result);
            QCOMPARE(state.check, check);
            QCOMPARE(state.download, download);
        });
        u.controller.DownloadCommand();
        QVERIFY(u.prompts.VerifyAllAnswered());
        QVERIFY(u.DataFiles().isEmpty());
    }

    void downloadInTheDialog_data() {
        QTest::addColumn<QString>("installer");
        QTest::addColumn<bool>("ok");
        QTest::newRow("known size") << QString("ok") << true;
        QTest::newRow("no length announced") << QString("unannounced") << true;
        QTest::newRow("not found") << QString("404") << false;
        QTest::newRow("stalled") << QString("stall") << false;
        QTest::newRow("shorter than announced") << QString("short") << false;
        QTest::newRow("folder in the file's place") << QString("folder") << false;
    }
    void downloadInTheDialog() {
        QFETCH(QString, installer);
        QFETCH(bool, ok);
        Upgrade u;
        u.server.Serve(kVersionPath, "6.00");
        const QByteArray body = Installer(150000);
        TestHttpResponse response;
        response.body = body;
        if (installer == "unannounced") {
            response.announced = -1;
        } else if (installer == "404") {
            response = Status(404);
        } else if (installer == "stall") {
            response = Stalling();
        } else if (installer == "short") {
            response.sendOnly = 9000;
        }
        u.server.Serve(kInstallerPath, response);
        const QByteArray earlier = "an earlier download";
        if (installer == "folder") {
            QVERIFY(QDir(u.data.Folder()).mkdir("setupkiv5.exe"));
        } else if (!ok) {
            u.data.WriteBytes("setupkiv5.exe", earlier);
        }
        u.prompts.ExpectDialog(kDialog, [&](QDialog& dialog) {
            Click(dialog, "btnCheck");
            Click(dialog, "btnDownload");
            const DialogState state = StateOf(dialog);
            QCOMPARE(state.result, ok ? DownloadedText(u.data) : kFailedText);
            QVERIFY(!state.check);
            QVERIFY(!state.download);
        });
        u.controller.DownloadCommand();
        QVERIFY(u.prompts.VerifyAllAnswered());
        QCOMPARE(u.DataFiles(), QStringList{"setupkiv5.exe"});
        if (installer == "folder") {
            QVERIFY(QFileInfo(u.data.Path("setupkiv5.exe")).isDir());
        } else {
            QCOMPARE(u.data.ReadBytes("setupkiv5.exe"), ok ? body : earlier);
        }
        QVERIFY(u.opened.isEmpty());
        QVERIFY(u.window.isVisible());
    }

    void receivedText_data() {
        QTest::addColumn<qint64>("received");
        QTest::addColumn<qint64>("announced");
        QTest::addColumn<QString>("text");
        QTest::newRow("no length")
            << qint64(32768) << qint64(-1) << QString("       32768 read of 9,726,083 total bytes");
        QTest::newRow("announced") << qint64(5) << qint64(1234567)
                                   << QString("           5 read of 1,234,567 total bytes");
        QTest::newRow("empty file")
            << qint64(0) << qint64(0) << QString("           0 read of 0 total bytes");
    }
    void receivedText() {
        QFETCH(qint64, received);
        QFETCH(qint64, announced);
        QFETCH(QString, text);
        QCOMPARE(ReceivedText(received, announced), text);
    }

    // The main window checks after loading its file and offers the dialog in
    // the Help menu.
    void mainWindowChecksAtStartAndOffersTheDialog() {
        TempFolder settings, data;
        WriteClients(data, {"Baker", "Adams"});
        WriteWindowSettings(settings, data.Folder());
        TestHttpServer server;
        server.Serve(kVersionPath, "5.22");
        {
            SettingsStore store = ClientSettingsStore();
            QVERIFY(store.Load());
            store.WriteText(QStringLiteral("UpgradeHost"), server.Base());
            store.Save();
        }
        ScriptedPrompts prompts;
        prompts.ExpectQuestion(kAvailability, kQuestion, QMessageBox::No);
        ClientMainWindow window(prompts, QuietOptions({QStringLiteral("clients.pl5")}));
        window.StartUp();
        QVERIFY(prompts.VerifyAllAnswered());
        QCOMPARE(window.Workspace().Table().DataRowCount(), 2);
        QCOMPARE(server.requests.size(), 1);

        QVERIFY(window.Actions().DownloadUpgrade->isEnabled());
        prompts.ExpectDialog(kDialog, [](QDialog& dialog) {
            Click(dialog, "btnCheck");
            QCOMPARE(StateOf(dialog).result, kNewerText);
        });
        window.Actions().DownloadUpgrade->trigger();
        QVERIFY(prompts.VerifyAllAnswered());
        QCOMPARE(server.requests.size(), 2);
    }
};

KIV5_WIDGET_TEST_MAIN(TestUpgradeController)
#include "tst_UpgradeController.moc"
