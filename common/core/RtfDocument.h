#pragma once

// An RTF document assembled from filled page templates (the answer store's
// pages merged into "PAGEn.RTF" of the template folder) and written as one
// file. The first page starts the document whole; further pages are chained
// with "\page".

#include "common/core/Answers.h"
#include "common/core/OfficeContext.h"

#include <QString>

namespace kiv5 {

// The share/kiv5 folder name of a program's templates: "pellary5", "quenby5".
QString TemplateProgramFolderName(DocumentProgram program);

class RtfDocument {
public:
    // Templates from the context's template folder of the answer store's
    // program; errors go to the context's sink.
    RtfDocument(const OfficeContext& context, TAnswer& answers);
    RtfDocument(TAnswer& answers, QString templateFolder, ErrorSink errors);

    const QString& TemplateFolderPath() const { return templateFolder_; }

    // Empties the document.
    void Clear() { MainBuf2.clear(); }
    bool IsStarted() const { return !MainBuf2.isEmpty(); }
    // The document as assembled so far (MainBuf2).
    const QString& Text() const { return MainBuf2; }

    // Reads "PAGEn.DAT" into the page's slots (type code and third real of
    // each line; slots without a line get type 0). A line that does not read
    // reports 21011, changes nothing and gives false. Throws IoError when the
    // file is missing.
    bool LoadDatFile(int page);
    // The template "PAGEn.RTF" as text. Throws IoError when it is missing.
    QString LoadTemplate(int page) const;
    // The template of a page filled from its answers; left unfilled when its
    // DAT does not read.
    QString FillPage(int page);

    // Loads and fills a page and makes it the whole document.
    void TransferDocument(int page);
    // Loads and fills a page and appends it as a new page (starts the
    // document when it is empty). A template without its header marker
    // cannot be chained: 21011 and the page is left out.
    void AppendRTFFile(int page);

    // Writes the document, as Windows-1252 bytes ending with CR LF, through
    // a temporary file renamed over path. Throws IoError.
    void Write(const QString& path) const;

private:
    TAnswer& answers_;
    QString templateFolder_;
    ErrorSink errors_;
    QString MainBuf2;
};

} // namespace kiv5
