#pragma once

#include "clientdb/core/ClientEntry.h"

#include <QDialog>
#include <QPoint>
#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;

namespace kiv5::ui {

class ClientFieldsPanel;

// "Name & Address Entry Form": one client at a time. The form only shows and
// collects; every button is a signal the main window acts on (it owns the
// table, the current row and the saving), and it tells the form what to show.
//
// Closing: the Close button, Escape, Enter outside the memo and outside a
// focused button, the close box and "Cancel Find" all ask the close check
// first and leave the form open when it says no. hide(), accept(), reject()
// and done() close without asking, for the main window's own use. Enter in the
// memo starts a new line; Enter on a focused button clicks that button.
//
// The main window keeps one form for the run: it reappears where the user
// left it.
class EntryForm : public QDialog {
    Q_OBJECT

public:
    // Asked when the form is to close: returns true when it may close. Unset
    // means it may. The main window resolves unsaved changes in it.
    using CloseCheck = std::function<bool()>;

    enum Button {
        FirstButton,
        PriorButton,
        NextButton,
        LastButton,
        DeleteButton,
        AddButton,
        SaveButton,
        CopyButton,
        PasteButton,
        CancelFindButton,
        CloseButton,
        ButtonCount
    };

    explicit EntryForm(QWidget* parent = nullptr);

    void SetCloseCheck(CloseCheck check);

    // Loads the fields, the check box and the record number; clears Modified.
    void ShowEntry(const kiv5::ClientEntry& entry);
    // The form's contents: the shown entry's record number, the state index,
    // the memo with CR LF line breaks. A field the user left alone keeps the
    // shown text even where it is longer than the field accepts.
    kiv5::ClientEntry Entry() const;

    bool IsModified() const { return modified_; }
    // Updates the Save button.
    void SetModified(bool modified);
    // First and prior while currentRowNo >= 2, next and Last while
    // currentRowNo < lastRow, Save while modified.
    void UpdateButtons(int currentRowNo, int lastRow);
    void FocusClientNo();

    // "Cancel Find" was pressed during this showing of the form; cleared each
    // time the form is shown, kept while it navigates.
    bool CancelFindPressed() const { return cancelFindPressed_; }

    ClientFieldsPanel* Fields() const { return fields_; }
    QCheckBox* SelectedBox() const { return selected_; }
    QLabel* RecordLabel() const { return recordLabel_; }
    QPushButton* ButtonAt(Button button) const { return buttons_[button]; }

    // The record number label's text.
    static QString RecordLabelText(int recNo);

    void setVisible(bool visible) override;

signals:
    void FirstClicked();
    void PriorClicked();
    void NextClicked();
    void LastClicked();
    void DeleteClicked();
    void AddClicked();
    void SaveClicked();
    void CopyClicked();
    void PasteClicked();
    // The form then tries to close, through the close check.
    void CancelFindClicked();
    // The user changed a field or the check box.
    void Modified();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* AddButtonWidget(Button button, const QString& text, const QString& hint,
                                 const char* name);
    void UserEdited();
    // Closes when the close check allows; true when it closed.
    bool TryClose();

    ClientFieldsPanel* fields_ = nullptr;
    QCheckBox* selected_ = nullptr;
    QLabel* recordLabel_ = nullptr;
    std::array<QPushButton*, ButtonCount> buttons_{};
    CloseCheck closeCheck_;
    kiv5::ClientEntry shown_;
    // The memo as the edit held it right after loading.
    QString loadedMemo_;
    bool modified_ = false;
    bool cancelFindPressed_ = false;
    bool closing_ = false;
    std::optional<QPoint> lastPosition_;
};

} // namespace kiv5::ui
