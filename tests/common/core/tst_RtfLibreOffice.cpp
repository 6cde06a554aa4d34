// Documents written by the RTF engine, opened by LibreOffice Writer: the text
// a reader sees and the number of pages. Skipped where LibreOffice is not
// installed.

#include "common/core/Answers.h"
#include "common/core/RtfDocument.h"
#include "common/core/RtfEscape.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestOffice.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace kiv5;

namespace {

constexpr int kConversionWaitMs = 240000;

QByteArray TemplateRtf(const QByteArray& body) {
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}"
           "{\\f1\\fnil\\fcharset2 Wingdings;}}\r\n"
           "\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1440\\margb1440\r\n"
           "\\pard\\plain\\f0\\fs24\\v\\'b7\\v0 " +
           body + "\\par\r\n}\r\n";
}

QByteArray DatLines(int count) {
    QByteArray dat;
    for (int i = 0; i < count; ++i) {
        dat += QByteArray::number(i) + " 0 0 0.0 0.0 0.0 0\r\n";
    }
    return dat;
}

int CountPdfPages(const QString& pdf) {
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (!pdfinfo.isEmpty()) {
        QProcess process;
        process.start(pdfinfo, {pdf});
        process.waitForFinished(kConversionWaitMs);
        const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                               .match(QString::fromLatin1(process.readAllStandardOutput()));
        if (match.hasMatch()) {
            return match.captured(1).toInt();
        }
    }
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QString bytes = QString::fromLatin1(file.readAll());
    return static_cast<int>(
        bytes.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))));
}

} // namespace

class TestRtfLibreOffice : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (!office_.IsInstalled()) {
            QSKIP("soffice is not on PATH");
        }
    }

    void clientNameShownExactly_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("braces, backslash, accent") << QStringLiteral("Ren\u00e9e {O'Hara} \\ Sons");
        QTest::newRow("looks like RTF") << QStringLiteral("\\b bold{\\i x} /*1/ & \u20ac5");
    }
    void clientNameShownExactly() {
        QFETCH(QString, name);
        test::TempFolder folder;
        folder.WriteBytes(QStringLiteral("page0.rtf"), TemplateRtf("Name: /*0/ End"));
        folder.WriteBytes(QStringLiteral("PAGE0.DAT"), DatLines(151));
        TAnswer answers(DocumentProgram::Client);
        answers.SetAnswer(0, 0, EscapeRtf(name));
        answers.SetAnswer(0, 1, QStringLiteral("never shown"));
        RtfDocument document(answers, folder.Folder(), ErrorSink());
        document.TransferDocument(0);
        const QString path = folder.Path(QStringLiteral("Full Printout.RTF"));
        document.Write(path);

        const QString text = office_.Convert(path, QStringLiteral("txt:Text (encoded):UTF8"),
                                             QStringLiteral(".txt"));
        QVERIFY2(!text.isEmpty(), office_.Output().constData());
        QFile file(text);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString shown = QString::fromUtf8(file.readAll());
        QVERIFY2(shown.contains(QStringLiteral("Name: ") + name + QStringLiteral(" End")),
                 qPrintable(shown));
    }

    void chainedPagesArePages() {
        test::TempFolder folder;
        folder.WriteBytes(QStringLiteral("page2.rtf"),
                          TemplateRtf("{\\b Phone book} page /*302/ of /*303/\\par /*0/ /&1/"));
        folder.WriteBytes(QStringLiteral("page2.dat"), DatLines(326));
        TAnswer answers(DocumentProgram::Client);
        RtfDocument document(answers, folder.Folder(), ErrorSink());
        for (int page = 1; page <= 3; ++page) {
            answers.ClearPage(2, 325);
            answers.SetAnswer(2, 302, QString::number(page));
            answers.SetAnswer(2, 303, QStringLiteral("3"));
            answers.SetAnswer(2, 0, EscapeRtf(QStringLiteral("Lee, Ann {%1}").arg(page)));
            answers.SetAnswer(2, 1, page == 2 ? QStringLiteral("X") : QString());
            document.AppendRTFFile(2);
        }
        const QString path = folder.Path(QStringLiteral("Phonebook.RTF"));
        document.Write(path);

        const QString pdf = office_.Convert(path, QStringLiteral("pdf"), QStringLiteral(".pdf"));
        QVERIFY2(!pdf.isEmpty(), office_.Output().constData());
        QCOMPARE(CountPdfPages(pdf), 3);

        const QString text = office_.Convert(path, QStringLiteral("txt:Text (encoded):UTF8"),
                                             QStringLiteral(".txt"));
        QVERIFY2(!text.isEmpty(), office_.Output().constData());
        QFile file(text);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString shown = QString::fromUtf8(file.readAll());
        for (int page = 1; page <= 3; ++page) {
            QVERIFY2(shown.contains(QStringLiteral("page %1 of 3").arg(page)), qPrintable(shown));
            QVERIFY2(shown.contains(QStringLiteral("Lee, Ann {%1}").arg(page)), qPrintable(shown));
        }
        QVERIFY(!shown.contains(QLatin1String("/*")));
    }

private:
    test::TestOffice office_;
};

KIV5_CORE_TEST_MAIN(TestRtfLibreOffice)
#include "tst_RtfLibreOffice.moc"
