#pragma once

// A billing installation in a temporary folder: "Quenby5/" (billing files),
// "Pellary5/" (a client file "kiv5.pl5") and "Sumora5/" (a bookkeeping set),
// with the workspace's settings pointing there.

#include "billing/core/BillingWorkspace.h"
#include "billing/core/TBillRec.h"
#include "clientdb/core/NameRec.h"
#include "common/core/DateTime.h"
#include "common/core/RecordFile.h"
#include "tests/support/ClientRecords.h"
#include "tests/support/Support.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <vector>

namespace kiv5::test {

// 7 March 2011 and 1 February 2011 as day counts.
inline constexpr double kMarch7 = 40609;
inline constexpr double kFebruary1 = 40575;

inline billing::TBillRec Bill(const QString& name, const QString& clientNo, qint64 balanceCents,
                              double lastBill = kFebruary1) {
    billing::TBillRec bill;
    bill.ClientNo = clientNo;
    bill.FullName = name;
    bill.LastBill = lastBill;
    bill.BalanceForward = balanceCents * 100;
    bill.Description[0] = QStringLiteral("Services for ") + name;
    bill.Amount[0] = 1000000;
    bill.InterestRate = 8;
    // Written the day before the tests' clock.
    bill.PostTime = kMarch7 - 1 + 0.5;
    bill.PullTime = bill.PostTime;
    return bill;
}

class BillingFolder {
public:
    BillingFolder() {
        for (const char* sub : {"Quenby5", "Pellary5", "Sumora5"}) {
            QDir(temp.Folder()).mkpath(QLatin1String(sub));
        }
    }

    QString Files() const { return temp.Folder() + QStringLiteral("Quenby5/"); }
    QString Clients() const { return temp.Folder() + QStringLiteral("Pellary5/"); }
    QString Books() const { return temp.Folder() + QStringLiteral("Sumora5/"); }
    QString File(const QString& name) const { return Files() + name; }

    void Write(const QString& path, const QByteArray& bytes) const {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
    }
    QByteArray Read(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // "<base>.bil" with the bills in that order (RecNo 1, 2, ...), and its
    // link file.
    void WriteBills(const QString& base, std::vector<billing::TBillRec> bills) const {
        QByteArray bytes;
        for (std::size_t k = 0; k < bills.size(); ++k) {
            bills[k].RecNo = static_cast<qint32>(k + 1);
            bytes += EncodeRecord(bills[k]);
        }
        Write(File(base + QStringLiteral(".bil")), bytes);
        Write(File(base + QStringLiteral(".qy5")),
              (base + ".bil\r\n" + base + ".qy5\r\n" + base + ".cal\r\nkiv5.pl5\r\nkiv5.su5\r\n")
                  .toLatin1());
    }
    std::vector<billing::TBillRec> StoredBills(const QString& base) const {
        return ReadAllRecords<billing::TBillRec>(File(base + QStringLiteral(".bil")));
    }

    void WriteClients(const std::vector<NameRec>& clients) const {
        QByteArray bytes = EncodeRecord(NameRec{});
        for (const NameRec& client : clients) {
            bytes += EncodeRecord(client);
        }
        Write(Clients() + QStringLiteral("kiv5.pl5"), bytes);
    }

    void Configure(billing::BillingWorkspace& ws) const {
        ws.settings.FilesDirectory = Files();
        ws.settings.PL5Directory = Clients();
        ws.settings.PL5FileName = QStringLiteral("kiv5.pl5");
        ws.settings.SU5Directory = Books();
        ws.settings.SU5FileName = QStringLiteral("kiv5.su5");
    }

    // Every file below the folder with its bytes.
    QMap<QString, QByteArray> Snapshot() const {
        QMap<QString, QByteArray> files;
        QDirIterator it(temp.Folder(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            files.insert(path, Read(path));
        }
        return files;
    }

    TempFolder temp;
};

// The names of the shown rows, top to bottom.
inline QStringList ShownNames(const RecordTable& table) {
    QStringList names;
    for (int row = 1; row < table.RowCount(); ++row) {
        if (!table.IsHidden(row)) {
            names.append(table.Cell(row, billing::BillColumn::FullName));
        }
    }
    return names;
}

inline QStringList ColumnOf(const RecordTable& table, int column) {
    QStringList cells;
    for (int row = 1; row < table.RowCount(); ++row) {
        cells.append(table.Cell(row, column));
    }
    return cells;
}

} // namespace kiv5::test
