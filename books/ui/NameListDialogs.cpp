#include "books/ui/NameListDialogs.h"

#include "common/ui/Prompts.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kiv5::books::ui {
namespace {

struct ListTexts {
    const char* editorTitle;
    const char* addButton;
    const char* deleteButton;
    const char* pickerTitle;
};

ListTexts TextsOf(NameList list) {
    if (list == NameList::Accounts) {
        return {"Account Editor", "Add An Account", "Delete An Account", "Account Filter List"};
    }
    return {"Category Editor", "Add A Category", "Delete A Category", "Category Filter List"};
}

QDialogButtonBox* OkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace

NameListEditor::NameListEditor(NameList list, const QStringList& names, kiv5::ui::Prompts& prompts,
                               QWidget* parent)
    : QDialog(parent), prompts_(prompts) {
    const ListTexts texts = TextsOf(list);
    setWindowTitle(QString::fromLatin1(texts.editorTitle));
    table = new QTableWidget(qMax<int>(1, static_cast<int>(names.size())), 1, this);
    table->setObjectName(QStringLiteral("grdNames"));
    table->horizontalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setStyleSheet(
        QStringLiteral("QTableWidget::item:selected { background: #A6CAF0; color: black; }"));
    for (int row = 0; row < table->rowCount(); ++row) {
        table->setItem(row, 0, new QTableWidgetItem(names.value(row)));
    }
    table->setCurrentCell(0, 0);
    auto* add = new QPushButton(QString::fromLatin1(texts.addButton), this);
    auto* remove = new QPushButton(QString::fromLatin1(texts.deleteButton), this);
    connect(add, &QPushButton::clicked, this, &NameListEditor::AddName);
    connect(remove, &QPushButton::clicked, this, &NameListEditor::DeleteName);
    auto* row = new QHBoxLayout;
    row->addWidget(add);
    row->addWidget(remove);
    row->addWidget(OkCancel(this));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addLayout(row);
}

QStringList NameListEditor::Names() const {
    QStringList names;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem* item = table->item(row, 0);
        names.append(item ? item->text() : QString());
    }
    return names;
}

void NameListEditor::AddName() {
    const std::optional<QString> name =
        prompts_.Input(QStringLiteral("Fast Find"),
                       QStringLiteral("Enter the text you wish to search for"), QString());
    if (!name) {
        return;
    }
    const QTableWidgetItem* only = table->item(0, 0);
    if (table->rowCount() == 1 && (!only || only->text().isEmpty())) {
        table->setItem(0, 0, new QTableWidgetItem(*name));
        return;
    }
    const int row = table->rowCount();
    table->insertRow(row);
    table->setItem(row, 0, new QTableWidgetItem(*name));
    table->setCurrentCell(row, 0);
}

void NameListEditor::DeleteName() {
    const QMessageBox::StandardButton answer = prompts_.Message(
        QStringLiteral("Delete Confirmation!"),
        QStringLiteral("Do You Want To Delete This Record?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Question);
    if (answer != QMessageBox::Yes || table->rowCount() <= 1) {
        return;
    }
    table->removeRow(qMax(0, table->currentRow()));
}

NamePicker::NamePicker(NameList which, const QStringList& names, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromLatin1(TextsOf(which).pickerTitle));
    auto* label = new QLabel(
        QStringLiteral("Highlight the fields you wish to hide. To select more than one field, "
                       "hold the <CTRL> key down while selecting additional fields from the list."),
        this);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    list = new QListWidget(this);
    list->setObjectName(QStringLiteral("lstNames"));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->addItems(names);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(OkCancel(this));
}

QString NamePicker::Joined() const {
    QStringList chosen;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected()) {
            chosen.append(list->item(row)->text());
        }
    }
    return chosen.join(QLatin1Char('|'));
}

} // namespace kiv5::books::ui
