#include "tools/kiv5/SoakWorker.h"

#include "common/core/ConflictTest.h"
#include "common/core/Exceptions.h"
#include "tools/kiv5/SoakDomain.h"
#include "tools/kiv5/SoakLog.h"

#include <QRandomGenerator>

namespace kiv5::tool {
namespace {

class SoakUser {
public:
    SoakUser(const DemoSet& set, const SoakWork& work, const OfficeContext& context)
        : work_(work), rng_(work.seed * 7919u + quint32(work.worker)), log_(work.logPath),
          domains_(OpenSoakDomains(set, context)) {}

    void Run() {
        for (op_ = 1; op_ <= work_.operations; ++op_) {
            SoakDomain& domain = *domains_[rng_.bounded(quint32(domains_.size()))];
            try {
                Step(domain, rng_.bounded(100u));
            } catch (const Kiv5Error& error) {
                Log({SoakEvent::Error, domain.Name(), 0, error.Message(), {}});
            }
        }
    }

private:
    void Log(const SoakEvent& event) { log_.Append(event); }
    void Operation(const SoakDomain& domain, const QString& name) {
        Log({SoakEvent::Operation, domain.Name(), 0, name, {}});
    }

    void Step(SoakDomain& domain, quint32 pick) {
        if (pick < 15) {
            Add(domain);
        } else if (pick < 55) {
            if (const int row = LiveRow(domain)) {
                Save(domain, row);
            }
        } else if (pick < 65) {
            if (const int row = LiveRow(domain)) {
                Delete(domain, row);
            }
        } else if (pick < 72) {
            Operation(domain, QStringLiteral("select"));
            domain.SelectAll(rng_.bounded(2u) == 0);
        } else if (pick < 80) {
            Operation(domain, QStringLiteral("filter"));
            if (rng_.bounded(2u) == 0) {
                domain.Filter(QStringLiteral("w%1").arg(rng_.bounded(10u)));
            } else {
                domain.CancelFilter();
            }
        } else {
            Operation(domain, QStringLiteral("refresh"));
            domain.Refresh();
        }
    }

    // A random row the user sees (live and shown); 0 when there is none.
    int LiveRow(const SoakDomain& domain) {
        const RecordTable& table = domain.Table();
        const int rows = table.DataRowCount();
        if (rows < 1) {
            return 0;
        }
        const int start = 1 + int(rng_.bounded(quint32(rows)));
        for (int k = 0; k < rows; ++k) {
            const int row = 1 + (start - 1 + k) % rows;
            if (table.IsActive(row) && !table.IsHidden(row)) {
                return row;
            }
        }
        return 0;
    }

    void Add(SoakDomain& domain) {
        Operation(domain, QStringLiteral("add"));
        const int row = domain.Add();
        if (row < 1) {
            Log({SoakEvent::Refused, domain.Name(), 0, QStringLiteral("add"), {}});
            return;
        }
        Log({SoakEvent::Add, domain.Name(), domain.SlotOf(row), {}, {}});
        // The user fills in the new record and saves it.
        Save(domain, row);
    }

    void Save(SoakDomain& domain, int row) {
        Operation(domain, QStringLiteral("save"));
        const int slot = domain.SlotOf(row);
        const QString seen = domain.IdentityOf(row);
        const QString token = SoakToken(work_.worker, op_);
        const SoakSave saved = domain.Save(row, token);
        if (saved.kind == SoakSave::Saved) {
            Log({SoakEvent::Write, domain.Name(), slot, seen, token});
        } else if (saved.kind == SoakSave::Refused) {
            Log({SoakEvent::Refused, domain.Name(), slot, QStringLiteral("save"), {}});
        } else {
            Log({SoakEvent::Conflict, domain.Name(), slot, seen, saved.storedIdentity});
            const bool keepEdited = rng_.bounded(2u) == 0;
            try {
                domain.Resolve(keepEdited);
            } catch (const SavedMeanwhileError&) {
                // A third user saved meanwhile: found, and nothing written.
                Log({SoakEvent::Conflict, domain.Name(), slot, saved.storedIdentity,
                     QStringLiteral("saved meanwhile")});
                return;
            }
            if (keepEdited) {
                // The edited version replaces the one the comparison showed.
                Log({SoakEvent::Write, domain.Name(), slot, saved.storedIdentity, token});
            }
        }
    }

    void Delete(SoakDomain& domain, int row) {
        Operation(domain, QStringLiteral("delete"));
        const int slot = domain.SlotOf(row);
        const QString seen = domain.IdentityOf(row);
        const QString deleted = SoakIdentity(domain.VersionOf(row), true);
        if (domain.Delete(row)) {
            Log({SoakEvent::Conflict, domain.Name(), slot, seen, QStringLiteral("delete")});
        } else {
            Log({SoakEvent::Write, domain.Name(), slot, seen, deleted});
        }
    }

    const SoakWork& work_;
    QRandomGenerator rng_;
    SoakLogWriter log_;
    std::vector<std::unique_ptr<SoakDomain>> domains_;
    int op_ = 0;
};

} // namespace

QString SoakToken(int worker, int operation) {
    return QStringLiteral("w%1o%2").arg(worker).arg(operation);
}

void RunSoakWork(const DemoSet& set, const SoakWork& work, const OfficeContext& context) {
    SoakUser user(set, work, context);
    user.Run();
}

} // namespace kiv5::tool
