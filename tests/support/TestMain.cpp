#include "tests/support/TestMain.h"

#include <QDir>
#include <cstdlib>

namespace kiv5::test {

void PrepareTestEnvironment() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TZ", "America/New_York");
    // Settings of a test never reach the user's own folder.
    static const QString settings = QDir::tempPath() + QStringLiteral("/kiv5-test-settings-") +
                                    QString::number(QCoreApplication::applicationPid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings));
    // Nor do the usual data folders, which live under the home folder.
    static const QString home = QDir::tempPath() + QStringLiteral("/kiv5-test-home-") +
                                QString::number(QCoreApplication::applicationPid());
    QDir().mkpath(home);
    qputenv("HOME", QFile::encodeName(home));
}

} // namespace kiv5::test
