#pragma once

// What every program's entry form does alike: the record buttons (navigator,
// Delete, Add, Save, Cancel Find, Close) and their signals, the navigator and
// Save following the main window's rules, and closing that asks the main
// window first (the save-changes question) unless the form is closed on
// purpose.

#include <QDialog>

#include <functional>

class QLineEdit;
class QToolButton;
class QWidget;

namespace kiv5::ui {

class RecordEntryDialog : public QDialog {
    Q_OBJECT

public:
    using QDialog::QDialog;

    // First/prior, next/last and save enabled as the main window says.
    void UpdateButtons(bool canGoBack, bool canGoOn, bool modified);
    // Asked before the form closes; false keeps it open.
    void SetCloseGuard(std::function<bool()> guard) { closeGuard_ = std::move(guard); }
    // Closes without asking (after Delete or when the record went away).
    void CloseNow();

    // Made by the form.
    QToolButton* firstButton = nullptr;
    QToolButton* priorButton = nullptr;
    QToolButton* nextButton = nullptr;
    QToolButton* lastButton = nullptr;
    QToolButton* deleteButton = nullptr;
    QToolButton* addButton = nullptr;
    QToolButton* saveButton = nullptr;
    QToolButton* cancelFindButton = nullptr;
    QToolButton* closeButton = nullptr;

signals:
    void FirstClicked();
    void PriorClicked();
    void NextClicked();
    void LastClicked();
    void SaveClicked();
    void DeleteClicked();
    void AddClicked();
    void CancelFindClicked();

public slots:
    void done(int result) override;

protected:
    // Wires the buttons above once the form has made them: the record
    // commands go to the main window, Cancel Find and Close close the form.
    void ConnectRecordButtons();
    static QLineEdit* MakeLineEdit(QWidget* parent, int maxLength, const QString& name,
                                   Qt::Alignment alignment = Qt::AlignLeft);

private:
    std::function<bool()> closeGuard_;
    bool forceClose_ = false;
};

} // namespace kiv5::ui
