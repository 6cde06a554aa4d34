#include "common/core/HelpPages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kiv5 {

namespace {

const QString kContentsPage = QStringLiteral("index.html");
const QString kManualName = QStringLiteral("kiv5.pdf");

QString WithSlash(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString CleanFolder(const QString& folder) {
    return WithSlash(QDir::cleanPath(folder));
}

// <app>/../share/kiv5/<inShare>, <app>/<besideProgram>, then
// <data>/kiv5/<inShare> for each generic data folder of the system.
QStringList SearchFolders(const QString& inShare, const QString& besideProgram) {
    const QString app = WithSlash(QCoreApplication::applicationDirPath());
    QStringList folders{CleanFolder(app + QStringLiteral("../share/kiv5/") + inShare),
                        CleanFolder(app + besideProgram)};
    const QStringList data = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString& folder : data) {
        folders.append(CleanFolder(folder + QStringLiteral("/kiv5/") + inShare));
    }
    folders.removeDuplicates();
    return folders;
}

bool IsFile(const QString& path) {
    return QFileInfo(path).isFile();
}

} // namespace

QStringList HelpSearchFolders(const OfficeFolders& folders, const QString& program) {
    const QString name = program.toLower();
    // A program name is one folder name, never a path.
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.startsWith(QLatin1Char('.'))) {
        return {};
    }
    const QString& root = folders.helpRoot;
    if (!root.isEmpty()) {
        return {CleanFolder(root + QLatin1Char('/') + name + QStringLiteral("/help"))};
    }
    return SearchFolders(name + QStringLiteral("/help"), QStringLiteral("help/") + name);
}

QString HelpFolder(const OfficeFolders& folders, const QString& program) {
    const QStringList searched = HelpSearchFolders(folders, program);
    for (const QString& folder : searched) {
        if (IsFile(folder + kContentsPage)) {
            return folder;
        }
    }
    return {};
}

QString HelpPagePath(const OfficeFolders& folders, const QString& program, int topic) {
    const QString folder = HelpFolder(folders, program);
    if (folder.isEmpty() || topic < 0) {
        return {};
    }
    const QString page = folder + QString::number(topic) + QStringLiteral(".html");
    return IsFile(page) ? page : QString();
}

QString HelpContentsPath(const OfficeFolders& folders, const QString& program) {
    const QString folder = HelpFolder(folders, program);
    return folder.isEmpty() ? QString() : folder + kContentsPage;
}

QString ManualPath(const OfficeFolders& folders) {
    const QString& root = folders.helpRoot;
    const QStringList searched =
        root.isEmpty() ? SearchFolders(QString(), QString()) : QStringList{CleanFolder(root)};
    for (const QString& folder : searched) {
        if (IsFile(folder + kManualName)) {
            return folder + kManualName;
        }
    }
    return {};
}

} // namespace kiv5
