#include "tests/uisupport/ModalAnswer.h"

#include <QApplication>
#include <QTimer>
#include <memory>

namespace kiv5::test {
namespace {

constexpr int PollMilliseconds = 10;
constexpr int MaxPolls = 500;

} // namespace

void WhenModalShown(std::function<void(QWidget& modal)> action) {
    auto* timer = new QTimer(QCoreApplication::instance());
    auto polls = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, polls, action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(*modal);
        } else if (++*polls > MaxPolls) {
            timer->stop();
            timer->deleteLater();
            qWarning("no modal window was shown");
        }
    });
    timer->start(PollMilliseconds);
}

} // namespace kiv5::test
