#pragma once

// The billing workspace under the sweep: its settings pointed at the demo
// set, the open file checked against the disk, and the billing file pair.

#include "billing/core/BillingWorkspace.h"
#include "tests/faults/SweepData.h"
#include "tests/faults/WorkspaceSubject.h"

namespace kiv5::test {

inline constexpr int kBillScreenWidth = 1280;

using BillSubject = WorkspaceSubject<billing::BillingWorkspace>;

// The demo set's folders and links, as the settings hold them.
void ConfigureBilling(BillingSettings& settings, const tool::DemoSet& set);

// The open billing file read afresh in a second workspace must hold what
// the table holds.
QString BillsVersusDisk(billing::BillingWorkspace& ws, const tool::DemoSet& set);

// The link and data file of a billing file in the demo set's billing folder.
QStringList BillingPair(const SweepData& data, const QString& base);

// A command on the demo billing file, opened with automatic backups off;
// its pair is replaced together, as are the extra groups. keptRows: when
// the table holds these rows (set by the preparation), it need not agree
// with the disk (an unresolved conflict's edited row).
SweepCommand BillCommand(const SweepData& data, const QString& name, BillSubject::Step prepare,
                         BillSubject::Command run, QList<QStringList> groups = {},
                         std::shared_ptr<const QStringList> keptRows = {});

} // namespace kiv5::test
