#pragma once

#include <QCheckBox>
#include <QDialog>
#include <array>
#include <vector>

namespace kiv5::ui {

// "Hide or Show Columns": one check box per table column 1 to 17.
class HideShowColumnsDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kFirstColumn = 1;
    static constexpr int kLastColumn = 17;

    // showColumn holds a flag for every table column (at least 18).
    explicit HideShowColumnsDialog(const std::vector<bool>& showColumn, QWidget* parent = nullptr);

    // The flags as the boxes stand, columns outside 1-17 unchanged.
    std::vector<bool> ShowColumn() const;
    QCheckBox* Box(int column) const { return boxes_[column - kFirstColumn]; }

private:
    std::vector<bool> original_;
    std::array<QCheckBox*, kLastColumn - kFirstColumn + 1> boxes_{};
};

// The widths columns 1-17 get after the dialog: -1 when hidden, else the
// stored width, a stored -1 first becoming the grid's default of 48 pixels.
std::vector<int> WidthsAfterHideShow(const std::vector<int>& widths,
                                     const std::vector<bool>& showColumn);

} // namespace kiv5::ui
