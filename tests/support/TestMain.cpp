#include "tests/support/TestMain.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace kiv5::test {

TestEnvironment::TestEnvironment() : root_(QDir::tempPath() + QStringLiteral("/kiv5-test-XXXXXX")) {
    if (!root_.isValid()) {
        throw std::runtime_error("cannot make the test's temporary folder");
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TZ", "America/New_York");
    const QString settings = root_.filePath(QStringLiteral("settings"));
    const QString home = root_.filePath(QStringLiteral("home"));
    QDir().mkpath(home);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings));
    qputenv("HOME", QFile::encodeName(home));
}

} // namespace kiv5::test
