#include "tools/kiv5/Fault.h"

namespace kiv5::tool {
namespace {

QString SlotText(const Fault& fault) {
    if (fault.firstSlot < 0) {
        return {};
    }
    if (fault.lastSlot <= fault.firstSlot) {
        return QStringLiteral("slot %1: ").arg(fault.firstSlot);
    }
    return QStringLiteral("slots %1-%2: ").arg(fault.firstSlot).arg(fault.lastSlot);
}

} // namespace

Fault SlotFault(qint64 slot, const QString& field, const QString& text) {
    return Fault{slot, slot, field, text, false};
}

Fault SlotNotice(qint64 slot, const QString& field, const QString& text) {
    return Fault{slot, slot, field, text, true};
}

QString FaultLine(const QString& file, const Fault& fault) {
    QString line = fault.notice ? QStringLiteral("notice: ") : QString();
    line += file + QStringLiteral(": ") + SlotText(fault);
    if (!fault.field.isEmpty()) {
        line += fault.field + QStringLiteral(": ");
    }
    return line + fault.text;
}

} // namespace kiv5::tool
