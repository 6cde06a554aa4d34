#include "books/core/LedgerPatch.h"

#include "books/core/LedgerLayout.h"
#include "common/core/Exceptions.h"
#include "common/core/RecordFile.h"

#include <QDir>
#include <QtEndian>

namespace kiv5::books {
namespace {

constexpr int kMarkOffset = 0;
constexpr int kStatusOffset = 260;

} // namespace

LedgerPatcher::LedgerPatcher(const QString& path) : file_(path) {
    if (!file_.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
        Fail(QStringLiteral("open"));
    }
    CheckRecordFileLength(path, file_.size(), kLedgerRecordSize);
    count_ = file_.size() / kLedgerRecordSize;
}

void LedgerPatcher::Fail(const QString& action) const {
    throw IoError(
        QStringLiteral("Cannot %1 \"%2\": %3")
            .arg(action, QDir::toNativeSeparators(file_.fileName()), file_.errorString()));
}

void LedgerPatcher::SeekTo(int position, int offset) {
    if (position < 1 || position > count_) {
        throw IoError(QStringLiteral("Cannot reach record %1 of \"%2\": the file holds only %3")
                          .arg(position)
                          .arg(QDir::toNativeSeparators(file_.fileName()))
                          .arg(count_));
    }
    if (!file_.seek(qint64{position - 1} * kLedgerRecordSize + offset)) {
        Fail(QStringLiteral("position in"));
    }
}

qint32 LedgerPatcher::Status(int position) {
    SeekTo(position, kStatusOffset);
    char bytes[4];
    if (file_.read(bytes, 4) != 4) {
        Fail(QStringLiteral("read"));
    }
    return qFromLittleEndian<qint32>(bytes);
}

void LedgerPatcher::WriteMark(int position, bool selected) {
    SeekTo(position, kMarkOffset);
    const char byte = selected ? 1 : 0;
    if (file_.write(&byte, 1) != 1) {
        Fail(QStringLiteral("write"));
    }
}

void LedgerPatcher::WriteStatus(int position, qint32 status) {
    SeekTo(position, kStatusOffset);
    char bytes[4];
    qToLittleEndian(status, bytes);
    if (file_.write(bytes, 4) != 4) {
        Fail(QStringLiteral("write"));
    }
}

void LedgerPatcher::Close() {
    if (!file_.flush()) {
        Fail(QStringLiteral("write"));
    }
    file_.close();
}

} // namespace kiv5::books
