#include "tools/kiv5/Commands.h"

#include <QTextStream>

namespace kiv5::tool {

int Run(const QStringList& arguments) {
    QTextStream out(stdout);
    if (arguments.isEmpty() || arguments.first() == QLatin1String("--help")) {
        out << "Usage: kiv5 COMMAND ...\n";
        return arguments.isEmpty() ? 2 : 0;
    }
    QTextStream(stderr) << "kiv5: unknown command " << arguments.first() << "\n";
    return 2;
}

} // namespace kiv5::tool
