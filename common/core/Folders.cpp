#include "common/core/Folders.h"

#include <QDir>

namespace kiv5 {

QString UsualFolder(const QString& program) {
    return QDir::homePath() + QStringLiteral("/Orvanel/Tavrel/") + program + QLatin1Char('/');
}

bool EnsureFolder(const QString& folder) {
    return QDir().mkpath(folder);
}

} // namespace kiv5
