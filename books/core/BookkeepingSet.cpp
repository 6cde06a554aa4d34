#include "books/core/BookkeepingSet.h"

#include "common/core/MatchFileNameCase.h"
#include "common/core/Misc.h"
#include "common/core/TextFile.h"

#include <QFileInfo>

namespace kiv5::books {

QString SetBaseName(const QString& fileName) {
    return StripExtension(FileNamePart(fileName));
}

QString SetMemberPath(const QString& filesDirectory, const QString& fileName,
                      QLatin1StringView extension) {
    return MatchFileNameCase(SlashAtEnd(filesDirectory) + SetBaseName(fileName) + extension);
}

QString IncomeFilePath(const QString& filesDirectory, const QString& fileName) {
    return SetMemberPath(filesDirectory, fileName, kIncomeExtension);
}

QString ExpenseFilePath(const QString& filesDirectory, const QString& fileName) {
    return SetMemberPath(filesDirectory, fileName, kExpenseExtension);
}

QString AccountListPath(const QString& filesDirectory, const QString& fileName) {
    return SetMemberPath(filesDirectory, fileName, kAccountExtension);
}

QString CategoryListPath(const QString& filesDirectory, const QString& fileName) {
    return SetMemberPath(filesDirectory, fileName, kCategoryExtension);
}

QString DefaultCategoryListPath(const QString& filesDirectory) {
    return MatchFileNameCase(SlashAtEnd(filesDirectory) + kDefaultCategoryFileName);
}

QString SetFileInFilesDirectory(const QString& filesDirectory, const QString& fileName) {
    return MatchFileNameCase(SlashAtEnd(filesDirectory) + FileNamePart(fileName));
}

QStringList SetFileLines(const QString& setFilePath, const QString& pl5FileName) {
    const QString base = SetBaseName(setFilePath);
    return {base + kIncomeExtension, base + kExpenseExtension, base + kAccountExtension,
            base + kCategoryExtension, FileNamePart(pl5FileName)};
}

void WriteSetFile(const QString& setFilePath, const QString& pl5FileName) {
    WriteTextLines(setFilePath, SetFileLines(setFilePath, pl5FileName));
}

QString ReadSetFile(const QString& setFilePath) {
    return ReadTextLines(setFilePath).value(4);
}

QStringList ReadNameList(const QString& path) {
    return ReadTextLines(path);
}

void WriteNameList(const QString& path, const QStringList& names) {
    WriteTextLines(path, names);
}

QStringList ReadDefaultCategoryList(const QString& filesDirectory) {
    const QString path = DefaultCategoryListPath(filesDirectory);
    if (!QFileInfo::exists(path)) {
        return {};
    }
    return ReadNameList(path);
}

} // namespace kiv5::books
