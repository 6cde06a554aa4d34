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
        writable_ = true;
        flags = QIODevice::ReadWrite;
        if (mode == Mode::ReadWrite) {
            flags |= QIODevice::ExistingOnly;
        } else {
            created_ = !QFileInfo::exists(path);
        }
    }
    if (!file_.Open(flags)) {
        Fail(QStringLiteral("open"));
    }
    CheckRecordFileLength(path_, file_.Size(), recordSize_);
    oldCount_ = Count();
}

RecordFile::~RecordFile() {
    if (written_) {
        PutBackOldRecords();
    }
}

void RecordFile::KeepOldRecord() {
    const qint64 slot = file_.Pos() / recordSize_;
    if (slot >= oldCount_ || !keptSlots_.insert(slot).second) {
        return;
    }
    if (lastRead_.slot == slot) {
        kept_.push_back(lastRead_);
        return;
    }
    kept_.push_back({slot, ReadExactly(recordSize_)});
    Seek(slot);
}

void RecordFile::PutBackOldRecords() noexcept {
    written_ = false;
    if (file_.IsOpen()) {
        file_.Close();
    }
    if (created_) {
        RemoveFile(path_);
        return;
    }
    DataFile file(path_);
    if (!file.Open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
        return;
    }
    for (const Kept& k : kept_) {
        if (!file.Seek(k.slot * recordSize_) || !file.Write(k.bytes)) {
            return;
        }
    }
    if (file.Size() != oldCount_ * recordSize_) {
        file.Resize(oldCount_ * recordSize_);
    }
    file.Close();
}

void RecordFile::Fail(const QString& action) const {
    throw IoError(QStringLiteral("Cannot %1 \"%2\": %3")
                      .arg(action, QDir::toNativeSeparators(path_), file_.ErrorString()));
}

qint64 RecordFile::Count() const {
    return file_.Size() / recordSize_;
}

bool RecordFile::AtEnd() const {
    return file_.Pos() + recordSize_ > file_.Size();
}

void RecordFile::Seek(qint64 slot) {
    if (slot < 0 || !file_.Seek(slot * recordSize_)) {
        Fail(QStringLiteral("position in"));
    }
}

QByteArray RecordFile::Read() {
    if (!writable_) {
        return ReadExactly(recordSize_);
    }
    const qint64 slot = file_.Pos() / recordSize_;
    lastRead_.slot = -1;
    lastRead_.bytes = ReadExactly(recordSize_);
    lastRead_.slot = slot;
    return lastRead_.bytes;
}

QByteArray RecordFile::ReadBlock(qint64 maxRecords) {
    const qint64 records = qMin(maxRecords, (file_.Size() - file_.Pos()) / recordSize_);
    return ReadExactly(records * recordSize_);
}

QByteArray RecordFile::ReadExactly(qint64 size) {
    std::optional<QByteArray> bytes = file_.Read(size);
    if (!bytes) {
        Fail(QStringLiteral("read"));
    }
    if (bytes->size() != size) {
        throw IoError(QStringLiteral("Cannot read \"%1\": read beyond end of file")
                          .arg(QDir::toNativeSeparators(path_)));
    }
    return std::move(*bytes);
}

void RecordFile::Write(QByteArrayView bytes) {
    Q_ASSERT(bytes.size() == recordSize_);
    KeepOldRecord();
    written_ = true;
    if (!file_.Write(bytes)) {
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
    if (!file_.Close()) {
        const QString reason = file_.ErrorString();
        if (!writable_) {
            // Only read: the reading failed, nothing was written to put back.
            throw IoError(QStringLiteral("Cannot read \"%1\": %2")
                              .arg(QDir::toNativeSeparators(path_), reason));
        }
        PutBackOldRecords();
        throw IoError(
            QStringLiteral("Cannot write \"%1\": %2").arg(QDir::toNativeSeparators(path_), reason));
    }
    written_ = false;
    kept_.clear();
    keptSlots_.clear();
}

RecordFileWriter::RecordFileWriter(const QString& path, int recordSize)
    : path_(path), recordSize_(recordSize), file_(path) {
    if (!file_.Open()) {
        throw IoError(QStringLiteral("Cannot create \"%1\": %2")
                          .arg(QDir::toNativeSeparators(path_), file_.ErrorString()));
    }
}

void RecordFileWriter::Write(QByteArrayView bytes) {
    Q_ASSERT(bytes.size() == recordSize_);
    if (!file_.Write(bytes)) {
        throw IoError(QStringLiteral("Cannot write \"%1\": %2")
                          .arg(QDir::toNativeSeparators(path_), file_.ErrorString()));
    }
}

void RecordFileWriter::Commit() {
    if (!file_.Commit()) {
        throw IoError(QStringLiteral("Cannot replace \"%1\": %2")
                          .arg(QDir::toNativeSeparators(path_), file_.ErrorString()));
    }
}

void TruncateRecordFile(const QString& path, int recordSize, qint64 slotCount) {
    QString error;
    if (!ResizeFile(path, slotCount * recordSize, &error)) {
        throw IoError(
            QStringLiteral("Cannot write \"%1\": %2").arg(QDir::toNativeSeparators(path), error));
    }
}

} // namespace kiv5
