#include "common/core/Answers.h"
#include "common/core/Exceptions.h"
#include "common/core/RtfChaining.h"
#include "common/core/RtfDatFile.h"
#include "common/core/RtfDocument.h"
#include "common/core/RtfEscape.h"
#include "common/core/RtfFontSize.h"
#include "common/core/RtfTemplateFolder.h"
#include "common/core/RtfTransfer.h"
#include "common/core/RtfWingDings.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFileInfo>

using namespace kiv5;

namespace {

using SlotTexts = QMap<int, QString>;
using SlotTypes = QMap<int, int>;
using Codes = QList<int>;

const QString kFontTable =
    QStringLiteral("{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman{\\*\\panose 05000000000000000000}"
                   "Times New Roman;}{\\f2\\fnil\\fcharset2 Wingdings;}}");

// A page of the client's phone-book size (slots 0-325).
TAnswerPage MakePage(const SlotTexts& texts, const QList<int>& ovRide = {},
                     const SlotTypes& types = {}) {
    TAnswerPage page(326);
    for (auto it = texts.begin(); it != texts.end(); ++it) {
        page[it.key()].Text = it.value();
    }
    for (const int slot : ovRide) {
        page[slot].AObj.OvRide = true;
    }
    for (auto it = types.begin(); it != types.end(); ++it) {
        page[it.key()].DatType = it.value();
    }
    return page;
}

// A complete template: header up to the hidden marker, then the body.
QByteArray TemplateRtf(const QString& body) {
    return (QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0") + kFontTable +
            QStringLiteral("\r\n\\pard\\f0\\fs24\\v\\'b7\\v0 ") + body +
            QStringLiteral("\\par\r\n}\r\n"))
        .toLatin1();
}

QByteArray DatLines(int count, int type = 0) {
    QByteArray dat;
    for (int i = 0; i < count; ++i) {
        dat += QByteArray::number(i) + ' ' + QByteArray::number(type) + " 0 0.0 0.0 " +
               QByteArray::number(i) + ".5 0\r\n";
    }
    return dat;
}

// Braces of the RTF text (escaped ones left aside) close in order and
// balance at the end.
bool BracesBalance(const QString& rtf) {
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == QLatin1Char('\\')) {
            ++i;
        } else if (rtf[i] == QLatin1Char('{')) {
            ++depth;
        } else if (rtf[i] == QLatin1Char('}') && --depth < 0) {
            return false;
        }
    }
    return depth == 0;
}

} // namespace

class TestRtfEngine : public QObject {
    Q_OBJECT

private slots:
    void answerStore_data() {
        QTest::addColumn<int>("program");
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("version");
        QTest::addColumn<QList<int>>("slotCounts");
        QTest::newRow("client") << int(DocumentProgram::Client) << "Pellary5" << 5.09
                                << QList<int>{151, 151, 326, 151, 151, 151, 151, 151, 151, 151};
        QTest::newRow("billing") << int(DocumentProgram::Billing) << "Quenby5" << 5.15
                                 << QList<int>{151, 201, 101, 101, 101, 151, 151, 151, 151, 151};
    }
    void answerStore() {
        QFETCH(int, program);
        QFETCH(QString, name);
        QFETCH(double, version);
        QFETCH(QList<int>, slotCounts);
        TAnswer answers(static_cast<DocumentProgram>(program));
        QCOMPARE(answers.ProgramName, name);
        QCOMPARE(answers.VersionNo, version);
        for (int page = 0; page < kAnswerPageCount; ++page) {
            QCOMPARE(answers.Page(page).size(), slotCounts[page]);
            QCOMPARE(answers.PAnsw.PageCount[static_cast<std::size_t>(page)], 0);
        }
        // The last slot exists, the one after it does not.
        const int last = slotCounts[2] - 1;
        QTest::ignoreMessage(
            QtWarningMsg,
            qPrintable(QStringLiteral("Answer slot %1 of page 2 does not exist").arg(last + 1)));
        QTest::ignoreMessage(QtWarningMsg, "Answer slot 0 of page 10 does not exist");
        answers.SetAnswer(2, last, QStringLiteral("end"));
        answers.SetAnswer(2, last + 1, QStringLiteral("beyond"));
        answers.SetAnswer(10, 0, QStringLiteral("no page"));
        QCOMPARE(answers.Answer(2, last), QStringLiteral("end"));
        QCOMPARE(answers.Answer(2, last + 1), QString());
        // Clearing leaves the slots after the cleared range and the flags.
        answers.SetAnswer(2, 5, QStringLiteral("five"));
        answers.SetOvRide(2, 5, true);
        answers.ClearPage(2, last - 1);
        QCOMPARE(answers.Answer(2, 5), QString());
        QVERIFY(answers.OvRide(2, 5));
        QCOMPARE(answers.Answer(2, last), QStringLiteral("end"));
    }

    void escapeRtf_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("specials and cp1252")
            << QStringLiteral("\\{}\u00e9\u20ac") << QStringLiteral("\\\\\\{\\}\\'e9\\'80");
        QTest::newRow("outside cp1252") << QStringLiteral("\u03a9") << QStringLiteral("\\u937?");
        QTest::newRow("above 32767 is negative")
            << QStringLiteral("\uff21") << QStringLiteral("\\u-223?");
        QTest::newRow("surrogate pair")
            << QStringLiteral("a\U0001F600b") << QStringLiteral("a\\u-10179?\\u-8704?b");
        QTest::newRow("control characters")
            << QStringLiteral("a\tb\r\nc") + QChar(1) + QChar(0x7f) + QChar(0x81) + "d"
            << QStringLiteral("abcd");
        QTest::newRow("ampersand and codes stay") << "A&B /*2/"
                                                  << "A&B /*2/";
        QTest::newRow("no-break space") << QStringLiteral("a\u00a0b") << "a\\'a0b";
    }
    void escapeRtf() {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(EscapeRtf(input), expected);
    }

    void clientScan_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<SlotTexts>("answers");
        QTest::addColumn<QList<int>>("ovRide");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<Codes>("errors");
        const QList<int> none;
        QTest::newRow("line break after slash")
            << "x/\r\n*5/y" << SlotTexts{{5, "Ann"}} << none << "xAnny" << Codes{};
        QTest::newRow("line breaks inside the code")
            << "x/*\n1\r\n2\r\n/y" << SlotTexts{{12, "Lee"}} << none << "xLeey" << Codes{};
        QTest::newRow("money") << "[/$7/]" << SlotTexts{{7, "1,234.5"}} << none << "[    1,234.50]"
                               << Codes{};
        QTest::newRow("money empty")
            << "[/$7/]" << SlotTexts{} << none << "[        0.00]" << Codes{};
        QTest::newRow("money not a number")
            << "[/$7/]" << SlotTexts{{7, "abc"}} << none << "[        0.00]" << Codes{21202};
        QTest::newRow("money coloured") << "[/$7/]" << SlotTexts{{7, "(12)"}} << QList<int>{7}
                                        << "[\\cf1       -12.00\\cf0 ]" << Codes{};
        QTest::newRow("percent") << "[/%3/]" << SlotTexts{{3, "0.075"}} << none << "[      7.500%]"
                                 << Codes{};
        QTest::newRow("percent not a number")
            << "[/%3/]" << SlotTexts{{3, "x"}} << none << "[      0.000%]" << Codes{21182};
        QTest::newRow("number") << "[/@4/]" << SlotTexts{{4, "$1,234.567"}} << none << "[1,234.57]"
                                << Codes{};
        QTest::newRow("plain kinds unchanged")
            << "/#1/|/^1/|/<1/|/+1/|/*1/" << SlotTexts{{1, "\\b x\\b0 "}} << none
            << "\\b x\\b0 |\\b x\\b0 |\\b x\\b0 |\\b x\\b0 |\\b x\\b0 " << Codes{};
        QTest::newRow("company with ampersand")
            << "[/*1/]" << SlotTexts{{1, "A&B Partners"}} << none << "[A&B Partners]" << Codes{};
        QTest::newRow("one two and three digits")
            << "/*9/,/*42/,/*305/" << SlotTexts{{9, "a"}, {42, "b"}, {305, "c"}} << none << "a,b,c"
            << Codes{};
        QTest::newRow("adjacent codes")
            << "/*1//*2/" << SlotTexts{{1, "a"}, {2, "b"}} << none << "ab" << Codes{};
        QTest::newRow("answer holding a code is not replaced again")
            << "/*1/ /*2/" << SlotTexts{{1, "/*2/"}, {2, "Bob"}} << none << "/*2/ Bob" << Codes{};
        QTest::newRow("answer holding its own code")
            << "/*1/." << SlotTexts{{1, "/*1/"}} << none << "/*1/." << Codes{};
        QTest::newRow("answer ending in a slash before a code")
            << "/*1/*2/" << SlotTexts{{1, "x/"}} << none << "x/*2/" << Codes{};
        QTest::newRow("slot beyond the page stays")
            << "[/*326/]" << SlotTexts{} << none << "[/*326/]" << Codes{};
        QTest::newRow("four digits are no code")
            << "[/*1234/]" << SlotTexts{{123, "x"}} << none << "[/*1234/]" << Codes{};
        QTest::newRow("dates are no codes")
            << "1/5/2011 /x1/ //" << SlotTexts{{5, "x"}} << none << "1/5/2011 /x1/ //" << Codes{};
        QTest::newRow("code at the very end")
            << "/*1/" << SlotTexts{{1, "z"}} << none << "z" << Codes{};

        const QString wing = QStringLiteral("\\f2 ");
        QTest::newRow("ticked box restores the size")
            << kFontTable + "\\fs16 [/&2/]" << SlotTexts{{2, "X"}} << none
            << kFontTable + "\\fs16 [" + wing + "\\fs20 \\'fd\\fs16\\f0 ]" << Codes{};
        QTest::newRow("empty box")
            << kFontTable + "\\fs16 [/&2/]" << SlotTexts{{2, "x"}} << none
            << kFontTable + "\\fs16 [" + wing + "\\fs20 o\\fs16\\f0 ]" << Codes{};
        QTest::newRow("no Wingdings, no selector")
            << "{\\fonttbl{\\f0 Arial;}}\\fs22 /&2/." << SlotTexts{{2, "X"}} << none
            << "{\\fonttbl{\\f0 Arial;}}\\fs22 \\fs20 \\'fd\\fs22\\f0 ." << Codes{};
        QTest::newRow("size before any \\fs is the default")
            << "/&1/." << SlotTexts{} << none << "\\fs20 o\\fs24\\f0 ." << Codes{};
        QTest::newRow("size set by inserted text counts")
            << "\\fs16 /*1//&2/." << SlotTexts{{1, "\\fs30 big"}} << none
            << "\\fs16 \\fs30 big\\fs20 o\\fs30\\f0 ." << Codes{};
        QTest::newRow("escaped \\fs in user text is no size")
            << "\\fs16 /*1//&2/." << SlotTexts{{1, EscapeRtf("\\fs40")}} << none
            << "\\fs16 \\\\fs40\\fs20 o\\fs16\\f0 ." << Codes{};
        QTest::newRow("size that does not read")
            << "\\fs18 \\fs2x4 /&1/." << SlotTexts{} << none
            << "\\fs18 \\fs2x4 \\fs20 o\\fs18\\f0 ." << Codes{21060};
        QTest::newRow("size read near the end")
            << "/*1/\\fs24}" << SlotTexts{{1, "a"}} << none << "a\\fs24}" << Codes{21070};
    }
    void clientScan() {
        QFETCH(QString, page);
        QFETCH(SlotTexts, answers);
        QFETCH(QList<int>, ovRide);
        QFETCH(QString, expected);
        QFETCH(Codes, errors);
        test::ErrorRecorder recorder;
        TransferAnswers(page, MakePage(answers, ovRide), recorder);
        QCOMPARE(page, expected);
        QCOMPARE(recorder.codes, errors);
    }

    void billingScan_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<SlotTexts>("answers");
        QTest::addColumn<SlotTypes>("types");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first occurrence only")
            << "/*0/ and /*0/" << SlotTexts{{0, "a"}} << SlotTypes{} << "a and /*0/";
        QTest::newRow("type code picks the character")
            << "/$1/ /*1/ /%2/ /+3/ /<4/ /@5/"
            << SlotTexts{{1, "5"}, {2, "0.5"}, {3, "p"}, {4, "q"}, {5, "7"}}
            << SlotTypes{{1, 2}, {2, 3}, {3, 4}, {4, 9}, {5, 6}}
            << "        5.00 /*1/      50.000% p q     7.00";
        QTest::newRow("type 7 has no code")
            << "/*1/ /^1/" << SlotTexts{{1, "x"}} << SlotTypes{{1, 7}} << "/*1/ /^1/";
        QTest::newRow("other types are plain")
            << "/*1/ /#1/" << SlotTexts{{1, "x"}} << SlotTypes{{1, 8}} << "x /#1/";
        QTest::newRow("slot order, not text order")
            << "/*2/ /*1/" << SlotTexts{{1, "/*2/"}, {2, "b"}} << SlotTypes{} << "b /*2/";
        QTest::newRow("inserted text is not searched")
            << "/*0/ /*1/" << SlotTexts{{0, "/*1/"}, {1, "B"}} << SlotTypes{} << "/*1/ B";
        QTest::newRow("size in force at the code")
            << kFontTable + "\\fs18 a\\fs22 /&3/ \\fs16 /&4/" << SlotTexts{{3, "X"}}
            << SlotTypes{{3, 5}, {4, 5}}
            << kFontTable +
                   "\\fs18 a\\fs22 \\f2 \\fs20 \\'fd\\fs22\\f0  \\fs16 \\f2 \\fs20 o\\fs16\\f0 ";
    }
    void billingScan() {
        QFETCH(QString, page);
        QFETCH(SlotTexts, answers);
        QFETCH(SlotTypes, types);
        QFETCH(QString, expected);
        test::ErrorRecorder recorder;
        TransferAnswersPerSlot(page, MakePage(answers, {}, types), recorder);
        QCOMPARE(page, expected);
        QCOMPARE(recorder.codes, Codes{});
    }

    void wingDingStr_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("expected");
        QTest::newRow("after a panose group") << kFontTable + "body"
                                              << "\\f2 ";
        QTest::newRow("three digits")
            << "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f123\\fcharset2 WINGDINGS;}}}"
            << "\\f123 ";
        QTest::newRow("none") << "{\\rtf1{\\fonttbl{\\f0 Arial;}}}"
                              << "";
        QTest::newRow("only outside the font table")
            << "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f5 Wingdings;}"
            << "";
        QTest::newRow("no font table") << "{\\rtf1 \\f5 Wingdings;}"
                                       << "";
    }
    void wingDingStr() {
        QFETCH(QString, page);
        QFETCH(QString, expected);
        QCOMPARE(GetWingDingStr(page), expected);
    }

    void datLines_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("reads");
        QTest::addColumn<int>("count");
        QTest::newRow("good") << QStringList{"0 2 0 1.5 2 3.25 0", "1  5\t0 0 0 -7 1"} << true << 2;
        QTest::newRow("trailing blank lines")
            << QStringList{"0 0 0 0 0 0 0", "", "  "} << true << 1;
        QTest::newRow("letters") << QStringList{"0 x 0 0 0 0 0"} << false << 0;
        QTest::newRow("six numbers") << QStringList{"0 0 0 0 0 0"} << false << 0;
        QTest::newRow("eight numbers") << QStringList{"0 0 0 0 0 0 0 0"} << false << 0;
        QTest::newRow("real type code") << QStringList{"0 2.5 0 0 0 0 0"} << false << 0;
        QTest::newRow("blank line inside")
            << QStringList{"0 0 0 0 0 0 0", "", "0 0 0 0 0 0 0"} << false << 0;
    }
    void datLines() {
        QFETCH(QStringList, lines);
        QFETCH(bool, reads);
        QFETCH(int, count);
        const auto parsed = ParseDatLines(lines);
        QCOMPARE(parsed.has_value(), reads);
        if (parsed) {
            QCOMPARE(parsed->size(), count);
        }
    }

    void stripHeader_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("body");
        QTest::newRow("marker") << "{\\rtf1 a\\v\\'b7\\v0 body}"
                                << "\\v0 body}";
        QTest::newRow("first marker") << "{\\rtf1 \\'b7x\\'b7y}"
                                      << "x\\'b7y}";
        QTest::newRow("no marker") << "{\\rtf1 body}"
                                   << "{\\rtf1 body}";
    }
    void stripHeader() {
        QFETCH(QString, page);
        QFETCH(QString, body);
        QCOMPARE(StripRTFHeader(page), body);
    }

    void appendPage() {
        QString document = QStringLiteral("{\\rtf1 H\\'b7one}\r\n' ");
        AppendRtfPage(document, QStringLiteral("{\\rtf1 H\\'b7two\\par}\r\n \r\n"));
        QCOMPARE(document, QStringLiteral("{\\rtf1 H\\'b7one\\page two\\par}"));
    }

    void documentFromFiles_data() {
        QTest::addColumn<int>("program");
        QTest::addColumn<QByteArray>("dat");
        QTest::addColumn<QString>("expectedBody");
        QTest::addColumn<Codes>("errors");
        QTest::newRow("client fills")
            << int(DocumentProgram::Client) << DatLines(151) << "[A&B] [    1,234.50]" << Codes{};
        QTest::newRow("client, line that does not read")
            << int(DocumentProgram::Client) << DatLines(3) + "0 0 zero 0 0 0 0\r\n"
            << "[/*1/] [/$7/]" << Codes{21011};
        QTest::newRow("billing uses type codes")
            << int(DocumentProgram::Billing) << DatLines(7) + "7 7 0 0 0 0 0\r\n"
            << "[A&B] [/$7/]" << Codes{};
    }
    void documentFromFiles() {
        QFETCH(int, program);
        QFETCH(QByteArray, dat);
        QFETCH(QString, expectedBody);
        QFETCH(Codes, errors);
        test::TempFolder folder;
        folder.WriteBytes("page0.rtf", TemplateRtf("[/*1/] [/$7/]"));
        folder.WriteBytes("Page0.Dat", dat);
        TAnswer answers(static_cast<DocumentProgram>(program));
        answers.SetAnswer(0, 1, QStringLiteral("A&B"));
        answers.SetAnswer(0, 7, QStringLiteral("1234.5"));
        test::ErrorRecorder recorder;
        RtfDocument document(answers, folder.Folder(), recorder);
        document.TransferDocument(0);
        QCOMPARE(StripRTFHeader(document.Text()), "\\v0 " + expectedBody + "\\par\r\n}\r\n");
        QCOMPARE(recorder.codes, errors);
    }

    void billingKeepsThirdReal() {
        test::TempFolder folder;
        folder.WriteBytes("PAGE1.DAT", "0 0 0 1 2 3.75 0\r\n1 7 0 1 2 -4 0\r\n");
        TAnswer answers(DocumentProgram::Billing);
        RtfDocument document(answers, folder.Folder(), ErrorSink());
        QVERIFY(document.LoadDatFile(1));
        QCOMPARE(answers.DatReal(1, 0), 3.75);
        QCOMPARE(answers.DatReal(1, 1), -4.0);
        QCOMPARE(answers.DatType(1, 1), 7);
        QCOMPARE(answers.DatType(1, 2), 0);
    }

    void missingFiles_data() {
        QTest::addColumn<bool>("withRtf");
        QTest::addColumn<bool>("withDat");
        QTest::addColumn<QString>("named");
        QTest::newRow("template missing") << false << true << "PAGE3.RTF";
        QTest::newRow("DAT missing") << true << false << "PAGE3.DAT";
    }
    void missingFiles() {
        QFETCH(bool, withRtf);
        QFETCH(bool, withDat);
        QFETCH(QString, named);
        test::TempFolder folder;
        if (withRtf) {
            folder.WriteBytes("page3.rtf", TemplateRtf("x"));
        }
        if (withDat) {
            folder.WriteBytes("page3.dat", DatLines(2));
        }
        TAnswer answers(DocumentProgram::Client);
        RtfDocument document(answers, folder.Folder(), ErrorSink());
        try {
            document.TransferDocument(3);
            QFAIL("no error for a missing file");
        } catch (const IoError& error) {
            QVERIFY2(error.Message().contains(named), qPrintable(error.Message()));
        }
        QVERIFY(!document.IsStarted());
    }

    void caseInsensitiveLookup_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("asked");
        QTest::newRow("lower") << "page0.rtf"
                               << "PAGE0.RTF";
        QTest::newRow("mixed") << "Page0.Dat"
                               << "PAGE0.DAT";
        QTest::newRow("exact") << "PAGE0.RTF"
                               << "PAGE0.RTF";
    }
    void caseInsensitiveLookup() {
        QFETCH(QString, stored);
        QFETCH(QString, asked);
        test::TempFolder folder;
        folder.WriteBytes(stored, "x");
        QCOMPARE(QFileInfo(FindTemplateFile(folder.Folder(), asked)).fileName(), stored);
        QVERIFY_THROWS_EXCEPTION(IoError, FindTemplateFile(folder.Folder(), "PAGE1.RTF"));
    }

    void chainThreePages() {
        test::TempFolder folder;
        folder.WriteBytes("page2.rtf", TemplateRtf("{\\b Page /*302/ of /*303/}: /*0/"));
        folder.WriteBytes("page2.dat", DatLines(326));
        TAnswer answers(DocumentProgram::Client);
        RtfDocument document(answers, folder.Folder(), ErrorSink());
        for (int page = 1; page <= 3; ++page) {
            answers.ClearPage(2, 325);
            answers.SetAnswer(2, 302, QString::number(page));
            answers.SetAnswer(2, 303, QStringLiteral("3"));
            answers.SetAnswer(2, 0, EscapeRtf(QStringLiteral("{Lee}")));
            document.AppendRTFFile(2);
        }
        const QString text = document.Text();
        QCOMPARE(text.count(QLatin1String("\\page")), 2);
        QCOMPARE(text.count(QLatin1String("\\'b7")), 1);
        QVERIFY(text.startsWith(QLatin1String("{\\rtf1")));
        QVERIFY(text.endsWith(QLatin1String("\\par\r\n}")));
        QVERIFY(BracesBalance(text));
        for (int page = 1; page <= 3; ++page) {
            QVERIFY(text.contains(QStringLiteral("Page %1 of 3}: \\{Lee\\}").arg(page)));
        }
        QVERIFY(!text.contains(QLatin1String("/*")));
    }

    void pageWithoutMarkerIsLeftOut() {
        test::TempFolder folder;
        folder.WriteBytes("page0.rtf", TemplateRtf("first"));
        folder.WriteBytes("page0.dat", DatLines(1));
        folder.WriteBytes("page1.rtf", "{\\rtf1 no marker}");
        folder.WriteBytes("page1.dat", DatLines(1));
        TAnswer answers(DocumentProgram::Client);
        test::ErrorRecorder recorder;
        RtfDocument document(answers, folder.Folder(), recorder);
        document.TransferDocument(0);
        const QString before = document.Text();
        recorder.codes.clear();
        document.AppendRTFFile(1);
        QCOMPARE(recorder.codes, Codes{21011});
        QCOMPARE(document.Text(), before);
    }

    void writeDocument() {
        test::TempFolder folder;
        folder.WriteBytes("page0.rtf", TemplateRtf("/*0/"));
        folder.WriteBytes("page0.dat", DatLines(1));
        TAnswer answers(DocumentProgram::Client);
        answers.SetAnswer(0, 0, EscapeRtf(QStringLiteral("Ren\u00e9e \u03a9")));
        RtfDocument document(answers, folder.Folder(), ErrorSink());
        document.TransferDocument(0);
        document.AppendRTFFile(0);
        const QString path = folder.Path("Phonebook.RTF");
        document.Write(path);
        const QByteArray bytes = folder.ReadBytes("Phonebook.RTF");
        QVERIFY(bytes.contains("Ren\\'e9e \\u937?\\par"));
        QVERIFY(bytes.endsWith("\\par\r\n}\r\n"));
        for (const char c : bytes) {
            QVERIFY(static_cast<unsigned char>(c) < 0x80);
        }
        document.Clear();
        document.Write(path);
        QVERIFY(folder.ReadBytes("Phonebook.RTF").isEmpty());
    }

    void templateFolderSearch_data() {
        QTest::addColumn<QString>("appDir");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("expected");
        QTest::newRow("beside the program")
            << "bin" << QStringList{"bin/share/kiv5/pellary5", "share/kiv5/pellary5"}
            << "bin/share/kiv5/pellary5/";
        QTest::newRow("install prefix")
            << "bin" << QStringList{"share/kiv5/pellary5"} << "share/kiv5/pellary5/";
        QTest::newRow("build tree test")
            << "build/tests/common/core" << QStringList{"build/share/kiv5/pellary5"}
            << "build/share/kiv5/pellary5/";
        QTest::newRow("other program's folder only")
            << "bin" << QStringList{"share/kiv5/quenby5"} << "share/kiv5/pellary5/";
        QTest::newRow("nothing: the prefix") << "bin" << QStringList{} << "share/kiv5/pellary5/";
    }
    void templateFolderSearch() {
        QFETCH(QString, appDir);
        QFETCH(QStringList, existing);
        QFETCH(QString, expected);
        test::TempFolder root;
        QDir dir(root.Folder());
        QVERIFY(dir.mkpath(appDir));
        for (const QString& folder : existing) {
            QVERIFY(dir.mkpath(folder));
        }
        const QString found = TemplateFolder(QStringLiteral("pellary5"), dir.filePath(appDir));
        QCOMPARE(found, QDir::cleanPath(dir.filePath(expected)) + QLatin1Char('/'));
        // A context's template folder stands before any search.
        QCOMPARE(TemplateFolder(OfficeFolders{QStringLiteral("/elsewhere"), {}},
                                QStringLiteral("pellary5")),
                 QStringLiteral("/elsewhere/"));
    }
};

KIV5_CORE_TEST_MAIN(TestRtfEngine)
#include "tst_RtfEngine.moc"
