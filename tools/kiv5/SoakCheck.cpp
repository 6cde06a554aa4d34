#include "tools/kiv5/SoakCheck.h"

#include "common/core/Exceptions.h"
#include "common/core/Misc.h"
#include "tools/kiv5/CheckCommand.h"
#include "tools/kiv5/FileKinds.h"
#include "tools/kiv5/SoakDomain.h"

#include <QDir>
#include <QHash>
#include <QSet>

namespace kiv5::tool {
namespace {

void CheckFiles(const DemoSet& set, SoakFigures& figures) {
    for (const QString& path :
         {set.clientFiles.clientFile, set.incomeFile, set.expenseFile, set.billFile}) {
        ++figures.filesChecked;
        const FileCheck check = CheckFile(path, *FindFileKind(path));
        for (const Fault& fault : check.faults) {
            if (!fault.notice) {
                figures.problems.append(FaultLine(FileNamePart(path), fault));
            }
        }
    }
}

void CheckNoLocks(const DemoSet& set, SoakFigures& figures) {
    for (const QString& folder : {set.clientFolder, set.booksFolder, set.billingFolder}) {
        for (const QString& name :
             QDir(folder).entryList({QStringLiteral("*.lock")}, QDir::Files | QDir::Hidden)) {
            figures.problems.append(QStringLiteral("lock file left: %1").arg(name));
        }
    }
}

// Every added slot lies beyond the slots there were, no two adds share one,
// and every slot the file holds now was there or was added.
void CheckAdds(const QString& domain, const QMap<int, QString>& before,
               const QMap<int, QString>& after, const QList<int>& added, SoakFigures& figures) {
    QMap<int, int> adds;
    for (const int slot : added) {
        ++adds[slot];
    }
    for (auto it = adds.begin(); it != adds.end(); ++it) {
        if (before.contains(it.key()) || it.value() > 1) {
            figures.problems.append(QStringLiteral("%1: slot %2 was given to %3 adds")
                                        .arg(domain)
                                        .arg(it.key())
                                        .arg(it.value() + (before.contains(it.key()) ? 1 : 0)));
        }
        if (!after.contains(it.key())) {
            figures.problems.append(
                QStringLiteral("%1: the add at slot %2 is missing").arg(domain).arg(it.key()));
        }
    }
    for (auto it = after.begin(); it != after.end(); ++it) {
        if (!before.contains(it.key()) && !adds.contains(it.key())) {
            figures.problems.append(QStringLiteral("%1: slot %2 holds a record nobody added")
                                        .arg(domain)
                                        .arg(it.key()));
        }
    }
}

// The writes of one slot, each from the version its writer saw to the one it
// wrote, must chain from the first version to the stored one.
void CheckChain(const QString& domain, int slot, const QString& first, const QString& stored,
                const QList<std::pair<QString, QString>>& writes, SoakFigures& figures) {
    QHash<QString, QString> next;
    for (const auto& write : writes) {
        const QString& seen = write.first;
        const QString& written = write.second;
        if (next.contains(seen)) {
            ++figures.lostUpdates;
            figures.problems.append(QStringLiteral("%1 slot %2: \"%3\" was replaced twice, by "
                                                   "\"%4\" and \"%5\" (an undetected lost update)")
                                        .arg(domain)
                                        .arg(slot)
                                        .arg(seen, next.value(seen), written));
        }
        next.insert(seen, written);
    }
    QString version = first;
    qsizetype steps = 0;
    while (next.contains(version) && steps <= writes.size()) {
        version = next.value(version);
        ++steps;
    }
    if (steps != writes.size() || version != stored) {
        figures.problems.append(QStringLiteral("%1 slot %2: holds \"%3\"; the chain of %4 writes "
                                               "from \"%5\" reaches \"%6\" after %7")
                                    .arg(domain)
                                    .arg(slot)
                                    .arg(stored)
                                    .arg(writes.size())
                                    .arg(first, version)
                                    .arg(steps));
    }
}

} // namespace

SoakSnapshot TakeSoakSnapshot(const DemoSet& set, const OfficeContext& context) {
    SoakSnapshot snapshot;
    for (const auto& domain : OpenSoakDomains(set, context)) {
        QMap<int, QString>& versions = snapshot[domain->Name()];
        for (int row = 1; row < domain->Table().RowCount(); ++row) {
            versions.insert(domain->SlotOf(row), domain->IdentityOf(row));
        }
    }
    return snapshot;
}

SoakFigures CheckSoak(const DemoSet& set, const SoakSnapshot& before,
                      const QList<QList<SoakEvent>>& logs, const OfficeContext& context) {
    SoakFigures figures;
    figures.processes = int(logs.size());
    QMap<QString, QList<int>> added;
    QMap<QString, QMap<int, QList<std::pair<QString, QString>>>> writes;
    for (const QList<SoakEvent>& log : logs) {
        for (const SoakEvent& event : log) {
            switch (event.kind) {
            case SoakEvent::Operation:
                ++figures.operations;
                break;
            case SoakEvent::Add:
                ++figures.adds;
                added[event.domain].append(event.slot);
                break;
            case SoakEvent::Write:
                ++figures.writes;
                writes[event.domain][event.slot].append({event.before, event.after});
                break;
            case SoakEvent::Conflict:
                ++figures.conflicts;
                break;
            case SoakEvent::Refused:
                ++figures.refusals;
                break;
            case SoakEvent::Error:
                ++figures.errors;
                figures.problems.append(
                    QStringLiteral("%1: a command failed: %2").arg(event.domain, event.before));
                break;
            }
        }
    }
    CheckNoLocks(set, figures);
    CheckFiles(set, figures);
    const SoakSnapshot after = TakeSoakSnapshot(set, context);
    for (auto domain = after.begin(); domain != after.end(); ++domain) {
        const QMap<int, QString>& first = before.value(domain.key());
        CheckAdds(domain.key(), first, domain.value(), added.value(domain.key()), figures);
        const auto& slotWrites = writes.value(domain.key());
        for (auto slot = domain.value().begin(); slot != domain.value().end(); ++slot) {
            ++figures.recordsChecked;
            CheckChain(domain.key(), slot.key(), first.value(slot.key()), slot.value(),
                       slotWrites.value(slot.key()), figures);
        }
    }
    return figures;
}

} // namespace kiv5::tool
