#pragma once

#include <QList>
#include <QString>

namespace kiv5::tool {

// One thing check found in a data file: a fault (the file is damaged) or a
// notice (worth knowing, harmless to the programs).
struct Fault {
    qint64 firstSlot = -1; // -1: the file as a whole
    qint64 lastSlot = -1;
    QString field;
    QString text;
    bool notice = false;
};

using FaultList = QList<Fault>;

Fault SlotFault(qint64 slot, const QString& field, const QString& text);
Fault SlotNotice(qint64 slot, const QString& field, const QString& text);

// "FILE: slot 3: State: ..." or "notice: FILE: slot 3: RecNo: ..."; slot
// ranges read "slots 4-9", faults of the whole file name no slot.
QString FaultLine(const QString& file, const Fault& fault);

} // namespace kiv5::tool
