#include "common/core/StatusPatcher.h"

#include "common/core/Exceptions.h"
#include "common/core/RecordFile.h"

#include <QDir>
#include <QtEndian>
#include <cstring>
#include <exception>

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
    marks_.resize(static_cast<std::size_t>(count_));
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
            const char* record = chunk.constData() + k * recordSize_;
            statuses_[static_cast<std::size_t>(first + k)] =
                qFromLittleEndian<qint32>(record + statusOffset_);
            marks_[static_cast<std::size_t>(first + k)] = record[markOffset_];
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

StatusPatcher::~StatusPatcher() {
    if (!kept_.empty()) {
        PutBackOldFields();
    }
}

void StatusPatcher::PutBackOldFields() noexcept {
    for (auto k = kept_.rbegin(); k != kept_.rend(); ++k) {
        if (!file_.WriteAt(k->offset, QByteArrayView(k->bytes, k->size))) {
            break;
        }
    }
    kept_.clear();
    file_.Close();
}

void StatusPatcher::Queue(int position, int offset, const char* bytes, int size, int tag) {
    CheckPosition(position);
    const auto at = static_cast<std::size_t>(position - 1);
    Queued queued{tag, {}};
    if (offset == statusOffset_) {
        qToLittleEndian(statuses_[at], queued.old);
    } else {
        queued.old[0] = marks_[at];
    }
    PositionedWrite write;
    write.offset = qint64{position - 1} * recordSize_ + offset;
    std::memcpy(write.bytes, bytes, static_cast<std::size_t>(size));
    write.size = size;
    pending_.push_back(write);
    queued_.push_back(queued);
}

void StatusPatcher::QueueMark(int position, bool selected, int tag) {
    const char byte = selected ? 1 : 0;
    Queue(position, markOffset_, &byte, 1, tag);
}

void StatusPatcher::QueueStatus(int position, qint32 status, int tag) {
    char bytes[4];
    qToLittleEndian(status, bytes);
    Queue(position, statusOffset_, bytes, 4, tag);
}

bool StatusPatcher::QueueFull() const {
    return pending_.size() >= 16384;
}

void StatusPatcher::Flush(const std::function<void(int tag)>& written) {
    file_.WriteAtMany(pending_, writer_);
    int error = 0;
    for (std::size_t k = 0; k < pending_.size(); ++k) {
        const PositionedWrite& write = pending_[k];
        if (write.error != 0) {
            error = error != 0 ? error : write.error;
            continue;
        }
        PositionedWrite old = write;
        std::memcpy(old.bytes, queued_[k].old, sizeof old.bytes);
        kept_.push_back(old);
        const auto at = static_cast<std::size_t>(write.offset / recordSize_);
        if (write.offset % recordSize_ == statusOffset_) {
            statuses_[at] = qFromLittleEndian<qint32>(write.bytes);
        } else {
            marks_[at] = write.bytes[0];
        }
        if (written) {
            written(queued_[k].tag);
        }
    }
    pending_.clear();
    queued_.clear();
    if (error != 0) {
        throw IoError(QStringLiteral("Cannot write \"%1\": %2")
                          .arg(QDir::toNativeSeparators(file_.Path()), SystemErrorText(error)));
    }
}

qint32 StatusPatcher::Status(int position) const {
    CheckPosition(position);
    return statuses_[static_cast<std::size_t>(position - 1)];
}

void StatusPatcher::WriteMark(int position, bool selected) {
    QueueMark(position, selected, 0);
    Flush({});
}

void StatusPatcher::WriteStatus(int position, qint32 status) {
    QueueStatus(position, status, 0);
    Flush({});
}

void StatusPatcher::Close() {
    if (!pending_.empty()) {
        Flush({});
    }
    if (!file_.Close()) {
        const QString reason = file_.ErrorString();
        file_.Open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered);
        PutBackOldFields();
        throw IoError(QStringLiteral("Cannot write \"%1\": %2")
                          .arg(QDir::toNativeSeparators(file_.Path()), reason));
    }
    kept_.clear();
}

PatchedRowsGuard::PatchedRowsGuard(RecordTable& table, QString deleted)
    : table_(table), before_(table), deleted_(std::move(deleted)),
      exceptions_(std::uncaught_exceptions()) {}

PatchedRowsGuard::~PatchedRowsGuard() {
    if (std::uncaught_exceptions() <= exceptions_) {
        return;
    }
    const int rows = qMin(table_.RowCount(), before_.RowCount());
    for (int row = 1; row < rows; ++row) {
        if (table_.Status(row) != deleted_ || before_.Status(row) == deleted_) {
            table_.Row(row) = before_.Row(row);
            table_.SetHidden(row, before_.IsHidden(row));
        }
    }
}

} // namespace kiv5
