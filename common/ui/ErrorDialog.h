#pragma once

#include "common/core/ErrorCatalogue.h"
#include "common/ui/HelpCallback.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace kiv5::ui {

// The "Error/Warning Dialog" every error code of a program is shown in: the
// message of the code above, its general hint below, OK and, when the
// message has a help topic, Help. The arrow cursor shows while it is open,
// whatever the command had set.
class ErrorDialog : public QDialog {
    Q_OBJECT

public:
    ErrorDialog(Program program, int code, HelpCallback help, QWidget* parent = nullptr);
    ~ErrorDialog() override;

    int Code() const { return code_; }
    int HelpTopic() const { return helpTopic_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void BuildWindow(const QString& message, const QString& hint);
    void ShowHelp();
    void RestoreCursor();

    int code_;
    int helpTopic_;
    HelpCallback help_;
    bool arrowCursorSet_ = false;
    QPushButton* btnHelp_ = nullptr;
};

} // namespace kiv5::ui
