#include "tools/kiv5/SoakDomain.h"

#include "billing/core/BillingWorkspace.h"
#include "books/core/BooksWorkspace.h"
#include "books/core/LedgerLayout.h"
#include "clientdb/core/ClientFilter.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/core/ClientWorkspace.h"
#include "common/core/Misc.h"
#include "tools/kiv5/DemoSet.h"
#include "tools/kiv5/DemoWorkspaces.h"

namespace kiv5::tool {
namespace {

constexpr int kScreenWidth = 1044;

bool IsDeleted(const RecordTable& table, int row) {
    return table.Status(row) == QLatin1String("-2");
}

class ClientDomain final : public SoakDomain {
public:
    ClientDomain(const DemoSet& set, const OfficeContext& context)
        : SoakDomain(ClientCol::Note1), ws_(kScreenWidth, context) {
        ConfigureForDemo(ws_, set);
        name_ = FileNamePart(set.clientFiles.clientFile);
        ws_.Open(name_);
    }
    ~ClientDomain() override {
        try {
            ws_.Close();
        } catch (...) {
            // A memo file that cannot be written at the end leaves the records as they are.
        }
    }
    QString Name() const override { return QStringLiteral("clients"); }
    const RecordTable& Table() const override { return ws_.Table(); }
    int SlotOf(int row) const override { return ParseInteger(Table().Cell(row, ClientCol::RecNo)); }
    QString VersionOf(int row) const override { return Table().Cell(row, ClientCol::Note1); }
    void Refresh() override { ws_.Refresh(); }
    int Add() override { return ws_.Add(); }
    SoakSave Save(int row, const QString& token) override {
        ClientEntry entry = ws_.EntryOf(row);
        entry.Text(ClientCol::Note1) = token;
        if (entry.Text(ClientCol::LastName).trimmed().isEmpty()) {
            // A new client gets a number no other user's new client has.
            entry.Text(ClientCol::LastName) = QStringLiteral("Soak");
            entry.Text(ClientCol::ClientNo) = token.left(8);
        }
        const SaveOutcome outcome = ws_.SaveRecord(row, entry);
        SoakSave result;
        result.row = outcome.kind == SaveOutcome::Saved ? outcome.row : row;
        if (outcome.kind == SaveOutcome::Conflict) {
            result.kind = SoakSave::Conflict;
            result.storedIdentity = SoakIdentity(outcome.save.stored.Note1,
                                                 outcome.save.stored.Status == kStatusDeleted);
            pending_ = outcome;
        } else if (outcome.kind == SaveOutcome::Refused) {
            result.kind = SoakSave::Refused;
        }
        return result;
    }
    int Resolve(bool keepEdited) override {
        return ws_.ResolveConflict(pending_.row, pending_.save, keepEdited);
    }
    bool Delete(int row) override { return ws_.Delete(row, row, false).conflict; }
    void SelectAll(bool selected) override { ws_.SelectAll(selected); }
    void Filter(const QString& prefix) override {
        NameRec criteria = EmptyFilterRec();
        criteria.Note1 = prefix;
        ws_.SetFilter(criteria);
    }
    void CancelFilter() override { ws_.CancelFilter(); }

private:
    static constexpr qint32 kStatusDeleted = -2;
    ClientWorkspace ws_;
    QString name_;
    SaveOutcome pending_;
};

class LedgerDomain final : public SoakDomain {
public:
    LedgerDomain(std::shared_ptr<books::BooksWorkspace> ws, books::LedgerId id)
        : SoakDomain(books::LedgerColumn::Description), ws_(std::move(ws)), id_(id) {}
    QString Name() const override {
        return id_ == books::LedgerId::Income ? QStringLiteral("income")
                                              : QStringLiteral("expenses");
    }
    const RecordTable& Table() const override { return ws_->LedgerOf(id_).Table(); }
    int SlotOf(int row) const override {
        return ParseInteger(Table().Cell(row, books::LedgerColumn::Position));
    }
    QString VersionOf(int row) const override {
        return Table().Cell(row, books::LedgerColumn::Description);
    }
    void Refresh() override { ws_->Refresh(); }
    int Add() override { return ws_->Add(id_).row; }
    SoakSave Save(int row, const QString& token) override {
        books::LedgerEntry entry = ws_->LedgerOf(id_).EntryAt(row);
        entry.description = token;
        if (!entry.date) {
            entry.date = DayCount{40000};
        }
        const books::RecordSaveOutcome outcome = ws_->SaveRecord(id_, row, entry);
        SoakSave result;
        result.row = outcome.kind == books::RecordSaveOutcome::Saved ? outcome.row : row;
        if (outcome.kind == books::RecordSaveOutcome::Conflict) {
            result.kind = SoakSave::Conflict;
            const QStringList& stored = outcome.conflict.storedRow;
            result.storedIdentity =
                SoakIdentity(stored.value(books::LedgerColumn::Description),
                             stored.value(books::LedgerColumn::Status) == QLatin1String("-2"));
            pending_ = outcome.conflict;
        } else if (outcome.kind == books::RecordSaveOutcome::Refused) {
            result.kind = SoakSave::Refused;
        }
        return result;
    }
    int Resolve(bool keepEdited) override {
        return ws_->ResolveConflict(id_, pending_, keepEdited);
    }
    bool Delete(int row) override { return ws_->Delete(id_, row, false).conflict; }
    void SelectAll(bool selected) override { ws_->SelectAll(id_, selected); }
    void Filter(const QString& prefix) override {
        books::FilterRec criteria;
        criteria.Description = prefix;
        ws_->SetFilter(id_, criteria);
    }
    void CancelFilter() override { ws_->CancelFilter(id_); }

private:
    std::shared_ptr<books::BooksWorkspace> ws_;
    books::LedgerId id_;
    books::LedgerConflict pending_;
};

class BillDomain final : public SoakDomain {
public:
    BillDomain(const DemoSet& set, const OfficeContext& context)
        : SoakDomain(billing::BillColumn::Note), ws_(kScreenWidth, context) {
        ConfigureForDemo(ws_, set);
        linkFile_ = set.linkFile;
        ws_.Open(linkFile_);
    }
    QString Name() const override { return QStringLiteral("bills"); }
    const RecordTable& Table() const override { return ws_.Table(); }
    int SlotOf(int row) const override {
        return ParseInteger(Table().Cell(row, billing::BillColumn::RecNo));
    }
    QString VersionOf(int row) const override {
        return Table().Cell(row, billing::BillColumn::Note);
    }
    void Refresh() override { ws_.Open(linkFile_); }
    int Add() override { return ws_.Add().row; }
    SoakSave Save(int row, const QString& token) override {
        billing::BillEntry entry = ws_.EntryOf(row);
        entry.note = token;
        if (!entry.lastBill) {
            entry.lastBill = DayCount{40000};
        }
        const billing::BillSaveOutcome outcome = ws_.SaveBill(row, entry);
        SoakSave result;
        result.row = outcome.kind == billing::BillSaveOutcome::Saved ? outcome.row : row;
        if (outcome.kind == billing::BillSaveOutcome::Conflict) {
            result.kind = SoakSave::Conflict;
            const QStringList& stored = outcome.conflict.storedRow;
            result.storedIdentity =
                SoakIdentity(stored.value(billing::BillColumn::Note),
                             stored.value(billing::BillColumn::Status) == QLatin1String("-2"));
            pending_ = outcome.conflict;
        } else if (outcome.kind == billing::BillSaveOutcome::Refused) {
            result.kind = SoakSave::Refused;
        }
        return result;
    }
    int Resolve(bool keepEdited) override { return ws_.ResolveConflict(pending_, keepEdited); }
    bool Delete(int row) override { return ws_.Delete(row, false).conflict; }
    void SelectAll(bool selected) override { ws_.SelectAll(selected); }
    void Filter(const QString& prefix) override {
        billing::BillFilterRec criteria;
        criteria.Note = prefix;
        ws_.SetFilter(criteria);
    }
    void CancelFilter() override { ws_.CancelFilter(); }

private:
    billing::BillingWorkspace ws_;
    QString linkFile_;
    billing::BillConflict pending_;
};

} // namespace

QString SoakIdentity(const QString& version, bool deleted) {
    return deleted ? version + QStringLiteral("/D") : version;
}

QString SoakDomain::IdentityOf(int row) const {
    return SoakIdentity(VersionOf(row), IsDeleted(Table(), row));
}

std::vector<std::unique_ptr<SoakDomain>> OpenSoakDomains(const DemoSet& set,
                                                         const OfficeContext& context) {
    std::vector<std::unique_ptr<SoakDomain>> domains;
    domains.push_back(std::make_unique<ClientDomain>(set, context));
    auto books = std::make_shared<books::BooksWorkspace>(kScreenWidth, context);
    ConfigureForDemo(*books, set);
    books->Open(set.setFile);
    domains.push_back(std::make_unique<LedgerDomain>(books, books::LedgerId::Income));
    domains.push_back(std::make_unique<LedgerDomain>(books, books::LedgerId::Expense));
    domains.push_back(std::make_unique<BillDomain>(set, context));
    return domains;
}

} // namespace kiv5::tool
