#pragma once

#include <QDialog>
#include <QList>
#include <QString>

namespace kiv5::ui {

// One line naming the record to delete; the caption may be empty.
struct DeleteRecordLine {
    QString caption;
    QString value;
};

// The "Delete Record Dialog" of the delete-selected commands: asks about one
// marked record at a time.
class DeleteRecordDialog : public QDialog {
    Q_OBJECT

public:
    // The results, as the modal results of the programs number them.
    static constexpr int Yes = 6;
    static constexpr int No = 7;
    static constexpr int All = 8;
    static constexpr int Cancel = 2;

    explicit DeleteRecordDialog(const QList<DeleteRecordLine>& lines, QWidget* parent = nullptr);

public slots:
    // Closing the window stops the command as Cancel does.
    void reject() override;
};

// The client's lines: "Last, First" and the company.
QList<DeleteRecordLine> MakeClientDeleteLines(const QString& lastName, const QString& firstName,
                                              const QString& company);

} // namespace kiv5::ui
