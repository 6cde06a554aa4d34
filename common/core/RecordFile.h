#pragma once

#include "common/core/FileIo.h"
#include "common/core/RecordCodec.h"

#include <QString>
#include <memory>

namespace kiv5 {

// A file of fixed-size records, opened for one operation and closed when the
// object goes (or by Close, which reports a failed close). Every failure
// throws IoError with the system's text.
class RecordFile {
public:
    enum class Mode {
        Read,      // must exist
        ReadWrite, // in place; must exist
        OpenOrCreate,
    };

    RecordFile(const QString& path, int recordSize, Mode mode);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    qint64 Count() const;
    bool AtEnd() const;
    void Seek(qint64 slot);
    QByteArray Read();
    // Calls each(record) for every record from the current one to the end,
    // reading many records at a time.
    template <class R, class Each> void ForEachRecord(Each&& each);
    void Write(QByteArrayView bytes);
    // Writes at the file's real end and returns the slot written.
    qint64 Append(QByteArrayView bytes);
    void Close();

    template <class R> R ReadRecord() { return DecodeRecord<R>(Read()); }
    template <class R> void WriteRecord(const R& record) { Write(EncodeRecord(record)); }

    const QString& Path() const { return path_; }

private:
    [[noreturn]] void Fail(const QString& action) const;
    // Up to maxRecords whole records from the current one.
    QByteArray ReadBlock(qint64 maxRecords);
    QByteArray ReadExactly(qint64 size);

    QString path_;
    int recordSize_;
    DataFile file_;
};

// Out of line: GCC 12 reports false bounds faults when the decoding of a
// record with arrays is inlined into a loop.
template <class R> [[gnu::noinline]] R DecodeRecordAt(const char* at) {
    return DecodeRecord<R>(QByteArrayView(at, RecordLayout<R>::kSize));
}

template <class R, class Each> void RecordFile::ForEachRecord(Each&& each) {
    constexpr qint64 kBlockRecords = 2048;
    constexpr int kSize = RecordLayout<R>::kSize;
    Q_ASSERT(recordSize_ == kSize);
    while (!AtEnd()) {
        const QByteArray block = ReadBlock(kBlockRecords);
        for (qsizetype at = 0; at < block.size(); at += kSize) {
            each(DecodeRecordAt<R>(block.constData() + at));
        }
    }
}

// Rewrites a whole record file through a temporary file in the same folder
// that replaces the target only when Commit succeeds.
class RecordFileWriter {
public:
    RecordFileWriter(const QString& path, int recordSize);
    void Write(QByteArrayView bytes);
    template <class R> void WriteRecord(const R& record) { Write(EncodeRecord(record)); }
    void Commit();

private:
    QString path_;
    int recordSize_;
    AtomicFile file_;
};

// Cuts a record file back to its first slotCount records: takes back a record
// appended by a command whose other file could not be written.
void TruncateRecordFile(const QString& path, int recordSize, qint64 slotCount);

// Throws IoError naming the file when its length is not a whole number of
// records of the given size.
void CheckRecordFileLength(const QString& path, qint64 length, int recordSize);

// Every record of a file, in slot order.
template <class R> std::vector<R> ReadAllRecords(const QString& path) {
    RecordFile file(path, RecordLayout<R>::kSize, RecordFile::Mode::Read);
    std::vector<R> records;
    records.reserve(static_cast<std::size_t>(file.Count()));
    file.ForEachRecord<R>([&records](R record) { records.push_back(std::move(record)); });
    file.Close();
    return records;
}

template <class R> void WriteAllRecords(const QString& path, const std::vector<R>& records) {
    RecordFileWriter writer(path, RecordLayout<R>::kSize);
    for (const R& record : records) {
        writer.WriteRecord(record);
    }
    writer.Commit();
}

} // namespace kiv5
