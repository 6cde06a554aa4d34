// Writes of one field of many records: by the kernel's ring and one by one,
// only the field's bytes change, and a failed write is reported, not taken
// for done.

#include "common/core/Exceptions.h"
#include "common/core/PositionedWrites.h"
#include "common/core/StatusPatcher.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <QFile>
#include <QTest>
#include <QtEndian>
#include <fcntl.h>
#include <unistd.h>

using namespace kiv5;

namespace {

constexpr int kRecordSize = 24;
constexpr int kStatusOffset = 20;

QByteArray Records(int count) {
    QByteArray bytes;
    for (int k = 0; k < count; ++k) {
        QByteArray record(kRecordSize, static_cast<char>('a' + k % 26));
        qToLittleEndian<qint32>(k % 3 == 0 ? -2 : 0, record.data() + kStatusOffset);
        bytes += record;
    }
    return bytes;
}

qint32 StoredStatus(const QByteArray& bytes, int position) {
    return qFromLittleEndian<qint32>(bytes.constData() + (position - 1) * kRecordSize +
                                     kStatusOffset);
}

} // namespace

class TestStatusPatcher : public QObject {
    Q_OBJECT

private slots:
    void queuedWrites_data() {
        QTest::addColumn<bool>("oneByOne");
        QTest::addColumn<int>("records");
        QTest::newRow("ring, less than one batch") << false << 10;
        QTest::newRow("ring, many batches") << false << 40000;
        QTest::newRow("one by one") << true << 1000;
    }
    // Every second record gets status -1 and the mark set: only those bytes
    // change, every write is reported once, and Status() follows.
    void queuedWrites() {
        QFETCH(bool, oneByOne);
        QFETCH(int, records);
        test::TempFolder folder;
        const QByteArray before = Records(records);
        folder.WriteBytes("ledger.bin", before);
        const QString path = folder.Path("ledger.bin");
        StatusPatcher patcher(path, kRecordSize, kStatusOffset, 1);
        if (oneByOne) {
            patcher.ForceOneByOne();
        }
        QList<int> written;
        const auto collect = [&](int tag) { written.append(tag); };
        for (int position = 2; position <= records; position += 2) {
            patcher.QueueStatus(position, -1, position);
            patcher.QueueMark(position, true, -position);
            if (patcher.QueueFull()) {
                patcher.Flush(collect);
            }
        }
        patcher.Flush(collect);
        QCOMPARE(patcher.Status(2), -1);
        QCOMPARE(patcher.Status(1), -2);
        patcher.Close();

        QCOMPARE(written.size(), records / 2 * 2);
        QByteArray expected = before;
        for (int position = 2; position <= records; position += 2) {
            const int at = (position - 1) * kRecordSize;
            qToLittleEndian<qint32>(-1, expected.data() + at + kStatusOffset);
            expected[at + 1] = 1;
        }
        const QByteArray after = folder.ReadBytes("ledger.bin");
        QCOMPARE(after.size(), expected.size());
        QVERIFY(after == expected);
        QCOMPARE(StoredStatus(after, 4), -1);
    }

    // A file that takes no writes: every entry carries its error, by the ring
    // and one by one.
    void failedWritesCarryTheirError_data() {
        QTest::addColumn<bool>("oneByOne");
        QTest::newRow("ring") << false;
        QTest::newRow("one by one") << true;
    }
    void failedWritesCarryTheirError() {
        QFETCH(bool, oneByOne);
        test::TempFolder folder;
        folder.WriteBytes("ledger.bin", Records(4));
        const QString path = folder.Path("ledger.bin");
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        QVERIFY(fd >= 0);
        PositionedWriter writer;
        if (oneByOne) {
            writer.ForceOneByOne();
        }
        std::vector<PositionedWrite> writes(3);
        for (std::size_t k = 0; k < writes.size(); ++k) {
            writes[k].offset = static_cast<qint64>(k) * kRecordSize;
            writes[k].size = 4;
        }
        writer.Submit(fd, writes);
        ::close(fd);
        for (const PositionedWrite& write : writes) {
            QCOMPARE(write.error, EBADF);
        }
        QCOMPARE(folder.ReadBytes("ledger.bin"), Records(4));
    }

    // A position outside the file is refused before anything is queued.
    void positionOutsideTheFile() {
        test::TempFolder folder;
        folder.WriteBytes("ledger.bin", Records(3));
        const QString path = folder.Path("ledger.bin");
        StatusPatcher patcher(path, kRecordSize, kStatusOffset);
        QVERIFY_THROWS_EXCEPTION(IoError, patcher.QueueStatus(4, -1, 4));
        patcher.Close();
        QCOMPARE(folder.ReadBytes("ledger.bin"), Records(3));
    }
};

KIV5_CORE_TEST_MAIN(TestStatusPatcher)
#include "tst_StatusPatcher.moc"
