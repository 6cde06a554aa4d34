#pragma once

// The text cells the programs' tables hold for one stored record, made by
// the programs' own record-to-row conversions. `slot` is the record's
// 0-based place in its file.

#include <QByteArrayView>
#include <QStringList>

namespace kiv5::tool {

// 22 client cells; the record number column holds the slot. Slot 0 gets the
// cells it would get as a client row.
QStringList ClientCells(QByteArrayView record, qint64 slot);
// 14 income or expense cells; the position column holds slot + 1.
QStringList IncomeCells(QByteArrayView record, qint64 slot);
QStringList ExpenseCells(QByteArrayView record, qint64 slot);
// 42 bill cells; the record number column holds slot + 1.
QStringList BillCells(QByteArrayView record, qint64 slot);
// 9 statement line cells; the record number column holds the stored RecNo.
QStringList StatementCells(QByteArrayView record, qint64 slot);
// The fields of the day's calendar backup line.
QStringList CalendarCells(QByteArrayView record, qint64 slot);

} // namespace kiv5::tool
