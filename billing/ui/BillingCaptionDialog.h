#pragma once

// "Billing Caption": the letterhead printed at the top of every bill, five
// lines kept as CaptionLine0 ... CaptionLine4.

#include "billing/core/BillingSettings.h"

#include <QDialog>
#include <array>

class QLineEdit;

namespace kiv5::ui {
class Prompts;
}

namespace kiv5::billing::ui {

class BillingCaptionDialog : public QDialog {
    Q_OBJECT

public:
    using Lines = std::array<QString, CAPTIONLINES>;

    explicit BillingCaptionDialog(const Lines& lines, QWidget* parent = nullptr);

    // The five field texts as they stand.
    Lines CaptionLines() const;
    QLineEdit* Edit(int line) const { return edits_[static_cast<std::size_t>(line)]; }

    // The field labels, line 0 first.
    static const std::array<QString, CAPTIONLINES>& Labels();

private:
    std::array<QLineEdit*, CAPTIONLINES> edits_{};
};

// Shows the dialog on the settings' caption lines; OK copies the five texts
// into them, Cancel leaves them as they were. True when copied.
bool EditBillingCaption(BillingSettings& settings, kiv5::ui::Prompts& prompts,
                        QWidget* parent = nullptr);

} // namespace kiv5::billing::ui
