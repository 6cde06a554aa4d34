// Build-time tool: turns one HTML file into a US Letter PDF through Qt's rich
// text engine, so the manual needs nothing beyond Qt Gui to build.
//
//     kiv5htmltopdf INPUT.html OUTPUT.pdf

#include "common/core/Exceptions.h"
#include "common/core/FileIo.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
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
    try {
        html = QString::fromUtf8(kiv5::ReadFileBytes(input));
    } catch (const kiv5::IoError& error) {
        return Fail(error.Message());
    }
    QTextDocument document;
    document.setBaseUrl(QUrl::fromLocalFile(QFileInfo(input).absolutePath() + QLatin1Char('/')));
    document.setHtml(html);

    // Written beside the target and renamed over it, so a failed build never
    // leaves a torn manual behind.
    kiv5::AtomicFile file(output);
    if (!file.Open()) {
        return Fail(QStringLiteral("cannot write ") + output + QStringLiteral(": ") +
                    file.ErrorString());
    }
    {
        QPdfWriter writer(&file.Device());
        PrepareWriter(writer, document);
        document.print(&writer);
    }
    if (!file.Commit()) {
        return Fail(QStringLiteral("cannot write ") + output + QStringLiteral(": ") +
                    file.ErrorString());
    }
    return 0;
}
