#include "common/core/RecordFile.h"

#include "common/core/Exceptions.h"

#include <QDir>
#include <QFileInfo>

namespace kiv5 {

void CheckRecordFileLength(const QString& path, qint64 length, int recordSize) {
    if (length % recordSize != 0) {
        throw IoError(QStringLiteral("The file \"%1\" is damaged: its length of %2 bytes is not a "
                                     "whole number of %3-byte records.")
                          .arg(QDir::toNativeSeparators(path))
                          .arg(length)
                          .arg(recordSize));
    }
}

RecordFile::RecordFile(const QString& path, int recordSize, Mode mode)
    : path_(path), recordSize_(recordSize), file_(path) {
    QIODevice::OpenMode flags = QIODevice::ReadOnly;
    if (mode != Mode::Read) {
        flags = QIODevice::ReadWrite;
        if (mode == Mode::ReadWrite) {
            flags |= QIODevice::ExistingOnly;
        }
    }
    if (!file_.open(flags)) {
        Fail(QStringLiteral("open"));
    }
    CheckRecordFileLength(path_, file_.size(), recordSize_);
}

RecordFile::~RecordFile() {
    if (file_.isOpen()) {
        file_.close();
    }
}

void RecordFile::Fail(const QString& action) const {
    throw IoError(QStringLiteral("Cannot %1 \"%2\": %3")
                      .arg(action, QDir::toNativeSeparators(path_), file_.errorString()));
}

qint64 RecordFile::Count() const {
    return file_.size() / recordSize_;
}

bool RecordFile::AtEnd() const {
    return file_.pos() + recordSize_ > file_.size();
}

void RecordFile::Seek(qint64 slot) {
    if (slot < 0 || !file_.seek(slot * recordSize_)) {
        Fail(QStringLiteral("position in"));
    }
}

QByteArray RecordFile::Read() {
    QByteArray bytes = file_.read(recordSize_);
    if (bytes.size() != recordSize_) {
        if (file_.error() == QFileDevice::NoError) {
            throw IoError(QStringLiteral("Cannot read \"%1\": read beyond end of file")
                              .arg(QDir::toNativeSeparators(path_)));
        }
        Fail(QStringLiteral("read"));
    }
    return bytes;
}

QByteArray RecordFile::ReadBlock(qint64 maxRecords) {
    const qint64 records = qMin(maxRecords, (file_.size() - file_.pos()) / recordSize_);
    QByteArray bytes = file_.read(records * recordSize_);
    if (bytes.size() != records * recordSize_) {
        if (file_.error() == QFileDevice::NoError) {
            throw IoError(QStringLiteral("Cannot read \"%1\": read beyond end of file")
                              .arg(QDir::toNativeSeparators(path_)));
        }
        Fail(QStringLiteral("read"));
    }
    return bytes;
}

void RecordFile::Write(QByteArrayView bytes) {
    Q_ASSERT(bytes.size() == recordSize_);
    if (file_.write(bytes.data(), bytes.size()) != bytes.size()) {
        Fail(QStringLiteral("write"));
    }
}

qint64 RecordFile::Append(QByteArrayView bytes) {
    const qint64 slot = Count();
    Seek(slot);
    Write(bytes);
    return slot;
}

void RecordFile::Close() {
    if (!file_.flush()) {
        Fail(QStringLiteral("write"));
    }
    file_.close();
    if (file_.error() != QFileDevice::NoError) {
        Fail(QStringLiteral("close"));
    }
}

RecordFileWriter::RecordFileWriter(const QString& path, int recordSize)
    : path_(path), recordSize_(recordSize), file_(path) {
    if (!file_.open(QIODevice::WriteOnly)) {
        throw IoError(QStringLiteral("Cannot create \"%1\": %2")
                          .arg(QDir::toNativeSeparators(path_), file_.errorString()));
    }
}

void RecordFileWriter::Write(QByteArrayView bytes) {
    Q_ASSERT(bytes.size() == recordSize_);
    if (file_.write(bytes.data(), bytes.size()) != bytes.size()) {
        throw IoError(QStringLiteral("Cannot write \"%1\": %2")
                          .arg(QDir::toNativeSeparators(path_), file_.errorString()));
    }
}

void RecordFileWriter::Commit() {
    if (!file_.commit()) {
        throw IoError(QStringLiteral("Cannot replace \"%1\": %2")
                          .arg(QDir::toNativeSeparators(path_), file_.errorString()));
    }
}

void TruncateRecordFile(const QString& path, int recordSize, qint64 slotCount) {
    QFile file(path);
    if (!file.resize(slotCount * recordSize)) {
        throw IoError(QStringLiteral("Cannot write \"%1\": %2")
                          .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
}

} // namespace kiv5
