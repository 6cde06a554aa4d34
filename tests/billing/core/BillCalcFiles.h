#pragma once

// The files a bill is made from, written into a temporary folder: income
// and expense files, a client file (slot 0 the header), statements in the
// statement folder; and recorders for what the passes report.

#include "billing/core/BillInputs.h"
#include "billing/core/BillNotices.h"
#include "billing/core/TBillRec.h"
#include "books/core/ExpRec.h"
#include "books/core/IncRec.h"
#include "common/core/DateTime.h"
#include "common/core/RecordFile.h"
#include "tests/support/Support.h"

#include <QDir>
#include <vector>

namespace kiv5::test {

// The bill's last billing date (11/1/2026) and the bill date of most cases
// (12/10/2026, 39 days later), as day counts.
inline constexpr double kLastBill = 46327;
inline constexpr double kBillDate = 46366;

inline books::IncRec Receipt(const QString& clientNo, double date, const QString& payor,
                             qint64 units, qint32 status = 0) {
    books::IncRec r;
    r.ClientNo = clientNo;
    r.Date = date;
    r.Payor = payor;
    r.Amount = units;
    r.Status = status;
    return r;
}

inline books::ExpRec Check(const QString& clientNo, double date, const QString& payee, qint64 units,
                           qint32 status = 0) {
    books::ExpRec r;
    r.ClientNo = clientNo;
    r.Date = date;
    r.Payee = payee;
    r.Amount = units;
    r.Status = status;
    return r;
}

inline NameRec Client(const QString& clientNo, const QString& first, const QString& last,
                      qint32 status = 0) {
    NameRec r;
    r.ClientNo = clientNo;
    r.FirstName = first;
    r.LastName = last;
    r.Address1 = QStringLiteral("12 Elm Street");
    r.City = QStringLiteral("Columbus");
    r.State = 35; // OH
    r.ZipCode = QStringLiteral("43206");
    r.Status = status;
    return r;
}

inline billing::ISRec Entry(double date, const QString& description, double hours,
                            qint64 rateUnits = 2'000'000, qint32 status = 0) {
    billing::ISRec r;
    r.ServiceDate = date;
    r.ServiceDescription = description;
    r.TimeSpent = hours;
    r.HourlyRate = rateUnits;
    r.Status = status;
    return r;
}

inline billing::TBillRec Bill(const QString& clientNo, qint64 balanceForwardUnits = 0) {
    billing::TBillRec bill;
    bill.ClientNo = clientNo;
    bill.FullName = QStringLiteral("Kevin Jones");
    bill.LastBill = kLastBill;
    bill.BalanceForward = balanceForwardUnits;
    return bill;
}

class BillFiles {
public:
    BillFiles() {
        QDir().mkpath(StatementFolder());
        WriteIncome({});
        WriteExpenses({});
        WriteClients({});
    }

    QString IncomePath() const { return folder.Path(QStringLiteral("set.inc")); }
    QString ExpensePath() const { return folder.Path(QStringLiteral("set.exp")); }
    QString ClientPath() const { return folder.Path(QStringLiteral("clients.pl5")); }
    QString StatementFolder() const { return folder.Path(QStringLiteral("IS")) + QLatin1Char('/'); }

    void WriteIncome(const std::vector<books::IncRec>& records) const {
        WriteAllRecords(IncomePath(), records);
    }
    void WriteExpenses(const std::vector<books::ExpRec>& records) const {
        WriteAllRecords(ExpensePath(), records);
    }
    // Slot 0 is the header record (given, or a blank one).
    void WriteClients(const std::vector<NameRec>& clients, const NameRec& header = {}) const {
        std::vector<NameRec> records{header};
        records.insert(records.end(), clients.begin(), clients.end());
        WriteAllRecords(ClientPath(), records);
    }
    // A statement in the statement folder; its path.
    QString WriteStatement(const QString& name, const std::vector<billing::ISRec>& lines) const {
        const QString path = StatementFolder() + name;
        WriteAllRecords(path, lines);
        return path;
    }

    billing::BillSources Sources() const {
        billing::BillSources sources;
        sources.incomePath = IncomePath();
        sources.expensePath = ExpensePath();
        sources.clientPath = ClientPath();
        sources.statementFolder = StatementFolder();
        sources.captionLines = {QStringLiteral("Hollis & Barr"), QStringLiteral("12 Main {St}"),
                                QString(), QString(), QStringLiteral("555-0142")};
        return sources;
    }

    TempFolder folder;
};

// What the passes report, in order: codes as numbers, missing statements as
// "box: PATH".
class NoticeRecorder {
public:
    billing::BillNotices Notices() {
        return {ErrorSink([this](int code) { reports.append(QString::number(code)); }),
                [this](const QString& path) { reports.append(QStringLiteral("box: ") + path); }};
    }
    ErrorSink Errors() {
        return ErrorSink([this](int code) { reports.append(QString::number(code)); });
    }

    QStringList reports;
};

} // namespace kiv5::test
