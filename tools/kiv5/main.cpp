#include "tools/kiv5/Commands.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return kiv5::tool::Run(QCoreApplication::arguments().mid(1));
}
