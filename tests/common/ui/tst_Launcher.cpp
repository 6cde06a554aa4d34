#include "common/ui/Launcher.h"
#include "tests/support/Support.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace kiv5;
using namespace kiv5::ui;

namespace {

struct Started {
    QString program;
    QStringList arguments;
    QString workingDirectory;
};

// A system that starts nothing: programs "on PATH" live in /usr/bin.
struct RecordingSystem {
    QStringList onPath;
    int startResult = LAUNCH_OK;
    bool openResult = true;
    QList<Started> started;
    QList<QUrl> opened;
    QList<QPair<QString, QString>> messages;

    LaunchPlatform Platform() {
        return LaunchPlatform{
            [this](const QString& name) {
                return onPath.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
            },
            [this](const QString& program, const QStringList& arguments, const QString& folder) {
                started.append({program, arguments, folder});
                return startResult;
            },
            [this](const QUrl& url) {
                opened.append(url);
                return openResult;
            },
        };
    }
    Launcher MakeLauncher() {
        return Launcher(
            [this](const QString& title, const QString& text) {
                messages.append({title, text});
            },
            Platform());
    }
};

QString ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()).trimmed()
                                          : QString();
}

} // namespace

class TestLauncher : public QObject {
    Q_OBJECT

private slots:
    void commands_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("onPath");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("leadingArguments");
        QTest::newRow("plain program") << "abiword" << QStringList() << "abiword" << QStringList();
        QTest::newRow("quoted program with options")
            << "\"/opt/My Editor/edit\" --new-window -q" << QStringList() << "/opt/My Editor/edit"
            << QStringList{"--new-window", "-q"};
        QTest::newRow("word replaced by soffice")
            << "WINWORD.EXE" << QStringList{"soffice", "libreoffice"} << "/usr/bin/soffice"
            << QStringList{"--writer"};
        QTest::newRow("wordpad in lower case replaced by libreoffice")
            << "wordpad.exe" << QStringList{"libreoffice"} << "/usr/bin/libreoffice"
            << QStringList{"--writer"};
        QTest::newRow("word with a Windows folder replaced")
            << "\"C:\\Program Files\\Microsoft Office\\WINWORD.EXE\"" << QStringList{"soffice"}
            << "/usr/bin/soffice" << QStringList{"--writer"};
        QTest::newRow("word found on path is kept")
            << "WINWORD.EXE" << QStringList{"WINWORD.EXE", "soffice"} << "WINWORD.EXE"
            << QStringList();
    }
    void commands() {
        QFETCH(QString, command);
        QFETCH(QStringList, onPath);
        QFETCH(QString, program);
        QFETCH(QStringList, leadingArguments);
        test::TempFolder data;
        const QString document = data.Path(QStringLiteral("Phonebook.RTF"));
        data.WriteBytes(QStringLiteral("Phonebook.RTF"), "{\\rtf1}");
        RecordingSystem system;
        system.onPath = onPath;
        QVERIFY(system.MakeLauncher().StartWordProcessor(command, document));
        QCOMPARE(system.started.size(), 1);
        QCOMPARE(system.started[0].program, program);
        QCOMPARE(system.started[0].arguments, leadingArguments << document);
        QCOMPARE(system.started[0].workingDirectory, QDir(data.Folder()).absolutePath());
        QVERIFY(system.opened.isEmpty());
        QVERIFY(system.messages.isEmpty());
    }

    void windowsWordProcessorWithoutWriterGoesToTheDesktop() {
        test::TempFolder data;
        data.WriteBytes(QStringLiteral("a.RTF"), "{\\rtf1}");
        RecordingSystem system;
        QVERIFY(system.MakeLauncher().StartWordProcessor(QStringLiteral("WORDPAD.EXE"),
                                                         data.Path(QStringLiteral("a.RTF"))));
        QVERIFY(system.started.isEmpty());
        QCOMPARE(system.opened, QList<QUrl>{QUrl::fromLocalFile(data.Path("a.RTF"))});

        system.openResult = false;
        QVERIFY(!system.MakeLauncher().StartWordProcessor(QStringLiteral("WORDPAD.EXE"),
                                                          data.Path(QStringLiteral("a.RTF"))));
        QCOMPARE(system.messages.size(), 1);
        QCOMPARE(system.messages[0].second,
                 QStringLiteral(
                     "There is no application associated with the given filename extension."));
    }

    void failuresShowTheirText_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("file not found") << 2 << "The specified file was not found.";
        QTest::newRow("path not found") << 3 << "The specified path was not found.";
        QTest::newRow("access denied")
            << 5 << "The operating system denied access to the specified file.";
        QTest::newRow("bad program")
            << 11 << "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image).";
        QTest::newRow("busy") << 30
                              << "The DDE transaction could not be completed because other DDE "
                                 "transactions were being processed.";
        QTest::newRow("library") << 32 << "The specified dynamic-link library was not found.";
        QTest::newRow("code without text") << 99 << "";
    }
    void failuresShowTheirText() {
        QFETCH(int, code);
        QFETCH(QString, text);
        test::TempFolder data;
        RecordingSystem system;
        system.startResult = code;
        QVERIFY(!system.MakeLauncher().StartWordProcessor(QStringLiteral("abiword"),
                                                          data.Path(QStringLiteral("a.RTF"))));
        if (text.isEmpty()) {
            QVERIFY(system.messages.isEmpty());
        } else {
            QCOMPARE(system.messages.size(), 1);
            QCOMPARE(system.messages[0].first, QStringLiteral("Error"));
            QCOMPARE(system.messages[0].second, text);
        }
    }

    void emptyCommandIsAFileNotFound() {
        RecordingSystem system;
        QCOMPARE(system.MakeLauncher().Open(QStringLiteral("  "), QStringLiteral("/tmp/a.RTF")),
                 LAUNCH_FILE_NOT_FOUND);
        QVERIFY(system.started.isEmpty());
    }

    void openDocument() {
        test::TempFolder data;
        data.WriteBytes(QStringLiteral("kiv5.pdf"), "%PDF");
        RecordingSystem system;
        Launcher launcher = system.MakeLauncher();
        QVERIFY(launcher.OpenDocument(data.Path(QStringLiteral("kiv5.pdf"))));
        QVERIFY(!launcher.OpenDocument(data.Path(QStringLiteral("missing.pdf"))));
        system.openResult = false;
        QVERIFY(!launcher.OpenDocument(data.Path(QStringLiteral("kiv5.pdf"))));
        QCOMPARE(system.opened.size(), 2);
        QVERIFY(system.messages.isEmpty());
    }

    // The real system: a shell stands in for the word processor and writes
    // down where it ran and what it was given.
    void systemStartsInTheDocumentFolder() {
        test::TempFolder data;
        const QString document = data.Path(QStringLiteral("Full Printout.RTF"));
        data.WriteBytes(QStringLiteral("Full Printout.RTF"), "{\\rtf1}");
        RecordingSystem messages;
        Launcher launcher(
            [&messages](const QString& title, const QString& text) {
                messages.messages.append({title, text});
            },
            LaunchPlatform::System());
        QVERIFY(launcher.StartWordProcessor(
            QStringLiteral("sh -c \"pwd > where.tmp; mv where.tmp where.txt; echo \"\"\"$0\"\"\" > "
                           "arg.tmp; mv arg.tmp arg.txt\""),
            document));
        QTRY_VERIFY(data.Exists(QStringLiteral("where.txt")));
        QTRY_VERIFY(data.Exists(QStringLiteral("arg.txt")));
        QCOMPARE(QFileInfo(ReadAll(data.Path(QStringLiteral("where.txt")))).canonicalFilePath(),
                 QFileInfo(data.Folder()).canonicalFilePath());
        QCOMPARE(ReadAll(data.Path(QStringLiteral("arg.txt"))), document);
        QVERIFY(messages.messages.isEmpty());
    }

    void systemFailures_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("documentFolderExists");
        QTest::addColumn<int>("code");
        QTest::newRow("not on path") << "kiv5-no-such-program" << true << 2;
        QTest::newRow("missing in a folder") << "FOLDER/missing" << true << 2;
        QTest::newRow("folder missing") << "/kiv5-no-such-folder/program" << true << 3;
        QTest::newRow("not executable") << "FOLDER/plain.txt" << true << 5;
        QTest::newRow("document folder missing") << "sh" << false << 3;
    }
    void systemFailures() {
        QFETCH(QString, program);
        QFETCH(bool, documentFolderExists);
        QFETCH(int, code);
        test::TempFolder data;
        data.WriteBytes(QStringLiteral("plain.txt"), "text");
        program.replace(QLatin1String("FOLDER"), QDir(data.Folder()).absolutePath());
        const QString document = documentFolderExists ? data.Path(QStringLiteral("a.RTF"))
                                                      : data.Path(QStringLiteral("gone/a.RTF"));
        const Launcher launcher([](const QString&, const QString&) {}, LaunchPlatform::System());
        QCOMPARE(launcher.Open(program, document), code);
    }
};

KIV5_WIDGET_TEST_MAIN(TestLauncher)
#include "tst_Launcher.moc"
