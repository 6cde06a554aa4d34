#include "common/core/StatusPatcher.h"

#include "common/core/Exceptions.h"
#include "common/core/RecordFile.h"

#include <QDir>
#include <QtEndian>

namespace kiv5 {

StatusPatcher::StatusPatcher(const QString& path, int recordSize, int statusOffset, int markOffset)
    : file_(path), recordSize_(recordSize), statusOffset_(statusOffset), markOffset_(markOffset) {
    // Unbuffered: each patch writes a few bytes at a far-off place.
    if (!file_.Open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered)) {
        Fail(QStringLiteral("open"));
    }
    CheckRecordFileLength(path, file_.Size(), recordSize_);
    count_ = file_.Size() / recordSize_;
    ReadStatuses();
}

void StatusPatcher::ReadStatuses() {
    // About a megabyte at a time.
    const qint64 chunkRecords = qMax<qint64>(1, (qint64{1} << 20) / recordSize_);
    statuses_.resize(static_cast<std::size_t>(count_));
    QByteArray chunk;
    for (qint64 first = 0; first < count_; first += chunkRecords) {
        const qint64 records = qMin(chunkRecords, count_ - first);
        if (!file_.Seek(first * recordSize_)) {
            Fail(QStringLiteral("position in"));
        }
        std::optional<QByteArray> read = file_.Read(records * recordSize_);
        if (!read || read->size() != records * recordSize_) {
            Fail(QStringLiteral("read"));
        }
        chunk = std::move(*read);
        for (qint64 k = 0; k < records; ++k) {
            statuses_[static_cast<std::size_t>(first + k)] =
                qFromLittleEndian<qint32>(chunk.constData() + k * recordSize_ + statusOffset_);
        }
    }
}

void StatusPatcher::Fail(const QString& action) const {
    throw IoError(QStringLiteral("Cannot %1 \"%2\": %3")
                      .arg(action, QDir::toNativeSeparators(file_.Path()), file_.ErrorString()));
}

void StatusPatcher::CheckPosition(int position) const {
    if (position < 1 || position > count_) {
        throw IoError(QStringLiteral("Cannot reach record %1 of \"%2\": the file holds only %3")
                          .arg(position)
                          .arg(QDir::toNativeSeparators(file_.Path()))
                          .arg(count_));
    }
}

void StatusPatcher::WriteAt(int position, int offset, const char* bytes, int size) {
    CheckPosition(position);
    if (!file_.WriteAt(qint64{position - 1} * recordSize_ + offset, QByteArrayView(bytes, size))) {
        Fail(QStringLiteral("write"));
    }
}

qint32 StatusPatcher::Status(int position) const {
    CheckPosition(position);
    return statuses_[static_cast<std::size_t>(position - 1)];
}

void StatusPatcher::WriteMark(int position, bool selected) {
    const char byte = selected ? 1 : 0;
    WriteAt(position, markOffset_, &byte, 1);
}

void StatusPatcher::WriteStatus(int position, qint32 status) {
    char bytes[4];
    qToLittleEndian(status, bytes);
    WriteAt(position, statusOffset_, bytes, 4);
    statuses_[static_cast<std::size_t>(position - 1)] = status;
}

void StatusPatcher::Close() {
    if (!file_.Close()) {
        Fail(QStringLiteral("write"));
    }
}

} // namespace kiv5
