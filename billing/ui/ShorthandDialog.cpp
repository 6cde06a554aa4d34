#include "billing/ui/ShorthandDialog.h"

#include "billing/core/BillingSettings.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kiv5::billing::ui {

ShorthandDialog::ShorthandDialog(const QStringList& texts, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmShorthand"));
    setWindowTitle(QStringLiteral("Shorthand Dialog"));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Function Key"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Shorthand Text"), this), 0, 1);
    for (int k = 1; k <= SHORTHANDTEXTS; ++k) {
        auto* label = new QLabel(QStringLiteral("<F%1>").arg(k), this);
        auto* edit = new QLineEdit(texts.value(k - 1).left(SHORTHANDLENGTH), this);
        edit->setObjectName(QStringLiteral("edtShorthand%1").arg(k));
        edit->setMaxLength(SHORTHANDLENGTH);
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 48);
        label->setBuddy(edit);
        grid->addWidget(label, k, 0);
        grid->addWidget(edit, k, 1);
        edits.append(edit);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

QStringList ShorthandDialog::Texts() const {
    QStringList texts;
    for (const QLineEdit* edit : edits) {
        texts.append(edit->text().left(SHORTHANDLENGTH));
    }
    return texts;
}

} // namespace kiv5::billing::ui
