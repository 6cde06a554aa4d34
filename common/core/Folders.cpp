#include "common/core/Folders.h"

#include <QDir>
#include <QFileInfo>

namespace kiv5 {
namespace {

bool IsFolder(const QString& folder) {
    return !folder.isEmpty() && QFileInfo(folder).isDir();
}

bool SameFolder(const QString& a, const QString& b) {
    return QDir::cleanPath(a) == QDir::cleanPath(b);
}

} // namespace

QString UsualFolder(const QString& program) {
    return QDir::homePath() + QStringLiteral("/Orvanel/Tavrel/") + program + QLatin1Char('/');
}

bool EnsureFolder(const QString& folder) {
    return QDir().mkpath(folder);
}

DataFolder UsableDataFolder(const QString& stored, const QString& usual) {
    // The usual folder stays the one in use even when it cannot be made:
    // the commands then report why.
    if (EnsureDataFolder(stored, usual) || SameFolder(stored, usual)) {
        return {stored, false};
    }
    EnsureFolder(usual);
    return {usual, true};
}

QString MissingDataFolderText(const QString& stored, const QString& usual) {
    return QStringLiteral("The data folder %1 does not exist or cannot be reached. Until it can, "
                          "the usual folder %2 is used. Choose another folder with Set Default "
                          "Directory in the Options menu.")
        .arg(QDir::toNativeSeparators(stored), QDir::toNativeSeparators(usual));
}

bool EnsureDataFolder(const QString& folder, const QString& usual) {
    if (IsFolder(folder)) {
        return true;
    }
    return SameFolder(folder, usual) && EnsureFolder(folder);
}

} // namespace kiv5
