#include "tools/kiv5/RecordFaults.h"

#include "billing/core/DayRec.h"
#include "billing/core/ISRec.h"
#include "billing/core/TBillRec.h"
#include "books/core/ExpRec.h"
#include "books/core/IncRec.h"
#include "clientdb/core/NameRec.h"
#include "common/core/DateTime.h"
#include "common/core/StateTable.h"

#include <cmath>

namespace kiv5::tool {
namespace {

QString DoubleText(double value) {
    return QString::number(value, 'g', 17);
}

// One record's checks, collected in field order.
class RecordChecks {
public:
    explicit RecordChecks(qint64 slot) : slot_(slot) {}

    template <class R> void Texts(QByteArrayView bytes) {
        for (const QString& field : FindOverlongTexts<R>(bytes)) {
            Add(field, QStringLiteral("length byte above the field's capacity"));
        }
    }

    void Date(const char* field, double value) {
        if (std::isnan(value)) {
            Add(field, QStringLiteral("NaN is no date"));
        } else if (!IsValidDayCount(value)) {
            Add(field, QStringLiteral("%1 lies outside the dates 1/1/100 to 12/31/9999")
                           .arg(DoubleText(value)));
        }
    }

    void Number(const QString& field, double value) {
        if (!std::isfinite(value)) {
            Add(field, QStringLiteral("%1 is no number").arg(DoubleText(value)));
        }
    }

    void State(qint32 code) {
        if (code < -1 || code >= kStateCount) {
            Add("State",
                QStringLiteral("code %1 is outside -1..%2").arg(code).arg(kStateCount - 1));
        }
    }

    void Status(qint32 status) {
        if (status != kStatusActive && status != kStatusFiltered && status != kStatusDeleted) {
            Add("Status", QStringLiteral("%1 is not 0, -1 or -2").arg(status));
        }
    }

    void RecNo(qint32 stored, qint64 expected) {
        if (stored != expected) {
            faults_.append(SlotNotice(slot_, QStringLiteral("RecNo"),
                                      QStringLiteral("stored %1, the slot's record number is %2")
                                          .arg(stored)
                                          .arg(expected)));
        }
    }

    template <class R> void Stamps(const R& record) {
        Date("PostTime", record.PostTime);
        Date("PullTime", record.PullTime);
    }

    FaultList Result() const { return faults_; }

private:
    void Add(const QString& field, const QString& text) {
        faults_.append(SlotFault(slot_, field, text));
    }
    void Add(const char* field, const QString& text) { Add(QString::fromLatin1(field), text); }

    qint64 slot_;
    FaultList faults_;
};

template <class R> FaultList LedgerFaults(QByteArrayView bytes, qint64 slot) {
    const R record = DecodeRecord<R>(bytes);
    RecordChecks checks(slot);
    checks.Texts<R>(bytes);
    checks.Date("Date", record.Date);
    checks.Stamps(record);
    checks.Status(record.Status);
    checks.RecNo(record.RecNo, slot + 1);
    return checks.Result();
}

} // namespace

FaultList ClientFaults(QByteArrayView bytes, qint64 slot) {
    const NameRec record = DecodeRecord<NameRec>(bytes);
    RecordChecks checks(slot);
    checks.Texts<NameRec>(bytes);
    checks.State(record.State);
    checks.Stamps(record);
    checks.Status(record.Status);
    checks.RecNo(record.RecNo, slot);
    return checks.Result();
}

FaultList IncomeFaults(QByteArrayView bytes, qint64 slot) {
    return LedgerFaults<books::IncRec>(bytes, slot);
}

FaultList ExpenseFaults(QByteArrayView bytes, qint64 slot) {
    return LedgerFaults<books::ExpRec>(bytes, slot);
}

FaultList BillFaults(QByteArrayView bytes, qint64 slot) {
    const auto record = DecodeRecord<billing::TBillRec>(bytes);
    RecordChecks checks(slot);
    checks.Texts<billing::TBillRec>(bytes);
    checks.Date("LastBill", record.LastBill);
    checks.Number(QStringLiteral("InterestRate"), record.InterestRate);
    checks.Stamps(record);
    checks.Status(record.Status);
    checks.RecNo(record.RecNo, slot + 1);
    return checks.Result();
}

FaultList StatementFaults(QByteArrayView bytes, qint64 slot) {
    const auto record = DecodeRecord<billing::ISRec>(bytes);
    RecordChecks checks(slot);
    checks.Texts<billing::ISRec>(bytes);
    checks.Date("ServiceDate", record.ServiceDate);
    checks.Number(QStringLiteral("TimeSpent"), record.TimeSpent);
    checks.Stamps(record);
    checks.Status(record.Status);
    checks.RecNo(record.RecNo, slot);
    return checks.Result();
}

FaultList CalendarFaults(QByteArrayView bytes, qint64 slot) {
    const auto record = DecodeRecord<billing::DayRec>(bytes);
    RecordChecks checks(slot);
    checks.Texts<billing::DayRec>(bytes);
    checks.Date("Day", record.Day);
    for (int k = 0; k < billing::kDaySlots; ++k) {
        checks.Number(QStringLiteral("SlotHours[%1]").arg(k),
                      record.SlotHours[static_cast<std::size_t>(k)]);
    }
    checks.Stamps(record);
    checks.Status(record.Status);
    // Days are found by date; their stored record number is always 0.
    return checks.Result();
}

} // namespace kiv5::tool
