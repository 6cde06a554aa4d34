#include "clientdb/core/ClientTable.h"
#include "clientdb/core/MemoDisplayLines.h"
#include "clientdb/core/SendFullPO.h"
#include "clientdb/core/SendLaserLabels.h"
#include "clientdb/core/SendPhoneBk.h"
#include "clientdb/core/WrapText.h"
#include "common/core/Cp1252.h"
#include "common/core/Exceptions.h"
#include "common/core/RtfChaining.h"
#include "common/core/RtfTemplateFolder.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QMap>
#include <QRegularExpression>
#include <functional>
#include <memory>

using namespace kiv5;

namespace {

const QString kTemplates = QStringLiteral(KIV5_TEMPLATE_SOURCE_DIR);
const QDateTime kToday(QDate(2025, 3, 7), QTime(9, 30, 0));

enum Document { Labels5160, Labels5163, PhoneBook, FullPrintout };

using SlotMap = QMap<int, QString>;
using Cells = QList<QPair<int, QString>>;

// A client row: record number = row, status as given, client number "C" +
// row, last and first name "L" / "F" + row, then the given cells.
int AddClient(RecordTable& table, const Cells& cells = {}, const QString& status = "0") {
    const int row = table.AppendRow();
    table.SetCell(row, ClientCol::ClientNo, QStringLiteral("C%1").arg(row));
    table.SetCell(row, ClientCol::LastName, QStringLiteral("L%1").arg(row));
    table.SetCell(row, ClientCol::FirstName, QStringLiteral("F%1").arg(row));
    table.SetCell(row, ClientCol::RecNo, QString::number(row));
    table.SetCell(row, ClientCol::Status, status);
    for (const auto& [column, text] : cells) {
        table.SetCell(row, column, text);
    }
    table.ApplyStatusHeight(row);
    return row;
}

RecordTable TableOfStatuses(const QList<int>& statuses) {
    RecordTable table = MakeClientTable();
    for (int status : statuses) {
        AddClient(table, {}, QString::number(status));
    }
    return table;
}

QString ReadLatin(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? FromCp1252(file.readAll()) : QString();
}

int TemplatePage(Document document) {
    return document == Labels5160 ? 0 : document == Labels5163 ? 1 : document == PhoneBook ? 2 : 3;
}

// Reads a written document back: the template's text between its codes is
// found again in every page, and what stands between two such pieces is the
// answer of the code's slot.
class DocumentReader {
public:
    DocumentReader(const QString& documentPath, int templatePage) {
        const QString page = ReadLatin(FindTemplateFile(kTemplates, TemplateRtfName(templatePage)));
        static const QRegularExpression code(QStringLiteral("/[*$%#&@^<+](\\d{1,3})/"));
        qsizetype from = 0;
        for (auto it = code.globalMatch(page); it.hasNext();) {
            const auto match = it.next();
            literals_.append(page.mid(from, match.capturedStart() - from));
            slots_.append(match.captured(1).toInt());
            from = match.capturedEnd();
        }
        QString tail = page.mid(from);
        while (!tail.isEmpty() && QStringLiteral("\r\n }").contains(tail.back())) {
            tail.chop(1);
        }
        literals_.append(tail);
        Split(ReadLatin(documentPath));
    }

    const QList<SlotMap>& Pages() const { return pages_; }
    SlotMap Page(int page) const { return pages_.value(page); }

private:
    void Split(const QString& document) {
        const QString first = literals_.first();
        const QString next = QStringLiteral("\\page ") + StripRTFHeader(first);
        if (!document.startsWith(first)) {
            return;
        }
        qsizetype at = first.size();
        while (at >= 0) {
            qsizetype end = document.indexOf(next, at);
            pages_.append(ReadPage(document.mid(at, end < 0 ? -1 : end - at)));
            at = end < 0 ? -1 : end + next.size();
        }
    }

    SlotMap ReadPage(const QString& text) const {
        SlotMap answers;
        qsizetype at = 0;
        for (qsizetype i = 0; i < slots_.size(); ++i) {
            const qsizetype end = text.indexOf(literals_[i + 1], at);
            if (end < 0) {
                return {{-1, QStringLiteral("piece after slot %1 missing").arg(slots_[i])}};
            }
            answers[slots_[i]] = text.mid(at, end - at);
            at = end + literals_[i + 1].size();
        }
        return answers;
    }

    QStringList literals_;
    QList<int> slots_;
    QList<SlotMap> pages_;
};

// Braces not escaped by a backslash balance, so the document is whole.
bool BracesBalance(const QString& text) {
    int depth = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\')) {
            ++i;
        } else if (text[i] == QLatin1Char('{')) {
            ++depth;
        } else if (text[i] == QLatin1Char('}') && --depth < 0) {
            return false;
        }
    }
    return depth == 0;
}

QString Send(Document document, const ClientDocumentSource& source, TAnswer& answers) {
    switch (document) {
    case Labels5160:
        return SendLaserLabels(source, answers);
    case Labels5163:
        return SendLaserLabels2(source, answers);
    case PhoneBook:
        return SendPhoneBk(source, answers);
    case FullPrintout:
        break;
    }
    return SendFullPO(source, answers);
}

const char* OutputName(Document document) {
    switch (document) {
    case Labels5160:
        return kLaserLabelsFileName;
    case Labels5163:
        return kLaserLabels2FileName;
    case PhoneBook:
        return kPhoneBookFileName;
    case FullPrintout:
        break;
    }
    return kFullPrintoutFileName;
}

const QImage& Device96() {
    static const QImage image = [] {
        QImage i(1, 1, QImage::Format_Mono);
        i.setDotsPerMeterX(3780);
        i.setDotsPerMeterY(3780);
        return i;
    }();
    return image;
}

qreal MemoWidth(const QString& text) {
    QFont font(MemoDisplayFontFamily());
    font.setPointSizeF(kMemoDisplayPointSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return QFontMetricsF(font, &Device96()).horizontalAdvance(text);
}

} // namespace

class TestClientDocuments : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestContext> context_;
    std::unique_ptr<test::TempFolder> folder_;
    MemoList memo_;
    TAnswer answers_{DocumentProgram::Client};

    ClientDocumentSource Source(const RecordTable& table,
                                const QString& fileName = "/data/clients.pl5") const {
        return ClientDocumentSource{table, memo_, fileName, folder_->Folder(), {}, *context_};
    }

    QList<SlotMap> Write(Document document, const ClientDocumentSource& source) {
        const QString path = Send(document, source, answers_);
        if (path != folder_->Path(QString::fromLatin1(OutputName(document)))) {
            return {};
        }
        return DocumentReader(path, TemplatePage(document)).Pages();
    }

private slots:
    void init() {
        context_ = std::make_unique<test::TestContext>(kToday);
        context_->folders.templateFolder = kTemplates;
        folder_ = std::make_unique<test::TempFolder>();
        memo_.clear();
        answers_ = TAnswer(DocumentProgram::Client);
    }
    void cleanup() {
        folder_.reset();
        context_.reset();
    }

    void labelPages_data() {
        QTest::addColumn<int>("document");
        QTest::addColumn<QList<int>>("statuses");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QList<int>>("labelRows"); // rows on the labels, in order
        QList<int> all31(31, 0);
        QList<int> rows31;
        for (int row = 1; row <= 31; ++row) {
            rows31.append(row);
        }
        QTest::newRow("31 active, 30 a sheet") << int(Labels5160) << all31 << 2 << rows31;
        QTest::newRow("30 active, 30 a sheet")
            << int(Labels5160) << all31.mid(1) << 1 << rows31.mid(0, 30);
        QTest::newRow("filtered and deleted get no label")
            << int(Labels5160) << QList<int>{0, -1, 0, -2, 0} << 1 << QList<int>{1, 3, 5};
        QTest::newRow("no file open") << int(Labels5160) << QList<int>{} << 1 << QList<int>{};
        QTest::newRow("11 active, 10 a sheet")
            << int(Labels5163) << all31.mid(20) << 2 << rows31.mid(0, 11);
        QTest::newRow("10 a sheet, deleted first")
            << int(Labels5163) << QList<int>{-2, 0} << 1 << QList<int>{2};
        QTest::newRow("10 a sheet, no file open")
            << int(Labels5163) << QList<int>{} << 1 << QList<int>{};
    }
    void labelPages() {
        QFETCH(int, document);
        QFETCH(QList<int>, statuses);
        QFETCH(int, pages);
        QFETCH(QList<int>, labelRows);
        const RecordTable table = TableOfStatuses(statuses);
        ClientDocumentSource source = Source(table);
        source.returnAddress = {"Law Office", "1 Court St", "", "Reno, NV  89501"};
        const QList<SlotMap> written = Write(Document(document), source);
        QCOMPARE(written.size(), pages);

        const bool small = document == Labels5160;
        const int perPage = small ? 30 : 10;
        const int perLabel = small ? 4 : 8;
        const int address = small ? 0 : 4;
        for (int page = 0; page < pages; ++page) {
            const SlotMap& answered = written[page];
            QVERIFY2(!answered.contains(-1), qPrintable(answered.value(-1)));
            for (int label = 0; label < perPage; ++label) {
                const int i = page * perPage + label;
                const int base = label * perLabel;
                const bool used = i < labelRows.size();
                const QString name = used ? QStringLiteral("F%1 L%1").arg(labelRows[i]) : QString();
                QCOMPARE(answered.value(base + address), name);
                QCOMPARE(answered.value(base + address + 1), used ? ",   " : "");
                if (!small) {
                    QCOMPARE(answered.value(base), used ? "Law Office" : "");
                    QCOMPARE(answered.value(base + 2), "");
                    QCOMPARE(answered.value(base + 3), used ? "Reno, NV  89501" : "");
                }
            }
        }
    }

    void addressBlock_data() {
        QTest::addColumn<Cells>("cells");
        QTest::addColumn<QStringList>("answered");
        const Cells ann{{ClientCol::FirstName, "Ann"},      {ClientCol::LastName, "Lee"},
                        {ClientCol::Address2, "PO Box 7"},  {ClientCol::City, "Reno"},
                        {ClientCol::State, "NV"},           {ClientCol::ZipCode, "89501"},
                        {ClientCol::Company, "Lee & Sons"}, {ClientCol::Phone, "555-0100"}};
        QTest::newRow("no address 1")
            << ann << QStringList{"Ann Lee", "PO Box 7", "Reno, NV  89501", ""};
        Cells full = ann;
        full.append({ClientCol::Address1, "1 Main St"});
        QTest::newRow("every line")
            << full << QStringList{"Ann Lee", "1 Main St", "PO Box 7", "Reno, NV  89501"};
        QTest::newRow("no first name") << Cells{{ClientCol::FirstName, ""},
                                                {ClientCol::LastName, "Acme Corp"},
                                                {ClientCol::Address1, "9 Elm"}}
                                       << QStringList{"Acme Corp", "9 Elm", ",   ", ""};
        QTest::newRow("empty client")
            << Cells{{ClientCol::FirstName, ""}, {ClientCol::LastName, ""}}
            << QStringList{",   ", "", "", ""};
    }
    void addressBlock() {
        QFETCH(Cells, cells);
        QFETCH(QStringList, answered);
        RecordTable table = MakeClientTable();
        AddClient(table, cells);
        for (Document document : {Labels5160, Labels5163}) {
            const QList<SlotMap> written = Write(document, Source(table));
            QCOMPARE(written.size(), 1);
            const int first = document == Labels5160 ? 0 : 4;
            for (int line = 0; line < 4; ++line) {
                QCOMPARE(written[0].value(first + line), answered[line]);
            }
        }
    }

    void phoneBook_data() {
        QTest::addColumn<int>("rowCount"); // header row included
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("shownName");
        QTest::newRow("no file open") << 1 << QString() << 1 << QString();
        QTest::newRow("150 rows") << 150 << "/elsewhere/Clients.PL5" << 1 << "Clients.PL5";
        QTest::newRow("151 rows") << 151 << "C:\\Data\\clients.pl5" << 2 << "clients.pl5";
        QTest::newRow("300 rows") << 300 << "clients.pl5" << 2 << "clients.pl5";
        QTest::newRow("301 rows") << 301 << "clients.pl5" << 3 << "clients.pl5";
    }
    void phoneBook() {
        QFETCH(int, rowCount);
        QFETCH(QString, fileName);
        QFETCH(int, pages);
        QFETCH(QString, shownName);
        RecordTable table = MakeClientTable();
        for (int row = 1; row < rowCount; ++row) {
            // Deleted and filtered clients are listed too.
            const QString status = row % 3 == 1 ? "-2" : row % 3 == 2 ? "-1" : "0";
            AddClient(table, {{ClientCol::Phone, QStringLiteral("555-%1").arg(row)}}, status);
        }
        const QList<SlotMap> written = Write(PhoneBook, Source(table, fileName));
        QCOMPARE(written.size(), pages);
        for (int page = 0; page < pages; ++page) {
            const SlotMap& answered = written[page];
            QVERIFY2(!answered.contains(-1), qPrintable(answered.value(-1)));
            QCOMPARE(answered.value(300), shownName);
            QCOMPARE(answered.value(301), "March 7, 2025");
            QCOMPARE(answered.value(302), QString::number(page + 1));
            QCOMPARE(answered.value(303), QString::number(pages));
            for (int entry = 0; entry < 150; ++entry) {
                const int row = page == 0 ? entry + 1 : page * 150 + entry;
                const bool used = row < rowCount && (page > 0 || entry < 149);
                QCOMPARE(answered.value(2 * entry),
                         used ? QStringLiteral("L%1, F%1").arg(row) : "");
                QCOMPARE(answered.value(2 * entry + 1),
                         used ? QStringLiteral("555-%1").arg(row) : "");
            }
        }
    }

    void fullPrintoutLines_data() {
        QTest::addColumn<QString>("memoColumn");
        QTest::addColumn<QString>("memoLine");
        QTest::addColumn<QStringList>("memoLines"); // lines 4 and on, before the rule
        QTest::newRow("no memo") << QString() << QString() << QStringList{"", ""};
        QTest::newRow("memo column")
            << "Call back" << QString() << QStringList{"\\b Memo:\\b0", "Call back"};
        // The box shows the encoded breaks as text.
        QTest::newRow("line breaks") << "one | two |  | three" << QString()
                                     << QStringList{"\\b Memo:\\b0", "one | two |  | three"};
        QTest::newRow("memo file line first")
            << "short"
            << "the whole memo" << QStringList{"\\b Memo:\\b0", "the whole memo"};
        QTest::newRow("memo file line only")
            << QString() << "kept {here}" << QStringList{"\\b Memo:\\b0", "kept \\{here\\}"};
    }
    void fullPrintoutLines() {
        QFETCH(QString, memoColumn);
        QFETCH(QString, memoLine);
        QFETCH(QStringList, memoLines);
        RecordTable table = MakeClientTable();
        AddClient(table, {{ClientCol::Company, "Lee & Sons"},
                          {ClientCol::Address1, "1 Main St"},
                          {ClientCol::Address2, "PO Box 7"},
                          {ClientCol::City, "Reno"},
                          {ClientCol::State, "NV"},
                          {ClientCol::ZipCode, "89501"},
                          {ClientCol::Phone, "555-0100"},
                          {ClientCol::Cell, "555-0101"},
                          {ClientCol::Fax, "555-0102"},
                          {ClientCol::EMail, "ann@lee.example"},
                          {ClientCol::Note1, "n1"},
                          {ClientCol::Note2, "n2"},
                          {ClientCol::Memo, memoColumn}});
        memo_ = MemoList{QString(), memoLine};
        QStringList expected{
            "\\pard\\tx1440\\tx3600\\tx7200\\tx9000\\b C1\\tab L1, F1\\b0\\tab 1 Main "
            "St\\tab 555-0100\\tab ann@lee.example",
            "\\tab Lee & Sons\\tab PO Box 7\\tab 555-0101\\tab n1",
            "\\tab \\tab Reno, NV  89501\\tab 555-0102\\tab n2"};
        expected += memoLines;
        expected << "\\qc " + QString(150, '-') << QString();
        QCOMPARE(FullPrintoutClientLines(table, 1, memo_), expected);

        const QList<SlotMap> written = Write(FullPrintout, Source(table));
        QCOMPARE(written.size(), 1);
        for (int slot = 0; slot < 50; ++slot) {
            QCOMPARE(written[0].value(slot), expected.value(slot));
        }
    }

    void fullPrintoutPages_data() {
        QTest::addColumn<int>("clients");
        QTest::addColumn<int>("pages");
        QTest::newRow("no file open") << 0 << 1;
        QTest::newRow("seven clients, 49 lines") << 7 << 1;
        QTest::newRow("eight clients, 56 lines") << 8 << 2;
    }
    void fullPrintoutPages() {
        QFETCH(int, clients);
        QFETCH(int, pages);
        // Every status is printed.
        RecordTable table = MakeClientTable();
        for (int i = 0; i < clients; ++i) {
            AddClient(table, {}, i % 2 ? "-2" : "-1");
        }
        const QStringList lines = FullPrintoutLines(table, memo_);
        QCOMPARE(lines.size(), 7 * clients);
        const QList<SlotMap> written = Write(FullPrintout, Source(table));
        QCOMPARE(written.size(), pages);
        for (int page = 0; page < pages; ++page) {
            for (int slot = 0; slot < 50; ++slot) {
                QCOMPARE(written[page].value(slot), lines.value(page * 50 + slot));
            }
        }
    }

    void memoDisplayLines_data() {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<bool>("words");
        QStringList words;
        for (int i = 0; i < 80; ++i) {
            words.append(QStringLiteral("word%1").arg(i, 2, 10, QLatin1Char('0')));
        }
        QTest::newRow("long memo") << words.join(' ') << true;
        QTest::newRow("long memo with a break")
            << words.mid(0, 40).join(' ') + " | " + words.mid(40).join(' ') << true;
        QTest::newRow("one long word") << QString(300, 'm') << false;
    }
    void memoDisplayLines() {
        QFETCH(QString, memo);
        QFETCH(bool, words);
        QCOMPARE(QFontInfo(QFont(MemoDisplayFontFamily())).family(), "Liberation Sans");
        QStringList expected;
        // The whole encoded memo is one paragraph of the box.
        for (const QString& paragraph : QStringList{memo}) {
            const QStringList lines = WrapParagraph(paragraph, MemoDisplayFontFamily(),
                                                    kMemoDisplayPointSize, kMemoDisplayWidth);
            QVERIFY(lines.size() >= 2);
            QCOMPARE(lines.join(words ? " " : ""), paragraph);
            for (qsizetype i = 0; i < lines.size(); ++i) {
                QVERIFY2(MemoWidth(lines[i]) <= kMemoDisplayWidth + 0.5, qPrintable(lines[i]));
                if (i + 1 < lines.size()) {
                    // Each line is as full as the box allows.
                    const QString more = words ? lines[i] + ' ' + lines[i + 1].section(' ', 0, 0)
                                               : lines[i] + lines[i + 1].left(1);
                    QVERIFY2(MemoWidth(more) > kMemoDisplayWidth - 0.5, qPrintable(more));
                }
            }
            expected += lines;
        }
        QCOMPARE(MemoDisplayLines(memo), expected);
    }

    void memoParagraphs() {
        QCOMPARE(MemoDisplayLines(QString()), QStringList());
        QCOMPARE(MemoDisplayLines("a | b"), (QStringList{"a | b"}));
        QCOMPARE(MemoDisplayLines("a |  | b"), (QStringList{"a |  | b"}));
        QCOMPARE(WrapText("x\r\ny\nz", "Arial", 10, 672), (QStringList{"x", "y", "z"}));
        // A narrower box of a bigger font takes more lines.
        const QString text(200, 'n');
        QVERIFY(WrapParagraph(text, "Arial", 20, 336).size() >
                WrapParagraph(text, "Arial", 10, 672).size());
    }

    void escaping_data() {
        QTest::addColumn<int>("document");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("expected");
        const QString first = "Ren\\'e9";
        const QString last = "O\\\\Brien \\{Jr.\\}";
        QTest::newRow("30 a sheet") << int(Labels5160) << 0 << first + " " + last;
        QTest::newRow("10 a sheet") << int(Labels5163) << 4 << first + " " + last;
        QTest::newRow("return address") << int(Labels5163) << 0 << "\\\\\\{Office\\}";
        QTest::newRow("phone book") << int(PhoneBook) << 0 << last + ", " + first;
        QTest::newRow("phone book file name") << int(PhoneBook) << 300 << "caf\\'e9 \\{1\\}.pl5";
        QTest::newRow("full printout") << int(FullPrintout) << 0
                                       << "\\pard\\tx1440\\tx3600\\tx7200\\tx9000\\b C1\\tab " +
                                              last + ", " + first + "\\b0\\tab \\\\x\\tab \\tab ";
        QTest::newRow("memo") << int(FullPrintout) << 4 << "\\{b\\}\\\\par \\'e9";
    }
    void escaping() {
        QFETCH(int, document);
        QFETCH(int, slot);
        QFETCH(QString, expected);
        RecordTable table = MakeClientTable();
        AddClient(table, {{ClientCol::LastName, "O\\Brien {Jr.}"},
                          {ClientCol::FirstName, QString::fromUtf8("René")},
                          {ClientCol::Address1, "\\x"},
                          {ClientCol::Memo, QString::fromUtf8("{b}\\par é")}});
        ClientDocumentSource source = Source(table, QString::fromUtf8("/data/café {1}.pl5"));
        source.returnAddress.ReturnName = "\\{Office}";
        const QList<SlotMap> written = Write(Document(document), source);
        QCOMPARE(written.size(), 1);
        QCOMPARE(written[0].value(slot), expected);
        QFile file(folder_->Path(QString::fromLatin1(OutputName(Document(document)))));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(std::all_of(bytes.begin(), bytes.end(), [](char c) { return c > 0; }));
        QVERIFY(BracesBalance(QString::fromLatin1(bytes)));
    }

    void missingTemplate_data() {
        QTest::addColumn<int>("document");
        QTest::addColumn<bool>("withDat");
        QTest::addColumn<bool>("earlierOutput");
        for (Document document : {Labels5160, Labels5163, PhoneBook, FullPrintout}) {
            const QByteArray name = OutputName(document);
            QTest::newRow(name + ", no files") << int(document) << false << false;
            QTest::newRow(name + ", DAT only, earlier output") << int(document) << true << true;
        }
    }
    void missingTemplate() {
        QFETCH(int, document);
        QFETCH(bool, withDat);
        QFETCH(bool, earlierOutput);
        test::TempFolder templates;
        if (withDat) {
            const QString dat = TemplateDatName(TemplatePage(Document(document)));
            QVERIFY(QFile::copy(FindTemplateFile(kTemplates, dat), templates.Path(dat)));
        }
        const QString output = QString::fromLatin1(OutputName(Document(document)));
        if (earlierOutput) {
            folder_->WriteBytes(output, "earlier");
        }
        RecordTable table = MakeClientTable();
        AddClient(table);
        context_->folders.templateFolder = templates.Folder();
        const ClientDocumentSource source = Source(table);
        QVERIFY_THROWS_EXCEPTION(IoError, Send(Document(document), source, answers_));
        QCOMPARE(folder_->Exists(output), earlierOutput);
        if (earlierOutput) {
            QCOMPARE(folder_->ReadBytes(output), QByteArray("earlier"));
        }
        QCOMPARE(QDir(folder_->Folder()).entryList(QDir::Files).size(), earlierOutput ? 1 : 0);
    }

    void statusThatDoesNotRead() {
        RecordTable table = MakeClientTable();
        AddClient(table);
        AddClient(table, {}, "x");
        for (Document document : {Labels5160, Labels5163}) {
            QVERIFY_THROWS_EXCEPTION(ConversionError, Send(document, Source(table), answers_));
            QVERIFY(!folder_->Exists(QString::fromLatin1(OutputName(document))));
        }
        // The lists of every client need no status.
        QCOMPARE(Write(PhoneBook, Source(table)).size(), 1);
    }
};

KIV5_GUI_TEST_MAIN(TestClientDocuments)
#include "tst_ClientDocuments.moc"
