#pragma once

// What check finds in one stored record of each kind: length bytes above
// their field's capacity, state codes outside -1..50, statuses other than
// 0, -1 and -2, dates that are NaN or outside 1/1/100..12/31/9999, numbers
// that are NaN or infinite (faults), and stored record numbers that differ
// from the slot's (notices: the programs number records by their place).

#include "tools/kiv5/Fault.h"

#include <QByteArrayView>

namespace kiv5::tool {

FaultList ClientFaults(QByteArrayView record, qint64 slot);
FaultList IncomeFaults(QByteArrayView record, qint64 slot);
FaultList ExpenseFaults(QByteArrayView record, qint64 slot);
FaultList BillFaults(QByteArrayView record, qint64 slot);
FaultList StatementFaults(QByteArrayView record, qint64 slot);
FaultList CalendarFaults(QByteArrayView record, qint64 slot);

} // namespace kiv5::tool
