#include "clientdb/ui/HideShowColumnsDialog.h"

#include "common/ui/CentreOnScreen.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace kiv5::ui {
namespace {

constexpr std::array<const char*, 17> kCaptions = {
    "Selected",   "Client Number", "Last Name",      "First Name",
    "Company",    "Address",       "Address Line 2", "City",
    "State",      "Zip Code",      "Phone Number",   "Cell Phone Number",
    "Fax Number", "Email Address", "Note Line 1",    "Note Line 2",
    "Memo"};

constexpr int kDefaultColumnWidth = 48;

} // namespace

HideShowColumnsDialog::HideShowColumnsDialog(const std::vector<bool>& showColumn, QWidget* parent)
    : QDialog(parent), original_(showColumn) {
    setWindowTitle(QStringLiteral("Hide or Show Columns"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto* layout = new QVBoxLayout(this);
    auto* frame = new QGroupBox(QStringLiteral(" Uncheck the columns you wish to hide "), this);
    auto* grid = new QGridLayout(frame);
    for (int column = kFirstColumn; column <= kLastColumn; ++column) {
        const int i = column - kFirstColumn;
        auto* box =
            new QCheckBox(QString::fromLatin1(kCaptions[static_cast<std::size_t>(i)]), frame);
        box->setChecked(static_cast<std::size_t>(column) < showColumn.size() &&
                        showColumn[static_cast<std::size_t>(column)]);
        boxes_[static_cast<std::size_t>(i)] = box;
        grid->addWidget(box, i % 9, i / 9);
    }
    layout->addWidget(frame);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignRight);
    CentreOnScreen(*this);
}

std::vector<bool> HideShowColumnsDialog::ShowColumn() const {
    std::vector<bool> flags = original_;
    if (flags.size() <= kLastColumn) {
        flags.resize(kLastColumn + 1, true);
    }
    for (int column = kFirstColumn; column <= kLastColumn; ++column) {
        flags[static_cast<std::size_t>(column)] = Box(column)->isChecked();
    }
    return flags;
}

std::vector<int> WidthsAfterHideShow(const std::vector<int>& widths,
                                     const std::vector<bool>& showColumn) {
    std::vector<int> result = widths;
    for (int column = HideShowColumnsDialog::kFirstColumn;
         column <= HideShowColumnsDialog::kLastColumn &&
         static_cast<std::size_t>(column) < result.size();
         ++column) {
        const auto c = static_cast<std::size_t>(column);
        const bool shown = c < showColumn.size() && showColumn[c];
        if (!shown) {
            result[c] = -1;
        } else if (result[c] < 0) {
            result[c] = kDefaultColumnWidth;
        }
    }
    return result;
}

} // namespace kiv5::ui
