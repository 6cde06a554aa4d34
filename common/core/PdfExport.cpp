#include "common/core/PdfExport.h"

#include "common/core/Exceptions.h"
#include "common/core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace kiv5 {
namespace {

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString FindProgram(const QString& program) {
    if (QFileInfo(program).isAbsolute() || program.contains(QLatin1Char('/'))) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(program);
}

PdfExportOutcome Failure(PdfExportOutcome::Kind kind, const QString& message) {
    PdfExportOutcome outcome;
    outcome.kind = kind;
    outcome.message = message;
    return outcome;
}

QString NotWrittenText(const QString& pdfPath, const QString& reason) {
    return QStringLiteral("The PDF %1 was not written: %2").arg(Native(pdfPath), reason);
}

// Runs the conversion into workFolder; the process's own words when it fails.
QString Convert(const QString& program, const QString& documentPath, const QString& workFolder,
                int timeoutMs) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    const QString profile =
        QUrl::fromLocalFile(workFolder + QStringLiteral("/profile")).toString(QUrl::FullyEncoded);
    process.start(program,
                  {QStringLiteral("-env:UserInstallation=") + profile, QStringLiteral("--headless"),
                   QStringLiteral("--norestore"), QStringLiteral("--convert-to"),
                   QStringLiteral("pdf"), QStringLiteral("--outdir"),
                   workFolder + QStringLiteral("/out"), documentPath});
    if (!process.waitForStarted(timeoutMs)) {
        return QStringLiteral("LibreOffice could not be started (%1).").arg(process.errorString());
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
        return QStringLiteral("LibreOffice did not finish within %1 seconds.")
            .arg(timeoutMs / 1000);
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString said = QString::fromLocal8Bit(process.readAll()).trimmed();
        return QStringLiteral("LibreOffice stopped with code %1%2")
            .arg(process.exitCode())
            .arg(said.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + said);
    }
    return {};
}

} // namespace

QString PdfPathFor(const QString& documentPath) {
    const QFileInfo info(documentPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".pdf"));
}

bool PdfExportAvailable(const PdfExportOptions& options) {
    return !FindProgram(options.program).isEmpty();
}

PdfExportOutcome ExportPdf(const QString& documentPath, const PdfExportOptions& options) {
    const QString pdfPath = PdfPathFor(documentPath);
    const QString program = FindProgram(options.program);
    if (program.isEmpty()) {
        return Failure(PdfExportOutcome::Kind::NotInstalled,
                       NotWrittenText(pdfPath, QStringLiteral("LibreOffice is not installed (no "
                                                              "\"%1\" program was found).")
                                                   .arg(options.program)));
    }
    if (!QFileInfo(documentPath).isFile()) {
        return Failure(PdfExportOutcome::Kind::Failed,
                       NotWrittenText(pdfPath, QStringLiteral("the document %1 does not exist.")
                                                   .arg(Native(documentPath))));
    }
    QTemporaryDir work;
    if (!work.isValid()) {
        return Failure(
            PdfExportOutcome::Kind::Failed,
            NotWrittenText(pdfPath,
                           QStringLiteral("no temporary folder (%1).").arg(work.errorString())));
    }
    const QString error = Convert(program, QFileInfo(documentPath).absoluteFilePath(), work.path(),
                                  options.timeoutMs);
    if (!error.isEmpty()) {
        return Failure(PdfExportOutcome::Kind::Failed, NotWrittenText(pdfPath, error));
    }
    QFile made(work.path() + QStringLiteral("/out/") + QFileInfo(pdfPath).fileName());
    if (!made.open(QIODevice::ReadOnly)) {
        return Failure(PdfExportOutcome::Kind::Failed,
                       NotWrittenText(pdfPath, QStringLiteral("LibreOffice made no PDF of it.")));
    }
    const QByteArray bytes = made.readAll();
    if (!bytes.startsWith("%PDF")) {
        return Failure(PdfExportOutcome::Kind::Failed,
                       NotWrittenText(pdfPath, QStringLiteral("LibreOffice made no PDF of it.")));
    }
    try {
        WriteFileAtomically(pdfPath, bytes);
    } catch (const IoError& e) {
        return Failure(PdfExportOutcome::Kind::Failed, NotWrittenText(pdfPath, e.Message()));
    }
    PdfExportOutcome outcome;
    outcome.kind = PdfExportOutcome::Kind::Written;
    outcome.pdfPath = pdfPath;
    return outcome;
}

} // namespace kiv5
