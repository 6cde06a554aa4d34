#pragma once

// A bookkeeping set on disk for workspace tests: the files folder, the
// client folder with a linked client file, and records built by value.

#include "books/core/BooksWorkspace.h"
#include "books/core/ExpRec.h"
#include "books/core/IncRec.h"
#include "clientdb/core/NameRec.h"
#include "common/core/RecordFile.h"
#include "common/core/TextFile.h"
#include "tests/support/ClientRecords.h"
#include "tests/support/Support.h"

#include <QDir>
#include <QMap>

namespace kiv5::test {

// Day counts of 2011 dates.
inline double Day(int year, int month, int day) {
    return DateToDayCount(QDate(year, month, day));
}

template <class R>
R LedgerRecord(const QString& number, double date, const QString& party, qint64 cents,
               qint32 status = 0) {
    R record;
    record.*books::LedgerTraits<R>::kNumber = number;
    record.Date = date;
    record.*books::LedgerTraits<R>::kParty = party;
    record.Category = QStringLiteral("Fees");
    record.Account = QStringLiteral("Bank");
    record.Amount = cents * 100;
    record.PostTime = Day(2011, 1, 1) + 0.5;
    record.PullTime = record.PostTime;
    record.Status = status;
    return record;
}

template <class R> QByteArray LedgerBytes(std::vector<R> records) {
    QByteArray bytes;
    for (std::size_t k = 0; k < records.size(); ++k) {
        records[k].RecNo = static_cast<qint32>(k + 1);
        bytes += EncodeRecord(records[k]);
    }
    return bytes;
}

// Folders "Sumora5/" and "Pellary5/" in a temporary folder; a set "kiv5"
// linked to "kiv5.pl5".
class BooksSetFolder {
public:
    BooksSetFolder() {
        QDir(temp.Folder()).mkpath(QStringLiteral("Sumora5"));
        QDir(temp.Folder()).mkpath(QStringLiteral("Pellary5"));
    }

    QString Books() const { return temp.Folder() + QStringLiteral("Sumora5/"); }
    QString Clients() const { return temp.Folder() + QStringLiteral("Pellary5/"); }
    QString BooksFile(const QString& name) const { return Books() + name; }

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

    void WriteSet(const QString& base, const std::vector<books::IncRec>& income,
                  const std::vector<books::ExpRec>& expense,
                  const QStringList& accounts = {QStringLiteral("Bank"),
                                                 QStringLiteral("Bank Two")},
                  const QStringList& categories = {QStringLiteral("Fees"), QStringLiteral("Rent")},
                  const QString& link = QStringLiteral("kiv5.pl5")) const {
        WriteTextLines(BooksFile(base + ".su5"),
                       {base + ".inc", base + ".exp", base + ".acc", base + ".cat", link});
        Write(BooksFile(base + ".inc"), LedgerBytes(income));
        Write(BooksFile(base + ".exp"), LedgerBytes(expense));
        WriteTextLines(BooksFile(base + ".acc"), accounts);
        WriteTextLines(BooksFile(base + ".cat"), categories);
    }

    void WriteClients(const std::vector<NameRec>& clients) const {
        QByteArray bytes = EncodeRecord(NameRec{});
        for (const NameRec& client : clients) {
            bytes += EncodeRecord(client);
        }
        Write(Clients() + QStringLiteral("kiv5.pl5"), bytes);
    }

    // Every file below the folder with its bytes.
    QMap<QString, QByteArray> Snapshot() const {
        QMap<QString, QByteArray> files;
        for (const QString& sub : {QStringLiteral("Sumora5"), QStringLiteral("Pellary5")}) {
            QDir dir(temp.Folder() + sub);
            for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
                files.insert(sub + "/" + name, Read(dir.filePath(name)));
            }
        }
        return files;
    }

    void Configure(books::BooksWorkspace& ws) const {
        ws.settings.FilesDirectory = Books();
        ws.settings.PL5Directory = Clients();
        ws.settings.PL5FileName = QStringLiteral("kiv5.pl5");
    }

    TempFolder temp;
};

inline std::vector<books::IncRec> ThreeReceipts() {
    using books::IncRec;
    return {LedgerRecord<IncRec>("1", Day(2011, 2, 1), "Smith, Ann", 10000),
            LedgerRecord<IncRec>("2", Day(2010, 12, 5), "Jones, Bob", 2550),
            LedgerRecord<IncRec>("3", Day(2011, 3, 2), "Brown, Cy", 123456)};
}

inline std::vector<books::ExpRec> TwoChecks() {
    using books::ExpRec;
    return {LedgerRecord<ExpRec>("101", Day(2011, 1, 3), "Landlord", 90000),
            LedgerRecord<ExpRec>("102", Day(2011, 1, 9), "Phone Co", 4599)};
}

} // namespace kiv5::test
