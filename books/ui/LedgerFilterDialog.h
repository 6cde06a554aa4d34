#pragma once

// "Income Filter Dialog" / "Expense Filter Dialog": the nine criteria of a
// ledger, shown from and read back into a FilterRec.

#include "books/core/LedgerFilter.h"
#include "books/core/LedgerKind.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kiv5::ui {
class Prompts;
}

namespace kiv5::books::ui {

class LedgerFilterDialog : public QDialog {
    Q_OBJECT

public:
    LedgerFilterDialog(const LedgerKind& kind, const FilterRec& criteria,
                       const QStringList& clients, const QStringList& accounts,
                       const QStringList& categories, kiv5::ui::Prompts& prompts,
                       QWidget* parent = nullptr);

    // The fields as criteria; the client criterion is the number part of
    // the client field.
    FilterRec Criteria() const;
    void PickAccounts();
    void PickCategories();

    QLineEdit* numberEdit = nullptr;
    QLineEdit* dateEdit = nullptr;
    QComboBox* clientBox = nullptr;
    QLineEdit* partyEdit = nullptr;
    QLineEdit* descriptionEdit = nullptr;
    QLineEdit* categoryEdit = nullptr;
    QLineEdit* accountEdit = nullptr;
    QLineEdit* codeEdit = nullptr;
    QLineEdit* amountEdit = nullptr;
    QPushButton* applyButton = nullptr;

private:
    kiv5::ui::Prompts& prompts_;
    QStringList accounts_;
    QStringList categories_;
};

} // namespace kiv5::books::ui
