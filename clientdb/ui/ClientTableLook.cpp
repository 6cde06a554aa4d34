#include "clientdb/ui/ClientTableLook.h"

#include "clientdb/core/ClientColumns.h"
#include "clientdb/core/ClientTable.h"

#include <QFontMetrics>

namespace kiv5::ui {

RecordTableLook ClientTableLook() {
    RecordTableLook look;
    look.captions = ColumnCaptions(ClientColumns());
    look.sortedCapitals = false;
    look.centredColumns = {ClientCol::Mark,    ClientCol::ClientNo, ClientCol::State,
                           ClientCol::ZipCode, ClientCol::Phone,    ClientCol::Cell,
                           ClientCol::Fax};
    look.indicatorColumn = ClientCol::Indicator;
    look.markColumn = ClientCol::Mark;
    return look;
}

int ClientRowHeight(const QFont& font) {
    return QFontMetrics(font).height() + 16;
}

} // namespace kiv5::ui
