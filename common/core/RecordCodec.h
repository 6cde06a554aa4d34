#pragma once

// Fixed-size binary records, declared once as a list of fields.
//
// Every record type R provides a specialisation of RecordLayout<R> with its
// size and its fields (offset, capacity for texts, the member it maps to).
// The layout is checked at compile time: fields in offset order, no overlap,
// 8-byte values on 8-byte offsets, 4-byte values on 4-byte offsets, all
// inside the record. Bytes no field covers are padding and written as zero.
//
//   template <> struct RecordLayout<NameRec> {
//       static constexpr int kSize = 992;
//       static constexpr std::array kFields = {Field<NameRec>("Selected", 0, &NameRec::Selected),
//       ...};
//   };
//   static_assert(IsValidLayout<NameRec>());
//
// Text fields are one length byte and `capacity` Windows-1252 bytes; a longer
// text is cut on encoding, a length byte above the capacity is clamped on
// decoding. Money fields are qint64 members holding the amount times 10000.

#include "common/core/Cp1252.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QtEndian>
#include <array>
#include <cstring>
#include <string_view>
#include <type_traits>
#include <variant>

namespace kiv5 {

template <class R>
using FieldMember = std::variant<bool R::*, qint32 R::*, qint64 R::*, double R::*, QString R::*,
                                 std::array<QString, 10> R::*, std::array<qint64, 10> R::*,
                                 std::array<QString, 48> R::*, std::array<double, 48> R::*>;

template <class R> struct Field {
    const char* name;
    int offset;
    FieldMember<R> member;
    int capacity = 0; // characters of a text field

    template <class M>
    constexpr Field(const char* n, int off, M R::*m, int cap = 0)
        : name(n), offset(off), member(m), capacity(cap) {}
};

template <class R> struct RecordLayout; // specialised per record type

namespace codec_detail {

template <class T> struct ArrayInfo {
    using Element = T;
    static constexpr int kCount = 1;
};
template <class T, std::size_t N> struct ArrayInfo<std::array<T, N>> {
    using Element = T;
    static constexpr int kCount = static_cast<int>(N);
};

template <class E> constexpr int ElementSize(int capacity) {
    if constexpr (std::is_same_v<E, bool>) {
        return 1;
    } else if constexpr (std::is_same_v<E, QString>) {
        return capacity + 1;
    } else {
        return static_cast<int>(sizeof(E));
    }
}

template <class E> constexpr int ElementAlignment() {
    if constexpr (std::is_same_v<E, bool> || std::is_same_v<E, QString>) {
        return 1;
    } else {
        return static_cast<int>(sizeof(E));
    }
}

template <class M> struct MemberType;
template <class R, class M> struct MemberType<M R::*> { using Type = M; };

template <class R> constexpr int FieldSize(const Field<R>& f) {
    return std::visit(
        [&](auto member) {
            using M = typename MemberType<decltype(member)>::Type;
            using Info = ArrayInfo<M>;
            return Info::kCount * ElementSize<typename Info::Element>(f.capacity);
        },
        f.member);
}

template <class R> constexpr int FieldAlignment(const Field<R>& f) {
    return std::visit(
        [&](auto member) {
            using M = typename MemberType<decltype(member)>::Type;
            return ElementAlignment<typename ArrayInfo<M>::Element>();
        },
        f.member);
}

template <class R> constexpr bool IsText(const Field<R>& f) {
    return std::visit(
        [](auto member) {
            using M = typename MemberType<decltype(member)>::Type;
            return std::is_same_v<typename ArrayInfo<M>::Element, QString>;
        },
        f.member);
}

template <class E> void EncodeElement(char* at, const E& value, int capacity) {
    if constexpr (std::is_same_v<E, bool>) {
        *at = value ? 1 : 0;
    } else if constexpr (std::is_same_v<E, QString>) {
        const QByteArray bytes = ToCp1252(value).left(capacity);
        *at = static_cast<char>(bytes.size());
        std::memcpy(at + 1, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    } else if constexpr (std::is_same_v<E, double>) {
        quint64 raw;
        std::memcpy(&raw, &value, sizeof raw);
        qToLittleEndian(raw, at);
    } else {
        qToLittleEndian(value, at);
    }
}

template <class E> E DecodeElement(const char* at, int capacity) {
    if constexpr (std::is_same_v<E, bool>) {
        return *at != 0;
    } else if constexpr (std::is_same_v<E, QString>) {
        const int length = std::min<int>(static_cast<unsigned char>(*at), capacity);
        return FromCp1252(QByteArrayView(at + 1, length));
    } else if constexpr (std::is_same_v<E, double>) {
        const quint64 raw = qFromLittleEndian<quint64>(at);
        double value;
        std::memcpy(&value, &raw, sizeof value);
        return value;
    } else {
        return qFromLittleEndian<E>(at);
    }
}

} // namespace codec_detail

// True when the declared fields fit the record as described above.
template <class R> constexpr bool IsValidLayout() {
    using L = RecordLayout<R>;
    int end = 0;
    for (const auto& f : L::kFields) {
        const int size = codec_detail::FieldSize(f);
        if (f.offset < end || f.offset % codec_detail::FieldAlignment(f) != 0 || size <= 0) {
            return false;
        }
        if (codec_detail::IsText(f) && (f.capacity < 1 || f.capacity > 255)) {
            return false;
        }
        end = f.offset + size;
    }
    return end <= L::kSize;
}

// The offset at which field `name` starts, -1 when there is none.
template <class R> constexpr int FieldOffset(std::string_view name) {
    for (const auto& f : RecordLayout<R>::kFields) {
        if (name == f.name) {
            return f.offset;
        }
    }
    return -1;
}

template <class R> QByteArray EncodeRecord(const R& record) {
    using L = RecordLayout<R>;
    QByteArray bytes(L::kSize, '\0');
    for (const auto& f : L::kFields) {
        std::visit(
            [&](auto member) {
                using M = typename codec_detail::MemberType<decltype(member)>::Type;
                using Info = codec_detail::ArrayInfo<M>;
                using E = typename Info::Element;
                char* at = bytes.data() + f.offset;
                const int step = codec_detail::ElementSize<E>(f.capacity);
                if constexpr (Info::kCount == 1) {
                    codec_detail::EncodeElement<E>(at, record.*member, f.capacity);
                } else {
                    for (int i = 0; i < Info::kCount; ++i) {
                        codec_detail::EncodeElement<E>(at + i * step, (record.*member)[i],
                                                       f.capacity);
                    }
                }
            },
            f.member);
    }
    return bytes;
}

// Decodes one record from exactly RecordLayout<R>::kSize bytes.
template <class R> R DecodeRecord(QByteArrayView bytes) {
    using L = RecordLayout<R>;
    Q_ASSERT(bytes.size() == L::kSize);
    R record{};
    for (const auto& f : L::kFields) {
        std::visit(
            [&](auto member) {
                using M = typename codec_detail::MemberType<decltype(member)>::Type;
                using Info = codec_detail::ArrayInfo<M>;
                using E = typename Info::Element;
                const char* at = bytes.data() + f.offset;
                const int step = codec_detail::ElementSize<E>(f.capacity);
                if constexpr (Info::kCount == 1) {
                    record.*member = codec_detail::DecodeElement<E>(at, f.capacity);
                } else {
                    for (int i = 0; i < Info::kCount; ++i) {
                        (record.*member)[i] =
                            codec_detail::DecodeElement<E>(at + i * step, f.capacity);
                    }
                }
            },
            f.member);
    }
    return record;
}

// The text fields of a stored record whose length byte exceeds the field's
// capacity, as "Name" or "Name[i]" for array entries.
template <class R> QStringList FindOverlongTexts(QByteArrayView bytes) {
    QStringList faults;
    for (const auto& f : RecordLayout<R>::kFields) {
        std::visit(
            [&](auto member) {
                using M = typename codec_detail::MemberType<decltype(member)>::Type;
                using Info = codec_detail::ArrayInfo<M>;
                if constexpr (std::is_same_v<typename Info::Element, QString>) {
                    for (int i = 0; i < Info::kCount; ++i) {
                        const int at = f.offset + i * (f.capacity + 1);
                        if (static_cast<unsigned char>(bytes[at]) > f.capacity) {
                            faults.append(Info::kCount == 1 ? QString::fromLatin1(f.name)
                                                            : QStringLiteral("%1[%2]")
                                                                  .arg(QString::fromLatin1(f.name))
                                                                  .arg(i));
                        }
                    }
                }
            },
            f.member);
    }
    return faults;
}

} // namespace kiv5
