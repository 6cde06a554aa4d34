#include "common/core/StatusPatcher.h"

#include "common/core/Exceptions.h"
#include "common/core/RecordFile.h"

#include <QDir>
#include <QtEndian>
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
        if (!file_.WriteAt(k->offset, k->bytes)) {
            break;
        }
    }
    kept_.clear();
    file_.Close();
}

void StatusPatcher::WriteAt(int position, int offset, const char* bytes, int size) {
    CheckPosition(position);
    const auto at = static_cast<std::size_t>(position - 1);
    QByteArray old(size, '\0');
    if (offset == statusOffset_) {
        qToLittleEndian(statuses_[at], old.data());
    } else {
        old[0] = marks_[at];
    }
    kept_.push_back({qint64{position - 1} * recordSize_ + offset, old});
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
    marks_[static_cast<std::size_t>(position - 1)] = byte;
}

void StatusPatcher::WriteStatus(int position, qint32 status) {
    char bytes[4];
    qToLittleEndian(status, bytes);
    WriteAt(position, statusOffset_, bytes, 4);
    statuses_[static_cast<std::size_t>(position - 1)] = status;
}

void StatusPatcher::Close() {
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
