#pragma once

// What tells the income ledger from the expense ledger, as data: its texts,
// its file, its columns and the two rules that differ (where Delete moves
// afterwards, the texts the windows show). Everything else is one code path
// for both.

#include "common/core/ColumnSchema.h"

#include <QColor>
#include <QKeySequence>
#include <QLatin1StringView>
#include <QString>

namespace kiv5::books {

enum class LedgerId { Income, Expense };

// Where Delete leaves the current row.
enum class DeleteMove {
    // Back to the nearest earlier live row (stopping at row 1); when that row
    // is hidden the entry form closes, else it shows the row.
    BackOrCloseForm,
    // Back to the nearest earlier live row, else forward to the next live
    // one; the entry form closes.
    BackThenForwardCloseForm,
};

struct LedgerKind {
    LedgerId id;
    QLatin1StringView extension;
    DeleteMove deleteMove;
    // Menu and key shortcuts of the ledger's commands.
    QKeySequence addKey, deleteKey, displayKey, findKey;

    // The child window.
    QString caption;
    QString addHint, deleteHint, findHint, filterHint;
    QString deleteThisMenu, deleteSelectedMenu, editThisMenu, addMenu;
    QKeySequence addMenuKey;

    // Progress texts.
    QString openingText, savingText, packingText;
    QString selectingAllText, deselectingAllText;
    QString applyingFilterText, cancellingFilterText;
    QString backupText, restoreText;

    // Fast find.
    QString findPrompt, searchCompleteText;

    // The comparison dialog and the filter dialog.
    QString conflictTitle, filterTitle;

    // The entry form.
    QString formCaption, numberLabel, partyLabel;
    QColor formColour;
    bool printCheck;

    // The export heading.
    QStringList exportHeading;
};

const LedgerKind& IncomeKind();
const LedgerKind& ExpenseKind();
const LedgerKind& KindOf(LedgerId id);

// The ledger's column schema (captions, capacities, width settings).
ColumnSchema ColumnsOf(LedgerId id);

} // namespace kiv5::books
