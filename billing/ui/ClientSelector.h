#pragma once

// The client selector: "Select Client", a sorted drop-down list of the
// clients ("Last, First - Number") and OK. The calendar's client column and
// the worksheet's calendar import use it.

#include <QDialog>
#include <QStringList>

class QComboBox;

namespace kiv5 {
struct BillingSettings;
class ProgressTracker;
} // namespace kiv5

namespace kiv5::billing::ui {

class ClientSelector : public QDialog {
    Q_OBJECT

public:
    // Preselects the client whose number equals `clientNo` (ASCII letter
    // case ignored); none when it is empty or no entry has it.
    ClientSelector(const QStringList& entries, const QString& clientNo, QWidget* parent = nullptr);

    // The client number of the chosen entry; empty when none is chosen.
    QString ClientNo() const;
    QComboBox& List() const { return *list_; }

private:
    QComboBox* list_ = nullptr;
};

// The selector's entries, read under the "Building Client Number List"
// progress window; none when no client file is linked or it is missing.
QStringList BuildClientSelectorList(const BillingSettings& settings, ProgressTracker& progress,
                                    QWidget* parent = nullptr);

} // namespace kiv5::billing::ui
