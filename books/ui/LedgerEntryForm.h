#pragma once

// The entry form of one income or expense record. Its mode (captions,
// colours, the print-check button) comes from the ledger's kind; its buttons
// are reported to the main window, which runs the record commands. What the
// form does by itself: the pick lists, filling the payor or payee from the
// client, the amount's key filter and format, and telling that a field
// changed.

#include "books/core/LedgerEntry.h"
#include "books/core/LedgerKind.h"
#include "common/core/ErrorSink.h"

#include "common/ui/RecordEntryDialog.h"
#include <functional>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QToolButton;

namespace kiv5::books::ui {

struct EntryFormLists {
    QStringList clients;
    QStringList parties;
    QStringList categories;
    QStringList accounts;
};

class LedgerEntryForm : public kiv5::ui::RecordEntryDialog {
    Q_OBJECT

public:
    LedgerEntryForm(const LedgerKind& kind, const EntryFormLists& lists, ErrorSink errors,
                    QWidget* parent = nullptr);

    const LedgerKind& Kind() const { return kind_; }
    // Fills the fields from a row; the client and the account select the
    // item that matches exactly, else show what is stored.
    void ShowEntry(const LedgerEntry& entry, int position);
    LedgerEntry Entry() const;
    void FillFromParty(const PartyFill& fill);
    void AddCategoryItem(const QString& name);
    void FocusClient();
    // The print-check button works once a printer is wired to it.
    void SetPrintCheckAvailable(bool available);

    // What leaving a field does.
    void LeaveClient();
    void LeaveParty();
    void LeaveCategory();
    void LeaveAmount();

    QLineEdit* numberEdit = nullptr;
    QDateEdit* dateEdit = nullptr;
    QComboBox* clientBox = nullptr;
    QComboBox* partyBox = nullptr;
    QLineEdit* descriptionEdit = nullptr;
    QComboBox* categoryBox = nullptr;
    QLineEdit* codeEdit = nullptr;
    QLineEdit* amountEdit = nullptr;
    QComboBox* accountBox = nullptr;
    QLabel* positionLabel = nullptr;
    QToolButton* printCheckButton = nullptr;

signals:
    void PrintCheckClicked();
    void Modified();
    // The party field was left with this text.
    void PartyLeft(const QString& party);
    // The category field was left with this text.
    void CategoryLeft(const QString& category);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* MakeToolBar();
    QWidget* MakeFields(const EntryFormLists& lists);
    void WatchChanges();

    const LedgerKind& kind_;
    ErrorSink errors_;
    bool loading_ = false;
};

} // namespace kiv5::books::ui
