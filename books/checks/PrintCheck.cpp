#include "books/checks/PrintCheck.h"

#include "books/core/BooksSettings.h"
#include "books/core/CheckPdf.h"
#include "books/core/PainterCanvas.h"
#include "common/core/Exceptions.h"
#include "common/ui/WaitCursor.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>

namespace kiv5::ui {
namespace {

void KeepRepainting() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

CheckOutcome PrintOnPrinter(QPrinter& printer, const books::CheckValues& values,
                            const books::CheckPageOptions& options, Prompts& prompts,
                            const OfficeContext& context) {
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(false);
    printer.setDocName(QStringLiteral("Check ") + values.checkNumber);
    QPainter painter;
    {
        WaitCursor wait;
        if (painter.begin(&printer)) {
            books::PainterCanvas canvas(painter);
            books::PrintCheckPage(canvas, values, options, context.errors);
            // The job is closed also when a step failed; the steps report
            // their own failures.
            painter.end();
            return CheckOutcome::Printed;
        }
    }
    prompts.Message(kPrintCheckTitle,
                    QStringLiteral("The check could not be sent to the printer \"%1\".")
                        .arg(printer.printerName()),
                    QMessageBox::Ok, QMessageBox::Warning);
    return CheckOutcome::Failed;
}

CheckOutcome WritePdf(const books::CheckValues& values, const books::CheckPageOptions& options,
                      const QString& filesDirectory, const QString& fileName, Prompts& prompts,
                      const Launcher& launcher, const OfficeContext& context) {
    const QString path = QDir(filesDirectory).filePath(fileName);
    try {
        WaitCursor wait;
        if (!QDir().mkpath(filesDirectory)) {
            throw IoError(QStringLiteral("Cannot create the folder \"%1\"")
                              .arg(QDir::toNativeSeparators(filesDirectory)));
        }
        books::WriteCheckPdf(path, values, options, context.errors);
    } catch (const Kiv5Error& error) {
        prompts.Message(kPrintCheckTitle,
                        QStringLiteral("No printer is set up, and the check could not be "
                                       "written as a PDF file:\n") +
                            error.Message(),
                        QMessageBox::Ok, QMessageBox::Warning);
        return CheckOutcome::Failed;
    }
    const QString shown = QDir::toNativeSeparators(path);
    if (launcher.OpenDocument(path)) {
        prompts.Inform(kPrintCheckTitle,
                       QStringLiteral("No printer is set up. The check was written to\n%1\nand "
                                      "opened; print it from there.")
                           .arg(shown));
    } else {
        prompts.Inform(kPrintCheckTitle,
                       QStringLiteral("No printer is set up. The check was written to\n%1\nOpen "
                                      "it with a PDF viewer to print it.")
                           .arg(shown));
    }
    return CheckOutcome::WrittenToPdf;
}

CheckOutcome PrintPage(const books::CheckValues& values, const CheckDestination& destination,
                       bool frame, const QString& pdfName, Prompts& prompts,
                       const Launcher& launcher, const OfficeContext& context,
                       const CheckPrinters& printers) {
    books::CheckPageOptions options;
    options.offset = destination.offset;
    options.programFolder = destination.programFolder;
    options.frame = frame;
    options.betweenBlocks = KeepRepainting;
    if (auto printer = printers.defaultPrinter ? printers.defaultPrinter() : nullptr) {
        return PrintOnPrinter(*printer, values, options, prompts, context);
    }
    return WritePdf(values, options, destination.filesDirectory, pdfName, prompts, launcher,
                    context);
}

} // namespace

CheckDestination CheckDestinationFrom(const BooksSettings& settings) {
    return {settings.FilesDirectory,
            books::CheckOffsetFromHundredths(settings.CheckOffsetX, settings.CheckOffsetY),
            QCoreApplication::applicationDirPath()};
}

CheckOutcome PrintCheck(const books::CheckValues& values, const CheckDestination& destination,
                        Prompts& prompts, const Launcher& launcher, const OfficeContext& context,
                        const CheckPrinters& printers) {
    return PrintPage(values, destination, false, books::CheckPdfFileName(values.checkNumber),
                     prompts, launcher, context, printers);
}

CheckOutcome PrintCheckTestPage(const CheckDestination& destination, Prompts& prompts,
                                const Launcher& launcher, const OfficeContext& context,
                                const CheckPrinters& printers) {
    return PrintPage(books::SampleCheckValues(context.Today()), destination, true,
                     kCheckTestPageFileName, prompts, launcher, context, printers);
}

} // namespace kiv5::ui
