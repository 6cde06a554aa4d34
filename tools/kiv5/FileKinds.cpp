#include "tools/kiv5/FileKinds.h"

#include "billing/core/DayRec.h"
#include "billing/core/ISRec.h"
#include "billing/core/TBillRec.h"
#include "books/core/ExpRec.h"
#include "books/core/IncRec.h"
#include "clientdb/core/NameRec.h"
#include "tools/kiv5/RecordCells.h"
#include "tools/kiv5/RecordFaults.h"

#include <QFileInfo>

namespace kiv5::tool {

const std::vector<FileKind>& FileKinds() {
    static const std::vector<FileKind> kinds = {
        {QLatin1StringView(".pl5"), QLatin1StringView("client file"), kNameRecSize, ClientCells,
         ClientFaults, true},
        {QLatin1StringView(".inc"), QLatin1StringView("income file"),
         RecordLayout<books::IncRec>::kSize, IncomeCells, IncomeFaults, false},
        {QLatin1StringView(".exp"), QLatin1StringView("expense file"),
         RecordLayout<books::ExpRec>::kSize, ExpenseCells, ExpenseFaults, false},
        {QLatin1StringView(".bil"), QLatin1StringView("billing data file"),
         RecordLayout<billing::TBillRec>::kSize, BillCells, BillFaults, false},
        {QLatin1StringView(".is5"), QLatin1StringView("itemized statement file"),
         RecordLayout<billing::ISRec>::kSize, StatementCells, StatementFaults, false},
        {QLatin1StringView(".cal"), QLatin1StringView("calendar file"),
         RecordLayout<billing::DayRec>::kSize, CalendarCells, CalendarFaults, false},
    };
    return kinds;
}

const FileKind* FindFileKind(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    for (const FileKind& kind : FileKinds()) {
        if (name.size() > kind.extension.size() &&
            name.endsWith(kind.extension, Qt::CaseInsensitive)) {
            return &kind;
        }
    }
    return nullptr;
}

QString KnownExtensions() {
    QStringList extensions;
    for (const FileKind& kind : FileKinds()) {
        extensions.append(kind.extension);
    }
    return extensions.join(QStringLiteral(", "));
}

} // namespace kiv5::tool
