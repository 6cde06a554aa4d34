#pragma once

// What every program's entry form does alike: the navigator and Save
// buttons follow the main window's rules, and closing asks the main window
// first (the save-changes question) unless the form is closed on purpose.

#include <QDialog>

#include <functional>

class QToolButton;

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
    QToolButton* saveButton = nullptr;

public slots:
    void done(int result) override;

private:
    std::function<bool()> closeGuard_;
    bool forceClose_ = false;
};

} // namespace kiv5::ui
