#pragma once

#include "clientdb/core/NameRec.h"

#include <QDialog>

namespace kiv5::ui {

class ClientFieldsPanel;

// "Name & Address Filter Form": the criteria of the client filter.
class FilterForm : public QDialog {
    Q_OBJECT

public:
    // How the form was left: Apply runs the filter with the new criteria,
    // Cancel runs nothing, the close box runs it with the criteria as they were.
    enum Outcome { Cancelled = 0, Applied = 1, ClosedByBox = 2 };

    explicit FilterForm(const NameRec& criteria, QWidget* parent = nullptr);

    // The criteria as the form holds them, each text cut to its field.
    NameRec Criteria() const;
    ClientFieldsPanel* Fields() const { return fields_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ClientFieldsPanel* fields_ = nullptr;
    NameRec original_;
    bool closingByButton_ = false;
};

} // namespace kiv5::ui
