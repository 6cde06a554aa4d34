#include "tools/kiv5/BillCommand.h"
#include "tools/kiv5/Commands.h"
#include "tools/kiv5/PeriodicCommand.h"
#include "tools/kiv5/PrintCheckCommand.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>

int main(int argc, char** argv) {
    // Printing a check and wrapping a bill's statements need fonts, which
    // need the graphics libraries; they run headless on the offscreen
    // platform. Every other command is plain.
    const bool printing = argc > 1 && (qstrcmp(argv[1], kiv5::tool::kPrintCheckCommand) == 0 ||
                                       qstrcmp(argv[1], kiv5::tool::kBillCommand) == 0 ||
                                       qstrcmp(argv[1], kiv5::tool::kPeriodicCommand) == 0);
    std::unique_ptr<QCoreApplication> app;
    if (printing) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    return kiv5::tool::Run(QCoreApplication::arguments().mid(1));
}
