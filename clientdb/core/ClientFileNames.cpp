#include "clientdb/core/ClientFileNames.h"

#include "common/core/MatchFileNameCase.h"
#include "common/core/Misc.h"

namespace kiv5 {
namespace {

QString BasePath(const QString& FilesDirectory, const QString& FileName) {
    return SlashAtEnd(FilesDirectory) + StripExtension(FileNamePart(FileName));
}

} // namespace

QString ClientFilePath(const QString& FilesDirectory, const QString& FileName) {
    return BasePath(FilesDirectory, FileName) + QStringLiteral(".pl5");
}

QString MemoFilePath(const QString& FilesDirectory, const QString& FileName) {
    return BasePath(FilesDirectory, FileName) + QStringLiteral(".mem");
}

ClientFiles ClientFilesFor(const QString& FilesDirectory, const QString& FileName) {
    return {ClientFilePath(FilesDirectory, FileName), MemoFilePath(FilesDirectory, FileName)};
}

ClientFiles ExistingClientFilesFor(const QString& FilesDirectory, const QString& FileName) {
    const ClientFiles files = ClientFilesFor(FilesDirectory, FileName);
    return {MatchFileNameCase(files.clientFile), MatchFileNameCase(files.memoFile)};
}

} // namespace kiv5
