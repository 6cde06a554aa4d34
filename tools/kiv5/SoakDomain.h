#pragma once

// One kind of record the soak works on (clients, receipts, expenses, bills),
// seen through its program's workspace: the commands a user gives, each
// returning what came of it, and how a record is known (its slot) and which
// version it holds (its identity: the version token field, with "/D" added
// once the record is deleted).

#include "common/core/RecordTable.h"

#include <QString>
#include <memory>
#include <vector>

namespace kiv5 {
struct OfficeContext;
}

namespace kiv5::tool {

struct DemoSet;

struct SoakSave {
    enum Kind { Saved, Conflict, Refused };
    Kind kind = Saved;
    int row = 0;
    // Conflict: the identity of the version another user stored.
    QString storedIdentity;
};

class SoakDomain {
public:
    virtual ~SoakDomain() = default;
    virtual QString Name() const = 0;
    virtual const RecordTable& Table() const = 0;
    // The record's place in its file, as the file's rows count it.
    virtual int SlotOf(int row) const = 0;
    // Opens the files again from disk.
    virtual void Refresh() = 0;
    // A new record at the file's real end; returns its row.
    virtual int Add() = 0;
    // Writes token into the row's version field and saves the record.
    virtual SoakSave Save(int row, const QString& token) = 0;
    // After a conflict of the last Save: keeps the edited or the stored
    // version; returns the row.
    virtual int Resolve(bool keepEdited) = 0;
    // True when another user's write was found and nothing was written.
    virtual bool Delete(int row) = 0;
    virtual void SelectAll(bool selected) = 0;
    // Filters on a version token's prefix; cancel shows every live row.
    virtual void Filter(const QString& prefix) = 0;
    virtual void CancelFilter() = 0;

    // The version a row holds.
    QString IdentityOf(int row) const;
    // The row's version field.
    virtual QString VersionOf(int row) const = 0;
    int VersionColumn() const { return versionColumn_; }

protected:
    explicit SoakDomain(int versionColumn) : versionColumn_(versionColumn) {}

private:
    int versionColumn_;
};

// The identity of a version: its token, "/D" added when deleted.
QString SoakIdentity(const QString& version, bool deleted);

// The four kinds of record of a demo data set, each opened in its own
// workspace (one per program); the context must outlive them.
std::vector<std::unique_ptr<SoakDomain>> OpenSoakDomains(const DemoSet& set,
                                                         const OfficeContext& context);

} // namespace kiv5::tool
