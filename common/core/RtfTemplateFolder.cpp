#include "common/core/RtfTemplateFolder.h"

#include "common/core/Exceptions.h"
#include "common/core/Misc.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kiv5 {
namespace {

constexpr int kLevelsAboveApp = 3;

QString ShareFolder(const QString& base, const QString& program) {
    return QDir::cleanPath(base + QStringLiteral("/share/kiv5/") + program) + QLatin1Char('/');
}

} // namespace

QString TemplateFolder(const QString& programFolderName, const QString& appDir) {
    QString base = appDir;
    for (int level = 0; level <= kLevelsAboveApp; ++level) {
        const QString candidate = ShareFolder(base, programFolderName);
        if (QFileInfo(candidate).isDir()) {
            return candidate;
        }
        base += QStringLiteral("/..");
    }
    return ShareFolder(appDir + QStringLiteral("/.."), programFolderName);
}

QString TemplateFolder(const OfficeFolders& folders, const QString& programFolderName) {
    if (!folders.templateFolder.isEmpty()) {
        return SlashAtEnd(folders.templateFolder);
    }
    return TemplateFolder(programFolderName, QCoreApplication::applicationDirPath());
}

QString TemplateRtfName(int page) {
    return QStringLiteral("PAGE%1.RTF").arg(page);
}

QString TemplateDatName(int page) {
    return QStringLiteral("PAGE%1.DAT").arg(page);
}

QString FindTemplateFile(const QString& folder, const QString& name) {
    const QDir dir(folder);
    const QString exact = dir.filePath(name);
    if (QFileInfo(exact).isFile()) {
        return exact;
    }
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return dir.filePath(entry);
        }
    }
    throw IoError(QStringLiteral("Cannot open \"%1\": No such file or directory")
                      .arg(QDir::toNativeSeparators(exact)));
}

} // namespace kiv5
