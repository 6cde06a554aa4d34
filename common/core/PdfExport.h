#pragma once

// A PDF beside an RTF document, made by LibreOffice without a window
// ("soffice --headless --convert-to pdf"). The conversion runs in a folder
// of its own with a profile of its own, so a LibreOffice the user has open
// does not swallow it; the PDF then replaces the one beside the document
// only when it is complete.

#include <QString>

namespace kiv5 {

struct PdfExportOptions {
    // The LibreOffice program, looked up on PATH when it has no folder.
    QString program = QStringLiteral("soffice");
    // How long one conversion may take before it is given up.
    int timeoutMs = 120000;
};

struct PdfExportOutcome {
    enum class Kind {
        Written,      // pdfPath holds the document as PDF
        NotInstalled, // no LibreOffice was found; nothing written
        Failed,       // LibreOffice ran but gave no PDF; the old one, if any, stays
    };
    Kind kind = Kind::Failed;
    QString pdfPath;
    // Written: empty; otherwise the text to show.
    QString message;

    bool Ok() const { return kind == Kind::Written; }
};

// "X - Selected Forms.RTF" -> "X - Selected Forms.pdf", in the same folder.
QString PdfPathFor(const QString& documentPath);

// Whether the LibreOffice program can be found.
bool PdfExportAvailable(const PdfExportOptions& options = {});

// Converts the document into PDF beside it. Never throws.
PdfExportOutcome ExportPdf(const QString& documentPath, const PdfExportOptions& options = {});

} // namespace kiv5
