#pragma once

// The one file layer of the suite: every open, read, write, flush, resize,
// rename and remove of a data, memo, set, list, text or document file goes
// through these few types and functions, each call passing the fault gate
// (FileFaults.h) first. Failures are reported as the system reports them
// (false, ErrorString()); callers turn them into IoError.

#include "common/core/FileFaults.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <optional>

namespace kiv5 {

// A file opened in place (read, update, append).
class DataFile {
public:
    explicit DataFile(const QString& path);
    ~DataFile();
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;

    bool Open(QIODevice::OpenMode mode);
    bool IsOpen() const { return file_.isOpen(); }
    qint64 Size() const { return file_.size(); }
    qint64 Pos() const { return file_.pos(); }
    bool Seek(qint64 offset);
    // Up to maxSize bytes from the current place; nullopt on a read error
    // (a short read at the end is no error).
    std::optional<QByteArray> Read(qint64 maxSize);
    std::optional<QByteArray> ReadAll();
    bool Write(QByteArrayView bytes);
    // Writes at an offset without moving through the buffer (the file must be
    // open Unbuffered).
    bool WriteAt(qint64 offset, QByteArrayView bytes);
    bool Flush();
    bool Resize(qint64 size);
    // Flushes and closes; false when either fails.
    bool Close();

    QString ErrorString() const;
    const QString& Path() const { return path_; }

private:
    bool Gate(FileCall call);

    QString path_;
    QFile file_;
    QString injected_;
};

// A whole-file rewrite: written to a temporary file in the target's folder
// that replaces the target in one rename at Commit; dropped when the object
// goes uncommitted.
class AtomicFile {
public:
    explicit AtomicFile(const QString& path);
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool Open();
    bool Write(QByteArrayView bytes);
    // For writers that need a device (a PDF writer); their writes are
    // counted at Commit.
    QIODevice& Device() { return file_; }
    // Flushes the temporary file to the disk and renames it over the target.
    bool Commit();
    void Cancel() { file_.cancelWriting(); }

    QString ErrorString() const;
    const QString& Path() const { return path_; }

private:
    bool Gate(FileCall call);

    QString path_;
    QSaveFile file_;
    QString injected_;
};

// Renames over an existing file in one step, as the system does. On failure
// the reason goes to *error when given.
bool RenameFile(const QString& from, const QString& to, QString* error = nullptr);
// Removes a file; a file that is not there counts as removed.
bool RemoveFile(const QString& path, QString* error = nullptr);
bool ResizeFile(const QString& path, qint64 size, QString* error = nullptr);

// The whole content of a file; throws IoError "Cannot open/read" with the
// system's text.
QByteArray ReadFileBytes(const QString& path);
// Writes a whole file through AtomicFile; throws IoError "Cannot create" or
// "Cannot write" with the system's text.
void WriteFileAtomically(const QString& path, QByteArrayView bytes);

} // namespace kiv5
