#pragma once

// "Shorthand Dialog": the twelve phrases of the function keys F1 ... F12.

#include <QDialog>
#include <QList>
#include <QStringList>

class QLineEdit;

namespace kiv5::billing::ui {

class ShorthandDialog : public QDialog {
    Q_OBJECT

public:
    // Text k is texts[k - 1]; missing texts show empty.
    explicit ShorthandDialog(const QStringList& texts, QWidget* parent = nullptr);

    // The twelve fields, each cut to 64 characters.
    QStringList Texts() const;

    QList<QLineEdit*> edits;
};

} // namespace kiv5::billing::ui
