#include "billing/ui/QuenbyChildWindows.h"
#include "billing/ui/QuenbyMainWindow.h"
#include "common/ui/QtPrompts.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quenby5"));
    QApplication::setOrganizationName(QStringLiteral("Orvanel"));
    QApplication::setDesktopFileName(QStringLiteral("quenby5"));

    kiv5::ui::QtPrompts prompts(kiv5::Program::Billing);
    kiv5::billing::ui::QuenbyStartOptions options;
    options.arguments = QApplication::arguments().mid(1);
    kiv5::billing::ui::QuenbyMainWindow window(prompts, std::move(options));
    kiv5::billing::ui::InstallChildWindows(window);
    window.SetPrintCommandsAvailable(true);
    prompts.SetParentWidget(&window);
    prompts.SetHelp([&window](int topic) { window.ShowHelp(topic); });
    window.showMaximized();
    return QApplication::exec();
}
