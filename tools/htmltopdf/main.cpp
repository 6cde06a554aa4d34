// Build-time tool: turns one HTML file into a US Letter PDF through Qt's rich
// text engine, so the manual needs nothing beyond Qt Gui to build.
//
//     kiv5htmltopdf INPUT.html OUTPUT.pdf

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>

namespace {

// The printer margin; the text engine adds its own 2 cm frame, so the text
// sits a little over an inch from each edge.
constexpr qreal kMarginMillimetres = 6.0;

int Fail(const QString& message) {
    std::fprintf(stderr, "kiv5htmltopdf: %s\n", qPrintable(message));
    return 1;
}

bool ReadHtml(const QString& path, QString& html) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    html = QString::fromUtf8(file.readAll());
    return true;
}

void PrepareWriter(QPdfWriter& writer, const QTextDocument& document) {
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    writer.setCreator(QStringLiteral("KIV5"));
}

} // namespace

int main(int argc, char** argv) {
    // No display is needed at build time.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        return Fail(QStringLiteral("usage: kiv5htmltopdf INPUT.html OUTPUT.pdf"));
    }
    const QString input = arguments.at(1);
    const QString output = arguments.at(2);

    QString html;
    if (!ReadHtml(input, html)) {
        return Fail(QStringLiteral("cannot read ") + input);
    }
    QTextDocument document;
    document.setBaseUrl(QUrl::fromLocalFile(QFileInfo(input).absolutePath() + QLatin1Char('/')));
    document.setHtml(html);

    // Written beside the target and renamed over it, so a failed build never
    // leaves a torn manual behind.
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly)) {
        return Fail(QStringLiteral("cannot write ") + output + QStringLiteral(": ") +
                    file.errorString());
    }
    {
        QPdfWriter writer(&file);
        PrepareWriter(writer, document);
        document.print(&writer);
    }
    if (!file.commit()) {
        return Fail(QStringLiteral("cannot write ") + output + QStringLiteral(": ") +
                    file.errorString());
    }
    return 0;
}
