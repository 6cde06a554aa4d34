#pragma once

// " Download Update Dialog": checks the upgrade host for a newer release and
// downloads its installer into the data folder. The installer is not started
// from here.

#include "clientdb/ui/UpgradeSource.h"
#include "common/ui/HelpCallback.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace kiv5::ui {

class Prompts;

// The dialog's byte count during a download: "%12d" of the bytes received,
// then " read of 9,726,083 total bytes" with the announced length when there
// is one.
QString ReceivedText(qint64 received, qint64 announced);

class UpgradeDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int HelpTopic = 110;

    UpgradeDialog(UpgradeSource& source, Prompts& prompts, QWidget* parent = nullptr);

    void SetHelpHandler(HelpCallback handler) { help_ = std::move(handler); }

    void CheckAvailability();
    void DownloadUpgrade();

    QString ResultText() const;

private:
    void BuildWidgets();
    void ShowResult(const QString& text, bool check, bool download);
    void ShowReceived(qint64 received, qint64 announced);

    UpgradeSource& source_;
    Prompts& prompts_;
    HelpCallback help_;
    QLabel* results_ = nullptr;
    QPushButton* check_ = nullptr;
    QPushButton* download_ = nullptr;
};

} // namespace kiv5::ui
