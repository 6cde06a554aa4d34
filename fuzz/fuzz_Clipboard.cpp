// A client record pasted from the clipboard: the bytes under pellary5's own
// format, decoded, pasted into a table row and shown as text, and the notice
// for a record of another size.

#include "clientdb/core/ClientTable.h"
#include "clientdb/core/TPL5Rec.h"
#include "fuzz/FuzzSupport.h"

#include <QMimeData>

using namespace kiv5;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QMimeData mime;
    mime.setData(QLatin1String(kClientMimeType), bytes);
    if (const auto rec = ClientFromMimeData(mime)) {
        RecordTable table = MakeClientTable();
        table.SetRowCount(2);
        PasteTPL5Rec(table, 1, *rec);
        ClientClipboardText(*rec);
        const QByteArray copied = EncodeTPL5Rec(*rec);
        const auto again = DecodeTPL5Rec(copied);
        if (!again || EncodeTPL5Rec(*again) != copied) {
            qFatal("fuzz: a pasted client record does not survive copying it again");
        }
    }
    if (HasBrokenClientRecord(mime)) {
        BrokenClipboardText(mime);
    }
    return 0;
}
