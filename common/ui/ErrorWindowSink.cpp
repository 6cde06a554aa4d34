#include "common/ui/ErrorWindowSink.h"

#include <QApplication>

namespace kiv5::ui {

void ShowErrorWindowSafely(Prompts& prompts, int code) {
    try {
        prompts.ShowErrorWindow(code);
        return;
    } catch (...) {
    }
    try {
        prompts.Message(QStringLiteral("Error"), QStringLiteral("Unknown Error in ErrorWindow"),
                        QMessageBox::Ok, QMessageBox::Critical);
    } catch (...) {
        qWarning("KIV5 error %d: the error window could not be shown", code);
    }
}

ErrorSink MakeErrorWindowSink(Prompts& prompts) {
    return ErrorSink([&prompts](int code) {
        QApplication::beep();
        ShowErrorWindowSafely(prompts, code);
    });
}

} // namespace kiv5::ui
