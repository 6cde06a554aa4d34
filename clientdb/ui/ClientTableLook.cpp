#include "clientdb/ui/ClientTableLook.h"

#include "clientdb/core/ClientTable.h"

#include <QFontMetrics>

namespace kiv5::ui {

RecordTableLook ClientTableLook() {
    RecordTableLook look;
    look.captions = QStringList(ClientCol::Count, QString());
    const QStringList named = {"Client No.", "Last Name", "First Name", "Company",
                               "Address 1",  "Address 2", "City",       "State",
                               "ZIP",        "Phone",     "Cell",       "Fax",
                               "EMail",      "Note 1",    "Note 2",     "Memo"};
    for (int i = 0; i < named.size(); ++i)
        look.captions[ClientCol::ClientNo + i] = named[i];
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
