#include "clientdb/ui/FilterForm.h"

#include "clientdb/core/MemoList.h"
#include "clientdb/ui/ClientFieldsPanel.h"
#include "common/core/Misc.h"
#include "common/ui/CentreOnScreen.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace kiv5::ui {
namespace {

using F = ClientFieldsPanel;

// The criterion fields in the order of the record.
const std::array<std::pair<F::Field, QString NameRec::*>, F::FieldCount> kTexts = {{
    {F::ClientNo, &NameRec::ClientNo},
    {F::LastName, &NameRec::LastName},
    {F::FirstName, &NameRec::FirstName},
    {F::Company, &NameRec::Company},
    {F::Address1, &NameRec::Address1},
    {F::Address2, &NameRec::Address2},
    {F::City, &NameRec::City},
    {F::ZipCode, &NameRec::ZipCode},
    {F::Phone, &NameRec::Phone},
    {F::Cell, &NameRec::Cell},
    {F::Fax, &NameRec::Fax},
    {F::EMail, &NameRec::EMail},
    {F::Note1, &NameRec::Note1},
    {F::Note2, &NameRec::Note2},
}};

} // namespace

FilterForm::FilterForm(const NameRec& criteria, QWidget* parent)
    : QDialog(parent), original_(criteria) {
    setWindowTitle(QStringLiteral("Name & Address Filter Form"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto* layout = new QVBoxLayout(this);
    fields_ = new ClientFieldsPanel(this);
    layout->addWidget(fields_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setToolTip(QStringLiteral("Cancels filter"));
    cancel->setAutoDefault(false);
    auto* apply = new QPushButton(QStringLiteral("Apply"), this);
    apply->setToolTip(QStringLiteral("Applies filter"));
    apply->setAutoDefault(false);
    buttons->addWidget(cancel);
    buttons->addWidget(apply);
    layout->addLayout(buttons);
    connect(cancel, &QPushButton::clicked, this, [this] {
        closingByButton_ = true;
        done(Cancelled);
    });
    connect(apply, &QPushButton::clicked, this, [this] {
        closingByButton_ = true;
        done(Applied);
    });

    for (const auto& [field, member] : kTexts) {
        fields_->SetText(field, criteria.*member);
    }
    fields_->SetStateIndex(criteria.State);
    fields_->SetMemo(RestoreCRLFFromPipe(criteria.Memo));
    setFixedSize(sizeHint().expandedTo(QSize(460, 0)));
    CentreOnScreen(*this);
}

NameRec FilterForm::Criteria() const {
    NameRec criteria;
    for (const auto& [field, member] : kTexts) {
        criteria.*member = fields_->Text(field).left(ClientFieldsPanel::Capacity(field));
    }
    criteria.State = fields_->StateIndex();
    criteria.Memo = EncodeMemo(fields_->Memo()).left(kMemoCapacity);
    return criteria;
}

void FilterForm::keyPressEvent(QKeyEvent* event) {
    // Enter on a button presses it; Escape, and Enter in a one-line field,
    // act as Cancel.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()); enter && button) {
        button->click();
        return;
    }
    if (event->key() == Qt::Key_Escape || (enter && !fields_->MemoEdit()->hasFocus())) {
        closingByButton_ = true;
        done(Cancelled);
        return;
    }
    QDialog::keyPressEvent(event);
}

void FilterForm::closeEvent(QCloseEvent* event) {
    if (!closingByButton_) {
        event->accept();
        done(ClosedByBox);
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace kiv5::ui
