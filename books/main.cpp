#include "books/ui/BooksMainWindow.h"
#include "common/ui/QtPrompts.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sumora5"));
    QApplication::setOrganizationName(QStringLiteral("Orvanel"));
    QApplication::setDesktopFileName(QStringLiteral("sumora5"));

    kiv5::ui::QtPrompts prompts(kiv5::Program::Bookkeeping);
    kiv5::books::ui::BooksStartOptions options;
    options.arguments = QApplication::arguments().mid(1);
    kiv5::books::ui::BooksMainWindow window(prompts, std::move(options));
    prompts.SetParentWidget(&window);
    prompts.SetHelp([&window](int topic) { window.ShowHelp(topic); });
    window.showMaximized();
    return QApplication::exec();
}
