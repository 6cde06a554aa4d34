#pragma once

#include "common/core/ErrorCatalogue.h"

#include <QDialog>
#include <QTimer>

class QFrame;
class QLabel;
class QPushButton;

namespace kiv5::ui {

class Prompts;

// The about box of a program, which doubles as its start-up splash.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(Program program, QWidget* parent = nullptr);

    // Stay on top, no OK button; once its timer is started the box closes
    // and deletes itself on the third tick, so make it with new.
    void MakeSplash();
    void StartTimer();

    bool IsSplash() const { return splash_; }
    int TimeCount() const { return TimeCount_; }
    const QTimer& Timer() const { return Timer1; }

public slots:
    void Timer1Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QFrame* MakeInfoPanel(Program program);

    QTimer Timer1;
    int TimeCount_ = 0;
    bool splash_ = false;
    QLabel* lblCredits_ = nullptr;
    QPushButton* btnOK_ = nullptr;
};

// "&About": the box shown modally through the prompts service.
void ShowAboutBox(Prompts& prompts, Program program, QWidget* parent = nullptr);

// The start-up splash: shown without blocking, its timer started; it goes
// away by itself about three seconds later. Returns it for the caller's
// information only; it owns itself.
AboutBox* ShowSplash(Program program);

} // namespace kiv5::ui
