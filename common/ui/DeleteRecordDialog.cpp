#include "common/ui/DeleteRecordDialog.h"

#include "common/ui/CentreOnScreen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kiv5::ui {
namespace {

QLabel* MakePlainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

DeleteRecordDialog::DeleteRecordDialog(const QList<DeleteRecordLine>& lines, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("DelRecDlg"));
    setWindowTitle(QStringLiteral("Delete Record Dialog"));
    setModal(true);

    auto* question =
        MakePlainLabel(QStringLiteral("Do you wish to delete the following record?"), this);
    question->setObjectName(QStringLiteral("lblQuestion"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    for (int i = 0; i < lines.size(); ++i) {
        auto* value = MakePlainLabel(lines[i].value, this);
        value->setObjectName(QStringLiteral("lblLine%1").arg(i + 1));
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        if (lines[i].caption.isEmpty()) {
            grid->addWidget(value, i, 0, 1, 2);
        } else {
            grid->addWidget(MakePlainLabel(lines[i].caption, this), i, 0);
            grid->addWidget(value, i, 1);
        }
    }
    grid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const struct {
        const char* text;
        const char* name;
        int result;
    } choices[] = {{"&Yes", "btnYes", Yes},
                   {"&No", "btnNo", No},
                   {"&All", "btnAll", All},
                   {"&Cancel", "btnCancel", Cancel}};
    for (const auto& choice : choices) {
        auto* button = new QPushButton(QString::fromLatin1(choice.text), this);
        button->setObjectName(QString::fromLatin1(choice.name));
        button->setAutoDefault(false);
        button->setDefault(choice.result == Yes);
        const int result = choice.result;
        connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(360);
    CentreOnScreen(*this);
}

void DeleteRecordDialog::reject() {
    done(Cancel);
}

QList<DeleteRecordLine> MakeClientDeleteLines(const QString& lastName, const QString& firstName,
                                              const QString& company) {
    return {{QString(), lastName + QStringLiteral(", ") + firstName}, {QString(), company}};
}

} // namespace kiv5::ui
