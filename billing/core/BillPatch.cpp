#include "billing/core/BillPatch.h"

#include "billing/core/TBillRec.h"
#include "common/core/Exceptions.h"
#include "common/core/RecordFile.h"

#include <QDir>
#include <QtEndian>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace kiv5::billing {
namespace {

constexpr int kBillSize = RecordLayout<TBillRec>::kSize;
constexpr int kMarkOffset = 0;
constexpr int kStatusOffset = 2412;

} // namespace

BillPatcher::BillPatcher(const QString& path) : file_(path) {
    // Unbuffered: each patch writes a few bytes at a far-off place.
    if (!file_.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered)) {
        Fail(QStringLiteral("open"));
    }
    CheckRecordFileLength(path, file_.size(), kBillSize);
    count_ = file_.size() / kBillSize;
    ReadStatuses();
}

void BillPatcher::ReadStatuses() {
    constexpr qint64 kChunkRecords = 1024;
    statuses_.resize(static_cast<std::size_t>(count_));
    QByteArray chunk;
    for (qint64 first = 0; first < count_; first += kChunkRecords) {
        const qint64 records = qMin(kChunkRecords, count_ - first);
        if (!file_.seek(first * kBillSize)) {
            Fail(QStringLiteral("position in"));
        }
        chunk = file_.read(records * kBillSize);
        if (chunk.size() != records * kBillSize) {
            Fail(QStringLiteral("read"));
        }
        for (qint64 k = 0; k < records; ++k) {
            statuses_[static_cast<std::size_t>(first + k)] =
                qFromLittleEndian<qint32>(chunk.constData() + k * kBillSize + kStatusOffset);
        }
    }
}

void BillPatcher::Fail(const QString& action) const {
    throw IoError(
        QStringLiteral("Cannot %1 \"%2\": %3")
            .arg(action, QDir::toNativeSeparators(file_.fileName()), file_.errorString()));
}

void BillPatcher::CheckRecNo(int recNo) const {
    if (recNo < 1 || recNo > count_) {
        throw IoError(QStringLiteral("Cannot reach bill %1 of \"%2\": the file holds only %3")
                          .arg(recNo)
                          .arg(QDir::toNativeSeparators(file_.fileName()))
                          .arg(count_));
    }
}

void BillPatcher::WriteAt(int recNo, int offset, const char* bytes, int size) {
    CheckRecNo(recNo);
    const off_t at = static_cast<off_t>(qint64{recNo - 1} * kBillSize + offset);
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

qint32 BillPatcher::Status(int recNo) const {
    CheckRecNo(recNo);
    return statuses_[static_cast<std::size_t>(recNo - 1)];
}

void BillPatcher::WriteMark(int recNo, bool selected) {
    const char byte = selected ? 1 : 0;
    WriteAt(recNo, kMarkOffset, &byte, 1);
}

void BillPatcher::WriteStatus(int recNo, qint32 status) {
    char bytes[4];
    qToLittleEndian(status, bytes);
    WriteAt(recNo, kStatusOffset, bytes, 4);
    statuses_[static_cast<std::size_t>(recNo - 1)] = status;
}

void BillPatcher::Close() {
    if (!file_.flush()) {
        Fail(QStringLiteral("write"));
    }
    file_.close();
}

} // namespace kiv5::billing
