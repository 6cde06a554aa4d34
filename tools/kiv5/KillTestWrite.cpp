#include "tools/kiv5/KillTestWrite.h"

#include "billing/core/BillingWorkspace.h"
#include "books/core/BooksWorkspace.h"
#include "books/core/LedgerLayout.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/core/ClientWorkspace.h"
#include "common/core/Misc.h"
#include "tools/kiv5/DemoWorkspaces.h"
#include "tools/kiv5/KillTestPeriodic.h"

namespace kiv5::tool {
namespace {

QString Marker(int generation) {
    return QStringLiteral("g%1").arg(generation);
}

int GenerationOf(const QString& marker) {
    bool ok = false;
    const int generation = marker.startsWith(QLatin1Char('g')) ? marker.mid(1).toInt(&ok) : 0;
    return ok ? generation : kMixed;
}

void StampColumn(RecordTable& table, int column, int generation) {
    const QString marker = Marker(generation);
    for (int row = 1; row < table.RowCount(); ++row) {
        table.SetCell(row, column, marker);
    }
}

int ColumnGeneration(const RecordTable& table, int column) {
    if (table.DataRowCount() < 1) {
        return kMixed;
    }
    const QString& first = table.Cell(1, column);
    for (int row = 2; row < table.RowCount(); ++row) {
        if (table.Cell(row, column) != first) {
            return kMixed;
        }
    }
    return GenerationOf(first);
}

} // namespace

QString KillWriteName(KillWrite write) {
    switch (write) {
    case KillWrite::Clients:
        return QStringLiteral("clients");
    case KillWrite::Books:
        return QStringLiteral("books");
    case KillWrite::Bills:
        return QStringLiteral("bills");
    case KillWrite::Periodic:
        return QStringLiteral("periodic");
    }
    return {};
}

std::optional<KillWrite> KillWriteNamed(const QString& name) {
    for (const KillWrite write : kKillWrites) {
        if (KillWriteName(write) == name) {
            return write;
        }
    }
    return std::nullopt;
}

void WriteGeneration(const DemoSet& set, KillWrite write, int generation,
                     const OfficeContext& context, const std::function<void()>& beforeWrite) {
    switch (write) {
    case KillWrite::Clients: {
        ClientWorkspace ws(kKillTestScreenWidth, context);
        ConfigureForDemo(ws, set);
        ws.Open(FileNamePart(set.clientFiles.clientFile));
        StampColumn(ws.Table(), ClientCol::Note2, generation);
        ws.SetMemoLine(0, Marker(generation));
        beforeWrite();
        ws.Save(SaveMode::Plain);
        break;
    }
    case KillWrite::Books: {
        books::BooksWorkspace ws(kKillTestScreenWidth, context);
        ConfigureForDemo(ws, set);
        ws.Open(set.setFile);
        StampColumn(ws.Income().Table(), books::LedgerColumn::Description, generation);
        StampColumn(ws.Expense().Table(), books::LedgerColumn::Description, generation);
        beforeWrite();
        ws.SaveAs(FileNamePart(set.setFile));
        break;
    }
    case KillWrite::Bills: {
        billing::BillingWorkspace ws(kKillTestScreenWidth, context);
        ConfigureForDemo(ws, set);
        ws.Open(set.linkFile);
        StampColumn(ws.Table(), billing::BillColumn::Note, generation);
        beforeWrite();
        ws.SaveAs(FileNamePart(set.linkFile));
        break;
    }
    case KillWrite::Periodic:
        WritePeriodicGeneration(set, generation, context, beforeWrite);
        break;
    }
}

QList<int> ReadGenerations(const DemoSet& set, KillWrite write, const OfficeContext& context) {
    switch (write) {
    case KillWrite::Clients: {
        ClientWorkspace ws(kKillTestScreenWidth, context);
        ConfigureForDemo(ws, set);
        ws.Open(FileNamePart(set.clientFiles.clientFile));
        return {ColumnGeneration(ws.Table(), ClientCol::Note2), GenerationOf(ws.Memo().value(0))};
    }
    case KillWrite::Books: {
        books::BooksWorkspace ws(kKillTestScreenWidth, context);
        ConfigureForDemo(ws, set);
        ws.Open(set.setFile);
        return {ColumnGeneration(ws.Income().Table(), books::LedgerColumn::Description),
                ColumnGeneration(ws.Expense().Table(), books::LedgerColumn::Description)};
    }
    case KillWrite::Bills: {
        billing::BillingWorkspace ws(kKillTestScreenWidth, context);
        ConfigureForDemo(ws, set);
        ws.Open(set.linkFile);
        return {ColumnGeneration(ws.Table(), billing::BillColumn::Note)};
    }
    case KillWrite::Periodic:
        return ReadPeriodicGenerations(set, context);
    }
    return {};
}

QStringList KillWriteFiles(const DemoSet& set, KillWrite write) {
    switch (write) {
    case KillWrite::Clients:
        return {set.clientFiles.clientFile, set.clientFiles.memoFile};
    case KillWrite::Books:
        return {set.setFile, set.incomeFile, set.expenseFile, set.accountFile, set.categoryFile};
    case KillWrite::Bills:
        return {set.billFile, set.linkFile};
    case KillWrite::Periodic:
        return PeriodicKillFiles(set);
    }
    return {};
}

QStringList KillWriteRecordFiles(const DemoSet& set, KillWrite write) {
    switch (write) {
    case KillWrite::Clients:
        return {set.clientFiles.clientFile};
    case KillWrite::Books:
        return {set.incomeFile, set.expenseFile};
    case KillWrite::Bills:
        return {set.billFile};
    case KillWrite::Periodic:
        return {PeriodicKillFiles(set).first()};
    }
    return {};
}

} // namespace kiv5::tool
