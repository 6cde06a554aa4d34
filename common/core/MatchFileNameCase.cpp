#include "common/core/MatchFileNameCase.h"

#include <QDir>
#include <QFileInfo>

namespace kiv5 {

QString MatchFileNameCase(const QString& path) {
    const QFileInfo info(path);
    if (info.exists()) {
        return path;
    }
    const QDir folder = info.dir();
    const QString name = info.fileName();
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return folder.filePath(entry);
        }
    }
    return path;
}

} // namespace kiv5
