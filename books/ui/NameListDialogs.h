#pragma once

// The editors of the account and the category list, and the pickers that
// turn a choice of names into a filter criterion. Accounts and categories
// use the same two dialogs with their own texts.

#include <QDialog>
#include <QStringList>

class QListWidget;
class QTableWidget;

namespace kiv5::ui {
class Prompts;
}

namespace kiv5::books::ui {

enum class NameList { Accounts, Categories };

// "Account Editor" / "Category Editor": one name per row.
class NameListEditor : public QDialog {
    Q_OBJECT

public:
    NameListEditor(NameList list, const QStringList& names, kiv5::ui::Prompts& prompts,
                   QWidget* parent = nullptr);

    // Every row in order, empty ones included.
    QStringList Names() const;
    void AddName();
    void DeleteName();

    QTableWidget* table = nullptr;

private:
    kiv5::ui::Prompts& prompts_;
};

// "Account Filter List" / "Category Filter List": several names chosen.
class NamePicker : public QDialog {
    Q_OBJECT

public:
    NamePicker(NameList list, const QStringList& names, QWidget* parent = nullptr);

    // The chosen names joined by "|" in list order.
    QString Joined() const;

    QListWidget* list = nullptr;
};

} // namespace kiv5::books::ui
