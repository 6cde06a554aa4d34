// kiv5 print-check: the arguments it refuses, and the PDF it writes read back
// with poppler's pdftotext (skipped when poppler-utils is not installed): the
// words line and the figures, and the amount with its padding ending at 7.95
// inches, with and without an offset.

#include "tests/support/Support.h"
#include "tests/support/TestMain.h"
#include "tests/tools/ToolRun.h"

#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace kiv5;

namespace {

constexpr double kPointsPerInch = 72;
// A blank of Times New Roman (and its metric twin Liberation Serif) is a
// quarter of the font size wide: 3 points at 12 points.
constexpr double kBlankWidth = 3.0;
constexpr double kTolerance = 0.02 * kPointsPerInch;

struct Word {
    QString text;
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
};

QString Poppler(const QString& tool) {
    return QStandardPaths::findExecutable(tool);
}

QString RunPoppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(Poppler(tool), arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The words of the page with their boxes in points from the top-left corner.
QList<Word> Words(const QString& pdf) {
    const QString xml = RunPoppler("pdftotext", {"-bbox", pdf, "-"});
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re");
    QList<Word> words;
    for (const auto& m : word.globalMatch(xml)) {
        words.append({m.captured(4).replace("&amp;", "&"), m.captured(1).toDouble(),
                      m.captured(2).toDouble(), m.captured(3).toDouble()});
    }
    return words;
}

QStringList Arguments(const QString& pdf, const QString& amount) {
    return {"print-check", "--number",      "1042",   "--date",     "3/7/2011",
            "--payee",     "Hollis & Barr", "--memo", "Filing fee", "--amount",
            amount,        "--pdf",         pdf};
}

} // namespace

class TestPrintCheck : public QObject {
    Q_OBJECT

private slots:
    void refusesBadArguments_data() {
        QTest::addColumn<QStringList>("change");
        QTest::addColumn<QString>("message");
        QTest::newRow("amount") << QStringList{"--amount", "12,x"}
                                << "kiv5 print-check: --amount \"12,x\" is not an amount\n";
        QTest::newRow("date") << QStringList{"--date", "13/45/2011"}
                              << "kiv5 print-check: --date \"13/45/2011\" is not a date "
                                 "(M/D/YYYY)\n";
        QTest::newRow("offset too far") << QStringList{"--offset-x", "1.5"}
                                        << "kiv5 print-check: --offset-x takes inches from -1.00 "
                                           "to 1.00\n";
        QTest::newRow("offset not a number")
            << QStringList{"--offset-y", "down"}
            << "kiv5 print-check: --offset-y takes inches from -1.00 to 1.00\n";
        QTest::newRow("unknown option")
            << QStringList{"--copies", "2"} << "kiv5 print-check: unknown option --copies\n";
        QTest::newRow("stray argument")
            << QStringList{"extra"} << "kiv5 print-check: unexpected argument extra\n";
    }
    void refusesBadArguments() {
        QFETCH(QStringList, change);
        QFETCH(QString, message);
        test::TempFolder folder;
        const QString pdf = folder.Path("check.pdf");
        QStringList arguments = Arguments(pdf, "1.00");
        const qsizetype at = arguments.indexOf(change.first());
        if (at >= 0 && change.size() == 2) {
            arguments[at + 1] = change[1];
        } else {
            arguments << change;
        }
        const test::ToolResult result = test::RunTool(arguments);
        QCOMPARE(result.code, 2);
        QVERIFY2(result.err.startsWith(message), qPrintable(result.err));
        QVERIFY(result.err.contains("Usage: kiv5 print-check"));
        QVERIFY(!QFileInfo::exists(pdf));
    }

    void describedInTheHelp() {
        const test::ToolResult general = test::RunTool({"--help"});
        QVERIFY(general.out.contains(
            "  print-check ...   write a check page as sumora5 prints it into a PDF file\n"));
        const test::ToolResult own = test::RunTool({"print-check", "--help"});
        QCOMPARE(own.code, 0);
        QVERIFY(own.out.startsWith("Usage: kiv5 print-check --number N --date M/D/YYYY --payee "
                                   "TEXT --memo TEXT\n"));
    }

    void refusesMissingOptions_data() {
        QTest::addColumn<QString>("option");
        for (const char* option :
             {"--number", "--date", "--payee", "--memo", "--amount", "--pdf"}) {
            QTest::newRow(option) << QString::fromLatin1(option);
        }
    }
    void refusesMissingOptions() {
        QFETCH(QString, option);
        test::TempFolder folder;
        QStringList arguments = Arguments(folder.Path("check.pdf"), "1.00");
        const qsizetype at = arguments.indexOf(option);
        arguments.remove(at, 2);
        const test::ToolResult result = test::RunTool(arguments);
        QCOMPARE(result.code, 2);
        QVERIFY(result.err.startsWith("kiv5 print-check: " + option + " is missing\n"));
    }

    void unwritableFileLeavesItAlone() {
        test::TempFolder folder;
        QDir(folder.Folder()).mkdir("check.pdf"); // a folder in the file's place
        const test::ToolResult result = test::RunTool(Arguments(folder.Path("check.pdf"), "1.00"));
        QCOMPARE(result.code, 2);
        QVERIFY2(result.err.startsWith("kiv5 print-check: Cannot write \"" +
                                       QDir::toNativeSeparators(folder.Path("check.pdf")) + "\": "),
                 qPrintable(result.err));
        QVERIFY(QFileInfo(folder.Path("check.pdf")).isDir());
    }

    void existingFileIsReplaced() {
        test::TempFolder folder;
        folder.WriteBytes("check.pdf", "old");
        const test::ToolResult result = test::RunTool(Arguments(folder.Path("check.pdf"), "5"));
        QCOMPARE(result.code, 0);
        QCOMPARE(result.out,
                 "Check written to " + QDir::toNativeSeparators(folder.Path("check.pdf")) + "\n");
        QVERIFY(folder.ReadBytes("check.pdf").startsWith("%PDF"));
    }

    void pageText_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("figures");
        QTest::newRow("thousands") << "1,234.56"
                                   << "One Thousand Two Hundred Thirty Four Dollars and Fifty Six "
                                      "Cents"
                                   << "$1,234.56";
        QTest::newRow("negative") << "-5.25"
                                  << "Dollars and Cents"
                                  << "($5.25)";
        QTest::newRow("cents only") << "$0.45"
                                    << "No Dollars and Forty Five Cents"
                                    << "$0.45";
    }
    void pageText() {
        QFETCH(QString, amount);
        QFETCH(QString, words);
        QFETCH(QString, figures);
        if (Poppler("pdftotext").isEmpty()) {
            QSKIP("pdftotext (poppler-utils) is not on PATH");
        }
        test::TempFolder folder;
        const QString pdf = folder.Path("check.pdf");
        QCOMPARE(test::RunTool(Arguments(pdf, amount)).code, 0);
        const QString text = RunPoppler("pdftotext", {"-layout", pdf, "-"});
        QVERIFY2(text.contains(words), qPrintable(text));
        QCOMPARE(text.count(figures), 3);
        QCOMPARE(text.count("March 7, 2011"), 3);
        QCOMPARE(text.count("Hollis & Barr"), 3);
        QVERIFY(text.contains("Filing fee"));
    }

    void amountEndsAt795_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("figures");
        QTest::addColumn<double>("offsetX");
        QTest::addColumn<double>("offsetY");
        QTest::newRow("no offset") << "1,234.56"
                                   << "$1,234.56" << 0.0 << 0.0;
        QTest::newRow("right and down") << "1,234.56"
                                        << "$1,234.56" << 0.25 << 0.5;
        QTest::newRow("left and up") << "7"
                                     << "$7.00" << -0.4 << -0.3;
        QTest::newRow("twelve characters, no padding") << "1234567.89"
                                                       << "$1,234,567.89" << 0.0 << 0.0;
    }
    void amountEndsAt795() {
        QFETCH(QString, amount);
        QFETCH(QString, figures);
        QFETCH(double, offsetX);
        QFETCH(double, offsetY);
        if (Poppler("pdftotext").isEmpty()) {
            QSKIP("pdftotext (poppler-utils) is not on PATH");
        }
        const QString face = QFontInfo(QFont("Times New Roman")).family();
        if (face != "Times New Roman" && face != "Liberation Serif") {
            QSKIP(qPrintable("Times New Roman is drawn as " + face +
                             ", whose blanks are of another width (install fonts-liberation)"));
        }
        test::TempFolder folder;
        const QString pdf = folder.Path("check.pdf");
        QStringList arguments = Arguments(pdf, amount);
        arguments << "--offset-x" << QString::number(offsetX) << "--offset-y"
                  << QString::number(offsetY);
        QCOMPARE(test::RunTool(arguments).code, 0);

        const double top = (5.13 + offsetY) * kPointsPerInch;
        const QList<Word> words = Words(pdf);
        const auto figure = std::find_if(words.begin(), words.end(), [&](const Word& w) {
            return w.text == figures && w.xMin > 4 * kPointsPerInch && std::abs(w.yMin - top) < 6;
        });
        QVERIFY2(figure != words.end(), "the check's figures are not on the page");
        const int blanks = std::max<int>(0, 12 - static_cast<int>(figures.size()));
        const double end = figure->xMax + blanks * kBlankWidth;
        const double expected = (7.95 + offsetX) * kPointsPerInch;
        QVERIFY2(
            std::abs(end - expected) <= kTolerance,
            qPrintable(QStringLiteral("ends at %1 pt, expected %2 pt").arg(end).arg(expected)));
    }

#ifdef KIV5_TOOL_PATH
    // The executable as scripts run it: no display, a QGuiApplication of its own.
    void executableWritesThePdf() {
        test::TempFolder folder;
        const QString pdf = folder.Path("check.pdf");
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");
        env.remove("DISPLAY");
        process.setProcessEnvironment(env);
        process.start(KIV5_TOOL_PATH, Arguments(pdf, "1,234.56"));
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(folder.ReadBytes("check.pdf").startsWith("%PDF"));
    }
#endif
};

KIV5_GUI_TEST_MAIN(TestPrintCheck)
#include "tst_PrintCheck.moc"
