#include "clientdb/ui/ClientMainWindow.h"
#include "common/ui/QtPrompts.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pellary5"));
    QApplication::setOrganizationName(QStringLiteral("Orvanel"));
    QApplication::setDesktopFileName(QStringLiteral("pellary5"));

    kiv5::ui::QtPrompts prompts(kiv5::Program::Client);
    kiv5::ui::ClientStartOptions options;
    options.arguments = QApplication::arguments().mid(1);
    kiv5::ui::ClientMainWindow window(prompts, std::move(options));
    prompts.SetParentWidget(&window);
    prompts.SetHelp([&window](int topic) { window.ShowHelp(topic); });
    window.showMaximized();
    return QApplication::exec();
}
