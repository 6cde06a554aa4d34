#include "clientdb/core/WrapText.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QTextLayout>
#include <QTextOption>

namespace kiv5 {
namespace {

// A paint device at exactly 96 dpi: fonts measured against it get 4/3 pixels
// a point, whatever the screen says. 3780 dots a metre is 96.01 dpi, which Qt
// reports as 96.
const QImage& Device96Dpi() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_Mono);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        return image;
    }();
    return device;
}

QFont MeasureFont(const QString& family, qreal pointSize) {
    QFont font(family);
    font.setPointSizeF(pointSize);
    // Unhinted outlines and no kerning, as a plain text box sets text: the
    // advances then scale with the size alone.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

QString WithoutTrailingBlanks(QString line) {
    qsizetype end = line.size();
    while (end > 0 && line[end - 1].isSpace()) {
        --end;
    }
    line.truncate(end);
    return line;
}

} // namespace

QStringList WrapParagraph(const QString& paragraph, const QString& fontFamily, qreal pointSize,
                          qreal widthInPixels) {
    if (paragraph.isEmpty() ||
        qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return {WithoutTrailingBlanks(paragraph)};
    }
    QTextLayout layout(paragraph, MeasureFont(fontFamily, pointSize), &Device96Dpi());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setUseDesignMetrics(true);
    layout.setTextOption(option);

    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(widthInPixels);
        lines.append(WithoutTrailingBlanks(paragraph.mid(line.textStart(), line.textLength())));
    }
    layout.endLayout();
    if (lines.isEmpty()) {
        lines.append(QString());
    }
    return lines;
}

QStringList WrapText(const QString& text, const QString& fontFamily, qreal pointSize,
                     qreal widthInPixels) {
    QString unified = text;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    unified.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines;
    const QStringList paragraphs = unified.split(QLatin1Char('\n'));
    for (const QString& paragraph : paragraphs) {
        lines += WrapParagraph(paragraph, fontFamily, pointSize, widthInPixels);
    }
    return lines;
}

} // namespace kiv5
