#pragma once

// A small demo data set in a temporary folder, opened by as many users as a
// test needs, each with the programs' own workspaces.

#include "tests/support/Support.h"
#include "tools/kiv5/MakeDemoCommand.h"
#include "tools/kiv5/SoakDomain.h"

#include <QTest>

namespace kiv5::test {

// The order of OpenSoakDomains.
inline const QStringList kSoakDomainNames{"clients", "income", "expenses", "bills"};

struct SoakFixture {
    explicit SoakFixture(int clients = 10) {
        tool::DemoOptions options;
        options.folder = folder.Path("set");
        options.clients = clients;
        options.force = true;
        set = tool::MakeDemoDataSet(options, context);
    }

    // One user's view of one kind of record.
    struct User {
        std::vector<std::unique_ptr<tool::SoakDomain>> domains;
        tool::SoakDomain& operator[](int kind) { return *domains[std::size_t(kind)]; }
    };
    User OpenUser() { return {tool::OpenSoakDomains(set, context)}; }

    TempFolder folder;
    TestContext context; // the clock stands still: every save falls in one second
    tool::DemoSet set;
};

// The row holding slot; 0 when none does.
inline int RowOfSlot(const tool::SoakDomain& domain, int slot) {
    for (int row = 1; row < domain.Table().RowCount(); ++row) {
        if (domain.SlotOf(row) == slot) {
            return row;
        }
    }
    return 0;
}

// The slot of the first live record.
inline int FirstLiveSlot(const tool::SoakDomain& domain) {
    for (int row = 1; row < domain.Table().RowCount(); ++row) {
        if (domain.Table().IsActive(row)) {
            return domain.SlotOf(row);
        }
    }
    return 0;
}

} // namespace kiv5::test
