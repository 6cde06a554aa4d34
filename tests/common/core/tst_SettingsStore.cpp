#include "common/core/Exceptions.h"
#include "common/core/SettingsBinding.h"
#include "common/core/SettingsStore.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <limits>

using namespace kiv5;

namespace {

const QString kProgram = QStringLiteral("Pellary5");
const QString kFile = QStringLiteral("Orvanel/Pellary5/Params.conf");

void WriteStoreFile(const test::TempFolder& base, const QByteArray& bytes) {
    QDir(base.Folder()).mkpath(QStringLiteral("Orvanel/Pellary5"));
    base.WriteBytes(kFile, bytes);
}

SettingsStore Reloaded(const test::TempFolder& base) {
    SettingsStore store(kProgram, base.Folder());
    store.Load();
    return store;
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void location() {
        test::TempFolder base;
        SettingsStore store(kProgram, base.Folder());
        QCOMPARE(store.FilePath(), base.Path(kFile));
        QVERIFY(!store.Exists());
        QVERIFY(!store.Load());

        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(base.Folder() + QStringLiteral("cfg")));
        QCOMPARE(SettingsStore(QStringLiteral("Quenby5")).FilePath(),
                 base.Folder() + QStringLiteral("cfg/Orvanel/Quenby5/Params.conf"));
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(SettingsStore(QStringLiteral("Sumora5")).FilePath(),
                 QDir::homePath() + QStringLiteral("/.config/Orvanel/Sumora5/Params.conf"));
        qputenv("XDG_CONFIG_HOME", saved);
    }

    void textRoundTrip_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("empty") << QString();
        QTest::newRow("trailing blanks") << QStringLiteral("  lead and trail  ");
        QTest::newRow("line breaks") << QStringLiteral("one\r\ntwo\nthree\r");
        QTest::newRow("backslashes") << QStringLiteral("C:\\Orvanel\\Tavrel\\\\n");
        QTest::newRow("equals and hash") << QStringLiteral("#a=b==c");
        QTest::newRow("controls") << QStringLiteral("tab\tbell\x07nul") + QChar(0) + u'\x7f';
        QTest::newRow("non-latin") << QStringLiteral("Müller – Ωmega 🎉");
    }
    void textRoundTrip() {
        QFETCH(QString, value);
        test::TempFolder base;
        SettingsStore store(kProgram, base.Folder());
        store.WriteText(QStringLiteral("Odd=Name\\x"), value);
        store.WriteText(QStringLiteral("Next"), QStringLiteral("after"));
        store.Save();
        const SettingsStore back = Reloaded(base);
        QCOMPARE(back.ReadText(QStringLiteral("Odd=Name\\x")), value);
        QCOMPARE(back.ReadText(QStringLiteral("Next")), QStringLiteral("after"));
        QCOMPARE(back.Names().size(), 2);
    }

    void numberRoundTrip_data() {
        QTest::addColumn<qint32>("integer");
        QTest::addColumn<qint64>("units");
        QTest::newRow("zero") << 0 << qint64(0);
        QTest::newRow("hidden width, 200.00") << -1 << qint64(2000000);
        QTest::newRow("fractions") << 77 << qint64(-12345);
        QTest::newRow("limits low")
            << std::numeric_limits<qint32>::min() << std::numeric_limits<qint64>::min();
        QTest::newRow("limits high")
            << std::numeric_limits<qint32>::max() << std::numeric_limits<qint64>::max();
    }
    void numberRoundTrip() {
        QFETCH(qint32, integer);
        QFETCH(qint64, units);
        test::TempFolder base;
        SettingsStore store(kProgram, base.Folder());
        store.WriteInteger(QStringLiteral("Width"), integer);
        store.WriteCurrency(QStringLiteral("HourlyRate"), units);
        store.WriteFlag(QStringLiteral("Flag"), true);
        store.Save();
        const SettingsStore back = Reloaded(base);
        QCOMPARE(back.ReadInteger(QStringLiteral("Width")), integer);
        QCOMPARE(back.ReadCurrency(QStringLiteral("HourlyRate")), units);
        QCOMPARE(back.ReadFlag(QStringLiteral("Flag")), true);
        QCOMPARE(back.ReadInteger(QStringLiteral("Flag")), 1);
    }

    void currencyIsReadable() {
        test::TempFolder base;
        SettingsStore store(kProgram, base.Folder());
        store.WriteCurrency(QStringLiteral("HourlyRate"), 2000000);
        store.WriteCurrency(QStringLiteral("Small"), -5);
        store.Save();
        const QByteArray bytes = base.ReadBytes(kFile);
        QVERIFY(bytes.contains("currency HourlyRate=200.0000\n"));
        QVERIFY(bytes.contains("currency Small=-0.0005\n"));
    }

    void namesIgnoreCase() {
        test::TempFolder base;
        SettingsStore store(kProgram, base.Folder());
        store.WriteFlag(QStringLiteral("ShowEmail"), true);
        store.WriteFlag(QStringLiteral("ShowEMail"), false);
        QCOMPARE(store.Names(), QStringList{QStringLiteral("ShowEmail")});
        QCOMPARE(store.ReadFlag(QStringLiteral("SHOWEMAIL")), false);
        store.Save();
        QCOMPARE(Reloaded(base).ReadFlag(QStringLiteral("showemail")), false);
    }

    void wrongKindIsMissing_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("text");
        QTest::addColumn<bool>("integer");
        QTest::addColumn<bool>("flag");
        QTest::addColumn<bool>("currency");
        QTest::newRow("text") << QByteArray("text V=5") << true << false << false << false;
        QTest::newRow("integer") << QByteArray("int V=5") << false << true << true << false;
        QTest::newRow("currency") << QByteArray("currency V=5") << false << false << false << true;
    }
    void wrongKindIsMissing() {
        QFETCH(QByteArray, line);
        QFETCH(bool, text);
        QFETCH(bool, integer);
        QFETCH(bool, flag);
        QFETCH(bool, currency);
        test::TempFolder base;
        WriteStoreFile(base, line + '\n');
        const SettingsStore store = Reloaded(base);
        const QString name = QStringLiteral("v");
        QCOMPARE(store.ReadText(name).has_value(), text);
        QCOMPARE(store.ReadInteger(name).has_value(), integer);
        QCOMPARE(store.ReadFlag(name).has_value(), flag);
        QCOMPARE(store.ReadCurrency(name).has_value(), currency);
    }

    void damagedFileKeepsGoodLines() {
        test::TempFolder base;
        WriteStoreFile(base, QByteArray("# comment\r\n"
                                        "text Good1=first\r\n"
                                        "garbage without separator\n"
                                        "int NoNumber=12a\n"
                                        "int TooBig=2147483648\n"
                                        "int Low=-2147483648\n"
                                        "currency TooPrecise=1.23456\n"
                                        "currency Huge=922337203685477.5808\n"
                                        "currency Negative=-922337203685477.5808\n"
                                        "text BadEscape=a\\q\n"
                                        "text ShortHex=\\x4\n"
                                        "text Dangling=\\\n"
                                        "float Unknown=1\n"
                                        "\n"
                                        "int=7\n"
                                        "text Good2=\xff\xfe broken utf-8\n"
                                        "int Width=5\n"
                                        "int width=6\n"
                                        "text Last=no line end"));
        const SettingsStore store = Reloaded(base);
        QCOMPARE(store.ReadText(QStringLiteral("Good1")), QStringLiteral("first"));
        QCOMPARE(store.ReadInteger(QStringLiteral("Low")), std::numeric_limits<qint32>::min());
        QCOMPARE(store.ReadCurrency(QStringLiteral("Negative")),
                 std::numeric_limits<qint64>::min());
        QVERIFY(store.ReadText(QStringLiteral("Good2")).has_value());
        QCOMPARE(store.ReadInteger(QStringLiteral("WIDTH")), 6);
        QCOMPARE(store.ReadText(QStringLiteral("Last")), QStringLiteral("no line end"));
        for (const char* missing : {"NoNumber", "TooBig", "TooPrecise", "Huge", "BadEscape",
                                    "ShortHex", "Dangling", "Unknown", "garbage"}) {
            QVERIFY2(!store.Contains(QString::fromLatin1(missing)), missing);
        }
        QCOMPARE(store.Names(),
                 (QStringList{"Good1", "Low", "Negative", "Good2", "Width", "Last"}));
    }

    void unwritableFolderThrows() {
        test::TempFolder base;
        base.WriteBytes(QStringLiteral("Orvanel"), "a file where the folder belongs");
        SettingsStore store(kProgram, base.Folder());
        store.WriteInteger(QStringLiteral("X"), 1);
        QVERIFY_THROWS_EXCEPTION(IoError, store.Save());
        QVERIFY(store.IsModified());
    }

    void readOrWriteDefault() {
        test::TempFolder base;
        WriteStoreFile(base, "text Name=stored\n"
                             "text Count=not a number\n"
                             "int Folder=3\n"
                             "text Dir=/data/clients\n"
                             "int Shown=7\n"
                             "int WriteOnly=9\n");
        SettingsStore store = Reloaded(base);
        QString name, dir, shorthand = QStringLiteral("x");
        qint32 count = -5;
        bool shown = false, bold = true, missingFlag = false;
        qint64 rate = 0;
        const SettingsTable table = {
            TextSetting(QStringLiteral("Name"), &name, QStringLiteral("default")),
            IntegerSetting(QStringLiteral("Count"), &count, 4),
            FolderSetting(QStringLiteral("Dir"), &dir, QStringLiteral("/unused/")),
            FlagSetting(QStringLiteral("Shown"), &shown, false).WrittenAs(QStringLiteral("SHOWN")),
            FlagSetting(QStringLiteral("WriteOnly"), &bold, false).WriteOnly(),
            FlagSetting(QStringLiteral("MissingFlag"), &missingFlag, true),
            CurrencySetting(QStringLiteral("Rate"), &rate, 2000000),
            TextSetting(QStringLiteral("Long"), &shorthand, QString(70, u'a')).CutTo(64),
            IntegerConstant(QStringLiteral("ClientSubNo"), 0),
        };
        ReadSettings(store, table);
        QCOMPARE(name, QStringLiteral("stored"));
        QCOMPARE(count, 4); // a text where a number belongs counts as missing
        QCOMPARE(store.ReadInteger(QStringLiteral("Count")), 4);
        QCOMPARE(dir, QStringLiteral("/data/clients/"));
        QCOMPARE(shown, true);
        QCOMPARE(bold, true); // not read
        QCOMPARE(missingFlag, true);
        QCOMPARE(rate, qint64(2000000));
        QCOMPARE(shorthand, QString(70, u'a')); // a default is not cut
        QVERIFY(!store.Contains(QStringLiteral("ClientSubNo")));
        QCOMPARE(store.Names(), (QStringList{"Name", "Count", "Folder", "Dir", "Shown", "WriteOnly",
                                             "MissingFlag", "Rate", "Long"}));

        store.WriteText(QStringLiteral("Long"), QString(70, u'b'));
        ReadSettings(store, table);
        QCOMPARE(shorthand, QString(64, u'b'));

        bold = false;
        shown = false;
        name = QStringLiteral("changed");
        WriteSettings(store, table);
        QCOMPARE(store.ReadText(QStringLiteral("Name")), QStringLiteral("changed"));
        QCOMPARE(store.ReadFlag(QStringLiteral("WriteOnly")), false);
        QCOMPARE(store.ReadFlag(QStringLiteral("Shown")), false);
        QCOMPARE(store.ReadInteger(QStringLiteral("ClientSubNo")), 0);
        QCOMPARE(store.Names().last(), QStringLiteral("ClientSubNo"));
        QVERIFY(store.Names().contains(QStringLiteral("Shown"))); // first spelling kept
    }

    void emptyFolderStaysEmpty() {
        QCOMPARE(FolderWithSeparator(QString()), QString());
        QCOMPARE(FolderWithSeparator(QStringLiteral("/a")), QStringLiteral("/a/"));
        QCOMPARE(FolderWithSeparator(QStringLiteral("/a/")), QStringLiteral("/a/"));
    }
};

KIV5_CORE_TEST_MAIN(TestSettingsStore)
#include "tst_SettingsStore.moc"
