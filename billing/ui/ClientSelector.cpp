#include "billing/ui/ClientSelector.h"

#include "billing/core/BillingSettings.h"
#include "billing/core/CalendarClientList.h"
#include "common/ui/ProgressWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kiv5::billing::ui {

ClientSelector::ClientSelector(const QStringList& entries, const QString& clientNo, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmClientSelector"));
    setWindowTitle(QStringLiteral("Client Selector"));
    auto* label = new QLabel(QStringLiteral("Select Client"), this);
    list_ = new QComboBox(this);
    list_->setObjectName(QStringLiteral("cmbxClients"));
    list_->setMinimumWidth(320);
    QStringList sorted = entries;
    sorted.sort();
    list_->addItems(sorted);
    list_->setCurrentIndex(IndexOfClient(sorted, clientNo));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_);
    layout->addWidget(ok, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString ClientSelector::ClientNo() const {
    return list_->currentIndex() < 0 ? QString() : ClientNumberOfEntry(list_->currentText());
}

QStringList BuildClientSelectorList(const BillingSettings& settings, ProgressTracker& progress,
                                    QWidget* parent) {
    kiv5::ui::ScopedProgress window(progress, QStringLiteral("Building Client Number List"),
                                    parent);
    return ReadSelectorClients(settings.PL5Directory, settings.PL5FileName, window.Callback());
}

} // namespace kiv5::billing::ui
