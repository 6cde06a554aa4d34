#pragma once

#include <QString>

namespace kiv5 {

// The two files of a client database. They always live in the data folder,
// whatever folder the name was chosen in.
struct ClientFiles {
    QString clientFile; // ".pl5"
    QString memoFile;   // ".mem"
};

// SlashAtEnd(FilesDirectory) + the file name part of FileName without its
// extension + ".pl5" (".mem" for the memo file).
QString ClientFilePath(const QString& FilesDirectory, const QString& FileName);
QString MemoFilePath(const QString& FilesDirectory, const QString& FileName);
ClientFiles ClientFilesFor(const QString& FilesDirectory, const QString& FileName);
// The same, found without regard to the letter case of the names on disk
// ("CLIENTS.PL5" with "CLIENTS.MEM"); a file that is not there keeps the
// lower-case extension.
ClientFiles ExistingClientFilesFor(const QString& FilesDirectory, const QString& FileName);

} // namespace kiv5
