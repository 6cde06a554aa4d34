#pragma once

#include "common/core/CompareRow.h"

#include <QDialog>
#include <QList>
#include <QString>

class QFrame;

namespace kiv5::ui {

// The side-by-side dialog of a save conflict: the stored record on the left
// (light blue), the edited one on the right, and which one survives.
class CompareDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int KeepLeft = 69;
    static constexpr int KeepRight = 70;
    static constexpr int Cancelled = 1;

    // The title names the record kind ("Record Comparison Conflict", "Income
    // Record Conflict" ...); the record number is the stored record's.
    CompareDialog(const QString& title, int recordNumber, const QList<kiv5::CompareRow>& stored,
                  const QList<kiv5::CompareRow>& edited, QWidget* parent = nullptr);

    static QColor StoredColour();

public slots:
    // Closing the window counts as Cancel.
    void reject() override;

private:
    QWidget* MakeToolBar(int recordNumber);
    QFrame* MakePanel(const QString& name, const QList<kiv5::CompareRow>& rows);
};

} // namespace kiv5::ui
