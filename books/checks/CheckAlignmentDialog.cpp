#include "books/checks/CheckAlignmentDialog.h"

#include "books/checks/PrintCheck.h"
#include "books/core/BooksSettings.h"
#include "common/ui/CentreOnScreen.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

namespace kiv5::ui {
namespace {

QDoubleSpinBox* InchesBox(double value, QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setDecimals(2);
    box->setRange(-books::kMaxCheckOffset, books::kMaxCheckOffset);
    box->setSingleStep(0.01);
    box->setSuffix(QStringLiteral(" in"));
    box->setValue(value);
    return box;
}

qint32 Hundredths(double inches) {
    return static_cast<qint32>(std::lround(inches * 100));
}

} // namespace

CheckAlignmentDialog::CheckAlignmentDialog(const books::CheckOffset& offset,
                                           TestPageFunction printTestPage, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(kCheckAlignmentTitle);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(QStringLiteral("Moves everything printed on a check to meet the "
                                           "printed stock.\nNegative values move it left or up."),
                            this);
    layout->addWidget(note);
    auto* form = new QFormLayout;
    right_ = InchesBox(offset.x, this);
    down_ = InchesBox(offset.y, this);
    form->addRow(QStringLiteral("Move &right:"), right_);
    form->addRow(QStringLiteral("Move &down:"), down_);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    testPage_ =
        buttons->addButton(QStringLiteral("Print &Test Page"), QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(testPage_, &QPushButton::clicked, this, [this, printTestPage] {
        if (printTestPage) {
            printTestPage(Offset());
        }
    });
    layout->addWidget(buttons);
    CentreOnScreen(*this);
}

books::CheckOffset CheckAlignmentDialog::Offset() const {
    return books::CheckOffsetFromHundredths(Hundredths(right_->value()),
                                            Hundredths(down_->value()));
}

bool RunCheckAlignment(BooksSettings& settings, Prompts& prompts, const Launcher& launcher,
                       const OfficeContext& context, QWidget* parent,
                       const CheckPrinters& printers) {
    const CheckDestination destination = CheckDestinationFrom(settings);
    CheckAlignmentDialog dialog(
        destination.offset,
        [&](const books::CheckOffset& offset) {
            CheckDestination trial = destination;
            trial.offset = offset;
            PrintCheckTestPage(trial, prompts, launcher, context, printers);
        },
        parent);
    if (prompts.Exec(dialog) != QDialog::Accepted) {
        return false;
    }
    const books::CheckOffset offset = dialog.Offset();
    settings.CheckOffsetX = Hundredths(offset.x);
    settings.CheckOffsetY = Hundredths(offset.y);
    return true;
}

} // namespace kiv5::ui
