#pragma once

// "Select Date Dialog": asks for one date, starting at the caller's date,
// with a line of text that says what the date is for.

#include "common/core/Clock.h"

#include <QDate>
#include <QDialog>
#include <optional>

class QLabel;

namespace kiv5::ui {

class OrvDate;

class SelectDateDialog : public QDialog {
    Q_OBJECT

public:
    // An invalid start shows the clock's today.
    SelectDateDialog(const QDate& start, const Clock& clock, QWidget* parent = nullptr);

    // Replaces the default text line.
    void SetText(const QString& text);
    QString Text() const;

    // The date chosen with OK; nothing before that or after Cancel.
    std::optional<QDate> SelectedDate() const { return selected_; }

    static QString DefaultText();

private:
    void OnOk();

    QLabel* text_ = nullptr;
    OrvDate* date_ = nullptr;
    std::optional<QDate> selected_;
};

} // namespace kiv5::ui
