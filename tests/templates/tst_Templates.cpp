#include "common/core/Cp1252.h"
#include "common/core/TextFile.h"
#include "tests/support/TestMain.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <numeric>

using namespace kiv5;

namespace {

struct SlotRange {
    int first;
    int last;
};

// What each installed template must carry: its folder in the source tree,
// the folder it is installed to, its last answer slot and the slots the
// program fills.
struct TemplateSpec {
    const char* folder;
    const char* program;
    int page;
    int lastSlot;
    QList<SlotRange> required;
};

const QList<TemplateSpec>& Templates() {
    static const QList<TemplateSpec> specs = {
        {"clientdb", "pellary5", 0, 150, {{0, 119}}},
        {"clientdb", "pellary5", 1, 150, {{0, 79}}},
        {"clientdb", "pellary5", 2, 325, {{0, 303}}},
        {"clientdb", "pellary5", 3, 150, {{0, 49}}},
        {"billing", "quenby5", 0, 150, {{0, 97}}},
        {"billing", "quenby5", 1, 200, {{0, 161}, {172, 174}, {199, 199}}},
        {"billing", "quenby5", 2, 100, {{0, 50}}},
        {"billing", "quenby5", 3, 100, {{0, 50}}},
        {"billing", "quenby5", 4, 100, {{0, 49}}},
    };
    return specs;
}

bool IsBilling(const TemplateSpec& spec) {
    return QLatin1String(spec.folder) == QLatin1String("billing");
}

const QString Marker = QStringLiteral("\\'b7");

QString SourcePath(const TemplateSpec& spec, const QString& name) {
    return QStringLiteral(KIV5_TEMPLATE_SOURCE_DIR) + QLatin1String(spec.folder) +
           QLatin1Char('/') + name;
}

QString RtfName(const TemplateSpec& spec) {
    return QStringLiteral("page%1.rtf").arg(spec.page);
}

QString DatName(const TemplateSpec& spec) {
    return QStringLiteral("PAGE%1.DAT").arg(spec.page);
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

QString ReadRtf(const TemplateSpec& spec) {
    return FromCp1252(ReadBytes(SourcePath(spec, RtfName(spec))));
}

// The code character the program uses for a DAT type code; a null character
// when the slot has no code. The billing program derives its codes from the
// DAT; the client program reads the character in the template, whose DAT
// type must name the same kind.
QChar CodeChar(bool billing, int type) {
    if (billing) {
        switch (type) {
        case 2:
            return u'$';
        case 3:
            return u'%';
        case 4:
            return u'+';
        case 5:
            return u'&';
        case 6:
            return u'@';
        case 7:
            return {};
        case 9:
            return u'<';
        default:
            return u'*';
        }
    }
    switch (type) {
    case 0:
        return u'*';
    case 2:
        return u'$';
    case 3:
        return u'%';
    case 4:
        return u'#';
    case 5:
        return u'&';
    case 6:
        return u'@';
    case 7:
        return u'^';
    case 8:
        return u'<';
    default:
        return {};
    }
}

struct DatLine {
    int slot = 0;
    int type = 0;
    double wrap = 0;
};

// Lines of seven blank-separated numbers: int int int real real real int.
QList<DatLine> ReadDat(const TemplateSpec& spec, QString* fault) {
    static const QRegularExpression line(
        QStringLiteral(R"(^(-?\d+) (-?\d+) -?\d+ -?\d+(?:\.\d+)? -?\d+(?:\.\d+)? )"
                       R"((-?\d+(?:\.\d+)?) -?\d+$)"));
    QList<DatLine> lines;
    const QStringList texts = ReadTextLines(SourcePath(spec, DatName(spec)));
    for (int i = 0; i < texts.size(); ++i) {
        const auto match = line.match(texts[i]);
        if (!match.hasMatch()) {
            *fault = QStringLiteral("line %1 does not read: %2").arg(i).arg(texts[i]);
            return lines;
        }
        lines.append(
            {match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toDouble()});
    }
    return lines;
}

QSet<int> RequiredSlots(const TemplateSpec& spec) {
    QSet<int> result;
    for (const SlotRange& range : spec.required) {
        for (int slot = range.first; slot <= range.last; ++slot) {
            result.insert(slot);
        }
    }
    return result;
}

// Brace depth before each position, escaped braces and backslashes skipped.
// Returns false when a group closes that was never opened.
bool BraceDepths(const QString& text, QList<int>* depths, int* finalDepth) {
    int depth = 0;
    depths->resize(text.size() + 1);
    for (qsizetype i = 0; i < text.size(); ++i) {
        (*depths)[i] = depth;
        const QChar c = text[i];
        if (c == u'\\' && i + 1 < text.size()) {
            (*depths)[i + 1] = depth;
            ++i;
        } else if (c == u'{') {
            ++depth;
        } else if (c == u'}') {
            if (--depth < 0) {
                return false;
            }
        }
    }
    (*depths)[text.size()] = depth;
    *finalDepth = depth;
    return true;
}

// The text of the group that starts with the given opening, braces included.
QString Group(const QString& text, const QString& opening) {
    const qsizetype start = text.indexOf(opening);
    if (start < 0) {
        return {};
    }
    int depth = 0;
    for (qsizetype i = start; i < text.size(); ++i) {
        if (text[i] == u'\\') {
            ++i;
        } else if (text[i] == u'{') {
            ++depth;
        } else if (text[i] == u'}' && --depth == 0) {
            return text.mid(start, i - start + 1);
        }
    }
    return {};
}

// Appends a further page the way the programs chain pages: the page loses
// its header up to the marker and its closing brace, the document its
// closing brace, and a page break joins them.
QString ChainPage(QString document, QString page) {
    QString body = page.mid(page.indexOf(Marker) + Marker.size());
    while (!body.isEmpty() && (body.back() == u'\r' || body.back() == u'\n' || body.back() == u' '))
        body.chop(1);
    body.chop(1);
    while (!document.isEmpty() && QStringLiteral("\r\n '").contains(document.back()))
        document.chop(1);
    document.chop(1);
    return document + QStringLiteral("\\page ") + body + QLatin1Char('}');
}

const QRegularExpression& CodePattern() {
    static const QRegularExpression code(QStringLiteral(R"(/([*$%#&@^<+])(\d{1,3})/)"));
    return code;
}

} // namespace

class TestTemplates : public QObject {
    Q_OBJECT

private:
    static void AddTemplateRows() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < Templates().size(); ++i) {
            const TemplateSpec& spec = Templates()[i];
            QTest::newRow(qPrintable(QStringLiteral("%1 page %2").arg(spec.folder).arg(spec.page)))
                << i;
        }
    }

private slots:
    void document_data() { AddTemplateRows(); }
    void document() {
        QFETCH(int, index);
        const TemplateSpec& spec = Templates()[index];
        const QString rtf = ReadRtf(spec);
        QVERIFY2(rtf.startsWith(QLatin1String("{\\rtf1")), "not an RTF document");
        const qsizetype marker = rtf.indexOf(Marker);
        QVERIFY2(marker > 0, "no header marker");

        QList<int> depths;
        int finalDepth = -1;
        QVERIFY2(BraceDepths(rtf, &depths, &finalDepth), "a brace closes an unopened group");
        QCOMPARE(finalDepth, 0);
        // Only the document group is open at the marker, so a chained body
        // stands on its own under the first page's header.
        QCOMPARE(depths[marker], 1);
        const QString trimmed = rtf.trimmed();
        QVERIFY(trimmed.endsWith(u'}'));
        for (qsizetype i = marker; i < trimmed.size() - 1; ++i) {
            QVERIFY2(depths[i] >= 1, "the document group closes before the end");
        }

        const QString chained = ChainPage(ChainPage(rtf, rtf), rtf);
        QVERIFY(BraceDepths(chained, &depths, &finalDepth));
        QCOMPARE(finalDepth, 0);
        QCOMPARE(chained.count(QLatin1String("\\fonttbl")), 1);
        QCOMPARE(chained.count(QLatin1String("\\page ")), 2);
    }

    void fontsAndColours_data() { AddTemplateRows(); }
    void fontsAndColours() {
        QFETCH(int, index);
        const TemplateSpec& spec = Templates()[index];
        const QString rtf = ReadRtf(spec);
        const QString header = rtf.left(rtf.indexOf(Marker));
        const QString fonts = Group(header, QStringLiteral("{\\fonttbl"));
        const QString colours = Group(header, QStringLiteral("{\\colortbl"));
        QVERIFY2(!fonts.isEmpty(), "no font table in the header");
        QVERIFY2(!colours.isEmpty(), "no colour table in the header");

        // Money answers that were overridden are set in \cf1.
        const QStringList entries =
            colours.mid(10, colours.size() - 11).split(u';', Qt::KeepEmptyParts);
        QVERIFY(entries.size() > 2);
        QCOMPARE(entries[0].trimmed(), QString());
        QCOMPARE(entries[1].trimmed(), QStringLiteral("\\red255\\green0\\blue0"));

        const bool checkBoxes = rtf.contains(QLatin1String("/&"));
        if (checkBoxes) {
            static const QRegularExpression wingdings(
                QStringLiteral(R"(\{\\f\d{1,3}\\fnil\\fcharset2 Wingdings;\})"));
            QVERIFY2(fonts.contains(wingdings), "check boxes without Wingdings");
        }

        // Every page of a program lives under the first page's header.
        const TemplateSpec& first = Templates()[index - spec.page];
        const QString firstRtf = ReadRtf(first);
        const QString firstHeader = firstRtf.left(firstRtf.indexOf(Marker));
        QCOMPARE(fonts, Group(firstHeader, QStringLiteral("{\\fonttbl")));
        QCOMPARE(colours, Group(firstHeader, QStringLiteral("{\\colortbl")));
        if (IsBilling(spec)) {
            // Bills and statements share one document and so one page set-up.
            QCOMPARE(header, firstHeader);
        }
    }

    void fontSizes_data() { AddTemplateRows(); }
    void fontSizes() {
        QFETCH(int, index);
        const QString rtf = ReadRtf(Templates()[index]);
        // The size scan reads digits up to a backslash, blank or brace.
        static const QRegularExpression size(QStringLiteral(R"(\\fs(\d+)(.|$))"),
                                             QRegularExpression::DotMatchesEverythingOption);
        int found = 0;
        for (const auto& match : size.globalMatch(rtf)) {
            ++found;
            QVERIFY2(QStringLiteral("\\ {}").contains(match.captured(2)) &&
                         !match.captured(2).isEmpty(),
                     qPrintable(QStringLiteral("\\fs%1 ends in '%2'")
                                    .arg(match.captured(1), match.captured(2))));
        }
        QVERIFY(found > 0);
    }

    void datFile_data() { AddTemplateRows(); }
    void datFile() {
        QFETCH(int, index);
        const TemplateSpec& spec = Templates()[index];
        QString fault;
        const QList<DatLine> lines = ReadDat(spec, &fault);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QCOMPARE(lines.size(), spec.lastSlot + 1);
        for (int i = 0; i < lines.size(); ++i) {
            QCOMPARE(lines[i].slot, i);
            if (!IsBilling(spec)) {
                QVERIFY2(
                    !CodeChar(false, lines[i].type).isNull(),
                    qPrintable(QStringLiteral("slot %1 has type %2").arg(i).arg(lines[i].type)));
            }
        }
    }

    void slotCodes_data() { AddTemplateRows(); }
    void slotCodes() {
        QFETCH(int, index);
        const TemplateSpec& spec = Templates()[index];
        const bool billing = IsBilling(spec);
        const QString rtf = ReadRtf(spec);
        QString fault;
        const QList<DatLine> lines = ReadDat(spec, &fault);
        QCOMPARE(lines.size(), spec.lastSlot + 1);
        const qsizetype bodyStart = rtf.indexOf(Marker);

        QHash<int, int> occurrences;
        for (const auto& match : CodePattern().globalMatch(rtf)) {
            const int slot = match.captured(2).toInt();
            const QString where = QStringLiteral("code %1").arg(match.captured(0));
            QVERIFY2(match.capturedStart() > bodyStart, qPrintable(where + " in the header"));
            QVERIFY2(slot <= spec.lastSlot, qPrintable(where + " beyond the last slot"));
            QVERIFY2(
                QChar(match.captured(1)[0]) == CodeChar(billing, lines[slot].type),
                qPrintable(where + QStringLiteral(" against DAT type %1").arg(lines[slot].type)));
            ++occurrences[slot];
        }
        // A slash, a type character and a digit always start a whole code;
        // the client program would take anything else for a broken one.
        static const QRegularExpression start(QStringLiteral(R"(/[*$%#&@^<+]\d)"));
        QCOMPARE(rtf.count(start),
                 qsizetype(std::accumulate(occurrences.begin(), occurrences.end(), 0)));

        for (const int slot : RequiredSlots(spec)) {
            QVERIFY2(occurrences.value(slot) == 1,
                     qPrintable(QStringLiteral("slot %1 occurs %2 times")
                                    .arg(slot)
                                    .arg(occurrences.value(slot))));
        }
        for (int slot = 0; slot <= spec.lastSlot; ++slot) {
            // The billing program replaces only the first occurrence of a code.
            QVERIFY(occurrences.value(slot) <= 1);
            if (billing && CodeChar(true, lines[slot].type).isNull()) {
                QVERIFY(!occurrences.contains(slot));
            }
        }
    }

    void statementColumnHoldsWrappedLines() {
        // The program breaks descriptions into rows at Trunc(96 x 4.98 x 0.95)
        // = 454 pixels of 10-point Arial Narrow; narrower text cells would
        // wrap the rows again and push the 54 rows off the page.
        const TemplateSpec& spec = Templates()[5];
        QCOMPARE(spec.page, 1);
        QString fault;
        const QList<DatLine> lines = ReadDat(spec, &fault);
        QCOMPARE(lines.size(), spec.lastSlot + 1);
        const QString rtf = ReadRtf(spec);
        for (int k = 0; k < 54; ++k) {
            QVERIFY2(lines[3 * k + 1].wrap >= 454.0 / 96.0,
                     qPrintable(QStringLiteral("row %1: %2 in").arg(k).arg(lines[3 * k + 1].wrap)));
            QVERIFY(rtf.contains(QStringLiteral("\\f4\\fs20 /*%1/").arg(3 * k + 1)));
        }
        QVERIFY(rtf.contains(QLatin1String("{\\f4\\fswiss\\fcharset0 Arial Narrow;}")));
    }

    void buildCopies_data() { AddTemplateRows(); }
    void buildCopies() {
        QFETCH(int, index);
        const TemplateSpec& spec = Templates()[index];
        for (const QString& name : {RtfName(spec), DatName(spec)}) {
            const QString copy = QStringLiteral(KIV5_TEMPLATE_BUILD_DIR) +
                                 QLatin1String(spec.program) + QLatin1Char('/') + name;
            const QByteArray bytes = ReadBytes(copy);
            QVERIFY2(!bytes.isEmpty(), qPrintable(copy + QLatin1String(" is missing")));
            QCOMPARE(bytes, ReadBytes(SourcePath(spec, name)));
        }
    }
};

KIV5_CORE_TEST_MAIN(TestTemplates)
#include "tst_Templates.moc"
