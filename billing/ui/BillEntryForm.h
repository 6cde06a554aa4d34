#pragma once

// "Billing Entry Form": one bill as a form. Its buttons are reported to the
// main window, which runs the bill commands. What the form does by itself:
// the client list, the key filters of the balance and the rate, the rate
// check and the balance format on leaving them, the full name from the
// client, the shorthand phrases of F1 ... F12, and telling that a field
// changed.

#include "billing/core/BillEntry.h"
#include "common/core/ErrorSink.h"

#include "common/ui/RecordEntryDialog.h"
#include <QList>
#include <QStringList>
#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace kiv5::billing::ui {

class BillEntryForm : public kiv5::ui::RecordEntryDialog {
    Q_OBJECT

public:
    // clients: the client list in the order shown; shorthand: text k of F k
    // is shorthand[k - 1].
    BillEntryForm(const QStringList& clients, QStringList shorthand, ErrorSink errors,
                  QWidget* parent = nullptr);

    // Fills the fields; the client field shows the list item `clientItem`,
    // or the stored number as text when that is empty.
    void ShowBill(const BillEntry& entry, const QString& clientItem);
    BillEntry Entry() const;
    void SetPath(int line, const QString& path);
    void FocusClient();
    void SetPrintAvailable(bool available);

    // What leaving a field does.
    void LeaveClient();
    // The rate check, then the balance format.
    void LeaveMoney();
    // Replaces the focused description (the first when none has the focus)
    // with shorthand text k.
    void InsertShorthand(int k);

    QComboBox* clientBox = nullptr;
    QLineEdit* fullNameEdit = nullptr;
    QDateEdit* lastBillEdit = nullptr;
    QLineEdit* balanceEdit = nullptr;
    QCheckBox* interestBox = nullptr;
    QLineEdit* rateEdit = nullptr;
    QList<QLineEdit*> descriptionEdits;
    QList<QLineEdit*> amountEdits;
    QList<QLineEdit*> pathEdits;
    QPlainTextEdit* noteEdit = nullptr;
    QLabel* recordNumberLabel = nullptr;
    QToolButton* printButton = nullptr;
    QToolButton* findButton = nullptr;

signals:
    void PrintClicked();
    void FindClicked();
    void Modified();
    // A statement path field was double-clicked.
    void BrowsePathRequested(int line);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QWidget* MakeToolBar();
    QWidget* MakeFields(const QStringList& clients);
    QWidget* MakeLines();
    QWidget* MakePaths();
    void MakeShortcuts();
    void WatchChanges();
    void MarkModified();
    bool DescriptionHasFocus() const;

    QStringList shorthand_;
    ErrorSink errors_;
    bool loading_ = false;
    bool clientEdited_ = false;
};

} // namespace kiv5::billing::ui
