#include "clientdb/ui/ReturnAddressDialog.h"

#include "common/ui/CentreOnScreen.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace kiv5::ui {

ReturnAddressDialog::ReturnAddressDialog(const QStringList& lines, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Avery Label 5163 Return Address"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    const std::array<QString, 4> captions = {
        QStringLiteral("Name"), QStringLiteral("Address Line 1"), QStringLiteral("Address Line 2"),
        QStringLiteral("Address Line 3")};
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        edits_[i] = new QLineEdit(lines.value(static_cast<qsizetype>(i)), this);
        edits_[i]->setMinimumWidth(280);
        form->addRow(captions[i], edits_[i]);
    }
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    CentreOnScreen(*this);
}

QStringList ReturnAddressDialog::Lines() const {
    QStringList lines;
    for (const QLineEdit* edit : edits_) {
        lines << edit->text();
    }
    return lines;
}

} // namespace kiv5::ui
