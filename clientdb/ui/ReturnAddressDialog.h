#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QStringList>
#include <array>

namespace kiv5::ui {

// "Avery Label 5163 Return Address": the four lines printed on every label of
// the 10-per-page sheet.
class ReturnAddressDialog : public QDialog {
    Q_OBJECT

public:
    // lines: ReturnName, ReturnAdrs1, ReturnAdrs2, ReturnAdrs3.
    explicit ReturnAddressDialog(const QStringList& lines, QWidget* parent = nullptr);
    QStringList Lines() const;
    QLineEdit* Edit(int i) const { return edits_[static_cast<std::size_t>(i)]; }

private:
    std::array<QLineEdit*, 4> edits_{};
};

} // namespace kiv5::ui
