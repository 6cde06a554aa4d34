#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>
#include <array>

namespace kiv5::ui {

// The name and address fields of the entry form and the filter form, in tab
// order with their labels and length limits.
class ClientFieldsPanel : public QWidget {
    Q_OBJECT

public:
    // The one-line text fields, in tab order (the state list stands between
    // City and ZIP).
    enum Field {
        ClientNo,
        LastName,
        FirstName,
        Company,
        Address1,
        Address2,
        City,
        ZipCode,
        Phone,
        Cell,
        Fax,
        EMail,
        Note1,
        Note2,
        FieldCount
    };

    // One column of labelled fields (the filter form), or two: the name and
    // address on the left, the numbers, notes and memo on the right (the
    // entry form, which also holds its buttons and needs the height).
    enum class Arrangement { OneColumn, TwoColumns };

    explicit ClientFieldsPanel(QWidget* parent = nullptr,
                               Arrangement arrangement = Arrangement::OneColumn);

    QString Text(Field field) const;
    void SetText(Field field, const QString& text);
    // The selected state code, -1 for none.
    int StateIndex() const;
    void SetStateIndex(int code);
    QString Memo() const;
    void SetMemo(const QString& text);

    QLineEdit* Edit(Field field) const { return edits_[field]; }
    QComboBox* StateList() const { return state_; }
    QPlainTextEdit* MemoEdit() const { return memo_; }

    static int Capacity(Field field);
    static QString Caption(Field field);
    static QString Hint(Field field);

signals:
    // Any field, the state or the memo was changed by the user.
    void Edited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QLineEdit*, FieldCount> edits_{};
    QComboBox* state_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    bool loading_ = false;
};

} // namespace kiv5::ui
