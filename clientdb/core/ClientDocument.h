#pragma once

// What the client program's printed documents are made from, and the common
// way they are assembled: pages of one template filled from the answer
// store, chained into one RTF document and written under the document's
// fixed name in the data folder. The caller starts the word processor on
// the path returned.

#include "clientdb/core/MemoList.h"
#include "common/core/Answers.h"
#include "common/core/OfficeContext.h"
#include "common/core/RecordTable.h"

#include <QString>
#include <functional>

namespace kiv5 {

// The return address of the 10-per-sheet labels, printed as it is.
struct ReturnAddress {
    QString ReturnName;
    QString ReturnAdrs1;
    QString ReturnAdrs2;
    QString ReturnAdrs3;
};

struct ClientDocumentSource {
    const RecordTable& table; // rows 1..n in the table's current order
    const MemoList& memo;
    QString FileName; // empty when no file is open
    QString FilesDirectory;
    ReturnAddress returnAddress;
    // The clock, error sink and template folder the document is made with.
    const OfficeContext& context;
};

// Fills the answers of one page before it is merged; page counts from 0.
using FillPageFunction = std::function<void(int page)>;

// Fills and merges pageCount pages (at least one) of template page
// templatePage and writes the document as SlashAtEnd(FilesDirectory) +
// outputName through a temporary file. Returns the path written. A missing
// template throws IoError before anything is written.
QString WriteClientDocument(const ClientDocumentSource& source, TAnswer& answers, int templatePage,
                            int pageCount, const FillPageFunction& fillPage,
                            const QString& outputName);

// Pages needed for count items of perPage each, at least one.
int PagesFor(qsizetype count, int perPage);

} // namespace kiv5
