#pragma once

// The check page as a PDF file: US letter, portrait, the printable area the
// whole page, 600 pixels per inch. Used where no printer is set up and by
// the command-line companion. Needs a QGuiApplication (fonts).

#include "books/core/CheckPage.h"

namespace kiv5::books {

inline constexpr int kCheckPdfResolution = 600;

// Writes the page to path, replacing the file as a whole. Throws IoError
// when the file cannot be written; an existing file is then left as it was.
void WriteCheckPdf(const QString& path, const CheckValues& values, const CheckPageOptions& options,
                   const ErrorSink& errors);

// "Check " + check number + ".pdf", the number cleaned into a file name:
// characters no file name may hold (/ \ : * ? " < > | and control
// characters) become "_", blanks and dots at its end are dropped.
QString CheckPdfFileName(const QString& checkNumber);

} // namespace kiv5::books
