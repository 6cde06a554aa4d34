#include "books/core/LedgerPatch.h"

#include "books/core/LedgerLayout.h"
#include "common/core/Exceptions.h"
#include "common/core/RecordFile.h"

#include <QDir>
#include <QtEndian>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace kiv5::books {
namespace {

constexpr int kMarkOffset = 0;
constexpr int kStatusOffset = 260;

} // namespace

LedgerPatcher::LedgerPatcher(const QString& path) : file_(path) {
    // Unbuffered: each patch reads or writes a few bytes at a far-off place.
    if (!file_.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered)) {
        Fail(QStringLiteral("open"));
    }
    CheckRecordFileLength(path, file_.size(), kLedgerRecordSize);
    count_ = file_.size() / kLedgerRecordSize;
    ReadStatuses();
}

void LedgerPatcher::ReadStatuses() {
    constexpr qint64 kChunkRecords = 4096;
    statuses_.resize(static_cast<std::size_t>(count_));
    QByteArray chunk;
    for (qint64 first = 0; first < count_; first += kChunkRecords) {
        const qint64 records = qMin(kChunkRecords, count_ - first);
        if (!file_.seek(first * kLedgerRecordSize)) {
            Fail(QStringLiteral("position in"));
        }
        chunk = file_.read(records * kLedgerRecordSize);
        if (chunk.size() != records * kLedgerRecordSize) {
            Fail(QStringLiteral("read"));
        }
        for (qint64 k = 0; k < records; ++k) {
            statuses_[static_cast<std::size_t>(first + k)] = qFromLittleEndian<qint32>(
                chunk.constData() + k * kLedgerRecordSize + kStatusOffset);
        }
    }
}

void LedgerPatcher::Fail(const QString& action) const {
    throw IoError(
        QStringLiteral("Cannot %1 \"%2\": %3")
            .arg(action, QDir::toNativeSeparators(file_.fileName()), file_.errorString()));
}

void LedgerPatcher::WriteAt(int position, int offset, const char* bytes, int size) {
    if (position < 1 || position > count_) {
        throw IoError(QStringLiteral("Cannot reach record %1 of \"%2\": the file holds only %3")
                          .arg(position)
                          .arg(QDir::toNativeSeparators(file_.fileName()))
                          .arg(count_));
    }
    const off_t at = static_cast<off_t>(qint64{position - 1} * kLedgerRecordSize + offset);
    ssize_t written = -1;
    do {
        written = ::pwrite(file_.handle(), bytes, static_cast<size_t>(size), at);
    } while (written < 0 && errno == EINTR);
    if (written != size) {
        throw IoError(QStringLiteral("Cannot write \"%1\": %2")
                          .arg(QDir::toNativeSeparators(file_.fileName()),
                               QString::fromLocal8Bit(std::strerror(written < 0 ? errno : EIO))));
    }
}

qint32 LedgerPatcher::Status(int position) const {
    if (position < 1 || position > count_) {
        throw IoError(QStringLiteral("Cannot reach record %1 of \"%2\": the file holds only %3")
                          .arg(position)
                          .arg(QDir::toNativeSeparators(file_.fileName()))
                          .arg(count_));
    }
    return statuses_[static_cast<std::size_t>(position - 1)];
}

void LedgerPatcher::WriteMark(int position, bool selected) {
    const char byte = selected ? 1 : 0;
    WriteAt(position, kMarkOffset, &byte, 1);
}

void LedgerPatcher::WriteStatus(int position, qint32 status) {
    char bytes[4];
    qToLittleEndian(status, bytes);
    WriteAt(position, kStatusOffset, bytes, 4);
    statuses_[static_cast<std::size_t>(position - 1)] = status;
}

void LedgerPatcher::Close() {
    if (!file_.flush()) {
        Fail(QStringLiteral("write"));
    }
    file_.close();
}

} // namespace kiv5::books
