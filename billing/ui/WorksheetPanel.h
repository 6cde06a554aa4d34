#pragma once

// The worksheet's entry panel: date, description, time and rate of one
// statement line, the buttons "Save To Table" and "Get Calender Entries" and
// the navigator bar. The focused field is shown on silver.

#include "billing/core/StatementWorkspace.h"

#include <QWidget>

class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace kiv5::billing::ui {

// What leaving the description does to it: "{" and "}" become "(" and ")",
// "\", "/" and tabs become "-".
QString ReplaceDescriptionCharacters(QString text);
// Only digits, ".", "-" and backspace can be typed into time and rate.
bool IsNumberKey(const QString& typed);

class WorksheetPanel : public QWidget {
    Q_OBJECT

public:
    explicit WorksheetPanel(QWidget* parent = nullptr);

    // Shows an entry without marking the panel changed.
    void SetEntry(const StatementEntry& entry);
    StatementEntry Entry() const;
    // Replaces the description as typing would (a shorthand text).
    void ReplaceDescription(const QString& text);
    void FocusDescription();

    QDateEdit* dateEdit = nullptr;
    QPlainTextEdit* descriptionEdit = nullptr;
    QLineEdit* timeEdit = nullptr;
    QLineEdit* rateEdit = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* importButton = nullptr;
    QToolButton* insertButton = nullptr;
    QToolButton* deleteButton = nullptr;
    QToolButton* firstButton = nullptr;
    QToolButton* lastButton = nullptr;
    QToolButton* priorButton = nullptr;
    QToolButton* nextButton = nullptr;

signals:
    // The user changed a field.
    void Modified();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* MakeNavigator();
    void LimitDescription();

    bool loading_ = false;
};

} // namespace kiv5::billing::ui
