#pragma once

// What the bill and statement passes of one command read, each file once:
// the income and expense files indexed by client number, the client file as
// a map of addresses, and each statement file (once per bill when printing
// bills). The passes then work from memory; what they produce is what reading
// the files anew for every bill and page gives.

#include "billing/core/BillSources.h"
#include "billing/core/ISRec.h"
#include "clientdb/core/NameRec.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kiv5::billing {

// A client number as the passes compare it: ASCII letters in upper case,
// everything else (blanks included) as it is.
QString ClientKey(const QString& clientNo);

// One payment or charge of a client, as the bill shows it.
struct LedgerLine {
    double Date = 0;
    QString Party; // the payor of a receipt, the payee of a check
    qint64 Amount = 0;
};

// The records of an income or expense file that are not deleted (status -2),
// by client number, each client's in file order.
class LedgerIndex {
public:
    // A missing file gives an index that does not exist. Throws IoError
    // when the file cannot be read or is damaged.
    static LedgerIndex ReadIncome(const QString& path);
    static LedgerIndex ReadExpenses(const QString& path);

    bool Exists() const { return exists_; }
    // The client's lines; none for an empty client number.
    const QList<LedgerLine>& Lines(const QString& clientNo) const;
    qint64 BytesRead() const { return bytesRead_; }

private:
    template <class R> static LedgerIndex Read(const QString& path);

    bool exists_ = false;
    qint64 bytesRead_ = 0;
    QHash<QString, QList<LedgerLine>> lines_;
};

// The client file by client number: for each number the first record, in
// file order, that is not deleted; the header record (slot 0) is no client.
class ClientAddressBook {
public:
    // An empty path or a missing file gives a book that does not exist.
    // Throws IoError when the file cannot be read or is damaged.
    static ClientAddressBook Read(const QString& path);

    bool Exists() const { return exists_; }
    // Nothing for an empty number or one the file does not hold.
    const NameRec* Find(const QString& clientNo) const;
    qint64 BytesRead() const { return bytesRead_; }

private:
    bool exists_ = false;
    qint64 bytesRead_ = 0;
    QHash<QString, NameRec> clients_;
};

// A statement file as a bill or statement names it.
struct StatementSource {
    // Where it was found; empty when it was found nowhere.
    QString path;
    std::vector<ISRec> lines;

    bool Found() const { return !path.isEmpty(); }
};

// Where a statement is read from: the path as named when a file is there,
// else the file of the same base name with ".is5" in the statement folder
// (a path written on another system, "C:\...\x.is5", finds its file there);
// empty when neither exists.
QString FindStatementFile(const QString& path, const QString& statementFolder);

class BillInputs {
public:
    explicit BillInputs(BillSources sources);

    const BillSources& Sources() const { return sources_; }

    // Read on first use.
    const LedgerIndex& Income();
    const LedgerIndex& Expenses();
    const ClientAddressBook& Clients();
    // Read on first use after the last ForgetStatements. Throws IoError for
    // a file that cannot be read and ConversionError for a line whose date
    // is no date.
    const StatementSource& Statement(const QString& path);
    // Statements are read again for the next bill.
    void ForgetStatements() { statements_.clear(); }

    // The rows a statement description takes in the statement column.
    const QStringList& DescriptionLines(const QString& description);

    // Bytes of the ledgers, the client file and statements read so far.
    qint64 BytesRead() const { return bytesRead_; }

private:
    BillSources sources_;
    std::optional<LedgerIndex> income_;
    std::optional<LedgerIndex> expenses_;
    std::optional<ClientAddressBook> clients_;
    QHash<QString, StatementSource> statements_;
    QHash<QString, QStringList> descriptionLines_;
    qint64 bytesRead_ = 0;
};

} // namespace kiv5::billing
