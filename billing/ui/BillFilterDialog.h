#pragma once

// "Filter Billing Records Form": the ten criteria of the bill filter, shown
// from and read back into a BillFilterRec.

#include "billing/core/BillFilter.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kiv5::billing::ui {

class BillFilterDialog : public QDialog {
    Q_OBJECT

public:
    // clients: the client list in the order shown; clientItem: the item of
    // the last client criterion, or empty (the criterion then shows as text).
    BillFilterDialog(const BillFilterRec& criteria, const QStringList& clients,
                     const QString& clientItem, QWidget* parent = nullptr);

    // The fields as criteria; the client criterion is the number part of
    // the client field. Each cut to its maximum.
    BillFilterRec Criteria() const;

    QComboBox* clientBox = nullptr;
    QLineEdit* fullNameEdit = nullptr;
    QLineEdit* dateEdit = nullptr;
    QLineEdit* balanceEdit = nullptr;
    QLineEdit* descriptionEdit = nullptr;
    QLineEdit* amountEdit = nullptr;
    QLineEdit* pathEdit = nullptr;
    QLineEdit* noteEdit = nullptr;
    QLineEdit* interestEdit = nullptr;
    QLineEdit* rateEdit = nullptr;
    QPushButton* applyButton = nullptr;
    QPushButton* cancelButton = nullptr;
};

} // namespace kiv5::billing::ui
