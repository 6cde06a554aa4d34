#include "clientdb/core/ClientDocument.h"

#include "common/core/Misc.h"
#include "common/core/RtfDocument.h"

#include <algorithm>

namespace kiv5 {

QString WriteClientDocument(const ClientDocumentSource& source, TAnswer& answers, int templatePage,
                            int pageCount, const FillPageFunction& fillPage,
                            const QString& outputName) {
    RtfDocument document(source.context, answers);
    for (int page = 0; page < std::max(1, pageCount); ++page) {
        fillPage(page);
        if (page == 0) {
            document.TransferDocument(templatePage);
        } else {
            document.AppendRTFFile(templatePage);
        }
    }
    const QString path = SlashAtEnd(source.FilesDirectory) + outputName;
    document.Write(path);
    return path;
}

int PagesFor(qsizetype count, int perPage) {
    return static_cast<int>(std::max<qsizetype>(1, (count + perPage - 1) / perPage));
}

} // namespace kiv5
