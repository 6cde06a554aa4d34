#include "books/core/LedgerKind.h"

#include "books/core/BookkeepingSet.h"
#include "books/core/LedgerColumns.h"

namespace kiv5::books {

const LedgerKind& IncomeKind() {
    static const LedgerKind kind{
        .id = LedgerId::Income,
        .extension = kIncomeExtension,
        .deleteMove = DeleteMove::BackOrCloseForm,
        .addKey = QKeySequence(Qt::CTRL | Qt::Key_A),
        .deleteKey = QKeySequence(Qt::CTRL | Qt::Key_D),
        .displayKey = QKeySequence(Qt::CTRL | Qt::Key_R),
        .findKey = QKeySequence(Qt::CTRL | Qt::Key_F),
        .caption = QStringLiteral("Income/Receipts"),
        .addHint = QStringLiteral("Add income or receipt <Ctrl><A>"),
        .deleteHint = QStringLiteral("Delete this income record <Ctrl><D>"),
        .findHint = QStringLiteral("Fast Find <Ctrl><F>"),
        .filterHint = QStringLiteral("Filter income"),
        .deleteThisMenu = QStringLiteral("&Delete This Receipt"),
        .deleteSelectedMenu = QStringLiteral("Delete All Selected Receipts"),
        .editThisMenu = QStringLiteral("&Edit This Receipt"),
        .addMenu = QStringLiteral("&Add Receipt"),
        .addMenuKey = QKeySequence(Qt::CTRL | Qt::Key_A),
        .openingText = QStringLiteral("Opening Income File"),
        .savingText = QStringLiteral("Saving Income File"),
        .packingText = QStringLiteral("Packing Income File"),
        .selectingAllText = QStringLiteral("Selecting All Income"),
        .deselectingAllText = QStringLiteral("De-selecting All Income"),
        .applyingFilterText = QStringLiteral("Applying Filter to Income Records"),
        .cancellingFilterText = QStringLiteral("Cancelling Income Filter"),
        .backupText = QStringLiteral("Making Income Backup File"),
        .restoreText = QStringLiteral("Loading Income Backup File"),
        .findPrompt = QStringLiteral("Enter the text you wish to search income for"),
        .searchCompleteText = QStringLiteral("Income Search Complete"),
        .conflictTitle = QStringLiteral("Income Record Conflict"),
        .filterTitle = QStringLiteral("Income Filter Dialog"),
        .formCaption = QStringLiteral("Income/Receipt Entry Form"),
        .numberLabel = QStringLiteral("Record No."),
        .partyLabel = QStringLiteral("Payor"),
        .formColour = QColor(0xC0, 0xDC, 0xC0),
        .printCheck = false,
        .exportHeading = {QStringLiteral("Inc Rec No"), QStringLiteral("Date"),
                          QStringLiteral("Client No."), QStringLiteral("Payor"),
                          QStringLiteral("Description"), QStringLiteral("Category"),
                          QStringLiteral("Account"), QStringLiteral("Code"),
                          QStringLiteral("Amount")},
    };
    return kind;
}

const LedgerKind& ExpenseKind() {
    static const LedgerKind kind{
        .id = LedgerId::Expense,
        .extension = kExpenseExtension,
        .deleteMove = DeleteMove::BackThenForwardCloseForm,
        .addKey = QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_A),
        .deleteKey = QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_D),
        .displayKey = QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_R),
        .findKey = QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_F),
        .caption = QStringLiteral("Expenses/Disbursements"),
        .addHint = QStringLiteral("Add a expense or disbursement <Shift><Ctrl><A>"),
        .deleteHint = QStringLiteral("Delete this expense <Shift> <Ctrl><D>"),
        .findHint = QStringLiteral("Fast Find <Shift><Ctrl><F>"),
        .filterHint = QStringLiteral("Filter expenses"),
        .deleteThisMenu = QStringLiteral("&Delete This Expense"),
        .deleteSelectedMenu = QStringLiteral("Delete &All Selected Expenses"),
        .editThisMenu = QStringLiteral("&Edit This Expense"),
        .addMenu = QStringLiteral("&Add Expense"),
        .addMenuKey = QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_A),
        .openingText = QStringLiteral("Opening Expense File"),
        .savingText = QStringLiteral("Saving Expense File"),
        .packingText = QStringLiteral("Packing Expense File"),
        .selectingAllText = QStringLiteral("Selecting All Expenses"),
        .deselectingAllText = QStringLiteral("De-selecting All Expenses"),
        .applyingFilterText = QStringLiteral("Applying Filter to Expense Records"),
        .cancellingFilterText = QStringLiteral("Cancelling Expense Filter"),
        .backupText = QStringLiteral("Making Expense Backup File"),
        .restoreText = QStringLiteral("Loading Expense Backup File"),
        .findPrompt = QStringLiteral("Enter the text you wish to search expenses for"),
        .searchCompleteText = QStringLiteral("Expense Search Complete"),
        .conflictTitle = QStringLiteral("Expense Record Conflict"),
        .filterTitle = QStringLiteral("Expense Filter Dialog"),
        .formCaption = QStringLiteral("Expense/Disbursement Entry Form"),
        .numberLabel = QStringLiteral("Check No."),
        .partyLabel = QStringLiteral("Payee"),
        .formColour = QColor(0xFF, 0xF0, 0xFF),
        .printCheck = true,
        .exportHeading = {QStringLiteral("Check No"), QStringLiteral("Date"),
                          QStringLiteral("Client No."), QStringLiteral("Payee"),
                          QStringLiteral("Description"), QStringLiteral("Category"),
                          QStringLiteral("Account"), QStringLiteral("Code"),
                          QStringLiteral("Amount")},
    };
    return kind;
}

const LedgerKind& KindOf(LedgerId id) {
    return id == LedgerId::Income ? IncomeKind() : ExpenseKind();
}

ColumnSchema ColumnsOf(LedgerId id) {
    return id == LedgerId::Income ? IncomeColumns() : ExpenseColumns();
}

} // namespace kiv5::books
