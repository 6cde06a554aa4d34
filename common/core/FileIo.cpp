#include "common/core/FileIo.h"

#include "common/core/Exceptions.h"

#include <QDir>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace kiv5 {
namespace {

std::filesystem::path NativePath(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

bool Refuse(int injected, QString* error) {
    if (error) {
        *error = SystemErrorText(injected);
    }
    return false;
}

IoError FileError(const char* action, const QString& path, const QString& reason) {
    return IoError(QStringLiteral("Cannot %1 \"%2\": %3")
                       .arg(QLatin1String(action), QDir::toNativeSeparators(path), reason));
}

} // namespace

DataFile::DataFile(const QString& path) : path_(path), file_(path) {}

DataFile::~DataFile() {
    // Whatever a failed command left unflushed is dropped with the handle's
    // close; a command that succeeds has flushed through Close.
    if (file_.isOpen()) {
        file_.close();
    }
}

bool DataFile::Gate(FileCall call) {
    const int error = FileCallGate(call, path_);
    if (error == 0) [[likely]] {
        return true;
    }
    injected_ = SystemErrorText(error);
    return false;
}

bool DataFile::Open(QIODevice::OpenMode mode) {
    return Gate(FileCall::Open) && file_.open(mode);
}

bool DataFile::Seek(qint64 offset) {
    return file_.seek(offset);
}

std::optional<QByteArray> DataFile::Read(qint64 maxSize) {
    if (!Gate(FileCall::Read)) {
        return std::nullopt;
    }
    QByteArray bytes = file_.read(maxSize);
    if (file_.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<QByteArray> DataFile::ReadAll() {
    if (!Gate(FileCall::Read)) {
        return std::nullopt;
    }
    QByteArray bytes = file_.readAll();
    if (file_.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes;
}

bool DataFile::Write(QByteArrayView bytes) {
    return Gate(FileCall::Write) && file_.write(bytes.data(), bytes.size()) == bytes.size();
}

bool DataFile::WriteAt(qint64 offset, QByteArrayView bytes) {
    if (!Gate(FileCall::Write)) {
        return false;
    }
#ifdef Q_OS_UNIX
    // One positioned write: nothing else of the file is touched.
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t written =
            ::pwrite(file_.handle(), bytes.data() + done, static_cast<size_t>(bytes.size() - done),
                     static_cast<off_t>(offset + done));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            injected_ = SystemErrorText(written < 0 ? errno : EIO);
            return false;
        }
        done += written;
    }
    return true;
#else
    return file_.seek(offset) && file_.write(bytes.data(), bytes.size()) == bytes.size();
#endif
}

bool DataFile::Flush() {
    return Gate(FileCall::Flush) && file_.flush();
}

bool DataFile::Resize(qint64 size) {
    return Gate(FileCall::Resize) && file_.resize(size);
}

bool DataFile::Close() {
    if (!Flush()) {
        file_.close();
        return false;
    }
    file_.close();
    return file_.error() == QFileDevice::NoError;
}

QString DataFile::ErrorString() const {
    return injected_.isEmpty() ? file_.errorString() : injected_;
}

AtomicFile::AtomicFile(const QString& path) : path_(path), file_(path) {}

bool AtomicFile::Gate(FileCall call) {
    const int error = FileCallGate(call, path_);
    if (error == 0) [[likely]] {
        return true;
    }
    injected_ = SystemErrorText(error);
    return false;
}

bool AtomicFile::Open() {
    return Gate(FileCall::Open) && file_.open(QIODevice::WriteOnly);
}

bool AtomicFile::Write(QByteArrayView bytes) {
    return Gate(FileCall::Write) && file_.write(bytes.data(), bytes.size()) == bytes.size();
}

bool AtomicFile::Commit() {
    if (!Gate(FileCall::Flush) || !Gate(FileCall::Rename)) {
        file_.cancelWriting();
        file_.commit(); // removes the temporary file
        return false;
    }
    return file_.commit();
}

QString AtomicFile::ErrorString() const {
    return injected_.isEmpty() ? file_.errorString() : injected_;
}

bool RenameFile(const QString& from, const QString& to, QString* error) {
    if (const int injected = FileCallGate(FileCall::Rename, to)) {
        return Refuse(injected, error);
    }
    std::error_code failure;
    std::filesystem::rename(NativePath(from), NativePath(to), failure);
    if (failure && error) {
        *error = QString::fromStdString(failure.message());
    }
    return !failure;
}

bool RemoveFile(const QString& path, QString* error) {
    if (const int injected = FileCallGate(FileCall::Remove, path)) {
        return Refuse(injected, error);
    }
    QFile file(path);
    if (!file.exists() || file.remove()) {
        return true;
    }
    if (error) {
        *error = file.errorString();
    }
    return false;
}

bool ResizeFile(const QString& path, qint64 size, QString* error) {
    if (const int injected = FileCallGate(FileCall::Resize, path)) {
        return Refuse(injected, error);
    }
    QFile file(path);
    if (file.resize(size)) {
        return true;
    }
    if (error) {
        *error = file.errorString();
    }
    return false;
}

QByteArray ReadFileBytes(const QString& path) {
    DataFile file(path);
    if (!file.Open(QIODevice::ReadOnly)) {
        throw FileError("open", path, file.ErrorString());
    }
    std::optional<QByteArray> bytes = file.ReadAll();
    if (!bytes) {
        throw FileError("read", path, file.ErrorString());
    }
    return std::move(*bytes);
}

void WriteFileAtomically(const QString& path, QByteArrayView bytes) {
    AtomicFile file(path);
    if (!file.Open()) {
        throw FileError("create", path, file.ErrorString());
    }
    if (!file.Write(bytes) || !file.Commit()) {
        throw FileError("write", path, file.ErrorString());
    }
}

} // namespace kiv5
