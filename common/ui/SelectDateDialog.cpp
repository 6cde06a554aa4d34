#include "common/ui/SelectDateDialog.h"

#include "common/ui/OrvDate.h"

#include "common/core/DateTime.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kiv5::ui {

SelectDateDialog::SelectDateDialog(const QDate& start, const Clock& clock, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Select Date Dialog"));
    text_ = new QLabel(DefaultText(), this);
    text_->setObjectName(QStringLiteral("lblText"));
    text_->setWordWrap(true);
    text_->setMinimumWidth(320);
    date_ = new OrvDate(start.isValid() ? start : clock.CurrentDateTime().date(), this);
    date_->setObjectName(QStringLiteral("dtpDate"));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(ok, &QPushButton::clicked, this, &SelectDateDialog::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(date_, 0, Qt::AlignLeft);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    date_->setFocus();
}

QString SelectDateDialog::DefaultText() {
    return QStringLiteral("Use the drop-down combo box below to select the date that will be "
                          "printed at the top of each bill.");
}

void SelectDateDialog::SetText(const QString& text) {
    text_->setText(text);
}

QString SelectDateDialog::Text() const {
    return text_->text();
}

void SelectDateDialog::OnOk() {
    selected_ = date_->date();
    accept();
}

} // namespace kiv5::ui
