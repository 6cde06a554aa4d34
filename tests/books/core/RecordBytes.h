#pragma once

// Building stored records byte by byte at their documented offsets, so that
// layout tests do not go through the codec they check.

#include <QByteArray>
#include <QtEndian>
#include <cstring>

namespace kiv5::test {

// A length byte (the text's length unless given) and the text's bytes.
inline void PutText(QByteArray& bytes, int offset, const QByteArray& text, int lengthByte = -1) {
    bytes[offset] = static_cast<char>(lengthByte < 0 ? text.size() : lengthByte);
    std::memcpy(bytes.data() + offset + 1, text.constData(), static_cast<std::size_t>(text.size()));
}

inline void PutDouble(QByteArray& bytes, int offset, double value) {
    quint64 raw;
    std::memcpy(&raw, &value, sizeof raw);
    qToLittleEndian(raw, bytes.data() + offset);
}

inline void PutInt64(QByteArray& bytes, int offset, qint64 value) {
    qToLittleEndian(value, bytes.data() + offset);
}

inline void PutInt32(QByteArray& bytes, int offset, qint32 value) {
    qToLittleEndian(value, bytes.data() + offset);
}

inline double GetDouble(const QByteArray& bytes, int offset) {
    const quint64 raw = qFromLittleEndian<quint64>(bytes.constData() + offset);
    double value;
    std::memcpy(&value, &raw, sizeof value);
    return value;
}

inline qint64 GetInt64(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<qint64>(bytes.constData() + offset);
}

inline qint32 GetInt32(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

// The text stored at `offset`: its length byte, then that many bytes.
inline QByteArray GetText(const QByteArray& bytes, int offset) {
    return bytes.mid(offset + 1, static_cast<unsigned char>(bytes[offset]));
}

} // namespace kiv5::test
