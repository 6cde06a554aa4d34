#include "common/core/ErrorCatalogue.h"
#include "tests/support/TestMain.h"

using namespace kiv5;

Q_DECLARE_METATYPE(kiv5::Program)

class TestErrorCatalogue : public QObject {
    Q_OBJECT

private slots:
    void decode_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("message");
        QTest::addColumn<int>("hint");
        QTest::newRow("delete conflict") << 9999 << 1000 << -1;
        QTest::newRow("half rounds up to even") << 1615 << 162 << -5;
        QTest::newRow("half rounds down to even") << 1625 << 162 << 5;
        QTest::newRow("no hint") << 11060 << 1106 << 0;
        QTest::newRow("hint 2") << 21182 << 2118 << 2;
        QTest::newRow("hint 3") << 11243 << 1124 << 3;
        QTest::newRow("first bookkeeping code") << 1601 << 160 << 1;
        QTest::newRow("above half") << 1606 << 161 << -4;
        QTest::newRow("zero") << 0 << 0 << 0;
        QTest::newRow("largest code") << 65535 << 6554 << -5;
        QTest::newRow("negative half") << -15 << -2 << 5;
    }
    void decode() {
        QFETCH(int, code);
        QFETCH(int, message);
        QFETCH(int, hint);
        QCOMPARE(DecodeErrorCode(code), (DecodedError{message, hint}));
    }

    void hints_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::newRow("client 2")
            << Program::Client << 2
            << "You can probably click OK and continue. If this error persists, restart Scrivo5. ";
        QTest::newRow("bookkeeping 2")
            << Program::Bookkeeping << 2
            << "You can probably click OK and continue. If this error persists, restart Sumora5. ";
        QTest::newRow("bookkeeping 1")
            << Program::Bookkeeping << 1
            << "One of Sumora5's internal RTF template, DAT or SU5 files may be corrupted. Click "
               "the Help button to learn more about these files. If restarting doesn't fix the "
               "problem it may be necessary to reinstall Sumora5. ";
        QTest::newRow("billing 3")
            << Program::Billing << 3
            << "This error might relate to Windows' memory or resource. It may be necessary to "
               "restart Scrivo5 and close any other programs.  A list of all visible and "
               "background applications that appear when you press: <CTRL><ALT><DEL>.";
        QTest::newRow("9") << Program::Client << 9
                           << "You must reduce the amount of text sent to the form referred to "
                              "above. ";
        QTest::newRow("0") << Program::Client << 0 << "";
        QTest::newRow("-5") << Program::Bookkeeping << -5 << "";
        QTest::newRow("10") << Program::Billing << 10 << "";
    }
    void hints() {
        QFETCH(Program, program);
        QFETCH(int, index);
        QFETCH(QString, text);
        QCOMPARE(HintText(program, index), text);
    }

    void messages_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("topic");
        QTest::newRow("client 11100")
            << Program::Client << 11100
            << "1110-This record was modified by another user after you opened the file. Choose "
               "which record would you like to keep in the next dialog. Click Ok to continue. "
            << 0;
        QTest::newRow("client 15010") << Program::Client << 15010
                                      << "1501-The selected directory does not exist, or the user "
                                         "does not have access to the directory. "
                                      << 505;
        QTest::newRow("bookkeeping 15010") << Program::Bookkeeping << 15010
                                           << "1501-The selected directory does not exist, or "
                                              "the user does not have access to the directory. "
                                           << 0;
        QTest::newRow("billing 15010") << Program::Billing << 15010
                                       << "1501-The selected directory does not exist, or "
                                          "the user does not have access to the directory. "
                                       << 505;
        QTest::newRow("client 30010")
            << Program::Client << 30010 << "3001-Registry settings missing. " << 0;
        QTest::newRow("client 21011") << Program::Client << 21011 << "2101-Reserved. " << 0;
        QTest::newRow("bookkeeping 21010")
            << Program::Bookkeeping << 21010
            << "2101-GetVariableNo. Sumora5 was unable to read a variable number in a deed or "
               "document RTF file. The variable code started \"/*\" but was not succeeded by a "
               "valid number. Reinstalling the program should fix the template. "
            << 0;
        QTest::newRow("bookkeeping 11160")
            << Program::Bookkeeping << 11160
            << "1116-No PL5 File Set. There is no link set to a Pellary5 file. Use the Options "
               "menu's Set Default Directory to let Sumora5 know where the PL5 files are located "
               "and also the Set PL5 File command to set a link to a specific file. "
            << 0;
        QTest::newRow("billing 11120")
            << Program::Billing << 11120 << "1112-CalcBill. Client number not found in PL5 file. "
            << 0;
        QTest::newRow("billing 12010")
            << Program::Billing << 12010 << "1201-Sumora5 income file not found." << 0;
        QTest::newRow("9999") << Program::Client << 9999 << "Unidentified error -  1000" << 0;
        QTest::newRow("1615") << Program::Bookkeeping << 1615 << "Unidentified error -  162" << 0;
        QTest::newRow("client 11070 not in billing")
            << Program::Billing << 11070 << "Unidentified error -  1107" << 0;
    }
    void messages() {
        QFETCH(Program, program);
        QFETCH(int, code);
        QFETCH(QString, text);
        QFETCH(int, topic);
        const int message = DecodeErrorCode(code).messageNumber;
        QCOMPARE(MessageText(program, message), text);
        QCOMPARE(HelpTopic(program, message), topic);
    }

    void everyTextStartsWithItsNumber() {
        for (const Program program : {Program::Client, Program::Bookkeeping, Program::Billing}) {
            for (int message = 0; message < 6554; ++message) {
                const QString text = MessageText(program, message);
                if (!text.startsWith(QStringLiteral("Unidentified"))) {
                    QVERIFY2(text.startsWith(QString::number(message) + u'-'), qPrintable(text));
                }
            }
        }
    }
};

KIV5_CORE_TEST_MAIN(TestErrorCatalogue)
#include "tst_ErrorCatalogue.moc"
