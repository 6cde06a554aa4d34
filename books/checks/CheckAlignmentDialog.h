#pragma once

// "Check Alignment": moves everything printed on a check to meet pre-printed
// check stock, in hundredths of an inch, and prints a test page with the
// values being tried.

#include "books/checks/CheckPrinters.h"
#include "books/core/CheckPage.h"
#include "common/core/OfficeContext.h"
#include "common/ui/Launcher.h"
#include "common/ui/Prompts.h"

#include <QDialog>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <functional>

namespace kiv5 {
struct BooksSettings;
}

namespace kiv5::ui {

inline const QString kCheckAlignmentTitle = QStringLiteral("Check Alignment");

class CheckAlignmentDialog : public QDialog {
    Q_OBJECT

public:
    using TestPageFunction = std::function<void(const books::CheckOffset&)>;

    CheckAlignmentDialog(const books::CheckOffset& offset, TestPageFunction printTestPage,
                         QWidget* parent = nullptr);

    // The offset shown, rounded to hundredths of an inch.
    books::CheckOffset Offset() const;

    QDoubleSpinBox* Right() const { return right_; }
    QDoubleSpinBox* Down() const { return down_; }
    QPushButton* TestPageButton() const { return testPage_; }

private:
    QDoubleSpinBox* right_ = nullptr;
    QDoubleSpinBox* down_ = nullptr;
    QPushButton* testPage_ = nullptr;
};

// Options menu, "Check Alignment...": shows the dialog with the settings'
// offset; its test page goes where checks go (PrintCheckTestPage). OK keeps
// the offset in CheckOffsetX and CheckOffsetY (written with the other
// settings); true when it was kept.
bool RunCheckAlignment(BooksSettings& settings, Prompts& prompts, const Launcher& launcher,
                       const OfficeContext& context, QWidget* parent = nullptr,
                       const CheckPrinters& printers = CheckPrinters::System());

} // namespace kiv5::ui
