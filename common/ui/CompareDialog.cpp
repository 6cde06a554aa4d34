#include "common/ui/CompareDialog.h"

#include "common/ui/CentreOnScreen.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace kiv5::ui {
namespace {

constexpr int PanelWidth = 330;

QToolButton* MakeToolButton(const QString& text, const QString& name, const QString& hint,
                            QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

QLabel* MakeValueLabel(const kiv5::CompareRow& row, QWidget* parent) {
    auto* label = new QLabel(row.value, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(row.wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

CompareDialog::CompareDialog(const QString& title, int recordNumber,
                             const QList<kiv5::CompareRow>& stored,
                             const QList<kiv5::CompareRow>& edited, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmCompare"));
    setWindowTitle(title);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(MakeToolBar(recordNumber));
    auto* panels = new QHBoxLayout;
    panels->setSpacing(0);
    panels->addWidget(MakePanel(QStringLiteral("pnlLeft"), stored));
    panels->addWidget(MakePanel(QStringLiteral("pnlRight"), edited));
    layout->addLayout(panels, 1);
    CentreOnScreen(*this);
}

QColor CompareDialog::StoredColour() {
    return QColor(166, 202, 240);
}

void CompareDialog::reject() {
    done(Cancelled);
}

QWidget* CompareDialog::MakeToolBar(int recordNumber) {
    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("tlbCompare"));
    bar->setFrameShape(QFrame::StyledPanel);
    bar->setFrameShadow(QFrame::Raised);
    const QString hint = QStringLiteral("Make no changes");
    auto* keepLeft =
        MakeToolButton(QStringLiteral("Keep This One"), QStringLiteral("spdKeepLeft"), hint, bar);
    auto* keepRight =
        MakeToolButton(QStringLiteral("Keep This One"), QStringLiteral("spdKeepRight"), hint, bar);
    auto* cancel = MakeToolButton(QStringLiteral("Cancel"), QStringLiteral("spdCancel"), {}, bar);
    auto* number = new QLabel(QStringLiteral("Record No.: ") + QString::number(recordNumber), bar);
    number->setObjectName(QStringLiteral("lblRecNo"));
    connect(keepLeft, &QToolButton::clicked, this, [this] { done(KeepLeft); });
    connect(keepRight, &QToolButton::clicked, this, [this] { done(KeepRight); });
    connect(cancel, &QToolButton::clicked, this, [this] { done(Cancelled); });

    // Each "Keep This One" sits over the panel it keeps.
    auto* grid = new QGridLayout(bar);
    grid->setContentsMargins(4, 2, 4, 2);
    auto* left = new QHBoxLayout;
    left->addWidget(keepLeft);
    left->addSpacing(12);
    left->addWidget(number);
    left->addStretch(1);
    auto* right = new QHBoxLayout;
    right->addWidget(keepRight);
    right->addStretch(1);
    right->addWidget(cancel);
    grid->addLayout(left, 0, 0);
    grid->addLayout(right, 0, 1);
    grid->setColumnMinimumWidth(0, PanelWidth - 8);
    grid->setColumnMinimumWidth(1, PanelWidth - 8);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    return bar;
}

QFrame* CompareDialog::MakePanel(const QString& name, const QList<kiv5::CompareRow>& rows) {
    auto* panel = new QFrame(this);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setMinimumWidth(PanelWidth);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    if (name == QStringLiteral("pnlLeft"))
        palette.setColor(QPalette::Window, StoredColour());
    panel->setPalette(palette);

    auto* grid = new QGridLayout(panel);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    for (int i = 0; i < rows.size(); ++i) {
        auto* caption = new QLabel(rows[i].caption, panel);
        caption->setTextFormat(Qt::PlainText);
        caption->setAlignment(Qt::AlignRight | Qt::AlignTop);
        grid->addWidget(caption, i, 0);
        grid->addWidget(MakeValueLabel(rows[i], panel), i, 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(int(rows.size()), 1);
    return panel;
}

} // namespace kiv5::ui
