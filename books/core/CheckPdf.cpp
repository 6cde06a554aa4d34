#include "books/core/CheckPdf.h"

#include "books/core/PainterCanvas.h"
#include "common/core/Exceptions.h"
#include "common/core/FileIo.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace kiv5::books {
namespace {

[[noreturn]] void Fail(const QString& path, const QString& reason) {
    throw IoError(
        QStringLiteral("Cannot write \"%1\": %2").arg(QDir::toNativeSeparators(path), reason));
}

} // namespace

QString CheckPdfFileName(const QString& checkNumber) {
    QString name = checkNumber;
    for (QChar& c : name) {
        if (c.unicode() < 32 || QStringView(u"/\\:*?\"<>|").contains(c)) {
            c = QLatin1Char('_');
        }
    }
    while (name.endsWith(QLatin1Char(' ')) || name.endsWith(QLatin1Char('.'))) {
        name.chop(1);
    }
    return QStringLiteral("Check ") + name + QStringLiteral(".pdf");
}

void WriteCheckPdf(const QString& path, const CheckValues& values, const CheckPageOptions& options,
                   const ErrorSink& errors) {
    AtomicFile file(path);
    if (!file.Open()) {
        Fail(path, file.ErrorString());
    }
    {
        QPdfWriter writer(&file.Device());
        writer.setResolution(kCheckPdfResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        writer.setTitle(QStringLiteral("Check ") + values.checkNumber);
        writer.setCreator(QStringLiteral("sumora5"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.Cancel();
            Fail(path, QStringLiteral("the page cannot be opened for drawing"));
        }
        PainterCanvas canvas(painter);
        PrintCheckPage(canvas, values, options, errors);
        painter.end();
    }
    if (!file.Commit()) {
        Fail(path, file.ErrorString());
    }
}

} // namespace kiv5::books
