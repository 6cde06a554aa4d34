#pragma once

#include "common/core/RecordCodec.h"

namespace kiv5 {

// The record as the file will hold it: texts cut to their capacity and
// characters outside Windows-1252 replaced, as the codec stores them.
template <class R> R NormalizeRecord(const R& record) {
    return DecodeRecord<R>(EncodeRecord(record));
}

} // namespace kiv5
