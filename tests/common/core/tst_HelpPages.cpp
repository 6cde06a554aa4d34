#include "common/core/HelpPages.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocument>
#include <QtTest>

using namespace kiv5;

namespace {

const QStringList kPrograms{QStringLiteral("pellary5"), QStringLiteral("sumora5"),
                            QStringLiteral("quenby5")};

// The topic numbers the programs' dialogs and messages open.
const QList<QPair<QString, QList<int>>> kTopics{
    {QStringLiteral("pellary5"), {110, 505, 603, 706}},
    {QStringLiteral("sumora5"), {202, 204, 208, 209, 505, 506}},
    {QStringLiteral("quenby5"), {505, 706}},
};

// The pages are checked where they are written, in the source tree (the
// build tree has a folder of the same name for the manual's build).
QString SourceHelpFolder() {
    return QDir::cleanPath(QStringLiteral(QT_TESTCASE_SOURCEDIR) +
                           QStringLiteral("/../../../help"));
}

QString ProgramSource(const QString& program) {
    return SourceHelpFolder() + QLatin1Char('/') + program + QLatin1Char('/');
}

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

QStringList PagesOf(const QString& program) {
    return QDir(ProgramSource(program))
        .entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

QStringList HrefsOf(const QString& html) {
    static const QRegularExpression href(QStringLiteral("href\\s*=\\s*\"([^\"]*)\""),
                                         QRegularExpression::CaseInsensitiveOption);
    QStringList links;
    for (auto it = href.globalMatch(html); it.hasNext();) {
        links.append(it.next().captured(1));
    }
    return links;
}

bool HasAnchor(const QString& html, const QString& anchor) {
    const QString quoted = QLatin1Char('"') + anchor + QLatin1Char('"');
    return html.contains(QStringLiteral("name=") + quoted) ||
           html.contains(QStringLiteral("id=") + quoted);
}

int CountOpening(const QString& html, const QString& tag) {
    const QRegularExpression open(QStringLiteral("<") + tag + QStringLiteral("[\\s>]"),
                                  QRegularExpression::CaseInsensitiveOption);
    int count = 0;
    for (auto it = open.globalMatch(html); it.hasNext(); it.next()) {
        ++count;
    }
    return count;
}

int CountClosing(const QString& html, const QString& tag) {
    return html.count(QStringLiteral("</") + tag + QLatin1Char('>'), Qt::CaseInsensitive);
}

void CopyFolder(const QString& from, const QString& to) {
    QVERIFY(QDir().mkpath(to));
    const QStringList files = QDir(from).entryList(QDir::Files);
    for (const QString& name : files) {
        QVERIFY(QFile::copy(from + QLatin1Char('/') + name, to + QLatin1Char('/') + name));
    }
}

} // namespace

class HelpPagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void everyTopicHasAPage_data();
    void everyTopicHasAPage();
    void everyPageIsInTheContents_data();
    void everyPageIsInTheContents();
    void pagesLoadAndLinksResolve_data();
    void pagesLoadAndLinksResolve();
    void lookupFollowsTheOverrideRoot();
    void lookupWithoutPagesFindsNothing();
    void usualSearchStartsBesideTheProgram();
    void manualIsBuilt();

private:
    test::TempFolder installed_;
    OfficeFolders folders_;
};

void HelpPagesTest::initTestCase() {
    QVERIFY2(QFileInfo(SourceHelpFolder()).isDir(), "help folder of the source tree not found");
    // The installed layout: <root>/<program>/help/*.html.
    for (const QString& program : kPrograms) {
        CopyFolder(ProgramSource(program), installed_.Path(program + QStringLiteral("/help")));
    }
}

void HelpPagesTest::cleanup() {
    folders_ = OfficeFolders{};
}

void HelpPagesTest::everyTopicHasAPage_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("topic");
    for (const auto& [program, topics] : kTopics) {
        for (int topic : topics) {
            QTest::addRow("%s %d", qPrintable(program), topic) << program << topic;
        }
    }
}

void HelpPagesTest::everyTopicHasAPage() {
    QFETCH(QString, program);
    QFETCH(int, topic);
    const QString name = QString::number(topic) + QStringLiteral(".html");
    QVERIFY2(QFileInfo(ProgramSource(program) + name).isFile(), qPrintable(name));

    folders_.helpRoot = installed_.Folder();
    QCOMPARE(HelpPagePath(folders_, program, topic),
             installed_.Folder() + program + QStringLiteral("/help/") + name);
}

void HelpPagesTest::everyPageIsInTheContents_data() {
    QTest::addColumn<QString>("program");
    for (const QString& program : kPrograms) {
        QTest::newRow(qPrintable(program)) << program;
    }
}

void HelpPagesTest::everyPageIsInTheContents() {
    QFETCH(QString, program);
    const QString index = ReadText(ProgramSource(program) + QStringLiteral("index.html"));
    QVERIFY(!index.isEmpty());
    QStringList linked;
    for (const QString& link : HrefsOf(index)) {
        linked.append(link.section(QLatin1Char('#'), 0, 0));
    }
    for (const QString& page : PagesOf(program)) {
        if (page != QLatin1String("index.html")) {
            QVERIFY2(linked.contains(page), qPrintable(page + QStringLiteral(" not in contents")));
        }
    }
}

void HelpPagesTest::pagesLoadAndLinksResolve_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("page");
    for (const QString& program : kPrograms) {
        for (const QString& page : PagesOf(program)) {
            QTest::addRow("%s/%s", qPrintable(program), qPrintable(page))
                << ProgramSource(program) << page;
        }
    }
    QTest::newRow("manual") << SourceHelpFolder() + QStringLiteral("/manual/")
                            << QStringLiteral("kiv5.html");
}

void HelpPagesTest::pagesLoadAndLinksResolve() {
    QFETCH(QString, folder);
    QFETCH(QString, page);
    const QString html = ReadText(folder + page);
    QVERIFY(!html.isEmpty());

    // Self-contained pages: nothing fetched, nothing run.
    for (const char* banned : {"<script", "<link", "<img", "<iframe", "<object", "src="}) {
        QVERIFY2(!html.contains(QLatin1String(banned), Qt::CaseInsensitive), banned);
    }
    for (const char* tag :
         {"html", "head", "body", "title", "style", "table", "tr", "td", "th", "ul", "ol",
          "li",   "p",    "pre",  "h1",    "h2",    "h3",    "a",  "b",  "i",  "tt"}) {
        const QString name = QLatin1String(tag);
        QVERIFY2(CountOpening(html, name) == CountClosing(html, name),
                 qPrintable(QStringLiteral("unbalanced <") + name + QLatin1Char('>')));
    }

    QTextDocument document;
    document.setHtml(html);
    QVERIFY(!document.metaInformation(QTextDocument::DocumentTitle).trimmed().isEmpty());
    QVERIFY(document.toPlainText().trimmed().size() > 100);

    for (const QString& link : HrefsOf(html)) {
        QVERIFY2(!link.contains(QLatin1Char(':')),
                 qPrintable(link + QStringLiteral(" leaves the help")));
        const QString file = link.section(QLatin1Char('#'), 0, 0);
        const QString anchor = link.section(QLatin1Char('#'), 1);
        const QString target = file.isEmpty() ? page : file;
        QVERIFY2(QFileInfo(folder + target).isFile(), qPrintable(link));
        if (!anchor.isEmpty()) {
            QVERIFY2(HasAnchor(ReadText(folder + target), anchor), qPrintable(link));
        }
    }
}

void HelpPagesTest::lookupFollowsTheOverrideRoot() {
    folders_.helpRoot = installed_.Folder();
    const QString pellary = installed_.Folder() + QStringLiteral("pellary5/help/");
    QCOMPARE(HelpSearchFolders(folders_, QStringLiteral("pellary5")), QStringList{pellary});
    QCOMPARE(HelpFolder(folders_, QStringLiteral("Pellary5")), pellary);
    QCOMPARE(HelpContentsPath(folders_, QStringLiteral("pellary5")),
             pellary + QStringLiteral("index.html"));
    // Topic numbers belong to one program.
    QVERIFY(HelpPagePath(folders_, QStringLiteral("sumora5"), 603).isEmpty());
    QVERIFY(HelpPagePath(folders_, QStringLiteral("pellary5"), 9999).isEmpty());
    QVERIFY(HelpPagePath(folders_, QStringLiteral("pellary5"), -1).isEmpty());

    QVERIFY(ManualPath(folders_).isEmpty());
    installed_.WriteBytes(QStringLiteral("kiv5.pdf"), "%PDF-1.4\n");
    QCOMPARE(ManualPath(folders_), installed_.Path(QStringLiteral("kiv5.pdf")));
}

void HelpPagesTest::lookupWithoutPagesFindsNothing() {
    test::TempFolder empty;
    QVERIFY(QDir().mkpath(empty.Path(QStringLiteral("quenby5/help"))));
    empty.WriteBytes(QStringLiteral("quenby5/help/706.html"), "<html></html>");
    folders_.helpRoot = empty.Folder();
    // A folder without contents page does not count as help.
    QVERIFY(HelpFolder(folders_, QStringLiteral("quenby5")).isEmpty());
    QVERIFY(HelpPagePath(folders_, QStringLiteral("quenby5"), 706).isEmpty());
    QVERIFY(HelpContentsPath(folders_, QStringLiteral("quenby5")).isEmpty());
    QVERIFY(HelpFolder(folders_, QStringLiteral("nosuchprogram")).isEmpty());
    for (const char* bad : {"", "../quenby5", "a/b", "a\\b", ".hidden"}) {
        QVERIFY2(HelpSearchFolders(folders_, QLatin1String(bad)).isEmpty(), bad);
    }
}

void HelpPagesTest::usualSearchStartsBesideTheProgram() {
    const QDir app(QCoreApplication::applicationDirPath());
    const QStringList folders = HelpSearchFolders(folders_, QStringLiteral("Sumora5"));
    QVERIFY(folders.size() >= 2);
    QCOMPARE(folders.at(0),
             QDir::cleanPath(app.filePath(QStringLiteral("../share/kiv5/sumora5/help"))) +
                 QLatin1Char('/'));
    QCOMPARE(folders.at(1),
             QDir::cleanPath(app.filePath(QStringLiteral("help/sumora5"))) + QLatin1Char('/'));
}

void HelpPagesTest::manualIsBuilt() {
    // Tests mirror the source tree, so the build root is three levels up.
    const QString share =
        QStringLiteral(QT_TESTCASE_BUILDDIR) + QStringLiteral("/../../../share/kiv5/");
    QFile pdf(share + QStringLiteral("kiv5.pdf"));
    if (!pdf.exists()) {
        QSKIP("kiv5.pdf is not built in this build tree");
    }
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(4) == "%PDF");
    QVERIFY(pdf.size() > 10000);
    for (const QString& program : kPrograms) {
        QVERIFY2(QFileInfo(share + program + QStringLiteral("/help/index.html")).isFile(),
                 qPrintable(program));
    }
}

KIV5_GUI_TEST_MAIN(HelpPagesTest)
#include "tst_HelpPages.moc"
