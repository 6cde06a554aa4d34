#pragma once

// What the check-printing tests share: a launcher that records what it was
// asked to open, printers that write PDF files, and the words of a PDF page
// read back with poppler's pdftotext.

#include "books/checks/CheckPrinters.h"
#include "common/ui/Launcher.h"

#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

namespace kiv5::test {

struct RecordingOpen {
    bool openResult = true;
    QList<QUrl> opened;

    ui::Launcher MakeLauncher() {
        return ui::Launcher([](const QString&, const QString&) {},
                            ui::LaunchPlatform{[](const QString&) { return QString(); },
                                               [](const QString&, const QStringList&,
                                                  const QString&) { return ui::LAUNCH_OK; },
                                               [this](const QUrl& url) {
                                                   opened.append(url);
                                                   return openResult;
                                               }});
    }
};

inline ui::CheckPrinters NoPrinter() {
    return {[] { return std::unique_ptr<QPrinter>(); }};
}

// A printer that prints into a PDF file, as a spooler would print the page.
inline ui::CheckPrinters PdfPrinter(const QString& path) {
    return {[path] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        return printer;
    }};
}

inline bool HasPdfToText() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

// The page's text as pdftotext -layout gives it.
inline QString PdfText(const QString& pdf) {
    QProcess process;
    process.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The left edge, in points, of the first word that is exactly `text`; -1
// when there is none.
inline double WordLeft(const QString& pdf, const QString& text) {
    QProcess process;
    process.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
                  {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    const QString xml = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)"[^>]*>([^<]*)</word>)re"));
    for (const auto& m : word.globalMatch(xml)) {
        if (m.captured(2) == text) {
            return m.captured(1).toDouble();
        }
    }
    return -1;
}

} // namespace kiv5::test
